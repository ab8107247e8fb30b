#pragma once
// The players' commands as the desktop hears them: one software mixer behind the game's 22
// players and its beep, fed to the sound server by one stream.

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "core/sound.h"
#include "ui/audio/mixer.h"
#include "ui/audio/output_stream.h"

namespace verminadia::ui {

class SystemSound final : public SoundOutput {
public:
    SystemSound();
    ~SystemSound() override;
    SystemSound(const SystemSound&) = delete;
    SystemSound& operator=(const SystemSound&) = delete;

    // Opens the stream and reads the sound files and the SoundFont on a thread of its own, a
    // moment after the call so that the window's first frame has the machine to itself; players
    // told to play meanwhile sound once their file is in.
    void start();

    void play(Player p) override { mixer_.play(index(p)); }
    void stop(Player p) override { mixer_.stop(index(p)); }
    void seekToStart(Player p) override { mixer_.seekToStart(index(p)); }
    void beep() override { mixer_.beep(); }

private:
    static std::size_t index(Player p) { return static_cast<std::size_t>(p); }
    void load();

    audio::Mixer mixer_{kPlayerCount};
    std::unique_ptr<audio::OutputStream> stream_;  // stopped before the mixer goes
    std::thread loader_;
    std::mutex closingLock_;
    std::condition_variable closingSignal_;
    bool closing_ = false;
};

}  // namespace verminadia::ui
