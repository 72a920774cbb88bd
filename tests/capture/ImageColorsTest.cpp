// Colours from a photo: touches sample the shown picture into the slot panel and mark the spot;
// the refusals before a picture or a first sample; the one-second throttle of the picker and of a
// full panel; a new picture resets the panel.
#include "PhotoScreensFixture.h"

#include "app/storage/DataModel.h"
#include "app/storage/SaveHelpers.h"
#include "capture/ImageColorsVC.h"
#include "colour/HexText.h"
#include "colour/ThemeColors.h"
#include "kit/ui/Button.h"
#include "kit/ui/Device.h"
#include "kit/ui/ImageView.h"
#include "kit/ui/Label.h"
#include "wheels/Widgets.h"

#include <tuple>

namespace {

using capture::ImageColorsVC;
using Outcome = kit::ImagePickerScript::Outcome;

// 300 x 100: red, then black, then blue, in thirds from left to right.
kit::Image thirds() {
    std::vector<std::uint8_t> px;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 300; ++x) {
            const int third = x / 100;
            px.insert(px.end(), {std::uint8_t(third == 0 ? 255 : 0), 0, std::uint8_t(third == 2 ? 255 : 0), 255});
        }
    return *kit::Image::fromRGBA(300, 100, px);
}

struct ImageColors : PhotoScreensFixture {
    std::shared_ptr<ImageColorsVC> s;
    void open() { s = push<ImageColorsVC>("ImageColorsVC"); }
    void load(kit::Image picture = thirds()) {
        script(Outcome::image, std::move(picture));
        s->selectImage();
        host->advance(1);
        kit::ImagePicker::setScript(std::nullopt);
    }
    // A point of the picture in window coordinates: (fx, fy) as fractions of the shown picture
    // (the picture is as wide as the screen and centred vertically).
    kit::Point at(double fx, double fy) const {
        const auto bounds = s->imageView->bounds();
        const double h = bounds.width() / 3;
        const kit::Point inView{bounds.width() * fx, (bounds.height() - h) / 2 + h * fy};
        return s->imageView->convertPointTo(inView, nullptr);
    }
    std::string slot(int k) const { return colour::hexString(s->panel->color(k)); }
    static bool pulsing(const kit::View& view) { return view.transform().a > 1.01; }
    std::vector<app::CustomColorCombination> saved() const {
        return app::fetchRecords<app::CustomColorCombination>(*appDelegate->persistentContainer().viewContext(),
                                                              app::CustomColorCombination::fetchRequest());
    }
};

TEST_F(ImageColors, StartsWithThePictureAreaTheControlRowAndNoPanel) {
    open();
    const auto root = s->view();
    const auto picture = s->imageView->frame();
    EXPECT_EQ(picture, (kit::Rect{0, root->safeAreaInsets().top + 4, root->bounds().width(), root->bounds().height() / 2 - 20}));
    const auto& row = s->panel->controlSV()->arrangedSubviews();
    ASSERT_EQ(row.size(), 3u);
    EXPECT_EQ(row[0], s->selectImageBtn);
    EXPECT_EQ(row[1], s->panel->deleteBtn());
    EXPECT_EQ(row[2], s->panel->addBtn());
    EXPECT_EQ(s->panel->controlSV()->frame().minY(), picture.maxY() + 8);
    EXPECT_EQ(s->selectImageText->center(), picture.center());
    EXPECT_TRUE(s->panel->colorsSV()->arrangedSubviews().empty());
    EXPECT_TRUE(s->panel->openDcwBtn()->isHidden());
    screenshot("image-colors-empty");
}

TEST_F(ImageColors, WithoutAPictureTouchesOpenThePickerAtMostOnceASecondAndButtonsPointToSelect) {
    open();
    host->tap(at(0.5, 0.5));
    EXPECT_TRUE(s->presentedViewController());
    EXPECT_EQ(haptics(), 1u);
    s->dismissViewController(false);
    host->tap(at(0.5, 0.5));
    EXPECT_FALSE(s->presentedViewController());  // within the second
    host->advance(1);
    host->tap(at(0.5, 0.5));
    EXPECT_TRUE(s->presentedViewController());
    s->dismissViewController(false);
    host->advance(1);
    EXPECT_FALSE(s->selectImageText->isHidden());  // the hint is back after a cancel

    s->addSlot();
    EXPECT_TRUE(pulsing(*s->selectImageBtn));
    host->advance(1);
    s->saveColors();
    EXPECT_TRUE(pulsing(*s->selectImageBtn));
    host->advance(1);
    s->deleteSlot();  // also builds the one-slot panel
    EXPECT_TRUE(pulsing(*s->selectImageBtn));
    EXPECT_EQ(s->panel->colorsSV()->arrangedSubviews().size(), 1u);
    EXPECT_TRUE(saved().empty());
}

