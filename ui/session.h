#pragma once
// The session record on disk, and the two ways a record comes back: continuing the last session
// where it stood, and watching a record played in the window.

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include "game/record.h"
#include "script/script.h"

namespace verminadia::ui {

class GameWindow;

// The context menu's entry on the title that continues the last session.
// TRANSLATORS: the context menu's entry on the title: continue the last session.
inline constexpr std::string_view kContinueItem = N_("つづきから");

// $XDG_STATE_HOME/verminadia/last-session.script (~/.local/state/verminadia/ by default).
QString lastSessionPath();

// Plays a record into the script's game at once, without sound. False with "line N: reason",
// or why the file cannot be read. `lastTime` gets the record's last time marker.
bool replayQuietly(Script& script, const QString& path, QString& error, double* lastTime = nullptr);

// The game a continued session starts from: the last session's record replayed into a fresh
// game. A record that is missing, bad (said in one line on standard error) or that reached the end
// of the credits gives a fresh game instead, with `previous` left empty; otherwise `previous` is
// the record's path and `lastTime` its last time marker.
std::unique_ptr<Script> continueLastSession(QString& previous, double& lastTime,
                                            const Catalogue& catalogue = untranslated());

// Writes the session's record as it is played: to the last session's record and, when the player
// named one, to a file of their own.
class SessionLog {
public:
    explicit SessionLog(Random& source) : draws_(source) {}

    // A continued session's events so far are in the record `previous` and ended at
    // `startSeconds`: the new events follow them. Otherwise a new record begins. False with the
    // reason when the player's own file cannot be written; the last session's record failing is
    // only said on standard error.
    bool open(const QString& extraPath, const QString& previous, double startSeconds, QString& error);
    // The draws of the game go through here, so that each event's are written with it.
    Random& random() { return draws_; }
    // Records what reaches the window's game from now on; when the game closes the window at
    // the end of the credits, there is nothing left to continue and the last record goes.
    void attach(GameWindow& window);

    // Until the player's first click the last session can still be continued ("つづきから").
    bool canContinue() const;
    // Continues the last session in the running game: `script` starts afresh, the last record
    // is replayed into it without sound, and the window shows where that session stood, with
    // `sound` playing what it was playing; this session's record becomes that one's. A bad or
    // finished record is said in one line and leaves a fresh game on the title.
    void continueLast(Script& script, GameWindow& window, SoundOutput& sound);

private:
    double seconds() const { return start_ + static_cast<double>(clock_.elapsed()) / 1000.0; }
    void record(std::vector<std::ostream*> outs);  // to these and the player's own file
    // Starts writing the last session's record: going on from where it stands, or anew.
    void openLastRecord(bool continued);

    DrawLog draws_;
    std::unique_ptr<std::ofstream> last_, extra_;
    std::unique_ptr<SessionRecorder> recorder_;
    std::ostringstream title_;  // a new session's events before the player's first click
    QElapsedTimer clock_;
    double start_ = 0;
};

// Plays a record in the window at real speed, or `speed` times faster, one event at its time.
class Replayer : public QObject {
    Q_OBJECT
public:
    Replayer(Script& script, GameWindow& window, double speed);
    // Reads the record; false with the reason.
    bool load(const QString& path, QString& error);
    void start();

signals:
    // The record has been played to its end, or stopped at a bad line (`error` says which).
    void finished(const QString& error);

private:
    struct Line {
        double at;
        int number;
        std::string text;
    };
    void next();

    Script& script_;
    GameWindow& window_;
    double speed_;
    std::vector<Line> lines_;
    std::size_t at_ = 0;
    QElapsedTimer clock_;
    QTimer timer_;
};

}  // namespace verminadia::ui
