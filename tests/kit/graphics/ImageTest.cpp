#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"
#include "kit/graphics/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace kit;

namespace {

using Bytes = std::array<std::uint8_t, 4>;

Image checker() {
    // 2 x 2: opaque red, half-transparent green, transparent, opaque white.
    const std::vector<std::uint8_t> rgba = {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 0, 0, 255, 255, 255, 255};
    return *Image::fromRGBA(2, 2, rgba);
}

} // namespace

TEST(Image, ReadBackIsPremultipliedRGBAInThatOrder) {
    auto image = *Image::make(4, 4);
    {
        Context c(image);
        c.setFillColor(Color::rgba(1, 0.5, 0, 0.5));
        c.fillRect({0, 0, 4, 4});
    }
    const Bytes p = image.pixelRGBA(1, 1);
    EXPECT_NEAR(p[0], 128, 1);
    EXPECT_NEAR(p[1], 64, 1);
    EXPECT_EQ(p[2], 0);
    EXPECT_NEAR(p[3], 128, 1);
    const Color c = image.colorAt(1, 1);
    EXPECT_NEAR(c.red(), 1, 0.01);
    EXPECT_NEAR(c.green(), 0.5, 0.01);
    EXPECT_NEAR(c.alpha(), 0.5, 0.01);
    // Outside the image: zeros, not a crash.
    EXPECT_EQ(image.pixelRGBA(-1, 0), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(image.pixelRGBA(4, 0), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(image.colorAt(9, 9), Color::clearColor());
}

TEST(Image, FromRGBAPremultipliesAndGivesTheBytesBack) {
    const Image image = checker();
    EXPECT_EQ(image.pixelRGBA(0, 0), (Bytes{255, 0, 0, 255}));
    EXPECT_EQ(image.pixelRGBA(1, 0), (Bytes{0, 128, 0, 128}));
    EXPECT_EQ(image.pixelRGBA(0, 1), (Bytes{0, 0, 0, 0}));
    const auto straight = image.rgbaBytes();
    EXPECT_EQ(straight[4 + 1], 255); // green un-premultiplied again
    EXPECT_EQ(straight[4 + 3], 128);
    // Too few bytes for the size, or no size at all: nothing.
    EXPECT_FALSE(Image::fromRGBA(2, 2, std::vector<std::uint8_t>(15)));
    EXPECT_FALSE(Image::fromRGBA(0, 2, {}));
}

TEST(Image, SizeIsInPointsAtItsScale) {
    const auto image = Image::make(10.5, 4, 2);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixelWidth(), 21);
    EXPECT_EQ(image->pixelHeight(), 8);
    EXPECT_EQ(image->size(), (Size{10.5, 4}));
    for (double bad : {0.0, -3.0, std::nan(""), 1e9}) EXPECT_FALSE(Image::make(bad, 4)) << bad;
    EXPECT_FALSE(Image::make(4, 4, 0));
    // A context on a 2x image draws in points.
    auto hi = *Image::make(4, 4, 2);
    {
        Context c(hi);
        c.setFillColor(Color::redColor());
        c.fillRect({0, 0, 1, 1});
    }
    EXPECT_EQ(hi.pixelRGBA(1, 1)[3], 255);
    EXPECT_EQ(hi.pixelRGBA(2, 2)[3], 0);
}

TEST(Image, OpaqueImagesStartWhiteAndReadAlpha255) {
    const auto image = Image::make(2, 2, 1, true);
    ASSERT_TRUE(image);
    EXPECT_TRUE(image->isOpaque());
    EXPECT_EQ(image->pixelRGBA(1, 1), (Bytes{255, 255, 255, 255}));
}

TEST(Image, PNGRoundTripIsExactAndJPEGIsClose) {
    TempDir dir;
    const Image image = checker();
    ASSERT_TRUE(image.savePNG(dir.file("a.png")));
    const auto png = Image::loadFile(dir.file("a.png"));
    ASSERT_TRUE(png);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) EXPECT_EQ(png->pixelRGBA(x, y), image.pixelRGBA(x, y));

    auto big = *Image::make(32, 32);
    {
        Context c(big);
        c.setFillColor(Color::rgba(0.2, 0.4, 0.8));
        c.fillRect({0, 0, 32, 32});
    }
    ASSERT_TRUE(big.saveJPEG(dir.file("b.jpg"), 0.95));
    const auto jpeg = Image::loadFile(dir.file("b.jpg"));
    ASSERT_TRUE(jpeg);
    EXPECT_EQ(jpeg->pixelWidth(), 32);
    const Bytes p = jpeg->pixelRGBA(16, 16);
    EXPECT_NEAR(p[0], 51, 3);
    EXPECT_NEAR(p[1], 102, 3);
    EXPECT_NEAR(p[2], 204, 3);
    EXPECT_EQ(p[3], 255);
    // Transparent pixels are composed over white in a JPEG.
    ASSERT_TRUE(checker().saveJPEG(dir.file("c.jpg"), 1));
    EXPECT_GT(Image::loadFile(dir.file("c.jpg"))->pixelRGBA(0, 1)[0], 200);
}

TEST(Image, BadFilesAreErrorsNotCrashes) {
    TempDir dir;
    const auto png = *checker().pngData();
    const auto jpeg = *checker().jpegData();
    auto huge = png; // a header that claims 30000 x 30000 pixels
    for (std::size_t at : {16, 20}) huge[at] = 0, huge[at + 1] = 0, huge[at + 2] = 0x75, huge[at + 3] = 0x30;
    struct Case { const char* name; std::vector<std::uint8_t> bytes; };
    const Case cases[] = {
        {"empty", {}},
        {"text", {'h', 'e', 'l', 'l', 'o'}},
        {"truncated png", std::vector<std::uint8_t>(png.begin(), png.begin() + 20)},
        {"truncated jpeg header", std::vector<std::uint8_t>(jpeg.begin(), jpeg.begin() + 10)},
        {"png magic only", {0x89, 'P', 'N', 'G', 0, 0, 0}},
        {"huge png", huge},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(Image::decode(c.bytes, 1, &error)) << c.name;
        EXPECT_FALSE(error.empty()) << c.name;
    }
    std::string error;
    EXPECT_FALSE(Image::decode(huge, 1, &error));
    EXPECT_EQ(error, "PNG too large");
    EXPECT_FALSE(Image::loadFile(dir.file("missing.png"), 1, &error));
    EXPECT_NE(error.find("missing.png"), std::string::npos);
    // A failed save leaves no file and says so.
    EXPECT_FALSE(checker().savePNG(dir.file("no/such/dir/x.png"), &error));
    EXPECT_FALSE(Image().savePNG(dir.file("empty.png")));
}

TEST(Image, ResizedCopyHasTheNewSizeAndColour) {
    const auto small = Image::fromRGBA(1, 1, std::vector<std::uint8_t>{0, 0, 255, 255});
    const auto big = small->resized({8, 6}, 2);
    ASSERT_TRUE(big);
    EXPECT_EQ(big->pixelWidth(), 16);
    EXPECT_EQ(big->pixelHeight(), 12);
    EXPECT_EQ(big->pixelRGBA(15, 11), (Bytes{0, 0, 255, 255}));
    // Copies are deep.
    Image copy = *big;
    {
        Context c(copy);
        c.clearRect({0, 0, 8, 6});
    }
    EXPECT_EQ(big->pixelRGBA(0, 0)[3], 255);
    EXPECT_EQ(copy.pixelRGBA(0, 0)[3], 0);
}
