// The image picker over the pictures folder: the grid, the square crop step, cancel, the answer
// given once, and the scripted answers tests of picking screens rely on.
#include "kit/base/Make.h"
#include "kit/host/Headless.h"
#include "kit/store/Paths.h"
#include "kit/store/PhotoLibrary.h"
#include "kit/ui/Application.h"
#include "kit/ui/CollectionView.h"
#include "kit/ui/ImageCropView.h"
#include "kit/ui/ImagePicker.h"
#include "kit/ui/ImageView.h"

#include "kit/ui/AlertController.h"
#include "kit/ui/Label.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

namespace kit {
namespace {

namespace fs = std::filesystem;

struct Presenter : ViewController, ImagePickerDelegate {
    std::vector<ImagePickerResult> results;
    int appearances = 0;
    bool cancelTakenOver = false;
    int cancels = 0;
    void viewWillAppear(bool) override { ++appearances; }
    void imagePickerDidFinishPicking(ImagePicker& picker, ImagePickerResult result) override {
        results.push_back(std::move(result));
        picker.dismissViewController(true);
    }
    void imagePickerDidCancel(ImagePicker& picker) override {
        ++cancels;
        if (!cancelTakenOver) ImagePickerDelegate::imagePickerDidCancel(picker);
    }
};

// A 300 x 200 picture: left half red, right half blue.
Image halves() {
    std::vector<std::uint8_t> px;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x) px.insert(px.end(), {std::uint8_t(x < 150 ? 255 : 0), 0, std::uint8_t(x < 150 ? 0 : 255), 255});
    return *Image::fromRGBA(300, 200, px);
}

struct ImagePickerFixture : ::testing::Test {
    TemporaryDataDir dir;
    std::unique_ptr<host::Headless> host;
    std::shared_ptr<Presenter> screen = make<Presenter>();

