// The mixer between its threads: one plays, stops and seeks while another renders, as the UI
// thread and the audio thread do, and the mixer's own loader remakes the rewound tunes meanwhile.
// Built with ThreadSanitizer, a race between the three shows here; in any build, so does a
// deadlock, or a tune that keeps sounding after everything was stopped.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "audio/clip.h"
#include "audio/sound_files.h"
#include "render/midi_mixer.h"
#include "test_tunes.h"

namespace verminadia::audio {
namespace {

constexpr int kPeriod = 512;

float peak(Mixer& m, double seconds) {
    std::vector<float> left(kPeriod), right(kPeriod);
    float p = 0;
    for (int k = 0; k < static_cast<int>(seconds * kRate / kPeriod); ++k) {
        m.render(left.data(), right.data(), kPeriod);
        for (int i = 0; i < kPeriod; ++i) p = std::max({p, std::abs(left[i]), std::abs(right[i])});
    }
    return p;
}

TEST(MixerThreads, CommandsWhileRenderingLeaveEveryPlayerObedient) {
    const std::string font = findSoundFont(systemSoundFonts());
    if (font.empty()) GTEST_SKIP() << "no General MIDI SoundFont installed";
    // A three-second tune with drums, a fifth-of-a-second one that keeps reaching its end, a
    // clip, a player without sound, and the beep.
    MidiMixer m(4);
    ASSERT_TRUE(m.setMidi(0, test::midiFile({{0, 0, 60, 0, 2880}, {1, 19, 67, 480, 1920}, {9, 0, 38, 960, 240}})));
    ASSERT_TRUE(m.setMidi(1, test::midiFile({{0, 56, 72, 0, 200}})));
    Clip clip;
    clip.samples.assign(std::size_t{2} * 4410, 0.3f);
    m.setClip(2, clip);
    m.setBeep(clip);
    std::string error;
    ASSERT_TRUE(m.loadSoundFont(font, error)) << error;

    // The audio thread renders for as long as the storm of commands lasts.
    std::atomic<bool> stormOver{false};
    long periods = 0;
    std::thread audio([&] {
        std::vector<float> left(kPeriod), right(kPeriod);
        for (; !stormOver; ++periods) {
            m.render(left.data(), right.data(), kPeriod);
            // A device's thread waits between periods, and the lock is free then.
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    });
    std::mt19937 random(10);  // the same storm every run
    for (int command = 0; command < 30000; ++command) {
        const std::size_t player = random() % 5;
        switch (random() % 8) {
            case 0: m.stop(player); break;
            case 1: m.seekToStart(player); break;
            case 2: m.beep(); break;
            default: m.play(player); break;
        }
        std::this_thread::yield();
    }
    stormOver = true;
    audio.join();
    EXPECT_GT(periods, 10) << "the rendering should have met the commands, not waited them out";

    for (std::size_t p = 0; p < 4; ++p) m.stop(p);
    for (std::size_t p = 0; p < 4; ++p) EXPECT_FALSE(m.playing(p)) << "player " << p;
    peak(m, 1.5);  // releases, the reverb's tail and the beep die away
    EXPECT_LT(peak(m, 0.3), 1e-4) << "something kept sounding after every player was stopped";
}

}  // namespace
}  // namespace verminadia::audio
