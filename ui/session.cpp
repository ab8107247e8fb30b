#include "ui/session.h"

#include <cmath>
#include <cstdio>
#include <sstream>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "ui/game_window.h"

namespace verminadia::ui {

namespace {

std::string localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

QString lastSessionPath() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // As the XDG base directories have it: a relative path is invalid and is ignored.
    if (state.isEmpty() || QDir::isRelativePath(state)) state = QDir::homePath() + "/.local/state";
    return state + "/verminadia/last-session.script";
}

bool replayQuietly(Script& script, const QString& path, QString& error, double* lastTime) {
    std::ifstream in(localPath(path));
    if (!in) {
        error = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    std::ostringstream ignored;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        double seconds;
        if (lastTime != nullptr && recordTime(line, seconds)) *lastTime = seconds;
        const std::string reason = script.step(line, ignored);
        if (!reason.empty()) {
            error = QStringLiteral("%1: line %2: %3").arg(path).arg(number).arg(QString::fromStdString(reason));
            return false;
        }
    }
    return true;
}

std::unique_ptr<Script> continueLastSession(QString& previous, double& lastTime, const Catalogue& catalogue) {
    previous.clear();
    lastTime = 0;
    const QString path = lastSessionPath();
    auto script = std::make_unique<Script>(catalogue);
    if (!QFile::exists(path)) return script;
    QString error;
    if (!replayQuietly(*script, path, error, &lastTime)) {
        std::fprintf(stderr, "verminadia: cannot continue, starting afresh: %s\n", qPrintable(error));
        lastTime = 0;
        return std::make_unique<Script>(catalogue);
    }
    if (!script->game().form.open()) {  // that session saw the credits to their end
        lastTime = 0;
        return std::make_unique<Script>(catalogue);
    }
    previous = path;
    return script;
}

bool SessionLog::open(const QString& extraPath, const QString& previous, double startSeconds, QString& error) {
    start_ = startSeconds;
    clock_.start();
    if (!extraPath.isEmpty()) {
        // The file the player named is a promise: it must be writable before the game starts.
        extra_ = std::make_unique<std::ofstream>(localPath(extraPath), std::ios::trunc);
        if (!*extra_) {
            error = QStringLiteral("cannot write the session record %1").arg(extraPath);
            return false;
        }
        std::ifstream in(localPath(previous), std::ios::binary);
        if (!previous.isEmpty()) *extra_ << in.rdbuf() << std::flush;
    }
    if (previous.isEmpty()) {
        // A new session leaves the last one's record alone until the player's first click, so
        // that it can still be continued from the title.
        record({&title_});
        recorder_->begin();
    } else {
        openLastRecord(true);
    }
    return true;
}

void SessionLog::record(std::vector<std::ostream*> outs) {
    if (extra_) outs.push_back(extra_.get());
    recorder_ = std::make_unique<SessionRecorder>(draws_, std::move(outs));
}

void SessionLog::openLastRecord(bool continued) {
    const QString path = lastSessionPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    last_ = std::make_unique<std::ofstream>(localPath(path), continued ? std::ios::app : std::ios::trunc);
    if (!*last_) {
        std::fprintf(stderr, "verminadia: cannot write the session record %s; this session cannot be continued\n",
                     qPrintable(path));
        last_.reset();
        record({});
        return;
    }
    *last_ << title_.str() << std::flush;
    title_.str({});
    record({last_.get()});
}

bool SessionLog::canContinue() const { return !last_ && QFile::exists(lastSessionPath()); }

void SessionLog::continueLast(Script& script, GameWindow& window, SoundOutput& sound) {
    for (std::size_t p = 0; p < kPlayerCount; ++p) {  // the title's shots and applause stop
        sound.stop(static_cast<Player>(p));
        sound.seekToStart(static_cast<Player>(p));
    }
    Game& game = script.game();
    script.restart();
    QString error;
    double lastTime = 0;
    const bool replayed = replayQuietly(script, lastSessionPath(), error, &lastTime);
    if (!replayed) std::fprintf(stderr, "verminadia: cannot continue, starting afresh: %s\n", qPrintable(error));
    if (!replayed || !game.form.open()) {
        script.restart();
        start_ = 0;
        record({&title_});
        title_.str({});
        recorder_->begin();
    } else {
        start_ = lastTime;
        title_.str({});
        openLastRecord(true);
    }
    clock_.start();
    game.random = &draws_;
    game.sound.setOutput(sound);
    window.sync();
}

void SessionLog::attach(GameWindow& window) {
    window.setObserver(
        [this](W w) {
            if (!last_ && title_.tellp() > 0) openLastRecord(false);
            recorder_->clicked(w, seconds());
        },
        [this](Timer t) { recorder_->ticked(t, seconds()); });
    QObject::connect(&window, &GameWindow::gameClosed, &window, [&window] {
        if (window.endedByGame()) QFile::remove(lastSessionPath());
    });
}

Replayer::Replayer(Script& script, GameWindow& window, double speed) : script_(script), window_(window), speed_(speed) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &Replayer::next);
}

bool Replayer::load(const QString& path, QString& error) {
    std::ifstream in(localPath(path));
    if (!in) {
        error = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    double at = 0;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (recordTime(line, at)) continue;
        lines_.push_back(Line{at, number, line});
    }
    return true;
}

void Replayer::start() {
    clock_.start();
    next();
}

void Replayer::next() {
    const double now = static_cast<double>(clock_.elapsed()) / 1000.0 * speed_;
    std::ostringstream ignored;
    while (at_ < lines_.size() && lines_[at_].at <= now) {
        const Line& l = lines_[at_++];
        const std::string reason = script_.step(l.text, ignored);
        if (!reason.empty()) {
            window_.sync();
            emit finished(QStringLiteral("line %1: %2").arg(l.number).arg(QString::fromStdString(reason)));
            return;
        }
    }
    window_.sync();
    if (at_ == lines_.size()) {
        emit finished(QString());
        return;
    }
    const double wait = (lines_[at_].at - now) / speed_;
    timer_.start(static_cast<int>(std::lround(wait * 1000.0)));
}

}  // namespace verminadia::ui
