#pragma once
// The hue-wheel control: a thin hue ring, a handle riding on it with a line from the centre, an
// add button at the centre, a hex label, a shade slider and a colour/grey toggle. Dragging moves
// the handle and posts "moveAll" so that a screen can move its companion wheels.
#include "kit/ui/Control.h"
#include "kit/ui/Label.h"
#include "kit/ui/ShapeLayer.h"
#include "wheels/DcwSlider.h"
#include "wheels/Widgets.h"

#include <memory>
#include <optional>

namespace wheels {

inline constexpr const char* moveAllNotification = "moveAll";

class DCWPICKER;

// Kept for owners of a wheel; the wheel itself never calls it.
class HueColorPickerDelegate {
public:
    virtual ~HueColorPickerDelegate() = default;
    virtual void pickerDidChooseColor(DCWPICKER& picker, const kit::Color& color) = 0;
};

class DCWPICKER : public kit::Control, public HueShadeSliderDelegate {
public:
    DCWPICKER() : DCWPICKER(kit::Rect{}) {}
    explicit DCWPICKER(const kit::Rect& frame) : kit::Control(frame) {}
    void initialize();

    // Parts (made at construction, kept for the control's life).
    const std::shared_ptr<kit::Label>& hexLabel() const { return hexLabel_; }
    const std::shared_ptr<DCWSLIDER>& shadeSlider() const { return shadeSlider_; }
    const std::shared_ptr<DCWHANDLER>& handleView() const { return handleView_; }
    const std::shared_ptr<kit::ShapeLayer>& handleLine() const { return handleLine_; }
    const std::shared_ptr<DCWBUTTON>& addButton() const { return addButton_; }
    const std::shared_ptr<DCWMODE>& colorToggleButton() const { return colorToggleButton_; }
    const std::shared_ptr<kit::View>& touchArea() const { return touchArea_; }

    const kit::Color& currentColor() const { return currentColor_; }
    void setCurrentColor(const kit::Color& color) { currentColor_ = color; }
    bool supportsShadesOfGray() const { return supportsShadesOfGray_; }
    void setSupportsShadesOfGray(bool supports);
    bool isFirstDCW() const { return isFirstDCW_; }
    void setIsFirstDCW(bool first);
    double hueAngle() const { return hueAngle_; }
    void setHueAngle(double hue) { hueAngle_ = hue; }
    int number() const { return number_; }
    void setNumber(int number) { number_ = number; }
    HueColorPickerDelegate* delegate() const { return delegate_; }
    void setDelegate(HueColorPickerDelegate* delegate) { delegate_ = delegate; }
    float currentAngle() const { return currentAngle_; }
    void setCurrentAngle(float angle) { currentAngle_ = angle; }
    double radius() const { return radius_; }
    double stroke() const { return stroke_; }
    void setStroke(double stroke) { stroke_ = stroke; }
    double padding() const { return padding_; }
    void setPadding(double padding) { padding_ = padding; }
    // The lowest the shade slider's bottom edge may reach, in the wheel's coordinates: the screen
    // keeps it clear of the controls below the wheel on short screens.
    void setShadeSliderLowestEdge(std::optional<double> y);
    bool isClassic() const { return isClassic_; }
    void setIsClassic(bool classic);
    kit::Size handleSize() const;

    // The geometry the layout gives a wheel of a size, so that an owner can try sizes before it
    // picks one: the radius, the handle's frame size (both by device), and the shade slider's
    // frame, its bottom at or above `lowestEdge` when given; the hex label's frame.
    static double radiusFor(kit::Size size);
    static kit::Size handleFrameSizeFor(kit::Size size);
    static kit::Rect shadeSliderFrameFor(kit::Size size, double radius, double padding, std::optional<double> lowestEdge);
    static kit::Rect hexLabelFrameFor(kit::Size size, double padding, double stroke);

    double ringOuterRadius() const { return radius_ - padding_; }
    double ringInnerRadius() const { return radius_ - stroke_ - padding_; }
    double trackRadius() const { return radius_ - (padding_ + stroke_ * 0.5); }

    void applyColor(const kit::Color& color);
    // With a point: a new angle from it and "moveAll"; in every case the handle, line and label.
    void moveHandle(std::optional<kit::Point> point);
    void drawHueRing(kit::Context* context, double outerRadius, double innerRadius, float resolution);
    void layoutPicker();
    void layoutAddButton();
    void layoutHandle();
    void layoutHandleLine();
    void layoutHexLabel();
    void layoutShadeSlider();
    void layoutColorToggle();
    void toggleGrayscale();
    kit::Color colorForAngle(float angle);
    static float angleForColor(const kit::Color& color);
    kit::Point pointOnRing(float angle) const;
    // The angle of a point of the picker, as a drag gives it: 0 at 3 o'clock, counter-clockwise.
    float angleOfPoint(kit::Point p) const;

    void sliderDidChooseColor(DCWSLIDER& slider, const kit::Color& color) override;

    void layoutSubviews() override;
    void willMoveToSuperview(kit::View* newSuperview) override;
    void drawRect(kit::Context& context, const kit::Rect& rect) override;
    void touchesBegan(const kit::TouchSet& touches, const kit::Event& event) override;
    void touchesMoved(const kit::TouchSet& touches, const kit::Event& event) override;
    void touchesEnded(const kit::TouchSet& touches, const kit::Event& event) override;
    void addButtonPressed(kit::View& sender);

private:
    void setupPicker();
    void layoutTouchArea();
    void handleWasMoved(kit::GestureRecognizer& recognizer);
    void showHex();

    std::shared_ptr<kit::Label> hexLabel_;
    std::shared_ptr<DCWSLIDER> shadeSlider_;
    std::shared_ptr<DCWHANDLER> handleView_;
    std::shared_ptr<kit::ShapeLayer> handleLine_;
    std::shared_ptr<DCWBUTTON> addButton_;
    std::shared_ptr<DCWMODE> colorToggleButton_;
    std::shared_ptr<kit::View> touchArea_;
    kit::Color currentColor_ = kit::Color::redColor();
    bool supportsShadesOfGray_ = false;
    bool isFirstDCW_ = true;
    double hueAngle_ = 0;
    int number_ = 1;
    HueColorPickerDelegate* delegate_ = nullptr;
    float currentAngle_ = 0;
    double radius_ = 0;
    double stroke_ = 1.0;
    double padding_ = 15.0;
    std::optional<double> shadeSliderLowestEdge_;
    bool isClassic_ = false;
};

// The wheel a screen builds (one per harmony colour); companions drop their extra controls.
class DCW : public DCWPICKER {
public:
    using DCWPICKER::DCWPICKER;
    ~DCW() override;
    virtual void removeControls();
};

} // namespace wheels
