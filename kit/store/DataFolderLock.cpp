#include "kit/store/DataFolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <string>

namespace kit {
namespace {

using Cause = DataFolderLock::Refusal::Cause;

// What makes the lock file unfit for the lock, if anything: only a regular file of this user's is written.
std::optional<std::string> unfitness(const struct stat& st) {
    if (!S_ISREG(st.st_mode)) return "not a regular file";
    if (st.st_uid != ::geteuid()) return "owned by another user";
    return std::nullopt;
}

DataFolderLock::Refusal failure(const std::filesystem::path& lockFile, int error) {
    return {Cause::cannotLock, lockFile, std::nullopt, std::strerror(error), error};
}

const char* remedyFor(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return "Give your user the right to write the lock file and its folder (or remove the lock file, "
               "and Tinctura makes a new one), or start with another --data-dir.";
    case EROFS: return "Start with --data-dir on a disk that can be written to.";
    case ENOSPC:
    case EDQUOT: return "Free some space on its disk, or start with another --data-dir.";
    default: return "Check the data folder and its disk, or start with another --data-dir.";
    }
}

} // namespace

std::string DataFolderLock::Refusal::title() const {
    return cause == Cause::heldByAnother ? "Tinctura is already open" : "Tinctura cannot use its data folder";
}

std::string DataFolderLock::Refusal::summary() const {
    switch (cause) {
    case Cause::heldByAnother: return "Tinctura is already open on this data folder.";
    case Cause::unsafeLockFile: return "Tinctura does not use this data folder: its lock file is unsafe.";
    case Cause::cannotLock: break;
    }
    return "Tinctura cannot make sure it is the only one open on this data folder.";
}

std::string DataFolderLock::Refusal::detail() const {
    switch (cause) {
    case Cause::heldByAnother:
        return "The data folder " + lockFile.parent_path().string() + " is in use" +
               (holder ? " by process " + std::to_string(*holder) : std::string()) +
               ". Close that Tinctura first, or start this one with another --data-dir.";
    case Cause::unsafeLockFile:
        return "The lock file " + lockFile.string() + " is " + reason +
               ". Remove it (Tinctura makes a new one) and start again, or start with another --data-dir.";
    case Cause::cannotLock: break;
    }
    return "The lock file " + lockFile.string() + " cannot be used: " + reason + ". " + remedyFor(error);
}

std::string DataFolderLock::Refusal::message() const { return summary() + " " + detail(); }

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
        const int error = errno;
        if (error == ELOOP) refusal = Refusal{Cause::unsafeLockFile, path, std::nullopt, "a symbolic link"};
        else if (error == EISDIR) refusal = Refusal{Cause::unsafeLockFile, path, std::nullopt, "a folder"};
        else refusal = failure(path, error);
        return nullptr;
    }
    auto refuse = [&](Refusal r) {
        refusal = std::move(r);
        ::close(fd);
        return nullptr;
    };
    struct stat st {};
    if (::fstat(fd, &st) != 0) return refuse(failure(path, errno));
    if (auto unfit = unfitness(st)) return refuse(Refusal{Cause::unsafeLockFile, path, std::nullopt, std::move(*unfit)});
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK) return refuse(failure(path, errno));
        Refusal held{Cause::heldByAnother, path, std::nullopt, {}};
        char text[32] = {};
        const auto n = ::pread(fd, text, sizeof text - 1, 0);
        long pid = 0;
        if (n > 0 && std::from_chars(text, text + n, pid).ec == std::errc{} && pid > 0) held.holder = pid;
        return refuse(std::move(held));
    }
    // The holder's process id, for the message of a second start (which does without it if this fails).
    const auto pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd, 0) == 0) (void)!::pwrite(fd, pid.data(), pid.size(), 0);
    return std::unique_ptr<DataFolderLock>(new DataFolderLock(fd));
}

DataFolderLock::~DataFolderLock() { ::close(fd_); }

} // namespace kit
