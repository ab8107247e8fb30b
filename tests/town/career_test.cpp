// A hero's life in town from the choice to the last title: shopping, sleeping and the king,
// as the fights (played elsewhere) raise the counters between visits.

#include <gtest/gtest.h>

#include "in_town.h"
#include "town/store.h"

namespace verminadia {
namespace {

using town_testing::inTown;

TEST(TownCareer, TheWandererEquipsSleepsAndRisesThroughTheTitles) {
    auto p = inTown(3);
    Game& g = p.game();
    // First money from the amateur bouts: the cheap sword and a night at 25 円.
    p.then("set Gold 130\nclick Button4\nclick Label34\nclick Label43");
    p.then("set Hp 4\nclick Button5\nclick Button7\nclick Button8");
    EXPECT_EQ(p.state().Gold, 5);
    EXPECT_EQ(p.state().Hp, 18);
    // Three champions later the king names the general, and the inn asks 40 円.
    p.then("set ChampionWins 3\nclick Button3\nclick Panel5");
    EXPECT_EQ(p.form().caption(W::Label13), "城の将軍");
    p.then("set Gold 39\nclick Button5\nclick Button7");
    EXPECT_EQ(p.state().Gold, 39);
    p.then("click Button8");
    // The fourth champion changes the shelf; the best armour is bought with the prize.
    g.state.ChampionWins = 4;
    changeStoreStock(g);
    p.then("set Gold 500\nclick Button4\nclick Label40\nclick Label43\nclick Button3\nclick Panel5");
    EXPECT_EQ(p.shown(&GameState::ArmorName), "ドラゴンの鎧　  ");
    EXPECT_EQ(p.shown(&GameState::TitleName), "特攻隊長");
    p.then("click Button1");
    EXPECT_EQ(p.form().caption(W::Label21), "武器　　銀のつるぎ　　  ");
    EXPECT_EQ(p.form().caption(W::Label22), "防具　　ドラゴンの鎧　  ");
    EXPECT_EQ(p.form().caption(W::Label23), "攻撃力　　　15");
    EXPECT_EQ(p.form().caption(W::Label24), "防御力　　　14");
    EXPECT_EQ(p.form().caption(W::Label18), "ランク　　特攻隊長");
    p.then("click Button2");
    // The last champion, then the challengers: the king's final words start the ending.
    p.then("set ChampionWins 6\nclick Button3\nclick Panel5\nset ChallengerWins 6\nclick Button3");
    EXPECT_EQ(p.state().TalkState, talk::kEnding);
    EXPECT_EQ(p.shown(&GameState::TitleName), "伝説の剣士");
    EXPECT_EQ(p.out, "");
    EXPECT_GE(p.state().Gold, 0);
}

}  // namespace
}  // namespace verminadia
