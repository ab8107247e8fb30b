// "道具": the one-use first item, the counted goods from the store and the merchant, the
// two-step healing near the top, and the shops' offers that come back as the stock goes down.

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
using test::Played;

// In town: into the store, `n` of a counted good bought (StoreItem2 or StoreItem3), out again.
std::string buy(const char* label, int n) {
    std::string s = std::string("set Gold 5000\nclick ") + designed(W::StoreButton) + "\n";
    for (int i = 0; i < n; ++i) s += std::string("click ") + label + "\n";
    return s + "click " + designed(W::LeaveStore) + "\n";
}

// Opens the item panel and uses the good of `entry`.
std::string use(const char* entry) {
    return std::string(std::string("click ") + designed(W::ItemCommand) + "\nclick ") + entry + "\n";
}

// The amateur bout against "100円マン" with `setup` played once it is on.
Played inBout(int hero, std::string_view town, std::string_view setup = "") {
    Played p = inArena(hero, town);
    p.then(bout(designed(W::AmateurButton), 0) + std::string(setup));
    return p;
}

std::string hp(int hp, int maxHp) {
    return "set MaxHp " + std::to_string(maxHp) + "\nset Hp " + std::to_string(hp) + "\n";
}

// The merchant sells the tear; here the scene is set as after his fifth sale, with his offer
// gone from the shelf.
void holdTears(Played& p, int n) {
    p.then("set TearCount " + std::to_string(n) + "\n");
    p.game().form.show(W::TearEntry, W::StatusTears);
    p.game().form.hide(W::BuyTearButton);
}

TEST(ItemPanel, OpensWithTheNamesAndTheCountsOfTheMoment) {
    auto p = inBout(1, buy(designed(W::StoreItem2), 2) + buy(designed(W::StoreItem3), 1));
    holdTears(p, 3);
    p.then(std::string("click ") + designed(W::ItemCommand) + "\n");
    const Form& f = p.form();
    EXPECT_TRUE(f.showing(W::ItemPanel));
    EXPECT_FALSE(f.showing(W::CommandPanel));
    EXPECT_FALSE(f.showing(W::MessagePanel));
    EXPECT_EQ(f.caption(W::Item1Entry), "柿の種");
    EXPECT_EQ(f.caption(W::Item2Entry), "焼酎(2)");
    EXPECT_EQ(f.caption(W::Item3Entry), "胃腸薬(1)");
    EXPECT_EQ(f.caption(W::TearEntry), "ドラゴンの涙(3)");
    for (W w : {W::Item1Entry, W::Item2Entry, W::Item3Entry, W::TearEntry, W::ItemCancel}) EXPECT_TRUE(f.showing(w));

    // Nothing bought: the counted goods stay hidden, whatever their captions say.
    auto bare = inBout(0, "");
    bare.then(std::string("click ") + designed(W::ItemCommand) + "\n");
    EXPECT_TRUE(bare.form().showing(W::Item1Entry));
    EXPECT_EQ(bare.form().caption(W::Item2Entry), "麻薬(0)");
    for (W w : {W::Item2Entry, W::Item3Entry, W::TearEntry}) EXPECT_FALSE(bare.form().showing(w));
    expectCleanRun(p);
    expectCleanRun(bare);
}

TEST(ItemPanel, CancelGoesBackToTheCommandsWithNothingSpent) {
    auto p = inBout(0, buy(designed(W::StoreItem2), 1));
    p.then(std::string("click ") + designed(W::ItemCommand) + "\nclick " + designed(W::ItemCancel) + "\n");
    EXPECT_FALSE(p.form().showing(W::ItemPanel));
    EXPECT_TRUE(p.form().showing(W::CommandPanel));
    EXPECT_TRUE(p.form().showing(W::MessagePanel));
    EXPECT_EQ(p.state().Item2Count, 1);
    EXPECT_EQ(p.state().TalkState, talk::kNothing);
    EXPECT_EQ(p.form().caption(W::MessageLine2), "対戦相手は100円マンです！！");
    p.then(attack(0));
    EXPECT_EQ(p.state().TalkState, talk::kOpponentTurn) << "the turn was still the hero's";
    expectCleanRun(p);
}

