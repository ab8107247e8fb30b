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
    p.then("click Button4");
    return p;
}

TEST(Store, EnteringGreetsAndOpensTheShelfInPlaceOfTheTownButtons) {
    auto p = inTown(0);
    p.then("set TalkState 1\ntick Timer2 2\nclick Button4");
    const Form& f = p.form();
    EXPECT_EQ(f.caption(W::Label31), shipped::kStoreName);
    EXPECT_EQ(f.caption(W::Label32), shipped::kStoreGreeting2);
    EXPECT_EQ(f.caption(W::Label33), shipped::kStoreGreeting3);
    EXPECT_EQ(p.state().TalkState, talk::kNothing);
    EXPECT_EQ(p.shown(&GameState::PendingLine2), kStoreThanks);
    EXPECT_EQ(p.shown(&GameState::PendingLine3), kStoreShortOfMoney);
    EXPECT_TRUE(f.showing(W::Panel6));
    EXPECT_TRUE(f.showing(W::Image4));
    EXPECT_TRUE(f.showing(W::Panel5));
    EXPECT_FALSE(f.showing(W::Panel4));
    EXPECT_FALSE(f.showing(W::Button1));
    // The first stage of the shelf, and the town theme playing on.
    for (W w : shelf(Stage::First)) EXPECT_TRUE(f.showing(w)) << def(w).name;
    for (W w : shelf(Stage::Second, true)) EXPECT_FALSE(f.showing(w)) << def(w).name;
    EXPECT_TRUE(p.sound().state(Tune::TorubaTheme).playing);
    // The greeting lines take clicks but nothing is pending.
    const std::string before = p.script->dump();
    p.then("click Label32\nclick Label33\nclick Panel5");
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
        const std::string line2 = p.form().caption(W::Label32), line3 = p.form().caption(W::Label33);
        p.then(std::string("click ") + good.label);
        EXPECT_EQ(p.form().caption(W::Label32), kStoreShortOfMoney);
        EXPECT_EQ(p.form().caption(W::Label33), "");
        // Nothing but the two lines has changed.
        g.form.setCaption(W::Label32, line2);
        g.form.setCaption(W::Label33, line3);
        EXPECT_EQ(p.script->dump(), before);

        g.state.Gold = good.price;
        p.then(std::string("click ") + good.label);
        EXPECT_EQ(p.state().Gold, 0);
        EXPECT_EQ(p.form().caption(W::Label12), "所持金　0");
        EXPECT_EQ(p.form().caption(W::Label32), kStoreThanks);
        EXPECT_EQ(p.form().caption(W::Label33), "");
        EXPECT_EQ(p.sound().beeps(), 1);
        EXPECT_EQ(p.out, "");
    }
}

TEST(Store, AWeaponIsEquippedAtOnceAndNeverOfferedAgain) {
    auto p = inStore(3);
    p.then("set Gold 300\nclick Label35");
    EXPECT_EQ(p.state().WeaponAttack, 4);
    EXPECT_EQ(p.state().WeaponId, 2);
    EXPECT_EQ(p.shown(&GameState::WeaponName), "金のつるぎ 　   ");
    EXPECT_FALSE(p.form().visible(W::Label35));
    p.then("click Label35");
    EXPECT_EQ(p.out, "ignored: Label35 is hidden\n");
    // The cheaper weapon replaces the better one all the same.
    p.then("click Label34");
    EXPECT_EQ(p.state().WeaponAttack, 2);
    EXPECT_EQ(p.state().WeaponId, 1);
    EXPECT_EQ(p.shown(&GameState::WeaponName), "銀のつるぎ　　  ");
    EXPECT_EQ(p.state().Gold, 0);
}

TEST(Store, TheLastArmourBoughtIsTheOneWornWhateverItsValue) {
    auto p = inStore(0);
    p.then("set Gold 400\nclick Label67\nclick Label39");
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
        EXPECT_TRUE(p.form().showing(W::Label41)) << n;
        p.then("click Label41");
        EXPECT_EQ(p.state().Item2Count, n);
    }
    EXPECT_FALSE(p.form().visible(W::Label41));
    EXPECT_TRUE(p.form().visible(W::Label50));  // the fight's item panel
    EXPECT_TRUE(p.form().visible(W::Label54));  // the status screen
    EXPECT_EQ(p.state().Gold, 1000 - 5 * 15);
    p.then("click Label41");
    EXPECT_EQ(p.out, "ignored: Label41 is hidden\n");
    EXPECT_EQ(p.state().Item2Count, 5);
    // A fight uses one and puts the good back on the shelf: a sixth purchase, then gone again.
    Game& g = p.game();
    g.state.Item2Count = 4;
    g.form.show(W::Label41);
    p.then("click Label41");
    EXPECT_EQ(p.state().Item2Count, 5);
    EXPECT_FALSE(p.form().visible(W::Label41));
}

TEST(Store, TheThirdOfItemThreeEmptiesItsPlace) {
    auto p = inStore(0);
    p.then("set Gold 350\nclick Label42\nclick Label42");
    EXPECT_TRUE(p.form().visible(W::Label42));
    EXPECT_TRUE(p.form().visible(W::Label51));
    EXPECT_TRUE(p.form().visible(W::Label55));
    EXPECT_FALSE(p.form().visible(W::Label50));
    p.then("click Label42\nclick Label42");
    EXPECT_EQ(p.state().Item3Count, 3);
    EXPECT_EQ(p.state().Gold, 50);
    EXPECT_EQ(p.out, "ignored: Label42 is hidden\n");
}

TEST(Store, AfterTheFourthChampionTheShelfOffersTheStrongGoodsWhateverWasBought) {
    auto p = inStore(1);
    p.then("set Gold 100\nclick Label34\nclick Label43");
    changeStoreStock(p.game());
    p.then("click Button4");
    const Form& f = p.form();
    for (W w : shelf(Stage::Second)) EXPECT_TRUE(f.showing(w)) << def(w).name;
    for (W w : shelf(Stage::First, true)) EXPECT_FALSE(f.showing(w)) << def(w).name;
    EXPECT_EQ(f.caption(W::Label36), "究極のムチ　　 　　500");
    EXPECT_EQ(f.caption(W::Label37), "神を呼ぶ杖　 　　 1000");
    EXPECT_EQ(f.caption(W::Label38), "ドラゴンの杖    　 2500");
    EXPECT_EQ(f.caption(W::Label40), "ドラゴンの羽衣     500");
}

TEST(Store, LeavingBringsTheTownButtonsBack) {
    auto p = inStore(0);
    p.then("click Label43");
    const Form& f = p.form();
    EXPECT_TRUE(f.showing(W::Button1));
    EXPECT_TRUE(f.showing(W::Panel4));
    EXPECT_FALSE(f.showing(W::Panel5));
    EXPECT_FALSE(f.showing(W::Panel6));
    EXPECT_FALSE(f.showing(W::Image4));
    p.then("click Label34");
    EXPECT_EQ(p.out, "ignored: Label34 is hidden\n");
    EXPECT_EQ(p.state().Gold, 50);
}

}  // namespace
}  // namespace verminadia
