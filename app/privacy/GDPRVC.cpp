#include "app/privacy/GDPRVC.h"

#include "app/AppDelegate.h"
#include "app/privacy/DataTransformers.h"
#include "app/privacy/GDPR.h"
#include "app/privacy/PrivacyExport.h"
#include "app/storage/CloudSync.h"
#include "app/settings/BackNavigation.h"
#include "app/ui/Alerts.h"
#include "app/ui/Ext.h"
#include "colour/ThemeColors.h"
#include "kit/base/Console.h"
#include "kit/base/Make.h"
#include "kit/ui/ActivitySheet.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/View.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace app {
namespace {

std::shared_ptr<kit::Button> makeActionButton(const std::string& title, kit::Color background) {
    auto button = kit::make<kit::Button>();
    button->setTitle(title, kit::ControlState::normal);
    button->setTitleColor(kit::Color::whiteColor(), kit::ControlState::normal);
    button->setTitleColor(kit::Color::rgba(1, 1, 1, 0.5), kit::ControlState::highlighted);
    button->titleLabel()->setFont(kit::Font::system(18, kit::FontWeight::medium));
    button->setBackgroundColor(background);
    button->layer()->setCornerRadius(8);
    return button;
}

// The export covers what the cloud database holds: nothing new gets there while cloud storage is off,
// neither in Settings nor for the store the app opened with.
bool cloudStorageIsOff() {
    auto& app = delegate();
    return !app.savedData.icloudStorage && !(app.hasPersistentContainer() && app.persistentContainer().isMirrored());
}

// No piece at all, or only empty lists of records.
bool holdsNoRecord(const std::map<std::string, std::string>& pieces) {
    return std::all_of(pieces.begin(), pieces.end(), [](const auto& piece) {
        const auto records = nlohmann::json::parse(piece.second, nullptr, false);
        return records.is_array() && records.empty();
    });
}

std::string nothingToExportText() {
    return cloudStorageIsOff() ? "Nothing to export: the export holds what is kept in the cloud, and cloud storage is off "
                                 "in Settings."
                               : "Nothing to export: nothing is kept in the cloud yet.";
}

} // namespace

std::optional<std::string> privacyShareText(const std::map<std::string, std::string>& pieces, std::string* error) {
    try {
        return nlohmann::json(pieces).dump(2);
    } catch (const nlohmann::json::exception& e) {
        if (error) *error = e.what();
        return std::nullopt;
    }
}

CloudPrivacy::Metadata GDPRVC::metadata() const { return {{defaultContainer, privacyRecordTypes()}}; }

CloudPrivacy::ContainerNames GDPRVC::containerNameMapping() const { return {{defaultContainer, "default"}}; }

