#include "kit/ui/AlertView.h"

#include "kit/base/Make.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/TextField.h"
#include "kit/ui/View.h"

#include <algorithm>
#include <limits>

namespace kit {
namespace {

constexpr double panelWidth = 270;
constexpr double margin = 16;
constexpr double buttonHeight = 44;
constexpr double fieldHeight = 28;

const Color panelColor = Color::rgba(0.17, 0.17, 0.19, 0.98);
const Color lineColor = Color::gray(1, 0.15);
const Color actionColor = Color::rgba(0.04, 0.52, 1.0);
const Color destructiveColor = Color::rgba(1.0, 0.27, 0.23);

// The dimmed backdrop takes every touch, so nothing under an alert can be used while it shows.
class AlertBackdrop final : public View {
public:
    AlertBackdrop(bool sheet) : sheet_(sheet) {}
    std::shared_ptr<View> panel;
    std::shared_ptr<Label> title, message;
    std::vector<std::shared_ptr<View>> fields;
    std::vector<std::shared_ptr<Button>> buttons;
    std::vector<std::shared_ptr<View>> lines;

    void layoutSubviews() override {
        View::layoutSubviews();
        const double inner = panelWidth - 2 * margin;
        auto measure = [&](const std::shared_ptr<Label>& label) {
            if (!label || (label->text().empty() && !label->attributedText())) return 0.0;
            return std::ceil(label->sizeThatFits({inner, std::numeric_limits<double>::infinity()}).height);
        };
        double y = 20;
        double th = measure(title), mh = measure(message);
        if (title) title->setFrame({margin, y, inner, th});
        y += th;
        if (mh > 0) {
            y += th > 0 ? 4 : 0;
            if (message) message->setFrame({margin, y, inner, mh});
            y += mh;
        }
        y += 18;
        for (auto& field : fields) {
            field->setFrame({margin, y, inner, fieldHeight});
            y += fieldHeight + 8;
        }
        if (!fields.empty()) y += 8;
        std::size_t line = 0;
        auto placeLine = [&](Rect r) {
            if (line < lines.size()) lines[line++]->setFrame(r);
        };
        const bool sideBySide = buttons.size() == 2 && !sheet_;
        if (sideBySide) {
            placeLine({0, y, panelWidth, 0.5});
            buttons[0]->setFrame({0, y, panelWidth / 2, buttonHeight});
            buttons[1]->setFrame({panelWidth / 2, y, panelWidth / 2, buttonHeight});
            placeLine({panelWidth / 2, y, 0.5, buttonHeight});
            y += buttonHeight;
        } else {
            for (auto& b : buttons) {
                placeLine({0, y, panelWidth, 0.5});
                b->setFrame({0, y, panelWidth, buttonHeight});
                y += buttonHeight;
            }
        }
        Size s = bounds().size;
        double x = (s.width - panelWidth) / 2;
        double top = sheet_ ? s.height - y - 8 - safeAreaInsets().bottom : (s.height - y) / 2;
        panel->setFrame({x, std::max(0.0, top), panelWidth, y});
    }

private:
    bool sheet_;
};

} // namespace

std::shared_ptr<View> makeAlertView(const std::string& titleText, const std::string& messageText,
                                    const std::vector<std::shared_ptr<AlertAction>>& actions,
                                    const std::vector<std::shared_ptr<TextField>>& fields,
                                    std::function<void(std::size_t actionIndex)> onChoose, bool actionSheet) {
    auto backdrop = kit::make<AlertBackdrop>(actionSheet);
    backdrop->setBackgroundColor(Color::gray(0, 0.4));

    auto panel = kit::make<View>();
    panel->setBackgroundColor(panelColor);
    panel->layer()->setCornerRadius(14);
    panel->setClipsToBounds(true);
    backdrop->panel = panel;
    backdrop->addSubview(panel);

    auto makeLabel = [&](const std::string& text, const Font& font, const Color& color) {
        auto label = kit::make<Label>();
        label->setText(text);
        label->setFont(font);
        label->setTextColor(color);
        label->setTextAlignment(TextAlignment::center);
        label->setNumberOfLines(0);
        label->setLineBreakMode(LineBreakMode::wordWrap);
        panel->addSubview(label);
        return label;
    };
    backdrop->title = makeLabel(titleText, Font::system(17, FontWeight::semibold), Color::whiteColor());
    backdrop->message = makeLabel(messageText, Font::system(13), Color::gray(1, 0.8));

    for (const auto& field : fields) {
        panel->addSubview(field);
        backdrop->fields.push_back(field);
    }

    for (std::size_t i = 0; i < actions.size(); ++i) {
        const auto& action = actions[i];
        auto button = kit::make<Button>();
        button->setTitle(action->title());
        bool cancel = action->style() == AlertActionStyle::cancel;
        button->titleLabel()->setFont(Font::system(17, cancel ? FontWeight::semibold : FontWeight::regular));
        button->setTitleColor(action->style() == AlertActionStyle::destructive ? destructiveColor : actionColor);
        button->setTitleColor(Color::gray(1, 0.3), ControlState::disabled);
        button->setEnabled(action->isEnabled());
        button->addTarget(backdrop.get(), "choose", ControlEvent::touchUpInside, [onChoose, i](Control&) { onChoose(i); });
        panel->addSubview(button);
        backdrop->buttons.push_back(button);
        auto line = kit::make<View>();
        line->setBackgroundColor(lineColor);
        line->setUserInteractionEnabled(false);
        panel->addSubview(line);
        backdrop->lines.push_back(line);
    }
    // Beside a destructive action, the keyboard starts on the safe answer: the other is reached on purpose.
    const auto destroys = [](const auto& a) { return a->style() == AlertActionStyle::destructive; };
    const auto cancels = std::ranges::find_if(actions, [](const auto& a) { return a->style() == AlertActionStyle::cancel; });
    if (cancels != actions.end() && std::ranges::any_of(actions, destroys))
        backdrop->setFirstFocus(backdrop->buttons[std::size_t(cancels - actions.begin())]);
    if (backdrop->buttons.size() == 2 && !actionSheet) {
        auto line = kit::make<View>();
        line->setBackgroundColor(lineColor);
        line->setUserInteractionEnabled(false);
        panel->addSubview(line);
        backdrop->lines.push_back(line);
    }
    return backdrop;
}

std::shared_ptr<TextField> makeAlertTextField() {
    auto field = kit::make<TextField>();
    field->setFont(Font::system(15));
    field->setBorderStyle(TextBorderStyle::roundedRect);
    return field;
}

void setAlertTextFieldText(TextField& field, const std::string& text) { field.setText(text); }

void focusFirstAlertTextField(const std::vector<std::shared_ptr<TextField>>& fields) {
    if (!fields.empty()) fields.front()->becomeFirstResponder();
}

} // namespace kit
