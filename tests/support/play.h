#pragma once
// Plays a script in-process, the way verminadia-script does, and keeps the game for inspection.

#include <memory>
#include <string>
#include <string_view>

#include "tools/script.h"

namespace verminadia::testing {

struct Played {
    std::unique_ptr<Script> script;
    std::string out;  // what the driver printed
    std::string err;
    int status = 0;

    const GameState& state() const { return script->game().state; }
    const Form& form() const { return script->game().form; }
    const Sound& sound() const { return script->game().sound; }
    // For setting a scene up directly, where no click leads there yet.
    Game& game() { return script->game(); }
    // Runs more lines on the same game.
    Played& then(std::string_view lines);
};

Played play(std::string_view lines);

// The script that takes a fresh game through the title and clicks "スタート": the hero choice
// is on screen when it ends.
extern const std::string_view kToHeroChoice;

}  // namespace verminadia::testing
