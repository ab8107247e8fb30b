#include "frontend/session/paced_replay.h"

#include <sstream>

#include "files/line_reader.h"
#include "game/record.h"

namespace verminadia::frontend {

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
