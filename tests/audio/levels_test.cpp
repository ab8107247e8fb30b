// The mix's gain structure on rendered buffers, with the game's own tunes and effects loaded as
// the game loads them: every theme at its level over its loop, the title's shots and applause
// heard, the effects a few dB above the music, and the loudest effect over the loudest passage
// never beyond the ceiling. Run in the build folder, where the sound files are.

#include "audio/levels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "audio/clip.h"
#include "audio/mixer.h"
#include "audio/sound_files.h"
#include "core/widgets/table.h"
#include "render/midi.h"
#include "render/midi_mixer.h"

namespace verminadia::audio {
namespace {

constexpr int kStep = 441;   // 10 ms
constexpr int kWindow = 40;  // 400 ms: the loudest passage

double dB(double v) { return 20.0 * std::log10(std::max(v, 1e-10)); }
bool isTune(const std::string& file) { return file.size() > 4 && file.substr(file.size() - 4) == ".mid"; }

struct Level {
    double rms = 0;  // over the loop, or the effect's length
    double peak = 0;
    double loudest = 0;  // RMS of the loudest 400 ms
    long loudestAt = 0;  // its first frame
};

class GameSounds : public ::testing::Test {
protected:
    // The build makes every sound file: one missing, unreadable or undecodable fails every case.
    // Only a SoundFont not installed on this machine skips them.
    static void SetUpTestSuite() {
        mixer_ = new MidiMixer(kPlayerCount);
        std::string error;
        for (const PlayerDef& d : kPlayers) {
            const std::string file(d.file);
            std::vector<unsigned char> bytes;
            const auto p = static_cast<std::size_t>(d.id);
            bool loaded = readFile(file, bytes, error);
            if (loaded && isTune(file)) {
                loaded = checkMidi(bytes, error) && mixer_->setMidi(p, std::move(bytes), error);
                mixer_->setLevel(p, d.levelDb);
            } else if (loaded) {
                Clip clip;
                loaded = decodeWav(bytes, clip, error);
                mixer_->setClip(p, std::move(clip));
            }
            if (!loaded) {
                fault_ = "\"" + file + "\" does not load from the working directory: " + error;
                return;
            }
        }
        const std::string font = findSoundFont(systemSoundFonts());
        if (font.empty()) {
            absent_ = "needs a General MIDI SoundFont, and none is installed";
            return;
        }
        if (!mixer_->loadSoundFont(font, error)) {
            fault_ = font + " does not load: " + error;
            return;
        }
        for (const PlayerDef& d : kPlayers) levels_[std::string(d.file)] = measure(static_cast<std::size_t>(d.id));
    }
    static void TearDownTestSuite() {
        delete mixer_;
        mixer_ = nullptr;
        levels_.clear();
    }
    void SetUp() override {
        if (!fault_.empty()) FAIL() << fault_;
        if (!absent_.empty()) GTEST_SKIP() << absent_;
    }

    // One player from its start to its end, alone, then its tail let die away.
    static Level measure(std::size_t player) {
        std::vector<float> l(kStep), r(kStep);
        std::vector<double> energy;
        Level v;
        mixer_->play(player);
        while (mixer_->playing(player) && energy.size() < std::size_t{300} * 100) {
            mixer_->render(l.data(), r.data(), kStep);
            double e = 0;
            for (int i = 0; i < kStep; ++i) {
                e += double(l[i]) * l[i] + double(r[i]) * r[i];
                v.peak = std::max({v.peak, double(std::abs(l[i])), double(std::abs(r[i]))});
            }
            energy.push_back(e);
        }
        double sum = 0, loudest = 0;
        for (std::size_t i = 0; i < energy.size(); ++i) {
            sum += energy[i];
            if (i + kWindow > energy.size()) continue;
            double w = 0;
            for (std::size_t k = i; k < i + kWindow; ++k) w += energy[k];
            if (w > loudest) {
                loudest = w;
                v.loudestAt = static_cast<long>(i) * kStep;
            }
        }
        v.rms = std::sqrt(sum / (2.0 * kStep * static_cast<double>(std::max<std::size_t>(energy.size(), 1))));
        v.loudest = std::sqrt(loudest / (2.0 * kStep * kWindow));
        mixer_->stop(player);
        for (int k = 0; k < 400; ++k) mixer_->render(l.data(), r.data(), kStep);
        return v;
    }

    static const Level& of(Player p) { return levels_[std::string(def(p).file)]; }

