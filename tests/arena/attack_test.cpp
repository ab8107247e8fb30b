// "攻撃": the damage and its floor, the one draw that sets both the damage and the line, and the
// lines of every hero and weapon, the merchant's gun included.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/career.h"
#include "support/arena.h"

namespace verminadia {
namespace {

using arena_testing::attack;
using arena_testing::bout;
using arena_testing::expectCleanRun;
using arena_testing::inArena;

// Hero 0 has attack 10; "100円マン" (amateur draw 0) has defense 2 and 20 HP.
TEST(Attack, TheDrawAddsToTheDamageAndPicksTheLine) {
    struct Case {
        int draw;
        int damage;
        const char* line;
    };
    for (const Case& c :
         {Case{0, 8, "トルバさんは木の枝で100円マンを突っついた。"}, Case{1, 9, "トルバさんは木の枝を振り回した。"},
          Case{2, 10, "トルバさんは100円マンに飛びかかった。"}}) {
        SCOPED_TRACE(c.draw);
        auto p = inArena(0);
        p.then(bout(designed(W::AmateurButton), 0) + attack(c.draw));
        const Form& f = p.form();
        EXPECT_EQ(f.caption(W::MessageLine1), "トルバさんの攻撃！！");
        EXPECT_EQ(f.caption(W::MessageLine2), c.line);
        EXPECT_EQ(f.caption(W::MessageLine3), "100円マンに" + std::to_string(c.damage) + "のダメージを与えた。");
        EXPECT_EQ(p.state().EnemyHp, 20 - c.damage);
        EXPECT_EQ(p.state().LastAmount, c.damage);
        EXPECT_EQ(p.state().Roll, c.draw);
        expectCleanRun(p);
    }
}

TEST(Attack, TheWeaponsBonusCountsAndTheDamageNeverGoesBelowZero) {
    // Defense 100: no draw gets through, and the line still tells a damage of 0.
    auto wall = inArena(0, "set TitleIndex 5\n");
    wall.then(bout(designed(W::MiddleButton), 1) + attack(2));  // "龍神の弟"
    EXPECT_EQ(wall.form().caption(W::MessageLine3), "龍神の弟に0のダメージを与えた。");
    EXPECT_EQ(wall.state().EnemyHp, 50);
    EXPECT_EQ(wall.state().TalkState, talk::kOpponentTurn) << "the turn is used up all the same";

    // Attack + weapon exactly one below the defense: only the best draw hurts.
    for (int draw : {0, 1, 2}) {
        auto p = inArena(0, "set WeaponAttack 3\n");
        p.then(bout(designed(W::AmateurButton), 0) + "set EnemyDefense 14\n" + attack(draw));
        EXPECT_EQ(p.state().LastAmount, draw == 2 ? 1 : 0) << draw;
        EXPECT_EQ(p.state().EnemyHp, draw == 2 ? 19 : 20) << draw;
    }
}

TEST(Attack, HitPointsMayGoBelowZeroAndTheVictoryWaitsForTheNextClick) {
    auto p = inArena(0);
    p.then(bout(designed(W::AmateurButton), 0) + "set EnemyHp 3\n" + attack(2));
    EXPECT_EQ(p.state().EnemyHp, -7);
    EXPECT_EQ(p.form().caption(W::MessageLine3), "100円マンに10のダメージを与えた。");
    EXPECT_EQ(p.state().TalkState, talk::kOpponentTurn);
    EXPECT_TRUE(p.form().showing(W::HundredYenManPicture));
}

TEST(Attack, TheAttackHidesTheCommandsAndEndsAnyColourFlash) {
    auto p = inArena(0);
    p.then(bout(designed(W::AmateurButton), 1));  // "ズンダラ": its draw 1 turns the window red
    p.then(attack(0) + arena_testing::next(1));
    ASSERT_EQ(p.form().windowColor(), kRed);
    ASSERT_TRUE(p.form().showing(W::CommandPanel));
    p.then(attack(0));
    EXPECT_EQ(p.form().windowColor(), kBlack);
    EXPECT_FALSE(p.form().showing(W::CommandPanel));
    EXPECT_TRUE(p.sound().state(Sfx::Sword).playing);
    // The command column is gone, so the same turn cannot attack twice.
    p.then(std::string("click ") + designed(W::AttackCommand));
    EXPECT_NE(p.out.find(std::string("ignored: ") + designed(W::AttackCommand) + " is hidden"), std::string::npos);
}

// The line of every hero, weapon and draw: its own, never the previous one left standing.
TEST(Attack, EveryHeroAndWeaponHasItsOwnLineForEachDraw) {
    for (int hero = 0; hero < 4; ++hero) {
        std::set<std::string> lines;
        for (int weapon = 0; weapon <= 6; ++weapon) {
            for (int draw = 0; draw < 3; ++draw) {
                auto p = inArena(hero, "set WeaponId " + std::to_string(weapon) + "\n");
                p.then(bout(designed(W::AmateurButton), 2) + attack(draw));  // "スライム"
                const std::string line = p.form().caption(W::MessageLine2);
                EXPECT_NE(line, "対戦相手はスライムです！！") << hero << " " << weapon << " " << draw;
                lines.insert(line);
                if (weapon == 6) {
                    EXPECT_NE(line.find("ワルサーP38"), std::string::npos) << line;
                }
            }
        }
        EXPECT_EQ(lines.size(), 21u) << "hero " << hero;
    }
}

TEST(Attack, LinesJoinTheNamesWhereTheyBelong) {
    struct Case {
        int hero, weapon, draw;
        const char* line;
    };
    for (const Case& c :
         {Case{1, 0, 2, "嘆きの老人は入れ歯スライムに投げた。"}, Case{1, 5, 2, "ドラゴンの杖で炎を吹いた。"},
          Case{0, 5, 2, "トルバさんのあまりの力の無さにスライムは同情した。"}, Case{2, 5, 2, "スライムの首を撥ねた。"},
          Case{3, 5, 0, "スライムの首を撥ねた。"}, Case{3, 1, 0, "銀のつるぎをスライムに投げ飛ばした。"},
          Case{2, 6, 0, "ワルサーP38でスライムを撃った。"}, Case{0, 6, 1, "トルバさんはワルサーP38を乱射した。"},
          Case{3, 6, 2, "ワルサーP38でスライムを撃ち抜いた。"}}) {
        auto p = inArena(c.hero, "set WeaponId " + std::to_string(c.weapon) + "\n");
        p.then(bout(designed(W::AmateurButton), 2) + attack(c.draw));
        EXPECT_EQ(p.form().caption(W::MessageLine2), c.line);
    }
}

}  // namespace
}  // namespace verminadia
