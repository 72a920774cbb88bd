#include "kit/store/Defaults.h"

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "kit/base/Console.h"
#include "kit/store/Paths.h"

using kit::Defaults;
namespace fs = std::filesystem;

namespace {
std::string readFile(const fs::path& p) {
    std::ifstream in(p);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}
nlohmann::json readJson(const fs::path& p) { return nlohmann::json::parse(readFile(p)); }
} // namespace

TEST(Paths, DataDirPutsEverythingInOneFolderAndRestores) {
    fs::path before = kit::Paths::configDir();
    {
        kit::TemporaryDataDir dir;
        EXPECT_EQ(kit::Paths::dataDir(), dir.path());
        EXPECT_EQ(kit::Paths::configDir(), dir.path());
        EXPECT_EQ(kit::Paths::picturesDir(), dir.path() / "Pictures");
        EXPECT_TRUE(fs::is_directory(dir.path()));
    }
    EXPECT_EQ(kit::Paths::configDir(), before);
    EXPECT_EQ(before.filename(), "tinctura");
}

TEST(Defaults, CoercesBetweenTypesLikeThePlatform) {
    kit::TemporaryDataDir dir;
    auto& d = Defaults::standard();
    d.set(true, "bool");
    d.set(0, "zero");
    d.set(5, "int");
    d.set(-2.9, "double");
    d.set("42abc", "numText");
    d.set("yes", "yesText");
    d.set(std::vector<std::string>{"a", "b"}, "array");

    struct Case {
        const char* key;
        bool b;
        std::int64_t i;
        double d;
        std::optional<std::string> s;
    };
    const Case cases[] = {
        {"bool", true, 1, 1.0, "1"},
        {"zero", false, 0, 0.0, "0"},
        {"int", true, 5, 5.0, "5"},
        {"double", true, -2, -2.9, "-2.9"},
        {"numText", true, 42, 42.0, "42abc"},
        {"yesText", true, 0, 0.0, "yes"},
        {"array", false, 0, 0.0, std::nullopt},
        {"missing", false, 0, 0.0, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(d.boolean(c.key), c.b);
        EXPECT_EQ(d.integer(c.key), c.i);
        EXPECT_DOUBLE_EQ(d.doubleValue(c.key), c.d);
        EXPECT_EQ(d.string(c.key), c.s);
    }
    EXPECT_EQ(d.stringArray("array"), (std::vector<std::string>{"a", "b"}));
    EXPECT_FALSE(d.stringArray("int"));
    EXPECT_FALSE(d.object("missing"));
    EXPECT_FALSE(d.hasValue("missing"));
    d.set(1e300, "huge");
    EXPECT_EQ(d.integer("huge"), std::numeric_limits<std::int64_t>::max());
}

TEST(Defaults, WritesThroughAtEveryChangeAndRegisteredValuesStayInMemory) {
    kit::TemporaryDataDir dir;
    auto& d = Defaults::standard();
    const fs::path file = dir.path() / "defaults.json";
    d.registerDefaults({{"COLOR_FORMAT", 2}, {"SOUND", true}});
    EXPECT_EQ(d.integer("COLOR_FORMAT"), 2);
    EXPECT_FALSE(fs::exists(file)); // registering writes nothing

    d.set(1, "LAUNCHES");
    EXPECT_EQ(readJson(file), (nlohmann::json{{"LAUNCHES", 1}}));
    d.set(0, "COLOR_FORMAT"); // an explicit value wins over the registered one
    EXPECT_EQ(d.integer("COLOR_FORMAT"), 0);
    EXPECT_EQ(readJson(file), (nlohmann::json{{"LAUNCHES", 1}, {"COLOR_FORMAT", 0}}));
    d.remove("COLOR_FORMAT"); // removing shows the registered value again
    EXPECT_EQ(d.integer("COLOR_FORMAT"), 2);
    EXPECT_EQ(readJson(file), (nlohmann::json{{"LAUNCHES", 1}}));
    EXPECT_NE(readFile(file).find("\n    \"LAUNCHES\": 1"), std::string::npos); // pretty printed

    // No temporary files are left beside it, and a fresh store reads the same values back.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    Defaults again(file);
    EXPECT_EQ(again.integer("LAUNCHES"), 1);
    EXPECT_FALSE(again.hasValue("SOUND"));
}

TEST(Defaults, DataDirChangeReopensWithNothingRegistered) {
    {
        kit::TemporaryDataDir dir;
        Defaults::standard().registerDefaults({{"A", 1}});
        Defaults::standard().set(true, "B");
    }
    kit::TemporaryDataDir other;
    EXPECT_FALSE(Defaults::standard().hasValue("A"));
    EXPECT_FALSE(Defaults::standard().hasValue("B"));
    EXPECT_EQ(Defaults::standard().file(), other.path() / "defaults.json");
}

TEST(Defaults, UnreadableFileIsMovedAsideReportedOnceAndKept) {
    kit::TemporaryDataDir dir;
    const fs::path file = dir.path() / "defaults.json";
    // Over-deep and over-large files are unreadable too: building them would fill the disk or the stack.
    const std::string deep = "{\"A\": " + std::string(10'000, '[') + std::string(10'000, ']') + "}";
    const std::string large = "{\"A\": \"" + std::string(5 << 20, 'x') + "\"}";
    // Valid and small, but deeper than settings ever nest: rewritten indented it would multiply.
    const std::string nested = "{\"A\": [[[1, 2]]]}";
    for (const std::string& content : {std::string("{\"A\": 1,"), std::string("[1, 2]"), deep, large, nested}) {
        SCOPED_TRACE(content.substr(0, 40));
        std::ofstream(file) << content;
        kit::ConsoleCapture console;
        Defaults d(file);
        EXPECT_EQ(d.integer("A"), 0);
        d.set(3, "A");
        d.set(4, "A");
        ASSERT_EQ(console.lines().size(), 1u);
        EXPECT_TRUE(console.contains("moved it to"));
        EXPECT_EQ(readJson(file), (nlohmann::json{{"A", 4}}));
        int asideWithContent = 0;
        for (const auto& e : fs::directory_iterator(dir.path()))
            if (e.path().filename().string().starts_with("defaults.json.corrupt-") && readFile(e.path()) == content)
                ++asideWithContent;
        EXPECT_EQ(asideWithContent, 1);
    }
}

TEST(Defaults, TextThatIsNotUtf8IsStoredWithReplacementCharactersAndNeverThrows) {
    kit::TemporaryDataDir dir;
    const fs::path file = dir.path() / "defaults.json";
    {
        Defaults d(file);
        d.set(std::string_view("ok\xff\xfe end"), "text");
        d.set(std::vector<std::string>{"\xc3", "fine"}, "list");
        d.setObject(nlohmann::json{{"inner", "\x80"}}, "object");
        EXPECT_EQ(d.string("text"), "ok\uFFFD\uFFFD end");
        EXPECT_EQ(d.stringArray("list"), (std::vector<std::string>{"\uFFFD", "fine"}));
    }
    Defaults reloaded(file);
    EXPECT_EQ(reloaded.string("text"), "ok\uFFFD\uFFFD end");
    EXPECT_EQ(reloaded.object("object"), (nlohmann::json{{"inner", "\uFFFD"}}));
}

TEST(Defaults, NeverWritesAFileTheLoaderWouldRefuse) {
    kit::TemporaryDataDir dir;
    const fs::path file = dir.path() / "defaults.json";
    kit::ConsoleCapture console;
    {
        Defaults d(file);
        d.set(std::string(3 << 20, 'x'), "big");
        d.set(std::string(1 << 20, 'y'), "more");  // would pass the limit: the file keeps "big" alone
        d.set(std::string(1 << 20, 'z'), "more");
        EXPECT_EQ(d.string("more")->front(), 'z');  // still there until the end of the run
        d.setObject(nlohmann::json::parse("[[[1]]]"), "deep");  // deeper than settings nest: not kept
        EXPECT_FALSE(d.hasValue("deep"));
    }
    EXPECT_LE(fs::file_size(file), 4u << 20);
    EXPECT_EQ(console.lines().size(), 2u);  // one line for the size, one for the nesting
    EXPECT_TRUE(console.contains("larger than 4 MB"));
    Defaults reloaded(file);
    EXPECT_EQ(reloaded.string("big")->size(), 3u << 20);
    EXPECT_FALSE(reloaded.hasValue("more"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(Defaults, UnwritableFolderIsReportedOnceAndValuesStayInMemory) {
    kit::TemporaryDataDir dir;
    const fs::path blocked = dir.path() / "blocked";
    std::ofstream(blocked) << "a file where a folder should be";
    kit::ConsoleCapture console;
    Defaults d(blocked / "defaults.json");
    d.set(1, "A");
    d.set(2, "A");
    EXPECT_EQ(d.integer("A"), 2);
    EXPECT_EQ(console.lines().size(), 1u);
    EXPECT_TRUE(console.contains("cannot save"));
}
