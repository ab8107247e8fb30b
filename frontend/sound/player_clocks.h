#pragma once
// Where each of the game's players stands in its sound, for an output that starts and stops the
// sounds itself on a clock of its own (a browser's Web Audio) rather than mixing them: the game's
// play, stop and seek semantics as the desktop's mixer keeps them. The clock is the caller's, in
// seconds. Muted, a tune's time stands still, so that it goes on from where it stood; an
// effect's runs on, so that one played meanwhile is not saved for later.

#include <array>

#include "core/sound.h"

namespace verminadia::frontend {

// An effect (a WAV file) rather than a tune.
bool isEffect(Player p);
// A sound this short stays decoded once heard: the effects, and the title's shots, started again
// on every tick.
bool staysDecoded(Player p, double duration);

class PlayerClocks {
public:
    // True when the player must start sounding now: it was not playing, or has played out (then
    // it starts from the beginning).
    bool play(Player p, double now);
    // Stopped where it stands (within its sound, once its length is known).
    void stop(Player p, double now);
    void seekToStart(Player p);
    void setMuted(bool muted, double now);
    bool muted() const { return muted_; }

    // The sound's length once known; 0 until then.
    void setDuration(Player p, double seconds) { at(p).duration = seconds; }
    double duration(Player p) const { return at(p).duration; }
    bool playing(Player p) const { return at(p).playing; }
    // Seconds into its sound now.
    double position(Player p, double now) const;
    // Played out to its end.
    bool ended(Player p, double now) const;

private:
    struct Clock {
        bool playing = false;
        double duration = 0;
        double offset = 0;  // seconds into the sound when it last started or stopped
        double since = 0;   // the clock when it last started
    };
    double clock(Player p, double now) const;
    Clock& at(Player p) { return clocks_[static_cast<std::size_t>(p)]; }
    const Clock& at(Player p) const { return clocks_[static_cast<std::size_t>(p)]; }

    std::array<Clock, kPlayerCount> clocks_{};
    bool muted_ = false;
    double mutedAt_ = 0;     // the clock when muted
    double mutedTotal_ = 0;  // seconds spent muted, which the tunes' clock leaves out
};

}  // namespace verminadia::frontend
