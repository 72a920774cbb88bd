#pragma once
// The combination editor: one band per colour with saturation and brightness sliders, a hue
// slider that turns every colour together, move-up, copy, grey-value, save and "More" actions.
#include "kit/layout/Constraint.h"
#include "kit/ui/Button.h"
#include "kit/ui/Slider.h"
#include "kit/ui/StackView.h"
#include "kit/ui/ViewController.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace wheels {

// A painter's colour as the classic wheel gives it: hue as a fraction of a turn, and the wheel's
// shade slider (above 0 toward white, below toward black).
struct ClassicColor {
    double hue = 0, saturation = 0, brightness = 0, shade = 0;
};

class DcwEditCcVC : public kit::ViewController {
public:
    DcwEditCcVC();

    // Entry properties, set before the push.
    bool withHue = false;
    bool isClassic = false;
    std::array<ClassicColor, 4> classicColors{};
    std::optional<int> numberOfColors;
    // Colours 1...4; each assignment refreshes the value buttons.
    const std::optional<kit::Color>& color(int n) const { return colors_[static_cast<std::size_t>(n - 1)]; }
    void setColor(int n, std::optional<kit::Color> color);

    int willLayout = 0;

    const std::shared_ptr<kit::View>& colorView(int n) const { return colorViews_[static_cast<std::size_t>(n - 1)]; }
    const std::shared_ptr<kit::Button>& colorLbl(int n);
    const std::shared_ptr<kit::Button>& valueButton(int n);
    const std::shared_ptr<kit::Button>& moveUpBtn(int band);  // band 2, 3 or 4
    const std::shared_ptr<kit::Slider>& saturationSlider(int n);
    const std::shared_ptr<kit::Slider>& brightnessSlider(int n);
    const std::shared_ptr<kit::Slider>& hueSlider();
    const std::shared_ptr<kit::Button>& backBtn();
    const std::shared_ptr<kit::Button>& saveBtn();
    const std::shared_ptr<kit::Button>& moreBtn();
    const std::shared_ptr<kit::View>& viewForBackSwipe() const { return viewForBackSwipe_; }

    void updateColorBySliders(int n);
    void updateColors();
    void moveUp(int band);
    void updateValueButtons();
    void valueButtonPressed(int tag);
    void colorLblTapped(int n);
    void saveColorCombination();
    void moreTapped();
    void openChartPreview();
    void copyHexArray();
    void openCcImage();
    // The colours 1...N of the current count.
    std::vector<kit::Color> shownColors() const;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void viewWillLayoutSubviews() override;
    void viewDidLayoutSubviews() override;
    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::lightContent; }

private:
    int count() const { return numberOfColors.value_or(0); }
    const std::shared_ptr<kit::Slider>& shadeSlider(std::array<std::shared_ptr<kit::Slider>, 4>& slots, int n);
    void loadOriginalColors();
    void layoutColorViews();
    void paintColorViews();
    void updateColorLabels();
    void layoutControls();
    // A slider as placed, with the constraints that may move it clear of the controls around it.
    struct PlacedSlider {
        std::shared_ptr<kit::Slider> slider;
        int band;
        double offsetY; // from the band's centre, as placed
        std::shared_ptr<kit::layout::Constraint> left, right, centreY;
    };
    void layoutSliders();
    void clearSlidersOfControls();
    // Buttons and sliders in the tint that shows on the band behind them.
    void tintControls();
    void setSliderStartValues();
    void addColorViewShadows();
    double shadowedWidth_ = 0;
    void openWithColors(const char* identifier);

    std::array<std::optional<kit::Color>, 4> colors_;
    std::array<std::shared_ptr<kit::View>, 4> colorViews_;
    std::shared_ptr<kit::StackView> clrBtnsSV_, clrsSV_;
    std::array<std::shared_ptr<kit::Button>, 4> colorLbls_, valueButtons_;
    std::array<std::shared_ptr<kit::Button>, 3> moveUpBtns_;
    std::array<std::shared_ptr<kit::Slider>, 4> saturationSliders_, brightnessSliders_;
    std::shared_ptr<kit::Slider> hueSlider_;
    std::vector<PlacedSlider> placedSliders_;
    std::shared_ptr<kit::Button> backBtn_, saveBtn_, moreBtn_;
    std::shared_ptr<kit::View> viewForBackSwipe_;
    std::array<kit::Color, 4> originalColors_;
    std::array<double, 4> classicOriginalHues_{};
    bool originalsTaken_ = false;
};

} // namespace wheels
