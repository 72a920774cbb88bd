#pragma once
// The tutorial videos: one button per tutorial, each opening its video in the video service's app
// when one is installed, else on the service's web page.
#include "kit/ui/ViewController.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kit {
class Button;
class Label;
class ScrollView;
class View;
} // namespace kit

namespace app {

class VideosVC : public kit::ViewController {
public:
    // The strip that takes the back swipe; it starts 70 pt below the top, clear of the back button.
    std::shared_ptr<kit::View> viewForBackSwipe;

    void viewDidLoad() override;
    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::lightContent; }

    void dcwUsualUseCase(kit::Button& sender);
    void dcwImportColor(kit::Button& sender);
    void dcwExportColor(kit::Button& sender);
    void dcwSaveColorCombination(kit::Button& sender);
    void previewAsAChart(kit::Button& sender);
    void ccExportColor(kit::Button& sender);
    void saveAsImage(kit::Button& sender);
    void cpUsualUseCase(kit::Button& sender);
    void openInDcw(kit::Button& sender);
    void icUsualUseCase(kit::Button& sender);
    void cmUsualUseCase(kit::Button& sender);
    void cmAsLedPanel(kit::Button& sender);
    void mixWithOtherColors(kit::Button& sender);
    void ARStencilUsualUseCase(kit::Button& sender);
    void contrastRatioUsualUseCase(kit::Button& sender);

    // Opens the video: the app URL when something handles its scheme, else the web watch page.
    // When nothing could open it, an alert gives the address to copy.
    void openVideo(std::string_view videoId);

    void backBtn(kit::Button& sender);
    void backBySwipe();

    // The scene's tutorial buttons, top to bottom.
    const std::vector<std::shared_ptr<kit::Button>>& tutorialButtons() const { return buttons_; }
    const std::shared_ptr<kit::Button>& backButton() const { return backButton_; }
    const std::shared_ptr<kit::ScrollView>& listView() const { return list_; }

private:
    void buildScene();
    void showUnopenedLink();
    std::shared_ptr<kit::Button> backButton_;
    std::shared_ptr<kit::Label> titleLabel_;
    std::shared_ptr<kit::ScrollView> list_;
    std::vector<std::shared_ptr<kit::Button>> buttons_;
};

} // namespace app
