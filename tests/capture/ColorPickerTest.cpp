#include "CameraScreensFixture.h"
#include "app/storage/DataModel.h"
#include "capture/ColorPicker2VC.h"
#include "capture/OrientedImage.h"
#include "colour/HexText.h"
#include "kit/base/Console.h"
#include "kit/store/Defaults.h"
#include "kit/ui/Application.h"
#include "colour/ThemeColors.h"
#include "wheels/digital/DcwEditCcVC.h"
#include "wheels/digital/DcwVC.h"

using capture::ColorPicker2VC;

namespace {

struct ColorPickerTest : CameraScreensFixture {
    std::shared_ptr<ColorPicker2VC> open() {
        auto screen = push<ColorPicker2VC>("ColorPicker2VC");
        settle();
        return screen;
    }
    std::string hex(const kit::Color& c) const { return colour::hexString(c); }
    std::string slotHex(ColorPicker2VC& s, int k) const { return hex(s.panel().color(k)); }
    std::vector<app::CustomColorCombination> saved() const {
        return app::fetchRecords<app::CustomColorCombination>(*appDelegate->persistentContainer().viewContext(),
                                                              app::CustomColorCombination::fetchRequest());
    }
    static bool pulsing(const kit::View& view) { return view.transform().a > 1.01; }
};

} // namespace

TEST_F(ColorPickerTest, TheColourUnderTheDotFollowsTheCurrentSlotAndAddFixesIt) {
    auto s = open();
    auto& panel = s->panel();
    EXPECT_TRUE(s->session()->isRunning());
    EXPECT_EQ(panel.numberOfColors, 1);
    EXPECT_FALSE(panel.labelButton(1));
    EXPECT_TRUE(panel.openDcwBtn()->isHidden());

    ASSERT_TRUE(frame(*s->session()));  // red
    EXPECT_EQ(slotHex(*s, 1), "FF0000");
    EXPECT_EQ(hex(*panel.colorView(1)->backgroundColor()), "FF0000");
    EXPECT_EQ(hex(*panel.valueButton(1)->layer()->backgroundColor()), "7F7F7F");  // lightness grey

    host->tap(panel.addBtn());
    EXPECT_EQ(panel.numberOfColors, 2);
    EXPECT_FALSE(panel.openDcwBtn()->isHidden());
    ASSERT_TRUE(panel.labelButton(1));
    EXPECT_EQ(panel.labelButton(1)->currentTitle(), "FF0000 |  RED");
    frame(*s->session());  // green goes to slot 2 only
    EXPECT_EQ(slotHex(*s, 1), "FF0000");
    EXPECT_EQ(slotHex(*s, 2), "00FF00");
    s->addColor();
    frame(*s->session());
    screenshot("camera-picker-three-slots");

    for (int i = 0; i < 2; ++i) s->addColor();
    EXPECT_EQ(panel.numberOfColors, 5);
    EXPECT_TRUE(panel.openDcwBtn()->isHidden());
    const auto before = panel.colors;
    frame(*s->session());
    EXPECT_EQ(panel.colors, before);  // all four fixed
    for (int k = 1; k <= 4; ++k) EXPECT_TRUE(panel.labelButton(k)) << k;
    s->addColor();
    EXPECT_EQ(panel.numberOfColors, 5);
    EXPECT_TRUE(pulsing(*panel.deleteBtn()));
}

TEST_F(ColorPickerTest, DeleteBringsTheLastFixedSlotBackAsCurrentAndStopsAtOne) {
    auto s = open();
    auto& panel = s->panel();
    s->addColor();
    s->addColor();
    frame(*s->session());  // red into slot 3
    s->deleteColor();
    EXPECT_EQ(panel.numberOfColors, 2);
    EXPECT_FALSE(panel.labelButton(2));
    s->addColor();
    EXPECT_EQ(hex(*panel.colorView(3)->backgroundColor()), "FF0000");  // the old colour, until the next frame
    frame(*s->session());
    EXPECT_EQ(slotHex(*s, 3), "00FF00");

    s->deleteColor();
    s->deleteColor();
    EXPECT_EQ(panel.numberOfColors, 1);
    s->deleteColor();
    EXPECT_EQ(panel.numberOfColors, 1);
    EXPECT_TRUE(pulsing(*panel.addBtn()));
}

