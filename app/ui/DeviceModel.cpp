#include "app/ui/DeviceModel.h"

#include <array>

namespace app {
namespace {

constexpr std::array<std::string_view, modelCount> rawValues = {
    "simulator/sandbox",
    "iPod 1", "iPod 2", "iPod 3", "iPod 4", "iPod 5",
    "iPad 2", "iPad 3", "iPad 4",
    "iPad Air ", "iPad Air 2", "iPad Air 3",
    "iPad 5", "iPad 6", "iPad 7",
    "iPad Mini", "iPad Mini 2", "iPad Mini 3", "iPad Mini 4", "iPad Mini 5",
    "iPad Pro 9.7\"", "iPad Pro 10.5\"", "iPad Pro 11\"", "iPad Pro 12.9\"", "iPad Pro 2 12.9\"", "iPad Pro 3 12.9\"",
    "iPhone 4", "iPhone 4S", "iPhone 5", "iPhone 5S", "iPhone 5C", "iPhone 6", "iPhone 6 Plus", "iPhone 6S",
    "iPhone 6S Plus", "iPhone SE", "iPhone 7", "iPhone 7 Plus", "iPhone 8", "iPhone 8 Plus", "iPhone X",
    "iPhone XS", "iPhone XS Max", "iPhone XR",
    "Apple TV", "Apple TV 4K",
    "?unrecognized?",
};

} // namespace

std::string_view rawValue(Model model) { return rawValues[static_cast<std::size_t>(model)]; }

std::optional<Model> modelFromRawValue(std::string_view text) {
    for (std::size_t i = 0; i < rawValues.size(); ++i)
        if (rawValues[i] == text) return static_cast<Model>(i);
    return std::nullopt;
}

} // namespace app
