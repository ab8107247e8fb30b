#pragma once
// What the skill and item commands share: their panels take the message panel's place, and the
// heal stops at the hero's maximum.

#include "core/widgets/table.h"

namespace verminadia {

struct Game;
struct GameState;

// The command column goes and `panel` (the skill or item panel) takes the message panel's place.
void openInPlaceOfMessages(Game& g, W panel);
// "キャンセル": `panel` goes and the command column and the message panel come back.
void backToCommands(Game& g, W panel);

// Hp raised by amount, never above MaxHp. Checked in two steps, the top first, so that a hero
// already at the top (or above it) ends exactly at MaxHp.
void healUpToMax(GameState& s, int amount);

}  // namespace verminadia
