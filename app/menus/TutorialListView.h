#pragma once
// The scrolling column of the videos screen: section captions and full-width tutorial buttons,
// placed top to bottom at the list's current width.
#include "kit/ui/ScrollView.h"

#include <memory>
#include <string>
#include <vector>

namespace kit {
class Button;
class Label;
} // namespace kit

namespace app {

class TutorialListView : public kit::ScrollView {
public:
    static constexpr double rowHeight = 46;
    static constexpr double rowGap = 6;
    static constexpr double captionHeight = 34;
    static constexpr double sideInset = 20;

    void addCaption(const std::string& text);
    // A tutorial button titled `text` (play mark on its left), added as the next row.
    std::shared_ptr<kit::Button> addTutorial(const std::string& text);

    void layoutSubviews() override;

private:
    struct Row {
        std::shared_ptr<kit::Label> caption;
        std::shared_ptr<kit::Button> button;
    };
    std::vector<Row> rows_;
};

} // namespace app
