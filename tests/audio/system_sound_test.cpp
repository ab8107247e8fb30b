// The sound output the window uses, started and torn down as the game does, with commands
// arriving while its loader thread is still at work. It runs against a sound server of its own
// (with_sound_server.sh), so that the audio thread really runs: under the sanitizer builds this
// is where a race or a leak between the UI thread, the loader and the audio thread shows, and in
// any build a close that waits, a command that goes missing or a sound that never stops.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "ui/sound_output.h"

namespace verminadia::ui {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// What the stream sends, as its tap sees it on the audio thread.
class Heard {
public:
    void period(const float* left, const float* right, int frames) {
        float peak = 0;
        for (int i = 0; i < frames; ++i) peak = std::max({peak, std::abs(left[i]), std::abs(right[i])});
        {
            std::lock_guard guard(lock_);
            ++periods_;
            if (peak > 0.01f) ++loud_;
            quietFrames_ = peak < 1e-4f ? quietFrames_ + frames : 0;
        }
        changed_.notify_all();
    }
    audio::OutputStream::Tap tap() {
        return [this](const float* l, const float* r, int n) { period(l, r, n); };
    }
    // True once the stream has sent a loud period after `since` loud ones.
    bool waitForSound(long since, std::chrono::seconds timeout) {
        std::unique_lock guard(lock_);
        return changed_.wait_for(guard, timeout, [&] { return loud_ > since; });
    }
    // True once the stream has been silent for `seconds` in a row.
    bool waitForSilence(double seconds, std::chrono::seconds timeout) {
        const long frames = std::lround(seconds * audio::kRate);
        std::unique_lock guard(lock_);
        return changed_.wait_for(guard, timeout, [&] { return quietFrames_ >= frames; });
    }
    long loud() {
        std::lock_guard guard(lock_);
        return loud_;
    }
    long periods() {
        std::lock_guard guard(lock_);
        return periods_;
    }

private:
    std::mutex lock_;
    std::condition_variable changed_;
    long periods_ = 0;
    long loud_ = 0;
    long quietFrames_ = 0;
};

constexpr const char* kNoServer =
    "no audio thread: the stream did not open. This test needs a sound server; ctest runs it "
    "through tests/audio/with_sound_server.sh";

TEST(SystemSound, ClosingWhileTheSoundStillLoadsIsClean) {
    const auto start = Clock::now();
    {
        SystemSound sound;
        sound.start();
        sound.seekToStart(Player::MediaPlayer1);
        sound.play(Player::MediaPlayer1);
        sound.beep();
    }
    // The loader still waits for the window's first frame: closing must not wait with it.
    EXPECT_LT(Clock::now() - start, 200ms) << "closing waited for the sound to load";
}

TEST(SystemSound, CommandsDuringAndAfterLoadingAreClean) {
    Heard heard;
    SystemSound sound;
    sound.setTap(heard.tap());
    sound.start();
    for (int tick = 0; tick < 30; ++tick) {
        sound.seekToStart(Player::MediaPlayer1);
        sound.play(Player::MediaPlayer1);
        sound.play(Player::MediaPlayer15);
        if (tick % 7 == 0) sound.stop(Player::MediaPlayer2);
        if (tick % 5 == 0) sound.play(Player::MediaPlayer2);
        std::this_thread::sleep_for(50ms);
    }
    ASSERT_TRUE(sound.waitUntilLoaded(30s)) << kNoServer;

    // Loaded: the town theme and an effect are heard, and fall silent once stopped.
    const long before = heard.loud();
    sound.play(Player::MediaPlayer3);
    sound.play(Player::MediaPlayer15);
    EXPECT_TRUE(heard.waitForSound(before, 10s)) << "a tune and an effect told to play were not heard";
    for (Player p : {Player::MediaPlayer1, Player::MediaPlayer2, Player::MediaPlayer3, Player::MediaPlayer15})
        sound.stop(p);
    EXPECT_TRUE(heard.waitForSilence(0.5, 10s)) << "the sound went on after every player was stopped";
}

TEST(SystemSound, NeverStartedIsSilentAndClean) {
    Heard heard;
    SystemSound sound;
    sound.setTap(heard.tap());
    sound.play(Player::MediaPlayer3);
    sound.stop(Player::MediaPlayer3);
    sound.beep();
    // Nothing is opened or read before start(): the window's first frame has the machine to itself.
    EXPECT_FALSE(sound.waitUntilLoaded(10s)) << "the sound loaded without being started";
    EXPECT_EQ(heard.periods(), 0);
}

}  // namespace
}  // namespace verminadia::ui
