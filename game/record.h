#pragma once
// The session record: every click and tick that reached the game, in order, each preceded by the
// random draws it consumed, written as a script the driver replays to the same state. Lines are
// flushed per event, so a game that is killed leaves a record complete up to its last event.
//
//   # verminadia session record
//   # @12.345            seconds since the session began, before each event
//   draw 2               what the event drew, in order (absent when it drew nothing)
//   click NAME           the event, with the widget's or the timer's designed name

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "core/random.h"
#include "core/widgets/table.h"

namespace verminadia {

// Passes every draw through to the game's own generator and, while a record is kept, remembers
// what came out until the recorder takes the draws for the event that made them.
class DrawLog final : public Random {
public:
    explicit DrawLog(Random& source) : source_(source) {}
    int draw(int n) override { return keep(source_.draw(n)); }
    int drawWithoutReseed(int n) override { return keep(source_.drawWithoutReseed(n)); }

    // From now on the draws are kept, or not (a game replayed or driven by a script); either way
    // what was kept so far is forgotten, as it belongs to no event of the record.
    void keeping(bool on) {
        keeping_ = on;
        drawn_.clear();
    }
    std::vector<int> take();

private:
    int keep(int v) {
        if (keeping_) drawn_.push_back(v);
        return v;
    }
    Random& source_;
    bool keeping_ = false;
    std::vector<int> drawn_;
};

class SessionRecorder {
public:
    // Told once for an output that failed to take a write or a flush (a full disk), with its
    // place in `outs`. That output gets nothing more, so its record ends with the last event it
    // took whole (a cut last line, which readers drop), and the game plays on.
    using WriteFailed = std::function<void(std::size_t output)>;

    // Writes to every stream in `outs` (the last session's record, and a file the player named).
    SessionRecorder(DrawLog& draws, std::vector<std::ostream*> outs, WriteFailed failed = {})
        : draws_(draws), outs_(std::move(outs)), failed_(std::move(failed)) {}

    // The first line of a new record.
    void begin();
    // An event that reached the game, `seconds` after the session began.
    void clicked(W w, double seconds) { event("click", def(w).designed, seconds); }
    void ticked(Timer t, double seconds) { event("tick", def(t).designed, seconds); }

private:
    void event(std::string_view command, std::string_view name, double seconds);
    void write(const std::string& lines);

    DrawLog& draws_;
    std::vector<std::ostream*> outs_;  // a failed one is set to null
    WriteFailed failed_;
};

inline constexpr std::string_view kRecordHeader = "# verminadia session record";
// The time marker's prefix: "# @" then the seconds since the session began, in digits with a
// point whatever the locale, at most kMaxRecordSeconds (about 31 years of play).
inline constexpr std::string_view kRecordTime = "# @";
inline constexpr std::int64_t kMaxRecordSeconds = 1'000'000'000;

// What a record or script may hold, so that a device or an endless file is refused rather than
// read: the whole, and each line (an event's draws are a few dozen bytes).
inline constexpr std::uintmax_t kMaxRecordBytes = std::uintmax_t{64} << 20;
inline constexpr std::size_t kMaxRecordLineBytes = 4096;

// The seconds of a time marker line; false for any other line, and for a marker whose time is
// not such a number (`timeMarkerError` says so).
bool recordTime(std::string_view line, double& seconds);
// Why a time marker line is bad, e.g. "bad time 'inf': seconds from 0 to 1000000000"; empty for a
// good one and for any other line.
std::string timeMarkerError(std::string_view line);

// Why a line cannot be in a session record, which holds only what the recorder writes: comments
// (time markers among them, which must be good), draws, clicks and ticks. Empty for such a line.
// The driver's other commands (set, seed, print, dump) are for scripts, not for records the
// window reads: `set` can put any value in the rules.
std::string recordLineError(std::string_view line);

}  // namespace verminadia
