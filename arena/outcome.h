#pragma once
// The fight's steps on the message panel, one per click, by TalkState: 2 the opponent's turn
// or the victory, 10 the experience, 12 the level-up, 11 back to the weight classes, 20 back
// to town after a defeat.

namespace verminadia {

struct Game;

void opponentTurnOrVictoryStep(Game& g);  // TalkState 2
void experienceStep(Game& g);             // TalkState 10
void levelUpStep(Game& g);                // TalkState 12
void backToClassesStep(Game& g);          // TalkState 11
void defeatAftermathStep(Game& g);        // TalkState 20

// Within the state-2 click: the opponent is down, or the hero is.
void victory(Game& g);
void defeat(Game& g);

}  // namespace verminadia
