#include "app/menus/VideosVC.h"

#include "app/menus/TutorialListView.h"
#include "app/menus/VideoLinks.h"
#include "app/settings/BackNavigation.h"
#include "app/ui/Ext.h"
#include "colour/ThemeColors.h"
#include "kit/base/Make.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Application.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/View.h"

namespace app {
namespace {

using Action = void (VideosVC::*)(kit::Button&);

struct Tutorial {
    const char* caption;  // a section caption when action is null
    Action action;
};

const Tutorial scene[] = {
    {"Digital color wheel", nullptr},
    {"Usual use", &VideosVC::dcwUsualUseCase},
    {"Import a color", &VideosVC::dcwImportColor},
    {"Export a color", &VideosVC::dcwExportColor},
    {"Save a color combination", &VideosVC::dcwSaveColorCombination},
    {"Color combinations", nullptr},
    {"Preview as a chart", &VideosVC::previewAsAChart},
    {"Export a color", &VideosVC::ccExportColor},
    {"Save as image", &VideosVC::saveAsImage},
    {"Color picker and image colors", nullptr},
    {"Color picker: usual use", &VideosVC::cpUsualUseCase},
    {"Open a color in the digital wheel", &VideosVC::openInDcw},
    {"Image colors: usual use", &VideosVC::icUsualUseCase},
    {"Color mixing", nullptr},
    {"Usual use", &VideosVC::cmUsualUseCase},
    {"Use as a light panel", &VideosVC::cmAsLedPanel},
    {"Mix with other colors", &VideosVC::mixWithOtherColors},
    {"More tools", nullptr},
    {"AR stencil", &VideosVC::ARStencilUsualUseCase},
    {"Contrast ratio", &VideosVC::contrastRatioUsualUseCase},
};

} // namespace

void VideosVC::viewDidLoad() {
    buildScene();
    std::weak_ptr<VideosVC> weak = std::static_pointer_cast<VideosVC>(shared_from_this());
    viewForBackSwipe = addBackSwipeStrip(*view(), 70, [weak] {
        if (auto self = weak.lock()) self->backBySwipe();
    });
    // Above the strip, so that the whole button takes taps.
    backButton_ = addBackButton(*view());
    backButton_->addTarget(this, "backBtn:", kit::ControlEvent::touchUpInside, [weak](kit::Control& sender) {
        if (auto self = weak.lock()) self->backBtn(static_cast<kit::Button&>(sender));
    });
}

void VideosVC::buildScene() {
    auto root = view();
    root->setBackgroundColor(colour::screenBackgroundColor());
    std::weak_ptr<VideosVC> weak = std::static_pointer_cast<VideosVC>(shared_from_this());

    titleLabel_ = kit::make<kit::Label>();
    titleLabel_->setText("Video instructions");
    titleLabel_->setFont(kit::Font::system(23, kit::FontWeight::semibold));
    titleLabel_->setTextColor(kit::Color::whiteColor());
    titleLabel_->setTextAlignment(kit::TextAlignment::center);
    root->addSubview(titleLabel_);
    anchorWithCenter(*titleLabel_, root->safeAreaLayoutGuide().topAnchor(), std::nullopt, std::nullopt, std::nullopt,
                     root->centerXAnchor(), std::nullopt, 1, 0, 0, 0, 260, 40);

    list_ = kit::make<TutorialListView>();
    auto& list = static_cast<TutorialListView&>(*list_);
    root->addSubview(list_);
    // The list scrolls above the home indicator, so that its last rows can be reached in full.
    anchor(*list_, titleLabel_->bottomAnchor(), root->leftAnchor(), root->safeAreaLayoutGuide().bottomAnchor(),
           root->rightAnchor(), 12);
    for (const auto& row : scene) {
        if (!row.action) {
            list.addCaption(row.caption);
            continue;
        }
        auto button = list.addTutorial(row.caption);
        button->addTarget(this, row.caption, kit::ControlEvent::touchUpInside,
                          [weak, action = row.action](kit::Control& sender) {
                              if (auto self = weak.lock()) ((*self).*action)(static_cast<kit::Button&>(sender));
                          });
        buttons_.push_back(button);
    }

}

void VideosVC::openVideo(std::string_view videoId) {
    auto url = VideoLinks::appURL(videoId);
    if (!url) return;
    auto& application = kit::Application::shared();
    if (!application.canOpenURL(*url)) {
        if (auto web = VideoLinks::webURL(videoId)) url = web;
    }
    std::weak_ptr<VideosVC> weak = std::static_pointer_cast<VideosVC>(shared_from_this());
    application.openURL(*url, [weak](bool opened) {
        if (opened) return;
        if (auto self = weak.lock()) self->showUnopenedLink();
    });
}

void VideosVC::showUnopenedLink() {
    // No address to copy or go to later: there are no tutorial videos behind the links yet.
    auto alert = kit::AlertController::make("Could not open the link", "No web browser could be started.");
    alert->addAction(kit::AlertAction::make("OK", kit::AlertActionStyle::cancel));
    presentViewController(alert, true);
}

void VideosVC::dcwUsualUseCase(kit::Button&) { openVideo(VideoLinks::ids::dcwUsualUseCase); }
void VideosVC::dcwImportColor(kit::Button&) { openVideo(VideoLinks::ids::dcwImportColor); }
void VideosVC::dcwExportColor(kit::Button&) { openVideo(VideoLinks::ids::dcwExportColor); }
void VideosVC::dcwSaveColorCombination(kit::Button&) { openVideo(VideoLinks::ids::dcwSaveColorCombination); }
void VideosVC::previewAsAChart(kit::Button&) { openVideo(VideoLinks::ids::previewAsAChart); }
void VideosVC::ccExportColor(kit::Button&) { openVideo(VideoLinks::ids::ccExportColor); }
void VideosVC::saveAsImage(kit::Button&) { openVideo(VideoLinks::ids::saveAsImage); }
void VideosVC::cpUsualUseCase(kit::Button&) { openVideo(VideoLinks::ids::cpUsualUseCase); }
void VideosVC::openInDcw(kit::Button&) { openVideo(VideoLinks::ids::openInDcw); }
void VideosVC::icUsualUseCase(kit::Button&) { openVideo(VideoLinks::ids::icUsualUseCase); }
void VideosVC::cmUsualUseCase(kit::Button&) { openVideo(VideoLinks::ids::cmUsualUseCase); }
void VideosVC::cmAsLedPanel(kit::Button&) { openVideo(VideoLinks::ids::cmAsLedPanel); }
void VideosVC::mixWithOtherColors(kit::Button&) { openVideo(VideoLinks::ids::mixWithOtherColors); }
void VideosVC::ARStencilUsualUseCase(kit::Button&) { openVideo(VideoLinks::ids::arStencilUsualUseCase); }
void VideosVC::contrastRatioUsualUseCase(kit::Button&) { openVideo(VideoLinks::ids::contrastRatioUsualUseCase); }

void VideosVC::backBtn(kit::Button&) { backBtnTapped(*this); }
void VideosVC::backBySwipe() { app::backBySwipe(*this); }

} // namespace app