TEST(FirstItem, GivesTwoButLiftsToTheTopWhenNear) {
    struct Case {
        int hp, maxHp, after;
    };
    for (const Case& c : {Case{10, 20, 12}, Case{16, 20, 18}, Case{17, 20, 20}, Case{19, 20, 20}, Case{20, 20, 20}}) {
        SCOPED_TRACE(c.hp);
        auto p = inBout(0, "", hp(c.hp, c.maxHp));
        p.then(use(designed(W::Item1Entry)));
        EXPECT_EQ(p.state().Hp, c.after);
        EXPECT_EQ(p.form().caption(W::BarHp), "HP　" + std::to_string(c.after) + "/" + std::to_string(c.maxHp));
        expectCleanRun(p);
    }
}

TEST(FirstItem, TellsItsUseAndIsGoneForTheRestOfTheGame) {
    auto p = inBout(2, "", hp(5, 30));
    p.then(use(designed(W::Item1Entry)));
    const Form& f = p.form();
    EXPECT_EQ(f.caption(W::MessageLine1), "ミゼル先生は鮭弁当を使った。");
    EXPECT_EQ(f.caption(W::MessageLine2), "ミゼル先生のHPが少しだけ回復した。");
    EXPECT_EQ(f.caption(W::MessageLine3), "");
    EXPECT_EQ(p.state().TalkState, talk::kOpponentTurn);
    EXPECT_TRUE(p.sound().state(Sfx::Chime).playing);
    EXPECT_TRUE(f.showing(W::MessagePanel));
    EXPECT_FALSE(f.showing(W::ItemPanel));
    EXPECT_FALSE(f.showing(W::CommandPanel));
    EXPECT_FALSE(f.visible(W::Item1Entry));
    EXPECT_FALSE(f.visible(W::StatusItem1)) << "the status screen's line goes too";

    // The opponent answers at the next click; the item never comes back.
    p.then(next(0));
    EXPECT_EQ(p.state().TalkState, talk::kNothing);
    p.then(std::string("click ") + designed(W::ItemCommand) + "\n");
    EXPECT_FALSE(p.form().showing(W::Item1Entry));
    expectCleanRun(p);
}

TEST(SecondItem, HealsTwentyButNeverAboveTheTop) {
    struct Case {
        int hp, maxHp, after;
    };
    for (const Case& c : {Case{15, 30, 30}, Case{5, 30, 25}, Case{10, 30, 30}, Case{11, 30, 30}, Case{30, 30, 30}}) {
        SCOPED_TRACE(c.hp);
        auto p = inBout(3, buy(designed(W::StoreItem2), 2), hp(c.hp, c.maxHp));
        p.then(use(designed(W::Item2Entry)));
        const Form& f = p.form();
        EXPECT_EQ(p.state().Hp, c.after);
        EXPECT_EQ(p.state().Item2Count, 1) << "used up even at full HP";
        EXPECT_EQ(f.caption(W::MessageLine1), "サスライの剣士は薬草を使った。");
        EXPECT_EQ(f.caption(W::MessageLine2), "サスライの剣士のHPが20ポイント回復した。");
        EXPECT_EQ(f.caption(W::MessageLine3), "");
        EXPECT_EQ(f.caption(W::BarHp), "HP　" + std::to_string(c.after) + "/30");
        EXPECT_TRUE(f.visible(W::Item2Entry)) << "one is left";
        EXPECT_EQ(p.state().TalkState, talk::kOpponentTurn);
        expectCleanRun(p);
    }
}

TEST(ThirdItem, HealsFully) {
    auto p = inBout(0, buy(designed(W::StoreItem3), 1), hp(1, 44));
    p.then(use(designed(W::Item3Entry)));
    EXPECT_EQ(p.state().Hp, 44);
    EXPECT_EQ(p.form().caption(W::MessageLine1), "トルバさんは密輸品を使った。");
    EXPECT_EQ(p.form().caption(W::MessageLine2), "トルバさんのHPが完全回復した。");
    EXPECT_EQ(p.form().caption(W::BarHp), "HP　44/44");
    EXPECT_EQ(p.state().Item3Count, 0);
    expectCleanRun(p);
}

