// The settings file as the user may leave it: any bytes load (or are set aside), every typed read
// of the app's keys answers, and what was read survives a write and a reload unchanged.
#include "FuzzCheck.h"
#include "app/SavedData.h"
#include "kit/base/Console.h"
#include "kit/store/Defaults.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* const keys[] = {
    app::Keys::appOpenTimes,      app::Keys::userLeaveRating,   app::Keys::disablePolls,
    app::Keys::colorFormat,       app::Keys::colorNameFormat,   app::Keys::isAdjustableSchemas,
    app::Keys::cloudStorage,      app::Keys::lastColorMixingMode, app::Keys::lastColorMixing,
    app::Keys::lastDcwCombination, app::Keys::lastSwatch,       app::Keys::colorGroupNumberOfColors,
    app::Keys::contrastRatioColor1, "", "a"};

struct Reading {
    bool present, flag;
    std::int64_t integer;
    double number;
    std::optional<std::string> text;
    std::optional<std::vector<std::string>> list;
    bool operator==(const Reading& o) const {
        const bool sameNumber = number == o.number || (std::isnan(number) && std::isnan(o.number));
        return present == o.present && flag == o.flag && integer == o.integer && sameNumber && text == o.text &&
               list == o.list;
    }
};

Reading read(const kit::Defaults& d, const char* key) {
    (void)d.object(key);
    return {d.hasValue(key), d.boolean(key), d.integer(key), d.doubleValue(key), d.string(key), d.stringArray(key)};
}

fs::path folder;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char pattern[] = "/tmp/tinctura-fuzz-settings-XXXXXX";
    if (!mkdtemp(pattern)) std::abort();
    folder = pattern;
    std::atexit([] {
        std::error_code ec;
        fs::remove_all(folder, ec);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kit::ConsoleCapture quiet;
    for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
    const fs::path file = folder / "defaults.json";
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(data), std::streamsize(size));

    std::vector<Reading> before;
    {
        kit::Defaults settings(file);
        for (const char* key : keys) before.push_back(read(settings, key));
        // A start writes its counter back, the way the app does; the file is rewritten whole.
        settings.set(settings.integer(app::Keys::appOpenTimes) > 0 ? 1 : 2, "FUZZ_WRITTEN");
        settings.set(std::string_view(reinterpret_cast<const char*>(data), size), "FUZZ_TEXT");
    }
    kit::Defaults reloaded(file);
    for (std::size_t i = 0; i < std::size(keys); ++i) FUZZ_CHECK(read(reloaded, keys[i]) == before[i]);
    FUZZ_CHECK(reloaded.hasValue("FUZZ_WRITTEN"));
    return 0;
}
