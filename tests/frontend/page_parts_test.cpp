// What the page's parts share with the desktop, without a browser: the players' clocks behind
// Web Audio, and catalogues that come from afar.

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "frontend/fetched_catalogues.h"
#include "frontend/sound/player_clocks.h"

namespace verminadia::frontend {
namespace {

TEST(PlayerClocks, KeepTheGamesPlayStopSeekAndMute) {
    const Player tune = Tune::TorubaTheme, effect{14};
    ASSERT_TRUE(isEffect(effect));
    ASSERT_FALSE(isEffect(tune));
    PlayerClocks clocks;
    clocks.setDuration(tune, 60);
    EXPECT_TRUE(clocks.play(tune, 100));
    EXPECT_FALSE(clocks.play(tune, 101)) << "playing already";
    EXPECT_TRUE(clocks.play(effect, 100));
    clocks.setMuted(true, 110);  // muted ten seconds in: the tune stands still, the effect runs on
    EXPECT_DOUBLE_EQ(clocks.position(tune, 130), 10);
    EXPECT_DOUBLE_EQ(clocks.position(effect, 130), 30);
    clocks.setMuted(false, 130);
    clocks.stop(tune, 135);
    EXPECT_DOUBLE_EQ(clocks.position(tune, 200), 15) << "stopped, it keeps its place";
    EXPECT_TRUE(clocks.play(tune, 200));
    EXPECT_TRUE(clocks.ended(tune, 245));
    EXPECT_TRUE(clocks.play(tune, 250)) << "played out, it starts again";
    EXPECT_DOUBLE_EQ(clocks.position(tune, 251), 1);
    clocks.seekToStart(tune);
    EXPECT_FALSE(clocks.playing(tune));
    EXPECT_DOUBLE_EQ(clocks.position(tune, 300), 0);
}

struct Fetching final : FetchedCatalogues {
    std::ostringstream said;
    std::vector<std::string> fetches;
    Fetching() : FetchedCatalogues(said) {}
    void fetch(const std::string& language) override { fetches.push_back(language); }
    using FetchedCatalogues::arrived;
    using FetchedCatalogues::failed;
};

TEST(FetchedCatalogues, FetchEachOnceAndSayOnceWhatCannotBeHad) {
    Fetching page;
    int ready = 0;
    page.get("ja", [&](const Catalogue& c) { ready += &c == &untranslated(); });
    EXPECT_EQ(ready, 1) << "the game's own language needs no catalogue";
    page.get("en", [&](const Catalogue& c) { ready += &c == &untranslated(); });
    page.get("en", [&](const Catalogue& c) { ready += &c == &untranslated(); });
    EXPECT_EQ(page.fetches, std::vector<std::string>{"en"}) << "the second waits for the first fetch";
    page.failed("en");
    EXPECT_EQ(ready, 3) << "both are handed the game's own texts";
    EXPECT_EQ(page.said.str(),
              "verminadia: cannot fetch locale/en/LC_MESSAGES/verminadia.mo: the game stays in Japanese\n");
    page.get("en", [&](const Catalogue&) { ++ready; });
    EXPECT_EQ(page.fetches.size(), 1u) << "what failed is not fetched again";
    EXPECT_EQ(ready, 4);
}

TEST(FetchedCatalogues, TheBrowsersLanguagesAreGettextsList) {
    const Environment env = languageTagsEnvironment({"en-US", "ja"});
    EXPECT_STREQ(env("LANGUAGE"), "en_US:ja");
    EXPECT_EQ(env("LANG"), nullptr);
}

}  // namespace
}  // namespace verminadia::frontend
