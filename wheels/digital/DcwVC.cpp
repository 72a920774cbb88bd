// Building the wheel screen: strips, wheels of the mode, controls, and the "moveAll" answer.
#include "wheels/digital/DcwVC.h"

#include "app/AppDelegate.h"
#include "app/SavedData.h"
#include "app/settings/BackNavigation.h"
#include "app/ui/Ext.h"
#include "app/ui/LayoutConstants.h"
#include "app/ui/ScreenType.h"
#include "colour/ColorCodeText.h"
#include "colour/HexText.h"
#include "colour/ThemeColors.h"
#include "kit/base/Console.h"
#include "kit/base/Make.h"
#include "kit/runtime/NotificationCenter.h"
#include "kit/store/Defaults.h"
#include "kit/ui/Assets.h"
#include "kit/ui/Device.h"
#include "kit/ui/Label.h"
#include "tools/ToolUi.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace wheels {

namespace {
constexpr float kPi = 3.1415927f;
constexpr double kTwoPi = 2 * std::numbers::pi;
std::shared_ptr<kit::Label> makeCaptionLabel(const std::string& text) {
    auto label = kit::make<kit::Label>();
    std::string upper = text;
    for (auto& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    label->setText(upper);
    label->setTextColor(kit::Color::whiteColor().withAlpha(0.699406));
    label->setTextAlignment(kit::TextAlignment::left);
    label->setFont(kit::Font::boldSystem(18));
    label->setTranslatesAutoresizingMaskIntoConstraints(false);
    return label;
}
} // namespace

DcwVC::DcwVC() {
    for (auto& v : colorViews) v = kit::make<kit::View>();
    viewForBackSwipe_ = kit::make<kit::View>();
    tryItImageView_ = kit::make<kit::ImageView>(kit::Assets::imageNamed("try_it_frame"));
}

DcwVC::~DcwVC() {
    invalidateTimers();
    kit::NotificationCenter::defaultCenter().removeObserver(static_cast<const void*>(this));
}

kit::Color& DcwVC::colorRef(int n) {
    switch (n) {
    case 1: return color1;
    case 2: return color2;
    case 3: return color3;
    default: return color4;
    }
}

// ---- Lazily built controls ----

const std::shared_ptr<kit::Button>& DcwVC::colorLbl(int n) {
    auto& slot = colorLbls_[static_cast<std::size_t>(n - 1)];
    if (!slot) {
        slot = makeColorLabelButton();
        slot->addTarget(this, "colorLblTapped", kit::ControlEvent::touchDown, [this, n] { colorLblTapped(n); });
    }
    return slot;
}

const std::shared_ptr<kit::Button>& DcwVC::backBtn() {
    if (!backBtn_) {
        backBtn_ = makeBackButton(*this);
    }
    return backBtn_;
}

const std::shared_ptr<kit::Button>& DcwVC::modeNowBtn() {
    if (!modeNowBtn_) {
        modeNowBtn_ = makeModeNowButton(colour::faintBlackColor());
        modeNowBtn_->addTarget(this, "openModeNowMenu", kit::ControlEvent::touchUpInside, [this] { openModeNowMenu(); });
    }
    return modeNowBtn_;
}

const std::shared_ptr<kit::Button>& DcwVC::saveBtn() {
    if (!saveBtn_) {
        saveBtn_ = imageButton("save_img");
        saveBtn_->addTarget(this, "saveColorCombination", kit::ControlEvent::touchDown, [this] { saveColorCombination(); });
    }
    return saveBtn_;
}

const std::shared_ptr<kit::Button>& DcwVC::importColorBtn() {
    if (!importColorBtn_) {
        importColorBtn_ = imageButton("Inport_color");
        importColorBtn_->addTarget(this, "importColorBtnTapped", kit::ControlEvent::touchDown,
                                   [this] { importColorBtnTapped(); });
    }
    return importColorBtn_;
}

const std::shared_ptr<kit::Button>& DcwVC::editCCBtn() {
    if (!editCCBtn_) {
        editCCBtn_ = imageButton("edit_cc_btn_2px");
        editCCBtn_->addTarget(this, "editCCTapped", kit::ControlEvent::touchDown, [this] { editCCTapped(); });
    }
    return editCCBtn_;
}

const std::shared_ptr<kit::Button>& DcwVC::infoBtn() {
    if (!infoBtn_) {
        infoBtn_ = app::makeHelpButton();
        infoBtn_->addTarget(this, "showInfo", kit::ControlEvent::touchUpInside, [this] { showInfo(); });
    }
    return infoBtn_;
}

const std::shared_ptr<kit::Button>& DcwVC::importColorFromBufferBtn() {
    if (!importColorFromBufferBtn_) {
        importColorFromBufferBtn_ = tools::makeBufferButton();
        importColorFromBufferBtn_->addTarget(this, "getColorFromBufferButtonPressed", kit::ControlEvent::touchDown,
                                             [this] { getColorFromBufferButtonPressed(); });
    }
    return importColorFromBufferBtn_;
}

// Saturation and brightness alike move every wheel, and pulse the editor button when let go.
const std::shared_ptr<kit::Slider>& DcwVC::shadeSlider(std::shared_ptr<kit::Slider>& slot) {
    if (!slot) {
        slot = makeShadeSlider(0, 1, 1);
        slot->addTarget(this, "moveAll", kit::ControlEvent::valueChanged, [this] { moveAll(); });
        slot->addTarget(this, "editCCBtnPulseOnSliderEndTouch",
                        kit::ControlEvent::touchUpInside | kit::ControlEvent::touchUpOutside,
                        [this] { editCCBtnPulseOnSliderEndTouch(); });
    }
    return slot;
}

const std::shared_ptr<kit::Slider>& DcwVC::saturationSlider() { return shadeSlider(saturationSlider_); }

const std::shared_ptr<kit::Slider>& DcwVC::brightnessSlider() { return shadeSlider(brightnessSlider_); }

const std::shared_ptr<kit::Slider>& DcwVC::angleSlider() {
    if (!angleSlider_) {
        angleSlider_ = makeShadeSlider(-0.26179937f, 1.0471975f, 0);
        angleSlider_->setHidden(true);
        angleSlider_->addTarget(this, "moveAngleSlider", kit::ControlEvent::valueChanged, [this] { moveAngleSlider(); });
    }
    return angleSlider_;
}

// ---- Building ----

void DcwVC::rebuildScreen() {
    buildColorStrips();
    buildWheelsForMode();
    moveAll();
    layoutControls();
    refreshBufferButton();
}

void DcwVC::buildColorStrips() {
    auto root = view();
    clrsSV_ = remakeStripStack(clrsSV_);
    const int n = numberOfColors(modeNow);
    for (int i = n; i >= 1; --i) clrsSV_->addArrangedSubview(colorViews[static_cast<std::size_t>(i - 1)]);
    captions_.clear();
    if (modeNow == Mode::abstract) {
        const char* captions[4] = {"Main", "Major accent", "Minor accent 1", "Minor accent 2"};
        const double width = root->bounds().size.width * 2 / 3;
        for (int i = 0; i < 4; ++i) {
            auto strip = colorViews[static_cast<std::size_t>(3 - i)];
            auto label = makeCaptionLabel(tr(captions[i]));
            clrsSV_->addSubview(label);
            // No wider than its text, so that the frame covers nothing the text does not.
            const double w = width > 0 ? std::min(width, label->intrinsicContentSize().width + 2) : 0;
            app::anchorWithCenter(*label, std::nullopt, strip->leftAnchor(), std::nullopt, std::nullopt, std::nullopt,
                                  strip->centerYAnchor(), 0, 8, 0, 0, w, 25);
            captions_.push_back(label);
        }
    }
    root->addSubview(clrsSV_);
    app::anchor(*clrsSV_, root->topAnchor(), root->leftAnchor(), root->bottomAnchor(), root->rightAnchor());
}

std::shared_ptr<DCW> DcwVC::makeWheel(float angle) {
    auto wheel = kit::make<DCW>(partWheelFrame());
    wheel->setPadding(10);
    wheel->setStroke(7);
    wheel->setCurrentAngle(angle);
    if (isClassic) wheel->setIsClassic(true);
    return wheel;
}

kit::Rect DcwVC::partWheelFrame() {
    double f = 1.0, e = 200;
    if (kit::Device::userInterfaceIdiom() == kit::UserInterfaceIdiom::pad) {
        if (app::isSplitScreen()) {
            const int layout = app::multitaskingLayout();
            if (layout == 2) f = 0.7, e = 400;
            else if (layout == 1) f = 0.8, e = 400;
        } else {
            const auto o = kit::Device::orientation();
            f = (o == kit::DeviceOrientation::landscapeLeft || o == kit::DeviceOrientation::landscapeRight) ? 0.7 : 0.8;
            e = 400;
        }
    }
    const auto b = view()->bounds();
    const double w = f * b.size.width, h = e + f * b.size.width;
    return {b.midX() - w / 2, b.midY() - h / 2, w, h};
}

void DcwVC::buildWheelsForMode() {
    // One registration per screen, however often the wheels are rebuilt.
    auto& centre = kit::NotificationCenter::defaultCenter();
    centre.removeObserver(static_cast<const void*>(this), moveAllNotification);
    centre.addObserver(moveAllNotification, nullptr, [this](const kit::Notification&) { moveAll(); }, this);
    buildWheelsAtAngle(kPi);
}

void DcwVC::buildWheelsAtAngle(float a) {
    auto root = view();
    if (modeNow == Mode::mono) {
        dcw4 = makeWheel(a);
        dcw4->setIsFirstDCW(true);
        for (auto* w : wheels())
            if (*w) (*w)->removeFromSuperview();
        root->addSubview(dcw4);
    } else {
        dcw1 = makeWheel(a);
        kit::print("dcw1 set");
        const auto angles = companionAngles(modeNow, a, 0);
        std::shared_ptr<DCW>* companions[3] = {&dcw2, &dcw3, &dcw4};
        const int n = numberOfColors(modeNow);
        for (int i = 0; i < n - 1; ++i) {
            *companions[i] = makeWheel(angles[static_cast<std::size_t>(i)].value_or(a));
            (*companions[i])->removeControls();
        }
        for (int i = 1; i <= n; ++i) (*wheels()[static_cast<std::size_t>(i - 1)])->setIsFirstDCW(i == n);
        for (int i = n; i >= 1; --i) {
            auto& w = *wheels()[static_cast<std::size_t>(i - 1)];
            w->removeFromSuperview();
            root->addSubview(w);
        }
    }
    // The main wheel carries its hex label and shade slider, placed in its own coordinates. The
    // slider tints or shades the whole combination.
    auto main = modeNow == Mode::mono ? dcw4 : dcw1;
    main->addSubview(main->hexLabel());
    main->addSubview(main->shadeSlider());
    main->shadeSlider()->addTarget(this, "moveAll", kit::ControlEvent::valueChanged, [this] { moveAll(); });
    main->addSubview(main->colorToggleButton());
}

void DcwVC::layoutControls() {
    auto root = view();

    clrBtnsSV_ = addColorLabelRow(*root, {colorLbl(1), colorLbl(2), colorLbl(3), colorLbl(4)});

    readd(*root, saturationSlider());
    readd(*root, brightnessSlider());
    placeShadeSliders(0);

    app::placeBackButton(*root, backBtn());
    placeModeNowButton(*root, modeNowBtn());
    readd(*root, angleSlider());
    app::anchor(*angleSlider(), modeNowBtn()->bottomAnchor(), modeNowBtn()->leftAnchor(), std::nullopt,
                modeNowBtn()->rightAnchor(), 12, 5, 0, 5, 0, 30);

    modeMenu_.clear();
    std::vector<std::string> titles;
    for (int i = 0; i < (isClassic ? 6 : 8); ++i) titles.push_back(modeTitle(allModes[static_cast<std::size_t>(i)]));
    modeMenu_.addModeButtons(titles, [this](kit::Button& button) { selectModeWithButton(button); });
    modeMenu_.hang(*root, *modeNowBtn(), isClassic ? 348 : 464);

    app::placeTopRight(*root, saveBtn(), *backBtn());
    app::stackButtons(*root, *saveBtn(), *saveBtn(), {infoBtn()});
    if (!isClassic) {
        app::stackButtons(*root, *saveBtn(), *infoBtn(), {importColorBtn()});
        readd(*root, importColorFromBufferBtn());
        app::anchorWithCenter(*importColorFromBufferBtn(), importColorBtn()->bottomAnchor(), std::nullopt, std::nullopt,
                              std::nullopt, saveBtn()->centerXAnchor(), std::nullopt, 13, 0, 0, 0, 24, 24);
    }
    app::stackButtons(*root, *backBtn(), *backBtn(), {editCCBtn()});
    app::placeBackSwipeStrip(*root, viewForBackSwipe_, editCCBtn()->bottomAnchor());

    scheduleTryItHint();
    const int n = numberOfColors(modeNow);
    for (int i = 1; i < n; ++i) app::addShadowLayer(*colorViews[static_cast<std::size_t>(i - 1)]);
}

// The fixed offsets from the bottom, raised only as far as a taller row of codes (or the home
// indicator) below them needs, and the saturation slider by `room` more; the shade slider of the
// wheel then stays above them.
void DcwVC::placeShadeSliders(double room) {
    auto root = view();
    const auto b = root->bounds();
    constexpr double gap = 4;
    const double rowTop = b.maxY() - colorLabelRowBottomInset() - app::colorCodeRowHeight();
    const double brightnessY = std::min(b.maxY() - 84, rowTop - gap - 30);
    const double saturationY = std::min(b.maxY() - 134, brightnessY - 50) - room;
    saturationSlider()->setFrame({b.minX() + 20, saturationY, b.maxX() - 40, 30});
    brightnessSlider()->setFrame({b.minX() + 20, brightnessY, b.maxX() - 40, 30});
    fitWheels(saturationY - gap);
}

// Every wheel takes the frame that keeps the ring, the handles and the main shade slider clear of
// the controls; the main one keeps its slider above `sliderLowestEdge` (in the view's coordinates).
void DcwVC::fitWheels(double sliderLowestEdge) {
    auto& main = modeNow == Mode::mono ? dcw4 : dcw1;
    auto root = view();
    if (!main || root->bounds().size.width <= 0) return;
    WheelSpace space{partWheelFrame(), main->padding(), main->stroke(), sliderLowestEdge,
                     root->bounds().inset(kit::Device::current().safeAreaInsets()), controlFrames()};
    if (space != lastWheelSpace_) {
        lastWheelFrame_ = fitWheelFrame(space);
        lastWheelSpace_ = std::move(space);
    }
    for (auto* w : wheels())
        if (*w) (*w)->setFrame(lastWheelFrame_);
    main->setShadeSliderLowestEdge(main->convertPointFrom({0, sliderLowestEdge}, root.get()).y);
    for (auto* w : wheels())
        if (*w) (*w)->layoutIfNeeded();
}

std::vector<kit::Rect> DcwVC::controlFrames() {
    auto root = view();
    std::vector<kit::Rect> frames;
    for (const auto& v : std::initializer_list<std::shared_ptr<kit::View>>{
             backBtn(), editCCBtn(), modeNowBtn(), angleSlider(), saveBtn(), infoBtn(), importColorBtn(),
             importColorFromBufferBtn(), saturationSlider(), brightnessSlider(), clrBtnsSV_})
        if (v && v->superview() && !v->isHidden()) frames.push_back(v->convertRectTo(v->bounds(), root.get()));
    return frames;
}

void DcwVC::viewDidAppear(bool animated) {
    kit::ViewController::viewDidAppear(animated);
    // Frames settle once the screen is in the window, with its safe area, and a constraint pass
    // alone does not lay the root out again: the captions are placed once more against them.
    view()->setNeedsLayout();
}

// Any new size, a resized window's included, refits the wheels here around their current state:
// the screen is not built anew for it, so colours, shade, sliders and an open menu all stay.
void DcwVC::viewDidLayoutSubviews() {
    kit::ViewController::viewDidLayoutSubviews();
    // The strips' shadows are drawn at a strip's size: a new width draws them again.
    const double stripWidth = colorViews[0]->bounds().width();
    if (stripWidth != shadowedStripWidth_) {
        shadowedStripWidth_ = stripWidth;
        for (int i = 1; i < numberOfColors(modeNow); ++i) app::addShadowLayer(*colorViews[static_cast<std::size_t>(i - 1)]);
    }
    placeShadeSliders(0);
    placeCaptions();
    tintControls();
}

void DcwVC::placeCaptions() {
    if (captions_.empty()) return;
    if (clearCaptionsOfControls()) return;
    // Where the bottom strip is full (a small screen, codes of several lines), the saturation slider
    // rises just enough for its caption to fit between the two sliders.
    const double between = brightnessSlider()->frame().minY() - saturationSlider()->frame().maxY();
    const double room = captions_.back()->bounds().size.height - between;
    if (room <= 0) return;
    placeShadeSliders(room);
    if (auto& main = modeNow == Mode::mono ? dcw4 : dcw1) main->layoutIfNeeded();
    clearCaptionsOfControls();
}

bool DcwVC::clearCaptionsOfControls() {
    auto root = view();
    std::vector<kit::Rect> controls = controlFrames();
    auto add = [&](const std::shared_ptr<kit::View>& v) {
        if (v && v->superview() && !v->isHidden()) controls.push_back(v->convertRectTo(v->bounds(), root.get()));
    };
    for (auto* w : wheels())
        if (*w && (*w)->superview()) {
            add((*w)->handleView());
            add((*w)->shadeSlider());
            add((*w)->hexLabel());
            add((*w)->addButton());
            add((*w)->colorToggleButton());
        }
    const auto b = root->bounds();
    const auto unsafe = kit::Device::current().safeAreaInsets();
    controls.push_back({b.minX(), b.maxY() - unsafe.bottom, b.size.width, unsafe.bottom});
    controls.push_back({b.minX(), b.minY(), b.size.width, unsafe.top});
    // The ring stays where it is while the handles move: a caption is best off it, where its strip
    // has such a place.
    std::optional<std::pair<kit::Point, kit::Size>> ring;  // centre; inner and outer radius
    for (auto* w : wheels())
        if (*w && (*w)->superview() && (*w)->isFirstDCW()) {
            const auto wb = (*w)->bounds();
            ring = {(*w)->convertPointTo({wb.midX(), wb.midY()}, root.get()),
                    {(*w)->ringInnerRadius(), (*w)->ringOuterRadius()}};
        }
    bool bottomClear = true;
    for (std::size_t i = 0; i < captions_.size(); ++i) {
        auto& caption = *captions_[i];
        caption.setTransform(kit::AffineTransform::identity());
        const kit::Rect natural = caption.convertRectTo(caption.bounds(), root.get());
        const auto& strip = *colorViews[3 - i];
        const kit::Rect band = strip.convertRectTo(strip.bounds(), root.get());
        bool offRing = true, inHole = false;
        // Where the ring crosses the strip at its left edge, its hole may have room: the caption
        // then sits just inside the inner edge, as far right as its height there needs.
        auto dxAt = [&](double dy) -> std::optional<double> {
            if (!inHole) return 0.0;
            if (!ring) return std::nullopt;
            const kit::Rect r = natural.offsetBy(0, dy);
            const double far = std::max(std::abs(r.minY() - ring->first.y), std::abs(r.maxY() - ring->first.y));
            const double inner = ring->second.width - 4;
            if (far >= inner) return std::nullopt;
            return ring->first.x - std::sqrt(inner * inner - far * far) - natural.minX();
        };
        auto clear = [&](double dy) {
            const auto dx = dxAt(dy);
            if (!dx) return false;
            const kit::Rect r = natural.offsetBy(*dx, dy).insetBy(0, 0.01);
            if (r.minY() < band.minY() || r.maxY() > band.maxY() || r.maxX() > band.maxX()) return false;
            if (offRing && ring && bandMeets(ring->first, ring->second.width, ring->second.height, r)) return false;
            return std::none_of(controls.begin(), controls.end(), [&](const kit::Rect& c) { return c.intersects(r); });
        };
        // Steps of 2, and the places just above and below each control, nearest first.
        std::vector<double> moves;
        for (double d = 0; d <= band.size.height; d += 2) moves.insert(moves.end(), {d, -d});
        for (const auto& c : controls) moves.insert(moves.end(), {c.maxY() - natural.minY(), c.minY() - natural.maxY()});
        std::stable_sort(moves.begin(), moves.end(), [](double x, double y) { return std::abs(x) < std::abs(y); });
        // At the strip's edge off the ring, else in the ring's hole, else at the edge over the ring.
        auto found = std::find_if(moves.begin(), moves.end(), clear);
        if (found == moves.end()) {
            inHole = true;
            found = std::find_if(moves.begin(), moves.end(), clear);
        }
        if (found == moves.end()) {
            inHole = false;
            offRing = false;
            found = std::find_if(moves.begin(), moves.end(), clear);
        }
        if (found == moves.end()) {
            bottomClear = bottomClear && i + 1 < captions_.size();
            continue;
        }
        const double dx = *dxAt(*found);
        caption.setTransform(kit::AffineTransform::translation(dx, *found));
        controls.push_back(natural.offsetBy(dx, *found));
    }
    return bottomClear;
}

// ---- Moving ----

void DcwVC::moveAll() {
    recomputeCombination();
    refreshColorLabels();
    tintControls();
}

void DcwVC::recomputeCombination() {
    if (modeNow != Mode::mono && dcw1) {
        const float a = dcw1->currentAngle();
        const double s = dcw1->shadeSlider()->currentValue();
        const auto angles = companionAngles(modeNow, a, addToAngle);
        std::shared_ptr<DCW>* companions[3] = {&dcw2, &dcw3, &dcw4};
        for (std::size_t i = 0; i < 3; ++i) {
            if (!angles[i] || !*companions[i]) continue;
            auto& w = **companions[i];
            w.setCurrentAngle(*angles[i]);
            w.shadeSlider()->setCurrentValue(s);
            w.moveHandle(std::nullopt);
        }
    }
    const float S = saturationSlider()->value(), B = brightnessSlider()->value();
    const int n = numberOfColors(modeNow);
    // After hue, saturation and brightness, the main wheel's shade slider takes every colour
    // toward white or black.
    const auto& main = modeNow == Mode::mono ? dcw4 : dcw1;
    const double shade = main ? main->shadeSlider()->currentValue() : 0;
    auto colourOf = [&](const DCW& w) { return shadeOf(harmonyColor(w.hueAngle(), S, B, isClassic), shade); };
    if (modeNow == Mode::mono) {
        if (dcw4) {
            color1 = colourOf(*dcw4);
            dcw4->handleView()->circleLayer()->setFillColor(color1);
        }
        color2 = color3 = color4 = color1;
        for (auto& v : colorViews) v->setBackgroundColor(color1);
        for (auto* w : {&dcw1, &dcw2, &dcw3})
            if (*w) {
                (*w)->handleView()->removeFromSuperview();
                (*w)->removeFromSuperview();
            }
        return;
    }
    for (int i = 1; i <= n; ++i) {
        auto& w = *wheels()[static_cast<std::size_t>(i - 1)];
        if (!w) continue;
        colorRef(i) = colourOf(*w);
        w->handleView()->circleLayer()->setFillColor(colorRef(i));
    }
    // First colour at the top: the highest strip in use shows color1.
    for (int i = 1; i <= n; ++i) colorViews[static_cast<std::size_t>(n - i)]->setBackgroundColor(colorRef(i));
}

void DcwVC::refreshColorLabels() {
    const int n = numberOfColors(modeNow);
    const auto titleColor = labelTextColor(colorRef(n));
    for (int i = 1; i <= 4; ++i) {
        auto& label = colorLbl(i);
        label->setTitle(i <= n ? colour::colorCodeStringMultiline(colorRef(i)) : std::string());
        label->setTitleColor(titleColor);
    }
}

double DcwVC::shownShade() {
    for (auto* w : wheels())
        if (*w && (*w)->superview() && (*w)->shadeSlider()->superview().get() == w->get())
            return (*w)->shadeSlider()->currentValue();
    return 0;
}

void DcwVC::moveByColor(const kit::Color& c) {
    auto root = view();
    // The digital wheels take the colour's saturation and brightness into their sliders; the
    // painter's keep only the hue, so their tint or shade is carried over by hand.
    const double shade = shownShade();
    for (auto sub : std::vector<std::shared_ptr<kit::View>>(root->subviews())) sub->removeFromSuperview();
    modeMenu_.clear();
    buildColorStrips();
    if (!isClassic) {
        const auto hsb = c.hsba();
        buildWheelsAtAngle(static_cast<float>(2 * std::numbers::pi * hsb.hue));
        const auto components = colour::hsbComponents(c);
        kit::View::performWithoutAnimation([&] {
            saturationSlider()->setValue(static_cast<float>(components.saturation));
            brightnessSlider()->setValue(static_cast<float>(components.brightness));
        });
    } else if (atStart) {
        buildWheelsAtAngle(0);
        atStart = false;
    } else {
        buildWheelsAtAngle(fromEditCC ? lastAngle : (dcw1 ? dcw1->currentAngle() : 0.0f));
    }
    if (isClassic) (modeNow == Mode::mono ? dcw4 : dcw1)->shadeSlider()->setCurrentValue(shade);
    moveAll();
    layoutControls();
}

void DcwVC::selectModeWithButton(kit::Button& button) { applyMode(&button); }

void DcwVC::applyMode(kit::Button* button) {
    Mode chosen = modeNow;
    if (button) {
        bool found = false;
        for (auto mode : allModes)
            if (button->accessibilityIdentifier() == modeTitle(mode)) chosen = mode, found = true;
        if (!found) return;
    }
    modeNow = chosen;
    modeNowBtn()->setAttributedTitle(app::makeAttributedTitle(tr(modeTitle(modeNow))));
    colorNow = color1;
    moveByColor(colorNow);
    kit::Defaults::standard().set(modeIndex(modeNow), app::Keys::lastDcwCombination);
    modeMenu_.close(*view(), *modeNowBtn());
    applyModeAngleLimits();
    if (modeNow == Mode::mono) startMonoPulse();
}

void DcwVC::applyModeAngleLimits() {
    if (!app::delegate().savedData.isAdjustableSchemas) return;
    addToAngle = 0;
    kit::print("addToAngle has been set to 0.0");
    angleSlider()->setValue(0);
    angleSlider()->setHidden(!hasAngleSlider(modeNow));
    if (auto limits = angleLimits(modeNow)) {
        angleSlider()->setMaximumValue(limits->maximum);
        angleSlider()->setMinimumValue(limits->minimum);
    }
    moveAll();
}

void DcwVC::moveAngleSlider() {
    addToAngle = angleSlider()->value();
    kit::print("addToAngle has been set to " + std::to_string(addToAngle));
    angleToAddEditCCSave = addToAngle;
    moveAll();
}

void DcwVC::loadStoredMode() {
    modeNow = modeFromStoredIndex(kit::Defaults::standard().integer(app::Keys::lastDcwCombination), isClassic);
}

void DcwVC::refreshBufferButton() {
    auto& defaults = kit::Defaults::standard();
    const std::string buffer = defaults.string(app::Keys::lastColorMixing).value_or(app::defaultBufferColor);
    if (instantLoadFromClipboard) {
        colorInBuffer = colour::colorFromHex(buffer);
        return;
    }
    const std::string last = defaults.string(app::Keys::lastColorInDcw).value_or(app::defaultBufferColor);
    if (buffer == last) return;
    colorInBuffer = colour::colorFromHex(buffer);
    if (fromEditCC && colour::isNear(colorInBuffer, color1Save, 0.05)) return;
    importColorFromBufferBtn()->setBackgroundColor(colorInBuffer);
    importColorFromBufferBtn()->setHidden(false);
}

void DcwVC::scheduleTryItHint() {
    if (isTryItImageWasShown || app::delegate().savedData.tryItWasShown) return;
    if (tryItShowTimer_) tryItShowTimer_->invalidate();
    std::weak_ptr<kit::ViewController> weakSelf = weak_from_this();
    tryItShowTimer_ = kit::Timer::scheduled(1.0, false, [this, weakSelf] {
        if (weakSelf.lock()) showTryItHint();
    });
}

void DcwVC::showTryItHint() {
    auto root = view();
    readd(*root, tryItImageView_);
    app::anchorWithCenter(*tryItImageView_, std::nullopt, editCCBtn()->rightAnchor(), std::nullopt, std::nullopt,
                          std::nullopt, editCCBtn()->centerYAnchor(), 0, -7, 0, 0, 130, 24);
    for (auto sub : std::vector<std::shared_ptr<kit::View>>(tryItImageView_->subviews())) sub->removeFromSuperview();
    auto label = kit::make<kit::Label>();
    std::string text = tr("try it");
    for (auto& ch : text) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    label->setText(text);
    label->setTextColor(kit::Color::whiteColor());
    label->setTextAlignment(kit::TextAlignment::center);
    label->setFont(kit::Font::system(16));
    tryItImageView_->addSubview(label);
    app::anchor(*label, tryItImageView_->topAnchor(), tryItImageView_->leftAnchor(), tryItImageView_->bottomAnchor(),
                tryItImageView_->rightAnchor(), 0, 6, 0, 4);
    isTryItImageWasShown = true;
    std::weak_ptr<kit::ImageView> weakHint = tryItImageView_;
    if (tryItHideTimer_) tryItHideTimer_->invalidate();
    tryItHideTimer_ = kit::Timer::scheduled(4.0, false, [weakHint] {
        if (auto hint = weakHint.lock()) hint->removeFromSuperview();
    });
}

} // namespace wheels
