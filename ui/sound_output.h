#pragma once
// The players' commands as the desktop hears them.

#include "core/sound.h"

namespace verminadia::ui {

// Plays nothing yet but the desktop's alert sound for the beep.
class SystemSound final : public SoundOutput {
public:
    void play(Player) override {}
    void stop(Player) override {}
    void seekToStart(Player) override {}
    void beep() override;
};

}  // namespace verminadia::ui
