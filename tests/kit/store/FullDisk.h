#pragma once
// A real full disk for tests: a small tmpfs mounted on a fresh folder, filled up on request.
// Mounting needs root (or CAP_SYS_ADMIN); without it `mounted()` is false and tests skip.
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace kit::testing {

class FullDisk {
public:
    explicit FullDisk(const std::filesystem::path& folder, const char* size = "512k") : folder_(folder) {
        std::filesystem::create_directories(folder_);
        mounted_ = ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, (std::string("size=") + size).c_str()) == 0;
    }
    ~FullDisk() {
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool mounted() const { return mounted_; }
    const std::filesystem::path& folder() const { return folder_; }
    // Takes every free byte; removing the filler frees them again.
    void fill() {
        int fd = ::open((folder_ / "filler").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        char block[4096] = {};
        while (::write(fd, block, sizeof block) > 0) {}
        while (::write(fd, block, 1) > 0) {}
        ::close(fd);
    }
    void makeRoom() { std::filesystem::remove(folder_ / "filler"); }

private:
    std::filesystem::path folder_;
    bool mounted_ = false;
};

} // namespace kit::testing
