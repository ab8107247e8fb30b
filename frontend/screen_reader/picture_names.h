#pragma once
// What each picture shows, in words, for a screen reader: the king, the shopkeeper and the
// innkeeper, each hero's portraits by the hero's name, and an opponent by its name while it is
// in the ring.

#include <string>
#include <string_view>
#include <vector>

#include "core/game.h"

namespace verminadia::frontend {

std::string pictureName(W picture, const Game& g);

// The catalogue's texts that only a screen reader says, never drawn on the window.
std::vector<std::string_view> pictureWords();

}  // namespace verminadia::frontend
