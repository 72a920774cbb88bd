#pragma once
// The colour-group generator: a base colour set by hue, saturation and brightness sliders (or
// imported) turned into 6 to 60 colours evenly spaced around the hue circle, listed as colour
// rows, copied as a bracketed hex list or previewed as a pie chart. Base colour and count are
// kept between visits.
#include "kit/base/Color.h"
#include "kit/ui/CollectionView.h"
#include "kit/ui/ViewController.h"

#include <memory>
#include <vector>

namespace kit {
class Button;
class Label;
class Slider;
namespace layout {
class Constraint;
}
} // namespace kit

namespace tools {

class ColorGroupVC : public kit::ViewController,
                     public kit::CollectionViewDataSource,
                     public kit::CollectionViewDelegate {
public:
    ColorGroupVC();

    kit::Color color;
    std::vector<kit::Color> colorsArray;
    long long numberOfColors = 20;
    bool isReversed = false;
    kit::Color colorInBuffer = kit::Color::clearColor();

    void viewDidLoad() override;
    void viewWillDisappear(bool animated) override;
    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::lightContent; }

    void refreshColorGroup();
    void updateSliders();
    void updateColorBySliders();
    void updateNumberOFColors();
    void reverseButtonTapped();
    void showCopyHexArrayAlert();
    void showMoreAlert();
    void previewAsChart();
    void getColorFromBufferButtonPressed();
    void applyImportedColor(const kit::Color& color);

    int numberOfItemsInSection(kit::CollectionView&, int) override;
    std::shared_ptr<kit::CollectionViewCell> cellForItemAt(kit::CollectionView& view, const kit::IndexPath& path) override;
    std::optional<kit::Size> sizeForItemAt(kit::CollectionView&, const kit::IndexPath&) override;

    std::shared_ptr<kit::View> colorBg;
    std::shared_ptr<kit::Slider> hueSlider, saturationSlider, brightnessSlider, numberOfColorsSlider;
    std::shared_ptr<kit::Button> colorLabel, backButton, importColorBtn, saveBtn, exportColorsButton, reverseButton;
    std::shared_ptr<kit::Button> importColorFromBufferBtn;
    std::shared_ptr<kit::Label> numberOfColorsLabel;
    std::shared_ptr<kit::CollectionView> colorsCollectionView;

private:
    void buildUI();
    void restoreToolState();
    void saveToolState();
    void loadColorBuffer();
    double panelHeight() const;

    std::shared_ptr<kit::View> viewForBackSwipe_;
    std::shared_ptr<kit::layout::Constraint> colorBgHeight_;
};

// A vertical list with no gap between rows and a clear background.
std::shared_ptr<kit::CollectionView> makeColorsCollectionView();

} // namespace tools