void GDPRVC::viewDidLoad() {
    tellIfCloudFileWasSetAside();
    auto root = view();
    root->setBackgroundColor(colour::screenBackgroundColor());
    std::weak_ptr<GDPRVC> weak = std::static_pointer_cast<GDPRVC>(shared_from_this());

    auto title = makeCenteredLabel("Privacy", kit::Font::system(23, kit::FontWeight::semibold), kit::Color::whiteColor());
    root->addSubview(title);
    anchorWithCenter(*title, root->safeAreaLayoutGuide().topAnchor(), std::nullopt, std::nullopt, std::nullopt,
                     root->centerXAnchor(), std::nullopt, 1, 0, 0, 0, 250, 40);

    auto intro = makeCenteredLabel("With cloud storage on, your saved combinations, color mixes and light sets are also kept "
                           "in your own private cloud database.",
                           kit::Font::system(16), kit::Color::rgba(1, 1, 1, 0.85));
    root->addSubview(intro);
    anchorWithCenter(*intro, title->bottomAnchor(), std::nullopt, std::nullopt, std::nullopt, root->centerXAnchor(),
                     std::nullopt, 30, 0, 0, 0, 310, 0);

    exportButton_ = makeActionButton("Export my data", kit::Color::rgba(0.32181782, 0.34216052, 0.4125536));
    root->addSubview(exportButton_);
    anchorWithCenter(*exportButton_, intro->bottomAnchor(), std::nullopt, std::nullopt, std::nullopt,
                     root->centerXAnchor(), std::nullopt, 34, 0, 0, 0, 280, 50);
    auto exportNote = makeCenteredLabel(
        cloudStorageIsOff() ? "Everything in the cloud as one text, to save or share. Cloud storage is off in Settings, "
                              "so nothing new is kept there."
                            : "Everything in the cloud as one text, to save or share.",
        kit::Font::system(13), kit::Color::rgba(1, 1, 1, 0.55));
    root->addSubview(exportNote);
    anchorWithCenter(*exportNote, exportButton_->bottomAnchor(), std::nullopt, std::nullopt, std::nullopt,
                     root->centerXAnchor(), std::nullopt, 8, 0, 0, 0, 300, 0);

    deleteButton_ = makeActionButton("Delete my data", kit::Color::rgba(0.72, 0.2, 0.22));
    root->addSubview(deleteButton_);
    anchorWithCenter(*deleteButton_, exportNote->bottomAnchor(), std::nullopt, std::nullopt, std::nullopt,
                     root->centerXAnchor(), std::nullopt, 34, 0, 0, 0, 280, 50);
    auto deleteNote = makeCenteredLabel("Deletes it from the cloud, then every saved item on this device. This cannot be "
                                "undone.",
                                kit::Font::system(13), kit::Color::rgba(1, 1, 1, 0.55));
    root->addSubview(deleteNote);
    anchorWithCenter(*deleteNote, deleteButton_->bottomAnchor(), std::nullopt, std::nullopt, std::nullopt,
                     root->centerXAnchor(), std::nullopt, 8, 0, 0, 0, 300, 0);

    backButton_ = addBackButton(*root);
    backButton_->addTarget(this, "backBtn:", kit::ControlEvent::touchUpInside, [weak](kit::Control& sender) {
        if (auto self = weak.lock()) self->backBtn(static_cast<kit::Button&>(sender));
    });
    exportButton_->addTarget(this, "exportData:", kit::ControlEvent::touchUpInside, [weak](kit::Control& sender) {
        if (auto self = weak.lock()) self->exportData(static_cast<kit::Button&>(sender));
    });
    deleteButton_->addTarget(this, "deleteAllData:", kit::ControlEvent::touchUpInside, [weak](kit::Control& sender) {
        if (auto self = weak.lock()) self->deleteAllData(static_cast<kit::Button&>(sender));
    });
}

void GDPRVC::backBtn(kit::Button&) {
    tapHaptic();
    dismissViewController(true);
}

void GDPRVC::exportData(kit::Button&) {
    auto engine = std::make_shared<CloudPrivacy::GDPR>(metadata(), containerNameMapping());
    auto self = std::static_pointer_cast<GDPRVC>(shared_from_this());
    engine->exportData(CloudPrivacy::JSONDataTransformer::shared(),
                       [self](CloudPrivacy::Result<CloudPrivacy::Pieces> result) { self->exportFinished(result); });
}

void GDPRVC::exportFinished(const CloudPrivacy::Result<CloudPrivacy::Pieces>& result) {
    if (!result.isSuccess()) {
        kit::warn("GDPR export data error: " + result.error().description);
        Alerts::shared().showToast(privacyFailureText("Your data could not be exported.", result.error().code));
        return;
    }
    if (holdsNoRecord(result.value())) {
        // An empty file would look like a failed export: say why there is nothing in it instead.
        Alerts::shared().showToast(nothingToExportText());
        return;
    }
    std::string error;
    auto text = privacyShareText(result.value(), &error);
    if (!text) {
        // Handing on an empty text would pass a failed export off as an empty one.
        kit::warn("GDPR export data error: " + error);
        Alerts::shared().showToast(privacyFailureText("Your data could not be exported.", 0));
        return;
    }
    presentViewController(kit::ActivitySheet::make({*text}), true);
}

void GDPRVC::deleteAllData(kit::Button&) {
    auto engine = std::make_shared<CloudPrivacy::GDPR>(metadata(), CloudPrivacy::ContainerNames{});
    auto self = std::static_pointer_cast<GDPRVC>(shared_from_this());
    engine->deleteData([self](CloudPrivacy::Result<CloudPrivacy::DeletedZones> result) {
        self->deleteFinished(result.isSuccess() ? std::nullopt : std::optional(result.error()));
    });
}

void GDPRVC::deleteFinished(const std::optional<CloudPrivacy::Error>& cloudError) {
    if (cloudError) {
        kit::warn("GDPR delete data error: " + cloudError->description);
        Alerts::shared().showToast(privacyFailureText("Your data could not be deleted.", cloudError->code));
        return;
    }
    // "Done!" only when the device's copy is gone too; a failed local deletion is no success.
    if (!delegate().deleteAllLocalData()) {
        kit::warn("GDPR delete data error: Can't delete all local core data.");
        Alerts::shared().showToast(privacyFailureText("Your data could not be deleted.", 0));
        return;
    }
    Alerts::shared().showToast("Done!");
    kit::print("All user's private data deleted.");
}

} // namespace app
