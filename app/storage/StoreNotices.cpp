#include "app/storage/StoreNotices.h"

#include "app/ui/Alerts.h"
#include "kit/base/Console.h"
#include "kit/store/CloudDatabase.h"
#include "kit/text/Localization.h"

#include <filesystem>

namespace app {

std::string savedListUnavailableText() { return kit::localizedString("The saved colors could not be read."); }

std::string storeReadOnlyText(const std::string& storePath) {
    return kit::localizedString("Saving is off: the folder of the saved colors cannot be written to") + " (" +
           std::filesystem::path(storePath).parent_path().string() + "). " +
           kit::localizedString("Saved colors can still be viewed.");
}

std::string storeDiskFullText(const std::string& storePath) {
    return kit::localizedString("Saving is off: the disk of the saved colors is full") + " (" +
           std::filesystem::path(storePath).parent_path().string() + "). " +
           kit::localizedString("Saved colors can still be viewed.");
}

std::string notSavedDiskFullText() {
    return kit::localizedString("The color has not been saved: the disk is full. Free some space and try again.");
}

std::string cloudLoginRefusedText() {
    return kit::localizedString("The cloud server refused the login. Put the password in ~/.pgpass and save again, "
                                "or in PGPASSWORD and restart Tinctura.");
}

void reportFetchFailure(const kit::StoreError& error) {
    kit::warn("Fetch failed: " + error.text());
    Alerts::shared().showToast(savedListUnavailableText());
}

bool isCloudUnusable(const kit::StoreError& error) {
    return error.code == kit::CloudErrorCode::incompatibleVersion || error.code == kit::CloudErrorCode::badDatabase;
}

// Short enough for a toast; what exactly is wrong goes to the console with each failed sync.
std::string cloudUnusableText(const kit::StoreError& error) {
    return kit::localizedString("Cloud storage cannot be used:") + " " +
           (error.code == kit::CloudErrorCode::incompatibleVersion
                ? kit::localizedString("its server has a newer version. Update Tinctura to use it.")
                : kit::localizedString("the server's database is damaged. Ask for it to be repaired."));
}

std::string cloudRecordsSkippedText(std::size_t count) {
    if (count == 1)
        return kit::localizedString("1 saved color in the cloud cannot be read. It was left out and stays on the server.");
    return std::to_string(count) + " " +
           kit::localizedString("saved colors in the cloud cannot be read. They were left out and stay on the server.");
}

void CloudProblemNotices::tell(const kit::CloudSyncResult& result) {
    if (result.skipped) Alerts::shared().showToast(cloudRecordsSkippedText(result.skipped));
    if (!result.error) {
        toldUnusable_.clear();
        return;
    }
    if (!isCloudUnusable(*result.error)) return;
    const auto text = cloudUnusableText(*result.error);
    if (text == toldUnusable_) return;
    toldUnusable_ = text;
    Alerts::shared().showToast(text);
}

} // namespace app
