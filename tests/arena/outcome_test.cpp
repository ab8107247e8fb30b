// How a fight ends: the prize, the experience and the single level-up it may bring, the new
// skills, the store and the casino after the champions, and the defeat with its halved purse.

#include <gtest/gtest.h>

#include <string>

#include "core/career.h"
#include "support/arena.h"
#include "support/shipped.h"
#include "town/heroes.h"

namespace verminadia {
namespace {

using arena_testing::attack;
using arena_testing::bout;
using arena_testing::expectCleanRun;
using arena_testing::inArena;
using arena_testing::kClick;
using arena_testing::next;
using arena_testing::opponentPicturesShowing;

// An amateur bout against "100円マン" (power 1, 2 experience) that the next attack wins.
std::string winningBout() { return bout(designed(W::AmateurButton), 0) + "set EnemyHp 1\n" + attack(0); }

TEST(Victory, ThePrizeIsSevenTimesThePowerPlusADrawOfTwo) {
    struct Case {
        int power, draw, prize;
    };
    for (const Case& c : {Case{1, 0, 7}, Case{1, 1, 8}, Case{8, 0, 56}, Case{8, 1, 57}}) {
        SCOPED_TRACE(c.prize);
        auto p = inArena(0);
        p.then(bout(designed(W::AmateurButton), 0) + "tick " + designed(Timer::BattleMusic) +
               "\nset EnemyHp 1\nset EnemyPower " + std::to_string(c.power) + "\n" + attack(0) + next(c.draw));
        const Form& f = p.form();
        EXPECT_EQ(f.caption(W::MessageLine1), "100円マンを倒した。");
        EXPECT_EQ(f.caption(W::MessageLine2), "トルバさんは" + std::to_string(c.prize) + "円手に入れた。");
        EXPECT_EQ(f.caption(W::MessageLine3), "");
        EXPECT_EQ(p.state().Gold, 50 + c.prize);
        EXPECT_EQ(f.caption(W::BarMoney), "所持金　" + std::to_string(50 + c.prize));
        EXPECT_EQ(p.state().Exp, 2);
        EXPECT_EQ(p.state().TalkState, talk::kExperience);
        EXPECT_FALSE(f.enabled(Timer::BattleMusic));
        EXPECT_EQ(p.state().BattleMusicTick, 0);
        EXPECT_FALSE(p.sound().state(Tune::Battle1).playing);
        EXPECT_TRUE(p.sound().state(Tune::Battle1).atStart);
        EXPECT_TRUE(p.sound().state(Tune::Applause).playing);
        expectCleanRun(p);
    }
}

TEST(Victory, AWonFightTakesThreeClicksWhenNoLevelIsDue) {
    auto p = inArena(0);
    p.then(winningBout() + next(0));
    ASSERT_EQ(p.state().TalkState, talk::kExperience);
    EXPECT_EQ(opponentPicturesShowing(p.form()).size(), 1u);

    p.then(next(1));
    const Form& f = p.form();
    EXPECT_EQ(f.caption(W::MessageLine1), "2の経験値を手に入れた。");
    EXPECT_EQ(f.caption(W::MessageLine2), "");
    EXPECT_EQ(f.caption(W::MessageLine3), "");
    EXPECT_EQ(p.state().TalkState, talk::kBackToClasses);
    EXPECT_TRUE(opponentPicturesShowing(f).empty());
    EXPECT_FALSE(p.sound().state(Tune::Applause).playing);
    EXPECT_TRUE(f.showing(W::MessagePanel));

    p.then(kClick);
    EXPECT_FALSE(f.showing(W::MessagePanel));
    EXPECT_TRUE(f.showing(W::ClassChoicePanel));
    EXPECT_TRUE(f.enabled(Timer::TownMusic));
    EXPECT_EQ(p.state().Level, 1);
    p.then(std::string("tick ") + designed(Timer::TownMusic));
    EXPECT_TRUE(p.sound().state(Tune::TorubaTheme).playing) << "the town theme comes back";
    expectCleanRun(p);
}

TEST(LevelUp, ExpTenIsNotEnoughAtLevelOneElevenIs) {
    for (int before : {8, 9}) {
        SCOPED_TRACE(before);
        auto p = inArena(0, "set Exp " + std::to_string(before) + "\n");
        p.then(winningBout() + next(0) + next(0));
        EXPECT_EQ(p.state().Exp, before + 2);
        EXPECT_EQ(p.state().TalkState, before + 2 > 10 ? talk::kLevelUp : talk::kBackToClasses);
        EXPECT_EQ(p.state().Level, 1) << "the level rises only on the next click";
    }
}

TEST(LevelUp, OneVictoryBringsAtMostOneLevel) {
    auto p = inArena(0, "set Exp 8\n");
    p.then(bout(designed(W::AmateurButton), 0) + "set EnemyHp 1\nset EnemyExp 52\n" + attack(0) + next(0) + next(0));
    ASSERT_EQ(p.state().Exp, 60);
    EXPECT_EQ(p.state().TalkState, talk::kLevelUp);
    p.then(kClick);
    EXPECT_EQ(p.state().Level, 2);
    EXPECT_EQ(p.form().caption(W::MessageLine2), "トルバさんはLVが上がった。");
    EXPECT_EQ(p.form().caption(W::MessageLine3), "");
    EXPECT_EQ(p.state().TalkState, talk::kBackToClasses);
    EXPECT_TRUE(p.sound().state(Tune::Inn).playing);
    p.then(kClick);
    EXPECT_EQ(p.state().Level, 2) << "60 is past 25, but that waits for the next victory";
    EXPECT_TRUE(p.form().showing(W::ClassChoicePanel));
    EXPECT_FALSE(p.sound().state(Tune::LevelUp).playing);

    // The next victory compares with 25: level 3 and the first skill.
    p.then(winningBout() + next(0) + next(0));
    EXPECT_EQ(p.state().TalkState, talk::kLevelUp);
    EXPECT_TRUE(p.form().visible(W::Skill1Entry)) << "the skill is shown with the experience";
    EXPECT_TRUE(p.form().visible(W::StatusSkill1));
    EXPECT_EQ(p.state().Level, 2);
    p.then(kClick);
    EXPECT_EQ(p.state().Level, 3);
    EXPECT_EQ(p.form().caption(W::MessageLine3), "新しい特技を覚えた。");
    expectCleanRun(p);
}

TEST(LevelUp, TheStatisticsGrowByTheExperienceStepsDraw) {
    for (int r : {0, 1}) {
        SCOPED_TRACE(r);
        auto p = inArena(0, "set Exp 20\nset Hp 10\nset Mp 1\n");  // wounded, MP spent
        p.then(winningBout() + next(0) + next(r) + std::string(kClick));
        const GameState& s = p.state();
        const Hero& torba = kHeroes[0];  // grown from level 1
        EXPECT_EQ(s.Level, 2);
        EXPECT_EQ(s.MaxHp, torba.hp + 3 + r);
        EXPECT_EQ(s.Hp, 10 + 3 + r) << "still wounded by the same amount";
        EXPECT_EQ(s.MaxMp, torba.mp + 2 + r);
        EXPECT_EQ(s.Mp, 1 + 2 + r);
        EXPECT_EQ(s.Attack, torba.attack + 1);
        EXPECT_EQ(s.Defense, torba.defense + 1);
        EXPECT_EQ(s.Wisdom, torba.wisdom + 1);
        EXPECT_EQ(s.Speed, torba.speed + 1);
        EXPECT_EQ(p.form().caption(W::BarLevel), "LV   2");
        EXPECT_EQ(p.form().caption(W::BarHp), "HP　" + std::to_string(13 + r) + "/" + std::to_string(torba.hp + 3 + r));
        EXPECT_EQ(p.form().caption(W::BarMp), "MP　" + std::to_string(3 + r) + "/" + std::to_string(torba.mp + 2 + r));
    }
}

TEST(LevelUp, SkillsComeAtLevelsThreeSixNineAndTwelveOnly) {
    struct Case {
        int level, exp;
        W entry, status;  // W::Window: none
    };
    for (const Case& c :
         {Case{2, 26, W::Skill1Entry, W::StatusSkill1}, Case{5, 151, W::Skill2Entry, W::StatusSkill2},
          Case{8, 481, W::Skill3Entry, W::StatusSkill3}, Case{11, 1081, W::Skill4Entry, W::StatusSkill4},
          Case{3, 51, W::Window, W::Window}, Case{12, 1301, W::Window, W::Window}}) {
        SCOPED_TRACE(c.level);
        auto p = inArena(1, "set Level " + std::to_string(c.level) + "\nset Exp " + std::to_string(c.exp - 2) + "\n");
        p.then(winningBout() + next(0) + next(0) + std::string(kClick));
        EXPECT_EQ(p.state().Level, c.level + 1);
        const bool skill = c.entry != W::Window;
        EXPECT_EQ(p.form().caption(W::MessageLine3), skill ? "新しい特技を覚えた。" : "");
        if (skill) {
            EXPECT_TRUE(p.form().visible(c.entry));
            EXPECT_TRUE(p.form().visible(c.status));
        }
        int shown = 0;
        for (W w : {W::Skill1Entry, W::Skill2Entry, W::Skill3Entry, W::Skill4Entry})
            shown += p.form().visible(w) ? 1 : 0;
        EXPECT_EQ(shown, skill ? 1 : 0);
    }
}

TEST(LevelUp, LevelTwentyIsTheTop) {
    auto p = inArena(2, "set Level 20\nset Exp 99999\n");
    p.then(winningBout() + next(0) + next(0));
    EXPECT_EQ(p.state().TalkState, talk::kBackToClasses);
    p.then(kClick);
    EXPECT_EQ(p.state().Level, 20);
    EXPECT_TRUE(p.form().showing(W::ClassChoicePanel));
}

// Hero 0 against "ゾンビ" (power 2): a blow of draw 0 does 2.
std::string losingBout() {
    return "set TitleIndex 1\nset Hp 1\n" + bout(designed(W::LightButton), 1) + attack(0) + next(0);
}

TEST(Defeat, TheDefeatTakesTheTitleAndStopsTheFightsMusic) {
    auto p = inArena(0);
    p.then("set TitleIndex 1\nset Hp 1\n" + bout(designed(W::LightButton), 1) + "tick " + designed(Timer::BattleMusic) +
           "\n" + attack(0) + next(0));
    const Form& f = p.form();
    EXPECT_EQ(p.state().TalkState, talk::kDefeatAftermath);
    EXPECT_EQ(p.shown(&GameState::TitleName), "負け犬");
    EXPECT_EQ(f.caption(W::BarRank), "負け犬");
    EXPECT_EQ(p.state().TitleIndex, 1) << "the open classes stay open";
    EXPECT_TRUE(p.sound().state(Tune::Defeat).playing);
    EXPECT_FALSE(p.sound().state(Tune::Battle1).playing);
    EXPECT_TRUE(p.sound().state(Tune::Battle1).atStart);
    EXPECT_FALSE(f.enabled(Timer::BattleMusic));
    EXPECT_EQ(p.state().BattleMusicTick, 0);
    EXPECT_EQ(opponentPicturesShowing(f).size(), 1u);
    expectCleanRun(p);
}

TEST(Defeat, TheClickAfterADefeatHalvesTheMoneyAndRestoresHpButNotMp) {
    for (int gold : {51, 1, 0}) {
        SCOPED_TRACE(gold);
        auto p = inArena(0, "set Gold " + std::to_string(gold) + "\nset Mp 2\n");
        p.then(losingBout() + std::string(kClick));
        const Form& f = p.form();
        EXPECT_EQ(p.state().Gold, gold / 2);
        EXPECT_EQ(f.caption(W::BarMoney), "所持金　" + std::to_string(gold / 2));
        EXPECT_EQ(p.state().Hp, 16);
        EXPECT_EQ(f.caption(W::BarHp), "HP　16/16");
        EXPECT_EQ(p.state().Mp, 2);
        EXPECT_TRUE(f.showing(W::TownButtons));
        EXPECT_TRUE(f.showing(W::StatusButton));
        EXPECT_FALSE(f.showing(W::MessagePanel));
        EXPECT_FALSE(f.showing(W::ClassChoicePanel));
        EXPECT_TRUE(opponentPicturesShowing(f).empty());
        EXPECT_FALSE(p.sound().state(Tune::Defeat).playing);
        EXPECT_TRUE(f.enabled(Timer::TownMusic));
        EXPECT_EQ(f.caption(W::BarRank), "負け犬") << "until the king gives the title back";
        expectCleanRun(p);
    }
}

TEST(Defeat, LosingToAChampionBooksNothingAndTheChampionComesAgain) {
    auto p = inArena(0, "set AmateurBouts 8\nset Hp 1\n");
    p.then(bout(designed(W::AmateurButton), 5) + "click " + designed(W::ChampionAppears) + "\n" + attack(0) + next(0) +
           std::string(kClick));
    EXPECT_EQ(p.state().ChampionWins, 0);
    EXPECT_EQ(p.state().ChallengerWins, 0);
    p.then(std::string("click ") + designed(W::ArenaButton) + "\n" + bout(designed(W::AmateurButton), 5));
    EXPECT_EQ(p.shown(&GameState::EnemyName), "ズンダラデラックス");
    EXPECT_TRUE(p.form().showing(W::ChampionAppears));
    expectCleanRun(p);
}

// A champion bout won at once: set up, announced, and one attack against 1 HP.
std::string championWin(const char* button, int draw) {
    return bout(button, draw) + "click " + designed(W::ChampionAppears) + "\nset EnemyHp 1\n" + attack(0) + next(0);
}

TEST(Victory, TheFourthChampionChangesTheStoresStock) {
    auto p = inArena(0, "set TitleIndex 3\nset ChampionWins 3\nset BantamBouts 9\n");
    p.then(championWin(designed(W::BantamButton), 4));
    EXPECT_EQ(p.state().ChampionWins, 4);
    for (W gone : shipped::shelf(shipped::Stage::First, true)) EXPECT_FALSE(p.form().visible(gone));
    for (W come : shipped::shelf(shipped::Stage::Second, true)) EXPECT_TRUE(p.form().visible(come));

    // The third champion leaves the shelf alone.
    auto q = inArena(0, "set TitleIndex 2\nset ChampionWins 2\nset FlyBouts 9\n");
    q.then(championWin(designed(W::FlyButton), 4));
    EXPECT_EQ(q.state().ChampionWins, 3);
    EXPECT_TRUE(q.form().visible(W::StoreWeapon1));
    EXPECT_FALSE(q.form().visible(W::StoreWeapon3));
    expectCleanRun(q);
}

TEST(Victory, TheSixthChampionOpensTheCasinoForEveryHeroButTheFirst) {
    for (int hero = 0; hero < 4; ++hero) {
        SCOPED_TRACE(hero);
        auto p = inArena(hero, "set TitleIndex 5\nset ChampionWins 5\nset MiddleBouts 6\n");
        p.then(championWin(designed(W::MiddleButton), 4));
        EXPECT_EQ(p.state().ChampionWins, 6);
        EXPECT_EQ(p.form().visible(W::CasinoButton), hero != 0);
    }
}

TEST(Victory, ChampionAndChallengerProgressNeverMix) {
    // A challenger win is no champion win.
    auto heavy = inArena(0, "set TitleIndex 6\nset ChampionWins 6\nset ChallengerWins 2\n");
    heavy.then(std::string("click ") + designed(W::HeavyButton) + "\nclick " + designed(W::ChallengerAppears) +
               "\nset EnemyHp 1\n" + attack(0) + next(0));
    EXPECT_EQ(heavy.state().ChallengerWins, 3);
    EXPECT_EQ(heavy.state().ChampionWins, 6);

    // A champion win advances no challenger, even with the counters lined up.
    auto champ = inArena(0, "set ChallengerWins 0\nset AmateurBouts 8\n");
    champ.then(championWin(designed(W::AmateurButton), 5));
    EXPECT_EQ(champ.state().ChampionWins, 1);
    EXPECT_EQ(champ.state().ChallengerWins, 0);

    // An ordinary win advances neither.
    auto plain = inArena(0);
    plain.then(winningBout() + next(0));
    EXPECT_EQ(plain.state().ChampionWins, 0);
    EXPECT_EQ(plain.state().ChallengerWins, 0);
    expectCleanRun(plain);
}

TEST(Victory, APurseFilledAtTheCasinoStaysFullAndAHugeBlowLeavesNoHpToSpare) {
    // The casino fills a purse to the largest sum; a prize on top keeps it there, not a debt.
    auto p = inArena(0, "set Gold 2147483647\n");
    p.then(winningBout() + next(0));
    EXPECT_EQ(p.state().Gold, 2147483647);
    EXPECT_EQ(p.form().caption(W::BarMoney), "所持金　2147483647");
    // The largest power hits for the most there is, and HP stops at the bottom.
    auto q = inArena(0);
    q.then(bout(designed(W::AmateurButton), 0) + "set EnemyPower 2147483647\nset Hp -10\n" + attack(0) + next(1));
    EXPECT_EQ(q.state().LastAmount, 2147483647);
    EXPECT_EQ(q.state().Hp, -2147483647 - 1);
}

}  // namespace
}  // namespace verminadia
