#pragma once
// The session record's rules: a new session replaces the last one's record at the player's first
// click, so that until then the last session can still be continued; a continued session goes on
// in the same record; the end of the credits clears it. Reading a record back plays it into a
// game at once, without sound.

#include <chrono>
#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "frontend/session/record_store.h"
#include "game/record.h"
#include "script/script.h"

namespace verminadia::frontend {

// Plays a record into the script's game at once, without sound. False with the reason, "NAME:
// line N: reason" for a bad line of the record NAME. `lastTime` gets the record's last time marker.
bool replayQuietly(Script& script, std::istream& record, const std::string& name, std::string& error,
                   double* lastTime = nullptr);

// The game a continued session starts from.
struct Resumed {
    std::unique_ptr<Script> script;
    bool fromRecord = false;  // the last session's record was played into it
    double lastTime = 0;      // that record's last time marker
};

// The last session's record replayed into a fresh game. A record that is missing, bad (said in
// one line on `complaints`) or that reached the end of the credits gives a fresh game instead.
Resumed continueLastSession(const RecordStore& last, std::ostream& complaints,
                            const Catalogue& catalogue = untranslated());

// Writes the session's record as it is played: to the last session's record and, when the player
// named one, to a file of their own.
class SessionLog {
public:
    // A steady clock, read in milliseconds.
    using Clock = std::function<std::chrono::milliseconds()>;
    static std::chrono::milliseconds steadyClock();

    // Trouble with the last session's record is said on `complaints`.
    SessionLog(Random& source, RecordStore& last, std::ostream& complaints, Clock clock = steadyClock)
        : draws_(source), store_(last), complaints_(complaints), clock_(std::move(clock)) {}

    // Starts recording. `extra` is the player's own file, if any. A continued session's events
    // so far are in the last session's record (`continued`) and ended at `startSeconds`: the new
    // events follow them, in both. Otherwise a new record begins.
    void open(std::unique_ptr<std::ostream> extra, bool continued, double startSeconds);
    // The draws of the game go through here, so that each event's are written with it.
    Random& random() { return draws_; }

    // An event that reached the game.
    void clicked(W w);
    void ticked(Timer t);
    // The game closed itself at the end of the credits: there is nothing left to continue.
    void gameEnded();

    // Until the player's first click the last session can still be continued ("つづきから").
    bool canContinue() const;
    // Continues the last session in the running game: `script` starts afresh, the last record is
    // replayed into it without sound, and `sound` plays what that session was playing; this
    // session's record becomes that one's. A bad or finished record is said in one line and
    // leaves a fresh game on the title.
    void continueLast(Script& script, SoundOutput& sound);

private:
    double seconds() const;
    void record(std::vector<std::ostream*> outs);  // to these and the player's own file
    // Starts writing the last session's record: going on from where it stands, or anew.
    void openLastRecord(bool continued);

    DrawLog draws_;
    RecordStore& store_;
    std::ostream& complaints_;
    Clock clock_;
    std::unique_ptr<std::ostream> last_, extra_;
    std::unique_ptr<SessionRecorder> recorder_;
    std::ostringstream title_;  // a new session's events before the player's first click
    std::chrono::milliseconds started_{};
    double start_ = 0;
};

}  // namespace verminadia::frontend
