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
    p.then(std::string("set Gold 130\nclick ") + designed(W::StoreButton) + "\nclick " + designed(W::StoreWeapon1) +
           "\nclick " + designed(W::LeaveStore));
    p.then(std::string("set Hp 4\nclick ") + designed(W::InnButton) + "\nclick " + designed(W::StayButton) +
           "\nclick " + designed(W::LeaveInnButton));
    EXPECT_EQ(p.state().Gold, 5);
    EXPECT_EQ(p.state().Hp, 18);
    // Three champions later the king names the general, and the inn asks 40 円.
    p.then(std::string("set ChampionWins 3\nclick ") + designed(W::KingButton) + "\nclick " +
           designed(W::MessagePanel));
    EXPECT_EQ(p.form().caption(W::BarRank), "城の将軍");
    p.then(std::string("set Gold 39\nclick ") + designed(W::InnButton) + "\nclick " + designed(W::StayButton));
    EXPECT_EQ(p.state().Gold, 39);
    p.then(std::string("click ") + designed(W::LeaveInnButton));
    // The fourth champion changes the shelf; the best armour is bought with the prize.
    g.state.ChampionWins = 4;
    changeStoreStock(g);
    p.then(std::string("set Gold 500\nclick ") + designed(W::StoreButton) + "\nclick " + designed(W::StoreArmor2) +
           "\nclick " + designed(W::LeaveStore) + "\nclick " + designed(W::KingButton) + "\nclick " +
           designed(W::MessagePanel));
    EXPECT_EQ(p.shown(&GameState::ArmorName), "ドラゴンの鎧　  ");
    EXPECT_EQ(p.shown(&GameState::TitleName), "特攻隊長");
    p.then(std::string("click ") + designed(W::StatusButton));
    EXPECT_EQ(p.form().caption(W::StatusWeapon), "武器　　銀のつるぎ　　  ");
    EXPECT_EQ(p.form().caption(W::StatusArmor), "防具　　ドラゴンの鎧　  ");
    EXPECT_EQ(p.form().caption(W::StatusAttack), "攻撃力　　　15");
    EXPECT_EQ(p.form().caption(W::StatusDefense), "防御力　　　14");
    EXPECT_EQ(p.form().caption(W::StatusRank), "ランク　　特攻隊長");
    p.then(std::string("click ") + designed(W::StatusOkButton));
    // The last champion, then the challengers: the king's final words start the ending.
    p.then(std::string("set ChampionWins 6\nclick ") + designed(W::KingButton) + "\nclick " +
           designed(W::MessagePanel) + "\nset ChallengerWins 6\nclick " + designed(W::KingButton));
    EXPECT_EQ(p.state().TalkState, talk::kEnding);
    EXPECT_EQ(p.shown(&GameState::TitleName), "伝説の剣士");
    EXPECT_EQ(p.out, "");
    EXPECT_GE(p.state().Gold, 0);
}

}  // namespace
}  // namespace verminadia
