#pragma once
// Getting a hero into town, and reaching into the game where a fight (not built here) would.

#include <string>

#include "core/game.h"
#include "support/play.h"

namespace verminadia::town_testing {

// The name labels of the choice panel, by hero: top to bottom, Label7 above Label6.
inline constexpr const char* kHeroLabels[] = {"Label4", "Label5", "Label7", "Label6"};

// A fresh game with the given hero chosen and the town bar on screen.
inline testing::Played inTown(int hero) {
    return testing::play(std::string(testing::kToHeroChoice) + "click " + kHeroLabels[hero] + "\n");
}

// What other parts of the game do between visits (fights, defeats), done by hand.
inline Game& game(testing::Played& p) { return const_cast<Game&>(p.script->game()); }

}  // namespace verminadia::town_testing
