// The keyboard's stops, from the game's model: which widgets the keys reach, and where the focus
// goes as screens change.

#include <gtest/gtest.h>

#include "core/career.h"
#include "frontend/focus_order.h"
#include "support/play.h"

namespace verminadia::frontend {
namespace {

using Stops = std::vector<W>;

TEST(FocusStops, AreTheShowingClickablesInReadingOrderWithThePanelStandingForItsLines) {
    test::Played p = test::play(test::kToHeroChoice);
    EXPECT_EQ(focusStops(p.form()), (Stops{W::Label4, W::Label5, W::Label7, W::Label6}));
    p.then("click Label4\n");
    // A panel at a time, left to right: the hero bar's status button, then the town's buttons.
    EXPECT_EQ(focusStops(p.form()), (Stops{W::Button1, W::Button3, W::Button5, W::Button4, W::Button6}));
    p.then("click Button1\n");
    // The status screen's values are read one by one, in the order they are read, before OK.
    const Stops status = focusStops(p.form());
    ASSERT_GE(status.size(), 14u);
    EXPECT_EQ(std::vector<W>(status.begin(), status.begin() + 3), (Stops{W::Label14, W::Label15, W::Label16}));
    EXPECT_EQ(status.back(), W::Button2);
    EXPECT_EQ(status[status.size() - 2], W::Label29);  // the money, at the bottom
    EXPECT_TRUE(isReadingStop(W::Label23));
    EXPECT_FALSE(pressable(W::Label23));
    EXPECT_EQ(focusAfterChange({W::Button1, W::Button3}, status, false, W::Button1), W::Button2);
    p.then("click Button2\nclick Button6\ndraw 0\nclick Button9\n");
    // The fight: the commands on the left, then the message panel.
    EXPECT_EQ(focusStops(p.form()), (Stops{W::Label45, W::Label46, W::Label47, W::Label48, W::Panel5}));
    p.then("click Label47\n");  // the item panel, alone
    EXPECT_EQ(focusStops(p.form()), (Stops{W::Label49, W::Label52}));
}

TEST(FocusStops, HoldNoHiddenWidget) {
    test::Played p = test::play("tick Timer1 5\n");  // mid-title: nothing to click yet
    EXPECT_TRUE(focusStops(p.form()).empty());
    p.then("tick Timer1 13\n");
    EXPECT_EQ(focusStops(p.form()), (Stops{W::Label3}));
    p.then("click Label3\n");
    EXPECT_TRUE(focusStops(p.form()).empty());
}

TEST(FocusStops, FollowTheMessagePanelWhenOnlyItsWaitingChanges) {
    test::Played p = test::play(test::kToHeroChoice);
    p.then("click Label4\nclick Button6\ndraw 0\nclick Button9\n");
    FocusStops stops;
    std::optional<W> target;
    ASSERT_TRUE(stops.follow(p.game(), W::Label45, target));
    ASSERT_FALSE(panelWaits(p.game()));
    EXPECT_FALSE(stops.follow(p.game(), W::Label45, target));
    p.game().state.TalkState = talk::kOpponentTurn;  // the same stops, the panel now waiting
    ASSERT_TRUE(stops.follow(p.game(), W::Label45, target));
    EXPECT_EQ(target, W::Panel5);
}

TEST(FocusAfterChange, GoesToTheMessagePanelWhileItWaits) {
    const Stops king{W::Button1, W::Panel5};
    EXPECT_EQ(focusAfterChange({W::Button3, W::Button5, W::Button1}, king, true, W::Button3), W::Panel5);
    // Once its click has done nothing more to do, the screen's own items have the focus again.
    const Stops fight{W::Button1, W::Panel5, W::Label45, W::Label46};
    EXPECT_EQ(focusAfterChange(fight, fight, false, W::Panel5), W::Label45);
}

TEST(FocusAfterChange, GoesToTheFirstItemOfANewScreenBeforeTheStatusButtonAndAnIdlePanel) {
    const Stops classes{W::Button1, W::Button9, W::Button10};
    const Stops fight{W::Button1, W::Panel5, W::Label45, W::Label46};
    EXPECT_EQ(focusAfterChange(classes, fight, false, W::Button9), W::Label45);
    // The item panel opens beside the commands: its items are the new screen.
    const Stops items{W::Button1, W::Label45, W::Label49, W::Label46, W::Label52};
    EXPECT_EQ(focusAfterChange(fight, items, false, W::Label47), W::Label49);
    // The status screen is all there is.
    EXPECT_EQ(focusAfterChange({W::Button3, W::Button1}, {W::Button2}, false, W::Button1), W::Button2);
    EXPECT_EQ(focusAfterChange({W::Button2}, {W::Button1, W::Panel5}, false, std::nullopt), W::Button1);
}

TEST(FocusAfterChange, StaysWhereItIsWhenTheScreenOnlyGrew) {
    EXPECT_EQ(focusAfterChange({W::Button3, W::Button5}, {W::Button3, W::Button5, W::Button25}, false, W::Button5),
              W::Button5);
    // But a screen that lost something is a new screen.
    EXPECT_EQ(focusAfterChange({W::Label41, W::Label34}, {W::Label41, W::Label36}, false, W::Label41), W::Label36);
    EXPECT_EQ(focusAfterChange({W::Label3}, {}, false, W::Label3), std::nullopt);
}

}  // namespace
}  // namespace verminadia::frontend
