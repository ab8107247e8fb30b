#pragma once
// Getting a hero into town.

#include <string>

#include "core/career.h"
#include "core/game.h"
#include "support/play.h"

namespace verminadia::town_testing {

// A fresh game with the given hero chosen and the town bar on screen.
inline test::Played inTown(int hero) { return test::play(test::heroChosen(hero)); }

}  // namespace verminadia::town_testing