TEST_F(ImageColors, ATouchFillsTheCurrentAndNextSlotAndMarksTheSpot) {
    open();
    load();
    EXPECT_EQ(s->panel->colorsSV()->arrangedSubviews().size(), 1u);
    EXPECT_EQ(s->panel->color(1), colour::screenBackgroundColor());
    s->addSlot();  // picture but no sample yet
    EXPECT_EQ(toast(), "Tap on a color first...");
    EXPECT_EQ(s->panel->numberOfColors, 1);

    const auto red = at(1.0 / 6, 0.5);
    host->tap(red);
    EXPECT_EQ(slot(1), "FF0000");
    EXPECT_EQ(slot(2), "FF0000");
    EXPECT_FALSE(s->panel->labelButton(1));
    EXPECT_FALSE(s->panel->openDcwBtn()->isHidden());
    ASSERT_TRUE(s->circles[0]);
    EXPECT_EQ(s->circles[0]->center(), red);
    EXPECT_EQ(s->circles[0]->frame().size, (kit::Size{30, 30}));

    host->tap(s->panel->addBtn());
    EXPECT_EQ(s->panel->numberOfColors, 2);
    EXPECT_TRUE(s->panel->openDcwBtn()->isHidden());
    EXPECT_EQ(colour::hexString(*s->panel->colorView(2)->backgroundColor()), "FF0000");
    // Black and the margin above the picture are refused; a drag samples all along.
    host->tap(at(0.5, 0.5));
    host->tap(at(0.9, -0.2));
    EXPECT_EQ(slot(2), "FF0000");
    EXPECT_FALSE(s->circles[1]);
    host->drag({at(0.1, 0.5), at(0.9, 0.5)});
    EXPECT_EQ(slot(2), "0000FF");
    ASSERT_TRUE(s->circles[1]);
    EXPECT_EQ(s->circles[1]->center(), at(0.9, 0.5));
    screenshot("image-colors-two-slots");

    // Delete brings slot 2 back as current and takes its marker away.
    s->deleteSlot();
    EXPECT_EQ(s->panel->numberOfColors, 1);
    EXPECT_FALSE(s->circles[1]);
    EXPECT_FALSE(s->panel->openDcwBtn()->isHidden());
    s->deleteSlot();  // one slot left after a sample: "Add" pulses
    EXPECT_TRUE(pulsing(*s->panel->addBtn()));
}

// The markers stay on the places picked in the picture, wherever a resized window shows it.
TEST_F(ImageColors, MarkersStayOnThePickedPlacesWhenTheWindowIsResized) {
    open();
    load();
    host->tap(at(0.2, 0.3));
    s->addSlot();
    host->tap(at(0.8, 0.7));
    for (kit::Size size : {kit::Size{480, 720}, kit::Size{900, 700}, kit::Size{375, 667}}) {
        host->resizeWindow(size);
        host->advance(0.5);
        for (auto [k, fx, fy] : {std::tuple{0, 0.2, 0.3}, std::tuple{1, 0.8, 0.7}}) {
            ASSERT_TRUE(s->circles[k]);
            const auto centre = s->circles[k]->center();
            EXPECT_NEAR(centre.x, at(fx, fy).x, 0.5) << "marker " << k << " at " << size.width << " x " << size.height;
            EXPECT_NEAR(centre.y, at(fx, fy).y, 0.5) << "marker " << k << " at " << size.width << " x " << size.height;
        }
    }
}

TEST_F(ImageColors, AFullPanelPulsesDeleteAtMostOnceASecondAndAddDoesNothing) {
    open();
    load();
    host->tap(at(0.1, 0.5));
    for (int i = 0; i < 4; ++i) s->addSlot();
    EXPECT_EQ(s->panel->numberOfColors, 5);
    host->advance(1);
    // The pulse is read while the finger is down: it is over before a tap's finger lifts.
    auto press = [&] {
        host->touchDown(0, at(0.9, 0.5));
        const bool pulsed = pulsing(*s->panel->deleteBtn());
        host->touchUp(0, at(0.9, 0.5));
        return pulsed;
    };
    EXPECT_TRUE(press());
    EXPECT_EQ(slot(4), "00FFFF");  // no slot follows the finger
    host->advance(0.5);
    EXPECT_FALSE(press());
    host->advance(1);
    EXPECT_TRUE(press());
    host->advance(1);
    s->addSlot();
    EXPECT_EQ(s->panel->numberOfColors, 5);
    EXPECT_FALSE(pulsing(*s->panel->deleteBtn()));
    EXPECT_FALSE(pulsing(*s->panel->addBtn()));
}

