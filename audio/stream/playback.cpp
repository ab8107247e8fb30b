#include "audio/stream/playback.h"

#include <cmath>
#include <cstdio>

#include "audio/clip.h"

namespace verminadia::audio {

using Clock = std::chrono::steady_clock;

namespace {
constexpr const char* kLost = "verminadia: the sound server went away; the game plays on silently until it is back\n";
}  // namespace

Playback::Playback(Mixer& mixer, std::unique_ptr<Output> output, Timing timing)
    : mixer_(mixer), output_(std::move(output)), timing_(timing) {}

Playback::~Playback() { stop(); }

void Playback::start() {
    std::lock_guard guard(lock_);
    if (keeper_.joinable() || closing_) return;
    keeper_ = std::thread([this] { keep(); });
}

void Playback::stop() {
    {
        std::lock_guard guard(lock_);
        closing_ = true;
    }
    signal_.notify_all();
    if (keeper_.joinable()) keeper_.join();
}

void Playback::wake() {
    if (running()) return;
    {
        std::lock_guard guard(lock_);
        woken_ = true;
    }
    signal_.notify_all();
}

bool Playback::waitForFirstAttempt(std::chrono::milliseconds timeout) {
    std::unique_lock guard(lock_);
    return signal_.wait_for(guard, timeout, [this] { return attempted_; }) && opened_;
}

// The audio thread: nothing here waits for long, and nothing asks the heap or the disk.
void Playback::period(float* left, float* right, int frames) {
    lastPeriod_.store(Clock::now().time_since_epoch().count(), std::memory_order_relaxed);
    const bool sounding = mixer_.render(left, right, frames);
    if (tap_) tap_(left, right, frames);
    if (sounding) {
        silentFrames_ = 0;
        restAsked_ = false;
        return;
    }
    silentFrames_ += frames;
    if (restAsked_ || static_cast<double>(silentFrames_) < timing_.restSeconds * kRate) return;
    restAsked_ = true;  // once for each stretch of silence
    {
        std::lock_guard guard(lock_);
        restWanted_ = true;
    }
    signal_.notify_all();
}

// The driver's thread, as it ends.
void Playback::failed() {
    {
        std::lock_guard guard(lock_);
        lost_ = true;
    }
    signal_.notify_all();
}

// Opening and closing wait for the server and for the audio thread, so the lock is let go meanwhile.
bool Playback::tryOpen(std::unique_lock<std::mutex>& guard) {
    lastPeriod_.store(Clock::now().time_since_epoch().count(), std::memory_order_relaxed);
    std::string error;
    guard.unlock();
    const bool open = output_->open(*this, error);
    guard.lock();
    if (open) {
        running_.store(true, std::memory_order_release);
    } else if (!attempted_) {
        std::fprintf(stderr, "verminadia: %s; the game runs silently until one answers\n", error.c_str());
    }
    return open;
}

void Playback::close(std::unique_lock<std::mutex>& guard) {
    running_.store(false, std::memory_order_release);
    guard.unlock();
    output_->close();
    guard.lock();
    // The audio thread is over: its own counts start afresh with the next stream.
    silentFrames_ = 0;
    restAsked_ = false;
    lost_ = false;
    restWanted_ = false;
}

void Playback::keep() {
    std::unique_lock guard(lock_);
    bool open = false;
    bool failing = false;   // the last attempt failed, or the stream broke: the next one waits
    bool reported = false;  // the loss has been said, until a stream opens again
    Clock::time_point lastAttempt;
    while (!closing_) {
        if (open) {
            const auto last = Clock::time_point(Clock::duration(lastPeriod_.load(std::memory_order_relaxed)));
            if (lost_ || Clock::now() - last >= timing_.stall) {
                close(guard);
                open = false;
                failing = true;
                if (!reported) std::fputs(kLost, stderr);
                reported = true;
                continue;
            }
            if (restWanted_) {
                restWanted_ = false;
                if (!mixer_.wantsOutput()) {  // a play may have come since the audio thread asked
                    close(guard);
                    open = false;
                    continue;
                }
            }
            signal_.wait_until(guard, last + timing_.stall);
            continue;
        }
        // Resting, lost, or not yet opened. A play after this look sets woken_ under the lock.
        woken_ = false;
        if (attempted_ && !mixer_.wantsOutput()) {
            signal_.wait(guard, [this] { return closing_ || woken_; });
            continue;
        }
        if (failing && Clock::now() < lastAttempt + timing_.retry) {
            signal_.wait_until(guard, lastAttempt + timing_.retry, [this] { return closing_; });
            continue;
        }
        lastAttempt = Clock::now();
        open = tryOpen(guard);
        if (!attempted_) {
            attempted_ = true;
            opened_ = open;
            reported = !open;  // the line tryOpen said
            signal_.notify_all();
        }
        if (open) {
            failing = false;
            reported = false;
        } else {
            failing = true;
        }
        if (!open && !reported) {
            std::fputs(kLost, stderr);
            reported = true;
        }
    }
    if (open) close(guard);
}

}  // namespace verminadia::audio
