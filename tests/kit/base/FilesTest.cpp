#include "kit/base/Files.h"
#include "kit/store/Defaults.h"
#include "kit/store/SqliteDatabase.h"
#include "kit/store/Paths.h"
#include "kit/store/FullDisk.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

mode_t modeOf(const fs::path& file) {
    struct stat s {};
    ::stat(file.c_str(), &s);
    return s.st_mode & 0777;
}

// Restores the process's umask when the test ends.
struct UmaskScope {
    explicit UmaskScope(mode_t mask) : previous(::umask(mask)) {}
    ~UmaskScope() { ::umask(previous); }
    mode_t previous;
};

TEST(Files, NewFilesFollowTheUmaskAndReplacedFilesKeepTheirPermissions) {
    kit::TemporaryDataDir dir;
    const auto file = dir.path() / "settings.json";
    {
        UmaskScope mask(077);
        ASSERT_TRUE(kit::writeFileAtomically(file, std::string_view("first")));
        EXPECT_EQ(modeOf(file), 0600u);
    }
    UmaskScope mask(022);
    ASSERT_TRUE(kit::writeFileAtomically(file, std::string_view("second")));
    EXPECT_EQ(modeOf(file), 0600u);  // the user's choice stays
    fs::remove(file);
    ASSERT_TRUE(kit::writeFileAtomically(file, std::string_view("third")));
    EXPECT_EQ(modeOf(file), 0644u);
}

TEST(Files, AFullDiskIsToldAsFullAndLeavesTheOldFile) {
    kit::TemporaryDataDir dir;
    kit::testing::FullDisk disk(dir.path() / "disk");
    if (!disk.mounted()) GTEST_SKIP() << "mounting a small disk needs root";
    const auto file = disk.folder() / "export.txt";
    ASSERT_TRUE(kit::writeFileAtomically(file, std::string_view("old")));
    disk.fill();
    std::string error;
    EXPECT_FALSE(kit::writeFileAtomically(file, std::string(64 << 10, 'x'), &error));
    EXPECT_TRUE(kit::isDiskFull(error)) << error;
    EXPECT_EQ(std::distance(fs::directory_iterator(disk.folder()), fs::directory_iterator()), 2);  // no leftovers
    EXPECT_EQ(fs::file_size(file), 3u);
    EXPECT_FALSE(kit::isDiskFull("cannot write x: Permission denied"));
}

} // namespace

// What the app keeps in its data folder is the user's alone, whatever the umask lets others read.
TEST(Files, TheDataFolderItsStoreAndItsSettingsAreTheUsersAlone) {
    kit::TemporaryDataDir dir;
    UmaskScope mask(022);
    const auto made = dir.path() / "new" / "tinctura";
    ASSERT_TRUE(kit::makePrivateFolder(made));
    EXPECT_EQ(modeOf(made), 0700u);
    fs::permissions(dir.path(), fs::perms::all, fs::perm_options::replace);
    ASSERT_TRUE(kit::makePrivateFolder(dir.path()));
    EXPECT_EQ(modeOf(dir.path()), 0700u);  // one made before is tightened too
    EXPECT_FALSE(kit::makePrivateFolder(""));

    std::optional<kit::sqlite::Error> error;
    const auto store = dir.path() / "DataModel.sqlite";
    ASSERT_TRUE(kit::sqlite::Database::open(store.string(), error));
    EXPECT_EQ(modeOf(store), 0600u);

    kit::Defaults::standard().set(true, "key");
    ASSERT_TRUE(fs::exists(dir.path() / "defaults.json"));
    EXPECT_EQ(modeOf(dir.path() / "defaults.json"), 0600u);
}
