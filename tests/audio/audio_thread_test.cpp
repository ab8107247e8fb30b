// The audio thread once the sound is loaded: whatever the UI thread tells the players, rendering
// the game's tunes never asks the heap or the disk for anything, where a wait of a few
// milliseconds is a gap in the sound.

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "audio/clip.h"
#include "audio/mixer.h"
#include "audio/sound_files.h"
#include "audio/stream/output.h"
#include "audio/stream/playback.h"
#include "blocking_calls.h"
#include "core/widgets/table.h"
#include "fake_server.h"
#include "render/midi.h"
#include "render/midi_mixer.h"
#include "test_tunes.h"

namespace verminadia::audio {
namespace {

using verminadia::test::BlockingCalls;
using verminadia::test::CountBlockingCalls;

constexpr int kPeriod = 512;  // what the stream asks for at a time

// One long-lived thread that renders when asked, as the stream's thread does, and counts its
// blocking calls while it renders.
class AudioThread {
public:
    explicit AudioThread(Mixer& mixer) : mixer_(mixer), thread_([this] { run(); }) {}
    ~AudioThread() {
        {
            std::lock_guard guard(lock_);
            quit_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    AudioThread(const AudioThread&) = delete;
    AudioThread& operator=(const AudioThread&) = delete;

    // Renders `seconds` of sound and returns the calls made meanwhile.
    BlockingCalls render(double seconds) {
        std::unique_lock guard(lock_);
        periods_ = std::max(1, static_cast<int>(seconds * kRate / kPeriod));
        wake_.notify_all();
        wake_.wait(guard, [this] { return periods_ == 0; });
        return calls_;
    }

private:
    void run() {
        std::vector<float> left(kPeriod), right(kPeriod);
        std::unique_lock guard(lock_);
        for (;;) {
            wake_.wait(guard, [this] { return quit_ || periods_ > 0; });
            if (quit_) return;
            BlockingCalls sum;
            for (; periods_ > 0; --periods_) {
                CountBlockingCalls count;
                mixer_.render(left.data(), right.data(), kPeriod);
                sum += count.result();
            }
            calls_ = sum;
            wake_.notify_all();
        }
    }

    Mixer& mixer_;
    std::mutex lock_;
    std::condition_variable wake_;
    int periods_ = 0;
    bool quit_ = false;
    BlockingCalls calls_;
    std::thread thread_;
};

std::string describe(const BlockingCalls& c) {
    return std::to_string(c.allocations) + " allocations, " + std::to_string(c.frees) + " frees, " +
           std::to_string(c.fileReads) + " file reads (and libgomp's own " + std::to_string(c.openmpTeams) +
           " heap calls for its OpenMP teams)";
}

class AudioThreadCalls : public ::testing::Test {
protected:
    void SetUp() override {
        if (!verminadia::test::countingWorks())
            GTEST_SKIP() << "this build's sanitizer runtime owns malloc and the file calls, so they cannot be counted";
        font_ = findSoundFont(systemSoundFonts());
        if (font_.empty()) GTEST_SKIP() << "no General MIDI SoundFont installed";
    }
    std::string font_;
};

// The game's own tunes, rendered and loaded as the game loads them, each played from its start
// into its decoded ring, rewound while playing, played again, stopped, played on and rewound,
// with the others silent.
TEST_F(AudioThreadCalls, TheGamesTunesPlayRewindAndStopWithoutBlockingCalls) {
    Mixer mixer(kPlayerCount);
    std::vector<std::size_t> tunes;
    for (const PlayerDef& d : kPlayers) {
        const std::string name(d.played);
        if (name.size() < 4 || name.substr(name.size() - 4) != ".ogg") continue;
        const std::string path = findSoundFile(name, {});
        ASSERT_FALSE(path.empty()) << name << " is not in the working directory";
        std::vector<unsigned char> bytes;
        std::string error;
        ASSERT_TRUE(readFile(path, bytes, error)) << error;
        ASSERT_TRUE(mixer.setTrack(static_cast<std::size_t>(d.id), std::move(bytes), error)) << name << ": " << error;
        tunes.push_back(static_cast<std::size_t>(d.id));
    }

    AudioThread audio(mixer);
    BlockingCalls firstPeriods, all;
    for (std::size_t p : tunes) {
        mixer.play(p);
        const BlockingCalls first = audio.render(0);
        firstPeriods += first;
        all += first;
        all += audio.render(2.5);
        mixer.seekToStart(p);
        all += audio.render(0.1);
        mixer.play(p);
        all += audio.render(0.3);
        mixer.stop(p);
        all += audio.render(0.1);
        mixer.play(p);
        all += audio.render(0.3);
        mixer.seekToStart(p);
        all += audio.render(0.1);
    }
    std::printf("first periods of the %zu tunes: %s\n", tunes.size(), describe(firstPeriods).c_str());
    std::printf("all periods: %s\n", describe(all).c_str());
    EXPECT_EQ(all.total(), 0) << describe(all);
}

// A short tune played to its end is rewound there; played again, it starts from its beginning.
TEST_F(AudioThreadCalls, ATuneThatEndsAndPlaysAgainMakesNoBlockingCalls) {
    MidiMixer mixer(2);
    ASSERT_TRUE(mixer.setMidi(0, test::midiFile({{0, 0, 72, 0, 240}, {9, 0, 38, 120, 120}})));
    std::string error;
    ASSERT_TRUE(mixer.loadSoundFont(font_, error)) << error;
    AudioThread audio(mixer);
    BlockingCalls all;
    for (int round = 0; round < 3; ++round) {
        mixer.play(0);
        all += audio.render(1.0);
        // A play right after the end starts once the mixer's loader has remade the tune: here a
        // second of sound takes a few milliseconds to render, and on a busy machine the loader
        // may need longer than that.
        for (int wait = 0; wait < 100 && mixer.playing(0); ++wait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            all += audio.render(0.1);
        }
        EXPECT_FALSE(mixer.playing(0)) << "the tune never ended";
    }
    std::printf("three plays to the end: %s\n", describe(all).c_str());
    EXPECT_EQ(all.total(), 0) << describe(all);
}

// The stream's own part of each period: the keeper's bookkeeping, and the rest it asks for.
TEST_F(AudioThreadCalls, AStreamThatPlaysFallsSilentAndRestsMakesNoBlockingCalls) {
    MidiMixer mixer(2);
    ASSERT_TRUE(mixer.setMidi(0, test::midiFile({{0, 0, 72, 0, 480}, {9, 0, 38, 120, 120}})));
    std::string error;
    ASSERT_TRUE(mixer.loadSoundFont(font_, error)) << error;
    std::mutex lock;
    BlockingCalls calls;  // under lock
    auto owned = std::make_unique<test::FakeServer>();
    test::FakeServer& server = *owned;
    server.setAroundPeriod([&](const std::function<void()>& render) {
        BlockingCalls c;
        {
            CountBlockingCalls count;
            render();
            c = count.result();
        }
        std::lock_guard guard(lock);
        calls += c;
    });
    Playback::Timing timing;
    timing.restSeconds = 0.2;
    Playback playback(mixer, std::move(owned), timing);
    playback.start();
    ASSERT_TRUE(playback.waitForFirstAttempt(std::chrono::seconds(10)));
    const auto closed = [&](int n) {
        return server.waitFor(std::chrono::seconds(30), [n](const test::FakeServer& s) { return s.closes() >= n; });
    };
    for (int round = 1; round <= 2; ++round) {
        ASSERT_TRUE(closed(round)) << "the stream did not rest";
        mixer.play(0);
        playback.wake();
    }
    ASSERT_TRUE(closed(3));
    playback.stop();
    std::lock_guard guard(lock);
    std::printf("periods of a stream that played twice and rested: %s\n", describe(calls).c_str());
    EXPECT_EQ(calls.total(), 0) << describe(calls);
}

}  // namespace
}  // namespace verminadia::audio
