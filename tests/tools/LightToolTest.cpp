// The light tool on a headless device: the list under a light, the drop-down, the buffer, removal,
// saving and restoring light sets, and the light kept between visits.
#include "ToolScreensFixture.h"

#include "app/SavedData.h"
#include "app/storage/DataModel.h"
#include "colour/HexText.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/Slider.h"
#include "kit/ui/TableView.h"
#include "kit/ui/SwipeGesture.h"
#include "tools/LightVC.h"
#include "tools/ToolColorCell.h"

namespace {

using kit::Color;
using tools::LightType;

struct LightTool : ToolScreensFixture {
    std::vector<app::LargeCombination> sets() {
        return app::fetchRecords<app::LargeCombination>(*appDelegate->persistentContainer().viewContext(),
                                                        app::LargeCombination::fetchRequest());
    }
    static std::optional<Color> shown(tools::LightVC& screen, int row) {
        auto cell = std::dynamic_pointer_cast<tools::ToolColorCell>(
            screen.colorsCollectionView->cellForItemAt(kit::IndexPath::forItem(row, 0)));
        return cell ? cell->color() : std::nullopt;
    }
};

TEST_F(LightTool, FirstVisitThenTheChosenLightIsKeptButNotTheIntensity) {
    auto screen = push<tools::LightVC>("LightVC");
    EXPECT_EQ(screen->dropdownButton->currentTitle(), "Daylight");
    EXPECT_EQ(screen->intensityLabel->text(), "Intensity: 0%");
    EXPECT_TRUE(screen->colorsArray.empty());
    EXPECT_FALSE(screen->selectColorButton->isHidden());
    screenshot("light-empty-phone");

    screen->toggleDropdownMenu();
    EXPECT_FALSE(screen->dropdownMenu->isHidden());
    EXPECT_EQ(screen->dropdownMenu->numberOfRowsInSection(0), 15);
    screen->dropdownMenu->tapRow(kit::IndexPath::forRow(9, 0));  // "Sunset"
    host->advance(1);
    EXPECT_TRUE(screen->dropdownMenu->isHidden());
    screen->intensitySlider->setValue(0.29f);
    screen->intensitySlider->sendActions(kit::ControlEvent::valueChanged);
    EXPECT_EQ(screen->intensityLabel->text(), "Intensity: 28%");  // truncated from the widened float
    pop();
    EXPECT_EQ(defaults().string(app::Keys::selectedLightType), "Sunset");
    auto again = push<tools::LightVC>("LightVC");
    EXPECT_EQ(again->selectedLightType(), LightType::sunset);
    EXPECT_EQ(again->intensityLabel->text(), "Intensity: 0%");
}

TEST_F(LightTool, AShownNameStoredByMistakeStartsWithDaylight) {
    defaults().set("Candle Light", app::Keys::selectedLightType);
    auto screen = push<tools::LightVC>("LightVC");
    EXPECT_EQ(screen->selectedLightType(), LightType::daylight);
}

TEST_F(LightTool, ColoursAreShownUnderTheLightAndRemovedBySwipe) {
    auto screen = push<tools::LightVC>("LightVC", kit::DeviceProfile::phone(), [](tools::LightVC& s) {
        s.colorsArray = {Color::whiteColor(), Color::rgba(0.2, 0.4, 0.6)};
    });
    EXPECT_TRUE(screen->selectColorButton->isHidden());
    EXPECT_EQ(shown(*screen, 1), Color::rgba(0.2, 0.4, 0.6));  // intensity 0: unchanged
    screen->intensitySlider->setValue(0.5f);
    screen->intensitySlider->sendActions(kit::ControlEvent::valueChanged);
    host->advance(0.1);
    const auto white = shown(*screen, 0);
    ASSERT_TRUE(white);
    EXPECT_NEAR(white->green(), 0.9078, 1e-4);
    EXPECT_NEAR(white->blue(), 0.7510, 1e-4);
    screenshot("light-list-phone");

    // The row's left swipe (the list's own pan takes a dragged finger first, so the recogniser is
    // fired directly).
    auto cell = screen->colorsCollectionView->cellForItemAt(kit::IndexPath::forItem(0, 0));
    ASSERT_TRUE(cell);
    for (auto& r : cell->gestureRecognizers())
        if (auto swipe = std::dynamic_pointer_cast<kit::SwipeGesture>(r)) swipe->sendActions();
    host->advance(1);
    ASSERT_EQ(screen->colorsArray.size(), 1u);
    EXPECT_EQ(screen->colorsArray[0], Color::rgba(0.2, 0.4, 0.6));
    screen->removeColorAt(0);
    EXPECT_FALSE(screen->selectColorButton->isHidden());
}

TEST_F(LightTool, ALongHoldOnARowSavesItsShownColourOnce) {
    auto screen = push<tools::LightVC>("LightVC", kit::DeviceProfile::phone(),
                                       [](tools::LightVC& s) { s.colorsArray = {Color::rgba(0.2, 0.4, 0.6)}; });
    auto cell = screen->colorsCollectionView->cellForItemAt(kit::IndexPath::forItem(0, 0));
    ASSERT_TRUE(cell);
    const auto centre = cell->convertPointTo({cell->bounds().size.width / 2, 35}, nullptr);
    host->longPress(centre, 3.0);  // longer than the save throttle
    host->advance(1);
    auto request = app::CustomColorCombination::fetchRequest();
    const auto singles = app::fetchRecords<app::CustomColorCombination>(*appDelegate->persistentContainer().viewContext(), request);
    ASSERT_EQ(singles.size(), 1u);
    EXPECT_EQ(singles[0].color1(), "336699");
}

TEST_F(LightTool, TheBufferColourIsAddedOnce) {
    defaults().set("12AB34", app::Keys::lastColorMixing);
    auto screen = push<tools::LightVC>("LightVC");
    EXPECT_FALSE(screen->importColorFromBufferBtn->isHidden());
    screen->importColorFromBufferBtn->sendActions(kit::ControlEvent::touchDown);
    EXPECT_EQ(screen->hexColors(), std::vector<std::string>{"12AB34"});
    EXPECT_TRUE(screen->importColorFromBufferBtn->isHidden());
    EXPECT_TRUE(screen->selectColorButton->isHidden());
}

TEST_F(LightTool, SavingAndRestoringLightSets) {
    auto screen = push<tools::LightVC>("LightVC");
    screen->showSaveAlert();  // an empty list saves nothing and asks nothing
    EXPECT_FALSE(host->presentedAlert());
    screen->addColor(Color::redColor());
    screen->selectLight(LightType::candlelight);
    screen->intensitySlider->setValue(0.555f);
    screen->intensitySlider->sendActions(kit::ControlEvent::valueChanged);
    screen->showSaveAlert();
    answer("Add", {"Studio"});
    auto saved = sets();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].name(), "Studio");
    EXPECT_EQ(saved[0].lightType(), "Candlelight");
    EXPECT_EQ(saved[0].lightName(), "[CANDLELIGHT 55%]");
    EXPECT_EQ(saved[0].colors(), std::vector<std::string>{"FF0000"});

    // The saved-sets overlay hands back a record; the list, light and intensity follow it.
    tools::setSavedSetOpener([](const tools::SavedSetRequest& request) {
        auto record = app::LargeCombination::insert(*app::delegate().persistentContainer().viewContext());
        record.setColors({"00FF00", "zz"});
        record.setLightType("Golden Hour");
        record.setLightPower(0.25);
        EXPECT_EQ(request.kind, tools::SavedSetKind::light);
        request.onPick(record);
    });
    screen->lightSetName = "kept";
    screen->openSavedLightSets();
    EXPECT_EQ(screen->hexColors(), (std::vector<std::string>{"00FF00", "000000"}));
    EXPECT_EQ(screen->selectedLightType(), LightType::goldenHour);
    EXPECT_EQ(screen->dropdownButton->currentTitle(), "Golden Hour");
    EXPECT_FLOAT_EQ(screen->intensitySlider->value(), 0.25f);
    EXPECT_EQ(screen->intensityLabel->text(), "Intensity: 25%");
    EXPECT_EQ(screen->lightSetName, "kept");
}

TEST_F(LightTool, ALongNameScrollsInTheSaveFieldAndIsSavedWhole) {
    auto screen = push<tools::LightVC>("LightVC");
    screen->addColor(Color::redColor());
    screen->showSaveAlert();
    host->advance(1);
    auto alert = host->presentedAlert();
    ASSERT_TRUE(alert);
    auto field = alert->textFields().at(0);
    const std::string name = "Evening studio by the north window, with the blinds half down";
    host->typeText(name);
    EXPECT_GT(field->textScroll(), 0);
    EXPECT_LE(field->caretRect().maxX(), field->bounds().maxX()) << "the caret at the end stays in view";
    screenshot("light-save-long-name-phone");
    host->pressTextKey(kit::host::TextKey::home);
    host->pressTextKey(kit::host::TextKey::right, {false, true});
    host->pressTextKey(kit::host::TextKey::right, {false, true});
    EXPECT_EQ(field->textScroll(), 0);
    screenshot("light-save-long-name-selection-phone");
    answer("Add");
    ASSERT_EQ(sets().size(), 1u);
    EXPECT_EQ(sets()[0].name(), name);
}

} // namespace