TEST_F(ImageColors, ANewPictureResetsThePanelButKeepsTheWheelButton) {
    open();
    load();
    host->tap(at(0.1, 0.5));
    s->addSlot();
    host->tap(at(0.9, 0.5));
    load(photo());
    EXPECT_EQ(s->panel->numberOfColors, 1);
    EXPECT_EQ(s->panel->color(1), colour::screenBackgroundColor());
    EXPECT_EQ(slot(2), "0000FF");  // later fields keep their colours
    for (const auto& marker : s->circles) EXPECT_FALSE(marker);
    EXPECT_FALSE(s->panel->openDcwBtn()->isHidden());
    EXPECT_EQ(s->imageView->image()->pixelWidth(), 120);
    // Only the original: it is used; nothing at all keeps the picture.
    load(photo(60, 40));
    EXPECT_EQ(s->imageView->image()->pixelWidth(), 60);
    script(Outcome::originalOnly, photo(50, 30));
    s->selectImage();
    host->advance(1);
    EXPECT_EQ(s->imageView->image()->pixelWidth(), 50);
}

TEST_F(ImageColors, SaveAndEditorFollowTheNumberOfFixedColours) {
    open();
    load();
    s->saveColors();
    EXPECT_EQ(toast(), "Tap on a color first...");
    s->openInEditor();
    EXPECT_TRUE(pulsing(*s->selectImageBtn));
    host->tap(at(0.1, 0.5));
    s->addSlot();
    s->openInEditor();
    EXPECT_TRUE(pulsing(*s->panel->addBtn()));
    s->saveColors();  // N = 2: slot 1 alone
    host->advance(2);
    host->tap(at(0.9, 0.5));
    s->addSlot();
    s->saveColors();  // N = 3: slots 1 and 2
    host->advance(2);
    auto records = saved();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].tag(), "colorPicker");
    EXPECT_EQ(records[0].color1(), "FF0000");
    EXPECT_EQ(records[1].tag(), "custom");
    EXPECT_EQ(records[1].numberOfColors(), 2);
    EXPECT_EQ(records[1].color2(), "0000FF");
    s->openInEditor();
    host->advance(1);
    EXPECT_NE(nav->topViewController(), s);
}

} // namespace

TEST_F(ImageColors, ALargePictureIsDrawnFromACopyAtTheViewsPixelsThatLooksAndSamplesTheSame) {
    open();
    load(*thirds().resized({3000, 1000}, 1));
    // The copy: the picture fitted into the view, in the screen's pixels, remade when the view changes.
    const auto expectCopyFitsTheView = [&] {
        const auto area = s->imageView->bounds().size;
        const double scale = kit::Screen::scale();
        const double fit = std::min(area.width * scale / 3000, area.height * scale / 1000);
        ASSERT_TRUE(s->imageView->image());
        EXPECT_NEAR(s->imageView->image()->pixelWidth(), 3000 * fit, 1);
        EXPECT_NEAR(s->imageView->image()->pixelHeight(), 1000 * fit, 1);
        EXPECT_EQ(s->loadedImage->pixelWidth(), 3000);  // the picked picture itself is kept whole
    };
    expectCopyFitsTheView();
    const auto shown = host->render(1);
    for (const auto& [fx, hex] : std::vector<std::pair<double, std::string>>{{1.0 / 6, "FF0000"}, {0.5, "000000"}, {5.0 / 6, "0000FF"}}) {
        const auto p = at(fx, 0.5);
        EXPECT_EQ(colour::hexString(shown.colorAt(static_cast<int>(p.x), static_cast<int>(p.y))), hex);
    }
    host->tap(at(1.0 / 6, 0.5));
    EXPECT_EQ(slot(1), "FF0000");
    host->drag({at(0.1, 0.5), at(0.9, 0.5)});
    EXPECT_EQ(slot(1), "0000FF");

    const int phoneCopyWidth = s->imageView->image()->pixelWidth();
    host->resizeWindow({900, 700});
    host->advance(1);
    expectCopyFitsTheView();
    EXPECT_NE(s->imageView->image()->pixelWidth(), phoneCopyWidth);
    screenshot("image-colors-large-picture-900x700");
}
