#pragma once
// A watched record played in the window at the pace it was played, on the window's timer. The
// files and the pacing are the shared layer's (frontend/native/record_file.h,
// frontend/session/paced_replay.h).

#include <memory>
#include <string>

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include "frontend/native/record_file.h"
#include "frontend/session/paced_replay.h"
#include "frontend/session/session.h"

namespace verminadia::desktop {

class GameWindow;

// Plays a record in the window at real speed, or `speed` times faster, one event at its time.
class Replayer : public QObject {
    Q_OBJECT
public:
    Replayer(Script& script, GameWindow& window, double speed);
    // Reads the record; false with the reason.
    bool load(const std::string& path, std::string& error);
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
