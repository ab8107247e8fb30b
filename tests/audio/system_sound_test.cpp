// The sound output the window uses, started and torn down as the game does, with commands
// arriving while its loader thread is still at work. It runs against a sound server of its own
// (with_sound_server.sh), so that the audio thread really runs: under the sanitizer builds this
// is where a race or a leak between the UI thread, the loader and the audio thread shows, and in
// any build a close that waits, a command that goes missing or a sound that never stops.

#include "audio/system/system_sound.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <sstream>
#include <thread>

#include "core/widgets/table.h"
#include "fake_server.h"

namespace verminadia::audio {
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
    audio::Playback::Tap tap() {
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
    // True once no period has come for `quiet`: the stream rests.
    bool waitForRest(std::chrono::milliseconds quiet, std::chrono::seconds timeout) {
        const auto end = Clock::now() + timeout;
        std::unique_lock guard(lock_);
        while (Clock::now() < end) {
            const long seen = periods_;
            if (!changed_.wait_for(guard, quiet, [&] { return periods_ != seen; })) return true;
        }
        return false;
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
        audio::SystemSound sound;
        sound.start();
        sound.seekToStart(Tune::Shots);
        sound.play(Tune::Shots);
        sound.beep();
    }
    // The loader still waits for the window's first frame: closing must not wait with it.
    EXPECT_LT(Clock::now() - start, 200ms) << "closing waited for the sound to load";
}

TEST(SystemSound, CommandsDuringAndAfterLoadingAreClean) {
    Heard heard;
    audio::SystemSound sound;
    sound.setTap(heard.tap());
    sound.start();
    for (int tick = 0; tick < 30; ++tick) {
        sound.seekToStart(Tune::Shots);
        sound.play(Tune::Shots);
        sound.play(Sfx::Sword);
        if (tick % 7 == 0) sound.stop(Tune::Applause);
        if (tick % 5 == 0) sound.play(Tune::Applause);
        std::this_thread::sleep_for(50ms);
    }
    ASSERT_TRUE(sound.waitUntilLoaded(30s)) << kNoServer;

    // Loaded: the town theme and an effect are heard, and fall silent once stopped.
    const long before = heard.loud();
    sound.play(Tune::TorubaTheme);
    sound.play(Sfx::Sword);
    EXPECT_TRUE(heard.waitForSound(before, 10s)) << "a tune and an effect told to play were not heard";
    for (Player p : {Tune::Shots, Tune::Applause, Tune::TorubaTheme, Sfx::Sword}) sound.stop(p);
    EXPECT_TRUE(heard.waitForSilence(0.5, 10s)) << "the sound went on after every player was stopped";
}

TEST(SystemSound, TheStreamRestsInSilenceAndTheNextSoundWakesIt) {
    Heard heard;
    audio::SystemSound sound;
    sound.setTap(heard.tap());
    sound.start();
    ASSERT_TRUE(sound.waitUntilLoaded(30s)) << kNoServer;
    // Nothing plays, as on the waiting title: the stream stops sending altogether.
    EXPECT_TRUE(heard.waitForRest(2s, 30s)) << "the silent stream did not rest";
    for (int round = 0; round < 2; ++round) {
        const long before = heard.loud();
        sound.play(Sfx::Sword);
        EXPECT_TRUE(heard.waitForSound(before, 10s)) << "the effect did not wake the stream";
        EXPECT_TRUE(heard.waitForRest(2s, 30s)) << "the stream did not rest again";
    }
}

TEST(SystemSound, MutedNothingIsHeardAndUnmutedTheThemeComesBack) {
    Heard heard;
    audio::SystemSound sound;
    sound.setMuted(true);  // as the settings say, before the sound starts
    sound.setTap(heard.tap());
    sound.start();
    ASSERT_TRUE(sound.waitUntilLoaded(30s)) << kNoServer;
    EXPECT_TRUE(sound.muted());
    sound.play(Tune::TorubaTheme);  // the town theme
    sound.play(Sfx::Sword);
    EXPECT_FALSE(heard.waitForSound(0, 2s)) << "heard while muted";
    sound.setMuted(false);
    EXPECT_TRUE(heard.waitForSound(0, 10s)) << "unmuted, the theme did not come back";
    sound.setMuted(true);
    EXPECT_TRUE(heard.waitForSilence(0.5, 10s)) << "muted while playing, the sound went on";
    EXPECT_TRUE(heard.waitForRest(2s, 30s)) << "muted, the stream did not rest";
    const long before = heard.loud();
    sound.setMuted(false);
    EXPECT_TRUE(heard.waitForSound(before, 10s)) << "unmuted again, the theme did not come back";
}

// With a fake server that goes away and comes back, so that no sound server is needed for it.
TEST(SystemSound, WhenTheServerComesBackTheThemeThatPlaysIsHeardAgain) {
    auto owned = std::make_unique<audio::test::FakeServer>();
    audio::test::FakeServer& server = *owned;
    Heard heard;
    audio::SystemSound sound(std::move(owned), audio::Playback::Timing{});
    sound.setTap(heard.tap());
    sound.start();
    ASSERT_TRUE(sound.waitUntilLoaded(30s));
    sound.play(Tune::TorubaTheme);
    ASSERT_TRUE(heard.waitForSound(0, 10s));
    ::testing::internal::CaptureStderr();
    server.goAway();
    ASSERT_TRUE(server.waitFor(10s, [](audio::test::FakeServer& s) { return !s.isOpen(); }));
    std::this_thread::sleep_for(1500ms);
    const long before = heard.loud();
    server.comeBack();
    EXPECT_TRUE(heard.waitForSound(before, 3s)) << "the theme was not heard again once the server was back";
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "verminadia: the sound server went away; the game plays on silently until it is back\n");
}

