#include "kit/base/Files.h"
#include "kit/store/Paths.h"

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

} // namespace
