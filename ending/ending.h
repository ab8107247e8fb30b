#pragma once

namespace verminadia {

struct Game;

// The message panel's step once the final title is granted: the king, the panel and the hero
// summary leave, the town music stops for good, and Timer5 starts the ending.
void startEnding(Game& g);

// One step of the ending and the credits.
void Timer5Timer(Game& g);

}  // namespace verminadia
