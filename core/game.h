#pragma once
// Everything a handler touches: the game state, the window's model, the sound players and the
// random source.

#include "core/form.h"
#include "core/game_state.h"
#include "core/random.h"
#include "core/sound.h"

namespace verminadia {

struct Game {
    Game(SoundOutput& out, Random& rng) : sound(out), random(&rng) {}

    GameState state;
    Form form;
    Sound sound;
    Random* random;

    // A draw of n, kept in Roll until the next one.
    int draw(int n) { return state.Roll = random->draw(n); }
};

// The window has been created: the starting values are set and the title begins.
void startGame(Game& g);

enum class ClickResult { Handled, Hidden, Closed };
// A player's click: it reaches a widget only while the widget and every panel holding it are
// shown and the window is open.
ClickResult click(Game& g, W w);
// One tick of a timer; a disabled timer does not tick.
void tick(Game& g, Timer t);

}  // namespace verminadia
