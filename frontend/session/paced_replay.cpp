#include "frontend/session/paced_replay.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>

#include "files/line_reader.h"
#include "game/record.h"

namespace verminadia::frontend {

int PacedReplay::waitMs(double seconds, double speed) const {
    const double wait = (nextAt() - seconds) / speed * 1000.0;
    return static_cast<int>(std::ceil(std::clamp(wait, 0.0, double{std::numeric_limits<int>::max()})));
}

PacedReplay::PacedReplay(std::istream& record) {
    LineReader lines(record, kMaxRecordBytes, kMaxRecordLineBytes);
    double at = 0;
    std::string line;
    while (lines.next(line)) {
        if (recordTime(line, at)) continue;
        lines_.push_back(Line{at, lines.number(), line});
    }
    // A cut last line is left out; a record read no further is bad where it stopped.
    if (!lines.droppedCutLine() && !lines.problem().empty()) {
        lines_.push_back(Line{at, lines.number(), {}, lines.problem()});
    }
}

std::string PacedReplay::playUntil(Script& script, double seconds) {
    std::ostringstream ignored;
    while (next_ < lines_.size() && lines_[next_].at <= seconds) {
        const Line& l = lines_[next_++];
        std::string reason = l.problem;
        if (reason.empty()) reason = recordLineError(l.text);
        if (reason.empty()) reason = script.step(l.text, ignored);
        if (!reason.empty()) return "line " + std::to_string(l.number) + ": " + reason;
    }
    return {};
}

}  // namespace verminadia::frontend
