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
        std::optional<long> holder;  // the process that holds the folder, when it could be read
    };

    // Takes the folder (making it when missing). A refusal when another process holds it; a folder that
    // cannot be locked at all (read-only, no locks) is not held against the start and gives a lock of none.
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
