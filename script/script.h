#pragma once
// The headless driver: plays the game from a script of clicks, ticks and queued draws and prints
// what a player would see as JSON. The language is described in the README.

#include <iosfwd>
#include <string>
#include <string_view>

#include "game/events.h"

namespace verminadia {

class Script {
public:
    // The game in its own language, or with its texts looked up in `catalogue`.
    explicit Script(const Catalogue& catalogue = untranslated());

    // Runs every line, a last one without its newline too; returns the exit status: 0, or 2 after
    // the first bad line (reported on err).
    int run(std::istream& in, std::ostream& out, std::ostream& err);
    // Runs one line (blank lines and comments do nothing); returns the reason it is bad, or "".
    std::string step(std::string_view line, std::ostream& out);

    // A fresh game, as if the window had just been made: what was played is forgotten.
    void restart();

    const Game& game() const { return game_; }
    Game& game() { return game_; }

    // The whole state as one line of JSON.
    std::string dump() const;

private:
    // Returns an empty text on success, else the reason the line is bad.
    std::string execute(const std::string& line, std::ostream& out);

    std::string widgetJson(W w) const;
    std::string timerJson(Timer t) const;
    std::string playerJson(Player p) const;
    std::string stateJson() const;

    SilentOutput silence_;
    ClockRandom random_;
    Game game_;
};

}  // namespace verminadia
