#include "desktop/session.h"

#include "desktop/window/game_window.h"

namespace verminadia::desktop {

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
    window_.shell().sync();
    if (!error.empty() || record_->finished()) {
        emit finished(QString::fromStdString(error));
        return;
    }
    timer_.start(record_->waitMs(now, speed_));
}

}  // namespace verminadia::desktop
