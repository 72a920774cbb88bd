#pragma once

#include <optional>
#include <string>

namespace kit {

// Moves an unreadable store file and its journal files to "<file>.unreadable-<UTC time>[-n]", so a new
// one can start while the user's data stays on disk; gives the new path, or nothing when the move failed.
std::optional<std::string> moveAsideUnreadable(const std::string& path);

} // namespace kit
