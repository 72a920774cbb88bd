#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"
#include "kit/graphics/TempDir.h"

#include <gtest/gtest.h>

#include <png.h>
#include <zlib.h>

#include <fstream>
#include <random>

using namespace kit;

namespace {

using Bytes = std::array<std::uint8_t, 4>;

Image checker() {
    // 2 x 2: opaque red, half-transparent green, transparent, opaque white.
    const std::vector<std::uint8_t> rgba = {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 0, 0, 255, 255, 255, 255};
    return *Image::fromRGBA(2, 2, rgba);
}

// A width x height picture: red rising left to right, green top to bottom, opaque.
Image ramp(int width, int height) {
    std::vector<std::uint8_t> rgba;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            rgba.insert(rgba.end(), {std::uint8_t(255 * x / (width - 1)), std::uint8_t(255 * y / (height - 1)), 0, 255});
    return *Image::fromRGBA(width, height, rgba);
}

// The PNG's chunks as (type, data), and a PNG made of such chunks with correct checksums.
using Chunks = std::vector<std::pair<std::string, std::vector<std::uint8_t>>>;
Chunks chunksOf(const std::vector<std::uint8_t>& png) {
    Chunks out;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const std::size_t n = std::size_t(png[at]) << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3];
        out.push_back({std::string(png.begin() + at + 4, png.begin() + at + 8),
                       std::vector<std::uint8_t>(png.begin() + at + 8, png.begin() + at + 8 + n)});
        at += 12 + n;
    }
    return out;
}
std::vector<std::uint8_t> pngOf(const Chunks& chunks) {
    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    auto be32 = [&](std::uint32_t v) { out.insert(out.end(), {std::uint8_t(v >> 24), std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)}); };
    for (const auto& [type, data] : chunks) {
        be32(std::uint32_t(data.size()));
        const std::size_t start = out.size();
        out.insert(out.end(), type.begin(), type.end());
        out.insert(out.end(), data.begin(), data.end());
        be32(std::uint32_t(crc32(0, out.data() + start, unsigned(out.size() - start))));
    }
    return out;
}

// The picture as an interlaced PNG (the writer the app uses makes none).
std::vector<std::uint8_t> interlacedPNG(const Image& image) {
    std::vector<std::uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, [](png_structp p, png_bytep data, png_size_t n) {
        auto* o = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(p));
        o->insert(o->end(), data, data + n);
    }, nullptr);
    const int w = image.pixelWidth(), h = image.pixelHeight();
    png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_ADAM7, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    auto rgba = image.rgbaBytes();
    std::vector<png_bytep> rows;
    for (int y = 0; y < h; ++y) rows.push_back(rgba.data() + std::size_t(y) * w * 4);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
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
    struct Case { const char* name; std::vector<std::uint8_t> bytes; };
    const Case cases[] = {
        {"empty", {}},
        {"text", {'h', 'e', 'l', 'l', 'o'}},
        {"truncated jpeg header", std::vector<std::uint8_t>(jpeg.begin(), jpeg.begin() + 10)},
        {"png magic only", {0x89, 'P', 'N', 'G', 0, 0, 0}},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(Image::decode(c.bytes, 1, &error)) << c.name;
        EXPECT_FALSE(error.empty()) << c.name;
    }
    std::string error;
    EXPECT_FALSE(Image::loadFile(dir.file("missing.png"), 1, &error));
    EXPECT_NE(error.find("missing.png"), std::string::npos);
    // A failed save leaves no file and says so.
    EXPECT_FALSE(checker().savePNG(dir.file("no/such/dir/x.png"), &error));
    EXPECT_FALSE(Image().savePNG(dir.file("empty.png")));
}

