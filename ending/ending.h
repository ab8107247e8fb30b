#pragma once

namespace verminadia {

struct Game;

// The message panel's step once the final title is granted: the king, the panel and the hero
// summary leave, the town music stops for good, and the ending's timer starts.
void startEnding(Game& g);

// One step of the ending and the credits.
void advanceEnding(Game& g);

}  // namespace verminadia
