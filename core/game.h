#pragma once
// Everything a handler touches: the game state, the window's model, the sound players and the
// random source.

#include "core/form.h"
#include "core/game_state.h"
#include "core/random.h"
#include "core/sound.h"

namespace verminadia {

struct Game;

// A handler: one widget event, or one step of a screen.
using Handler = void (*)(Game&);

struct Game {
    Game(SoundOutput& out, Random& rng) : sound(out), random(&rng) {}

    GameState state;
    Form form;
    Sound sound;
    Random* random;

    // A draw of n, kept in Roll until the next one.
    int draw(int n) { return state.Roll = random->draw(n); }
};

}  // namespace verminadia
