// The value breaker: the steppers and their limits, the labels, and the conversion (grey with the
// chosen contrast, then split into values) redone from the picked picture at every change.
#include "PhotoScreensFixture.h"

#include "capture/ValueBreakerVC.h"
#include "capture/ValueCheckerImageVC.h"
#include "kit/base/Console.h"
#include "kit/graphics/filters/Filters.h"
#include "kit/ui/Button.h"
#include "kit/ui/ImageView.h"
#include "kit/ui/Label.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

using capture::ValueBreakerVC;
using Outcome = kit::ImagePickerScript::Outcome;

struct ValueBreaker : PhotoScreensFixture {
    std::shared_ptr<ValueBreakerVC> open() { return push<ValueBreakerVC>("ValueBreakerVC"); }
    void press(const std::shared_ptr<kit::Button>& button, int times = 1) {
        for (int i = 0; i < times; ++i) host->tap(button);
        host->advance(0.5);
    }
    static std::set<std::uint8_t> greys(const kit::Image& image) {
        std::set<std::uint8_t> values;
        for (int y = 0; y < image.pixelHeight(); ++y)
            for (int x = 0; x < image.pixelWidth(); ++x) {
                const auto px = image.pixelRGBA(x, y);
                EXPECT_TRUE(px[0] == px[1] && px[1] == px[2]) << x << "," << y;
                values.insert(px[0]);
            }
        return values;
    }
};

TEST_F(ValueBreaker, StepperRowsSitBetweenSelectAndSaveWithTheirDefaults) {
    auto screen = open();
    EXPECT_EQ(screen->valueNumberLabel->text(), "To values: 4");
    EXPECT_EQ(screen->contrastLabel->text(), "Contrast: 1");
    const double width = screen->view()->bounds().width();
    const auto save = screen->saveToPhotosButton->frame();
    const auto plus = screen->increaseContrastButton->frame();
    EXPECT_EQ(plus, (kit::Rect{width - 16 - 40, save.minY() - 10 - 40, 40, 40}));
    EXPECT_EQ(screen->decreaseContrastButton->frame().maxX(), plus.minX() - 10);
    EXPECT_EQ(screen->contrastLabel->frame(), (kit::Rect{16, plus.minY(), width - 16 - 40 - 10 - 40 - 10 - 16, 40}));
    EXPECT_EQ(screen->increaseValueNumberButton->frame().maxY(), plus.minY() - 10);
    EXPECT_EQ(screen->selectImageButton->frame().maxY(), screen->valueNumberLabel->frame().minY() - 10);
    screenshot("value-breaker-empty");
}

TEST_F(ValueBreaker, SteppersStayInTheirRangesAndGiveNoHapticAtTheLimits) {
    auto screen = open();
    struct Case {
        std::shared_ptr<kit::Button> button;
        int presses;
        std::size_t haptics;
        std::string label;
        const std::shared_ptr<kit::Label>* shows;
    };
    const std::vector<Case> cases = {
        {screen->increaseValueNumberButton, 8, 6, "To values: 10", &screen->valueNumberLabel},
        {screen->decreaseValueNumberButton, 9, 7, "To values: 3", &screen->valueNumberLabel},
        {screen->increaseContrastButton, 1, 1, "Contrast: 2", &screen->contrastLabel},
        {screen->increaseContrastButton, 3, 1, "Contrast: 3", &screen->contrastLabel},
        {screen->decreaseContrastButton, 4, 2, "Contrast: 1", &screen->contrastLabel},
    };
    for (const auto& c : cases) {
        const auto before = haptics();
        press(c.button, c.presses);
        EXPECT_EQ(haptics() - before, c.haptics) << c.label;
        EXPECT_EQ((*c.shows)->text(), c.label);
    }
    EXPECT_EQ(screen->numberOfValues, 2);
    EXPECT_EQ(screen->contrast, 2.0);
    // Without a picture nothing is shown and the save button stays dimmed.
    EXPECT_FALSE(screen->selectedImageView->image());
    EXPECT_EQ(screen->saveToPhotosButton->titleColorForState(kit::ControlState::normal),
              kit::Color::whiteColor().withAlpha(0.2));
}

TEST_F(ValueBreaker, ThePictureIsConvertedAgainAtEveryStep) {
    auto screen = open();
    script(Outcome::image, photo());
    host->tap(screen->selectImageButton);
    host->advance(1);
    ASSERT_TRUE(screen->convertedImage);
    const auto atThree = greys(*screen->convertedImage);
    EXPECT_GE(atThree.size(), 2u);
    EXPECT_LE(atThree.size(), 4u * 4 * 4);
    ValueBreakerVC reference;
    reference.loadedImage = photo();
    reference.posterizeToValues(3);
    EXPECT_EQ(reference.convertedImage->rgbaBytes(), screen->convertedImage->rgbaBytes());

    press(screen->increaseContrastButton);
    EXPECT_NE(screen->convertedImage->rgbaBytes(), reference.convertedImage->rgbaBytes());
    press(screen->decreaseContrastButton);
    press(screen->increaseValueNumberButton, 6);
    EXPECT_GT(greys(*screen->convertedImage).size(), atThree.size());
    EXPECT_EQ(screen->selectedImageView->image()->rgbaBytes(), screen->convertedImage->rgbaBytes());
}

