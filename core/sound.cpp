#include "core/sound.h"

namespace verminadia {

void Sound::play(Player p) {
    PlayerState& s = players_[static_cast<std::size_t>(p)];
    s.playing = true;
    s.atStart = false;
    out_->play(p);
}

void Sound::stop(Player p) {
    players_[static_cast<std::size_t>(p)].playing = false;
    out_->stop(p);
}

void Sound::seekToStart(Player p) {
    PlayerState& s = players_[static_cast<std::size_t>(p)];
    s.playing = false;
    s.atStart = true;
    out_->seekToStart(p);
}

void Sound::setOutput(SoundOutput& out) {
    out_ = &out;
    for (std::size_t i = 0; i < kPlayerCount; ++i) {
        if (players_[i].playing) out_->play(static_cast<Player>(i));
    }
}

void Sound::beep() {
    ++beeps_;
    out_->beep();
}

}  // namespace verminadia
