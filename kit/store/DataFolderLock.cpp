#include "kit/store/DataFolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <string>

namespace kit {
namespace {

// What makes the lock file unfit for the lock, if anything: only a regular file of this user's is written.
std::optional<std::string> unfitness(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return "not readable";
    if (!S_ISREG(st.st_mode)) return "not a regular file";
    if (st.st_uid != ::geteuid()) return "owned by another user";
    return std::nullopt;
}

} // namespace

std::string DataFolderLock::Refusal::message() const {
    if (unsafe)
        return "The lock file " + lockFile.string() + " is " + *unsafe +
               ", so Tinctura does not use this data folder; remove it (Tinctura makes a new one) and start again, "
               "or start with another --data-dir";
    std::string text = "Tinctura is already running on the data folder " + lockFile.parent_path().string();
    if (holder) text += " (process " + std::to_string(*holder) + ")";
    return text + "; close it first, or start this one with another --data-dir";
}

std::unique_ptr<DataFolderLock> DataFolderLock::acquire(const std::filesystem::path& folder,
                                                        std::optional<Refusal>& refusal) {
    refusal.reset();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const auto path = folder / fileName;
    // No link is followed (one would have the process id written over the file it names, or a file made
    // where a dangling one points), and a FIFO put there must not hold the start. Close-on-exec: a program
    // the app starts (a browser) must not keep the folder after the app ends.
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600);
    if (fd < 0) {
        if (errno == ELOOP) refusal = Refusal{path, std::nullopt, "a symbolic link"};
        else if (errno == EISDIR) refusal = Refusal{path, std::nullopt, "a folder"};
        return nullptr;
    }
    if (auto unfit = unfitness(fd)) {
        refusal = Refusal{path, std::nullopt, std::move(unfit)};
        ::close(fd);
        return nullptr;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            refusal = Refusal{path, std::nullopt, std::nullopt};
            char text[32] = {};
            const auto n = ::pread(fd, text, sizeof text - 1, 0);
            long pid = 0;
            if (n > 0 && std::from_chars(text, text + n, pid).ec == std::errc{} && pid > 0) refusal->holder = pid;
        }
        ::close(fd);
        return nullptr;
    }
    // The holder's process id, for the message of a second start (which does without it if this fails).
    const auto pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd, 0) == 0) (void)!::pwrite(fd, pid.data(), pid.size(), 0);
    return std::unique_ptr<DataFolderLock>(new DataFolderLock(fd));
}

DataFolderLock::~DataFolderLock() { ::close(fd_); }

} // namespace kit
