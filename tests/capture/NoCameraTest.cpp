// The camera screens without a picture to show: no camera at all, or a picture file that cannot be
// read. Where the picture would be, the user reads what is wrong and what to do; standard error
// hears of it once.
#include "CameraScreensFixture.h"

#include "ScreenLayoutCheck.h"
#include "capture/ColorPicker2VC.h"
#include "capture/ValueCheckerImageVC.h"
#include "capture/ValueCheckerVC.h"
#include "kit/base/Console.h"
#include "kit/ui/Label.h"
#include "kit/ui/Window.h"

#include <algorithm>

using capture::ColorPicker2VC;
using capture::ValueCheckerVC;

namespace {

struct NoCameraTest : CameraScreensFixture {
    // The notice of the screen `identifier` and the area it stands in for.
    struct Look {
        std::shared_ptr<kit::Label> notice;
        std::shared_ptr<kit::View> picture;
    };
    Look open(const char* identifier, const kit::DeviceProfile& device) {
        if (std::string(identifier) == "ColorPicker2VC") {
            auto s = push<ColorPicker2VC>(identifier, device);
            settle();
            EXPECT_TRUE(s->dotView()->isHidden());  // nothing to aim at
            return {s->cameraNotice(), s->cameraView()};
        }
        auto s = push<ValueCheckerVC>(identifier, device);
        settle();
        return {s->cameraNotice(), s->filteredImage()};
    }
    static bool onScreen(const kit::View& view) {
        for (const kit::View* v = &view; v; v = v->superview().get())
            if (v->isHidden()) return false;
        return view.window() != nullptr;
    }
    static std::size_t count(const std::vector<std::string>& lines, const std::string& text) {
        return static_cast<std::size_t>(std::count_if(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.find(text) != std::string::npos;
        }));
    }
};

TEST_F(NoCameraTest, TheScreensSayWhatIsWrongWhereThePictureWouldBeAndStandardErrorHearsOfItOnce) {
    // A file name no other test uses, so that this run has not told it yet.
    const std::string missing = "/nonexistent/camera-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".png";
    struct Case {
        std::string source;
        std::vector<std::string> shown;  // parts of the notice
        std::string told;                // part of the line on standard error
    };
    const std::vector<Case> cases = {
        {"none", {"No camera found", "Connect a webcam", "TINCTURA_CAMERA=file:PICTURE"}, "No camera found"},
        {"file:" + missing, {"The camera cannot be opened", missing}, "The camera cannot be opened. Camera picture " + missing},
    };
    for (const auto& c : cases)
        for (const char* identifier : {"ColorPicker2VC", "ValueCheckerVC"}) {
            SCOPED_TRACE(c.source + " in " + identifier);
            useCamera(c.source);
            kit::ConsoleCapture console;
            for (const auto& device : kit::DeviceProfile::all()) {
                SCOPED_TRACE(device.name);
                const auto look = open(identifier, device);
                ASSERT_TRUE(look.notice);
                EXPECT_TRUE(onScreen(*look.notice));
                for (const auto& part : c.shown) EXPECT_NE(look.notice->text().find(part), std::string::npos) << part;
                // Inside the picture's area and not cut: every line of it shows.
                const auto inPicture = look.notice->convertRectTo(look.notice->bounds(), look.picture.get());
                const auto area = look.picture->bounds();
                EXPECT_TRUE(inPicture.minX() >= area.minX() && inPicture.maxX() <= area.maxX() &&
                            inPicture.minY() >= area.minY() && inPicture.maxY() <= area.maxY());
                EXPECT_GE(look.notice->bounds().height(),
                          look.notice->heightForWidth(look.notice->bounds().width()).value_or(1e9));
                const auto findings = screenLayoutCheck(*host->window(), device).run();
                EXPECT_TRUE(findings.empty()) << layoutcheck::describe(findings);
                screenshot(std::string("no-camera-") + identifier + "-" + (c.source == "none" ? "none" : "missing-file") +
                           "-" + device.name);
                nav->popViewController(false);
                settle();
            }
            EXPECT_LE(count(console.lines(), c.told), 1u);
            if (c.source != "none" && std::string(identifier) == "ColorPicker2VC") {
                EXPECT_EQ(count(console.lines(), c.told), 1u);
            }
        }
}

