// Whole games through the driver: the title, the hero choice, the first amateur bout, the six
// champions with a visit to the king after each, the six challengers of the heavy class, the
// casino where the hero has it, the king's last words and the ending until the window closes,
// for each of the four heroes and their own line-up of challengers.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "support/arena.h"
#include "support/shipped.h"

namespace verminadia {
namespace {

using arena_testing::bout;
using arena_testing::expectCleanRun;
using arena_testing::opponentPicturesShowing;
using arena_testing::winTheBout;
using test::Played;

// Skills and items belong to other screens; a strong hero keeps a career to a few turns a bout
// and still meets every opponent, including the ones whose defense is 100.
constexpr const char* kStrongHero = "set Attack 150\nset MaxHp 999\nset Hp 999\n";

void visitTheKing(Played& p) {
    p.then(std::string("click ") + designed(W::LeaveArenaButton) + "\nclick " + designed(W::KingButton) + "\nclick " +
           designed(W::MessageLine2) + "\nclick " + designed(W::ArenaButton) + "\n");
}

class WholeGame : public ::testing::TestWithParam<int> {};

TEST_P(WholeGame, FromTheTitleToTheWindowClosingAfterTheCredits) {
    const int hero = GetParam();
    const shipped::Hero& c = shipped::kHeroes[static_cast<std::size_t>(hero)];
    Played p = test::play(test::heroChosen(hero) + kStrongHero + "click " + designed(W::ArenaButton) + "\n");

    for (std::size_t k = 0; k < shipped::kChampions.size(); ++k) {
        const shipped::Champion& cls = shipped::kChampions[k];
        SCOPED_TRACE(cls.champion);
        // Ordinary bouts up to the threshold, all on a draw that is never the champion's slot.
        for (int n = 1; n < cls.threshold; ++n) {
            p.then(bout(cls.button, 0));
            ASSERT_FALSE(p.form().showing(W::ChampionAppears));
            ASSERT_EQ(opponentPicturesShowing(p.form()).size(), 1u);
            winTheBout(p);
        }
        p.then(bout(cls.button, cls.slot));
        ASSERT_EQ(p.shown(&GameState::EnemyName), cls.champion);
        ASSERT_TRUE(p.form().showing(W::ChampionAppears));
        p.then(std::string("click ") + designed(W::ChampionAppears) + "\n");
        ASSERT_EQ(p.state().ChampionBout, static_cast<int>(k) + 1);
        winTheBout(p);
        EXPECT_EQ(p.state().ChampionWins, static_cast<int>(k) + 1);

        // The next class stays shut until the king grants the title.
        if (k + 1 < shipped::kChampions.size()) {
            const std::string before = p.script->dump();
            p.then(std::string("click ") + shipped::kChampions[k + 1].button);
            EXPECT_EQ(p.script->dump(), before);
        }
        visitTheKing(p);
        EXPECT_EQ(p.state().TitleIndex, static_cast<int>(k) + 1);
        EXPECT_EQ(p.shown(&GameState::TitleName), c.titles[k]);
        EXPECT_EQ(p.form().caption(W::BarRank), c.titles[k]);

        if (k + 1 == 4) {
            EXPECT_FALSE(p.form().visible(W::StoreWeapon1)) << "the store's stock changed";
            EXPECT_TRUE(p.form().visible(W::StoreArmor2));
        }
    }
    EXPECT_EQ(p.form().visible(W::CasinoButton), hero != 0) << "the casino";

    const std::array<const char*, 6> challengers = {
        "遺跡の神", "光の王", "大魔王", c.lastChallengers[0], c.lastChallengers[1], c.lastChallengers[2]};
    for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE(challengers[static_cast<std::size_t>(k)]);
        p.then(std::string("click ") + designed(W::HeavyButton));
        ASSERT_EQ(p.shown(&GameState::EnemyName), challengers[static_cast<std::size_t>(k)]);
        ASSERT_EQ(p.state().HeavyBouts, k + 1);
        p.then(std::string("click ") + designed(W::ChallengerAppears));
        winTheBout(p);
        EXPECT_EQ(p.state().ChallengerWins, k + 1);
        EXPECT_EQ(p.state().ChampionWins, 6);
    }

    // The series is over: the heavy class is shut, and the king speaks his last.
    const std::string before = p.script->dump();
    p.then(std::string("click ") + designed(W::HeavyButton));
    EXPECT_EQ(p.script->dump(), before);
    p.then(std::string("click ") + designed(W::LeaveArenaButton));
    EXPECT_EQ(p.state().AmateurBouts, 9);
    EXPECT_EQ(p.state().MiddleBouts, 7);

    // A throw at the casino, for the heroes who have one: a draw of 1 loses the owner's hand.
    if (hero != 0) {
        const int gold = p.state().Gold;
        p.then(std::string("click ") + designed(W::CasinoButton) + "\ndraw 1\nclick " + designed(W::RockButton) +
               "\nclick " + designed(W::LeaveCasinoButton));
        EXPECT_EQ(p.state().Gold, gold * 2);
        EXPECT_TRUE(p.form().showing(W::TownButtons));
    }

    // The king's last words, then the ending plays by itself and the window closes.
    p.then(std::string("click ") + designed(W::KingButton));
    EXPECT_EQ(p.state().TalkState, talk::kEnding);
    p.then(std::string("click ") + designed(W::MessageLine1) + "\ntick " + designed(Timer::Ending) + " 146");
    EXPECT_TRUE(p.form().open());
    p.then(std::string("tick ") + designed(Timer::Ending) + "\ndump");
    EXPECT_NE(p.out.find("\"window\":{\"open\":false"), std::string::npos);
    expectCleanRun(p);
    p.then(std::string("click ") + designed(W::KingButton));
    EXPECT_EQ(p.out.substr(p.out.find('\n') + 1), "ignored: window closed\n");
}

INSTANTIATE_TEST_SUITE_P(EveryHero, WholeGame, ::testing::Range(0, 4), [](const ::testing::TestParamInfo<int>& param) {
    return "Hero" + std::to_string(param.param);
});

}  // namespace
}  // namespace verminadia
