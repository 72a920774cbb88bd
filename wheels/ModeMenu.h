#pragma once
// The drop-down mode menu of the wheel screens: a rounded frame holding one button per mode, hung
// over the round mode button it replaces while open; a tap anywhere on the screen then closes it.
#include "kit/ui/Button.h"
#include "kit/ui/StackView.h"
#include "kit/ui/TapGesture.h"
#include "kit/ui/ViewController.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace wheels {

// The round, white-bordered button naming the current mode ("Complementary" until one is chosen).
std::shared_ptr<kit::Button> makeModeNowButton(const kit::Color& background);
// Puts it 240 x 60 at the top centre, just below the safe area.
void placeModeNowButton(kit::View& root, const std::shared_ptr<kit::Button>& button);

class ModeMenu {
public:
    ModeMenu();

    const std::shared_ptr<kit::View>& frame() const { return frame_; }
    const std::shared_ptr<kit::StackView>& stack() const { return stack_; }

    // Takes the frame off the screen and drops the mode buttons (a rebuild adds them anew).
    void clear();
    // Appends one button per English title; `select` runs with the tapped one.
    void addModeButtons(const std::vector<std::string>& englishTitles, std::function<void(kit::Button&)> select);
    // Places the frame, 240 wide and `height` tall, top-aligned with the mode button and centred on
    // the root, hidden until opened.
    void hang(kit::View& root, kit::View& modeButton, double height);
    // Shows the menu in place of the mode button; a tap on the screen then runs `onTap` while the
    // screen lives.
    void open(kit::ViewController& screen, kit::Button& modeButton, std::function<void()> onTap);
    // Shows the mode button again, hides the menu and stops listening for the closing tap.
    void close(kit::View& root, kit::Button& modeButton);

private:
    std::shared_ptr<kit::View> frame_;
    std::shared_ptr<kit::StackView> stack_;
    std::shared_ptr<kit::TapGesture> tap_;
};

} // namespace wheels
