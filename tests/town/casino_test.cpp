// The casino: the owner's greeting, every hand against every draw of his, the stakes doubled
// or halved (and the purse that cannot grow past its largest sum), the flashing panel, and the
// town theme paused while the owner's tune plays.

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <set>
#include <string>

#include "core/career.h"
#include "game/events.h"
#include "in_town.h"
#include "town/handlers.h"

namespace verminadia {
namespace {

using town_testing::inTown;

constexpr const char* kOwner = "トルバさん";
constexpr const char* kGreeting2 = "　「私がオーナーのトルバです。私とジャンケンをしてあなた";
constexpr const char* kGreeting3 = "が勝てば金が２倍、私が勝てば金が半分になります。」";
constexpr const char* kYouLose = "あなたの負け";
constexpr const char* kYouWin = "あなたの勝ち";
constexpr const char* kTieWords = "　「アイコの場合は俺の勝ちだ。悪いな、金はもらうぜ。」";
constexpr const char* kOwnerLosesWords = "　「俺の負けだ。金は持って行け。」";
constexpr const char* kOwnerWinsWords = "　「俺の勝ちだ。金はもらうぞ。またいつでも勝負しに来な。」";

// A hero of the given number in town with the casino open to him, as the sixth champion's
// defeat leaves it.
test::Played withCasino(int hero) {
    auto p = inTown(hero);
    p.game().form.show(W::Button25);
    return p;
}

test::Played inCasino(int hero, int gold) {
    auto p = withCasino(hero);
    p.then("set Gold " + std::to_string(gold) + "\nclick Button25");
    return p;
}

TEST(Casino, EnteringOpensThePanelBesideTheHeroSummaryAndTheOwnerGreets) {
    auto p = withCasino(1);
    p.then("set TalkState 1\nclick Button25");
    const Form& f = p.form();
    EXPECT_EQ(p.state().TalkState, talk::kNothing);
    for (W shown :
         {W::Panel13, W::Image52, W::Panel5, W::Panel2, W::Edit5, W::Button21, W::Button22, W::Button23, W::Button24}) {
        EXPECT_TRUE(f.showing(shown)) << def(shown).name;
    }
    EXPECT_FALSE(f.showing(W::Panel4));
    EXPECT_FALSE(f.showing(W::Button1));
    EXPECT_EQ(f.caption(W::Label31), kOwner);
    EXPECT_EQ(f.caption(W::Label32), kGreeting2);
    EXPECT_EQ(f.caption(W::Label33), kGreeting3);
    EXPECT_EQ(f.caption(W::Label70), "");
    EXPECT_EQ(f.caption(W::Label71), "");
    EXPECT_TRUE(f.enabled(Timer::CasinoLights));

    // A second visit starts with the last throw wiped from the panel.
    p.then("draw 1\nclick Button21\nclick Button24\nclick Button25");
    EXPECT_EQ(f.caption(W::Label70), "");
    EXPECT_EQ(f.caption(W::Label71), "");
    EXPECT_EQ(f.caption(W::Label32), kGreeting2);
}

TEST(Casino, EveryHandAgainstEveryDrawOfTheOwner) {
    struct Hand {
        const char* button;
        const char* ownersHand[3];  // by the owner's draw: a tie, his hand loses, his hand wins
    };
    constexpr Hand kHands[] = {
        {"Button21", {"グー", "チョキ", "パー"}},
        {"Button22", {"チョキ", "パー", "グー"}},
        {"Button23", {"パー", "グー", "チョキ"}},
    };
    struct Result {
        const char* result;
        const char* words;
        int gold;
    };
    constexpr Result kResults[] = {
        {kYouLose, kTieWords, 50}, {kYouWin, kOwnerLosesWords, 200}, {kYouLose, kOwnerWinsWords, 50}};
    for (const Hand& hand : kHands) {
        for (int roll = 0; roll < 3; ++roll) {
            SCOPED_TRACE(std::string(hand.button) + " against draw " + std::to_string(roll));
            auto p = inCasino(2, 100);
            const int beeps = p.sound().beeps();
            p.then("draw " + std::to_string(roll) + "\nclick " + hand.button);
            const Form& f = p.form();
            EXPECT_EQ(f.caption(W::Label70), hand.ownersHand[roll]);
            EXPECT_EQ(f.caption(W::Label71), kResults[roll].result);
            EXPECT_EQ(f.caption(W::Label31), kOwner);
            EXPECT_EQ(f.caption(W::Label32), kResults[roll].words);
            EXPECT_EQ(f.caption(W::Label33), "");
            EXPECT_EQ(p.state().Gold, kResults[roll].gold);
            EXPECT_EQ(f.caption(W::Label12), "所持金　" + std::to_string(kResults[roll].gold));
            EXPECT_EQ(p.state().Roll, roll);
            EXPECT_EQ(p.sound().beeps(), beeps + 1);
            EXPECT_TRUE(f.showing(W::Panel13));
        }
    }
}

TEST(Casino, TheWholePurseIsStakedAndLossesDropTheOddYen) {
    struct Case {
        int gold, roll, after;
    };
    for (const Case c : {Case{51, 0, 25}, Case{51, 2, 25}, Case{51, 1, 102}, Case{1, 2, 0}, Case{1, 0, 0},
                         Case{1, 1, 2}, Case{0, 1, 0}, Case{0, 2, 0}}) {
        SCOPED_TRACE(std::to_string(c.gold) + " on draw " + std::to_string(c.roll));
        auto p = inCasino(3, c.gold);
        p.then("draw " + std::to_string(c.roll) + "\nclick Button22");
        EXPECT_EQ(p.state().Gold, c.after);
        EXPECT_EQ(p.form().caption(W::Label12), "所持金　" + std::to_string(c.after));
    }
}

TEST(Casino, AWinThatWouldOverflowThePurseFillsItToTheLargestSum) {
    struct Case {
        int gold, after;
    };
    for (const Case c :
         {Case{1073741823, 2147483646}, Case{1073741824, INT_MAX}, Case{2000000000, INT_MAX}, Case{INT_MAX, INT_MAX}}) {
        SCOPED_TRACE(c.gold);
        auto p = inCasino(1, c.gold);
        p.then("draw 1\nclick Button23");
        EXPECT_EQ(p.state().Gold, c.after);
        EXPECT_EQ(p.form().caption(W::Label12), "所持金　" + std::to_string(c.after));
    }
    // A full purse still halves as usual.
    auto p = inCasino(1, INT_MAX);
    p.then("draw 1\nclick Button21\ndraw 2\nclick Button21");
    EXPECT_EQ(p.state().Gold, INT_MAX / 2);
}

TEST(Casino, ThrowsRepeatAndTheOwnersFirstWordsStayUntilTheFirstOne) {
    auto p = inCasino(2, 10);
    p.then("tick Timer4 3\nclick Panel5\nclick Label33");
    EXPECT_EQ(p.form().caption(W::Label32), kGreeting2);
    EXPECT_EQ(p.form().caption(W::Label33), kGreeting3);
    p.then("draw 1\nclick Button21\ndraw 1\nclick Button22\ndraw 0\nclick Button23\ndraw 1\nclick Button21");
    EXPECT_EQ(p.state().Gold, 40);  // 10, 20, 40, 20, 40
    EXPECT_EQ(p.form().caption(W::Label31), kOwner);
    EXPECT_EQ(p.form().caption(W::Label70), "チョキ");
    EXPECT_EQ(p.form().caption(W::Label71), kYouWin);
    EXPECT_EQ(p.form().caption(W::Label32), kOwnerLosesWords);
    EXPECT_TRUE(p.form().showing(W::Panel13));
}

TEST(Casino, AClickOnTheOwnersWordsChangesNothing) {
    auto p = inCasino(3, 64);
    p.then("draw 2\nclick Button21");
    const std::string before = p.script->dump();
    p.then("click Panel5\nclick Label31\nclick Label32\nclick Label33");
    EXPECT_EQ(p.script->dump(), before);
    EXPECT_EQ(p.out, "");
}

TEST(Casino, WhileOpenOnlyTheHandsAndTheExitAnswer) {
    auto p = inCasino(1, 30);
    p.then("click Button1\nclick Button3\nclick Button6\nclick Button25");
    EXPECT_EQ(p.out,
              "ignored: Button1 is hidden\nignored: Button3 is hidden\nignored: Button6 is hidden\n"
              "ignored: Button25 is hidden\n");
    EXPECT_TRUE(p.form().showing(W::Panel13));

    // Once left, the hands are out of reach.
    p.out.clear();
    p.then("click Button24\ndraw 1\nclick Button21\nclick Button24");
    EXPECT_EQ(p.out, "ignored: Button21 is hidden\nignored: Button24 is hidden\n");
    EXPECT_EQ(p.state().Gold, 30);
    EXPECT_EQ(p.sound().beeps(), 0);
}

TEST(Casino, StaysShutUntilTheSixthChampionOpensIt) {
    auto p = inTown(2);
    p.then("click Button25");
    EXPECT_EQ(p.out, "ignored: Button25 is hidden\n");
    EXPECT_FALSE(p.form().showing(W::Panel13));
}

TEST(Casino, ThePanelFlashesRedWhiteOrYellowOnEachTickWithoutTouchingRoll) {
    auto p = inCasino(2, 10);
    p.then("draw 2\nclick Button21");
    struct Flash {
        int draw;
        Rgb colour;
    };
    for (const Flash fl : {Flash{0, kRed}, Flash{1, kWhite}, Flash{2, kYellow}, Flash{0, kRed}}) {
        p.then("draw " + std::to_string(fl.draw) + "\ntick Timer4");
        EXPECT_EQ(p.state().CasinoTick, fl.draw);
        EXPECT_EQ(p.form().state(W::Panel13).color, fl.colour);
        EXPECT_EQ(p.state().Roll, 2);
    }
    // Away from the casino the panel keeps its last colour and the timer is off ...
    p.then("draw 1\nclick Button24\ntick Timer4");
    EXPECT_FALSE(p.form().enabled(Timer::CasinoLights));
    EXPECT_EQ(p.state().CasinoTick, 0);
    p.then("click Button25");
    EXPECT_EQ(p.form().state(W::Panel13).color, kRed);
    // ... until the first tick after coming back.
    p.then("tick Timer4");
    EXPECT_EQ(p.form().state(W::Panel13).color, kWhite);
}

// Every other draw is reseeded from the clock; a clock stuck at one instant would make a
// reseeded flashing show one colour for ever.
TEST(Casino, TheFlashingIsNotReseededFromTheClock) {
    SilentOutput silence;
    ClockRandom stuck([] { return std::uint64_t{12345}; });
    Game g(silence, stuck);
    startGame(g);
    g.state.HeroId = 1;
    openCasino(g);
    std::set<int> colours;
    for (int i = 0; i < 40; ++i) {
        tick(g, Timer::CasinoLights);
        colours.insert(g.state.CasinoTick);
    }
    EXPECT_EQ(colours.size(), 3u);
    EXPECT_EQ(g.state.Roll, 0);

    // The throws, by contrast, are reseeded: with the clock stuck they all come out alike.
    std::set<int> rolls;
    for (int i = 0; i < 10; ++i) {
        throwRock(g);
        rolls.insert(g.state.Roll);
    }
    EXPECT_EQ(rolls.size(), 1u);
}

TEST(Casino, EnteringSilencesTheTownThemeAndPlaysTheOwnersTuneOnce) {
    for (int hero = 1; hero <= 3; ++hero) {
        SCOPED_TRACE(hero);
        auto p = withCasino(hero);
        p.then("tick Timer2 12\nclick Button25");
        const Sound& sound = p.sound();
        EXPECT_FALSE(p.form().enabled(Timer::TownMusic));
        EXPECT_EQ(p.state().TownMusicTick, 0);
        for (Player theme : {Tune::OldManTheme, Tune::TeacherTheme, Tune::SwordsmanTheme}) {
            EXPECT_FALSE(sound.state(theme).playing) << def(theme).name;
            EXPECT_TRUE(sound.state(theme).atStart) << def(theme).name;
        }
        EXPECT_TRUE(sound.state(Tune::TorubaTheme).playing);
        // Nothing loops it, and the town theme stays off while the hero plays.
        p.then("tick Timer2 80\ntick Timer4 20");
        EXPECT_EQ(p.state().TownMusicTick, 0);
        for (Player theme : {Tune::OldManTheme, Tune::TeacherTheme, Tune::SwordsmanTheme}) {
            EXPECT_FALSE(sound.state(theme).playing) << def(theme).name;
        }
    }
}

TEST(Casino, LeavingRestoresTheTownAndItsThemeFromTheBeginningASecondLater) {
    auto p = inCasino(2, 10);
    p.then("draw 1\nclick Button22\nclick Button24");
    const Form& f = p.form();
    const Sound& sound = p.sound();
    EXPECT_TRUE(f.showing(W::Panel4));
    EXPECT_TRUE(f.showing(W::Button1));
    EXPECT_TRUE(f.showing(W::Button25));
    for (W gone : {W::Panel13, W::Image52, W::Panel5}) EXPECT_FALSE(f.showing(gone)) << def(gone).name;
    EXPECT_FALSE(f.enabled(Timer::CasinoLights));
    EXPECT_FALSE(sound.state(Tune::TorubaTheme).playing);
    EXPECT_TRUE(sound.state(Tune::TorubaTheme).atStart);
    EXPECT_TRUE(f.enabled(Timer::TownMusic));
    EXPECT_FALSE(sound.state(Tune::TeacherTheme).playing);
    p.then("tick Timer2");
    EXPECT_TRUE(sound.state(Tune::TeacherTheme).playing);
    EXPECT_EQ(p.state().TownMusicTick, 1);
    EXPECT_EQ(f.caption(W::Label12), "所持金　20");
}

}  // namespace
}  // namespace verminadia