// A black-to-white gradient, 256 pixels wide: at N values it shows N bands, black to white.
TEST_F(ValueBreaker, AGradientSplitsIntoAsManyBandsAsValuesDarkestToLightest) {
    std::vector<std::uint8_t> px;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 256; ++x) px.insert(px.end(), {std::uint8_t(x), std::uint8_t(x), std::uint8_t(x), 255});
    const auto gradient = *kit::Image::fromRGBA(256, 4, px);
    for (double contrast : {2.0, 2.5, 3.0})
        for (int values = 2; values <= 8; ++values) {
            ValueBreakerVC screen;
            screen.loadedImage = gradient;
            screen.contrast = contrast;
            screen.posterizeToValues(values - 1);
            ASSERT_TRUE(screen.convertedImage);
            std::vector<std::uint8_t> bands;
            for (int x = 0; x < 256; ++x) {
                const auto v = screen.convertedImage->pixelRGBA(x, 2)[0];
                if (bands.empty() || bands.back() != v) bands.push_back(v);
            }
            const std::string where = "contrast " + std::to_string(contrast) + ", " + std::to_string(values) + " values";
            ASSERT_EQ(bands.size(), std::size_t(values)) << where;
            EXPECT_EQ(bands.front(), 0) << where;
            EXPECT_EQ(bands.back(), 255) << where;
            EXPECT_TRUE(std::is_sorted(bands.begin(), bands.end())) << where;
        }
}

TEST_F(ValueBreaker, APhotoKeepsItsShapesInEveryValue) {
    ValueBreakerVC screen;
    screen.loadedImage = photo();
    for (double contrast : {2.0, 3.0}) {
        screen.contrast = contrast;
        screen.posterizeToValues(3);
        std::map<std::uint8_t, int> share;
        const auto& image = *screen.convertedImage;
        for (int y = 0; y < image.pixelHeight(); ++y)
            for (int x = 0; x < image.pixelWidth(); ++x) ++share[image.pixelRGBA(x, y)[0]];
        EXPECT_EQ(share.size(), 4u) << contrast;
        for (const auto& [value, count] : share)
            EXPECT_LT(count, image.pixelWidth() * image.pixelHeight() * 2 / 3) << contrast << " value " << int(value);
        // The picture darkens towards the bottom: the top row is lighter than the bottom row.
        EXPECT_GT(image.pixelRGBA(60, 0)[0], image.pixelRGBA(60, 89)[0]);
    }
}

TEST_F(ValueBreaker, TheSaveButtonReadsWhiteOnTheButtonGreyAfterAConversion) {
    const std::pair<const char*, kit::DeviceProfile> devices[] = {
        {"phone", kit::DeviceProfile::phone()},
        {"small-phone", kit::DeviceProfile::smallPhone()},
        {"pad", kit::DeviceProfile::pad()},
        {"small-pad", kit::DeviceProfile::smallPad()},
    };
    for (const auto& [name, device] : devices) {
        auto screen = push<ValueBreakerVC>("ValueBreakerVC", device);
        script(Outcome::image, photo(240, 180));
        host->tap(screen->selectImageButton);
        host->advance(1);
        ASSERT_TRUE(screen->convertedImage) << name;
        EXPECT_EQ(screen->saveToPhotosButton->layer()->backgroundColor(),
                  screen->selectImageButton->layer()->backgroundColor())
            << name;
        // On screen: the button's face is a dark grey that the white title stands out from.
        const auto shot = host->render();
        const auto frame = screen->saveToPhotosButton->frame();
        const double scale = shot.scale();
        EXPECT_LT(shot.pixelRGBA(int((frame.minX() + 4) * scale), int(frame.midY() * scale))[0], 140) << name;
        screenshot(std::string("value-breaker-converted-") + name);
    }
}

TEST_F(ValueBreaker, AConversionThatFailsIsLoggedAndTheEarlierOneStays) {
    auto screen = open();
    script(Outcome::image, photo());
    host->tap(screen->selectImageButton);
    host->advance(1);
    const auto earlier = screen->convertedImage->rgbaBytes();
    kit::ConsoleCapture console;
    screen->loadedImage = kit::Image();  // a picture without pixels: nothing to convert
    screen->refreshConversion();
    EXPECT_EQ(console.lines(), (std::vector<std::string>{"Error converting image to 3.0-color representation."}));
    EXPECT_EQ(screen->convertedImage->rgbaBytes(), earlier);
}

TEST_F(ValueBreaker, ThePhotoValueCheckerShowsThePictureInSepia) {
    auto screen = push<capture::ValueCheckerImageVC>("ValueCheckerImageVC");
    script(Outcome::image, photo());
    host->tap(screen->selectImageButton);
    host->advance(1);
    ASSERT_TRUE(screen->convertedImage);
    EXPECT_EQ(screen->convertedImage->rgbaBytes(), kit::filters::sepiaTone(photo(), 1.0)->rgbaBytes());
    EXPECT_EQ(screen->selectedImageView->image()->rgbaBytes(), screen->convertedImage->rgbaBytes());
}

} // namespace
