#pragma once
// The colour-mixing calculator: one colour mixed from three sliders in RGB, CMYK (with a black
// slider) or the painter's RYB, with the share of each slider, the colour's code and name, HSB
// sliders in RGB, nine derived colours, half-and-half mixing with typed colours, saved mixes, the
// import sheet and colour buffer, and buttons to save, copy, open in the wheel or show as a lamp.
#include "app/ui/DropDownMenu.h"
#include "kit/base/Color.h"
#include "kit/layout/Constraint.h"
#include "kit/ui/ViewController.h"
#include "tools/ColorMixingMode.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace app {
class LargeCombination;
} // namespace app

namespace kit {
class Button;
class Label;
class Slider;
class StackView;
class View;
} // namespace kit

namespace tools {

class ColorMixingVC : public kit::ViewController, public app::DropDownMenuDelegate {
public:
    ColorMixingVC();

    // The storyboard scene's outlets, made in code here.
    std::shared_ptr<kit::View> colorView;
    std::shared_ptr<kit::Slider> firstSlider, secondSlider, thirdSlider, blackSlider;
    std::shared_ptr<kit::Label> firstColorLbl, secondColorLbl, thirdColorLbl, blackLbl;
    std::shared_ptr<kit::layout::Constraint> blackSliderLeadingOffset;

    std::optional<kit::Color> color;
    std::optional<kit::Color> colorForLbls;
    double firstColor = 0, secondColor = 0, thirdColor = 0;
    ColorMixingMode modeNow;
    std::shared_ptr<kit::Label> colorLbl, colorNameLabel;
    std::shared_ptr<kit::Button> backBtn, saveBtn, importColorBtn, ledBtn, mixBtn, openDcwBtn, colorMixesBtn;
    std::shared_ptr<kit::Button> importColorFromBufferBtn;
    std::shared_ptr<app::DropDownMenu> dropMenu;
    const std::array<std::string, 3> modeMenuItems{"RGB", "CMYK", "RYB"};
    kit::Color colorInBuffer = kit::Color::clearColor();
    std::array<kit::Color, 9> additionalColors{};
    std::shared_ptr<kit::StackView> additionalSV;
    std::vector<std::shared_ptr<kit::Button>> additionalButtons;
    std::shared_ptr<kit::View> mixedColorsView;
    bool isMixed = false;
    kit::Color mixedColor = kit::Color::greenColor();
    std::vector<kit::Color> colorsInMix;
    double middleTextTopPadding = 10;
    bool colorWasCopiedToBuffer = false;
    std::shared_ptr<kit::Slider> saturationSlider, brightnessSlider;
    std::shared_ptr<kit::Label> saturationLabel, brightnessLabel;

    void viewDidLoad() override;
    void viewWillDisappear(bool animated) override;
    void viewDidLayoutSubviews() override;
    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::lightContent; }

    // The calculator.
    // Shows the colour of the sliders, or `given` when the sliders were just moved to it: sliders
    // only come near some colours (RYB) or hold them in single precision, and a colour the user
    // brought in must not change by being shown.
    void mixColors(bool keepMix, const std::optional<kit::Color>& given = std::nullopt);
    void setSliders(const kit::Color& color);
    void updateSaturationBrightness();
    void tintControls();
    void saturationSliderValueChanged();
    void brightnessSliderValueChanged();
    void didSelectElement(int index) override;  // the mode menu
    void endMix();

    // Import and buffer.
    void showImportSheet();
    void applyImportedColor(const kit::Color& color);
    void showBufferColorIfNew();
    void applyBufferColor();

    // Derived colours.
    void buildDerivedColorStrip();
    void updateDerivedColorButtons();
    void additionalColorButtonTapped(kit::Button& button);

    // Mixing with other colours and saved mixes.
    void showMixWithEntry();
    void mixWith(const std::string& hex);
    void showMixStrip(bool fadeIn);
    void saveColorMix();
    void openColorMixes();
    void restoreMix(const app::LargeCombination& record);

    // Tool buttons.
    void copyToBuffer();
    void saveColorCombination();
    void openInColorWheel();
    void openLamp();

    // The derived-colour strip's button size and its insets from the back button, the left edge
    // and the sliders: the phone's or the pad's, chosen anew when the window changes.
    struct StripMetrics {
        double size = 0, top = 0, left = 0, bottom = 0;
        bool operator==(const StripMetrics&) const = default;
    };

private:
    static StripMetrics stripMetrics();
    static double clearOfSideColumns(double inset);
    void arrangeForWindow();
    void setUpInterface();
    void setUpSliders();
    void saveLastColor();
    void layOutComponentSliders(double leading);
    void keepHsbSlidersClearOfButtonColumn();
    std::string codeInRoom(std::string code);

    std::shared_ptr<kit::View> viewForBackSwipe_;
    bool bufferOffered_ = false;  // a buffer colour differing from the restored one, not yet used
    std::shared_ptr<kit::layout::Constraint> saturationSliderRight_, brightnessSliderRight_;
    double codeInset_ = 50;
    StripMetrics strip_;
    bool sideBySide_ = false;   // the sliders beside the colour, in the right half
    bool stripBeside_ = false;  // the strip was built reaching the bottom, beside the sliders
    // Set by the window's shape and idiom: the sliders' and their captions' left insets, the
    // captions' right insets, the side insets of the code and the name.
    std::vector<std::shared_ptr<kit::layout::Constraint>> sliderLeads_, captionRights_;
    std::shared_ptr<kit::layout::Constraint> codeLeft_, codeRight_, nameLeft_, nameRight_;
};

} // namespace tools
