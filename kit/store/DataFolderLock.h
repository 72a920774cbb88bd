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
        enum class Cause {
            heldByAnother,   // another process holds the folder
            unsafeLockFile,  // the lock file is no plain file of the user's: never written through
            cannotLock,      // the lock file could not be made, opened or locked
        };
        Cause cause = Cause::heldByAnother;
        std::filesystem::path lockFile;
        std::optional<long> holder;  // the process that holds the folder, when it could be read
        std::string reason;          // what the lock file is, or why it could not be used
        int error = 0;               // the system's error number, when a call failed

        // What to tell the user: a title, one plain sentence first, then the detail with the path and
        // what to do; message() is both on one line, for standard error.
        std::string title() const;
        std::string summary() const;
        std::string detail() const;
        std::string message() const;
    };

    // Takes the folder (making it when missing). Anything short of holding the lock is a refusal: another
    // process holding it, a lock file that is anything but a regular file of this user's (it is never
    // followed to another file, nor made through a dangling link), and any failure to make, open or lock it.
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
