// The camera's picture in windows of every shape. A desktop camera does not turn with the window:
// in a tall window as in a wide one the camera screens show a picture file (delivered as a webcam
// delivers its frames) upright, and the colour picker shows it whole where filling its low strip
// would cut it to a slice.
#include "CameraScreensFixture.h"

#include "capture/ColorPicker2VC.h"
#include "capture/ValueCheckerVC.h"
#include "colour/HexText.h"
#include "kit/graphics/filters/Filters.h"
#include "kit/ui/ImageView.h"
#include "kit/ui/Window.h"

#include <algorithm>
#include <array>
#include <cstdlib>

using capture::ColorPicker2VC;
using capture::ValueCheckerVC;

namespace {

// Four quadrants, each its own colour, so that any turn or mirror shows.
constexpr std::array<std::array<std::uint8_t, 3>, 4> quadrantColours{{
    {255, 0, 0}, {0, 255, 0},    // top left, top right
    {0, 0, 255}, {255, 255, 0},  // bottom left, bottom right
}};

kit::Image quadrants(int width, int height) {
    std::vector<std::uint8_t> px;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const auto& c = quadrantColours[(y < height / 2 ? 0 : 2) + (x < width / 2 ? 0 : 1)];
            px.insert(px.end(), {c[0], c[1], c[2], 255});
        }
    return *kit::Image::fromRGBA(width, height, px);
}

struct CameraPictureTest : CameraScreensFixture {
    // The colours the screen shows a little up and left, up and right, down and left, down and
    // right of the centre of `picture` (whether the picture fills its area or fits in it).
    std::array<kit::Color, 4> shownQuadrants(const kit::View& picture) {
        const auto image = host->render(1);
        const auto area = picture.convertRectTo(picture.bounds(), host->window().get());
        const double d = std::min(area.width(), area.height()) / 8;
        std::array<kit::Color, 4> seen;
        for (int q = 0; q < 4; ++q) {
            const double x = area.midX() + (q % 2 == 0 ? -d : d);
            const double y = area.midY() + (q < 2 ? -d : d);
            seen[static_cast<std::size_t>(q)] = image.colorAt(static_cast<int>(x), static_cast<int>(y));
        }
        return seen;
    }
    static kit::Color colour(std::size_t q, bool sepia) {
        const auto& c = quadrantColours[q];
        auto pixel = *kit::Image::fromRGBA(1, 1, std::vector<std::uint8_t>{c[0], c[1], c[2], 255});
        if (sepia) pixel = *kit::filters::sepiaTone(pixel);
        return pixel.colorAt(0, 0);
    }
    static void expectShown(const std::array<kit::Color, 4>& seen, bool sepia) {
        for (std::size_t q = 0; q < 4; ++q) {
            const auto want = colour(q, sepia);
            SCOPED_TRACE("quadrant " + std::to_string(q));
            EXPECT_NEAR(seen[q].red(), want.red(), 0.02);
            EXPECT_NEAR(seen[q].green(), want.green(), 0.02);
            EXPECT_NEAR(seen[q].blue(), want.blue(), 0.02);
        }
    }
};

TEST_F(CameraPictureTest, ThePictureFileShowsUprightInTallAndWideWindows) {
    const auto file = dir.path() / "upright.png";
    ASSERT_TRUE(quadrants(40, 24).savePNG(file.string()));
    useCamera("file:" + file.string());
    for (const char* window : {"phone", "small-pad", "900x700", "1280x800"}) {
        SCOPED_TRACE(window);
        const auto device = *kit::DeviceProfile::named(window);

        auto checker = push<ValueCheckerVC>("ValueCheckerVC", device);
        settle();
        ASSERT_TRUE(frame(*checker->capture()));
        ASSERT_TRUE(checker->filteredImage()->image());
        EXPECT_EQ(checker->filteredImage()->image()->pixelWidth(), 40);
        expectShown(shownQuadrants(*checker->filteredImage()), true);
        screenshot(std::string("value-checker-upright-") + window);
        nav->popViewController(false);
        settle();

        auto picker = push<ColorPicker2VC>("ColorPicker2VC", device);
        settle();
        ASSERT_TRUE(frame(*picker->session()));
        expectShown(shownQuadrants(*picker->cameraView()), false);
        screenshot(std::string("colour-picker-upright-") + window);
        nav->popViewController(false);
        settle();
    }
}

TEST_F(CameraPictureTest, TheColourPickerShowsThePictureWholeInAWideWindowAndFillsItsAreaInATallOne) {
    // Upright 9:16, as a webcam's centre comes: a magenta band along the top, cyan along the bottom.
    constexpr int width = 36, height = 64;
    std::vector<std::uint8_t> px;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::array<std::uint8_t, 3> c = y < 4 ? std::array<std::uint8_t, 3>{255, 0, 255}
                                                  : y >= height - 4 ? std::array<std::uint8_t, 3>{0, 255, 255}
                                                                    : std::array<std::uint8_t, 3>{128, 128, 128};
            px.insert(px.end(), {c[0], c[1], c[2], 255});
        }
    const auto file = dir.path() / "bands.png";
    ASSERT_TRUE(kit::Image::fromRGBA(width, height, px)->savePNG(file.string()));
    useCamera("file:" + file.string());
    const auto is = [](const kit::Color& c, const char* hex) { return colour::hexString(c) == hex; };
    struct Case {
        const char* window;
        bool whole;  // both bands show; else the picture covers the whole area
    };
    for (const auto& c : {Case{"phone", false}, Case{"small-phone", false}, Case{"900x700", true}, Case{"1280x800", true}}) {
        SCOPED_TRACE(c.window);
        auto picker = push<ColorPicker2VC>("ColorPicker2VC", *kit::DeviceProfile::named(c.window));
        settle();
        ASSERT_TRUE(frame(*picker->session()));
        const auto image = host->render(1);
        const auto& view = *picker->cameraView();
        const auto area = view.convertRectTo(view.bounds(), host->window().get());
        bool magenta = false, cyan = false;
        for (int y = static_cast<int>(area.minY()); y < static_cast<int>(area.maxY()); ++y)
            for (int x = static_cast<int>(area.minX()); x < static_cast<int>(area.maxX()); x += 3) {
                const auto shown = image.colorAt(x, y);
                magenta = magenta || is(shown, "FF00FF");
                cyan = cyan || is(shown, "00FFFF");
            }
        EXPECT_EQ(magenta && cyan, c.whole);
        if (!c.whole) {
            const auto corner = image.colorAt(static_cast<int>(area.minX()) + 1, static_cast<int>(area.minY()) + 1);
            EXPECT_TRUE(is(corner, "808080")) << colour::hexString(corner);
        }
        screenshot(std::string("colour-picker-picture-") + c.window);
    }
}

} // namespace
