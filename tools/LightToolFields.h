#pragma once
// What saving a light set reads of the light tool screen.
#include "tools/LightType.h"

#include <optional>
#include <string>
#include <vector>

namespace tools {

class LightToolFields {
public:
    virtual ~LightToolFields() = default;
    virtual std::optional<std::string> name() const = 0;
    virtual LightType selectedLightType() const = 0;
    virtual double lightPower() const = 0;  // 0 to 1
    // The colours the screen shows, as six-digit hex texts.
    virtual std::vector<std::string> shownColorHexes() const = 0;
};

} // namespace tools