    void SetUp() override {
        Application::resetShared();
        fs::create_directories(PhotoLibrary::folder());
        ASSERT_TRUE(halves().savePNG((PhotoLibrary::folder() / "halves.png").string()));
        host = std::make_unique<host::Headless>();
        host->setRootViewController(screen);
        host->advance(0.1);
    }
    void TearDown() override {
        ImagePicker::setScript(std::nullopt);
        host.reset();
        Application::resetShared();
    }
    std::shared_ptr<ImagePicker> present(bool editing) {
        auto picker = make<ImagePicker>();
        picker->allowsEditing = editing;
        picker->setDelegate(std::static_pointer_cast<ImagePickerDelegate>(screen));
        screen->presentViewController(picker, true);
        host->advance(1);
        return picker;
    }
};

TEST_F(ImagePickerFixture, ShowsTheFolderAsThumbnailsAndAnswersWithTheWholePicture) {
    auto picker = present(false);
    EXPECT_EQ(screen->appearances, 1);  // the full-screen picker hid the screen under it
    ASSERT_EQ(picker->pictures().size(), 1u);
    picker->waitForThumbnails();
    host->settle();
    auto cell = picker->grid()->cellForItemAt(IndexPath::forItem(0, 0));
    ASSERT_TRUE(cell);
    host->tap(cell);
    picker->waitForPicture();
    host->advance(1);
    ASSERT_EQ(screen->results.size(), 1u);
    EXPECT_FALSE(screen->results[0].editedImage);
    ASSERT_TRUE(screen->results[0].originalImage);
    EXPECT_EQ(screen->results[0].originalImage->pixelWidth(), 300);
    EXPECT_EQ(screen->presentedViewController(), nullptr);
    EXPECT_EQ(screen->appearances, 2);
}

TEST_F(ImagePickerFixture, TheCropStepCutsASquareThatCanBeMovedAndZoomed) {
    auto picker = present(true);
    picker->choosePicture(0);
    picker->waitForPicture();
    host->settle();
    auto crop = picker->cropView();
    ASSERT_TRUE(crop);
    EXPECT_TRUE(screen->results.empty());
    // At first the square shows the middle of the picture at its full height.
    EXPECT_EQ(crop->cropRectInPixels(), (Rect{50, 0, 200, 200}));
    const double pointsPerPixel = crop->cropSquare().width() / 200;
    crop->moveBy({-1000, 0});  // as far right as the picture goes, and no further
    EXPECT_EQ(crop->cropRectInPixels(), (Rect{100, 0, 200, 200}));
    crop->setZoom(2);
    EXPECT_EQ(crop->cropRectInPixels().width(), 100);
    crop->setZoom(0.2);  // never smaller than the square
    EXPECT_EQ(crop->zoom(), 1);
    crop->moveBy({50 * pointsPerPixel, 0});
    EXPECT_EQ(crop->cropRectInPixels(), (Rect{50, 0, 200, 200}));

    picker->confirmCrop();
    host->advance(1);
    ASSERT_EQ(screen->results.size(), 1u);
    const auto& edited = screen->results[0].editedImage;
    ASSERT_TRUE(edited);
    EXPECT_EQ(edited->pixelWidth(), 200);
    EXPECT_EQ(edited->pixelHeight(), 200);
    EXPECT_EQ(edited->pixelRGBA(10, 100), (std::array<std::uint8_t, 4>{255, 0, 0, 255}));
    EXPECT_EQ(edited->pixelRGBA(190, 100), (std::array<std::uint8_t, 4>{0, 0, 255, 255}));
    EXPECT_EQ(screen->results[0].originalImage->pixelWidth(), 300);
}

TEST_F(ImagePickerFixture, CancelDismissesUnlessTheDelegateTakesItOverAndAnswersOnce) {
    auto picker = present(true);
    picker->choosePicture(0);
    picker->waitForPicture();
    picker->leaveCrop();  // back to the grid: nothing answered yet
    EXPECT_FALSE(picker->cropView());
    host->advance(1);
    EXPECT_EQ(screen->presentedViewController(), picker);
    picker->cancel();
    host->advance(1);
    EXPECT_EQ(screen->cancels, 1);
    EXPECT_EQ(screen->presentedViewController(), nullptr);
    EXPECT_EQ(screen->appearances, 2);

    screen->cancelTakenOver = true;
    auto second = present(false);
    second->cancel();
    second->choosePicture(0);  // a late tap after the answer changes nothing
    host->advance(1);
    EXPECT_EQ(screen->presentedViewController(), second);
    EXPECT_TRUE(screen->results.empty());
}

TEST_F(ImagePickerFixture, ReturnConfirmsTheCropAndEscapeStepsBackThenCancels) {
    auto picker = present(true);
    EXPECT_FALSE(host->pressKey(host::Key::enter));  // nothing to confirm on the grid
    picker->choosePicture(0);
    picker->waitForPicture();
    host->settle();
    ASSERT_TRUE(picker->cropView());
    EXPECT_TRUE(host->pressKey(host::Key::escape));
    EXPECT_FALSE(picker->cropView());
    EXPECT_EQ(screen->presentedViewController(), picker);
    picker->choosePicture(0);
    picker->waitForPicture();
    host->settle();
    EXPECT_TRUE(host->pressKey(host::Key::enter));
    host->advance(1);
    ASSERT_EQ(screen->results.size(), 1u);
    EXPECT_TRUE(screen->results[0].editedImage);

    present(false);
    EXPECT_TRUE(host->pressKey(host::Key::escape));
    host->advance(1);
    EXPECT_EQ(screen->cancels, 1);
    EXPECT_EQ(screen->presentedViewController(), nullptr);
}

TEST_F(ImagePickerFixture, AChosenPictureIsReadOffTheMainThreadWhileTheGridShowsItIsBusy) {
    auto picker = present(false);
    picker->choosePicture(0);
    // The tap returns at once: the picture is read on a worker, the window keeps running.
    EXPECT_TRUE(picker->isLoadingPicture());
    EXPECT_FALSE(picker->grid()->isUserInteractionEnabled());
    picker->choosePicture(0);  // a second tap meanwhile is not a second choice
    picker->waitForPicture();
    host->advance(1);
    EXPECT_FALSE(picker->isLoadingPicture());
    ASSERT_EQ(screen->results.size(), 1u);

    // Cancelled while it is read, the picker answers the cancel only.
    auto second = present(false);
    second->choosePicture(0);
    second->cancel();
    second->waitForPicture();
    host->advance(1);
    EXPECT_EQ(screen->cancels, 1);
    EXPECT_EQ(screen->results.size(), 1u);
}

TEST_F(ImagePickerFixture, ADamagedPictureIsToldAsDamagedAndThePickerStays) {
    auto bytes = *halves().pngData();
    bytes.resize(bytes.size() / 2);
    std::ofstream(PhotoLibrary::folder() / "cut.png", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    fs::last_write_time(PhotoLibrary::folder() / "cut.png", fs::file_time_type::clock::now() + std::chrono::seconds(5));
    auto picker = present(false);
    ASSERT_EQ(picker->displayName(0), "cut.png");
    picker->choosePicture(0);
    picker->waitForPicture();
    host->advance(1);
    auto alert = host->presentedAlert();
    ASSERT_TRUE(alert);
    EXPECT_NE(alert->message().find("cut.png: the file is damaged or not a picture"), std::string::npos) << alert->message();
    EXPECT_TRUE(host->answerAlert("OK"));
    host->advance(1);
    EXPECT_EQ(screen->presentedViewController(), picker);
    EXPECT_FALSE(picker->isLoadingPicture());
    EXPECT_TRUE(screen->results.empty());
}

TEST_F(ImagePickerFixture, TheLastLineKeepsTheSpacingOfFullLinesAndEachPictureShowsItsName) {
    for (const char* name : {"a/same.png", "b/same.png", "c.png", "d.png", "e.png"}) {
        fs::create_directories((PhotoLibrary::folder() / name).parent_path());
        ASSERT_TRUE(halves().savePNG((PhotoLibrary::folder() / name).string()));
    }
    auto picker = present(false);
    ASSERT_EQ(picker->pictures().size(), 6u);  // a full line of four and two more
    host->settle();
    auto frame = [&](int item) { return *picker->grid()->frameForItemAt(IndexPath::forItem(item, 0)); };
    for (int column = 0; column < 2; ++column) {
        EXPECT_DOUBLE_EQ(frame(4 + column).minX(), frame(column).minX()) << column;
        EXPECT_DOUBLE_EQ(frame(4 + column).width(), frame(column).width());
    }
    std::set<std::string> names;
    for (std::size_t i = 0; i < 6; ++i) names.insert(picker->displayName(i));
    EXPECT_EQ(names, (std::set<std::string>{"a/same.png", "b/same.png", "c.png", "d.png", "e.png", "halves.png"}));
    // Each tile has its name under it; the cells that fill the last line are empty.
    auto labelText = [&](int item) {
        std::string text;
        auto cell = picker->grid()->cellForItemAt(IndexPath::forItem(item, 0));
        for (const auto& v : cell->contentView()->subviews())
            if (auto label = std::dynamic_pointer_cast<Label>(v)) text = label->text();
        return text;
    };
    EXPECT_EQ(labelText(0), picker->displayName(0));
    EXPECT_EQ(labelText(7), "");
    picker->choosePicture(7);
    EXPECT_FALSE(picker->isLoadingPicture());
}

// A wider window shows more tiles a line, each about 150 to 200 points; a phone keeps four.
TEST_F(ImagePickerFixture, TheColumnsFollowTheWidthOfTheWindow) {
    auto picker = present(false);
    host->settle();
    auto tiles = [&] {
        const double first = picker->grid()->frameForItemAt(IndexPath::forItem(0, 0))->minY();
        const int items = picker->grid()->numberOfItemsInSection(0);
        int columns = 0;
        while (columns < items && picker->grid()->frameForItemAt(IndexPath::forItem(columns, 0))->minY() == first) ++columns;
        return std::pair{columns, picker->grid()->frameForItemAt(IndexPath::forItem(0, 0))->width()};
    };
    EXPECT_EQ(tiles().first, 4);  // the phone
    for (Size window : {Size{768, 1024}, Size{1280, 800}, Size{1900, 600}}) {
        host->resizeWindow(window);  // live, with the picker open
        const auto [columns, width] = tiles();
        EXPECT_GT(columns, 4) << window.width;
        EXPECT_GE(width, 150) << window.width;
        EXPECT_LE(width, 200) << window.width;
    }
}

TEST_F(ImagePickerFixture, AScriptAnswersEachPickerOnceItHasAppeared) {
    std::vector<std::pair<ImagePickerScript::Outcome, std::pair<bool, bool>>> cases = {
        {ImagePickerScript::Outcome::image, {true, true}},
        {ImagePickerScript::Outcome::originalOnly, {false, true}},
    };
    for (const auto& [outcome, expected] : cases) {
        ImagePicker::setScript(ImagePickerScript{outcome, halves()});
        screen->results.clear();
        present(true);
        ASSERT_EQ(screen->results.size(), 1u);
        EXPECT_EQ(bool(screen->results[0].editedImage), expected.first);
        EXPECT_EQ(bool(screen->results[0].originalImage), expected.second);
        EXPECT_EQ(screen->presentedViewController(), nullptr);
    }
    ImagePicker::setScript(ImagePickerScript{ImagePickerScript::Outcome::cancel, {}});
    present(true);
    EXPECT_EQ(screen->cancels, 1);
    EXPECT_EQ(screen->presentedViewController(), nullptr);
}

} // namespace
} // namespace kit
