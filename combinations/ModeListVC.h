#pragma once
// A list screen whose kind of content is chosen from a drop-down mode menu: the back button and the
// left-edge back swipe, the mode button above the list, the menu hung over it, and the info button
// with its "How to use" overlay. The screens add what they list and how a choice is applied.
#include "app/ui/InfoView.h"
#include "kit/ui/CollectionView.h"
#include "kit/ui/ViewController.h"

#include <memory>
#include <string>
#include <vector>

namespace kit {
class Button;
class StackView;
class TapGesture;
} // namespace kit

namespace combinations {

class ModeListVC : public kit::ViewController,
                   public app::InfoViewDelegate,
                   public kit::CollectionViewDataSource,
                   public kit::CollectionViewDelegate {
public:
    const std::string cellId = "cellId";
    std::shared_ptr<kit::TapGesture> tap;
    std::shared_ptr<kit::Button> backBtn;
    std::shared_ptr<kit::Button> modeNowBtn;
    std::shared_ptr<kit::View> menuStackView;
    std::shared_ptr<kit::StackView> modeNowMenuStack;
    std::shared_ptr<kit::CollectionView> collectionView;
    std::shared_ptr<app::InfoView> infoView;
    std::shared_ptr<kit::Button> infoBtn;
    std::shared_ptr<kit::View> viewForBackSwipe;

    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::lightContent; }

    void openModeNowMenu();
    void handleTap();
    virtual void selectModeWithButton(const kit::Button* sender) = 0;
    void showInfo();
    void infoViewDidClose() override { infoView.reset(); }

protected:
    explicit ModeListVC(std::shared_ptr<kit::CollectionView> list);

    // The body of the "How to use" overlay.
    virtual std::string howToUseText() const = 0;

    // A right swipe on the back-swipe strip pops the screen.
    void installBackSwipe();
    // The back, mode and info buttons with their actions; the mode button is the rounded white
    // title on translucent grey.
    void makeButtons();
    // Lists this screen as the list's data source and delegate, bouncing vertically.
    void serveList();
    // Lays out the mode button (`width` wide) above the list, the menu of `modeTitles` hung over the
    // mode button (`width` x `menuHeight`, hidden), the back-swipe strip, and the back and info
    // buttons in the top corners.
    void layOut(const std::vector<std::string>& modeTitles, double width, double menuHeight);
    // Shows the mode button again and hides the menu; with `closingInfo` the info overlay closes too.
    void closeMenu(bool closingInfo);
};

} // namespace combinations
