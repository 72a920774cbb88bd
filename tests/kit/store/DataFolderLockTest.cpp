#include "kit/store/DataFolderLock.h"

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "kit/store/Paths.h"

namespace fs = std::filesystem;
using kit::DataFolderLock;

namespace {
std::string readFile(const fs::path& p) {
    std::ifstream in(p);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}
} // namespace

TEST(DataFolderLock, HoldsTheFolderAgainstASecondTakerAndNamesTheHolder) {
    kit::TemporaryDataDir dir;
    std::optional<DataFolderLock::Refusal> refusal;
    auto first = DataFolderLock::acquire(dir.path(), refusal);
    ASSERT_TRUE(first);
    EXPECT_FALSE(refusal);
    EXPECT_EQ(fs::status(dir.path() / DataFolderLock::fileName).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);

    auto second = DataFolderLock::acquire(dir.path(), refusal);
    EXPECT_FALSE(second);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->holder, static_cast<long>(::getpid()));
    EXPECT_NE(refusal->message().find("already running on the data folder " + dir.path().string()), std::string::npos);

    first.reset();
    EXPECT_TRUE(DataFolderLock::acquire(dir.path(), refusal));
}

// Whatever stands at the lock file's name that is not the user's own plain file is refused, named, and left as it was.
TEST(DataFolderLock, RefusesALockFileThatIsNoPlainFileOfTheUsers) {
    struct Case {
        const char* what;
        std::function<void(const fs::path& lock, const fs::path& outside)> make;
        const char* said;
    };
    const std::vector<Case> cases{
        {"link to a file", [](const fs::path& lock, const fs::path& outside) {
             std::ofstream(outside) << "precious";
             fs::create_symlink(outside, lock);
         }, "a symbolic link"},
        {"dangling link", [](const fs::path& lock, const fs::path& outside) { fs::create_symlink(outside, lock); },
         "a symbolic link"},
        {"folder", [](const fs::path& lock, const fs::path&) { fs::create_directory(lock); }, "a folder"},
        {"pipe", [](const fs::path& lock, const fs::path&) { ASSERT_EQ(::mkfifo(lock.c_str(), 0600), 0); },
         "not a regular file"},
        {"another user's file", [](const fs::path& lock, const fs::path&) {
             std::ofstream(lock) << "1\n";
             ASSERT_EQ(::chown(lock.c_str(), 65534, 65534), 0);
         }, "owned by another user"},
    };
    for (const auto& c : cases) {
        if (std::string(c.what) == "another user's file" && ::geteuid() != 0) continue;  // only root can give it away
        SCOPED_TRACE(c.what);
        kit::TemporaryDataDir dir;
        const auto folder = dir.path() / "data";
        fs::create_directories(folder);
        const auto lock = folder / DataFolderLock::fileName;
        const auto outside = dir.path() / "elsewhere.txt";
        c.make(lock, outside);

        std::optional<DataFolderLock::Refusal> refusal;
        EXPECT_FALSE(DataFolderLock::acquire(folder, refusal));
        ASSERT_TRUE(refusal);
        const auto text = refusal->message();
        EXPECT_NE(text.find(lock.string()), std::string::npos) << text;
        EXPECT_NE(text.find(c.said), std::string::npos) << text;
        EXPECT_NE(text.find("remove it"), std::string::npos) << text;
        // A second refusal for the same reason: nothing was taken over meanwhile.
        EXPECT_FALSE(DataFolderLock::acquire(folder, refusal));
        if (!fs::is_symlink(lock)) continue;
        if (fs::exists(outside)) {
            EXPECT_EQ(readFile(outside), "precious");
        } else {
            EXPECT_FALSE(fs::exists(fs::symlink_status(outside)));  // nothing made where a dangling link points
        }
    }
}