TEST(Image, DamagedFilesAreToldAsDamagedAndOnlyHugeOnesAsTooLarge) {
    const auto png = *ramp(64, 48).pngData();
    const auto jpeg = *ramp(64, 48).jpegData();
    auto chunks = chunksOf(png);
    auto badChecksum = png;
    badChecksum[png.size() - 20] ^= 0x55;  // inside the image data, its checksum no longer matches
    auto shortImage = chunks;  // a consistent file whose image data ends early
    for (auto& [type, data] : shortImage)
        if (type == "IDAT") data.resize(data.size() / 2);
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> damaged = {
        {"bad checksum", badChecksum},
        {"short image chunk", pngOf(shortImage)},
        {"cut off", std::vector<std::uint8_t>(png.begin(), png.begin() + png.size() / 2)},
    };
    // Random bytes after either signature; some of them read as a JPEG header of 0 x 0 pixels.
    for (unsigned seed = 0; seed < 40; ++seed) {
        std::mt19937 random(seed);
        for (auto bytes : {std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'}, std::vector<std::uint8_t>{0xFF, 0xD8, 0xFF}}) {
            for (int i = 0; i < 2000; ++i) bytes.push_back(std::uint8_t(random()));
            damaged.push_back({"random bytes, seed " + std::to_string(seed), bytes});
        }
    }
    for (const auto& [name, bytes] : damaged) {
        std::string error;
        EXPECT_FALSE(Image::decode(bytes, 1, &error)) << name;
        EXPECT_TRUE(error.starts_with("the file is damaged or not a picture")) << name << ": " << error;
        EXPECT_FALSE(Image::decodeReduced(bytes, 8)) << name;
    }
    auto huge = chunks;  // a sound header that claims 30000 x 30000 pixels
    for (std::size_t at : {0, 4}) huge[0].second[at] = 0, huge[0].second[at + 1] = 0, huge[0].second[at + 2] = 0x75, huge[0].second[at + 3] = 0x30;
    std::string error;
    EXPECT_FALSE(Image::decode(pngOf(huge), 1, &error));
    EXPECT_EQ(error, "the picture is too large (30000 x 30000 pixels)");
    EXPECT_TRUE(Image::decode(jpeg));
}

TEST(Image, AReducedDecodeIsSmallerAndLooksTheSame) {
    const auto picture = ramp(960, 640);
    const struct { const char* name; std::vector<std::uint8_t> bytes; int tolerance; } files[] = {
        {"png", *picture.pngData(), 2},
        {"interlaced png", interlacedPNG(picture), 2},
        {"jpeg", *picture.jpegData(1.0), 6},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        auto reduced = Image::decodeReduced(f.bytes, 100);
        ASSERT_TRUE(reduced);
        EXPECT_GE(std::min(reduced->pixelWidth(), reduced->pixelHeight()), 100);
        EXPECT_LE(std::min(reduced->pixelWidth(), reduced->pixelHeight()), 200);
        EXPECT_NEAR(double(reduced->pixelWidth()) / reduced->pixelHeight(), 1.5, 0.02);
        // Each reduced pixel shows the colour of its place in the picture.
        for (auto [fx, fy] : {std::pair{0.1, 0.1}, {0.5, 0.5}, {0.9, 0.3}}) {
            const auto p = reduced->pixelRGBA(int(fx * reduced->pixelWidth()), int(fy * reduced->pixelHeight()));
            const auto q = picture.pixelRGBA(int(fx * 960), int(fy * 640));
            for (int c = 0; c < 4; ++c) EXPECT_NEAR(p[c], q[c], f.tolerance + 3) << fx << "," << fy << " channel " << c;
        }
        // Asked for more than the picture has, it comes whole.
        EXPECT_EQ(Image::decodeReduced(f.bytes, 2000)->pixelWidth(), 960);
    }
    auto whole = Image::decode(interlacedPNG(checker()));
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->rgbaBytes(true), checker().rgbaBytes(true));
}

TEST(Image, CroppedCopyHoldsExactlyThePixelsOfTheRectangle) {
    const auto picture = ramp(40, 30);
    const auto part = picture.cropped({10, 5, 20, 15});
    ASSERT_TRUE(part);
    EXPECT_EQ(part->pixelWidth(), 20);
    EXPECT_EQ(part->pixelHeight(), 15);
    EXPECT_EQ(part->pixelRGBA(0, 0), picture.pixelRGBA(10, 5));
    EXPECT_EQ(part->pixelRGBA(19, 14), picture.pixelRGBA(29, 19));
    EXPECT_FALSE(picture.cropped({30, 0, 20, 10}));  // reaches outside
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