// The game's sound files in a folder of their own, where the test damages some; the game is
// started from there, and the working directory is given back afterwards.
class DamagedFiles {
public:
    DamagedFiles() : build_(std::filesystem::current_path()) {
        folder_ = std::filesystem::path(::testing::TempDir()) / "damaged-sounds";
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        for (const PlayerDef& d : kPlayers)
            if (std::filesystem::exists(build_ / d.played))
                std::filesystem::create_symlink(build_ / d.played, folder_ / d.played);
        std::filesystem::current_path(folder_);
    }
    ~DamagedFiles() { std::filesystem::current_path(build_); }
    DamagedFiles(const DamagedFiles&) = delete;
    DamagedFiles& operator=(const DamagedFiles&) = delete;
    bool complete() const { return std::filesystem::exists(folder_ / def(Tune::TorubaTheme).played); }
    // The file's first `keep` bytes, then `tail`.
    void damage(Player p, double keep, const std::string& tail) {
        const std::string name(def(p).played);
        std::ifstream in(build_ / name, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        const std::string whole = bytes.str();
        std::filesystem::remove(folder_ / name);
        std::ofstream(folder_ / name, std::ios::binary)
            << whole.substr(0, static_cast<std::size_t>(keep * static_cast<double>(whole.size()))) << tail;
    }

private:
    std::filesystem::path build_, folder_;
};

// A rendered tune cut short and another one overwritten: each is named in one line, its player
// stays silent whatever it is told, and the rest of the game plays.
TEST(SystemSound, ADamagedTuneIsNamedOnceAndItsPlayerStaysSilent) {
    DamagedFiles files;
    if (!files.complete()) GTEST_SKIP() << "needs the game's rendered tunes in the working directory";
    files.damage(Tune::TorubaTheme, 0.5, "");
    files.damage(Tune::Shots, 0.0, std::string(4096, 'x'));
    Heard heard;
    ::testing::internal::CaptureStderr();
    {
        audio::SystemSound sound(std::make_unique<audio::test::FakeServer>(), audio::Playback::Timing{});
        sound.setTap(heard.tap());
        sound.start();
        ASSERT_TRUE(sound.waitUntilLoaded(30s));
        sound.play(Tune::TorubaTheme);
        sound.play(Tune::Shots);
        EXPECT_FALSE(heard.waitForSound(0, 2s)) << "a damaged tune was heard";
        sound.play(Sfx::Sword);
        EXPECT_TRUE(heard.waitForSound(0, 10s)) << "an effect was not heard beside the damaged tunes";
    }
    std::istringstream said(::testing::internal::GetCapturedStderr());
    std::vector<std::string> lines;
    for (std::string line; std::getline(said, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 2u);
    for (Player p : {Tune::TorubaTheme, Tune::Shots})
        EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                                [&](const std::string& l) {
                                    return l.find(def(p).played) != std::string::npos &&
                                           l.find("that player stays silent") != std::string::npos;
                                }),
                  1)
            << def(p).played;
}

TEST(SystemSound, NeverStartedIsSilentAndClean) {
    Heard heard;
    audio::SystemSound sound;
    sound.setTap(heard.tap());
    sound.play(Tune::TorubaTheme);
    sound.stop(Tune::TorubaTheme);
    sound.beep();
    // Nothing is opened or read before start(): the window's first frame has the machine to itself.
    EXPECT_FALSE(sound.waitUntilLoaded(10s)) << "the sound loaded without being started";
    EXPECT_EQ(heard.periods(), 0);
}

}  // namespace
}  // namespace verminadia::audio
