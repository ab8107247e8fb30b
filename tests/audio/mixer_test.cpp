// The mixer rendered without a device: what each player command does to the samples.

#include "audio/mixer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <fluidsynth.h>
#include <sndfile.h>

#include "audio/clip.h"
#include "audio/levels.h"
#include "audio/sound_files.h"
#include "audio/system_libraries.h"
#include "render/midi.h"
#include "render/midi_mixer.h"
#include "test_tunes.h"

namespace verminadia::audio {
namespace {

constexpr float kGain = kClipGain;  // the mixer's level for waveform clips

// A clip whose every sample says where it is: frame i holds (i + 1) / 1e5 on the left and the
// negative on the right, so any rendered sample names the frame it came from.
Clip rampClip(std::size_t frames) {
    Clip c;
    for (std::size_t i = 0; i < frames; ++i) {
        c.samples.push_back(static_cast<float>(i + 1) / 1e5f);
        c.samples.push_back(-static_cast<float>(i + 1) / 1e5f);
    }
    return c;
}

struct Out {
    std::vector<float> left, right;
    float peak() const {
        float m = 0;
        for (float v : left) m = std::max(m, std::abs(v));
        for (float v : right) m = std::max(m, std::abs(v));
        return m;
    }
    double rms() const {
        double s = 0;
        for (float v : left) s += double(v) * v;
        return left.empty() ? 0 : std::sqrt(s / static_cast<double>(left.size()));
    }
    // Which frame of rampClip() produced output frame i (0 for silence).
    long frameAt(std::size_t i) const { return std::lround(left[i] / kGain * 1e5f) - 1; }
};

Out render(Mixer& m, int frames) {
    Out o{std::vector<float>(static_cast<std::size_t>(frames)), std::vector<float>(static_cast<std::size_t>(frames))};
    m.render(o.left.data(), o.right.data(), frames);
    return o;
}

TEST(WavePlayer, PlaysItsSamplesInOrderAndReturnsAtOnce) {
    Mixer m(2);
    m.setClip(0, rampClip(1000));
    EXPECT_EQ(render(m, 256).peak(), 0.0f) << "nothing plays before play";
    m.play(0);
    EXPECT_TRUE(m.playing(0));
    Out o = render(m, 300);
    for (std::size_t i = 0; i < 300; ++i) {
        ASSERT_EQ(o.frameAt(i), static_cast<long>(i));
        ASSERT_FLOAT_EQ(o.right[i], -o.left[i]);
    }
}

TEST(WavePlayer, StopSilencesAndPlayContinuesWhereItStopped) {
    Mixer m(1);
    m.setClip(0, rampClip(1000));
    m.play(0);
    render(m, 200);
    m.stop(0);
    EXPECT_FALSE(m.playing(0));
    EXPECT_EQ(render(m, 500).peak(), 0.0f);
    m.play(0);
    Out o = render(m, 10);
    EXPECT_EQ(o.frameAt(0), 200);
    EXPECT_EQ(o.frameAt(9), 209);
}

TEST(WavePlayer, SeekToStartLeavesItStoppedAtTheFirstSampleEvenWhilePlaying) {
    Mixer m(1);
    m.setClip(0, rampClip(1000));
    m.play(0);
    render(m, 300);
    m.seekToStart(0);
    EXPECT_FALSE(m.playing(0));
    EXPECT_EQ(render(m, 100).peak(), 0.0f);
    m.play(0);
    EXPECT_EQ(render(m, 1).frameAt(0), 0);

    // Rewinding a stopped player too, and the restart used by the title's shots.
    m.stop(0);
    m.seekToStart(0);
    m.play(0);
    EXPECT_EQ(render(m, 1).frameAt(0), 0);
}

TEST(WavePlayer, PlayAtTheEndStartsAgainFromTheBeginning) {
    Mixer m(1);
    m.setClip(0, rampClip(100));
    m.play(0);
    Out o = render(m, 150);
    EXPECT_EQ(o.frameAt(99), 99);
    EXPECT_EQ(o.left[100], 0.0f) << "silence after the end";
    EXPECT_FALSE(m.playing(0));
    m.play(0);
    EXPECT_EQ(render(m, 1).frameAt(0), 0);
}

TEST(WavePlayer, TwoPlayersAndTheBeepAddUp) {
    Mixer m(2);
    m.setClip(0, rampClip(500));
    m.setClip(1, rampClip(500));
    m.setBeep(rampClip(500));
    m.play(0);
    render(m, 100);
    m.play(1);
    Out o = render(m, 10);
    EXPECT_FLOAT_EQ(o.left[0], kGain * (101.0f + 1.0f) / 1e5f);
    m.beep();
    o = render(m, 1);
    EXPECT_FLOAT_EQ(o.left[0], kGain * (111.0f + 11.0f + 1.0f) / 1e5f);
}

TEST(WavePlayer, PlayerWithoutSoundStaysSilentWhateverItIsTold) {
    Mixer m(3);
    m.setClip(1, rampClip(100));
    m.play(0);
    m.stop(2);
    m.seekToStart(0);
    m.play(7);  // not a player at all
    EXPECT_EQ(render(m, 256).peak(), 0.0f);
    EXPECT_FALSE(m.playing(0));
}

TEST(WavePlayer, AnEffectPlayedWhileMutedIsNotSavedForLater) {
    Mixer m(1);
    m.setClip(0, rampClip(2205));  // 50 ms
    m.setMuted(true);
    m.play(0);
    EXPECT_FALSE(m.wantsOutput()) << "muted, the stream has nothing to carry";
    EXPECT_EQ(render(m, 4410).peak(), 0.0f);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    m.setMuted(false);
    EXPECT_EQ(render(m, 4410).peak(), 0.0f) << "unmuted, an effect of long ago sounded";
    EXPECT_FALSE(m.playing(0));
    m.play(0);
    EXPECT_GT(render(m, 100).peak(), 0.0f);
}

TEST(MasterBus, LoudEffectsTogetherStayUnderTheCeilingAndTheGainComesBackWhole) {
    // Two clips at full scale together would reach 1.8, over a quiet one: the ceiling holds from
    // the first sample, without ducking the sum far below it.
    Mixer m(3);
    Clip loud, quiet;
    loud.samples.assign(std::size_t{2} * 4410, 1.0f);
    quiet.samples.assign(std::size_t{4} * kRate, 0.01f);
    m.setClip(0, loud);
    m.setClip(1, loud);
    m.setClip(2, quiet);
    for (std::size_t p : {0, 1, 2}) m.play(p);
    const Out o = render(m, 4410);
    EXPECT_LE(o.peak(), kCeiling);
    EXPECT_GT(*std::min_element(o.left.begin() + 64, o.left.end()), 0.9f * kCeiling)
        << "limited far under the ceiling: the sound would duck";
    // Soon the gain is back to unity: the quiet clip is heard exactly as it is.
    render(m, 3 * kRate / 2);
    const Out after = render(m, 1000);
    for (std::size_t i = 0; i < 1000; ++i) ASSERT_EQ(after.left[i], kClipGain * 0.01f) << i;
}

// --- Decoding ---

std::vector<unsigned char> soundBytes(int rate, int channels, int format, const std::vector<float>& samples) {
    std::string path = ::testing::TempDir() + "/verminadia_test.sound";
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    EXPECT_NE(f, nullptr);
    sf_writef_float(f, samples.data(), static_cast<sf_count_t>(samples.size()) / channels);
    sf_close(f);
    std::vector<unsigned char> bytes;
    std::string error;
    EXPECT_TRUE(readFile(path, bytes, error)) << error;
    return bytes;
}

std::vector<unsigned char> wavBytes(int rate, int channels, int format, const std::vector<float>& samples) {
    return soundBytes(rate, channels, SF_FORMAT_WAV | format, samples);
}

TEST(WavDecoding, MonoAtHalfRateBecomesStereoAtTheMixerRate) {
    // The game's effects are 16-bit mono at 22050 Hz.
    std::vector<float> mono(2205);
    for (std::size_t i = 0; i < mono.size(); ++i) mono[i] = (i % 2 == 0) ? 0.5f : -0.25f;
    Clip c;
    std::string error;
    ASSERT_TRUE(decodeWav(wavBytes(22050, 1, SF_FORMAT_PCM_16, mono), c, error)) << error;
    EXPECT_EQ(c.frames(), 4410u);
    EXPECT_NEAR(c.samples[0], 0.5f, 1e-4);
    EXPECT_NEAR(c.samples[1], 0.5f, 1e-4);
    EXPECT_NEAR(c.samples[2], 0.125f, 1e-3) << "halfway between two source samples";
    EXPECT_NEAR(c.samples[4], -0.25f, 1e-4);
}

TEST(WavDecoding, DamagedFilesAreRefusedWithAReason) {
    const auto good = wavBytes(44100, 2, SF_FORMAT_PCM_16, std::vector<float>(2000, 0.1f));
    const std::vector<std::vector<unsigned char>> bad = {
        {},
        std::vector<unsigned char>(good.begin(), good.begin() + 30),  // header cut short
        std::vector<unsigned char>(good.begin(), good.begin() + 44),  // header, no samples
        std::vector<unsigned char>(5000, 0xA7),                       // noise
    };
    for (const auto& b : bad) {
        Clip c;
        std::string error;
        EXPECT_FALSE(decodeWav(b, c, error)) << b.size() << " bytes";
        EXPECT_FALSE(error.empty());
    }
    // Cut in the middle of its samples: libsndfile would play the first half.
    Clip c;
    std::string error;
    EXPECT_FALSE(decodeWav(std::span(good).first(good.size() / 2), c, error));
    EXPECT_EQ(error, "the file is cut short");
}

// --- Rendered tunes ---

// Five seconds of a chord in Ogg Vorbis, and the same decoded whole: what the mixer must play,
// from its first seconds kept decoded and then from the ring the decoder fills.
struct RenderedTune {
    std::vector<unsigned char> bytes;
    std::vector<float> left;
    RenderedTune() {
        std::vector<float> s(2 * 5 * kRate);
        for (std::size_t i = 0; i < s.size() / 2; ++i) {
            const double t = static_cast<double>(i) / kRate;
            s[2 * i] = static_cast<float>(0.3 * std::sin(2 * 3.14159265 * 440 * t) * (1 + t) / 6);
            s[2 * i + 1] = static_cast<float>(0.2 * std::sin(2 * 3.14159265 * 660 * t));
        }
        bytes = soundBytes(kRate, 2, SF_FORMAT_OGG | SF_FORMAT_VORBIS, s);
        Clip whole;
        std::string error;
        EXPECT_TRUE(decodeWav(bytes, whole, error)) << error;
        for (std::size_t i = 0; i < whole.frames(); ++i) left.push_back(whole.samples[2 * i]);
    }
    // The frames [from, from + count) rendered match the whole decoding's.
    void expectPlays(const Out& o, std::size_t from, std::size_t count) const {
        std::size_t wrong = 0;
        for (std::size_t i = 0; i < count; ++i)
            if (std::abs(o.left[i] - left[from + i]) > 2e-4f) ++wrong;
        EXPECT_EQ(wrong, 0u) << "of " << count << " frames from frame " << from;
    }
};

// Renders in periods of 0.1 s as the audio thread would, with the decoder keeping up.
Out renderDecoded(Mixer& m, int frames) {
    Out all;
    for (int done = 0; done < frames; done += 4410) {
        m.waitUntilDecoded();
        const Out o = render(m, std::min(4410, frames - done));
        all.left.insert(all.left.end(), o.left.begin(), o.left.end());
        all.right.insert(all.right.end(), o.right.begin(), o.right.end());
    }
    return all;
}

TEST(RenderedTune, PlaysWholeStopsRewindsAndStartsAgainAtItsEnd) {
    const RenderedTune tune;
    const auto frames = tune.left.size();
    Mixer m(1);
    std::string error;
    ASSERT_TRUE(m.setTrack(0, tune.bytes, error)) << error;
    m.play(0);
    tune.expectPlays(renderDecoded(m, 3 * kRate), 0, 3 * kRate);
    m.stop(0);
    EXPECT_EQ(renderDecoded(m, 4410).peak(), 0.0f);
    m.play(0);  // on from where it stopped, to its end
    const auto rest = static_cast<int>(frames) - 3 * kRate;
    tune.expectPlays(renderDecoded(m, rest), 3 * kRate, static_cast<std::size_t>(rest));
    EXPECT_FALSE(m.playing(0));
    m.play(0);  // at its end: from the start
    tune.expectPlays(renderDecoded(m, 4 * kRate), 0, 4 * kRate);
    m.seekToStart(0);  // back while playing, past its first seconds
    EXPECT_FALSE(m.playing(0));
    m.play(0);
    tune.expectPlays(renderDecoded(m, 2 * kRate), 0, 2 * kRate);
}

TEST(RenderedTune, DamagedFilesAreRefusedWithAReason) {
    const RenderedTune tune;
    const std::vector<std::vector<unsigned char>> bad = {
        {},
        std::vector<unsigned char>(tune.bytes.begin(), tune.bytes.begin() + static_cast<long>(tune.bytes.size() / 2)),
        std::vector<unsigned char>(5000, 0xA7),
        wavBytes(22050, 1, SF_FORMAT_PCM_16, std::vector<float>(2000, 0.1f)),  // not a stereo tune at the mixer's rate
    };
    for (const auto& b : bad) {
        Mixer m(1);
        std::string error;
        EXPECT_FALSE(m.setTrack(0, b, error)) << b.size() << " bytes";
        EXPECT_FALSE(error.empty());
    }
}

// A sound library the system lacks, or one without a function the game calls, is said in one
// line naming both; the functions it has are found and work.
TEST(SystemLibraries, WhatIsMissingIsNamedAndWhatIsThereWorks) {
    std::size_t (*length)(const char*) = nullptr;
    SystemLibrary libc("libc.so.6");
    libc.find(length, "strlen");
    ASSERT_TRUE(libc.error().empty()) << libc.error();
    EXPECT_EQ(length("ヴェル"), 9u);

    void (*missing)() = nullptr;
    libc.find(missing, "verminadia_no_such_function");
    EXPECT_EQ(libc.error(), "libc.so.6 has no verminadia_no_such_function");
    libc.find(length, "strlen");
    EXPECT_EQ(length, nullptr) << "nothing more is looked for after a failure";

    SystemLibrary absent("libverminadia-absent.so.0");
    absent.find(length, "strlen");
    EXPECT_EQ(length, nullptr);
    EXPECT_EQ(absent.error().rfind("libverminadia-absent.so.0 cannot be opened: ", 0), 0u) << absent.error();
    EXPECT_EQ(absent.error().find('\n'), std::string::npos);

    std::string error;
    EXPECT_NE(sndfile(error), nullptr) << error;
    EXPECT_NE(pulse(error), nullptr) << error;
}

// --- MIDI ---

using test::midiFile;
using test::midiNote;

TEST(MidiChecking, PlayableFilesPassAndDamagedOnesAreRefused) {
    std::string error;
    const auto good = midiNote(19, 0, 60, 960);
    EXPECT_TRUE(checkMidi(good, error)) << error;
    const std::vector<std::vector<unsigned char>> bad = {
        {},
        std::vector<unsigned char>(good.begin(), good.begin() + 10),  // header cut short
        std::vector<unsigned char>(good.begin(), good.begin() + 14),  // header without a track
        std::vector<unsigned char>(good.begin(), good.end() - 6),     // track cut short
        std::vector<unsigned char>(3000, 0x5A),
        // A data byte where no status came before: FluidSynth's reader would spin on it for ever.
        {'M', 'T', 'h', 'd', 0,  0, 0,    6, 0, 1,   0,   2,   1,   0xE0, 'M', 'T', 'r',
         'k', 0,   0,   0,   12, 0, 0xFF, 0, 4, 'n', 'o', 't', 'e', 0,    0,   0,   0},
        // A chunk that is not a track where a track should be, its length read as -4: FluidSynth's
        // reader would step back onto that length, for ever.
        {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 1, 0xE0, 'M', 'D', 'r', 'k', 0xFF, 0xFF, 0xFF, 0xFC, 0, 0},
    };
    for (const auto& b : bad) EXPECT_FALSE(checkMidi(b, error)) << b.size() << " bytes";
}

TEST(FluidSynthLog, ErrorsReachStandardErrorOnceAndAFileCheckSaysWhy) {
    routeFluidSynthLog();
    ::testing::internal::CaptureStderr();
    // A file cut short: FluidSynth's own reason ends the game's one line, and is not said twice.
    const auto good = midiNote(19, 0, 60, 960);
    std::string error;
    EXPECT_FALSE(checkMidi(std::vector<unsigned char>(good.begin(), good.end() - 6), error));
    EXPECT_NE(error.find("not a playable MIDI file: FluidSynth says \""), std::string::npos) << error;
    // Anywhere else, an error is printed as FluidSynth says it, once however often; warnings are left out.
    for (int i = 0; i < 3; ++i) fluid_log(FLUID_ERR, "the test's complaint number %d", 7);
    fluid_log(FLUID_WARN, "a warning");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "verminadia: FluidSynth: the test's complaint number 7\n");
}

class MidiPlayer : public ::testing::Test {
protected:
    void SetUp() override {
        font_ = findSoundFont(systemSoundFonts());
        if (font_.empty()) GTEST_SKIP() << "no General MIDI SoundFont installed";
    }
    // Seconds of sound, as its RMS. Rendered faster than real time, so the mixer's loader is
    // given the time a real period would have given it to hand rewound players back.
    static double listen(MidiMixer& m, double seconds) {
        m.waitUntilRemade();
        return render(m, static_cast<int>(seconds * kRate)).rms();
    }
    std::string font_;
};

TEST_F(MidiPlayer, RendersSoundAndFallsSilentOnStopWithNoHangingNotes) {
    MidiMixer m(2);
    ASSERT_TRUE(m.setMidi(0, midiNote(19, 0, 60, 4800)));  // an organ held for five seconds
    std::string error;
    ASSERT_TRUE(m.loadSoundFont(font_, error)) << error;
    m.play(0);
    EXPECT_GT(listen(m, 0.5), 0.01);
    m.stop(0);
    listen(m, 1.5);  // the organ's release and the reverb's tail die away
    EXPECT_LT(listen(m, 0.2), 1e-4) << "the organ note would hang on";
    EXPECT_FALSE(m.playing(0));
}

TEST_F(MidiPlayer, SeekToStartWhilePlayingStopsItAndPlayStartsAgain) {
    MidiMixer m(1);
    ASSERT_TRUE(m.setMidi(0, midiNote(19, 0, 60, 4800)));
    std::string error;
    ASSERT_TRUE(m.loadSoundFont(font_, error)) << error;
    m.play(0);
    listen(m, 0.3);
    m.seekToStart(0);
    EXPECT_FALSE(m.playing(0));
    listen(m, 1.5);
    EXPECT_LT(listen(m, 0.2), 1e-4);
    m.play(0);
    EXPECT_GT(listen(m, 0.3), 0.01);

    // Stop and rewind, as a screen leaves its tune: the next play starts with the first note.
    m.stop(0);
    m.seekToStart(0);
    m.stop(0);
    listen(m, 1.5);
    m.play(0);
    EXPECT_GT(listen(m, 0.3), 0.01);
}

TEST_F(MidiPlayer, PlayAtTheEndPlaysTheTuneAgain) {
    MidiMixer m(1);
    ASSERT_TRUE(m.setMidi(0, midiNote(0, 0, 72, 240)));  // a quarter of a second of piano
    std::string error;
    ASSERT_TRUE(m.loadSoundFont(font_, error)) << error;
    m.play(0);
    listen(m, 2.0);
    EXPECT_FALSE(m.playing(0));
    EXPECT_LT(listen(m, 0.2), 1e-4);
    m.play(0);
    EXPECT_GT(listen(m, 0.2), 0.005);
}

TEST_F(MidiPlayer, PlayBeforeTheSoundFontIsInStartsOnceItArrives) {
    MidiMixer m(1);
    ASSERT_TRUE(m.setMidi(0, midiNote(19, 0, 60, 4800)));
    m.play(0);
    EXPECT_EQ(render(m, 1024).peak(), 0.0f);
    std::string error;
    ASSERT_TRUE(m.loadSoundFont(font_, error)) << error;
    EXPECT_GT(listen(m, 0.3), 0.01);
}

// What FluidSynth makes of notes that all start at once, on a synthesiser of the mixer's rate
// with General MIDI's 16 channels (drums on channel 10): each note's program, volume and the
// note sent after `leadIn` frames of silence, then `frames` frames of sound, in the mixer's
// blocks of 64.
Out fluidSynthAlone(std::initializer_list<test::Note> notes, const std::string& font, int leadIn, int frames) {
    std::vector<float> left(static_cast<std::size_t>(leadIn + frames)), right(left.size());
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", kRate);
    fluid_settings_setnum(settings, "synth.gain", kSynthGain);
    // As the mixer loads: the same samples, without FluidSynth's loading of all of them on
    // OpenMP threads of its own.
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    fluid_synth_t* synth = new_fluid_synth(settings);
    EXPECT_NE(fluid_synth_sfload(synth, font.c_str(), 1), FLUID_FAILED);
    for (int at = 0; at < leadIn + frames; at += 64) {
        if (at == leadIn)
            for (const test::Note& n : notes) {
                fluid_synth_program_change(synth, n.channel, n.program);
                fluid_synth_cc(synth, n.channel, 7, n.volume);
                fluid_synth_noteon(synth, n.channel, n.key, 100);
            }
        const auto i = static_cast<std::size_t>(at);
        fluid_synth_write_float(synth, std::min(64, leadIn + frames - at), &left[i], 0, 1, &right[i], 0, 1);
    }
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return {std::vector<float>(left.begin() + leadIn, left.end()),
            std::vector<float>(right.begin() + leadIn, right.end())};
}

// How far `heard` is from `expected`, as the RMS of the difference over the RMS of `expected`.
double mismatch(const Out& heard, const Out& expected) {
    double diff = 0, level = 0;
    for (std::size_t i = 0; i < expected.left.size(); ++i) {
        diff += std::pow(double(heard.left[i]) - expected.left[i], 2) +
                std::pow(double(heard.right[i]) - expected.right[i], 2);
        level += std::pow(double(expected.left[i]), 2) + std::pow(double(expected.right[i]), 2);
    }
    return std::sqrt(diff / level);
}

Out operator+(Out a, const Out& b) {
    for (std::size_t i = 0; i < a.left.size(); ++i) {
        a.left[i] += b.left[i];
        a.right[i] += b.right[i];
    }
    return a;
}

TEST_F(MidiPlayer, EachTuneKeepsItsOwnChannelsAndDrumsStayDrums) {
    // Two tunes on the same MIDI channel with different programs and volumes, and a drum kit on
    // channel 10 of the second player: each must sound exactly as FluidSynth alone plays it,
    // whatever the other does. On shared channels the quiet piano's volume would reach the
    // organ, and a second player's channel 10 that is not a drum channel would play the snare
    // drum as a piano note.
    const std::initializer_list<test::Note> piano = {{0, 0, 60, 0, 4800, 40}};
    const std::initializer_list<test::Note> organAndSnare = {{0, 19, 67, 0, 4800}, {9, 0, 38, 0, 4800}};
    MidiMixer m(2);
    ASSERT_TRUE(m.setMidi(0, midiFile(piano)));
    ASSERT_TRUE(m.setMidi(1, midiFile(organAndSnare)));
    std::string error;
    ASSERT_TRUE(m.loadSoundFont(font_, error)) << error;
    constexpr int kStretch = 64 * 207;  // 0.3 s in whole blocks, so that the tunes meet on one grid
    m.play(1);
    const Out first = render(m, kStretch);
    const double drum = first.rms();
    EXPECT_GT(drum, 0.005);
    m.play(0);
    const Out second = render(m, kStretch);
    EXPECT_GT(second.rms(), 0.005);
    EXPECT_TRUE(m.playing(0));
    EXPECT_TRUE(m.playing(1));

    const Out organAndSnareAlone = fluidSynthAlone(organAndSnare, font_, 0, 2 * kStretch);
    const Out organAndSnareFirst = {{organAndSnareAlone.left.begin(), organAndSnareAlone.left.begin() + kStretch},
                                    {organAndSnareAlone.right.begin(), organAndSnareAlone.right.begin() + kStretch}};
    const Out organAndSnareSecond = {{organAndSnareAlone.left.begin() + kStretch, organAndSnareAlone.left.end()},
                                     {organAndSnareAlone.right.begin() + kStretch, organAndSnareAlone.right.end()}};
    EXPECT_LT(mismatch(first, organAndSnareFirst), 1e-3) << "the second tune alone is not what FluidSynth plays";
    EXPECT_LT(mismatch(second, organAndSnareSecond + fluidSynthAlone(piano, font_, kStretch, kStretch)), 1e-3)
        << "the two tunes together are not the sum of each alone";
}

TEST_F(MidiPlayer, SilenceCostsNoSynthesisOnceTheReverbHasDiedAway) {
    MidiMixer m(1);
    // A quarter of a second of clarinet: its voice is over soon after, its reverb is not.
    ASSERT_TRUE(m.setMidi(0, midiNote(71, 0, 72, 240)));
    std::string error;
    ASSERT_TRUE(m.loadSoundFont(font_, error)) << error;
    m.play(0);
    render(m, kRate / 2);
    EXPECT_FALSE(m.playing(0));
    // The tail is heard out, fading, not cut off with the last voice.
    const Out tail = render(m, kRate / 2);
    const Out later = render(m, kRate / 2);
    EXPECT_GT(tail.peak(), 1e-5f) << "the reverb's tail was cut off";
    EXPECT_LT(later.peak(), tail.peak());
    // Then silence, and no synthesis at all: the waiting title costs nothing.
    render(m, 3 * kRate);
    const long synthesized = m.synthesizedFrames();
    EXPECT_LT(synthesized, 4 * kRate) << "the synthesiser ran on well after the tail";
    std::vector<float> left(512), right(512);
    bool sounding = false;
    for (int k = 0; k < 10 * kRate / 512; ++k) sounding = m.render(left.data(), right.data(), 512) || sounding;
    EXPECT_FALSE(sounding) << "silence was reported as sound: the stream would never rest";
    EXPECT_EQ(m.synthesizedFrames(), synthesized) << "ten seconds of silence were synthesised";
    // The next play synthesises again, at once.
    m.play(0);
    EXPECT_GT(render(m, 4096).peak(), 0.01f);
    EXPECT_GT(m.synthesizedFrames(), synthesized);
}

TEST_F(MidiPlayer, MutedNothingMovesAndUnmutedTheTuneGoesOnFromWhereItStood) {
    // Three seconds of piano, a new note each second; one mixer is muted for two seconds, the
    // other plays on without it.
    const auto tune = midiFile({{0, 0, 60, 0, 960}, {0, 0, 64, 960, 960}, {0, 0, 67, 1920, 960}});
    MidiMixer muted(1), plain(1);
    std::string error;
    for (MidiMixer* m : {&muted, &plain}) {
        ASSERT_TRUE(m->setMidi(0, tune));
        ASSERT_TRUE(m->loadSoundFont(font_, error)) << error;
        m->play(0);
    }
    constexpr int kHalf = 64 * 345;  // half a second in whole blocks
    render(muted, kHalf);
    render(plain, kHalf);
    muted.setMuted(true);
    EXPECT_TRUE(muted.muted());
    EXPECT_FALSE(muted.wantsOutput());
    render(muted, 64);  // the fade out
    render(plain, 64);
    const long synthesized = muted.synthesizedFrames();
    std::vector<float> left(std::size_t{64} * 1378), right(left.size());  // two seconds
    EXPECT_FALSE(muted.render(left.data(), right.data(), static_cast<int>(left.size())));
    EXPECT_EQ(*std::max_element(left.begin(), left.end()), 0.0f);
    EXPECT_EQ(muted.synthesizedFrames(), synthesized) << "muted, the synthesiser still ran";
    EXPECT_TRUE(muted.playing(0));

    muted.setMuted(false);
    EXPECT_TRUE(muted.wantsOutput());
    render(muted, 64);  // the fade in
    render(plain, 64);
    EXPECT_LT(mismatch(render(muted, kHalf), render(plain, kHalf)), 1e-3) << "unmuted, the tune is not where it stood";
}

TEST(SoundFiles, WorkingDirectoryFirstThenTheDataFolders) {
    EXPECT_EQ(findSoundFile("no such file.mid", {"/nonexistent"}), "");
    EXPECT_EQ(findSoundFile("no such file.mid", {}), "");
    const std::string dir = ::testing::TempDir();
    const std::string beside = dir + "/verminadia_audio_test_beside";
    const std::string name = "verminadia_audio_test_約束.mid";
    std::string error;
    std::filesystem::create_directories(beside);
    for (const std::string& folder : {dir, beside}) {
        FILE* f = std::fopen((std::filesystem::path(folder) / name).c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fclose(f);
    }
    EXPECT_EQ(findSoundFile(name, {dir}), dir + "/" + name);
    // The first folder that has it wins; one without it, or an empty one, is passed over.
    EXPECT_EQ(findSoundFile(name, {"", "/nonexistent", beside, dir}), beside + "/" + name);
    EXPECT_EQ(findSoundFile(name, {dir, beside}), dir + "/" + name);
    EXPECT_EQ(findSoundFont({"/nonexistent.sf2"}), "");
}

}  // namespace
}  // namespace verminadia::audio
