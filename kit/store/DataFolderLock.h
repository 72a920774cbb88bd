#pragma once
// Keeps a second process off the data folder this one uses, so that no store is opened twice: an
// advisory lock on a file in the folder, which the system lets go when the process ends, however it ends.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace kit {

class DataFolderLock {
public:
    struct Refusal {
        std::filesystem::path lockFile;
        std::optional<long> holder;  // the process that holds the folder, when it could be read
        // Set when the lock file is no plain file of the user's (a link, a folder, another's file): what it is.
        std::optional<std::string> unsafe;

        // What to tell the user: who holds the folder or what is wrong with the lock file, and what to do.
        std::string message() const;
    };

    // Takes the folder (making it when missing). A refusal when another process holds it, or when its lock
    // file is anything but a regular file of this user's: it is never followed to another file, nor made
    // through a dangling link. A folder that cannot be locked at all (read-only, no locks) is not held
    // against the start and gives a lock of none.
    static std::unique_ptr<DataFolderLock> acquire(const std::filesystem::path& folder, std::optional<Refusal>& refusal);

    ~DataFolderLock();
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

    static constexpr const char* fileName = "tinctura.lock";

private:
    explicit DataFolderLock(int fd) : fd_(fd) {}
    int fd_;
};

} // namespace kit