    static MidiMixer* mixer_;
    static std::map<std::string, Level> levels_;
    static std::string fault_, absent_;
};

MidiMixer* GameSounds::mixer_ = nullptr;
std::map<std::string, Level> GameSounds::levels_;
std::string GameSounds::fault_, GameSounds::absent_;

TEST_F(GameSounds, EveryTuneButTheShotPlaysAtTheThemeLevelOverItsLoop) {
    for (const auto& [file, v] : levels_) {
        if (!isTune(file) || file == def(Tune::Shots).file) continue;
        EXPECT_NEAR(dB(v.rms), kThemeLevel, 1.0) << file;
        EXPECT_LE(v.peak, kCeiling) << file << " alone reaches the limiter";
    }
}

TEST_F(GameSounds, TheTitlesShotsAndApplauseAreClearlyHeard) {
    // The title has no music under them: each shot's loudest moment stands at least as loud as a theme.
    EXPECT_GE(dB(of(Tune::Shots).loudest), kThemeLevel) << "the shots are faint";
    EXPECT_GE(dB(of(Tune::Shots).peak), -10.0);
    EXPECT_GE(dB(of(Tune::Applause).loudest), kThemeLevel) << "the applause is faint";
}

TEST_F(GameSounds, TheEffectsSitAFewDecibelsAboveTheMusic) {
    std::vector<double> effects;
    for (const auto& [file, v] : levels_)
        if (!isTune(file)) {
            effects.push_back(dB(v.rms));
            EXPECT_GT(dB(v.rms), kThemeLevel - 3.0) << file << " is lost under the music";
            EXPECT_LE(v.peak, kCeiling) << file << " alone reaches the limiter";
        }
    std::sort(effects.begin(), effects.end());
    const double median = effects[effects.size() / 2];
    EXPECT_GE(median, kThemeLevel + 1.0) << "the effects do not stand out of the music";
    EXPECT_LE(median, kThemeLevel + 6.0) << "the effects jump out of the music";
}

TEST_F(GameSounds, TheLoudestEffectOverTheLoudestPassageNeverClips) {
    std::string tune, effect;
    for (const auto& [file, v] : levels_) {
        std::string& pick = isTune(file) ? tune : effect;
        if (pick.empty() || v.peak > levels_[pick].peak) pick = file;
    }
    Player t{}, e{};
    for (const PlayerDef& d : kPlayers) {
        if (d.file == tune) t = d.id;
        if (d.file == effect) e = d.id;
    }
    const auto tp = static_cast<std::size_t>(t), ep = static_cast<std::size_t>(e);
    // The tune alone, in a mixer of its own, beside the mix: what the music is without the effect.
    MidiMixer alone(kPlayerCount);
    std::vector<unsigned char> bytes;
    std::string error;
    ASSERT_TRUE(readFile(tune, bytes, error));
    ASSERT_TRUE(alone.setMidi(tp, bytes, error)) << error;
    alone.setLevel(tp, def(t).levelDb);
    ASSERT_TRUE(alone.loadSoundFont(findSoundFont(systemSoundFonts()), error)) << error;

    mixer_->seekToStart(tp);
    mixer_->play(tp);
    alone.play(tp);
    std::vector<float> l(kStep), r(kStep), l2(kStep), r2(kStep);
    const long peakAt = std::max(0L, levels_[tune].loudestAt);
    for (long f = 0; f < peakAt; f += kStep) {
        mixer_->render(l.data(), r.data(), kStep);
        alone.render(l2.data(), r2.data(), kStep);
    }
    mixer_->play(ep);
    double peak = 0;
    while (mixer_->playing(ep)) {
        mixer_->render(l.data(), r.data(), kStep);
        alone.render(l2.data(), r2.data(), kStep);
        for (int i = 0; i < kStep; ++i) peak = std::max({peak, double(std::abs(l[i])), double(std::abs(r[i]))});
    }
    EXPECT_GT(levels_[tune].peak + levels_[effect].peak, 1.0) << "the test needs a sum that would clip";
    EXPECT_LE(peak, kCeiling) << "\"" << effect << "\" over \"" << tune << "\"";
    // A second later the music is as loud as it is alone: the limiter has let go. (Not the same
    // samples: FluidSynth's reverb is modulated, and its phase depends on all it has rendered.)
    for (int k = 0; k < 100; ++k) {
        mixer_->render(l.data(), r.data(), kStep);
        alone.render(l2.data(), r2.data(), kStep);
    }
    double mixed = 0, plain = 0;
    for (int k = 0; k < 100; ++k) {
        mixer_->render(l.data(), r.data(), kStep);
        alone.render(l2.data(), r2.data(), kStep);
        for (int i = 0; i < kStep; ++i) {
            mixed += double(l[i]) * l[i] + double(r[i]) * r[i];
            plain += double(l2[i]) * l2[i] + double(r2[i]) * r2[i];
        }
    }
    EXPECT_NEAR(10.0 * std::log10(mixed / plain), 0.0, 0.5) << "the music stays ducked after the effect";
    mixer_->stop(tp);
}

}  // namespace
}  // namespace verminadia::audio
