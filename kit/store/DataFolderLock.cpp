#include "kit/store/DataFolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <string>

namespace kit {

std::unique_ptr<DataFolderLock> DataFolderLock::acquire(const std::filesystem::path& folder,
                                                        std::optional<Refusal>& refusal) {
    refusal.reset();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    // Close-on-exec: a program the app starts (a browser) must not keep the folder after the app ends.
    const int fd = ::open((folder / fileName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return nullptr;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            refusal = Refusal{};
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
