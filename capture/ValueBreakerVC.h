#pragma once
// The value breaker: a picture from the photo library made grey with a chosen contrast, then split
// into a few values, so that a painter sees the value masses. Steppers choose the level count
// (2-9) and the contrast (2.0-3.0); the result can be saved to the photo library.
#include "capture/PhotoConversionVC.h"

namespace capture {

// "+" or "-" on a translucent grey, corner radius 6; the action runs on touch up inside.
std::shared_ptr<kit::Button> makeStepButton(const std::string& title, std::function<void()> action);

class ValueBreakerVC : public PhotoConversionVC {
public:
    ValueBreakerVC();

    std::shared_ptr<kit::Label> valueNumberLabel;
    std::shared_ptr<kit::Button> increaseValueNumberButton;
    std::shared_ptr<kit::Button> decreaseValueNumberButton;
    std::shared_ptr<kit::Label> contrastLabel;
    std::shared_ptr<kit::Button> increaseContrastButton;
    std::shared_ptr<kit::Button> decreaseContrastButton;
    double numberOfValues = 3;
    double contrast = 2.0;

    void increaseValueNumber();
    void decreaseValueNumber();
    void increaseContrast();
    void decreaseContrast();

    void refreshConversion() override;
    void posterizeToValues(double levels);
    std::optional<kit::Image> desaturateWithContrast(const kit::Image& image) const;

protected:
    kit::layout::Anchor buildRowsAboveSave(kit::View& root, kit::layout::Anchor saveTop) override;
    const char* savedFileName() const override { return "values"; }

private:
    void step(double& value, double change);
};

} // namespace capture
