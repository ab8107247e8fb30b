#pragma once
// The players' commands as the desktop hears them: one software mixer behind the game's 22
// players and its beep, fed to the sound server by one stream.

#include <chrono>
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
    // moment after the call so that the window's first frame has the machine to itself. A MIDI
    // player told to play once its file is in but before the SoundFont starts from its beginning
    // when the SoundFont is in; a player told to play before its own file is in stays silent.
    void start();
    // Sees every period the stream sends, on the audio thread; for tests and measurements.
    // Set before start().
    void setTap(audio::OutputStream::Tap tap) { tap_ = std::move(tap); }
    // Waits until the loading is over (not at all if start() was never called); true when the
    // stream is open, that is when an audio thread runs.
    bool waitUntilLoaded(std::chrono::milliseconds timeout);

    void play(Player p) override { mixer_.play(index(p)); }
    void stop(Player p) override { mixer_.stop(index(p)); }
    void seekToStart(Player p) override { mixer_.seekToStart(index(p)); }
    void beep() override { mixer_.beep(); }

private:
    static std::size_t index(Player p) { return static_cast<std::size_t>(p); }
    void load();

    audio::Mixer mixer_{kPlayerCount};
    std::unique_ptr<audio::OutputStream> stream_;  // stopped before the mixer goes
    audio::OutputStream::Tap tap_;
    std::thread loader_;
    std::mutex stateLock_;
    std::condition_variable stateSignal_;  // closing_ or loaded_ has changed
    bool closing_ = false;
    bool loaded_ = false;
    bool streamOpen_ = false;
};

}  // namespace verminadia::ui
