#pragma once
// A small drop-down: one button showing the chosen title; a tap opens a column of one button per
// title; a tap on a row chooses it (the delegate hears of it) and closes the column, a tap elsewhere
// on the parent view closes it without a choice. Every change rebuilds the shown views.
#include "kit/base/Color.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kit {
class Button;
class StackView;
class TapGesture;
class View;
} // namespace kit

namespace app {

enum class DropDownMenuStickTo { left, top };

class DropDownMenuDelegate {
public:
    virtual ~DropDownMenuDelegate() = default;
    virtual void didSelectElement(int index) = 0;
};

class DropDownMenuDelegate2 {
public:
    virtual ~DropDownMenuDelegate2() = default;
    virtual void didSelectElement(int index) = 0;
};

// The two menus differ only in the kind of delegate they tell.
template <class Delegate>
class BasicDropDownMenu : public std::enable_shared_from_this<BasicDropDownMenu<Delegate>> {
public:
    BasicDropDownMenu(std::shared_ptr<kit::View> parentView, std::optional<DropDownMenuStickTo> stickTo,
                      std::shared_ptr<kit::View> yCenterTo, std::vector<std::string> elementsTitles,
                      int selectedElement, kit::Color backgroundColor, kit::Color textColor, bool withRoundedCorners,
                      bool rounded, double paddingTop, double paddingRight, double menuWidth, double menuHeight,
                      double fontSize, double cornerRadius);
    void initialize();

    std::weak_ptr<Delegate> delegate;

    void showDropDownMenu();
    void buttonPressed(kit::Button& sender);
    void tapCloseMenu();

    // The closed button's title colour, for a menu laid over a colour that changes; the open rows
    // keep the menu's own, over their opaque background.
    void setClosedTextColor(const kit::Color& color);

    bool isOpen() const { return isOpen_; }
    int selectedElement() const { return selectedElement_; }
    const std::shared_ptr<kit::Button>& menuButton() const { return menuButton_; }
    const std::shared_ptr<kit::StackView>& buttonsStack() const { return buttonsStack_; }
    const std::shared_ptr<kit::TapGesture>& closeTGR() const { return closeTGR_; }
    const std::vector<std::string>& elementsTitles() const { return elementsTitles_; }

private:
    std::shared_ptr<kit::Button> makeRow(int index);
    kit::Color openRowColor() const;
    void round(kit::View& view);

    std::weak_ptr<kit::View> parentView_;
    std::optional<DropDownMenuStickTo> stickTo_;
    std::weak_ptr<kit::View> yCenterTo_;
    double paddingTop_, paddingRight_, menuWidth_, menuHeight_, fontSize_;
    kit::Color backgroundColor_, textColor_;
    std::optional<kit::Color> closedTextColor_;
    bool withRoundedCorners_;
    double cornerRadius_;
    bool rounded_;
    std::vector<std::string> elementsTitles_;
    int selectedElement_;
    std::shared_ptr<kit::Button> menuButton_;
    std::shared_ptr<kit::StackView> buttonsStack_;
    std::shared_ptr<kit::TapGesture> closeTGR_;
    bool isOpen_ = false;
};

using DropDownMenu = BasicDropDownMenu<DropDownMenuDelegate>;
using DropDownMenu2 = BasicDropDownMenu<DropDownMenuDelegate2>;

extern template class BasicDropDownMenu<DropDownMenuDelegate>;
extern template class BasicDropDownMenu<DropDownMenuDelegate2>;

} // namespace app
