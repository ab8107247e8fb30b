// What a screen reader is told, from the game's model: each widget's name and role, and what it
// hears anew after a click.

#include <gtest/gtest.h>

#include "frontend/screen_reader/accessible.h"
#include "frontend/screen_reader/announcements.h"
#include "support/play.h"
#include "town/heroes.h"

namespace verminadia::frontend {
namespace {

TEST(ScreenReader, NamesWhatThePlayerSeesByTheRolesReadersKnow) {
    test::Played p = test::play(test::kToHeroChoice);
    const Game& g = p.game();
    EXPECT_EQ(accessibleName(W::Label4, g), g.form.caption(W::Label4));
    EXPECT_EQ(roleOf(W::Label4), Role::Button);
    EXPECT_EQ(accessibleName(W::Panel1, g), g.form.caption(W::Edit1));  // by its heading
    EXPECT_EQ(roleOf(W::Panel1), Role::Pane);
    p.then("click Label7\n");
    EXPECT_EQ(accessibleName(kHeroes[2].portrait, g), std::string(kHeroes[2].name) + "の肖像");
    EXPECT_EQ(roleOf(kHeroes[2].portrait), Role::Graphic);

    p.then("click Button6\ndraw 0\nclick Button9\n");
    EXPECT_EQ(roleOf(W::Panel5), Role::Grouping);
    EXPECT_EQ(roleOf(W::Label31), Role::StaticText);  // the panel answers for its lines
    EXPECT_EQ(accessibleName(W::Panel5, g),
              g.form.caption(W::Label31) + '\n' + g.form.caption(W::Label32) + '\n' + g.form.caption(W::Label33));
    ASSERT_EQ(test::opponentPicturesShowing(g.form), std::vector<W>{W::Image6});
    EXPECT_EQ(accessibleName(W::Image6, g), g.state.EnemyName);  // the opponent in the ring, by name
    EXPECT_EQ(accessibleName(W::Image7, g), "対戦相手");
}

TEST(Announcements, TellTheMessagePanelsNewLinesOnceAndSkipBlankLines) {
    test::Played p = test::play(test::heroChosen(0));
    Game& g = p.game();
    const Reading before = readScreen(g);
    p.then("click Button3\n");  // the king speaks
    const Reading after = readScreen(g);
    EXPECT_EQ(announcements(before, after), (std::vector<Announcement>{{W::Panel5, accessibleName(W::Panel5, g)}}));
    EXPECT_NE(after.messagePanel.find("ドラゴン王"), std::string::npos) << after.messagePanel;
    EXPECT_TRUE(announcements(after, readScreen(g)).empty());

    g.form.setCaption(W::Label32, std::string("\u3000 \u3000"));
    g.form.setCaption(W::Label33, std::string("続き"));
    EXPECT_EQ(readScreen(g).messagePanel, g.form.caption(W::Label31) + "\n続き");
}

}  // namespace
}  // namespace verminadia::frontend
