#pragma once
// The players' commands as the desktop hears them: one software mixer behind the game's 22
// players and its beep, fed to the sound server by one stream that rests while all is silent and
// comes back with the server when that goes away.

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "audio/mixer.h"
#include "audio/stream/playback.h"
#include "core/sound.h"

namespace verminadia::audio {

class SystemSound final : public SoundOutput {
public:
    SystemSound();
    // With another output than the sound server's stream, and its timing: for tests.
    SystemSound(std::unique_ptr<Output> output, Playback::Timing timing);
    ~SystemSound() override;
    SystemSound(const SystemSound&) = delete;
    SystemSound& operator=(const SystemSound&) = delete;

    // Opens the stream and reads the sound files and the SoundFont on threads of their own, a
    // moment after the call so that the window's first frame has the machine to itself. A MIDI
    // player told to play once its file is in but before the SoundFont starts from its beginning
    // when the SoundFont is in; a player told to play before its own file is in stays silent.
    void start();
    // Sees every period the stream sends, on the audio thread; for tests and measurements.
    // Set before start().
    void setTap(Playback::Tap tap) { playback_.setTap(std::move(tap)); }
    // Waits until the loading is over (not at all if start() was never called); true when a
    // device or sound server took the stream.
    bool waitUntilLoaded(std::chrono::milliseconds timeout);

    // All sound off, or back on. Muted, the audio thread only writes zeros and the stream soon
    // rests; unmuted, every player that is playing is heard again, a tune from where it stood.
    // Any thread; may come before start(), as the settings are read.
    void setMuted(bool muted) override;
    bool muted() const { return mixer_.muted(); }

    void play(Player p) override;
    void stop(Player p) override { mixer_.stop(index(p)); }
    void seekToStart(Player p) override { mixer_.seekToStart(index(p)); }
    void beep() override;

private:
    static std::size_t index(Player p) { return static_cast<std::size_t>(p); }
    void load();

    Mixer mixer_{kPlayerCount};
    Playback playback_;  // stops its stream before the mixer goes
    std::thread loader_;
    std::mutex stateLock_;
    std::condition_variable stateSignal_;  // closing_ or loaded_ has changed
    bool closing_ = false;
    bool loaded_ = false;
};

}  // namespace verminadia::audio
