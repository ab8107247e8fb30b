// The stream's keeper against a fake sound server: the stream rests in silence and wakes for the
// next sound, and when the server goes away the game says so once, tries again at most once a
// second without spinning, and once a server answers every player that is playing is heard
// again, from where it stood.

#include "audio/stream/playback.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "audio/clip.h"
#include "audio/levels.h"
#include "audio/mixer.h"
#include "fake_server.h"

namespace verminadia::audio {
namespace {

using namespace std::chrono_literals;
using test::FakeServer;
using Clock = std::chrono::steady_clock;

// A long clip whose every frame says where it is: (i + 1) / 1e7 on the left, the negative on
// the right. Thirty seconds stay far under the limiter's ceiling.
constexpr float kStep = 1e-7f;
Clip rampClip(double seconds) {
    Clip c;
    const auto frames = static_cast<std::size_t>(seconds * kRate);
    for (std::size_t i = 0; i < frames; ++i) {
        c.samples.push_back(static_cast<float>(i + 1) * kStep);
        c.samples.push_back(-static_cast<float>(i + 1) * kStep);
    }
    return c;
}
// A clip of the same small value on both channels: heard beside the ramp, it breaks its symmetry.
Clip flatClip(double seconds) {
    Clip c;
    c.samples.assign(2 * static_cast<std::size_t>(seconds * kRate), 0.01f);
    return c;
}

// What the stream carried, frame by frame, as the keeper's tap sees it on the audio thread.
class Heard {
public:
    Playback::Tap tap() {
        return [this](const float* l, const float* r, int frames) {
            std::lock_guard guard(lock_);
            left_.insert(left_.end(), l, l + frames);
            right_.insert(right_.end(), r, r + frames);
            changed_.notify_all();
        };
    }
    std::size_t frames() {
        std::lock_guard guard(lock_);
        return left_.size();
    }
    // Waits until a frame after `from` is not silent; its index, or -1.
    long waitForSound(std::size_t from, std::chrono::milliseconds timeout) {
        std::unique_lock guard(lock_);
        long at = -1;
        changed_.wait_for(guard, timeout, [&] {
            for (std::size_t i = from; i < left_.size(); ++i)
                if (left_[i] != 0.0f || right_[i] != 0.0f) {
                    at = static_cast<long>(i);
                    return true;
                }
            return false;
        });
        return at;
    }
    // Which frame of rampClip() frame i carries, whatever the flat clip adds (-1 for silence).
    long rampFrame(std::size_t i) {
        std::lock_guard guard(lock_);
        return std::lround((left_[i] - right_[i]) / 2 / kClipGain / kStep) - 1;
    }
    // Frame i carries more than the ramp: the flat clip is heard.
    bool flatHeard(std::size_t i) {
        std::lock_guard guard(lock_);
        return std::abs(left_[i] + right_[i]) > 0.005f;
    }
    // The last frame that was not silent, or -1.
    long lastSound() {
        std::lock_guard guard(lock_);
        for (std::size_t i = left_.size(); i-- > 0;)
            if (left_[i] != 0.0f) return static_cast<long>(i);
        return -1;
    }

private:
    std::mutex lock_;
    std::condition_variable changed_;
    std::vector<float> left_, right_;
};

constexpr const char* kLost = "verminadia: the sound server went away; the game plays on silently until it is back\n";

class Keeper : public ::testing::Test {
protected:
    // The game's timing, or a shorter one.
    void start(Playback::Timing timing = {}) {
        auto server = std::make_unique<FakeServer>();
        server_ = server.get();
        if (awayFromStart_) server_->beAway();
        playback_ = std::make_unique<Playback>(mixer_, std::move(server), timing);
        playback_->setTap(heard_.tap());
        playback_->start();
    }
    void play(std::size_t player) {
        mixer_.play(player);
        playback_->wake();
    }
    bool waitUntilOpen(bool open, std::chrono::milliseconds timeout) {
        return server_->waitFor(timeout, [&](FakeServer& s) { return s.isOpen() == open; });
    }
    void TearDown() override { playback_.reset(); }

    Mixer mixer_{2};
    Heard heard_;
    FakeServer* server_ = nullptr;  // owned by the playback
    std::unique_ptr<Playback> playback_;
    bool awayFromStart_ = false;
};

TEST_F(Keeper, TheServerGoesAndComesBackAndThePlayersGoOnFromWhereTheyStood) {
    mixer_.setClip(0, rampClip(30));
    mixer_.setClip(1, flatClip(30));
    start();
    ASSERT_TRUE(playback_->waitForFirstAttempt(10s));
    play(0);
    ASSERT_GE(heard_.waitForSound(0, 10s), 0) << "the clip was not heard";
    ASSERT_TRUE(server_->waitFor(10s, [](FakeServer& s) { return s.periods() > 20; }));

    ::testing::internal::CaptureStderr();
    const auto away = Clock::now();
    server_->goAway();
    ASSERT_TRUE(waitUntilOpen(false, 10s)) << "the broken stream was not closed";
    const long last = heard_.lastSound();
    const std::size_t framesWhenLost = heard_.frames();
    const long lastFrame = heard_.rampFrame(static_cast<std::size_t>(last));
    play(1);  // the game plays on: a player started while the server is away is heard once it is back
    std::this_thread::sleep_for(2500ms);
    EXPECT_EQ(heard_.frames(), framesWhenLost) << "periods while the server was away";

    // At most one attempt a second, and not one at each wake-up of a spinning loop.
    const auto attempts = server_->attempts();
    int whileAway = 0;
    for (std::size_t i = 1; i < attempts.size(); ++i)
        if (attempts[i] > away) {
            ++whileAway;
            EXPECT_GE(attempts[i] - attempts[i - 1], 950ms) << "two attempts less than a second apart";
        }
    EXPECT_GE(whileAway, 2) << "it stopped trying";
    EXPECT_LE(whileAway, 4);

    const auto back = Clock::now();
    server_->comeBack();
    const long again = heard_.waitForSound(framesWhenLost, 5s);
    ASSERT_GE(again, 0) << "nothing was heard once the server was back";
    EXPECT_LT(Clock::now() - back, 2s) << "the sound took more than two seconds to come back";
    // The ramp goes on at the very next frame: nothing of it was lost or skipped meanwhile.
    EXPECT_EQ(heard_.rampFrame(static_cast<std::size_t>(again)), lastFrame + 1);
    EXPECT_TRUE(heard_.flatHeard(static_cast<std::size_t>(again))) << "the player started while away is not heard";
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), kLost) << "one line, once";
}

