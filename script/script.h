#pragma once
// The headless driver: plays a session's game from a script of clicks, ticks and queued draws and
// prints what a player would see as JSON. The language is described in the README.

#include <iosfwd>
#include <string>
#include <string_view>

#include "game/events.h"
#include "game/session.h"

namespace verminadia {

class Script {
public:
    // Drives `session`, which outlives the driver.
    explicit Script(Session& session) : session_(session) {}

    // Runs every line, a last one without its newline too; returns the exit status: 0, or 2 after
    // the first bad line (reported on err).
    int run(std::istream& in, std::ostream& out, std::ostream& err);
    // Runs one line (blank lines and comments do nothing); returns the reason it is bad, or "".
    std::string step(std::string_view line, std::ostream& out);

    // The whole state as one line of JSON.
    std::string dump() const;

private:
    // Returns an empty text on success, else the reason the line is bad.
    std::string execute(const std::string& line, std::ostream& out);

    std::string widgetJson(W w) const;
    std::string timerJson(Timer t) const;
    std::string playerJson(Player p) const;
    std::string stateJson() const;

    Game& game() { return session_.game(); }
    const Game& game() const { return session_.game(); }

    Session& session_;
};

}  // namespace verminadia
