// The click after the hero's action: the opponent's blow and its floor, the kinds' actions with
// their colours, fixed damages and growing pictures, the defeat at 0 HP, and the victory that
// leaves a fallen opponent no turn.

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
using arena_testing::next;

// Hero 0: 16 HP, defense 9. A light-class bout against "ゾンビ" (kind 1, no actions, power 2,
// 20 HP, defense 6): an attack of draw 0 does 4, leaving it standing.
constexpr const char* kZombie = "set TitleIndex 1\n";

TEST(OpponentTurn, TheBlowIsTwicePowerPlusTheDrawLessArmourAndAQuarterOfDefense) {
    struct Case {
        int defense, armour, power, draw, damage;
    };
    for (const Case& c : {Case{9, 0, 5, 0, 8}, Case{11, 0, 5, 0, 8}, Case{12, 0, 5, 0, 7}, Case{9, 2, 5, 2, 8},
                          Case{12, 0, 1, 0, 0}, Case{12, 0, 1, 1, 0}, Case{12, 0, 1, 2, 1}, Case{0, 30, 7, 2, 0}}) {
        SCOPED_TRACE(::testing::Message() << c.defense << " " << c.armour << " " << c.power << " " << c.draw);
        auto p = inArena(0, std::string(kZombie) + "set Defense " + std::to_string(c.defense) + "\nset ArmorDefense " +
                                std::to_string(c.armour) + "\n");
        p.then(bout(designed(W::LightButton), 1) + "set EnemyPower " + std::to_string(c.power) + "\n" + attack(0) +
               next(c.draw));
        EXPECT_EQ(p.state().LastAmount, c.damage);
        EXPECT_EQ(p.state().Hp, 16 - c.damage);
        EXPECT_EQ(p.form().caption(W::MessageLine3),
                  "トルバさんは" + std::to_string(c.damage) + "のダメージをうけた。");
        EXPECT_EQ(p.form().caption(W::BarHp), "HP　" + std::to_string(16 - c.damage) + "/16");
        expectCleanRun(p);
    }
}

TEST(OpponentTurn, AKindWithoutActionsIsOnlyHeardByItsBlows) {
    const char* blows[] = {"バシッ！！", "ボコッ！！", "ベシッ！！"};
    for (int draw = 0; draw < 3; ++draw) {
        auto p = inArena(0, kZombie);
        p.then(bout(designed(W::LightButton), 1) + attack(0) + next(draw));
        EXPECT_EQ(p.form().caption(W::MessageLine1), "ゾンビの攻撃！");
        EXPECT_EQ(p.form().caption(W::MessageLine2), blows[draw]);
        EXPECT_EQ(p.form().windowColor(), kBlack);
        EXPECT_EQ(p.state().TalkState, talk::kNothing);
        EXPECT_TRUE(p.form().showing(W::CommandPanel)) << "the hero chooses again";
        EXPECT_TRUE(p.sound().state(Sfx::Cry).playing);
    }
}

TEST(OpponentTurn, ActionsReplaceTheBlowWithTheirLineColourAndFixedDamage) {
    struct Case {
        const char* setup;  // the bout, up to the hero's action
        int draw;
        const char* line;
        Rgb colour;
        int damage;  // -1: the computed blow
    };
    const std::string zundara = bout(designed(W::AmateurButton), 1);
    const std::string heavy = std::string("set TitleIndex 6\nset Hp 500\nset MaxHp 500\nclick ") +
                              designed(W::HeavyButton) + "\nclick " + designed(W::ChallengerAppears) + "\n";
    for (const Case& c : {
             Case{"", 1, "ズンダラの体が赤く光り出した！", kRed, -1},
             Case{"", 0, "ズンダラは火を吹いた！！", kBlack, -1},
             Case{"set ChallengerWins 1\n", 0, "光の王はバラマキーの呪文を唱えた！", kWhite, 12},
             Case{"set ChallengerWins 1\n", 2, "光の王は輝く光を放った。", kWhite, 5},
             Case{"set ChallengerWins 2\n", 1, "大魔王は強力な炎は吹いた！", kRed, 10},
             Case{"set ChallengerWins 4\n", 2, "トルバさんは暴れだした！！", kBlack, -1},
         }) {
        SCOPED_TRACE(c.line);
        const bool isHeavy = std::string(c.setup).size() > 0;
        auto p = inArena(3, std::string(c.setup) + "set ArmorDefense 40\n");  // armour stops every blow
        p.then((isHeavy ? heavy : zundara) + attack(0) + next(c.draw));
        EXPECT_EQ(p.form().caption(W::MessageLine2), c.line);
        EXPECT_EQ(p.form().windowColor(), c.colour);
        EXPECT_EQ(p.state().LastAmount, c.damage < 0 ? 0 : c.damage) << "fixed damage ignores the armour";
        expectCleanRun(p);
    }
}

TEST(OpponentTurn, SomeLinesNameTheHeroOrNoOneAtAll) {
    auto porone = inArena(2, "set TitleIndex 1\nset ChampionWins 1\nset LightBouts 9\n");
    porone.then(bout(designed(W::LightButton), 4) + "click " + designed(W::ChampionAppears) + "\n" + attack(0) +
                next(1));
    EXPECT_EQ(porone.form().caption(W::MessageLine2), "ミゼル先生は投げ飛ばされた！");

    auto fan = inArena(2, "set TitleIndex 3\nset ChampionWins 3\nset BantamBouts 9\n");
    fan.then(bout(designed(W::BantamButton), 4) + "click " + designed(W::ChampionAppears) + "\n" + attack(0) + next(0));
    EXPECT_EQ(fan.form().caption(W::MessageLine2), "「風力最大!!」");
    EXPECT_EQ(fan.form().caption(W::MessageLine1), "扇風機マンの攻撃！");
    expectCleanRun(fan);
}

