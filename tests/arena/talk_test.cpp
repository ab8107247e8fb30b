// "話す": the answer by kind and draw, talking that never costs a turn, the two kinds that change
// with their answer, and the travelling merchant's shop with its prices and its tear limit.

#include <gtest/gtest.h>

#include <string>

#include "core/career.h"
#include "core/text/town_bar.h"
#include "support/arena.h"
#include "support/shipped.h"

namespace verminadia {
namespace {

using arena_testing::attack;
using arena_testing::bout;
using arena_testing::draws;
using arena_testing::expectCleanRun;
using arena_testing::inArena;
using arena_testing::kClick;
using arena_testing::next;

std::string talk(int draw) { return draws({draw}) + "click " + designed(W::TalkCommand) + "\n"; }

// The feather class opens at rank 4; its draw 4 is "多忙な商人" until the class champion is due.
test::Played atTheMerchant(int gold) {
    auto p = inArena(0, "set TitleIndex 4\nset Gold " + std::to_string(gold) + "\n");
    p.then(bout(designed(W::FeatherButton), 4));
    return p;
}

bool showsOneOfferOfTwo(const Form& f) { return f.showing(W::BuyWaltherButton) != f.showing(W::BuyLingerieButton); }

TEST(Talk, TheAnswerGoesByKindAndDrawAndCostsNoTurn) {
    auto p = inArena(0);
    p.then(bout(designed(W::AmateurButton), 0) + "tick " + designed(Timer::BattleMusic) + "\n" + attack(0) +
           next(0));  // "100円マン"
    const int hp = p.state().Hp;
    ASSERT_TRUE(p.form().showing(W::CommandPanel));

    p.then(talk(0));
    const Form& f = p.form();
    EXPECT_EQ(f.caption(W::MessageLine1), p.shown(&GameState::EnemyName));
    EXPECT_EQ(f.caption(W::MessageLine2), "　「もしLVが上がっても特技を覚えたか分からないから自分");
    EXPECT_EQ(f.caption(W::MessageLine3), "でステータスとか見て確かめることだね。」");
    EXPECT_EQ(p.state().TalkState, talk::kNothing);
    EXPECT_EQ(p.state().Roll, 0);

    // Again, with the other draw: a new answer, and still the hero's turn.
    p.then(talk(1));
    EXPECT_EQ(f.caption(W::MessageLine2), "　「このゲームはランクがドラゴン大陸最強のドラゴンマス");
    EXPECT_EQ(f.caption(W::MessageLine3), "ターになったらクリアらしいんだが、俺には無理かも。」");
    EXPECT_EQ(p.state().Roll, 1);
    EXPECT_TRUE(f.showing(W::CommandPanel));
    EXPECT_TRUE(f.showing(W::MessagePanel));

    // A click on the panel after talking does nothing: the opponent never answers with a blow.
    p.then(std::string(kClick) + "click " + designed(W::MessagePanel) + "\n" + talk(0) + talk(1) + std::string(kClick));
    EXPECT_EQ(p.state().Hp, hp);
    EXPECT_EQ(p.state().TalkState, talk::kNothing);
    EXPECT_EQ(f.caption(W::MessageLine2), "　「このゲームはランクがドラゴン大陸最強のドラゴンマス");
    EXPECT_EQ(p.state().EnemyHp, 20 - 8);
    expectCleanRun(p);
}

TEST(Talk, EveryKindAnswersWithBothDraws) {
    for (int kind = 0; kind <= 31; ++kind) {
        for (int draw : {0, 1}) {
            SCOPED_TRACE(std::to_string(kind) + "/" + std::to_string(draw));
            auto p = inArena(0);
            p.then(bout(designed(W::AmateurButton), 0) + "set EnemyKind " + std::to_string(kind) + "\n");
            const Form& f = p.form();
            const std::string opening2 = f.caption(W::MessageLine2), opening3 = f.caption(W::MessageLine3);
            p.then(talk(draw));
            EXPECT_EQ(f.caption(W::MessageLine1), p.shown(&GameState::EnemyName));
            EXPECT_NE(f.caption(W::MessageLine2), "");
            EXPECT_NE(f.caption(W::MessageLine2), opening2) << "the opening stayed up";
            EXPECT_NE(f.caption(W::MessageLine3), opening3) << "line 3 kept the opening";
            EXPECT_EQ(p.state().TalkState, talk::kNothing);
            // Only the merchants take the command column away, for their shop.
            EXPECT_EQ(f.showing(W::CommandPanel), kind != 5);
            EXPECT_EQ(f.showing(W::OfferPanel), kind == 5);
            expectCleanRun(p);
        }
    }
}

TEST(Talk, AOneLineAnswerEmptiesLineThree) {
    auto p = inArena(0, "set TitleIndex 1\n");
    p.then(bout(designed(W::LightButton), 1));  // "ゾンビ"
    ASSERT_EQ(p.state().EnemyKind, 1);
    ASSERT_NE(p.form().caption(W::MessageLine3), "");
    p.then(talk(1));
    EXPECT_EQ(p.form().caption(W::MessageLine2), "　「お前の体も腐らしてやる！！！」");
    EXPECT_EQ(p.form().caption(W::MessageLine3), "");
    expectCleanRun(p);
}

TEST(Talk, ThePolicemanKnowsTheHerosName) {
    auto p = inArena(1);
    p.then(bout(designed(W::AmateurButton), 0) + "set EnemyKind 12\n" + talk(1));
    const std::string& hero = p.shown(&GameState::HeroName);
    ASSERT_FALSE(hero.empty());
    EXPECT_EQ(p.form().caption(W::MessageLine2), "　「お前は指名手配の" + hero + "だな！逮捕してやる。」");
    EXPECT_EQ(p.form().caption(W::MessageLine3), "");
    expectCleanRun(p);
}

TEST(Talk, TheFishmongerPowersUpOrGivesInAtEveryTalk) {
    auto p = inArena(0, "set TitleIndex 4\n");
    p.then(bout(designed(W::FeatherButton), 2));  // "悲劇の魚屋": HP 80, defence 3, experience 10
    ASSERT_EQ(p.state().EnemyKind, 6);
    ASSERT_EQ(p.state().EnemyHp, 80);
    p.then(attack(0) + next(0));
    ASSERT_EQ(p.state().EnemyHp, 80 - 7);

    p.then(talk(0));
    EXPECT_EQ(p.state().EnemyHp, 70);
    EXPECT_EQ(p.state().EnemyDefense, 10);
    EXPECT_EQ(p.state().EnemyExp, 15);
    EXPECT_EQ(p.form().caption(W::MessageLine3), "にお前には死あるのみだ。」");

    p.then(talk(1));
    EXPECT_EQ(p.state().EnemyHp, 2);
    EXPECT_EQ(p.state().EnemyDefense, 0);
    EXPECT_EQ(p.state().EnemyExp, 2);
    EXPECT_EQ(p.form().caption(W::MessageLine3), "");

    // Powered up again, whatever it had taken: the last answer is what counts.
    p.then(talk(1) + talk(0));
    EXPECT_EQ(p.state().EnemyHp, 70);

    // Given in, it falls to the weakest blow and pays only its new experience.
    const int exp = p.state().Exp;
    p.then(talk(1) + attack(0));
    EXPECT_EQ(p.state().EnemyHp, 2 - 10);
    p.then(next(0) + next(0));
    EXPECT_EQ(p.state().Exp, exp + 2);
    expectCleanRun(p);
}

TEST(Talk, ZundaraWhiteGrowsOrWeakens) {
    auto p = inArena(0, "set TitleIndex 5\n");
    p.then(bout(designed(W::MiddleButton), 4));
    ASSERT_EQ(p.state().EnemyKind, 13);
    p.then(attack(2) + next(0) + talk(0));
    EXPECT_EQ(p.state().EnemyHp, 100);
    EXPECT_EQ(p.state().EnemyDefense, 5);
    EXPECT_EQ(p.state().EnemyExp, 20);
    p.then(talk(1));
    EXPECT_EQ(p.state().EnemyHp, 25);
    EXPECT_EQ(p.state().EnemyDefense, 0);
    EXPECT_EQ(p.state().EnemyExp, 2);
    expectCleanRun(p);
}

TEST(Merchant, TalkingOpensTheShopWithTheGunOrTheLingerie) {
    auto p = atTheMerchant(0);
    p.then("set PendingLine2 x\nset PendingLine3 y\n" + talk(0));
    const Form& f = p.form();
    ASSERT_EQ(p.state().EnemyKind, 5);
    EXPECT_EQ(f.caption(W::MessageLine1), p.shown(&GameState::EnemyName));
    EXPECT_EQ(f.caption(W::MessageLine2), "　「始めまして、私はインドから来た商人です。なかなか貴");
    EXPECT_EQ(f.caption(W::MessageLine3), "重な物が揃ってるので何か買って下さい。」");
    EXPECT_TRUE(f.showing(W::OfferPanel));
    EXPECT_FALSE(f.showing(W::CommandPanel));
    EXPECT_TRUE(f.showing(W::MessagePanel));
    EXPECT_TRUE(f.showing(W::BuyWaltherButton));
    EXPECT_FALSE(f.visible(W::BuyLingerieButton));
    EXPECT_TRUE(f.showing(W::BuyTearButton));
    EXPECT_TRUE(f.showing(W::DeclineOfferButton));

    // The replies are the store's own.
    auto store = test::play(std::string(test::kToHeroChoice) + "click " + designed(W::TorubaChoice) + "\nclick " +
                            designed(W::StoreButton) + "\n");
    EXPECT_EQ(p.shown(&GameState::PendingLine2), store.shown(&GameState::PendingLine2));
    EXPECT_EQ(p.shown(&GameState::PendingLine3), store.shown(&GameState::PendingLine3));

    // Each talk draws the offer again.
    p.then(std::string("click ") + designed(W::DeclineOfferButton) + "\n" + talk(1));
    EXPECT_EQ(f.caption(W::MessageLine2), "　「こんにちは、インドから来た商人です。いい品を売りま");
    EXPECT_EQ(f.caption(W::MessageLine3), "すよ。どうですか？」");
    EXPECT_TRUE(f.showing(W::BuyLingerieButton));
    EXPECT_FALSE(f.visible(W::BuyWaltherButton));
    expectCleanRun(p);
}

TEST(Merchant, LeavingWithoutBuyingChangesNothing) {
    auto p = atTheMerchant(6000);
    p.then(talk(0));
    const GameState before = p.state();
    p.then(std::string("click ") + designed(W::DeclineOfferButton) + "\n");
    const Form& f = p.form();
    EXPECT_FALSE(f.showing(W::OfferPanel));
    EXPECT_TRUE(f.showing(W::CommandPanel));
    EXPECT_EQ(p.state().Gold, before.Gold);
    EXPECT_EQ(p.state().WeaponAttack, before.WeaponAttack);
    EXPECT_EQ(p.state().TearCount, 0);
    EXPECT_EQ(f.caption(W::MessageLine2), "　「始めまして、私はインドから来た商人です。なかなか貴");
    EXPECT_EQ(p.sound().beeps(), 0);
    // The bout goes on: the merchant is still the opponent.
    p.then(attack(0));
    EXPECT_EQ(p.state().EnemyHp, 60 - 8);
    expectCleanRun(p);
}

struct Purchase {
    const char* button;
    int talkDraw;
    int price;
};

TEST(Merchant, ThePriceExactlyBuysAndOneYenLessIsRefused) {
    for (const Purchase& c :
         {Purchase{designed(W::BuyWaltherButton), 0, 5000}, Purchase{designed(W::BuyLingerieButton), 1, 5000},
          Purchase{designed(W::BuyTearButton), 0, 150}}) {
        SCOPED_TRACE(c.button);
        auto refused = atTheMerchant(c.price - 1);
        refused.then(talk(c.talkDraw));
        const Form& r = refused.form();
        const std::string money = r.caption(W::BarMoney);
        refused.then(std::string("click ") + c.button + "\n");
        EXPECT_EQ(r.caption(W::MessageLine2), shipped::kStoreShortOfMoney);
        EXPECT_EQ(r.caption(W::MessageLine3), "");
        EXPECT_EQ(refused.state().Gold, c.price - 1);
        EXPECT_EQ(r.caption(W::BarMoney), money);
        EXPECT_EQ(refused.state().WeaponId, 0);
        EXPECT_EQ(refused.state().ArmorDefense, 0);
        EXPECT_EQ(refused.state().TearCount, 0);
        EXPECT_EQ(refused.sound().beeps(), 0);
        // The shop stays open with the same offers, and a second try is refused the same way.
        EXPECT_TRUE(r.showing(W::OfferPanel));
        EXPECT_FALSE(r.showing(W::CommandPanel));
        EXPECT_TRUE(r.showing(W::BuyTearButton));
        EXPECT_TRUE(r.showing(W::DeclineOfferButton));
        EXPECT_TRUE(showsOneOfferOfTwo(r));
        refused.then(std::string("click ") + c.button + "\n");
        EXPECT_EQ(refused.state().Gold, c.price - 1);
        expectCleanRun(refused);

        auto bought = atTheMerchant(c.price);
        bought.then(talk(c.talkDraw) + "click " + c.button + "\n");
        const Form& b = bought.form();
        EXPECT_EQ(bought.state().Gold, 0);
        EXPECT_EQ(b.caption(W::BarMoney), moneyText(0));
        EXPECT_EQ(b.caption(W::MessageLine1), bought.shown(&GameState::EnemyName));
        EXPECT_EQ(b.caption(W::MessageLine2), shipped::kStoreThanks);
        EXPECT_EQ(b.caption(W::MessageLine3), "");
        EXPECT_EQ(bought.sound().beeps(), 1);
        EXPECT_FALSE(b.showing(W::OfferPanel));
        EXPECT_TRUE(b.showing(W::CommandPanel));
        EXPECT_EQ(bought.state().TalkState, talk::kNothing);
        expectCleanRun(bought);
    }
}

TEST(Merchant, TheGoodsReplaceWhatTheHeroWears) {
    auto gun = atTheMerchant(5000);
    gun.then("set WeaponAttack 15\nset WeaponId 5\nset ArmorDefense 6\n" + talk(0) + "click " +
             designed(W::BuyWaltherButton) + "\n");
    EXPECT_EQ(gun.state().WeaponAttack, 30);
    EXPECT_EQ(gun.state().WeaponId, 6);
    EXPECT_EQ(gun.shown(&GameState::WeaponName), gun.shown(&GameState::MerchantItem1Name));
    EXPECT_EQ(gun.state().ArmorDefense, 6);
    // The gun fights with its own lines: 0 + 10 + 30 − 2.
    gun.then(attack(0));
    EXPECT_EQ(gun.state().EnemyHp, 60 - 38);
    EXPECT_NE(gun.form().caption(W::MessageLine2).find(gun.shown(&GameState::MerchantItem1Name)), std::string::npos);

    auto lingerie = atTheMerchant(5000);
    lingerie.then("set ArmorDefense 6\n" + talk(1) + "click " + designed(W::BuyLingerieButton) + "\n");
    EXPECT_EQ(lingerie.state().ArmorDefense, 20);
    EXPECT_EQ(lingerie.shown(&GameState::ArmorName), lingerie.shown(&GameState::MerchantItem2Name));
    EXPECT_EQ(lingerie.state().WeaponAttack, 0);
    // Power 5 against armour 20: the merchant's blows no longer get through.
    const int hp = lingerie.state().Hp;
    lingerie.then(attack(0) + next(0));
    EXPECT_GE(lingerie.state().Hp, hp);
    expectCleanRun(gun);
    expectCleanRun(lingerie);
}

TEST(Merchant, TheStoreReplacesTheGunAgain) {
    auto p = atTheMerchant(5000);
    p.then(talk(0) + "click " + designed(W::BuyWaltherButton) + "\nset EnemyHp 1\nset EnemyExp 0\n" + attack(0) +
           next(0) + next(0) + std::string(kClick) + "click " + designed(W::LeaveArenaButton) +
           "\nset Gold 100\nclick " + designed(W::StoreButton) + "\nclick " + designed(W::StoreWeapon1) + "\n");
    EXPECT_EQ(p.state().WeaponAttack, 2);
    EXPECT_EQ(p.state().WeaponId, 1);
    EXPECT_EQ(p.shown(&GameState::WeaponName), p.shown(&GameState::ShopWeapon1Name));
    expectCleanRun(p);
}

TEST(Merchant, TheTearOfferStopsAtFiveAndComesBackWithAUse) {
    auto p = atTheMerchant(1000);
    const Form& f = p.form();
    EXPECT_FALSE(f.visible(W::StatusTears));
    EXPECT_FALSE(f.visible(W::TearEntry));
    for (int held = 1; held <= 5; ++held) {
        p.then(talk(held % 2) + "click " + designed(W::BuyTearButton) + "\n");
        EXPECT_EQ(p.state().TearCount, held);
        EXPECT_EQ(p.state().Gold, 1000 - 150 * held);
        // The status screen and the item panel list it from the first one on.
        EXPECT_TRUE(f.visible(W::StatusTears));
        EXPECT_TRUE(f.visible(W::TearEntry));
        EXPECT_EQ(f.visible(W::BuyTearButton), held < 5) << held;
    }
    // Holding five: one 5000 円 offer and "買わない", nothing else.
    p.then(talk(0));
    EXPECT_TRUE(f.showing(W::OfferPanel));
    EXPECT_TRUE(showsOneOfferOfTwo(f));
    EXPECT_FALSE(f.showing(W::BuyTearButton));
    EXPECT_TRUE(f.showing(W::DeclineOfferButton));

    // Using one puts the tear back on offer at the next talk.
    p.then(std::string("click ") + designed(W::DeclineOfferButton) + "\nclick " + designed(W::ItemCommand) +
           "\nclick " + designed(W::TearEntry) + "\n" + next(0) + talk(1));
    EXPECT_EQ(p.state().TearCount, 4);
    EXPECT_TRUE(f.showing(W::BuyTearButton));
    p.then(std::string("click ") + designed(W::BuyTearButton) + "\n");
    EXPECT_EQ(p.state().TearCount, 5);
    EXPECT_FALSE(f.visible(W::BuyTearButton));
    expectCleanRun(p);
}

}  // namespace
}  // namespace verminadia
