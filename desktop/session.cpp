#include "desktop/session.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <system_error>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "desktop/window/game_window.h"
#include "files/regular_file.h"

namespace verminadia::desktop {

namespace {

namespace fs = std::filesystem;

fs::path localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// A record to read: a regular file within the size a record may have; nullptr, with the reason
// to follow "cannot read PATH: ", otherwise.
std::unique_ptr<std::ifstream> readRecord(const QString& path, std::string& why) {
    auto in = std::make_unique<std::ifstream>();
    if (!openRegularFile(localPath(path), kMaxRecordBytes, *in, why)) return nullptr;
    return in;
}

std::string systemReason() { return errno != 0 ? std::generic_category().message(errno) : "it cannot be written"; }

// `out` opened on `file`, holding `start`; nullptr, with the reason, when it took it not whole.
std::unique_ptr<std::ofstream> written(const fs::path& file, const std::string& start, std::string& why) {
    errno = 0;
    auto out = std::make_unique<std::ofstream>(file, std::ios::binary | std::ios::trunc);
    if (*out && *out << start << std::flush) return out;
    why = systemReason();
    return nullptr;
}

}  // namespace

QString lastSessionPath() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // As the XDG base directories have it: a relative path is invalid and is ignored.
    if (state.isEmpty() || QDir::isRelativePath(state)) state = QDir::homePath() + "/.local/state";
    return state + "/verminadia/last-session.script";
}

bool RecordFile::exists() const { return QFile::exists(path_); }

std::unique_ptr<std::istream> RecordFile::read(std::string& why) const { return readRecord(path_, why); }

std::unique_ptr<std::ostream> RecordFile::replace(const std::string& start, std::string& why) {
    fs::path target = localPath(path_);
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        const fs::path linked = fs::canonical(target, ec);
        if (!ec && fs::is_regular_file(fs::status(linked, ec))) target = linked;
    }
    const fs::file_status status = fs::status(target, ec);
    if (fs::is_directory(status)) {
        why = "it is a directory";
        return nullptr;
    }
    if (whose_ == Whose::Player && fs::exists(status) && !fs::is_regular_file(status))
        return written(target, start, why);
    // The game's own folder is made when it is missing; a file the player named goes where it is.
    if (whose_ == Whose::Game) fs::create_directories(target.parent_path(), ec);
    fs::path beside = target;
    beside += '.' + std::to_string(QCoreApplication::applicationPid()) + ".new";
    std::unique_ptr<std::ofstream> out = written(beside, start, why);
    if (!out) {
        fs::remove(beside, ec);
        return nullptr;
    }
    std::error_code renamed;
    fs::rename(beside, target, renamed);
    if (!renamed) return out;
    why = renamed.message();
    out.reset();
    fs::remove(beside, ec);
    return nullptr;
}

void RecordFile::remove() { QFile::remove(path_); }

bool isLastSessionRecord(const QString& path) {
    const fs::path mine = localPath(path), last = localPath(lastSessionPath());
    std::error_code ec, lastEc;
    if (fs::equivalent(mine, last, ec)) return true;
    const fs::path a = fs::weakly_canonical(mine, ec), b = fs::weakly_canonical(last, lastEc);
    return !ec && !lastEc && a == b;
}

bool replayFile(Script& script, const QString& path, QString& error) {
    std::string why;
    const std::unique_ptr<std::ifstream> in = readRecord(path, why);
    std::string reason = "cannot read " + path.toStdString() + ": " + why;
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
    std::string why;
    const std::unique_ptr<std::ifstream> in = readRecord(path, why);
    if (!in) {
        error = QStringLiteral("cannot read %1: %2").arg(path, QString::fromStdString(why));
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
    // A gap longer than a timer can wait (about 24.8 days) is waited in parts.
    const double wait = (record_->nextAt() - now) / speed_ * 1000.0;
    timer_.start(static_cast<int>(std::ceil(std::clamp(wait, 0.0, double{std::numeric_limits<int>::max()}))));
}

}  // namespace verminadia::desktop
