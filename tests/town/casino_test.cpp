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
    p.game().form.show(W::CasinoButton);
    return p;
}

test::Played inCasino(int hero, int gold) {
    auto p = withCasino(hero);
    p.then("set Gold " + std::to_string(gold) + "\nclick " + designed(W::CasinoButton));
    return p;
}

TEST(Casino, EnteringOpensThePanelBesideTheHeroSummaryAndTheOwnerGreets) {
    auto p = withCasino(1);
    p.then(std::string("set TalkState 1\nclick ") + designed(W::CasinoButton));
    const Form& f = p.form();
    EXPECT_EQ(p.state().TalkState, talk::kNothing);
    for (W shown : {W::CasinoPanel, W::CasinoOwner, W::MessagePanel, W::TownBar, W::CasinoName, W::RockButton,
                    W::ScissorsButton, W::PaperButton, W::LeaveCasinoButton}) {
        EXPECT_TRUE(f.showing(shown)) << def(shown).designed;
    }
    EXPECT_FALSE(f.showing(W::TownButtons));
    EXPECT_FALSE(f.showing(W::StatusButton));
    EXPECT_EQ(f.caption(W::MessageLine1), kOwner);
    EXPECT_EQ(f.caption(W::MessageLine2), kGreeting2);
    EXPECT_EQ(f.caption(W::MessageLine3), kGreeting3);
    EXPECT_EQ(f.caption(W::OwnerHand), "");
    EXPECT_EQ(f.caption(W::CasinoResult), "");
    EXPECT_TRUE(f.enabled(Timer::CasinoLights));

    // A second visit starts with the last throw wiped from the panel.
    p.then(std::string("draw 1\nclick ") + designed(W::RockButton) + "\nclick " + designed(W::LeaveCasinoButton) +
           "\nclick " + designed(W::CasinoButton));
    EXPECT_EQ(f.caption(W::OwnerHand), "");
    EXPECT_EQ(f.caption(W::CasinoResult), "");
    EXPECT_EQ(f.caption(W::MessageLine2), kGreeting2);
}

TEST(Casino, EveryHandAgainstEveryDrawOfTheOwner) {
    struct Hand {
        const char* button;
        const char* ownersHand[3];  // by the owner's draw: a tie, his hand loses, his hand wins
    };
    const Hand kHands[] = {
        {designed(W::RockButton), {"グー", "チョキ", "パー"}},
        {designed(W::ScissorsButton), {"チョキ", "パー", "グー"}},
        {designed(W::PaperButton), {"パー", "グー", "チョキ"}},
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
            EXPECT_EQ(f.caption(W::OwnerHand), hand.ownersHand[roll]);
            EXPECT_EQ(f.caption(W::CasinoResult), kResults[roll].result);
            EXPECT_EQ(f.caption(W::MessageLine1), kOwner);
            EXPECT_EQ(f.caption(W::MessageLine2), kResults[roll].words);
            EXPECT_EQ(f.caption(W::MessageLine3), "");
            EXPECT_EQ(p.state().Gold, kResults[roll].gold);
            EXPECT_EQ(f.caption(W::BarMoney), "所持金　" + std::to_string(kResults[roll].gold));
            EXPECT_EQ(p.state().Roll, roll);
            EXPECT_EQ(p.sound().beeps(), beeps + 1);
            EXPECT_TRUE(f.showing(W::CasinoPanel));
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
        p.then("draw " + std::to_string(c.roll) + "\nclick " + designed(W::ScissorsButton));
        EXPECT_EQ(p.state().Gold, c.after);
        EXPECT_EQ(p.form().caption(W::BarMoney), "所持金　" + std::to_string(c.after));
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
        p.then(std::string("draw 1\nclick ") + designed(W::PaperButton));
        EXPECT_EQ(p.state().Gold, c.after);
        EXPECT_EQ(p.form().caption(W::BarMoney), "所持金　" + std::to_string(c.after));
    }
    // A full purse still halves as usual.
    auto p = inCasino(1, INT_MAX);
    p.then(std::string("draw 1\nclick ") + designed(W::RockButton) + "\ndraw 2\nclick " + designed(W::RockButton));
    EXPECT_EQ(p.state().Gold, INT_MAX / 2);
}

