#pragma once
// The chart preview: one to four colours of a combination as a pie of equal slices, each colour's
// code on a button below (a tap copies it), and a switch that shows the codes on the slices.
#include "charting/core/ChartViewDelegate.h"
#include "kit/base/Color.h"
#include "kit/ui/ViewController.h"
#include "wheels/ScreenParts.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace kit {
class Button;
class Label;
class StackView;
class Switch;
class View;
} // namespace kit

namespace charting {
class PieChartView;
}

namespace app {

class PieChartVC : public kit::ViewController, public charting::ChartViewDelegate, public wheels::ColorsReceiver {
public:
    PieChartVC();

    // Set by the opener before the screen appears; none counts as no colours.
    std::optional<std::vector<kit::Color>> colors;
    // Hides the entry-label switch and its caption.
    bool withoutLabels = false;
    void setColors(const std::vector<kit::Color>& c) override { colors = c; }

    void viewDidLoad() override;
    // Rebuilds the layout and the chart from `colors`.
    void viewWillAppear(bool animated) override;
    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::darkContent; }

    void backBtnTapped();
    void backBySwipe();
    // Copies colour k (1...4) when there is one.
    void colorLblTapped(std::size_t k);
    void labelSwitchTapped();

    const std::shared_ptr<charting::PieChartView>& pieChart() const { return pieChart_; }
    const std::shared_ptr<kit::Button>& backBtn();
    const std::shared_ptr<kit::StackView>& clrBtnsSV() const { return clrBtnsSV_; }
    // k in 1...4.
    const std::shared_ptr<kit::Button>& colorLbl(std::size_t k);
    const std::shared_ptr<kit::Switch>& labelSwitch();
    const std::shared_ptr<kit::Label>& labelText() const { return labelText_; }
    const std::shared_ptr<kit::View>& viewForBackSwipe() const { return viewForBackSwipe_; }

private:
    void layoutPieScreen();
    void setupPieChart();
    std::shared_ptr<kit::Button> makeColorButton(std::size_t k);

    std::shared_ptr<charting::PieChartView> pieChart_;
    std::shared_ptr<kit::Button> backBtn_;
    std::shared_ptr<kit::StackView> clrBtnsSV_;
    std::array<std::shared_ptr<kit::Button>, 4> colorLbls_;
    std::shared_ptr<kit::Switch> labelSwitch_;
    std::shared_ptr<kit::Label> labelText_;
    std::shared_ptr<kit::View> viewForBackSwipe_;
};

// The caption beside an entry-label switch: "Labels", 18-point system font, black.
std::shared_ptr<kit::Label> makeLabelText();

} // namespace app
