#pragma once
// Keeps the mixer's stream to the sound server: opens it, lets it rest after a few seconds of
// silence and wakes it for the next sound, and when the server goes away says so in one line and
// opens it again, at most once a second, until a server answers; then every player that is
// playing is heard again, a tune from where it stood.
//
// Threads: wake() comes from the UI thread and costs a load of an atomic while the stream runs.
// The audio thread renders each period and, after a stretch of silence, asks for a rest. One
// keeper thread of its own opens and closes the stream; it sleeps on a condition variable, with a
// deadline only while the stream runs (the stall watch) or while a lost server is waited for.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "audio/mixer.h"
#include "audio/stream/output.h"

namespace verminadia::audio {

class Playback final : private Output::Client {
public:
    struct Timing {
        std::chrono::milliseconds retry{1000};  // between two attempts to open, once it failed
        // No period for this long while the stream runs: the stream is lost, though nobody said
        // so. Above the 2 s a PulseAudio null sink can take to start a new stream.
        std::chrono::milliseconds stall{5000};
        double restSeconds = 3.0;  // of silence from the mixer before the stream rests
    };

    Playback(Mixer& mixer, std::unique_ptr<Output> output, Timing timing);
    Playback(Mixer& mixer, std::unique_ptr<Output> output) : Playback(mixer, std::move(output), Timing{}) {}
    ~Playback();
    Playback(const Playback&) = delete;
    Playback& operator=(const Playback&) = delete;

    // Sees every period after the mixer wrote it, on the audio thread; for tests and
    // measurements. Set before start().
    using Tap = std::function<void(const float* left, const float* right, int frames)>;
    void setTap(Tap tap) { tap_ = std::move(tap); }

    // Starts the keeper, which opens the stream at once.
    void start();
    // Stops the keeper and closes the stream; the destructor does it too.
    void stop();
    // A player was told to play, or the mix was unmuted: a resting or lost stream opens again.
    void wake();

    // Waits for the first attempt to open the stream; true when it opened.
    bool waitForFirstAttempt(std::chrono::milliseconds timeout);
    // The stream is open (not resting, not lost).
    bool running() const { return running_.load(std::memory_order_acquire); }
    double bufferSeconds() const { return output_->bufferSeconds(); }

private:
    void period(float* left, float* right, int frames) override;
    void failed() override;
    void keep();
    bool tryOpen(std::unique_lock<std::mutex>& guard);
    void close(std::unique_lock<std::mutex>& guard);

    Mixer& mixer_;
    std::unique_ptr<Output> output_;  // only the keeper thread opens and closes it
    const Timing timing_;
    Tap tap_;

    std::mutex lock_;
    std::condition_variable signal_;  // any of the flags below changed
    bool closing_ = false;
    bool woken_ = false;       // a play since the keeper last looked
    bool restWanted_ = false;  // the audio thread heard enough silence
    bool lost_ = false;        // the stream broke
    bool attempted_ = false;   // the first attempt is over
    bool opened_ = false;      // and it opened
    std::thread keeper_;

    std::atomic<bool> running_{false};
    std::atomic<std::chrono::steady_clock::rep> lastPeriod_{0};
    // The audio thread's own; a new stream's thread starts after the keeper reset them.
    long silentFrames_ = 0;
    bool restAsked_ = false;
};

}  // namespace verminadia::audio