TEST(Casino, ThrowsRepeatAndTheOwnersFirstWordsStayUntilTheFirstOne) {
    auto p = inCasino(2, 10);
    p.then(std::string("tick ") + designed(Timer::CasinoLights) + " 3\nclick " + designed(W::MessagePanel) +
           "\nclick " + designed(W::MessageLine3));
    EXPECT_EQ(p.form().caption(W::MessageLine2), kGreeting2);
    EXPECT_EQ(p.form().caption(W::MessageLine3), kGreeting3);
    p.then(std::string("draw 1\nclick ") + designed(W::RockButton) + "\ndraw 1\nclick " + designed(W::ScissorsButton) +
           "\ndraw 0\nclick " + designed(W::PaperButton) + "\ndraw 1\nclick " + designed(W::RockButton));
    EXPECT_EQ(p.state().Gold, 40);  // 10, 20, 40, 20, 40
    EXPECT_EQ(p.form().caption(W::MessageLine1), kOwner);
    EXPECT_EQ(p.form().caption(W::OwnerHand), "チョキ");
    EXPECT_EQ(p.form().caption(W::CasinoResult), kYouWin);
    EXPECT_EQ(p.form().caption(W::MessageLine2), kOwnerLosesWords);
    EXPECT_TRUE(p.form().showing(W::CasinoPanel));
}

TEST(Casino, AClickOnTheOwnersWordsChangesNothing) {
    auto p = inCasino(3, 64);
    p.then(std::string("draw 2\nclick ") + designed(W::RockButton));
    const std::string before = p.script->dump();
    p.then(std::string("click ") + designed(W::MessagePanel) + "\nclick " + designed(W::MessageLine1) + "\nclick " +
           designed(W::MessageLine2) + "\nclick " + designed(W::MessageLine3));
    EXPECT_EQ(p.script->dump(), before);
    EXPECT_EQ(p.out, "");
}

TEST(Casino, WhileOpenOnlyTheHandsAndTheExitAnswer) {
    auto p = inCasino(1, 30);
    p.then(std::string("click ") + designed(W::StatusButton) + "\nclick " + designed(W::KingButton) + "\nclick " +
           designed(W::ArenaButton) + "\nclick " + designed(W::CasinoButton));
    EXPECT_EQ(p.out, std::string("ignored: ") + designed(W::StatusButton) + " is hidden\nignored: " +
                         designed(W::KingButton) + " is hidden\nignored: " + designed(W::ArenaButton) +
                         " is hidden\nignored: " + designed(W::CasinoButton) + " is hidden\n");
    EXPECT_TRUE(p.form().showing(W::CasinoPanel));

    // Once left, the hands are out of reach.
    p.out.clear();
    p.then(std::string("click ") + designed(W::LeaveCasinoButton) + "\ndraw 1\nclick " + designed(W::RockButton) +
           "\nclick " + designed(W::LeaveCasinoButton));
    EXPECT_EQ(p.out, std::string("ignored: ") + designed(W::RockButton) +
                         " is hidden\nignored: " + designed(W::LeaveCasinoButton) + " is hidden\n");
    EXPECT_EQ(p.state().Gold, 30);
    EXPECT_EQ(p.sound().beeps(), 0);
}

TEST(Casino, StaysShutUntilTheSixthChampionOpensIt) {
    auto p = inTown(2);
    p.then(std::string("click ") + designed(W::CasinoButton));
    EXPECT_EQ(p.out, std::string("ignored: ") + designed(W::CasinoButton) + " is hidden\n");
    EXPECT_FALSE(p.form().showing(W::CasinoPanel));
}

