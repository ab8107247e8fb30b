// Clicks on the message panel: one step per click, and nothing when nothing is pending.

#include <gtest/gtest.h>

#include "support/play.h"

namespace verminadia {
namespace {

using test::play;

TEST(MessagePanel, AClickOnTheLinesOrThePanelWithNothingPendingChangesNothing) {
    auto p = play("set TalkState 0");
    Game& g = p.game();
    g.form.show(W::MessagePanel);
    g.form.setCaption(W::MessageLine1, "一行目");
    const auto before = p.script->dump();
    p.then(std::string("click ") + designed(W::MessageLine1) + "\nclick " + designed(W::MessageLine2) + "\nclick " +
           designed(W::MessageLine3) + "\nclick " + designed(W::MessagePanel));
    EXPECT_EQ(p.script->dump(), before);
    EXPECT_EQ(p.out, "");
}

TEST(MessagePanel, ACodeWithoutAStepDoesNothing) {
    auto p = play("");
    Game& g = p.game();
    g.form.show(W::MessagePanel);
    for (int code : {3, 7, 49, 51, -1}) {
        g.state.TalkState = code;
        const auto before = p.script->dump();
        p.then(std::string("click ") + designed(W::MessageLine2));
        EXPECT_EQ(p.script->dump(), before) << code;
    }
}

TEST(MessagePanel, AHiddenPanelTakesNoClicks) {
    auto p = play(std::string("set TalkState 1\nclick ") + designed(W::MessageLine1) + "\nclick " +
                  designed(W::MessagePanel));
    EXPECT_EQ(p.out, std::string("ignored: ") + designed(W::MessageLine1) +
                         " is hidden\nignored: " + designed(W::MessagePanel) + " is hidden\n");
}

}  // namespace
}  // namespace verminadia
