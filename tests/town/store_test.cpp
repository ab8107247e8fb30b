// The general store: the greeting, purchases at exactly the price, refusals one 円 short, the
// holding limits of the counted goods and the two stages of the shelf.

#include "town/store.h"

#include <gtest/gtest.h>

#include <string>

#include "core/career.h"
#include "in_town.h"
#include "support/shipped.h"

namespace verminadia {
namespace {

using town_testing::inTown;

using shipped::Good;
using shipped::kGoods;
using shipped::kStoreShortOfMoney;
using shipped::kStoreThanks;
using shipped::shelf;
using shipped::Stage;

test::Played inStore(int hero) {
    auto p = inTown(hero);
    p.then(std::string("click ") + designed(W::StoreButton));
    return p;
}

TEST(Store, EnteringGreetsAndOpensTheShelfInPlaceOfTheTownButtons) {
    auto p = inTown(0);
    p.then(std::string("set TalkState 1\ntick ") + designed(Timer::TownMusic) + " 2\nclick " +
           designed(W::StoreButton));
    const Form& f = p.form();
    EXPECT_EQ(f.caption(W::MessageLine1), shipped::kStoreName);
    EXPECT_EQ(f.caption(W::MessageLine2), shipped::kStoreGreeting2);
    EXPECT_EQ(f.caption(W::MessageLine3), shipped::kStoreGreeting3);
    EXPECT_EQ(p.state().TalkState, talk::kNothing);
    EXPECT_EQ(p.shown(&GameState::PendingLine2), kStoreThanks);
    EXPECT_EQ(p.shown(&GameState::PendingLine3), kStoreShortOfMoney);
    EXPECT_TRUE(f.showing(W::StorePanel));
    EXPECT_TRUE(f.showing(W::Storekeeper));
    EXPECT_TRUE(f.showing(W::MessagePanel));
    EXPECT_FALSE(f.showing(W::TownButtons));
    EXPECT_FALSE(f.showing(W::StatusButton));
    // The first stage of the shelf, and the town theme playing on.
    for (W w : shelf(Stage::First)) EXPECT_TRUE(f.showing(w)) << def(w).designed;
    for (W w : shelf(Stage::Second, true)) EXPECT_FALSE(f.showing(w)) << def(w).designed;
    EXPECT_TRUE(p.sound().state(Tune::TorubaTheme).playing);
    // The greeting lines take clicks but nothing is pending.
    const std::string before = p.script->dump();
    p.then(std::string("click ") + designed(W::MessageLine2) + "\nclick " + designed(W::MessageLine3) + "\nclick " +
           designed(W::MessagePanel));
    EXPECT_EQ(p.script->dump(), before);
}

TEST(Store, EveryGoodIsRefusedOneYenShortAndSoldAtExactlyItsPrice) {
    for (const Good& good : kGoods) {
        SCOPED_TRACE(good.label);
        auto p = inStore(1);
        Game& g = p.game();
        if (good.stage == Stage::Second) changeStoreStock(g);
        g.state.Gold = good.price - 1;
        const std::string before = p.script->dump();
        const std::string line2 = p.form().caption(W::MessageLine2), line3 = p.form().caption(W::MessageLine3);
        p.then(std::string("click ") + good.label);
        EXPECT_EQ(p.form().caption(W::MessageLine2), kStoreShortOfMoney);
        EXPECT_EQ(p.form().caption(W::MessageLine3), "");
        // Nothing but the two lines has changed.
        g.form.setCaption(W::MessageLine2, line2);
        g.form.setCaption(W::MessageLine3, line3);
        EXPECT_EQ(p.script->dump(), before);

        g.state.Gold = good.price;
        p.then(std::string("click ") + good.label);
        EXPECT_EQ(p.state().Gold, 0);
        EXPECT_EQ(p.form().caption(W::BarMoney), "所持金　0");
        EXPECT_EQ(p.form().caption(W::MessageLine2), kStoreThanks);
        EXPECT_EQ(p.form().caption(W::MessageLine3), "");
        EXPECT_EQ(p.sound().beeps(), 1);
        EXPECT_EQ(p.out, "");
    }
}

TEST(Store, AWeaponIsEquippedAtOnceAndNeverOfferedAgain) {
    auto p = inStore(3);
    p.then(std::string("set Gold 300\nclick ") + designed(W::StoreWeapon2));
    EXPECT_EQ(p.state().WeaponAttack, 4);
    EXPECT_EQ(p.state().WeaponId, 2);
    EXPECT_EQ(p.shown(&GameState::WeaponName), "金のつるぎ 　   ");
    EXPECT_FALSE(p.form().visible(W::StoreWeapon2));
    p.then(std::string("click ") + designed(W::StoreWeapon2));
    EXPECT_EQ(p.out, std::string("ignored: ") + designed(W::StoreWeapon2) + " is hidden\n");
    // The cheaper weapon replaces the better one all the same.
    p.then(std::string("click ") + designed(W::StoreWeapon1));
    EXPECT_EQ(p.state().WeaponAttack, 2);
    EXPECT_EQ(p.state().WeaponId, 1);
    EXPECT_EQ(p.shown(&GameState::WeaponName), "銀のつるぎ　　  ");
    EXPECT_EQ(p.state().Gold, 0);
}

TEST(Store, TheLastArmourBoughtIsTheOneWornWhateverItsValue) {
    auto p = inStore(0);
    p.then(std::string("set Gold 400\nclick ") + designed(W::StoreArmor3) + "\nclick " + designed(W::StoreArmor1));
    EXPECT_EQ(p.state().ArmorDefense, 2);
    EXPECT_EQ(p.shown(&GameState::ArmorName), p.shown(&GameState::ShopArmor1Name));
    EXPECT_EQ(p.shown(&GameState::ArmorName), "呪われた鎧　 　");
    EXPECT_EQ(p.state().WeaponId, 0);
    EXPECT_EQ(p.sound().beeps(), 2);
}

TEST(Store, TheFifthOfItemTwoEmptiesItsPlaceUntilOneIsUsed) {
    auto p = inStore(2);
    p.then("set Gold 1000");
    for (int n = 1; n <= 5; ++n) {
        EXPECT_TRUE(p.form().showing(W::StoreItem2)) << n;
        p.then(std::string("click ") + designed(W::StoreItem2));
        EXPECT_EQ(p.state().Item2Count, n);
    }
    EXPECT_FALSE(p.form().visible(W::StoreItem2));
    EXPECT_TRUE(p.form().visible(W::Item2Entry));   // the fight's item panel
    EXPECT_TRUE(p.form().visible(W::StatusItem2));  // the status screen
    EXPECT_EQ(p.state().Gold, 1000 - 5 * 15);
    p.then(std::string("click ") + designed(W::StoreItem2));
    EXPECT_EQ(p.out, std::string("ignored: ") + designed(W::StoreItem2) + " is hidden\n");
    EXPECT_EQ(p.state().Item2Count, 5);
    // A fight uses one and puts the good back on the shelf: a sixth purchase, then gone again.
    Game& g = p.game();
    g.state.Item2Count = 4;
    g.form.show(W::StoreItem2);
    p.then(std::string("click ") + designed(W::StoreItem2));
    EXPECT_EQ(p.state().Item2Count, 5);
    EXPECT_FALSE(p.form().visible(W::StoreItem2));
}

TEST(Store, TheThirdOfItemThreeEmptiesItsPlace) {
    auto p = inStore(0);
    p.then(std::string("set Gold 350\nclick ") + designed(W::StoreItem3) + "\nclick " + designed(W::StoreItem3));
    EXPECT_TRUE(p.form().visible(W::StoreItem3));
    EXPECT_TRUE(p.form().visible(W::Item3Entry));
    EXPECT_TRUE(p.form().visible(W::StatusItem3));
    EXPECT_FALSE(p.form().visible(W::Item2Entry));
    p.then(std::string("click ") + designed(W::StoreItem3) + "\nclick " + designed(W::StoreItem3));
    EXPECT_EQ(p.state().Item3Count, 3);
    EXPECT_EQ(p.state().Gold, 50);
    EXPECT_EQ(p.out, std::string("ignored: ") + designed(W::StoreItem3) + " is hidden\n");
}

TEST(Store, AfterTheFourthChampionTheShelfOffersTheStrongGoodsWhateverWasBought) {
    auto p = inStore(1);
    p.then(std::string("set Gold 100\nclick ") + designed(W::StoreWeapon1) + "\nclick " + designed(W::LeaveStore));
    changeStoreStock(p.game());
    p.then(std::string("click ") + designed(W::StoreButton));
    const Form& f = p.form();
    for (W w : shelf(Stage::Second)) EXPECT_TRUE(f.showing(w)) << def(w).designed;
    for (W w : shelf(Stage::First, true)) EXPECT_FALSE(f.showing(w)) << def(w).designed;
    EXPECT_EQ(f.caption(W::StoreWeapon3), "究極のムチ　　 　　500");
    EXPECT_EQ(f.caption(W::StoreWeapon4), "神を呼ぶ杖　 　　 1000");
    EXPECT_EQ(f.caption(W::StoreWeapon5), "ドラゴンの杖    　 2500");
    EXPECT_EQ(f.caption(W::StoreArmor2), "ドラゴンの羽衣     500");
}

TEST(Store, LeavingBringsTheTownButtonsBack) {
    auto p = inStore(0);
    p.then(std::string("click ") + designed(W::LeaveStore));
    const Form& f = p.form();
    EXPECT_TRUE(f.showing(W::StatusButton));
    EXPECT_TRUE(f.showing(W::TownButtons));
    EXPECT_FALSE(f.showing(W::MessagePanel));
    EXPECT_FALSE(f.showing(W::StorePanel));
    EXPECT_FALSE(f.showing(W::Storekeeper));
    p.then(std::string("click ") + designed(W::StoreWeapon1));
    EXPECT_EQ(p.out, std::string("ignored: ") + designed(W::StoreWeapon1) + " is hidden\n");
    EXPECT_EQ(p.state().Gold, 50);
}

}  // namespace
}  // namespace verminadia