TEST(Casino, ThePanelFlashesRedWhiteOrYellowOnEachTickWithoutTouchingRoll) {
    auto p = inCasino(2, 10);
    p.then(std::string("draw 2\nclick ") + designed(W::RockButton));
    struct Flash {
        int draw;
        Rgb colour;
    };
    for (const Flash fl : {Flash{0, kRed}, Flash{1, kWhite}, Flash{2, kYellow}, Flash{0, kRed}}) {
        p.then("draw " + std::to_string(fl.draw) + "\ntick " + designed(Timer::CasinoLights));
        EXPECT_EQ(p.state().CasinoTick, fl.draw);
        EXPECT_EQ(p.form().state(W::CasinoPanel).color, fl.colour);
        EXPECT_EQ(p.state().Roll, 2);
    }
    // Away from the casino the panel keeps its last colour and the timer is off ...
    p.then(std::string("draw 1\nclick ") + designed(W::LeaveCasinoButton) + "\ntick " + designed(Timer::CasinoLights));
    EXPECT_FALSE(p.form().enabled(Timer::CasinoLights));
    EXPECT_EQ(p.state().CasinoTick, 0);
    p.then(std::string("click ") + designed(W::CasinoButton));
    EXPECT_EQ(p.form().state(W::CasinoPanel).color, kRed);
    // ... until the first tick after coming back.
    p.then(std::string("tick ") + designed(Timer::CasinoLights));
    EXPECT_EQ(p.form().state(W::CasinoPanel).color, kWhite);
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
        p.then(std::string("tick ") + designed(Timer::TownMusic) + " 12\nclick " + designed(W::CasinoButton));
        const Sound& sound = p.sound();
        EXPECT_FALSE(p.form().enabled(Timer::TownMusic));
        EXPECT_EQ(p.state().TownMusicTick, 0);
        for (Player theme : {Tune::OldManTheme, Tune::TeacherTheme, Tune::SwordsmanTheme}) {
            EXPECT_FALSE(sound.state(theme).playing) << def(theme).designed;
            EXPECT_TRUE(sound.state(theme).atStart) << def(theme).designed;
        }
        EXPECT_TRUE(sound.state(Tune::TorubaTheme).playing);
        // Nothing loops it, and the town theme stays off while the hero plays.
        p.then(std::string("tick ") + designed(Timer::TownMusic) + " 80\ntick " + designed(Timer::CasinoLights) +
               " 20");
        EXPECT_EQ(p.state().TownMusicTick, 0);
        for (Player theme : {Tune::OldManTheme, Tune::TeacherTheme, Tune::SwordsmanTheme}) {
            EXPECT_FALSE(sound.state(theme).playing) << def(theme).designed;
        }
    }
}

TEST(Casino, LeavingRestoresTheTownAndItsThemeFromTheBeginningASecondLater) {
    auto p = inCasino(2, 10);
    p.then(std::string("draw 1\nclick ") + designed(W::ScissorsButton) + "\nclick " + designed(W::LeaveCasinoButton));
    const Form& f = p.form();
    const Sound& sound = p.sound();
    EXPECT_TRUE(f.showing(W::TownButtons));
    EXPECT_TRUE(f.showing(W::StatusButton));
    EXPECT_TRUE(f.showing(W::CasinoButton));
    for (W gone : {W::CasinoPanel, W::CasinoOwner, W::MessagePanel})
        EXPECT_FALSE(f.showing(gone)) << def(gone).designed;
    EXPECT_FALSE(f.enabled(Timer::CasinoLights));
    EXPECT_FALSE(sound.state(Tune::TorubaTheme).playing);
    EXPECT_TRUE(sound.state(Tune::TorubaTheme).atStart);
    EXPECT_TRUE(f.enabled(Timer::TownMusic));
    EXPECT_FALSE(sound.state(Tune::TeacherTheme).playing);
    p.then(std::string("tick ") + designed(Timer::TownMusic));
    EXPECT_TRUE(sound.state(Tune::TeacherTheme).playing);
    EXPECT_EQ(p.state().TownMusicTick, 1);
    EXPECT_EQ(f.caption(W::BarMoney), "所持金　20");
}

}  // namespace
}  // namespace verminadia
