// The message panel: every conversation and fight is told on its three lines, and each click on
// it performs the one step that TalkState names.

#include "core/game.h"
#include "core/handlers.h"
#include "arena/outcome.h"
#include "ending/ending.h"
#include "town/king.h"

namespace verminadia {

namespace {

struct PanelStep {
    int code;
    Handler step;  // nullptr: the click does nothing for this code
};

// Compared in this order. Every code a step sets lies earlier in the list (or has no step),
// so one click never performs two steps.
constexpr PanelStep kPanelSteps[] = {
    {50, startEnding},  // start of the ending
    {20, defeatAftermathStep},  // a lost fight: back to town with half the money
    {11, backToClassesStep},  // the fight's messages are over: back to the weight classes
    {12, levelUpStep},  // level-up
    {10, experienceStep},  // the experience, and the test for a level-up
    {1, closeKingsRoom},  // close the king's room
    {2, opponentTurnOrVictoryStep},  // the opponent's turn, or the victory
};

}  // namespace

void Panel5Click(Game& g) {
    const int code = g.state.TalkState;
    for (const PanelStep& s : kPanelSteps) {
        if (s.code != code) continue;
        if (s.step != nullptr) s.step(g);
        return;
    }
}

}  // namespace verminadia
