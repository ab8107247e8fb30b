#pragma once
// The message panel: every conversation and fight is told on its three lines, and each click on
// it (or on one of its lines) performs the one step that TalkState names.

namespace verminadia {

struct Game;

// A click on the panel: the step that TalkState names, if any.
void continueMessages(Game& g);

// Whether a click on the panel performs a step while TalkState holds this code; with any other
// code the click does nothing, and the panel does not wait for it.
bool panelHasStep(int talkState);

}  // namespace verminadia