TEST_F(Keeper, AStreamThatStopsWithoutAWordIsLostToo) {
    mixer_.setClip(0, rampClip(30));
    Playback::Timing timing;
    timing.stall = 300ms;
    start(timing);
    ASSERT_TRUE(playback_->waitForFirstAttempt(10s));
    play(0);
    ASSERT_GE(heard_.waitForSound(0, 10s), 0);
    ::testing::internal::CaptureStderr();
    server_->stall();
    const std::size_t stalledAt = heard_.frames();
    ASSERT_TRUE(server_->waitFor(10s, [](FakeServer& s) { return s.opens() == 2 && s.isOpen(); }))
        << "the silent stream was neither closed nor opened again";
    EXPECT_GE(heard_.waitForSound(stalledAt, 10s), 0) << "the clip was not heard again";
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), kLost);
}

TEST_F(Keeper, NoServerAtTheStartIsSaidOnceAndTheSoundComesWhenOneAnswers) {
    mixer_.setClip(0, rampClip(30));
    awayFromStart_ = true;
    ::testing::internal::CaptureStderr();
    start();
    EXPECT_FALSE(playback_->waitForFirstAttempt(10s));
    // Nothing plays: nothing is tried.
    std::this_thread::sleep_for(1500ms);
    EXPECT_EQ(server_->attempts().size(), 1u) << "attempts while nothing wanted to be heard";
    play(0);
    std::this_thread::sleep_for(1500ms);
    server_->comeBack();
    EXPECT_GE(heard_.waitForSound(0, 5s), 0) << "the sound did not come with the server";
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "verminadia: the fake server is away; the game runs silently until one answers\n");
}

TEST_F(Keeper, SilenceRestsTheStreamAndTheNextSoundWakesIt) {
    Clip shot = rampClip(0.05);
    mixer_.setClip(0, shot);
    Playback::Timing timing;
    timing.restSeconds = 0.2;
    start(timing);
    ASSERT_TRUE(playback_->waitForFirstAttempt(10s));
    for (int round = 1; round <= 3; ++round) {
        ASSERT_TRUE(server_->waitFor(10s, [&](FakeServer& s) { return s.closes() == round; }))
            << "the stream did not rest in silence";
        EXPECT_FALSE(playback_->running());
        const std::size_t before = heard_.frames();
        std::this_thread::sleep_for(100ms);
        EXPECT_EQ(heard_.frames(), before) << "periods while resting";
        const auto t0 = Clock::now();
        play(0);
        const long at = heard_.waitForSound(before, 5s);
        ASSERT_GE(at, 0) << "the stream did not wake for the sound";
        EXPECT_LT(Clock::now() - t0, 1s);
        // The wake loses nothing: the clip starts at its first frame, at the first frame sent.
        EXPECT_EQ(static_cast<std::size_t>(at), before);
        EXPECT_EQ(heard_.rampFrame(static_cast<std::size_t>(at)), 0);
    }
    EXPECT_EQ(server_->opens(), 4);
}

TEST_F(Keeper, MutedTheStreamRestsAndUnmutedWhatPlaysIsHeardAgain) {
    mixer_.setClip(0, rampClip(30));
    Playback::Timing timing;
    timing.restSeconds = 0.2;
    start(timing);
    ASSERT_TRUE(playback_->waitForFirstAttempt(10s));
    play(0);
    ASSERT_GE(heard_.waitForSound(0, 10s), 0);
    const auto mutedAt = Clock::now();
    mixer_.setMuted(true);
    ASSERT_TRUE(waitUntilOpen(false, 10s)) << "the muted stream did not rest";
    // The mute fades the clip out over the first block of a period (64 frames); the frame before
    // that block is the last one heard whole.
    const long last = heard_.lastSound();
    const long lastFrame = heard_.rampFrame(static_cast<std::size_t>(last - 63));
    const std::size_t before = heard_.frames();
    std::this_thread::sleep_for(300ms);
    mixer_.setMuted(false);
    playback_->wake();
    const auto unmutedAt = Clock::now();
    const long at = heard_.waitForSound(before, 5s);
    ASSERT_GE(at, 0) << "unmuted, the clip was not heard again";
    // Past the fade in, the clip goes on where it would be by now: on by the time it was muted,
    // and not from the start.
    const auto on = static_cast<double>(heard_.rampFrame(static_cast<std::size_t>(at) + 64) - lastFrame);
    EXPECT_GT(on, 0.3 * kRate);
    EXPECT_LT(on, std::chrono::duration<double>(unmutedAt - mutedAt).count() * kRate + 3 * 64);
}

}  // namespace
}  // namespace verminadia::audio
