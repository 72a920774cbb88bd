#pragma once
// What the user is told about the store beyond a failed save: a fetch that failed (shown as an empty
// list it would read as "nothing saved"), a store that can only be read, cloud storage that cannot be used
// at all, and saved colors of the cloud that were left out because they cannot be read.
#include "kit/store/CloudMirror.h"
#include "kit/store/StoreError.h"

#include <cstddef>

#include <string>

namespace app {

std::string savedListUnavailableText();
// Logs the error and shows the toast.
void reportFetchFailure(const kit::StoreError& error);
std::string storeReadOnlyText(const std::string& storePath);
// The same two notices when the cause is a full disk: freeing space mends it.
std::string storeDiskFullText(const std::string& storePath);
std::string notSavedDiskFullText();

// Whether the error says the server's tables are damaged or of a newer version: no sync gets through until
// someone acts, so the user hears what to do.
bool isCloudUnusable(const kit::StoreError& error);
std::string cloudUnusableText(const kit::StoreError& error);
std::string cloudRecordsSkippedText(std::size_t count);

// Tells the user of the cloud problems that waiting does not mend, each once: cloud storage that cannot be
// used (again after a sync has got through), and each record that cannot be read.
class CloudProblemNotices {
public:
    void tell(const kit::CloudSyncResult& result);

private:
    std::string toldUnusable_;
};

// The cloud database server refused the login: where the password goes.
std::string cloudLoginRefusedText();

} // namespace app
