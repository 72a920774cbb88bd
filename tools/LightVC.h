#pragma once
// The light tool: a list of colours shown under one of fifteen light sources at an intensity from
// 0 to 100 %. Colours come from the import sheet, the colour buffer or the opening screen; the
// list, the light and the intensity are saved as named light sets and restored from them. The
// chosen light is kept between visits.
#include "kit/base/Color.h"
#include "kit/ui/CollectionView.h"
#include "kit/ui/TableView.h"
#include "kit/ui/ViewController.h"
#include "tools/LightToolFields.h"
#include "tools/LightType.h"

#include <memory>
#include <string>
#include <vector>

namespace app {
class LargeCombination;
} // namespace app

namespace kit {
class Button;
class Label;
class Slider;
} // namespace kit

namespace tools {

class LightVC : public kit::ViewController,
                public LightToolFields,
                public kit::CollectionViewDataSource,
                public kit::CollectionViewDelegate,
                public kit::TableViewDataSource,
                public kit::TableViewDelegate {
public:
    LightVC();

    // Entry field: the colours to show (the combination card hands over its colours).
    std::vector<kit::Color> colorsArray;
    std::string lightSetName;  // the name typed for the next save
    LightType lightType = LightType::daylight;
    double power = 0;  // 0 to 1
    kit::Color colorInBuffer = kit::Color::clearColor();
    bool dropdownMenuVisible = false;

    // What the save helper reads.
    std::optional<std::string> name() const override { return lightSetName; }
    LightType selectedLightType() const override { return lightType; }
    double lightPower() const override { return power; }
    std::vector<std::string> shownColorHexes() const override { return hexColors(); }
    std::vector<std::string> hexColors() const;

    void viewDidLoad() override;
    void viewWillDisappear(bool animated) override;
    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::lightContent; }

    void addColor(const kit::Color& color);
    void removeColorAt(int row);
    void selectLight(LightType type);
    void intensitySliderValueChanged();
    void updateIntensityLabel();
    void toggleDropdownMenu();
    void addColorFromBuffer();
    void showSaveAlert();
    void openSavedLightSets();
    void restoreLightCombination(const app::LargeCombination& record);

    int numberOfItemsInSection(kit::CollectionView&, int) override;
    std::shared_ptr<kit::CollectionViewCell> cellForItemAt(kit::CollectionView& view, const kit::IndexPath& path) override;
    std::optional<kit::Size> sizeForItemAt(kit::CollectionView&, const kit::IndexPath&) override;
    int numberOfRowsInSection(kit::TableView&, int) override;
    std::shared_ptr<kit::TableViewCell> cellForRowAt(kit::TableView&, const kit::IndexPath& path) override;
    void didSelectRowAt(kit::TableView&, const kit::IndexPath& path) override;

    std::shared_ptr<kit::Button> backBtn, saveBtn, colorMixesBtn, importColorBtn, importColorFromBufferBtn;
    std::shared_ptr<kit::Button> dropdownButton, selectColorButton;
    std::shared_ptr<kit::TableView> dropdownMenu;
    std::shared_ptr<kit::Label> intensityLabel;
    std::shared_ptr<kit::Slider> intensitySlider;
    std::shared_ptr<kit::CollectionView> colorsCollectionView;

private:
    void buildUI();
    void loadColorBuffer();
    void restoreLightType();
    void showImportSheetHere();
    void updateSelectColorButton();

    std::shared_ptr<kit::View> viewForBackSwipe_;
};

} // namespace tools
