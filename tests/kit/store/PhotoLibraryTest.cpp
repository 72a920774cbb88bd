// The pictures folder as a photo library: what the picker lists, and saving with its outcome.
#include "kit/graphics/Image.h"
#include "kit/runtime/RunLoop.h"
#include "kit/store/Paths.h"
#include "kit/store/PhotoLibrary.h"

#include <gtest/gtest.h>

#include <fstream>

namespace kit {
namespace {

namespace fs = std::filesystem;

struct PhotoLibraryFixture : ::testing::Test {
    TemporaryDataDir dir;
    ManualRunLoopScope loop;
    void TearDown() override { PhotoLibrary::setSaveFailure(std::nullopt); }

    static Image solid(double r, double g, double b) {
        std::vector<std::uint8_t> px;
        for (int i = 0; i < 4; ++i) px.insert(px.end(), {std::uint8_t(r * 255), std::uint8_t(g * 255), std::uint8_t(b * 255), 255});
        return *Image::fromRGBA(2, 2, px);
    }
    static void writeAt(const fs::path& file, int secondsAgo) {
        fs::create_directories(file.parent_path());
        ASSERT_TRUE(solid(1, 0, 0).savePNG(file.string()));
        fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::seconds(secondsAgo));
    }
    std::optional<std::string> save(const Image& image, const char* base) {
        std::optional<std::string> outcome = "not called";
        PhotoLibrary::saveImage(image, [&](const std::optional<std::string>& e) { outcome = e; }, base);
        EXPECT_EQ(outcome, "not called");  // reported on the main queue, not inside the call
        loop.advance(0.1);
        return outcome;
    }
};

TEST_F(PhotoLibraryFixture, ListsPicturesBelowTheFolderNewestFirstAndSkipsEverythingElse) {
    const auto f = PhotoLibrary::folder();
    writeAt(f / "old.png", 300);
    writeAt(f / "trip" / "new.JPG", 10);
    writeAt(f / "middle.jpeg", 100);
    writeAt(f / ".hidden.png", 1);
    writeAt(f / ".cache" / "inside.png", 1);
    std::ofstream(f / "notes.txt") << "not a picture";
    EXPECT_EQ(PhotoLibrary::pictures(),
              (std::vector<fs::path>{f / "trip" / "new.JPG", f / "middle.jpeg", f / "old.png"}));
    EXPECT_EQ(PhotoLibrary::pictures(2).size(), 2u);
    EXPECT_TRUE(PhotoLibrary::load(f / "old.png"));
    std::string error;
    EXPECT_FALSE(PhotoLibrary::load(f / "notes.txt", &error));
    EXPECT_FALSE(error.empty());
}

TEST_F(PhotoLibraryFixture, AnEmptyOrMissingFolderListsNothing) {
    EXPECT_TRUE(PhotoLibrary::pictures().empty());
}

TEST_F(PhotoLibraryFixture, SavesUnderTheFirstFreeNameAndReportsSuccessLater) {
    EXPECT_EQ(save(solid(0, 0, 1), "values"), std::nullopt);
    EXPECT_EQ(save(solid(0, 1, 0), "values"), std::nullopt);
    const auto second = Paths::picturesDir() / "values-2.png";
    EXPECT_EQ(PhotoLibrary::lastSavedFile(), second);
    auto back = Image::loadFile(second.string());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->pixelRGBA(1, 1), (std::array<std::uint8_t, 4>{0, 255, 0, 255}));
    // Saved pictures belong to the library too.
    EXPECT_EQ(PhotoLibrary::pictures().size(), 2u);
}

TEST_F(PhotoLibraryFixture, AFailedSaveReportsWhyAndWritesNothing) {
    fs::create_directories(Paths::picturesDir().parent_path());
    std::ofstream(Paths::picturesDir()) << "a file where the folder should be";
    auto error = save(solid(1, 1, 1), "values");
    ASSERT_TRUE(error);
    EXPECT_NE(error->find(Paths::picturesDir().string()), std::string::npos);

    fs::remove(Paths::picturesDir());
    PhotoLibrary::setSaveFailure("The disk is full.");
    EXPECT_EQ(save(solid(1, 1, 1), "values"), "The disk is full.");
    EXPECT_FALSE(fs::exists(Paths::picturesDir() / "values-1.png"));
}

} // namespace
} // namespace kit
