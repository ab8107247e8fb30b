// The arena's class choice: which classes open, what a bout's set-up shows and plays, the
// champion slots and their thresholds, and the battle theme's loop.

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "core/career.h"
#include "support/arena.h"

namespace verminadia {
namespace {

using arena_testing::bout;
using arena_testing::expectCleanRun;
using arena_testing::inArena;
using arena_testing::kChampionClasses;
using arena_testing::opponentPicturesShowing;

TEST(Arena, EnteringAndLeavingSwapsTheTownButtonsForTheClassChoice) {
    auto p = inArena(0);
    EXPECT_TRUE(p.form().showing(W::ClassChoicePanel));
    EXPECT_TRUE(p.form().showing(W::AmateurButton));
    EXPECT_FALSE(p.form().showing(W::TownButtons));
    EXPECT_FALSE(p.form().showing(W::StatusButton));
    EXPECT_TRUE(p.form().showing(W::TownBar));
    p.then(std::string("click ") + designed(W::LeaveArenaButton));
    EXPECT_FALSE(p.form().showing(W::ClassChoicePanel));
    EXPECT_TRUE(p.form().showing(W::TownButtons));
    EXPECT_TRUE(p.form().showing(W::StatusButton));
    expectCleanRun(p);
}

struct ClassCase {
    const char* button;
    int opensAt;
};
const ClassCase kLockedClasses[] = {
    {designed(W::LightButton), 1},   {designed(W::FlyButton), 2},    {designed(W::BantamButton), 3},
    {designed(W::FeatherButton), 4}, {designed(W::MiddleButton), 5}, {designed(W::HeavyButton), 6},
};

TEST(Arena, AClassOpensAtItsTitleAndIgnoresItsButtonBefore) {
    for (const ClassCase& c : kLockedClasses) {
        SCOPED_TRACE(c.button);
        auto p = inArena(0, "set TitleIndex " + std::to_string(c.opensAt - 1) + "\n");
        const std::string before = p.script->dump();
        p.then(std::string("click ") + c.button);
        EXPECT_EQ(p.script->dump(), before) << "no counter, no music, no panel change";

        p.then("set TitleIndex " + std::to_string(c.opensAt) + "\ndraw 0\nclick " + c.button);
        EXPECT_FALSE(p.form().showing(W::ClassChoicePanel));
        EXPECT_TRUE(p.form().enabled(Timer::BattleMusic));
    }
}

TEST(Arena, TheHeavyClassClosesForGoodAfterTheSixthChallenger) {
    auto p = inArena(2, "set TitleIndex 6\nset ChallengerWins 6\n");
    const std::string before = p.script->dump();
    p.then(std::string("click ") + designed(W::HeavyButton));
    EXPECT_EQ(p.script->dump(), before);
    p.then(std::string("set ChallengerWins 5\nclick ") + designed(W::HeavyButton));
    EXPECT_EQ(p.state().HeavyBouts, 1);
    EXPECT_EQ(p.shown(&GameState::EnemyName), "サスライの剣士");
}

TEST(Arena, ABoutSilencesTheTownThemeAndStartsTheClassThemeOneTickLater) {
    auto p = inArena(0, std::string("tick ") + designed(Timer::TownMusic) + " 3\n");
    ASSERT_TRUE(p.sound().state(Tune::TorubaTheme).playing);
    p.then(bout(designed(W::AmateurButton), 0));
    EXPECT_FALSE(p.form().enabled(Timer::TownMusic));
    EXPECT_EQ(p.state().TownMusicTick, 0);
    EXPECT_FALSE(p.sound().state(Tune::TorubaTheme).playing);
    EXPECT_TRUE(p.sound().state(Tune::TorubaTheme).atStart);
    EXPECT_TRUE(p.form().enabled(Timer::BattleMusic));
    EXPECT_FALSE(p.sound().state(Tune::Battle1).playing);
    p.then(std::string("tick ") + designed(Timer::BattleMusic));
    EXPECT_TRUE(p.sound().state(Tune::Battle1).playing);
    expectCleanRun(p);
}

TEST(Arena, EachClassLoopsItsOwnThemeForItsOwnLength) {
    struct Theme {
        const char* button;
        Player player;
    };
    for (const Theme& t :
         {Theme{designed(W::LightButton), Tune::Battle1}, Theme{designed(W::FlyButton), Tune::Battle2},
          Theme{designed(W::BantamButton), Tune::Battle2}, Theme{designed(W::FeatherButton), Tune::Battle3},
          Theme{designed(W::MiddleButton), Tune::Battle3}, Theme{designed(W::HeavyButton), Tune::Battle4}}) {
        SCOPED_TRACE(t.button);
        auto p = inArena(0, "set TitleIndex 6\n");
        p.then(bout(t.button, 0) + "tick " + designed(Timer::BattleMusic) + " " +
               std::to_string(def(t.player).loopTicks - 1));
        EXPECT_TRUE(p.sound().state(t.player).playing);
        p.then(std::string("tick ") + designed(Timer::BattleMusic));
        EXPECT_FALSE(p.sound().state(t.player).playing);
        EXPECT_TRUE(p.sound().state(t.player).atStart);
        EXPECT_EQ(p.state().BattleMusicTick, 0);
        p.then(std::string("tick ") + designed(Timer::BattleMusic));
        EXPECT_TRUE(p.sound().state(t.player).playing);
        for (Player other : {Tune::Battle1, Tune::Battle2, Tune::Battle3, Tune::Battle4}) {
            if (other != t.player) {
                EXPECT_FALSE(p.sound().state(other).playing);
            }
        }
    }
}

TEST(Arena, TheOpeningLinesCountTheBoutsOfTheClass) {
    auto q = inArena(0, "set AmateurBouts 2\n");
    q.then(bout(designed(W::AmateurButton), 3));
    const Form& f = q.form();
    EXPECT_EQ(f.caption(W::MessageLine1), "アマチュア級第3回戦");
    EXPECT_EQ(f.caption(W::MessageLine2), "対戦相手は浮遊顔です！！");
    EXPECT_EQ(f.caption(W::MessageLine3), "戦闘開始！！！");
    EXPECT_EQ(q.state().Roll, 3);
    EXPECT_EQ(q.state().TalkState, talk::kNothing);
    EXPECT_EQ(q.state().ChallengerBout, 10);
    EXPECT_EQ(q.state().ChampionBout, 0);
    EXPECT_TRUE(f.showing(W::MessagePanel));
    EXPECT_TRUE(f.showing(W::CommandPanel));
    EXPECT_TRUE(f.showing(W::FloatingFacePicture));

    auto h = inArena(0, "set TitleIndex 6\nset HeavyBouts 11\n");
    h.then(std::string("click ") + designed(W::HeavyButton));
    EXPECT_EQ(h.form().caption(W::MessageLine1), "ヘビー級第12回戦");
    EXPECT_EQ(h.form().caption(W::MessageLine2), "対戦相手は遺跡の神です！！");
}

// Each class's champion slot: the last bout that still brings the ordinary opponent, then the
// first that brings the champion, with the champion due.
TEST(Arena, TheChampionComesFromItsThresholdBoutOnTheSlotsDraw) {
    for (std::size_t due = 0; due < kChampionClasses.size(); ++due) {  // ChampionWins
        const arena_testing::ChampionClass& s = kChampionClasses[due];
        SCOPED_TRACE(s.button);
        const std::string setup = "set TitleIndex " + std::to_string(due) + "\nset ChampionWins " +
                                  std::to_string(due) + "\nset " + s.counter + " ";
        auto early = inArena(0, setup + std::to_string(s.threshold - 2) + "\n");
        early.then(bout(s.button, s.slot));
        EXPECT_EQ(early.shown(&GameState::EnemyName), s.before);
        EXPECT_FALSE(early.form().showing(W::ChampionAppears));
        EXPECT_TRUE(early.form().showing(W::CommandPanel));
        EXPECT_EQ(opponentPicturesShowing(early.form()).size(), 1u);

        auto champion = inArena(0, setup + std::to_string(s.threshold - 1) + "\n");
        champion.then(bout(s.button, s.slot));
        EXPECT_EQ(champion.shown(&GameState::EnemyName), s.champion);
        EXPECT_EQ(champion.state().EnemyPower, s.power);
        EXPECT_TRUE(champion.form().showing(W::ChampionAppears));
        EXPECT_FALSE(champion.form().showing(W::MessagePanel));
        EXPECT_FALSE(champion.form().showing(W::CommandPanel));
        EXPECT_TRUE(opponentPicturesShowing(champion.form()).empty()) << "the champion waits behind its caption";
        EXPECT_EQ(champion.form().caption(W::MessageLine2), std::string("対戦相手は") + s.champion + "です！！");
        EXPECT_EQ(champion.state().ChampionBout, 0) << "numbered only when the caption is clicked";

        // Another draw in the same bout brings an ordinary opponent.
        auto other = inArena(0, setup + std::to_string(s.threshold - 1) + "\n");
        other.then(bout(s.button, 0));
        EXPECT_FALSE(other.form().showing(W::ChampionAppears));
        expectCleanRun(champion);
    }
}

TEST(Arena, ASlotWhoseChampionIsNotDueBringsTheLateOrdinaryOpponent) {
    // The light champion already beaten: its slot brings "チッポ君" with the later experience.
    auto light = inArena(0, "set TitleIndex 2\nset ChampionWins 2\nset LightBouts 20\n");
    light.then(bout(designed(W::LightButton), 4));
    EXPECT_EQ(light.shown(&GameState::EnemyName), "チッポ君");
    EXPECT_EQ(light.state().EnemyHp, 32);
    EXPECT_EQ(light.state().EnemyExp, 5);
    EXPECT_FALSE(light.form().showing(W::ChampionAppears));

    // Not yet due either: the amateur champion is the only one that can come with none beaten.
    auto early = inArena(0, "set TitleIndex 6\nset ChampionWins 0\nset FeatherBouts 30\n");
    early.then(bout(designed(W::FeatherButton), 4));
    EXPECT_EQ(early.shown(&GameState::EnemyName), "赤字の商人");
    EXPECT_EQ(early.state().EnemyExp, 11);

    // Once a champion has fallen, amateur draw 5 brings the weaker "黄色魔人" for good.
    auto amateur = inArena(0, "set ChampionWins 1\nset AmateurBouts 8\n");
    amateur.then(bout(designed(W::AmateurButton), 5));
    EXPECT_EQ(amateur.shown(&GameState::EnemyName), "黄色魔人");
    EXPECT_EQ(amateur.state().EnemyPower, 1);
    EXPECT_TRUE(amateur.form().showing(W::YellowDemonPicture));
    expectCleanRun(amateur);
}

TEST(Arena, TheOldManMeetsOnlyPowerOneAmateursButTheChampionKeepsItsThree) {
    for (int hero : {0, 1}) {
        SCOPED_TRACE(hero);
        auto p = inArena(hero);
        p.then(bout(designed(W::AmateurButton), 1));  // "ズンダラ", power 2
        EXPECT_EQ(p.shown(&GameState::EnemyName), "ズンダラ");
        EXPECT_EQ(p.state().EnemyPower, hero == 1 ? 1 : 2);

        auto champ = inArena(hero, "set AmateurBouts 8\n");
        champ.then(bout(designed(W::AmateurButton), 5));
        EXPECT_EQ(champ.state().EnemyPower, 3);

        // The rule is the amateur class's only.
        auto light = inArena(hero, "set TitleIndex 1\n");
        light.then(bout(designed(W::LightButton), 0));
        EXPECT_EQ(light.state().EnemyPower, 2);
    }
}

TEST(Arena, TheHeavyClassSendsTheNextChallengerBehindItsCaption) {
    auto p = inArena(3, "set TitleIndex 6\nset ChallengerWins 2\nset ChampionBout 6\n");
    p.then(std::string("click ") + designed(W::HeavyButton));
    const GameState& s = p.state();
    EXPECT_EQ(test::japanese(s.EnemyName), "大魔王");
    EXPECT_EQ(s.EnemyPower, 8);
    EXPECT_EQ(s.EnemyHp, 250);
    EXPECT_EQ(s.ChallengerBout, 2);
    EXPECT_EQ(s.ChampionBout, 0);
    EXPECT_TRUE(p.form().showing(W::MessagePanel));
    EXPECT_FALSE(p.form().showing(W::CommandPanel));
    EXPECT_TRUE(p.form().showing(W::ChallengerAppears));
    EXPECT_TRUE(opponentPicturesShowing(p.form()).empty());
    // The panel is up but nothing is pending.
    const std::string before = p.script->dump();
    p.then(std::string("click ") + designed(W::MessageLine3));
    EXPECT_EQ(p.script->dump(), before);
    expectCleanRun(p);
}

}  // namespace
}  // namespace verminadia
