#pragma once
// What the user is told about the store beyond a failed save: a fetch that failed (shown as an empty
// list it would read as "nothing saved") and a store that can only be read.
#include "kit/store/StoreError.h"

#include <string>

namespace app {

std::string savedListUnavailableText();
// Logs the error and shows the toast.
void reportFetchFailure(const kit::StoreError& error);
std::string storeReadOnlyText(const std::string& storePath);
// The cloud database server refused the login: where the password goes.
std::string cloudLoginRefusedText();

} // namespace app
