// The combination picture: equal blocks with captions and a name box, the "Labels" switch, and
// saving only the picture into the pictures folder, or telling why it could not be saved.
#include "CombinationsFixture.h"

#include "app/ui/Strings.h"
#include "combinations/CcImageVC.h"
#include "kit/graphics/Image.h"
#include "kit/store/Paths.h"
#include "kit/store/PhotoLibrary.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/Switch.h"
#include "kit/ui/Device.h"
#include "app/ui/Alerts.h"

#include <fstream>

namespace {

using combinations::CcImageVC;
using kit::Color;

const std::vector<Color> four = {Color::rgba(1, 0, 0), Color::rgba(0, 0.5, 0), Color::rgba(0, 0, 1),
                                 Color::rgba(1, 1, 0)};

struct CcImage : CombinationsFixture {
    std::shared_ptr<CcImageVC> open(std::vector<Color> colors, std::optional<std::string> name = std::nullopt,
                                    const kit::DeviceProfile& device = kit::DeviceProfile::phone()) {
        return push<CcImageVC>("CcImageVC", device, [&](CcImageVC& s) {
            s.colors = colors;
            s.name = name;
        });
    }
    void flipLabels(CcImageVC& s, bool on) {
        s.labelSwitch->setOn(on);
        s.labelSwitch->sendActions(kit::ControlEvent::valueChanged);
        host->advance(1);
    }
};

TEST_F(CcImage, BlocksShareThePictureBetweenTheBackRowAndTheSaveButton) {
    auto screen = open(four, "Sunset");
    const auto picture = screen->imageView->frame();
    EXPECT_EQ(picture.minY(), screen->backBtn->frame().maxY() + 20);
    EXPECT_EQ(picture.maxY(), screen->saveButton->frame().minY() - 20);
    ASSERT_EQ(screen->blocks().size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(screen->blocks()[i]->frame().height(), picture.height() / 4);
        EXPECT_EQ(screen->blocks()[i]->backgroundColor(), four[i]);
    }
    EXPECT_EQ(screen->blocks()[1]->titleForState(kit::ControlState::normal), "007F00");
    ASSERT_TRUE(screen->nameBox());
    EXPECT_EQ(screen->nameBox()->frame(), (kit::Rect{10, 10, 110, 24}));
    EXPECT_EQ(screen->preferredStatusBarStyle(), kit::StatusBarStyle::darkContent);
    screenshot("cc-image-phone");
}

TEST_F(CcImage, LabelsSwitchRemovesAndRestoresCaptionsAndNameBox) {
    auto screen = open(four, "A very long combination name");
    flipLabels(*screen, false);
    EXPECT_FALSE(screen->withLabels);
    EXPECT_FALSE(screen->nameBox());
    EXPECT_FALSE(screen->blocks()[0]->titleForState(kit::ControlState::normal));
    EXPECT_EQ(haptics(), 1u);
    screenshot("cc-image-no-labels-phone");
    flipLabels(*screen, true);
    ASSERT_TRUE(screen->nameBox());
    EXPECT_EQ(screen->nameBox()->frame().width(), 110);  // a long name is cut, not widened
    // ...inside the box, where it ends in an ellipsis.
    auto name = std::dynamic_pointer_cast<kit::Label>(screen->nameBox()->subviews().at(0));
    ASSERT_TRUE(name);
    EXPECT_GE(name->frame().minX(), 4);
    EXPECT_LE(name->frame().maxX(), 106);
    EXPECT_EQ(name->lineBreakMode(), kit::LineBreakMode::truncateTail);
    screenshot("cc-image-long-name-phone");
    EXPECT_EQ(screen->blocks()[0]->titleForState(kit::ControlState::normal), "FF0000");

    auto unnamed = open(four, "");
    EXPECT_FALSE(unnamed->nameBox());
    auto none = open({});  // opened without colours: an empty picture
    EXPECT_TRUE(none->blocks().empty());
}

TEST_F(CcImage, SaveWritesOnlyThePictureAndConfirmsWithAToastAtTheTop) {
    auto screen = open({Color::rgba(1, 0, 0), Color::rgba(0, 0, 1)}, "Pair");
    host->tap(screen->saveButton);
    host->advance(1);
    const auto file = kit::PhotoLibrary::lastSavedFile();
    ASSERT_TRUE(file);
    EXPECT_EQ(file->parent_path(), kit::Paths::picturesDir());
    auto image = kit::Image::loadFile(file->string());
    ASSERT_TRUE(image);
    const auto picture = screen->imageView->frame();
    const double scale = kit::Screen::scale();
    EXPECT_NEAR(image->pixelWidth(), picture.width() * scale, 1);
    EXPECT_NEAR(image->pixelHeight(), picture.height() * scale, 1);
    // The bottom-right corner of the lower block is plain blue: no controls drawn into the picture.
    const auto px = image->pixelRGBA(image->pixelWidth() - 2, image->pixelHeight() - 2);
    EXPECT_EQ(px[0], 0);
    EXPECT_EQ(px[2], 255);
    EXPECT_EQ(toast(), "Combination has been saved in " + file->string());
    EXPECT_TRUE(app::Alerts::shared().lastToastAtTop());
    EXPECT_EQ(haptics(), 1u);
}

TEST_F(CcImage, ASaveThatFailsIsReportedInAnAlertAndTheScreenStays) {
    auto screen = open(four);
    // A file where the pictures folder should be: the folder cannot be made.
    std::filesystem::create_directories(kit::Paths::picturesDir().parent_path());
    std::ofstream(kit::Paths::picturesDir()) << "not a folder";
    screen->saveImageToPhotos();
    host->advance(1);
    auto alert = host->presentedAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title(), "Save error");
    EXPECT_FALSE(alert->message().empty());
    EXPECT_EQ(alertActions(), (std::vector<std::string>{"OK"}));
    EXPECT_FALSE(toast());
    answer("OK");
    EXPECT_EQ(nav->topViewController(), screen);
}

} // namespace
