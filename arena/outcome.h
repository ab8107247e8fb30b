#pragma once
// The fight's steps on the message panel, one per click, by TalkState: the opponent's turn or
// the victory, the experience, the level-up, back to the weight classes, and back to town after
// a defeat.

namespace verminadia {

struct Game;

void opponentTurnOrVictoryStep(Game& g);  // talk::kOpponentTurn
void experienceStep(Game& g);             // talk::kExperience
void levelUpStep(Game& g);                // talk::kLevelUp
void backToClassesStep(Game& g);          // talk::kBackToClasses
void defeatAftermathStep(Game& g);        // talk::kDefeatAftermath

// Within the state-2 click: the opponent is down, or the hero is.
void victory(Game& g);
void defeat(Game& g);

}  // namespace verminadia
