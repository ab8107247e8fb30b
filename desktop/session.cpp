#include "desktop/session.h"

#include <cmath>
#include <fstream>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "desktop/window/game_window.h"

namespace verminadia::desktop {

namespace {

std::string localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

std::unique_ptr<std::ifstream> readFile(const QString& path) {
    auto in = std::make_unique<std::ifstream>(localPath(path), std::ios::binary);
    if (!*in) return nullptr;
    return in;
}

}  // namespace

QString lastSessionPath() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // As the XDG base directories have it: a relative path is invalid and is ignored.
    if (state.isEmpty() || QDir::isRelativePath(state)) state = QDir::homePath() + "/.local/state";
    return state + "/verminadia/last-session.script";
}

bool RecordFile::exists() const { return QFile::exists(path_); }

std::unique_ptr<std::istream> RecordFile::read() const { return readFile(path_); }

std::unique_ptr<std::ostream> RecordFile::write(bool goOn) {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    return writeFile(path_, goOn);
}

void RecordFile::remove() { QFile::remove(path_); }

std::unique_ptr<std::ostream> writeFile(const QString& path, bool goOn) {
    auto out = std::make_unique<std::ofstream>(localPath(path), goOn ? std::ios::app : std::ios::trunc);
    if (!*out) return nullptr;
    return out;
}

bool replayFile(Script& script, const QString& path, QString& error) {
    const std::unique_ptr<std::ifstream> in = readFile(path);
    std::string reason = "cannot read " + path.toStdString();
    if (in && frontend::replayQuietly(script, *in, path.toStdString(), reason)) return true;
    error = QString::fromStdString(reason);
    return false;
}

void recordWindow(frontend::SessionLog& log, GameWindow& window) {
    window.setObserver([&log](W w) { log.clicked(w); }, [&log](Timer t) { log.ticked(t); });
    QObject::connect(&window, &GameWindow::gameClosed, &window, [&log, &window] {
        if (window.endedByGame()) log.gameEnded();
    });
}

Replayer::Replayer(Script& script, GameWindow& window, double speed) : script_(script), window_(window), speed_(speed) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &Replayer::next);
}

bool Replayer::load(const QString& path, QString& error) {
    const std::unique_ptr<std::ifstream> in = readFile(path);
    if (!in) {
        error = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    record_ = std::make_unique<frontend::PacedReplay>(*in);
    return true;
}

void Replayer::start() {
    clock_.start();
    next();
}

void Replayer::next() {
    const double now = static_cast<double>(clock_.elapsed()) / 1000.0 * speed_;
    const std::string error = record_->playUntil(script_, now);
    window_.sync();
    if (!error.empty() || record_->finished()) {
        emit finished(QString::fromStdString(error));
        return;
    }
    const double wait = (record_->nextAt() - now) / speed_;
    timer_.start(static_cast<int>(std::lround(wait * 1000.0)));
}

}  // namespace verminadia::desktop
