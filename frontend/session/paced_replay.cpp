#include "frontend/session/paced_replay.h"

#include <sstream>

#include "game/record.h"

namespace verminadia::frontend {

PacedReplay::PacedReplay(std::istream& record) {
    double at = 0;
    std::string line;
    for (int number = 1; std::getline(record, line); ++number) {
        if (recordTime(line, at)) continue;
        lines_.push_back(Line{at, number, line});
    }
}

std::string PacedReplay::playUntil(Script& script, double seconds) {
    std::ostringstream ignored;
    while (next_ < lines_.size() && lines_[next_].at <= seconds) {
        const Line& l = lines_[next_++];
        const std::string reason = script.step(l.text, ignored);
        if (!reason.empty()) return "line " + std::to_string(l.number) + ": " + reason;
    }
    return {};
}

}  // namespace verminadia::frontend
