#pragma once
// What the privacy screen exports and deletes: the app's container, named "default", with the record types
// of all three stored entities.
#include "app/privacy/GDPRTypes.h"

namespace app {

inline const std::vector<std::string>& privacyRecordTypes() {
    static const std::vector<std::string> types = {"CD_CustomColorCombination", "CD_LargeCombination", "CD_MixedColor"};
    return types;
}

inline CloudPrivacy::Metadata privacyMetadata() {
    return {{kit::CloudContainer::defaultContainer(), privacyRecordTypes()}};
}

inline CloudPrivacy::ContainerNames privacyContainerNames() {
    return {{kit::CloudContainer::defaultContainer(), "default"}};
}

} // namespace app
