// The message panel's steps, by TalkState.

#include "game/message_panel.h"

#include "arena/outcome.h"
#include "core/career.h"
#include "core/game.h"
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
    {talk::kEnding, startEnding},
    {talk::kDefeatAftermath, defeatAftermathStep},
    {talk::kBackToClasses, backToClassesStep},
    {talk::kLevelUp, levelUpStep},
    {talk::kExperience, experienceStep},
    {talk::kCloseKingsRoom, closeKingsRoom},
    {talk::kOpponentTurn, opponentTurnOrVictoryStep},
};

const PanelStep* stepFor(int code) {
    for (const PanelStep& s : kPanelSteps) {
        if (s.code == code) return &s;
    }
    return nullptr;
}

}  // namespace

void continueMessages(Game& g) {
    const PanelStep* s = stepFor(g.state.TalkState);
    if (s != nullptr && s->step != nullptr) s->step(g);
}

bool panelHasStep(int talkState) {
    const PanelStep* s = stepFor(talkState);
    return s != nullptr && s->step != nullptr;
}

}  // namespace verminadia
