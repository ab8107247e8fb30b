#pragma once
// A record watched at the pace it was played: its events with the time each reached the game,
// and which of them are due at a moment. The front end's clock calls playUntil when the next
// one is due.

#include <istream>
#include <string>
#include <vector>

#include "script/script.h"

namespace verminadia::frontend {

class PacedReplay {
public:
    // Reads the record's lines, each with the time marker before it (0 before the first), within
    // the size a record may have; a last line without its newline is left out.
    explicit PacedReplay(std::istream& record);

    // Plays into `script` every line due by `seconds` of the record's time: only what a record
    // holds. Empty, or "line N: reason" for the bad line it stopped at.
    std::string playUntil(Script& script, double seconds);
    bool finished() const { return next_ == lines_.size(); }
    // When the next line is due, in the record's time; only while not finished.
    double nextAt() const { return lines_[next_].at; }
    // How long a timer waits, in whole milliseconds, from `seconds` of the record's time for the
    // next line, the record played `speed` times faster. A gap longer than a timer can wait
    // (about 24.8 days) is waited in parts.
    int waitMs(double seconds, double speed) const;

private:
    struct Line {
        double at;
        int number;
        std::string text;
        std::string problem = {};  // why the record could be read no further here
    };
    std::vector<Line> lines_;
    std::size_t next_ = 0;
};

}  // namespace verminadia::frontend
