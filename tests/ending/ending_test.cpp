// The ending, from the click on the king's last words to the window closing by itself.

#include <gtest/gtest.h>

#include "core/career.h"
#include "support/play.h"

namespace verminadia {
namespace {

using test::play;

constexpr Player kTownThemes[] = {Tune::TorubaTheme, Tune::OldManTheme, Tune::TeacherTheme, Tune::SwordsmanTheme};
constexpr W kPortraits[] = {W::RoninFarewell, W::MizelFarewell, W::OldMoanerFarewell, W::TorubaFarewell};

// The king has granted the final title: his room is up, the town theme has been playing.
test::Played kingsLastWords() {
    auto p = play(test::kToHeroChoice);
    Game& g = p.game();
    g.form.hide(W::HeroChoicePanel);
    g.form.show(W::TownBar, W::King, W::MessagePanel);
    g.form.enable(Timer::TownMusic);
    g.sound.play(Tune::TeacherTheme);
    g.state.TalkState = 50;
    return p;
}

int portraitsShowing(const test::Played& p) {
    int n = 0;
    for (W w : kPortraits) n += p.form().showing(w) ? 1 : 0;
    return n;
}

TEST(Ending, TheStartClickClearsTheScreenAndSilencesTheTownForGood) {
    auto p = kingsLastWords();
    p.then(std::string("click ") + designed(W::MessageLine3));
    EXPECT_FALSE(p.form().showing(W::King));
    EXPECT_FALSE(p.form().showing(W::MessagePanel));
    EXPECT_FALSE(p.form().showing(W::TownBar));
    EXPECT_FALSE(p.form().enabled(Timer::TownMusic));
    for (Player theme : kTownThemes) EXPECT_FALSE(p.sound().state(theme).playing);
    EXPECT_TRUE(p.form().enabled(Timer::Ending));
    EXPECT_EQ(p.state().TalkState, talk::kEnding);
    // Until the first tick StoryLine still tells the prologue's last line.
    EXPECT_TRUE(p.form().showing(W::StoryLine));
    EXPECT_EQ(p.form().caption(W::StoryLine), "ドラゴン城で闘技大会が行われた。");
}

TEST(Ending, TheStoryShowsExactlyOnePortraitFromTickFiveToThirtySix) {
    auto p = kingsLastWords();
    p.then(std::string("click ") + designed(W::MessagePanel) + "\ntick " + designed(Timer::Ending));
    EXPECT_TRUE(p.sound().state(Tune::Ending).playing);
    EXPECT_EQ(p.form().caption(W::StoryLine), " 　　長い戦いは終わった。");
    for (int tick = 2; tick <= 40; ++tick) {
        p.then(std::string("tick ") + designed(Timer::Ending));
        EXPECT_EQ(portraitsShowing(p), tick >= 5 && tick <= 36 ? 1 : 0) << "tick " << tick;
        if (tick >= 5 && tick <= 36) {
            // Eight seconds each: the swordsman, the teacher, the old man, then トルバさん.
            EXPECT_TRUE(p.form().showing(kPortraits[(tick - 5) / 8])) << "tick " << tick;
        }
        for (Player theme : kTownThemes) EXPECT_FALSE(p.sound().state(theme).playing) << "tick " << tick;
    }
    EXPECT_EQ(p.form().caption(W::StoryLine), "トルバさんは．．．．．．．．");
}

TEST(Ending, TickThirtySevenHandsTheStoryOverToTheCredits) {
    auto p = kingsLastWords();
    p.then(std::string("click ") + designed(W::MessagePanel) + "\ntick " + designed(Timer::Ending) + " 36");
    EXPECT_TRUE(p.sound().state(Tune::Ending).playing);
    EXPECT_FALSE(p.form().showing(W::GameTitle));
    p.then(std::string("tick ") + designed(Timer::Ending));
    EXPECT_FALSE(p.sound().state(Tune::Ending).playing);
    EXPECT_TRUE(p.sound().state(Tune::Credits).playing);
    EXPECT_FALSE(p.form().showing(W::StoryLine));
    EXPECT_TRUE(p.form().showing(W::GameTitle));
    EXPECT_EQ(p.form().caption(W::GameTitle), "");
    EXPECT_EQ(p.form().state(W::GameTitle).fontPx, 16);
    EXPECT_EQ(p.form().state(W::GameTitle).top, 145);
    EXPECT_EQ(p.form().state(W::GameTitle).fontColor, kRed);  // as the title left it
    p.then(std::string("tick ") + designed(Timer::Ending));
    EXPECT_FALSE(p.sound().state(Tune::Ending).playing) << "the ending theme comes back under the credits";
}

TEST(Ending, TheCreditsRollAndTheWindowClosesAtTick147WithoutInput) {
    auto p = kingsLastWords();
    p.then(std::string("click ") + designed(W::MessagePanel) + "\ntick " + designed(Timer::Ending) + " 39");
    EXPECT_EQ(p.form().caption(W::GameTitle), "                CAST          ");
    p.then(std::string("tick ") + designed(Timer::Ending) + " 10");  // 49: the first of three identical ZEKU lines
    const std::string zeku = p.form().caption(W::GameTitle);
    EXPECT_EQ(zeku, "　　 　　　　　 ZEKU         ");
    p.then(std::string("tick ") + designed(Timer::Ending) + " 30");  // 79
    EXPECT_EQ(p.form().caption(W::GameTitle), zeku);
    p.then(std::string("tick ") + designed(Timer::Ending) + " 61");  // 140
    EXPECT_EQ(p.form().caption(W::GameTitle), " 　　         ＥＮＤ         ");
    p.then(std::string("tick ") + designed(Timer::Ending) + " 6");
    EXPECT_TRUE(p.form().open());
    p.then(std::string("tick ") + designed(Timer::Ending));
    EXPECT_EQ(p.state().EndingTick, 147);
    EXPECT_FALSE(p.form().open());
    for (const TimerDef& t : kTimers) EXPECT_FALSE(p.form().enabled(t.id)) << t.designed;
    p.then(std::string("tick ") + designed(Timer::Ending) + " 5\nclick " + designed(W::GameTitle));
    EXPECT_EQ(p.state().EndingTick, 147);
    EXPECT_EQ(p.out, "ignored: window closed\n");
}

}  // namespace
}  // namespace verminadia
