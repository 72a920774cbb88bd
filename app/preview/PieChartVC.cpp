#include "app/preview/PieChartVC.h"

#include "app/settings/BackNavigation.h"
#include "app/storage/SaveHelpers.h"
#include "app/ui/Ext.h"
#include "app/ui/Haptic.h"
#include "app/ui/LayoutConstants.h"
#include "app/ui/SafeBottom.h"
#include "app/ui/Strings.h"
#include "charting/pie_radar/PieChartData.h"
#include "charting/pie_radar/PieChartDataEntry.h"
#include "charting/pie_radar/PieChartDataSet.h"
#include "charting/pie_radar/PieChartView.h"
#include "colour/HexText.h"
#include "kit/base/Make.h"
#include "kit/ui/Assets.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/StackView.h"
#include "kit/ui/SwipeGesture.h"
#include "kit/ui/Switch.h"

namespace app {

std::shared_ptr<kit::Label> makeLabelText() {
    auto label = kit::make<kit::Label>();
    label->setText(Strings::text("Labels"));
    label->setFont(kit::Font::system(18));
    label->setTextColor(kit::Color::blackColor());
    return label;
}

PieChartVC::PieChartVC()
    : pieChart_(kit::make<charting::PieChartView>()),
      clrBtnsSV_(kit::make<kit::StackView>()),
      labelText_(makeLabelText()),
      viewForBackSwipe_(kit::make<kit::View>()) {}

const std::shared_ptr<kit::Button>& PieChartVC::backBtn() {
    if (!backBtn_) {
        backBtn_ = kit::make<kit::Button>();
        backBtn_->setImage(kit::Assets::imageNamed("back-btn-dark"), kit::ControlState::normal);
        backBtn_->setContentMode(kit::ContentMode::scaleAspectFill);
        backBtn_->addTarget(this, "backBtnTapped", kit::ControlEvent::touchUpInside, [this] { backBtnTapped(); });
    }
    return backBtn_;
}

std::shared_ptr<kit::Button> PieChartVC::makeColorButton(std::size_t k) {
    auto button = kit::make<kit::Button>();
    button->setTitleColor(k == 4 ? kit::Color::whiteColor() : kit::Color::blackColor(), kit::ControlState::normal);
    const auto& title = button->titleLabel();
    title->setFont(Fonts::lightFont18());
    title->setLineBreakMode(kit::LineBreakMode::wordWrap);
    title->setTextAlignment(kit::TextAlignment::center);
    button->setContentVerticalAlignment(kit::ContentVerticalAlignment::center);
    button->addTarget(this, "colorLbl" + std::to_string(k) + "Tapped", kit::ControlEvent::touchDown,
                      [this, k] { colorLblTapped(k); });
    return button;
}

const std::shared_ptr<kit::Button>& PieChartVC::colorLbl(std::size_t k) {
    auto& slot = colorLbls_.at(k - 1);
    if (!slot) slot = makeColorButton(k);
    return slot;
}

const std::shared_ptr<kit::Switch>& PieChartVC::labelSwitch() {
    if (!labelSwitch_) {
        labelSwitch_ = kit::make<kit::Switch>();
        labelSwitch_->setOn(false);
        labelSwitch_->addTarget(this, "labelSwitchTapped", kit::ControlEvent::valueChanged, [this] { labelSwitchTapped(); });
    }
    return labelSwitch_;
}

void PieChartVC::viewDidLoad() {
    kit::ViewController::viewDidLoad();
    pieChart_->setDelegate(std::shared_ptr<charting::ChartViewDelegate>(shared_from_this(), this));
    // One recogniser for the life of the screen: one per appearance would pile up, and a single
    // swipe could then pop more than one screen.
    auto swipe = kit::make<kit::SwipeGesture>([this](kit::GestureRecognizer&) { backBySwipe(); });
    swipe->setDirection(kit::SwipeDirection::right);
    viewForBackSwipe_->addGestureRecognizer(swipe);
}

void PieChartVC::viewWillAppear(bool animated) {
    kit::ViewController::viewWillAppear(animated);
    layoutPieScreen();
    setupPieChart();
}

void PieChartVC::layoutPieScreen() {
    auto root = view();
    root->setBackgroundColor(kit::Color::whiteColor());

    for (const auto& arranged : std::vector<std::shared_ptr<kit::View>>(clrBtnsSV_->arrangedSubviews())) {
        clrBtnsSV_->removeArrangedSubview(arranged.get());
        arranged->removeFromSuperview();
    }
    clrBtnsSV_->removeFromSuperview();
    clrBtnsSV_ = kit::make<kit::StackView>(std::vector<std::shared_ptr<kit::View>>{colorLbl(1), colorLbl(2), colorLbl(3), colorLbl(4)});
    clrBtnsSV_->setAlignment(kit::StackAlignment::fill);
    clrBtnsSV_->setDistribution(kit::StackDistribution::fillEqually);
    clrBtnsSV_->setAxis(kit::layout::Axis::horizontal);
    clrBtnsSV_->setSpacing(0);
    root->addSubview(clrBtnsSV_);
    anchorWithCenter(*clrBtnsSV_, std::nullopt, root->leftAnchor(), std::nullopt, root->rightAnchor(), std::nullopt,
                     std::nullopt, 0, 0, 0, 0, 0, colorCodeRowHeight());
    pinBottomInsideSafeArea(*clrBtnsSV_, *root, colorCodeRowBottomPadding());

    const std::size_t n = colors ? colors->size() : 0;
    if (n >= 1 && n <= 4) {
        for (std::size_t i = 1; i <= n; ++i) {
            colorLbl(i)->setTitle(colour::hexString((*colors)[i - 1]), kit::ControlState::normal);
            if (n >= 2) colorLbl(i)->setTitleColor((*colors)[i - 1], kit::ControlState::normal);
        }
    }

    const auto& back = backBtn();
    placeBackButton(*root, back);

    const auto& toggle = labelSwitch();
    toggle->removeFromSuperview();
    root->addSubview(toggle);
    anchorWithCenter(*toggle, std::nullopt, std::nullopt, std::nullopt, root->rightAnchor(), std::nullopt,
                     back->centerYAnchor(), 0, 0, 0, 10);
    toggle->setHidden(withoutLabels);

    labelText_->removeFromSuperview();
    root->addSubview(labelText_);
    anchorWithCenter(*labelText_, std::nullopt, std::nullopt, std::nullopt, toggle->leftAnchor(), std::nullopt,
                     back->centerYAnchor(), 0, 0, 0, 8);
    labelText_->setHidden(withoutLabels);

    pieChart_->removeFromSuperview();
    root->addSubview(pieChart_);
    anchor(*pieChart_, back->bottomAnchor(), root->leftAnchor(), clrBtnsSV_->topAnchor(), root->rightAnchor(), 0, 4, 0, 4);

    placeBackSwipeStrip(*root, viewForBackSwipe_, root->topAnchor());
}

void PieChartVC::setupPieChart() {
    std::vector<charting::EntryPtr> entries;
    const std::vector<kit::Color> shown = colors.value_or(std::vector<kit::Color>{});
    for (const kit::Color& colour : shown) {
        entries.push_back(kit::make<charting::PieChartDataEntry>(1.0, colour::hexStringWithHash(colour)));
    }
    auto set = kit::make<charting::PieChartDataSet>(std::move(entries));
    set->setDrawValuesEnabled(false);
    set->setDrawIconsEnabled(false);
    set->setColors(shown);
    pieChart_->setData(kit::make<charting::PieChartData>(std::vector<charting::DataSetPtr>{set}));
    pieChart_->setDrawEntryLabelsEnabled(false);
    pieChart_->setDrawHoleEnabled(false);
    pieChart_->setDrawMarkers(false);
    pieChart_->setDrawCenterTextEnabled(false);
    pieChart_->legend()->setEnabled(false);
    pieChart_->setHighlightPerTapEnabled(false);
    pieChart_->setBackgroundColor(kit::Color::whiteColor());
}

void PieChartVC::backBtnTapped() { app::backBtnTapped(*this); }

void PieChartVC::backBySwipe() { app::backBySwipe(*this); }

void PieChartVC::colorLblTapped(std::size_t k) {
    if (!colors || colors->size() < k || k == 0) return;
    copyColorToClipboard(colour::hexString((*colors)[k - 1]));
}

void PieChartVC::labelSwitchTapped() {
    lightImpact();
    pieChart_->setDrawEntryLabelsEnabled(labelSwitch()->isOn());
}

} // namespace app
