#include "capture/SelectImageLabel.h"

#include "app/ui/Strings.h"
#include "kit/base/Make.h"
#include "kit/ui/Label.h"

namespace capture {

std::shared_ptr<kit::Label> makeSelectImageLabel() {
    auto label = kit::make<kit::Label>();
    label->setFont(kit::Font::system(16));
    label->setTextColor(kit::Color::whiteColor().withAlpha(0.5));
    label->setTextAlignment(kit::TextAlignment::center);
    label->setText(app::Strings::text("To get started, select an image..."));
    label->setHidden(false);
    return label;
}

} // namespace capture
