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

// What a record held, once played: its last time marker, and its whole lines, which a continued
// session's record starts with. A last line without its newline is not among them (`dropped`
// says so, "line N: ..."): a full disk or a kill may have cut it short.
struct RecordRead {
    double lastTime = 0;
    std::string lines;
    std::string dropped;
};

// Plays a record into the script's game at once, without sound: only what a record holds
// (comments, time markers, draws, clicks and ticks), within the size a record may have. False
// with the reason, "NAME: line N: reason" for a bad line of the record NAME.
bool replayQuietly(Script& script, std::istream& record, const std::string& name, std::string& error,
                   RecordRead* read = nullptr);

// The game a continued session starts from.
struct Resumed {
    std::unique_ptr<Session> session;
    bool fromRecord = false;  // the last session's record was played into it
    RecordRead record = {};   // what that record held
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

    // Records `session`, which outlives the log. Trouble with the last session's record is said on
    // `complaints`.
    SessionLog(Session& session, RecordStore& last, std::ostream& complaints, Clock clock = steadyClock)
        : session_(session), store_(last), complaints_(complaints), clock_(std::move(clock)) {}

    // Starts recording. `own` is the player's own record, if any: it holds the whole session, from
    // its first event. A continued session starts both records with what the last session's held
    // (`continued`), and its events follow them; otherwise a new record begins. False, said in one
    // line, when the player's own record cannot be written.
    bool open(RecordStore* own, const RecordRead* continued);

    // An event that reached the game.
    void clicked(W w);
    void ticked(Timer t);
    // The game closed itself at the end of the credits: there is nothing left to continue.
    void gameEnded();

    // Until the player's first click the last session can still be continued ("つづきから").
    bool canContinue() const;
    // Continues the last session in the running game: the session starts afresh, the last record
    // is replayed into it without sound, and `sound` plays what that session was playing; this
    // session's records go on from that one's. A bad or finished record is said in one line and
    // leaves a fresh game on the title.
    void continueLast(SoundOutput& sound);

private:
    double seconds() const;
    void say(const std::string& line);
    // Records to `out` (the last session's record, the title's events or nothing) and to the
    // player's own record.
    void record(std::ostream* out);
    // A new session: its events go to the player's own record, and to the last session's only from
    // the player's first click.
    bool startAfresh();
    // The player's own record and the last session's, each holding `start` and taking what follows.
    bool startOwnRecord(const std::string& start);
    void startLastRecord(const std::string& start);

    Session& session_;
    RecordStore& store_;
    std::ostream& complaints_;
    Clock clock_;
    RecordStore* own_ = nullptr;
    std::unique_ptr<std::ostream> last_, ownOut_;
    std::unique_ptr<SessionRecorder> recorder_;
    std::ostringstream title_;  // a new session's events before the player's first click
    bool tookOver_ = false;     // this session has taken the last session's record over
    std::chrono::milliseconds started_{};
    double start_ = 0;
};

}  // namespace verminadia::frontend
