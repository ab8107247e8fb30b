#include "desktop/session.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "desktop/window/game_window.h"

namespace verminadia::desktop {

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

bool Replayer::load(const std::string& path, std::string& error) {
    std::string why;
    const std::unique_ptr<std::istream> in = frontend::openRecord(path, why);
    if (!in) {
        error = "cannot read " + path + ": " + why;
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
