#pragma once
// The weight class's battle theme, looped by Timer::BattleMusic while the bout lasts.

namespace verminadia {

struct Game;

// Silences the battle theme once the bout is decided: the timer stops, its count goes back to 0
// and every battle theme is stopped and rewound, so that the next bout starts its own from the
// beginning.
void stopBattleMusic(Game& g);

}  // namespace verminadia
