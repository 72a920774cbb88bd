#pragma once
// A failure of the object store or the cloud database, reported as a value.
#include <string>

namespace kit {

struct StoreError {
    std::string domain;       // "ObjectStore", "CloudDatabase", ...
    int code = 0;
    std::string description;  // what went wrong, for people
    std::string userInfo;     // details (file, underlying cause), for the log

    std::string text() const { return description + ", " + userInfo; }
};

} // namespace kit