TEST_F(ColorPickerTest, SavesASingleColourOrACombinationOfTheFixedColours) {
    auto s = open();
    auto& panel = s->panel();
    frame(*s->session());  // red
    s->saveColorCombination();  // N = 1: the colour under the dot
    host->advance(2);
    s->addColor();
    frame(*s->session());  // green into slot 2
    s->saveColorCombination();  // N = 2: slot 1 alone
    host->advance(2);
    s->addColor();
    s->addColor();
    s->saveColorCombination();  // N = 4: three colours
    host->advance(2);
    auto records = saved();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].tag(), "colorPicker");
    EXPECT_EQ(records[0].color1(), "FF0000");
    EXPECT_EQ(records[1].tag(), "colorPicker");
    EXPECT_EQ(records[1].color1(), "FF0000");
    EXPECT_EQ(records[2].tag(), "custom");
    EXPECT_EQ(records[2].numberOfColors(), 3);
    EXPECT_EQ(records[2].color2(), "00FF00");

    s->addColor();
    panel.colors.fill(kit::Color::whiteColor());
    s->saveColorCombination();  // four white fields: nothing
    host->advance(2);
    EXPECT_EQ(saved().size(), 3u);
}

TEST_F(ColorPickerTest, EditorNeedsTwoFixedColoursAndTheWheelStartsFromSlotOne) {
    auto s = open();
    auto& panel = s->panel();
    frame(*s->session());
    s->addColor();
    s->editCCTapped();
    EXPECT_TRUE(pulsing(*panel.addBtn()));
    EXPECT_EQ(nav->topViewController(), s);

    host->tap(panel.openDcwBtn());
    auto wheel = std::dynamic_pointer_cast<wheels::DcwVC>(nav->topViewController());
    ASSERT_TRUE(wheel);
    EXPECT_FALSE(wheel->isClassic);
    EXPECT_TRUE(wheel->instantLoadFromClipboard);
    EXPECT_EQ(kit::Defaults::standard().string(app::Keys::lastColorMixing), "FF0000");
    nav->popViewController(false);
    settle();

    for (int i = 0; i < 3; ++i) s->addColor();
    s->editCCTapped();
    host->advance(1);
    auto editor = std::dynamic_pointer_cast<wheels::DcwEditCcVC>(nav->topViewController());
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->numberOfColors, 4);
    EXPECT_EQ(hex(*editor->color(1)), "FF0000");
    EXPECT_EQ(hex(*editor->color(4)), hex(panel.color(4)));
}

TEST_F(ColorPickerTest, ValueButtonCopiesItsGrey) {
    auto s = open();
    frame(*s->session());
    host->tap(s->panel().valueButton(1));
    EXPECT_EQ(pasteboard(), "#7F7F7F");
}

TEST_F(ColorPickerTest, TheLandscapeFrameIsShownAQuarterTurnClockwise) {
    useCamera("synthetic:quadrants@64x36");
    auto s = open();
    frame(*s->session());
    const auto& picture = s->cameraView()->layer()->contents();
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->pixelWidth(), 36);
    EXPECT_EQ(picture->pixelHeight(), 64);
    EXPECT_EQ(hex(picture->colorAt(35, 0)), "FF0000");  // the sensor's top left is now the top right
    EXPECT_EQ(hex(picture->colorAt(0, 0)), "0000FF");
    screenshot("camera-picker-quadrants");

    // Every orientation of the tag, on a 2 x 1 picture: red on the left, blue on the right.
    const auto pair = *kit::Image::fromRGBA(2, 1, std::vector<std::uint8_t>{255, 0, 0, 255, 0, 0, 255, 255});
    using O = capture::ImageOrientation;
    const std::vector<std::tuple<O, int, int, const char*>> cases{
        {O::up, 0, 0, "FF0000"},          {O::upMirrored, 0, 0, "0000FF"}, {O::down, 0, 0, "0000FF"},
        {O::downMirrored, 0, 0, "FF0000"}, {O::right, 0, 0, "FF0000"},      {O::rightMirrored, 0, 0, "FF0000"},
        {O::left, 0, 0, "0000FF"},         {O::leftMirrored, 0, 0, "0000FF"}};
    for (const auto& [orientation, x, y, expected] : cases) {
        const auto turned = capture::orientedImage(pair, orientation);
        ASSERT_TRUE(turned);
        const bool sideways = static_cast<int>(orientation) >= 5;
        EXPECT_EQ(turned->pixelWidth(), sideways ? 1 : 2) << static_cast<int>(orientation);
        EXPECT_EQ(hex(turned->colorAt(x, y)), expected) << static_cast<int>(orientation);
    }
    EXPECT_FALSE(capture::orientedImage(kit::Image(), O::right));
}

