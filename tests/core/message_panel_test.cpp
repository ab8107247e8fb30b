// Clicks on the message panel: one step per click, and nothing when nothing is pending.

#include <gtest/gtest.h>

#include "support/play.h"

namespace verminadia {
namespace {

using test::play;

TEST(MessagePanel, AClickOnTheLinesOrThePanelWithNothingPendingChangesNothing) {
    auto p = play("set TalkState 0");
    Game& g = p.game();
    g.form.show(W::Panel5);
    g.form.setCaption(W::Label31, "一行目");
    const auto before = p.script->dump();
    p.then("click Label31\nclick Label32\nclick Label33\nclick Panel5");
    EXPECT_EQ(p.script->dump(), before);
    EXPECT_EQ(p.out, "");
}

TEST(MessagePanel, ACodeWithoutAStepDoesNothing) {
    auto p = play("");
    Game& g = p.game();
    g.form.show(W::Panel5);
    for (int code : {3, 7, 49, 51, -1}) {
        g.state.TalkState = code;
        const auto before = p.script->dump();
        p.then("click Label32");
        EXPECT_EQ(p.script->dump(), before) << code;
    }
}

TEST(MessagePanel, AHiddenPanelTakesNoClicks) {
    auto p = play("set TalkState 1\nclick Label31\nclick Panel5");
    EXPECT_EQ(p.out, "ignored: Label31 is hidden\nignored: Panel5 is hidden\n");
}

}  // namespace
}  // namespace verminadia
