#pragma once
// Getting a hero to the arena, and the clicks of a fight with their draws queued, so that a
// test reads like the player's own moves.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/game.h"
#include "support/play.h"

namespace verminadia::arena_testing {

using test::opponentPicturesShowing;

// A fresh game with the hero chosen, `setup` played in town, and the class choice on screen.
inline test::Played inArena(int hero, std::string_view setup = "") {
    return test::play(test::heroChosen(hero) + std::string(setup) + "click Button6\n");
}

inline std::string draws(std::initializer_list<int> values) {
    std::string s = "draw";
    for (int v : values) s += " " + std::to_string(v);
    return s + "\n";
}

// A class button with the opponent draw queued.
inline std::string bout(std::string_view button, int draw) {
    return draws({draw}) + "click " + std::string(button) + "\n";
}
// "攻撃" with its draw.
inline std::string attack(int draw) { return draws({draw}) + "click Label45\n"; }
// The click on the panel after the hero's action: the opponent's draw, or the victory's.
inline std::string next(int draw) { return draws({draw}) + "click Label32\n"; }
// The click on the panel that takes no draw (level-up, back to the classes, back to town).
inline constexpr std::string_view kClick = "click Label32\n";

// A script line that went wrong (a queued draw too large for its draw, a hidden widget) would
// quietly change what a test sees; every helper user checks this.
inline void expectCleanRun(const test::Played& p) {
    EXPECT_EQ(p.err, "");
    EXPECT_EQ(p.out.find("ignored"), std::string::npos) << p.out;
}

}  // namespace verminadia::arena_testing
