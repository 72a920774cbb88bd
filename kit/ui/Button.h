#pragma once
// A control with a title and/or an image. The title, its colour, the image and the background
// image are kept per state, falling back to the normal state's.
#include "kit/graphics/Text.h"
#include "kit/ui/Control.h"
#include "kit/ui/ImageView.h"
#include "kit/ui/Label.h"

#include <map>
#include <memory>
#include <optional>
#include <string>

namespace kit {

// custom: white titles, no tint; system: titles in the tint colour that dim while pressed.
enum class ButtonType { custom, system };

class Button : public Control {
public:
    explicit Button(ButtonType type = ButtonType::custom);
    explicit Button(const Rect& frame, ButtonType type = ButtonType::custom);
    void initialize();

    ButtonType buttonType() const { return type_; }

    void setTitle(std::optional<std::string> title, ControlState state = ControlState::normal);
    std::optional<std::string> titleForState(ControlState state) const;
    void setAttributedTitle(std::optional<AttributedString> title, ControlState state = ControlState::normal);
    std::optional<AttributedString> attributedTitleForState(ControlState state) const;
    void setTitleColor(std::optional<Color> color, ControlState state = ControlState::normal);
    Color titleColorForState(ControlState state) const;
    void setImage(std::shared_ptr<const Image> image, ControlState state = ControlState::normal);
    void setImage(std::optional<Image> image, ControlState state = ControlState::normal);
    std::shared_ptr<const Image> imageForState(ControlState state) const;
    // Draw the images as shapes in the tint colour (template rendering).
    bool imagesAreTemplates() const { return imageView_ && imageView_->isTemplate(); }
    void setImagesAreTemplates(bool templates) { if (imageView_) imageView_->setTemplate(templates); }
    // Stretched over the whole button; nothing when absent.
    void setBackgroundImage(std::shared_ptr<const Image> image, ControlState state = ControlState::normal);
    void setBackgroundImage(std::optional<Image> image, ControlState state = ControlState::normal);
    std::shared_ptr<const Image> backgroundImageForState(ControlState state) const;

    // The title in force for the current state.
    std::optional<std::string> currentTitle() const { return titleForState(state()); }
    // The label that shows the title (font, lines, alignment, line breaks are set on it).
    const std::shared_ptr<Label>& titleLabel() const { return titleLabel_; }
    const std::shared_ptr<ImageView>& imageView() const { return imageView_; }

    EdgeInsets contentEdgeInsets() const { return contentInsets_; }
    void setContentEdgeInsets(const EdgeInsets& insets);
    // The image view's content mode follows the button's.
    void setContentMode(ContentMode mode) override;

    void setEnabled(bool enabled) override;
    void setSelected(bool selected) override;
    void setHighlighted(bool highlighted) override;
    void tintColorDidChange() override;

    bool winsTouchOver(const GestureRecognizer& recognizer) const override { return claimsTapsAndSwipes(recognizer); }
    Size intrinsicContentSize() const override;
    // A title of several lines needs more height when the button is narrow.
    std::optional<double> heightForWidth(double width) const override;
    Size sizeThatFits(Size size) const override;
    void layoutSubviews() override;

private:
    template <class T>
    static std::optional<T> lookup(const std::map<ControlState, T>& m, ControlState s);
    void refresh();

    ButtonType type_;
    std::shared_ptr<ImageView> backgroundView_;
    std::shared_ptr<ImageView> imageView_;
    std::shared_ptr<Label> titleLabel_;
    std::map<ControlState, std::string> titles_;
    std::map<ControlState, AttributedString> attributedTitles_;
    std::map<ControlState, Color> titleColors_;
    std::map<ControlState, std::shared_ptr<const Image>> images_;
    std::map<ControlState, std::shared_ptr<const Image>> backgrounds_;
    EdgeInsets contentInsets_;
};

} // namespace kit
