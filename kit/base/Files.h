#pragma once
// Whole-file writes that never leave a half-written file behind.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace kit {

// Replaces `file` with `bytes` so that readers see either the old or the new content, never a mix:
// a temporary file in the same folder, then renamed over the target.
// On failure nothing is left behind, the old file is untouched, and false is returned with the
// reason in `error` (if given). `Sync::flush` also waits until the data is on the disk, so that it
// survives a power cut (several milliseconds); `Sync::none` is safe against the app crashing.
enum class Sync { flush, none };
bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes, std::string* error = nullptr,
                         Sync sync = Sync::flush);

// Makes `dir` when missing (with its parents) and leaves it to the user alone (0700), one made before
// included: it keeps what the user saves and how to reach their server. False when it cannot be made.
bool makePrivateFolder(const std::filesystem::path& dir);

// Whether the `error` of a failed write says that the disk (or the user's quota) is full: the one
// failure a user can mend by freeing space, and is told so.
bool isDiskFull(std::string_view error);

inline bool writeFileAtomically(const std::filesystem::path& file, std::span<const std::uint8_t> bytes,
                                std::string* error = nullptr, Sync sync = Sync::flush) {
    return writeFileAtomically(file, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                               error, sync);
}

} // namespace kit
