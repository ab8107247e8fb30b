#pragma once
// The 22 sound players as the game sees them, asked for by meaning (Tune::Inn, Sfx::Sword; the
// table is music/sounds.tsv). The game only plays, stops and seeks back to the start; what comes
// out of the speakers is the business of a SoundOutput behind them.

#include <array>

#include "core/widgets/table.h"

namespace verminadia {

// Where the players' commands go: the real mixer in the window, or nothing in the driver.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual void play(Player p) = 0;         // from the current position; at the end, from the start
    virtual void stop(Player p) = 0;         // halts and keeps the position
    virtual void seekToStart(Player p) = 0;  // back to the start, stopped
    virtual void beep() = 0;                 // the desktop's alert sound
    virtual void setMuted(bool) {}           // all sound off, or back on
};

class SilentOutput final : public SoundOutput {
public:
    void play(Player) override {}
    void stop(Player) override {}
    void seekToStart(Player) override {}
    void beep() override {}
};

struct PlayerState {
    bool playing = false;
    bool atStart = true;
};

class Sound {
public:
    explicit Sound(SoundOutput& out) : out_(&out) {}

    void play(Player p);
    void stop(Player p);
    void seekToStart(Player p);
    // Silences a tune so that its next play starts from the beginning.
    void stopAndRewind(Player p) {
        stop(p);
        seekToStart(p);
    }
    // The shots and the applause restart from the beginning even while still sounding.
    void restart(Player p) {
        seekToStart(p);
        play(p);
    }
    void beep();

    const PlayerState& state(Player p) const { return players_[static_cast<std::size_t>(p)]; }
    int beeps() const { return beeps_; }
    // Hands the players to another output (a game replayed silently, now shown): those that are
    // playing start there.
    void setOutput(SoundOutput& out);
    // All sound off, or back on: the output's switch, which stays with it.
    void setMuted(bool muted) { out_->setMuted(muted); }

private:
    SoundOutput* out_;
    std::array<PlayerState, kPlayerCount> players_{};
    int beeps_ = 0;
};

}  // namespace verminadia
