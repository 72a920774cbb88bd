// The pictures folder as a photo library: what the picker lists, and saving with its outcome.
#include "kit/graphics/Image.h"
#include "kit/runtime/RunLoop.h"
#include "kit/store/Paths.h"
#include "kit/store/PhotoLibrary.h"
#include "kit/store/PhotoOrientation.h"
#include "kit/store/ExifJpeg.h"
#include "kit/store/FullDisk.h"

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
    fs::path reported;  // the file the last save named
    std::optional<std::string> save(const Image& image, const char* base) {
        std::optional<std::string> outcome = "not called";
        PhotoLibrary::saveImage(
            image, [&](const std::optional<std::string>& e, const fs::path& file) {
                outcome = e;
                reported = file;
            }, base);
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

TEST_F(PhotoLibraryFixture, FilesAreJudgedByTheirFirstBytesAndSizeBeforeBeingRead) {
    const auto f = PhotoLibrary::folder();
    fs::create_directories(f);
    writeAt(f / "real.jpg", 0);  // a PNG under a JPEG name: the bytes decide, not the name
    std::ofstream(f / "text.png") << "plain text named like a picture";
    {
        // 3 GB with a PNG signature, sparse so it costs no disk: refused without being read.
        std::ofstream huge(f / "huge.png", std::ios::binary);
        huge << "\x89PNG\r\n\x1a\n";
    }
    fs::resize_file(f / "huge.png", 3ull << 30);
    EXPECT_TRUE(PhotoLibrary::load(f / "real.jpg"));
    for (const char* name : {"text.png", "huge.png"}) {
        std::string error;
        EXPECT_FALSE(PhotoLibrary::load(f / name, &error)) << name;
        EXPECT_NE(error.find(name), std::string::npos) << error;
    }
}

TEST_F(PhotoLibraryFixture, AnEmptyOrMissingFolderListsNothing) {
    EXPECT_TRUE(PhotoLibrary::pictures().empty());
}

TEST_F(PhotoLibraryFixture, SavesUnderTheFirstFreeNameAndReportsSuccessLater) {
    EXPECT_EQ(save(solid(0, 0, 1), "values"), std::nullopt);
    EXPECT_EQ(save(solid(0, 1, 0), "values"), std::nullopt);
    const auto second = Paths::picturesDir() / "values-2.png";
    EXPECT_EQ(reported, second);
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
    EXPECT_TRUE(reported.empty());
    EXPECT_FALSE(fs::exists(Paths::picturesDir() / "values-1.png"));
}

TEST_F(PhotoLibraryFixture, ASaveOnAFullDiskSaysSoAndLeavesNoFile) {
    testing::FullDisk disk(Paths::picturesDir());
    if (!disk.mounted()) GTEST_SKIP() << "mounting a small disk needs root";
    disk.fill();
    EXPECT_EQ(save(*Image::make(200, 200), "values"),
              "The picture could not be saved: the disk is full. Free some space and try again.");
    EXPECT_EQ(std::distance(fs::directory_iterator(disk.folder()), fs::directory_iterator()), 1);  // the filler alone
    disk.makeRoom();
    EXPECT_EQ(save(*Image::make(200, 200), "values"), std::nullopt);
}

TEST_F(PhotoLibraryFixture, PhotosAreTurnedUprightAsTheirExifOrientationAsks) {
    // 32 x 16: red on the left, blue on the right.
    std::vector<std::uint8_t> px;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x) px.insert(px.end(), {std::uint8_t(x < 16 ? 255 : 0), 0, std::uint8_t(x < 16 ? 0 : 255), 255});
    const auto stored = *Image::fromRGBA(32, 16, px);
    struct Case {
        int orientation;
        bool bigEndian;
        int width;
        Point red;  // where the red half ends up (a pixel well inside it)
    };
    for (const auto& c : std::vector<Case>{{1, true, 32, {4, 8}}, {2, false, 32, {28, 8}}, {3, true, 32, {28, 8}},
                                           {6, true, 16, {8, 4}}, {6, false, 16, {8, 4}}, {8, false, 16, {8, 28}}}) {
        const auto file = PhotoLibrary::folder() / ("o" + std::to_string(c.orientation) + (c.bigEndian ? "m" : "i") + ".jpg");
        fs::create_directories(file.parent_path());
        const auto bytes = jpegWithOrientation(stored, c.orientation, c.bigEndian);
        EXPECT_EQ(exifOrientation(bytes), c.orientation);
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        auto shown = PhotoLibrary::load(file);
        ASSERT_TRUE(shown);
        EXPECT_EQ(shown->pixelWidth(), c.width) << c.orientation;
        EXPECT_GT(shown->pixelRGBA(int(c.red.x), int(c.red.y))[0], 200) << c.orientation;
        EXPECT_LT(shown->pixelRGBA(int(c.red.x), int(c.red.y))[2], 60) << c.orientation;
    }
    EXPECT_EQ(exifOrientation(*stored.pngData()), 1);
    EXPECT_EQ(exifOrientation(std::vector<std::uint8_t>{0xFF, 0xD8, 0xFF, 0xE1, 0xFF, 0xFF}), 1);  // cut short
}

} // namespace
} // namespace kit
