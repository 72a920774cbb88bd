#pragma once
// The custom-hue screen: up to four colours picked by touching a hue-saturation disc, shown as
// bands with their codes and grey values, saved, copied, edited or opened in the digital wheel.
#include "app/ui/InfoView.h"
#include "kit/ui/ActivityIndicator.h"
#include "kit/ui/Button.h"
#include "kit/ui/ImageView.h"
#include "kit/ui/StackView.h"
#include "kit/ui/TextView.h"
#include "kit/ui/ViewController.h"
#include "wheels/WheelFit.h"
#include "wheels/Widgets.h"

#include <array>
#include <memory>

namespace wheels {

class HueVC : public kit::ViewController, public app::InfoViewDelegate {
public:
    HueVC();

    std::array<kit::Color, 4> colors;
    // The live slot, 1...5: slots below it are fixed; 5 means four fixed colours and no live slot.
    int numberOfColors = 1;
    bool isAnyColorSelected = false;

    const std::shared_ptr<kit::ImageView>& imageView() const { return imageView_; }
    const std::shared_ptr<kit::Button>& addBtn();
    const std::shared_ptr<kit::Button>& deleteBtn();
    const std::shared_ptr<kit::Button>& backBtn();
    const std::shared_ptr<kit::Button>& saveBtn();
    const std::shared_ptr<kit::Button>& editCCBtn();
    const std::shared_ptr<kit::Button>& openDcwBtn();
    const std::shared_ptr<kit::Button>& valueButton(int n);
    const std::shared_ptr<kit::Button>& clrBtn(int n) const { return clrBtns_[static_cast<std::size_t>(n - 1)]; }
    const std::shared_ptr<kit::View>& colorView(int n) const { return colorViews_[static_cast<std::size_t>(n - 1)]; }
    const std::shared_ptr<DrawCircle>& circle(int n) const { return circles_[static_cast<std::size_t>(n - 1)]; }
    const std::shared_ptr<kit::TextView>& instructionText() const { return instructionText_; }
    const std::shared_ptr<kit::StackView>& colorsSV() const { return colorsSV_; }

    // Where a touch on the disc reads its colour (in the image view) and what it does with it.
    void pickAt(kit::Point pointInImageView);
    void applyPickedColor(const kit::Color& color, kit::Point pointInImageView);
    void refreshColors();
    void addColor();
    void deleteColor();
    void saveColorCombination();
    void editCCTapped();
    void openDcwTapped();
    void colorLblTapped(int n);
    void valueButtonPressed(int tag);
    void showInfo();

    void loadView() override;
    void viewDidLoad() override;
    void viewDidLayoutSubviews() override;
    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::lightContent; }
    void touchesBegan(const kit::TouchSet& touches, const kit::Event& event) override;
    void touchesMoved(const kit::TouchSet& touches, const kit::Event& event) override;
    void infoViewDidClose() override { infoView_.reset(); }
    const std::shared_ptr<app::InfoView>& infoView() const { return infoView_; }

private:
    void pickAtTouch(const kit::TouchSet& touches);
    void placeMarker(int slot, kit::Point p, const kit::Color& color);
    // Each marker on its place of the disc, wherever the disc is now.
    void placeMarkers();
    void addPulse();
    void fitDisc();

    std::array<std::shared_ptr<kit::View>, 4> colorViews_;
    std::array<std::shared_ptr<kit::Button>, 4> clrBtns_;
    std::shared_ptr<kit::ImageView> imageView_;
    std::shared_ptr<kit::Button> addBtn_, deleteBtn_, backBtn_, saveBtn_, editCCBtn_, openDcwBtn_;
    std::array<std::shared_ptr<kit::Button>, 4> valueButtons_;
    std::shared_ptr<kit::StackView> colorsSV_, controlSV_;
    std::shared_ptr<kit::ActivityIndicator> loadIndicator_;
    std::shared_ptr<kit::View> viewForBackSwipe_;
    std::shared_ptr<kit::TextView> instructionText_;
    std::array<std::shared_ptr<DrawCircle>, 4> circles_;
    std::array<kit::Point, 4> markerSpots_{};  // offsets from the disc's centre, over its side
    std::shared_ptr<app::InfoView> infoView_;
    std::shared_ptr<kit::layout::Constraint> discTop_, discLeft_, discRight_, discHeight_;
    DiscSpace lastDiscSpace_;
};

} // namespace wheels
