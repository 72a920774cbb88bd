#include "app/storage/CloudSync.h"

#include "app/storage/StoreNotices.h"
#include "app/ui/Alerts.h"
#include "kit/base/Console.h"
#include "kit/runtime/NotificationCenter.h"
#include "kit/runtime/Timer.h"
#include "kit/store/CloudDatabase.h"
#include "kit/store/CloudMirror.h"
#include "kit/text/Localization.h"
#include "kit/ui/Application.h"

#include <algorithm>
#include <filesystem>
#include <memory>

namespace app {
namespace {

// After a sync that could not reach the server, the next try comes this much later, then twice as late each
// time, while the app is in the foreground, until one gets through.
constexpr double firstRetrySeconds = 2;
constexpr double longestRetrySeconds = 60;

struct SyncWatch {
    std::weak_ptr<kit::ManagedContext> context;
    std::optional<int> toldCode;  // the failure the user was told of, until a sync gets through
    double nextRetry = firstRetrySeconds;
    std::shared_ptr<kit::Timer> retry;

    void tell(int code) {
        if (toldCode == code) return;
        toldCode = code;
        Alerts::shared().showToast(code == kit::CloudErrorCode::notAuthenticated ? cloudLoginRefusedText()
                                                                                 : cloudUnreachableText());
    }

    void scheduleRetry(const std::shared_ptr<SyncWatch>& self) {
        if (retry && retry->isValid()) return;  // one is on its way
        std::weak_ptr<SyncWatch> weak = self;
        retry = kit::Timer::scheduled(nextRetry, false, [weak] {
            auto watch = weak.lock();
            auto context = watch ? watch->context.lock() : nullptr;
            // In the background nothing is tried; the return to the foreground syncs anyway.
            if (!context || kit::Application::shared().state() == kit::ApplicationState::background) return;
            context->fetchCloudChangesInBackground();
        });
        nextRetry = std::min(nextRetry * 2, longestRetrySeconds);
    }

    void gotThrough() {
        toldCode.reset();
        nextRetry = firstRetrySeconds;
        if (retry) retry->invalidate();
    }
};

} // namespace

std::string cloudUnreachableText() {
    return kit::localizedString("Cloud storage is not reachable. Your colors are saved on this device and will be "
                                "sent when it is back.");
}

std::string cloudFileSetAsideText(const std::string& keptPath) {
    return kit::localizedString("The cloud copy of your saved colors could not be read. The old file was kept as") +
           " \"" + std::filesystem::path(keptPath).filename().string() + "\" " +
           kit::localizedString("and a new one was started.");
}

std::string privacyFailureText(const std::string& what, int cloudErrorCode) {
    if (cloudErrorCode == kit::CloudErrorCode::networkUnavailable)
        return kit::localizedString(what) + " " + kit::localizedString("Cloud storage is not reachable.");
    if (cloudErrorCode == kit::CloudErrorCode::notAuthenticated)
        return kit::localizedString(what) + " " + cloudLoginRefusedText();
    return kit::localizedString(what) + " " + kit::localizedString("Please try again later.");
}

void watchCloudSync(kit::ManagedContext& context) {
    // Told once per outage: a sync that gets through makes the next outage worth telling again.
    auto watch = std::make_shared<SyncWatch>();
    watch->context = context.weak_from_this();
    auto notices = std::make_shared<CloudProblemNotices>();
    context.setCloudSyncHandler([watch, notices](const kit::CloudSyncResult& result) {
        notices->tell(result);
        if (result.received) kit::print("Cloud sync: " + std::to_string(result.received) + " records received");
        if (kit::isOutOfReach(result.error)) {
            watch->tell(result.error->code);
            // A refused login is tried again only at a save or sync after the password file changed: a timer
            // would only be refused again.
            if (result.error->code != kit::CloudErrorCode::notAuthenticated) watch->scheduleRetry(watch);
        } else if (!result.error) {
            watch->gotThrough();
        }
        if (result.imported) {
            auto& center = kit::NotificationCenter::defaultCenter();
            center.post("distantUpdate");
            center.post("updateLargeCombinationView");
        }
    });
}

void tellIfCloudFileWasSetAside() {
    if (auto kept = kit::CloudContainer::takeMovedAsideFile()) Alerts::shared().showToast(cloudFileSetAsideText(*kept));
}

} // namespace app
