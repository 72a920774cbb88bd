#pragma once
// The panel of colour slots shared by the camera picker and the photo sampler. N (1...5) counts the
// current slot: slots 1...N-1 are fixed and show their colour code and name; slot N, while N <= 4,
// is the current slot and takes new colours; at N = 5 the four shown slots are all fixed. Every
// shown slot has a grey-value button. The panel owns the slot views, the "Delete"/"Add" row, the
// "CW", editor and save buttons (each screen wires their actions to its own rules), and the
// actions both screens share.
#include "kit/base/Color.h"
#include "kit/ui/Button.h"
#include "kit/ui/StackView.h"
#include "kit/ui/ViewController.h"

#include <array>
#include <memory>
#include <string>

namespace capture {

class SlotPanel {
public:
    // Value-button padding and size: 18 and 48 on a pad held upright, else 10 and 28 (fixed now).
    explicit SlotPanel(kit::ViewController& screen);

    int numberOfColors = 1;
    // color1...color4: the screen background, blue, yellow, cyan until colours come in.
    std::array<kit::Color, 4> colors;

    kit::Color& color(int k) { return colors[static_cast<std::size_t>(k - 1)]; }
    const std::shared_ptr<kit::View>& colorView(int k) const { return colorViews_[static_cast<std::size_t>(k - 1)]; }
    // The label button of slot k since the last rebuild; none for a slot that is not fixed.
    const std::shared_ptr<kit::Button>& labelButton(int k) const { return labelButtons_[static_cast<std::size_t>(k - 1)]; }
    const std::shared_ptr<kit::Button>& valueButton(int k);
    const std::shared_ptr<kit::StackView>& colorsSV() const { return colorsSV_; }
    const std::shared_ptr<kit::StackView>& controlSV() const { return controlSV_; }
    const std::shared_ptr<kit::Button>& addBtn() const { return addBtn_; }
    const std::shared_ptr<kit::Button>& deleteBtn() const { return deleteBtn_; }
    const std::shared_ptr<kit::Button>& openDcwBtn() const { return openDcwBtn_; }
    const std::shared_ptr<kit::Button>& editCCBtn() const { return editCCBtn_; }
    const std::shared_ptr<kit::Button>& saveBtn() const { return saveBtn_; }
    double valueButtonPadding() const { return valueButtonPadding_; }
    double valueButtonSize() const { return valueButtonSize_; }

    // The strip the rebuild brings to the front again (10 points along the left edge).
    void setBackSwipeStrip(std::shared_ptr<kit::View> strip) { backSwipeStrip_ = std::move(strip); }

    // Puts the save button at the right edge level with the back button, the editor button under
    // the back button and "CW" under the save button, all 45 x 40 (each screen wires their actions).
    void placeCornerButtons(kit::View& backBtn);
    // Rebuilds the slots under the control row: views, shadows, label and value buttons.
    void layoutColorSlots();
    // With no colour coming in (no camera picture) there is nothing to fix, save or edit: the rows,
    // slots and corner buttons (but the back button) stay off the screen, through rebuilds too.
    void offerNothing();
    // The current slot takes the colour (nothing at N = 5).
    void updateCurrentSlot(const kit::Color& color);
    // The current slot's value button shows the current slot's grey, while it is on screen.
    void refreshCurrentValueButton();
    // Colour code, then " | " and the name when the chosen catalogue has one; empty outside 1...4.
    std::string colorLabelText(int k) const;

    // Copies colour k (label buttons) or the grey of value button `tag` to the pasteboard.
    void colorLblTapped(int k);
    void copyValueColor(int tag);
    // Two or more fixed colours become a combination, else colour 1 a single colour (throttled).
    void saveColors();
    // Pushes the combination editor with the N-1 fixed colours.
    void openEditor();
    // Colour 1 becomes the colour buffer; pushes the digital wheel starting from it.
    void openInColorWheel();
    // The refusal cue: up to 1.2 and back.
    static void pulse(kit::View& view);

private:
    std::shared_ptr<kit::View> root() const;
    std::shared_ptr<kit::Button> makeLabelButton(int k);

    std::weak_ptr<kit::ViewController> screen_;
    std::array<std::shared_ptr<kit::View>, 4> colorViews_;
    std::array<std::shared_ptr<kit::Button>, 4> labelButtons_;
    std::array<std::shared_ptr<kit::Button>, 4> valueButtons_;
    std::shared_ptr<kit::StackView> colorsSV_;
    std::shared_ptr<kit::StackView> controlSV_;
    std::shared_ptr<kit::Button> addBtn_, deleteBtn_, openDcwBtn_, editCCBtn_, saveBtn_;
    std::shared_ptr<kit::View> backSwipeStrip_;
    double valueButtonPadding_ = 10;
    double valueButtonSize_ = 28;
    bool offersNothing_ = false;
};

} // namespace capture