TEST_F(NoCameraTest, OnlyWhatWorksWithoutACameraIsOffered) {
    for (const char* source : {"none", "file:/nonexistent/camera.png"}) {
        SCOPED_TRACE(source);
        useCamera(source);
        auto checker = push<ValueCheckerVC>("ValueCheckerVC");
        settle();
        // No grid over the notice, no freezing; the picture mode, which needs no camera, is named.
        EXPECT_FALSE(onScreen(*checker->ratioBtn()));
        EXPECT_FALSE(onScreen(*checker->freezeLbl()));
        EXPECT_TRUE(onScreen(*checker->importColorBtn()));
        EXPECT_TRUE(onScreen(*checker->infoBtn()));
        ASSERT_TRUE(checker->cameraNotice());
        EXPECT_NE(checker->cameraNotice()->text().find("check a picture file's values without a camera"), std::string::npos);
        const auto before = host->render(1);
        host->tap(kit::Point{190, 420});
        EXPECT_FALSE(checker->isFrozen());
        EXPECT_EQ(host->render(1).rgbaBytes(), before.rgbaBytes());  // the tap changed nothing on screen
        host->tap(checker->importColorBtn());
        settle();
        EXPECT_TRUE(std::dynamic_pointer_cast<capture::ValueCheckerImageVC>(nav->topViewController()));

        auto picker = push<ColorPicker2VC>("ColorPicker2VC");
        settle();
        // No colour to fix, save or edit: the panel offers none of its controls or slots.
        auto& panel = picker->panel();
        for (const auto& control : std::initializer_list<std::shared_ptr<kit::View>>{
                 panel.addBtn(), panel.deleteBtn(), panel.saveBtn(), panel.editCCBtn(), panel.openDcwBtn(),
                 panel.colorView(1), panel.valueButton(1)})
            EXPECT_FALSE(onScreen(*control));
        EXPECT_TRUE(onScreen(*picker->backBtn()));
        // Under the notice's area the screen is its plain background: no empty slot shows.
        const auto picture = picker->cameraView()->convertRectTo(picker->cameraView()->bounds(), host->window().get());
        const auto frame = host->render(1);
        const auto background = frame.pixelRGBA(2, int(picture.maxY()) + 20);
        for (int y = int(picture.maxY()) + 20; y < frame.pixelHeight() - 40; y += 7)
            for (int x = 20; x < frame.pixelWidth() - 2; x += 11)
                ASSERT_EQ(frame.pixelRGBA(x, y), background) << x << "," << y;
        const auto add = picker->panel().addBtn()->convertRectTo(picker->panel().addBtn()->bounds(), host->window().get());
        host->tap(add.center());
        EXPECT_EQ(picker->panel().numberOfColors, 1);
        screenshot(std::string("no-camera-offered-") + (std::string(source) == "none" ? "none" : "missing-file"));
    }
}

TEST_F(NoCameraTest, AWorkingCameraShowsNoNotice) {
    auto picker = push<ColorPicker2VC>("ColorPicker2VC");
    settle();
    EXPECT_FALSE(picker->cameraNotice());
    EXPECT_FALSE(picker->dotView()->isHidden());
    EXPECT_TRUE(onScreen(*picker->panel().addBtn()));
    auto checker = push<ValueCheckerVC>("ValueCheckerVC");
    settle();
    EXPECT_FALSE(checker->cameraNotice());
    EXPECT_TRUE(onScreen(*checker->ratioBtn()));
    EXPECT_TRUE(onScreen(*checker->freezeLbl()));
}

} // namespace