TEST_F(ColorPickerTest, FramesWithoutPixelsAreDropped) {
    auto s = open();
    kit::media::SampleBuffer empty;
    kit::media::CaptureConnection connection;
    auto output = s->session()->outputs().front();
    s->queue()->sync([&] { s->captureOutput(*output, empty, connection); });
    host->advance(0.05);
    EXPECT_FALSE(s->cameraView()->layer()->contents());
    EXPECT_EQ(slotHex(*s, 1), hex(colour::screenBackgroundColor()));
}

TEST_F(ColorPickerTest, WithoutACameraThePictureStaysEmptyAndThePanelOffersNothing) {
    useCamera("none");
    auto s = open();
    EXPECT_FALSE(s->device());
    EXPECT_TRUE(s->session()->inputs().empty());
    EXPECT_FALSE(s->session()->stepFrame());
    s->addColor();
    EXPECT_EQ(slotHex(*s, 1), hex(colour::screenBackgroundColor()));
    EXPECT_EQ(slotHex(*s, 2), "0000FF");
    // No colour came in: the panel shows no slot to name, even when asked to add one.
    EXPECT_FALSE(s->panel().labelButton(1));
    EXPECT_FALSE(s->panel().colorsSV()->superview());
}

TEST_F(ColorPickerTest, RefusedAccessLeavesTheScreenAndOffersTheSettings) {
    useCamera(colours, false);
    std::vector<std::string> opened;
    kit::Application::shared().setURLOpener([&](const std::string& url) {
        opened.push_back(url);
        return true;
    });
    kit::ConsoleCapture console;
    auto s = push<ColorPicker2VC>("ColorPicker2VC");
    settle();
    EXPECT_TRUE(console.contains("Camera authorization denied."));
    EXPECT_NE(nav->topViewController(), s);
    EXPECT_EQ(alertActions(), (std::vector<std::string>{"Open Settings", "Cancel"}));
    ASSERT_TRUE(host->answerAlert("Open Settings"));
    settle();
    EXPECT_EQ(opened, (std::vector<std::string>{"app-settings:"}));
    EXPECT_FALSE(s->session()->isRunning());
}

TEST_F(ColorPickerTest, LeavingTheScreenStopsTheCamera) {
    auto s = open();
    ASSERT_TRUE(s->session()->isRunning());
    nav->popViewController(false);
    settle();
    EXPECT_FALSE(s->session()->isRunning());
}

TEST_F(ColorPickerTest, ValueButtonsAreLargerOnAPadHeldUpright) {
    auto landscapePad = kit::DeviceProfile::pad();
    landscapePad.orientation = kit::DeviceOrientation::landscapeLeft;
    const std::vector<std::tuple<kit::DeviceProfile, double, double>> cases{
        {kit::DeviceProfile::phone(), 10, 28}, {kit::DeviceProfile::pad(), 18, 48}, {landscapePad, 10, 28}};
    for (const auto& [device, padding, size] : cases) {
        nav.reset();
        host.reset();  // the next host's profile must not be undone by this one going away
        auto s = push<ColorPicker2VC>("ColorPicker2VC", device);
        settle();
        EXPECT_EQ(s->panel().valueButtonPadding(), padding) << device.name;
        const auto frame = s->panel().valueButton(1)->frame();
        EXPECT_EQ(frame.size, (kit::Size{size, size})) << device.name;
        EXPECT_EQ(frame.origin.x + size + padding, s->view()->bounds().size.width) << device.name;
    }
}
