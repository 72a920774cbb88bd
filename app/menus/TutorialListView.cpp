#include "app/menus/TutorialListView.h"

#include "kit/base/Make.h"
#include "kit/ui/Assets.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"

#include <algorithm>

namespace app {

void TutorialListView::addCaption(const std::string& text) {
    auto label = kit::make<kit::Label>();
    label->setText(text);
    label->setFont(kit::Font::system(14, kit::FontWeight::semibold));
    label->setTextColor(kit::Color::rgba(1, 1, 1, 0.55));
    addSubview(label);
    rows_.push_back({label, nullptr});
    setNeedsLayout();
}

std::shared_ptr<kit::Button> TutorialListView::addTutorial(const std::string& text) {
    auto button = kit::make<kit::Button>();
    button->setTitle(text, kit::ControlState::normal);
    button->setTitleColor(kit::Color::whiteColor(), kit::ControlState::normal);
    button->setTitleColor(kit::Color::rgba(1, 1, 1, 0.5), kit::ControlState::highlighted);
    button->titleLabel()->setFont(kit::Font::system(17));
    button->setImage(kit::Assets::imageNamed("video-play"), kit::ControlState::normal);
    button->setContentHorizontalAlignment(kit::ContentHorizontalAlignment::left);
    button->setContentEdgeInsets({0, 12, 0, 12});
    button->setBackgroundColor(kit::Color::rgba(1, 1, 1, 0.08));
    button->layer()->setCornerRadius(6);
    addSubview(button);
    rows_.push_back({nullptr, button});
    setNeedsLayout();
    return button;
}

void TutorialListView::layoutSubviews() {
    ScrollView::layoutSubviews();
    const double width = std::max(0.0, bounds().width() - 2 * sideInset);
    double y = 0;
    for (const auto& row : rows_) {
        if (row.caption) {
            row.caption->setFrame({sideInset, y, width, captionHeight});
            y += captionHeight;
        } else {
            row.button->setFrame({sideInset, y, width, rowHeight});
            y += rowHeight + rowGap;
        }
    }
    setContentSize({bounds().width(), y + rowGap});
}

} // namespace app
