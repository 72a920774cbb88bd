#pragma once
// The "Get color from" sheet the tools share: hex text, RGB text, a built-in colour set or the
// saved single colours. Whatever the entry, the chosen colour goes to `apply`; an invalid hex
// entry (or white or black) does nothing.
#include "kit/base/Color.h"

#include <functional>
#include <memory>

namespace kit {
class ViewController;
} // namespace kit

namespace tools {

using ApplyColor = std::function<void(const kit::Color&)>;

// Haptic tap, then the sheet, presented by the host.
void showImportSheet(const std::shared_ptr<kit::ViewController>& host, ApplyColor apply);
void showHexEntry(const std::shared_ptr<kit::ViewController>& host, ApplyColor apply);
void showRgbEntry(const std::shared_ptr<kit::ViewController>& host, ApplyColor apply);
void showSwatchSets(const std::shared_ptr<kit::ViewController>& host, ApplyColor apply);

} // namespace tools