TEST(StoreGoods, TheLastOneHidesItsEntriesAndTheStoreOffersItAgain) {
    struct Good {
        const char* shelf;
        const char* entry;
        W entryW, status, shelfW;
        int cap;
        std::int32_t GameState::*count;
    };
    for (const Good& g : {Good{designed(W::StoreItem2), designed(W::Item2Entry), W::Item2Entry, W::StatusItem2,
                               W::StoreItem2, 5, &GameState::Item2Count},
                          Good{designed(W::StoreItem3), designed(W::Item3Entry), W::Item3Entry, W::StatusItem3,
                               W::StoreItem3, 3, &GameState::Item3Count}}) {
        SCOPED_TRACE(g.entry);
        // Bought to the cap: the store's shelf no longer offers it.
        auto p = inBout(0, buy(g.shelf, g.cap));
        ASSERT_FALSE(p.form().visible(g.shelfW));
        p.then(use(g.entry));
        EXPECT_EQ(p.state().*g.count, g.cap - 1);
        EXPECT_TRUE(p.form().visible(g.shelfW)) << "the first use brings the offer back";
        EXPECT_TRUE(p.form().visible(g.entryW));

        for (int left = g.cap - 1; left > 0; --left) p.then(next(0) + "set Hp 1\n" + use(g.entry));
        EXPECT_EQ(p.state().*g.count, 0);
        EXPECT_FALSE(p.form().visible(g.entryW));
        EXPECT_FALSE(p.form().visible(g.status));

        // Back in town, one more from the store: both entries again, with the count 1.
        p.then(next(0) + "set EnemyHp 0\n" + attack(0) + next(0) + next(0) + "click " + designed(W::MessageLine2) +
               "\nclick " + designed(W::LeaveArenaButton) + "\n" + "click " + designed(W::StoreButton) + "\nclick " +
               g.shelf + "\nclick " + designed(W::LeaveStore) + "\nclick " + designed(W::StatusButton) + "\n");
        EXPECT_EQ(p.state().*g.count, 1);
        EXPECT_TRUE(p.form().visible(g.entryW));
        EXPECT_TRUE(p.form().visible(g.status));
        const std::string name =
            g.count == &GameState::Item2Count ? p.shown(&GameState::Item2Name) : p.shown(&GameState::Item3Name);
        EXPECT_EQ(p.form().caption(g.status), name + "(1)");
        expectCleanRun(p);
    }
}

TEST(TearItem, RestoresMpAndTheMerchantOffersItAgain) {
    auto p = inBout(1, "");
    holdTears(p, 5);
    p.then("set MaxMp 33\nset Mp 2\n" + use(designed(W::TearEntry)));
    const Form& f = p.form();
    EXPECT_EQ(p.state().Mp, 33);
    EXPECT_EQ(p.state().TearCount, 4);
    EXPECT_EQ(f.caption(W::MessageLine1), "嘆きの老人はドラゴンの涙を使った。");
    EXPECT_EQ(f.caption(W::MessageLine2), "嘆きの老人のMPが完全回復した。");
    EXPECT_EQ(f.caption(W::MessageLine3), "");
    EXPECT_EQ(f.caption(W::BarMp), "MP　33/33");
    EXPECT_TRUE(f.visible(W::BuyTearButton)) << "on the merchant's panel at his next visit";
    EXPECT_TRUE(f.visible(W::TearEntry));
    EXPECT_TRUE(p.sound().state(Sfx::Chime).playing);

    // The last tear takes its entries with it.
    auto last = inBout(1, "");
    holdTears(last, 1);
    last.then(use(designed(W::TearEntry)));
    EXPECT_EQ(last.state().TearCount, 0);
    EXPECT_FALSE(last.form().visible(W::TearEntry));
    EXPECT_FALSE(last.form().visible(W::StatusTears));
    expectCleanRun(p);
    expectCleanRun(last);
}

}  // namespace
}  // namespace verminadia
