#pragma once
// The session record: every click and tick that reached the game, in order, each preceded by the
// random draws it consumed, written as a script the driver replays to the same state. Lines are
// flushed per event, so a game that is killed leaves a record complete up to its last event.
//
//   # verminadia session record
//   # @12.345            seconds since the session began, before each event
//   draw 2               what the event drew, in order (absent when it drew nothing)
//   click Button9

#include <iosfwd>
#include <string_view>
#include <vector>

#include "core/random.h"
#include "core/widgets/table.h"

namespace verminadia {

// Passes every draw through to the game's own generator and remembers what came out, until the
// recorder takes the draws for the event that made them.
class DrawLog final : public Random {
public:
    explicit DrawLog(Random& source) : source_(&source) {}
    int draw(int n) override { return keep(source_->draw(n)); }
    int drawWithoutReseed(int n) override { return keep(source_->drawWithoutReseed(n)); }

    std::vector<int> take();

private:
    int keep(int v) {
        drawn_.push_back(v);
        return v;
    }
    Random* source_;
    std::vector<int> drawn_;
};

class SessionRecorder {
public:
    // Writes to every stream in `outs` (the last session's record, and a file the player named).
    SessionRecorder(DrawLog& draws, std::vector<std::ostream*> outs) : draws_(draws), outs_(std::move(outs)) {}

    // The first line of a new record.
    void begin();
    // An event that reached the game, `seconds` after the session began.
    void clicked(W w, double seconds) { event("click", def(w).name, seconds); }
    void ticked(Timer t, double seconds) { event("tick", def(t).name, seconds); }

private:
    void event(std::string_view command, std::string_view name, double seconds);

    DrawLog& draws_;
    std::vector<std::ostream*> outs_;
};

inline constexpr std::string_view kRecordHeader = "# verminadia session record";
// The time marker's prefix: "# @" then the seconds since the session began.
inline constexpr std::string_view kRecordTime = "# @";

// The seconds of a time marker line; false for any other line.
bool recordTime(std::string_view line, double& seconds);

}  // namespace verminadia
