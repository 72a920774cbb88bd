#include "kit/base/Files.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kit {
namespace fs = std::filesystem;

bool writeFileAtomically(const fs::path& file, std::string_view bytes, std::string* error, Sync sync) {
    auto fail = [&](const std::string& what, int err) {
        if (error) *error = what + ": " + std::strerror(err);
        return false;
    };
    fs::path dir = file.parent_path().empty() ? fs::path(".") : file.parent_path();
    std::string name = ".";
    name.append(file.filename().string()).append(".XXXXXX"); // hidden, beside the target
    std::string temp = (dir / name).string();
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return fail("cannot create a temporary file in " + dir.string(), errno);
    auto discard = [&](const std::string& what) {
        int err = errno;
        ::close(fd);
        ::unlink(temp.c_str());
        return fail(what, err);
    };
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return discard("cannot write " + temp);
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    // mkstemp creates 0600; settings and stores are ordinary user files.
    ::fchmod(fd, 0644);
    if (sync == Sync::flush && ::fsync(fd) != 0) return discard("cannot flush " + temp);
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        return fail("cannot close " + temp, err);
    }
    if (::rename(temp.c_str(), file.c_str()) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        return fail("cannot replace " + file.string(), err);
    }
    return true;
}

} // namespace kit
