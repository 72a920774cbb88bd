#pragma once
// The app's side of cloud storage: a mirrored store syncs in the background, the lists refresh when the
// cloud's changes arrive, and the user hears once that the cloud is out of reach (saves stay on the device
// and go up later) and when an unreadable cloud file was set aside.
#include "kit/store/ManagedContext.h"
#include "kit/store/StoreError.h"

#include <string>

namespace app {

void watchCloudSync(kit::ManagedContext& context);
// Tells the user, once, that the cloud stand-in file could not be read and was kept aside.
void tellIfCloudFileWasSetAside();

std::string cloudUnreachableText();
std::string cloudFileSetAsideText(const std::string& keptPath);
// The privacy screen's failure texts: what could not be done, and why when the cloud was out of reach.
std::string privacyFailureText(const std::string& what, int cloudErrorCode);

} // namespace app
