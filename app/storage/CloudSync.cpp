#include "app/storage/CloudSync.h"

#include "app/storage/StoreNotices.h"
#include "app/ui/Alerts.h"
#include "kit/runtime/NotificationCenter.h"
#include "kit/store/CloudDatabase.h"
#include "kit/store/CloudMirror.h"
#include "kit/text/Localization.h"

#include <filesystem>
#include <memory>

namespace app {

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
    return kit::localizedString(what) + " " + kit::localizedString("Please try again later.");
}

void watchCloudSync(kit::ManagedContext& context) {
    // Told once per outage: a sync that gets through makes the next outage worth telling again.
    auto told = std::make_shared<bool>(false);
    auto notices = std::make_shared<CloudProblemNotices>();
    context.setCloudSyncHandler([told, notices](const kit::CloudSyncResult& result) {
        notices->tell(result);
        if (result.error && result.error->code == kit::CloudErrorCode::networkUnavailable) {
            if (!*told) Alerts::shared().showToast(cloudUnreachableText());
            *told = true;
        } else if (!result.error) {
            *told = false;
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