TEST(OpponentTurn, AColourLastsUntilTheNextStateTwoClickOrAttack) {
    auto p = inArena(0);
    p.then(bout(designed(W::AmateurButton), 1) + attack(0) + next(1));
    EXPECT_EQ(p.form().windowColor(), kRed);
    p.then(std::string("click ") + designed(W::MessageLine1));  // nothing pending: the colour stays
    EXPECT_EQ(p.form().windowColor(), kRed);
    p.then(attack(0));
    EXPECT_EQ(p.form().windowColor(), kBlack);
}

TEST(OpponentTurn, GrowingPicturesStretchForTheFightAndShrinkInTheNextBoutOfTheirClass) {
    // "カエル" (bantam draw 2) grows on its draw 1.
    auto p = inArena(3, "set TitleIndex 3\nset Attack 30\n");
    p.then(bout(designed(W::BantamButton), 2) + attack(0) + next(1));
    EXPECT_EQ(p.form().caption(W::MessageLine2), "カエルは巨大化した！");
    EXPECT_TRUE(p.form().state(W::FrogPicture).stretch);
    p.then(attack(0) + next(0) + next(0) + "click " + designed(W::MessageLine2) +
           "\n");  // won, experience, back to the classes
    EXPECT_TRUE(p.form().state(W::FrogPicture).stretch) << "until the next bout of its class";
    p.then(bout(designed(W::BantamButton), 2));
    EXPECT_FALSE(p.form().state(W::FrogPicture).stretch);
    EXPECT_TRUE(p.form().showing(W::FrogPicture));

    // The amateur champion grows on its draw 1 too.
    auto c = inArena(3, "set AmateurBouts 8\n");
    c.then(bout(designed(W::AmateurButton), 5) + "click " + designed(W::ChampionAppears) + "\n" + attack(0) + next(1));
    EXPECT_EQ(c.form().caption(W::MessageLine2), "ズンダラデラックスは巨大化した！");
    EXPECT_TRUE(c.form().state(W::ZundaraDeluxePicture).stretch);
    expectCleanRun(c);
}

TEST(OpponentTurn, ZeroHpAfterTheBlowIsADefeatAndOneIsNot) {
    // "ゾンビ" power 2 against defense 9: 4 + draw - 2.
    auto alive = inArena(0, std::string(kZombie) + "set Hp 3\n");
    alive.then(bout(designed(W::LightButton), 1) + attack(0) + next(0));
    EXPECT_EQ(alive.state().Hp, 1);
    EXPECT_EQ(alive.state().TalkState, talk::kNothing);
    EXPECT_TRUE(alive.form().showing(W::CommandPanel));

    auto dead = inArena(0, std::string(kZombie) + "set Hp 2\n");
    dead.then(bout(designed(W::LightButton), 1) + attack(0) + next(0));
    EXPECT_EQ(dead.state().Hp, 0);
    EXPECT_EQ(dead.state().TalkState, talk::kDefeatAftermath);
    EXPECT_FALSE(dead.form().showing(W::CommandPanel));
    EXPECT_EQ(dead.form().caption(W::MessageLine3), "トルバさんは負けてしまった。");
    EXPECT_EQ(dead.form().caption(W::MessageLine2), "バシッ！！") << "the opponent's action stays";
    expectCleanRun(dead);
}

TEST(OpponentTurn, ANegativeHpIsShownUntilTheNextClick) {
    auto p = inArena(0, std::string(kZombie) + "set Hp 2 \n");
    p.then(bout(designed(W::LightButton), 1) + "set EnemyPower 4\n" + attack(0) + next(2));  // 8 + 2 - 2 = 8
    EXPECT_EQ(p.state().Hp, -6);
    EXPECT_EQ(p.form().caption(W::BarHp), "HP　-6/16");
    p.then(std::string("click ") + designed(W::MessageLine1));
    EXPECT_EQ(p.form().caption(W::BarHp), "HP　16/16");
    EXPECT_EQ(p.state().Hp, 16);
}

TEST(OpponentTurn, AnOpponentLeftAtZeroOrBelowDoesNotActTheVictoryComesAtOnce) {
    for (int hp : {10, 8}) {  // an attack of draw 2 does 10: exactly 0, then below
        SCOPED_TRACE(hp);
        auto p = inArena(0);
        p.then(bout(designed(W::AmateurButton), 0) + "set EnemyHp " + std::to_string(hp) + "\n" + attack(2) + next(1));
        EXPECT_EQ(p.state().TalkState, talk::kExperience);
        EXPECT_EQ(p.form().caption(W::MessageLine1), "100円マンを倒した。");
        EXPECT_EQ(p.state().Hp, 16) << "no blow was struck";
        EXPECT_FALSE(p.sound().state(Sfx::Cry).playing);
        EXPECT_FALSE(p.form().showing(W::CommandPanel));
        EXPECT_TRUE(p.form().showing(W::HundredYenManPicture)) << "the picture stays until the next click";
        expectCleanRun(p);
    }
}

}  // namespace
}  // namespace verminadia
