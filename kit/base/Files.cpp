#include "kit/base/Files.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kit {
namespace fs = std::filesystem;

namespace {

const std::string diskFullText = "the disk is full";

// The process's umask, read without changing it (umask() would, for every thread at once).
mode_t currentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("Umask:", 0) == 0) return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
    return 022;
}

mode_t permissionsFor(const fs::path& file) {
    struct stat existing {};
    if (::stat(file.c_str(), &existing) == 0) return existing.st_mode & 0777;
    return 0666 & ~currentUmask();
}

} // namespace

bool makePrivateFolder(const fs::path& dir) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    struct stat st {};
    if (::stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    // Only a folder of the user's own is tightened: a shared one given as the data folder is theirs to set.
    if (st.st_uid == ::geteuid() && (st.st_mode & 077) != 0) ::chmod(dir.c_str(), st.st_mode & 0700);
    return true;
}

bool isDiskFull(std::string_view error) { return error.starts_with(diskFullText); }

bool writeFileAtomically(const fs::path& file, std::string_view bytes, std::string* error, Sync sync) {
    auto fail = [&](const std::string& what, int err) {
        if (error) *error = err == ENOSPC || err == EDQUOT ? diskFullText + " (" + what + ")" : what + ": " + std::strerror(err);
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
    // mkstemp creates 0600: a replaced file keeps its permissions, a new one gets what the umask allows.
    ::fchmod(fd, permissionsFor(file));
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
