#pragma once
// The contrast-ratio checker: two colours one above the other, their contrast ratio and a verdict.
// Each colour has saturation and brightness sliders, an import button and a colour-buffer button;
// a third button copies the first colour onto the second. Both colours are kept between visits.
#include "kit/base/Color.h"
#include "kit/layout/Constraint.h"
#include "kit/ui/ViewController.h"

#include <memory>
#include <vector>

namespace kit {
class Button;
class Label;
class Slider;
class StackView;
class View;
} // namespace kit

namespace tools {

class ContrastRatioVC : public kit::ViewController {
public:
    ContrastRatioVC();

    kit::Color color1;
    kit::Color color2;
    long long importToColor = 1;  // which colour an import or a buffer press writes
    kit::Color colorInBuffer = kit::Color::clearColor();

    void viewDidLoad() override;
    void viewWillDisappear(bool animated) override;
    void viewDidLayoutSubviews() override;
    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::lightContent; }

    void updateContrastRatio();
    void updateSliders();
    // The colour chosen on the import sheet or in the colour-set overlay.
    void applyImportedColor(const kit::Color& color);

    // Controls, for the screen's own wiring and for tests.
    std::shared_ptr<kit::Label> ratioText, ratioExplainText;
    std::shared_ptr<kit::View> colorView1, colorView2;
    std::shared_ptr<kit::Slider> saturationSlider1, brightnessSlider1, saturationSlider2, brightnessSlider2;
    std::shared_ptr<kit::Button> colorLbl1, colorLbl2;
    std::shared_ptr<kit::Button> backButton, importColor1Btn, importColor2Btn;
    std::shared_ptr<kit::Button> importColorFromBuffer1Btn, importColorFromBuffer2Btn, importColorFrom1stColorBtn;

    void importColorBtnTapped(int tag);
    void getColorFromBufferButtonPressed(int tag);
    void copy1stTo2nd();

private:
    void buildUI();
    void arrangeForWindow();
    void loadColorBuffer();
    void restoreToolState();
    void saveToolState();
    void applyColorSliders(kit::Color& color, const kit::Slider& saturation, const kit::Slider& brightness);

    std::shared_ptr<kit::StackView> clrsSV_;
    std::shared_ptr<kit::View> viewForBackSwipe_;
    // The sliders' side insets, and the upper panel's sample text above the bottom edge: set by
    // the window's shape.
    std::vector<std::shared_ptr<kit::layout::Constraint>> sliderLefts_, sliderRights_;
    std::shared_ptr<kit::layout::Constraint> upperSampleBottom_;
};

} // namespace tools
