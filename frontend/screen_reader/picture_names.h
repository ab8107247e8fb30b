#pragma once
// What each picture shows, in words, for a screen reader: the king, the shopkeeper and the
// innkeeper, each hero's portraits by the hero's name, and an opponent by its name while it is
// in the ring.

#include <string>

#include "core/game.h"

namespace verminadia::frontend {

std::string pictureName(W picture, const Game& g);

}  // namespace verminadia::frontend
