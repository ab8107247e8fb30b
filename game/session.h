#pragma once
// One game as it is played: the game itself, the generator its draws come from, and the log of
// those draws that the session record writes down. The window, the page and the script driver
// each drive one; none of them owns a part of it, and nothing in it is handed round afterwards.

#include <optional>

#include "core/game.h"
#include "core/random.h"
#include "core/sound.h"
#include "game/record.h"

namespace verminadia {

class Session {
public:
    // The game started as the window starts it, its texts in `catalogue`, its sound silent until
    // a front end hands it an output. It is replayed until a player plays it live.
    explicit Session(const Catalogue& catalogue = untranslated());
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Game& game() { return *game_; }
    const Game& game() const { return *game_; }
    // The generator, for the draws a script queues and the seed it sets.
    ClockRandom& random() { return random_; }
    // Every draw of the game passes here on its way from the generator.
    DrawLog& draws() { return draws_; }

    // A fresh game, as if the window had just been made: what was played is forgotten, the sound
    // is silent again, and the game is replayed until it is played live. The game stays where it
    // is, so whoever shows it keeps showing it.
    void restart();

    // From now on a player plays: each draw comes from the clock, and is kept for the record.
    void playLive();

private:
    // A game replayed from a record or played by a script never draws from the clock: a draw is
    // the one queued for it, and one the record does not hold comes from the generator seeded
    // alike every time, so that the record plays the same game however it is replayed. Nothing is
    // kept for a record.
    void replay();

    SilentOutput silence_;
    ClockRandom random_;
    DrawLog draws_{random_};
    std::optional<Game> game_;
};

}  // namespace verminadia
