#pragma once
// The hero's town theme, looped by its timer while the hero is in town.

namespace verminadia {

struct Game;

// Silences the town theme: the timer stops, its count goes back to 0 and every town theme is
// stopped and rewound, so that the next enabling of the timer starts the theme from its beginning.
void stopTownMusic(Game& g);

}  // namespace verminadia
