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
    EXPECT_EQ(focusStops(p.form()), (Stops{W::TorubaChoice, W::OldMoanerChoice, W::MizelChoice, W::RoninChoice}));
    p.then(std::string("click ") + designed(W::TorubaChoice) + "\n");
    // A panel at a time, left to right: the hero bar's status button, then the town's buttons.
    EXPECT_EQ(focusStops(p.form()),
              (Stops{W::StatusButton, W::KingButton, W::InnButton, W::StoreButton, W::ArenaButton}));
    p.then(std::string("click ") + designed(W::StatusButton) + "\n");
    // The status screen's values are read one by one, in the order they are read, before OK.
    const Stops status = focusStops(p.form());
    ASSERT_GE(status.size(), 14u);
    EXPECT_EQ(std::vector<W>(status.begin(), status.begin() + 3), (Stops{W::StatusName, W::StatusJob, W::StatusHp}));
    EXPECT_EQ(status.back(), W::StatusOkButton);
    EXPECT_EQ(status[status.size() - 2], W::StatusMoney);  // the money, at the bottom
    EXPECT_TRUE(isReadingStop(W::StatusAttack));
    EXPECT_FALSE(pressable(W::StatusAttack));
    EXPECT_EQ(focusAfterChange({W::StatusButton, W::KingButton}, status, false, W::StatusButton), W::StatusOkButton);
    p.then(std::string("click ") + designed(W::StatusOkButton) + "\nclick " + designed(W::ArenaButton) +
           "\ndraw 0\nclick " + designed(W::AmateurButton) + "\n");
    // The fight: the commands on the left, then the message panel.
    EXPECT_EQ(focusStops(p.form()),
              (Stops{W::AttackCommand, W::SkillCommand, W::ItemCommand, W::TalkCommand, W::MessagePanel}));
    p.then(std::string("click ") + designed(W::ItemCommand) + "\n");  // the item panel, alone
    EXPECT_EQ(focusStops(p.form()), (Stops{W::Item1Entry, W::ItemCancel}));
}

TEST(FocusStops, HoldNoHiddenWidget) {
    test::Played p =
        test::play(std::string("tick ") + designed(Timer::Opening) + " 5\n");  // mid-title: nothing to click yet
    EXPECT_TRUE(focusStops(p.form()).empty());
    p.then(std::string("tick ") + designed(Timer::Opening) + " 13\n");
    EXPECT_EQ(focusStops(p.form()), (Stops{W::Start}));
    p.then(std::string("click ") + designed(W::Start) + "\n");
    EXPECT_TRUE(focusStops(p.form()).empty());
}

TEST(FocusStops, FollowTheMessagePanelWhenOnlyItsWaitingChanges) {
    test::Played p = test::play(test::kToHeroChoice);
    p.then(std::string("click ") + designed(W::TorubaChoice) + "\nclick " + designed(W::ArenaButton) +
           "\ndraw 0\nclick " + designed(W::AmateurButton) + "\n");
    FocusStops stops;
    std::optional<W> target;
    ASSERT_TRUE(stops.follow(p.game(), W::AttackCommand, target));
    ASSERT_FALSE(panelWaits(p.game()));
    EXPECT_FALSE(stops.follow(p.game(), W::AttackCommand, target));
    p.game().state.TalkState = talk::kOpponentTurn;  // the same stops, the panel now waiting
    ASSERT_TRUE(stops.follow(p.game(), W::AttackCommand, target));
    EXPECT_EQ(target, W::MessagePanel);
}

TEST(FocusAfterChange, GoesToTheMessagePanelWhileItWaits) {
    const Stops king{W::StatusButton, W::MessagePanel};
    EXPECT_EQ(focusAfterChange({W::KingButton, W::InnButton, W::StatusButton}, king, true, W::KingButton),
              W::MessagePanel);
    // Once its click has done nothing more to do, the screen's own items have the focus again.
    const Stops fight{W::StatusButton, W::MessagePanel, W::AttackCommand, W::SkillCommand};
    EXPECT_EQ(focusAfterChange(fight, fight, false, W::MessagePanel), W::AttackCommand);
}

TEST(FocusAfterChange, GoesToTheFirstItemOfANewScreenBeforeTheStatusButtonAndAnIdlePanel) {
    const Stops classes{W::StatusButton, W::AmateurButton, W::LightButton};
    const Stops fight{W::StatusButton, W::MessagePanel, W::AttackCommand, W::SkillCommand};
    EXPECT_EQ(focusAfterChange(classes, fight, false, W::AmateurButton), W::AttackCommand);
    // The item panel opens beside the commands: its items are the new screen.
    const Stops items{W::StatusButton, W::AttackCommand, W::Item1Entry, W::SkillCommand, W::ItemCancel};
    EXPECT_EQ(focusAfterChange(fight, items, false, W::ItemCommand), W::Item1Entry);
    // The status screen is all there is.
    EXPECT_EQ(focusAfterChange({W::KingButton, W::StatusButton}, {W::StatusOkButton}, false, W::StatusButton),
              W::StatusOkButton);
    EXPECT_EQ(focusAfterChange({W::StatusOkButton}, {W::StatusButton, W::MessagePanel}, false, std::nullopt),
              W::StatusButton);
}

TEST(FocusAfterChange, StaysWhereItIsWhenTheScreenOnlyGrew) {
    EXPECT_EQ(focusAfterChange({W::KingButton, W::InnButton}, {W::KingButton, W::InnButton, W::CasinoButton}, false,
                               W::InnButton),
              W::InnButton);
    // But a screen that lost something is a new screen.
    EXPECT_EQ(
        focusAfterChange({W::StoreItem2, W::StoreWeapon1}, {W::StoreItem2, W::StoreWeapon3}, false, W::StoreItem2),
        W::StoreWeapon3);
    EXPECT_EQ(focusAfterChange({W::Start}, {}, false, W::Start), std::nullopt);
}

}  // namespace
}  // namespace verminadia::frontend
