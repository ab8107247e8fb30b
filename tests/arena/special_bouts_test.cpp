// Champion and challenger bouts: the announcement that waits for a click, the picture it
// reveals, and exactly one opponent on screen however the bouts follow one another.

#include <gtest/gtest.h>

#include <string>

#include "core/career.h"
#include "support/arena.h"

namespace verminadia {
namespace {

using arena_testing::attack;
using arena_testing::bout;
using arena_testing::expectCleanRun;
using arena_testing::inArena;
using arena_testing::kClick;
using arena_testing::next;
using arena_testing::opponentPicturesShowing;

TEST(ChampionBout, TheCaptionClickRevealsTheChampionAndOpensTheFight) {
    struct Case {
        const char* setup;
        const char* button;
        W picture;
    };
    for (const Case& c :
         {Case{"set AmateurBouts 8\n", designed(W::AmateurButton), W::ZundaraDeluxePicture},
          Case{"set ChampionWins 1\nset LightBouts 9\n", designed(W::LightButton), W::PoronePicture},
          Case{"set ChampionWins 2\nset FlyBouts 9\n", designed(W::FlyButton), W::MukkaPicture},
          Case{"set ChampionWins 3\nset BantamBouts 9\n", designed(W::BantamButton), W::FanManPicture},
          Case{"set ChampionWins 4\nset FeatherBouts 9\n", designed(W::FeatherButton), W::RokurokubiPicture},
          Case{"set ChampionWins 5\nset MiddleBouts 6\n", designed(W::MiddleButton), W::MysteriousManPicture}}) {
        SCOPED_TRACE(c.button);
        auto p = inArena(0, std::string("set TitleIndex 5\n") + c.setup);
        p.then(bout(c.button, c.button == std::string(designed(W::AmateurButton)) ? 5 : 4) + "tick " +
               designed(Timer::BattleMusic) + "\n");
        EXPECT_TRUE(p.form().enabled(Timer::BattleMusic)) << "the theme starts behind the caption";
        const int hp = p.state().EnemyHp;
        p.then(std::string("click ") + designed(W::ChampionAppears));
        const Form& f = p.form();
        EXPECT_EQ(p.state().ChampionBout, p.state().ChampionWins + 1);
        EXPECT_EQ(opponentPicturesShowing(f), std::vector<W>{c.picture});
        EXPECT_FALSE(f.showing(W::ChampionAppears));
        EXPECT_TRUE(f.showing(W::MessagePanel));
        EXPECT_TRUE(f.showing(W::CommandPanel));
        EXPECT_EQ(p.state().TalkState, talk::kNothing);
        EXPECT_EQ(p.state().EnemyHp, hp);
        EXPECT_EQ(f.caption(W::MessageLine3), "戦闘開始！！！");
        expectCleanRun(p);
    }
}

// The heavy class's line-up: the same three first, then the other three heroes by HeroId.
TEST(ChallengerBout, TheCaptionClickRevealsTheChallengerOfThisHero) {
    struct Case {
        int hero, wins;
        const char* name;
        int hp, defense;
        W picture;
    };
    for (const Case& c :
         {Case{2, 0, "遺跡の神", 170, 15, W::RuinsGodPicture}, Case{2, 1, "光の王", 80, 100, W::WizardPicture},
          Case{2, 2, "大魔王", 250, 3, W::DemonKingPicture},
          Case{0, 4, "ミゼル先生", 200, 9, W::MizelChallengerPicture},
          Case{3, 5, "ミゼル先生", 900, 8, W::MizelChallengerPicture},
          Case{1, 3, "ミゼル先生", 360, 4, W::MizelChallengerPicture},
          Case{1, 5, "トルバさん", 700, 6, W::TorubaChallengerPicture},
          Case{0, 5, "嘆きの老人", 800, 6, W::OldMoanerChallengerPicture},
          Case{2, 5, "サスライの剣士", 900, 6, W::RoninChallengerPicture}}) {
        SCOPED_TRACE(::testing::Message() << c.hero << " " << c.wins);
        auto p = inArena(c.hero, "set TitleIndex 6\nset ChallengerWins " + std::to_string(c.wins) + "\n");
        p.then(std::string("click ") + designed(W::HeavyButton));
        EXPECT_EQ(p.shown(&GameState::EnemyName), c.name);
        EXPECT_EQ(p.state().EnemyHp, c.hp);
        EXPECT_EQ(p.state().EnemyDefense, c.defense);
        EXPECT_EQ(p.state().ChallengerBout, c.wins);
        p.then(std::string("click ") + designed(W::ChallengerAppears));
        EXPECT_EQ(opponentPicturesShowing(p.form()), std::vector<W>{c.picture});
        EXPECT_FALSE(p.form().showing(W::ChallengerAppears));
        EXPECT_TRUE(p.form().showing(W::CommandPanel));
        EXPECT_TRUE(p.form().showing(W::MessagePanel));
        expectCleanRun(p);
    }
}

TEST(ChallengerBout, ALostChallengerBoutBringsTheSameChallengerBack) {
    auto p = inArena(0, "set TitleIndex 6\nset ChallengerWins 1\nset Hp 1\n");
    p.then(std::string("click ") + designed(W::HeavyButton) + "\nclick " + designed(W::ChallengerAppears) + "\n" +
           attack(0) + next(0) + std::string(kClick));
    EXPECT_EQ(p.state().TalkState, talk::kDefeatAftermath);  // the aftermath leaves the code as it was
    EXPECT_EQ(p.state().ChallengerWins, 1);
    p.then(std::string("click ") + designed(W::ArenaButton) + "\nclick " + designed(W::HeavyButton));
    EXPECT_EQ(p.shown(&GameState::EnemyName), "光の王");
    expectCleanRun(p);
}

// Bouts that share a picture, follow a champion, a defeat or a challenger: always exactly one.
TEST(Pictures, ExactlyOneOpponentPictureIsShownDuringEveryBout) {
    auto p = inArena(0, "set TitleIndex 6\nset Attack 500\nset AmateurBouts 8\n");
    auto fightShowsOne = [&](const std::string& setUp) {
        p.then(setUp);
        EXPECT_EQ(opponentPicturesShowing(p.form()).size(), 1u) << p.shown(&GameState::EnemyName);
        p.then(attack(0) + next(0) + next(0));
        if (p.state().TalkState == talk::kLevelUp) p.then(kClick);
        p.then(kClick);
        EXPECT_TRUE(opponentPicturesShowing(p.form()).empty());
    };
    fightShowsOne(bout(designed(W::AmateurButton), 1));  // ズンダラ, ZundaraPicture
    fightShowsOne(bout(designed(W::AmateurButton), 4));  // the other ズンダラ, ZundaraPicture again
    fightShowsOne(bout(designed(W::AmateurButton), 5) + "click " + designed(W::ChampionAppears) +
                  "\n");                                 // the amateur champion
    fightShowsOne(bout(designed(W::AmateurButton), 5));  // 黄色魔人 now
    fightShowsOne(bout(designed(W::LightButton), 3));    // 兵隊, SoldierPicture
    fightShowsOne(bout(designed(W::BantamButton), 1));   // 魔界の戦士, SoldierPicture again
    fightShowsOne(bout(designed(W::FeatherButton), 3));  // 指揮官, SoldierPicture again
    fightShowsOne(bout(designed(W::MiddleButton), 2));   // 究極の魔法使い, WizardPicture
    fightShowsOne(std::string("set ChallengerWins 1\nclick ") + designed(W::HeavyButton) + "\nclick " +
                  designed(W::ChallengerAppears) + "\n");  // 光の王, WizardPicture again

    // A defeat clears the picture as well.
    p.then("set Attack 0\nset Hp 1\n" + bout(designed(W::AmateurButton), 0) + attack(0) + next(2));
    ASSERT_EQ(p.state().TalkState, talk::kDefeatAftermath);
    EXPECT_EQ(opponentPicturesShowing(p.form()).size(), 1u);
    p.then(kClick);
    EXPECT_TRUE(opponentPicturesShowing(p.form()).empty());
    expectCleanRun(p);
}

}  // namespace
}  // namespace verminadia
