#pragma once
// The heal that the second skill and the second item share: it stops at the hero's maximum.

namespace verminadia {

struct GameState;

// Hp raised by amount, never above MaxHp. Checked in two steps, the top first, so that a hero
// already at the top (or above it) ends exactly at MaxHp.
void healUpToMax(GameState& s, int amount);

}  // namespace verminadia
