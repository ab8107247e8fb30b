#pragma once
// The king's room: the speeches by champions beaten, and the rank titles.

namespace verminadia {

struct Game;

// The message panel's step for talk::kCloseKingsRoom: the king has spoken, the room closes.
void closeKingsRoom(Game& g);

}  // namespace verminadia
