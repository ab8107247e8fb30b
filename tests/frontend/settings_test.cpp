// The settings' values and their checks, kept in a store of the test's own: what a damaged value
// does, and a store that cannot be read or written.

#include "frontend/settings/settings.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "frontend/settings/languages.h"

namespace verminadia::frontend {
namespace {

struct MemoryStore final : SettingsStore {
    std::map<std::string, std::string, std::less<>> values;
    bool canRead = true, canSave = true;

    std::optional<std::string> value(std::string_view key) const override {
        const auto it = values.find(key);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    void setValue(std::string_view key, const std::string& value) override { values[std::string(key)] = value; }
    bool save() override { return canSave; }
    bool readable() const override { return canRead; }
    std::string where() const override { return "the test's store"; }
};

struct Saved : ::testing::Test {
    MemoryStore store;
    std::ostringstream said;
    Settings settings{store, said};

    // What was said: one line, starting with the program's name.
    std::string oneLine() {
        std::string s = said.str();
        said.str({});
        EXPECT_EQ(std::count(s.begin(), s.end(), '\n'), 1) << s;
        EXPECT_EQ(s.rfind("verminadia: ", 0), 0u) << s;
        return s;
    }
};

TEST_F(Saved, ComeBackAsTheyWereSetAndDefaultToOneTimesInAWindow) {
    EXPECT_EQ(settings.view(), ViewChoice{});
    EXPECT_FALSE(settings.muted());
    EXPECT_EQ(settings.language(), "");
    settings.setView({3, true});
    settings.setMuted(true);
    settings.setLanguage("en");
    EXPECT_EQ(settings.view(), (ViewChoice{3, true}));
    EXPECT_TRUE(settings.muted());
    EXPECT_EQ(settings.language(), "en");
    EXPECT_EQ(store.values.size(), 4u);
    EXPECT_EQ(said.str(), "");
}

TEST_F(Saved, ADamagedValueIsSaidInOneLineAndItsDefaultUsed) {
    struct Case {
        const char* scale;
        const char* fullscreen;
        ViewChoice expected;
        const char* said;
    };
    const Case cases[] = {
        {"7", "true", {1, true}, "'7'"},
        {"two", nullptr, {1, false}, "'two'"},
        {"2", "maybe", {2, false}, "'maybe'"},
        {"0, 3", nullptr, {1, false}, "'0, 3'"},
    };
    for (const Case& c : cases) {
        store.values = {{"view/scale", c.scale}};
        if (c.fullscreen) store.values["view/fullscreen"] = c.fullscreen;
        EXPECT_EQ(settings.view(), c.expected) << c.scale;
        EXPECT_NE(oneLine().find(c.said), std::string::npos) << c.scale;
    }
    // A value is quoted escaped and cut short: no escape sequence reaches the terminal.
    store.values = {{"view/scale", "\x1b]0;x\a" + std::string(10 << 20, '9')}};
    EXPECT_EQ(settings.view(), ViewChoice{});
    const std::string line = oneLine();
    EXPECT_LT(line.size(), 200u);
    EXPECT_NE(line.find("'\\x1b]0;x\\x07999"), std::string::npos) << line;
    // Blanks and the letters' case are no damage.
    store.values = {{"view/scale", " 4\t"}, {"view/fullscreen", "TRUE "}, {"sound/muted", "False"}};
    EXPECT_EQ(settings.view(), (ViewChoice{4, true}));
    EXPECT_FALSE(settings.muted());
    EXPECT_EQ(said.str(), "");

    store.values = {{"sound/muted", "perhaps"}, {"language", "xx"}};
    EXPECT_FALSE(settings.muted());
    EXPECT_NE(oneLine().find("'perhaps'"), std::string::npos);
    EXPECT_EQ(settings.language(), "");
    EXPECT_NE(oneLine().find("'xx' is not one the game has (ja, en)"), std::string::npos);
}

TEST_F(Saved, AStoreThatCannotBeReadGivesTheDefaultsAndOneThatCannotSaveIsSaid) {
    store.values = {{"view/scale", "3"}, {"sound/muted", "true"}, {"language", "en"}};
    store.canRead = false;
    EXPECT_EQ(settings.view(), ViewChoice{});
    EXPECT_NE(oneLine().find("cannot read the settings in the test's store"), std::string::npos);
    EXPECT_FALSE(settings.muted());
    EXPECT_EQ(settings.language(), "");
    store.canRead = true;
    store.canSave = false;
    settings.setMuted(false);
    EXPECT_NE(oneLine().find("cannot save the settings to the test's store"), std::string::npos);
}

TEST(Scale, IsAWholeNumberFromOneToFour) {
    EXPECT_EQ(readScale("1"), 1);
    EXPECT_EQ(readScale(" 4 "), 4);
    EXPECT_EQ(readScale("\u30002"), 2);  // after a full-width space
    for (const char* bad : {"0", "5", "x", "2.5", "", "3x", "-1", "99999999999"}) {
        EXPECT_EQ(readScale(bad), std::nullopt) << bad;
    }
}

TEST(StartLanguage, TheOptionBeatsTheRememberedChoiceWhichBeatsTheEnvironment) {
    const Environment english = [](const char* name) { return std::string_view(name) == "LANGUAGE" ? "en" : nullptr; };
    const Environment none = [](const char*) -> const char* { return nullptr; };
    EXPECT_EQ(startLanguage("en", "ja", none), "en");
    EXPECT_EQ(startLanguage("ja", "en", english), "ja");
    EXPECT_EQ(startLanguage("", "en", none), "en");
    EXPECT_EQ(startLanguage("", "xx", english), "en");
    EXPECT_EQ(startLanguage("xx", "", none), "ja");
    EXPECT_TRUE(knownLanguage("ja"));
    EXPECT_TRUE(knownLanguage("en"));
    EXPECT_FALSE(knownLanguage("xx"));
    EXPECT_FALSE(knownLanguage(""));
}

}  // namespace
}  // namespace verminadia::frontend
