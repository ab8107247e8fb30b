#pragma once
// The session record on the desktop: the last session's record is a file in the user's state
// folder, the player names files of their own to record to or watch, and a watched record is
// played in the window at the pace it was played.

#include <memory>
#include <ostream>
#include <string>

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include "frontend/session/paced_replay.h"
#include "frontend/session/session.h"

namespace verminadia::desktop {

class GameWindow;

// $XDG_STATE_HOME/verminadia/last-session.script (~/.local/state/verminadia/ by default).
QString lastSessionPath();

// A session's record as a file: the last session's, or one the player named. Only a regular
// file is read. A new record is written beside the old one and renamed into its place (a
// symbolic link's file is replaced, not the link). A file the player named that is a device or
// a pipe (/dev/stdout) is written straight; the last session's record never is.
class RecordFile final : public frontend::RecordStore {
public:
    enum class Whose { Game, Player };
    explicit RecordFile(QString path = lastSessionPath(), Whose whose = Whose::Game)
        : path_(std::move(path)), whose_(whose) {}

    bool exists() const override;
    std::unique_ptr<std::istream> read(std::string& why) const override;
    std::unique_ptr<std::ostream> replace(const std::string& start, std::string& why) override;
    void remove() override;
    std::string where() const override { return path_.toStdString(); }

private:
    QString path_;
    Whose whose_;
};

// Whether `path` names the last session's record, under its own name, a link or another name.
bool isLastSessionRecord(const QString& path);

// Plays the record in a file into the script's game at once, without sound. False with the
// reason: the file cannot be read, or "PATH: line N: reason".
bool replayFile(Script& script, const QString& path, QString& error);

// Records what reaches the window's game from now on in `log`; when the game closes the window
// at the end of the credits, there is nothing left to continue and the last record goes.
void recordWindow(frontend::SessionLog& log, GameWindow& window);

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
    void next();

    Script& script_;
    GameWindow& window_;
    double speed_;
    std::unique_ptr<frontend::PacedReplay> record_;
    QElapsedTimer clock_;
    QTimer timer_;
};

}  // namespace verminadia::desktop
