#pragma once
// Where the app keeps its files. Follows XDG; one override (as --data-dir does) puts everything in
// one folder, which is also how tests keep their files out of the user's home.
#include <filesystem>
#include <string>
#include <string_view>

namespace kit {

class Paths {
public:
    // The store and the cloud stand-in: $XDG_DATA_HOME/tinctura (~/.local/share/tinctura).
    static std::filesystem::path dataDir();
    // Settings (defaults.json): $XDG_CONFIG_HOME/tinctura (~/.config/tinctura).
    static std::filesystem::path configDir();
    // Saved pictures: the user's pictures folder (XDG_PICTURES_DIR, else ~/Pictures) + "Tinctura".
    static std::filesystem::path picturesDir();
    // Exported files: the user's documents folder (XDG_DOCUMENTS_DIR, else ~/Documents).
    static std::filesystem::path documentsDir();

    // Puts data and settings in `dir`, pictures in `dir`/Pictures and exports in `dir`/Documents.
    // An empty path restores XDG.
    static void setDataDir(const std::filesystem::path& dir);
    static std::filesystem::path dataDirOverride();

    // Changes with every setDataDir, so that holders of open files can notice and reopen.
    static unsigned generation();
};

// Creates a fresh temporary folder, makes it the data dir while it lives, then restores the previous
// setting and removes the folder with everything in it.
class TemporaryDataDir {
public:
    TemporaryDataDir();
    ~TemporaryDataDir();
    TemporaryDataDir(const TemporaryDataDir&) = delete;
    TemporaryDataDir& operator=(const TemporaryDataDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

} // namespace kit
