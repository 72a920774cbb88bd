#include "app/storage/StoreNotices.h"

#include "app/ui/Alerts.h"
#include "kit/base/Console.h"
#include "kit/text/Localization.h"

#include <filesystem>

namespace app {

std::string savedListUnavailableText() { return kit::localizedString("The saved colors could not be read."); }

std::string storeReadOnlyText(const std::string& storePath) {
    return kit::localizedString("Saving is off: the folder of the saved colors cannot be written to") + " (" +
           std::filesystem::path(storePath).parent_path().string() + "). " +
           kit::localizedString("Saved colors can still be viewed.");
}

std::string cloudLoginRefusedText() {
    return kit::localizedString("The cloud server refused the login. Put the password in ~/.pgpass or PGPASSWORD.");
}

void reportFetchFailure(const kit::StoreError& error) {
    kit::warn("Fetch failed: " + error.text());
    Alerts::shared().showToast(savedListUnavailableText());
}

} // namespace app
