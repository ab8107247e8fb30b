#include "frontend/sound/player_clocks.h"

#include <algorithm>

namespace verminadia::frontend {

namespace {

// As rendered, the title's shots are 4 s (1.5 MB decoded).
constexpr double kShortSeconds = 5;

}  // namespace

bool isEffect(Player p) { return kPlayers[static_cast<std::size_t>(p)].played.ends_with(".wav"); }

bool staysDecoded(Player p, double duration) { return isEffect(p) || duration < kShortSeconds; }

double PlayerClocks::clock(Player p, double now) const {
    if (isEffect(p)) return now;
    return (muted_ ? mutedAt_ : now) - mutedTotal_;
}

double PlayerClocks::position(Player p, double now) const {
    const Clock& c = at(p);
    return c.offset + (c.playing ? clock(p, now) - c.since : 0.0);
}

bool PlayerClocks::ended(Player p, double now) const {
    return at(p).duration > 0 && position(p, now) >= at(p).duration;
}

bool PlayerClocks::play(Player p, double now) {
    Clock& c = at(p);
    if (c.playing && !ended(p, now)) return false;
    if (ended(p, now)) c.offset = 0;  // at the end: from the start
    c.playing = true;
    c.since = clock(p, now);
    return true;
}

void PlayerClocks::stop(Player p, double now) {
    Clock& c = at(p);
    if (!c.playing) return;
    const double stood = position(p, now);
    c.offset = c.duration > 0 ? std::min(stood, c.duration) : stood;
    c.playing = false;
}

void PlayerClocks::seekToStart(Player p) {
    at(p).playing = false;
    at(p).offset = 0;
}

void PlayerClocks::setMuted(bool muted, double now) {
    if (muted == muted_) return;
    if (muted)
        mutedAt_ = now;
    else
        mutedTotal_ += now - mutedAt_;
    muted_ = muted;
}

}  // namespace verminadia::frontend
