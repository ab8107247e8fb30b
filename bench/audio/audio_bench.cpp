// Measurements of the sound path the game uses: the same mixer, rendered files and stream, without
// the window. FILE is a sound's designed name (music/sounds.tsv); what is played is the file the
// game plays for it (the rendered tune, or the WAV).
//   audio_bench levels [SECONDS]           each tune and effect through the mixer, offline (and
//                                          the RMS of each tune's first SECONDS)
//   audio_bench play FILE SECONDS          plays a tune or an effect (CPU is read from outside)
//   audio_bench latency EFFECT.wav COUNT   from play() to the effect's first sample, stream
//                                          running and stream resting
// Run in the build folder, where the game's sound files are.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "audio/clip.h"
#include "audio/levels.h"
#include "audio/mixer.h"
#include "audio/sound_files.h"
#include "audio/stream/output_stream.h"
#include "audio/stream/playback.h"
#include "core/widgets/table.h"

using namespace verminadia;
using namespace verminadia::audio;
using Clock = std::chrono::steady_clock;

namespace {

bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// Loads one of the game's sound files into a player as the game does: the rendered tune, at the
// level it was rendered with, or the WAV.
bool load(Mixer& mixer, std::size_t player, const std::string& file, std::string& error) {
    const auto sound =
        std::find_if(kPlayers.begin(), kPlayers.end(), [&](const PlayerDef& d) { return d.file == file; });
    if (sound == kPlayers.end()) {
        error = "\"" + file + "\" is none of the game's sounds (music/sounds.tsv)";
        return false;
    }
    const std::string played(sound->played);
    std::vector<unsigned char> bytes;
    if (!readFile(played, bytes, error)) return false;
    if (endsWith(played, ".ogg")) return mixer.setTrack(player, std::move(bytes), error);
    Clip clip;
    if (!decodeWav(bytes, clip, error)) return false;
    mixer.setClip(player, std::move(clip));
    return true;
}

double dB(double v) { return 20.0 * std::log10(std::max(v, 1e-10)); }

struct Level {
    double seconds = 0, rms = 0, peak = 0;
    double loudest = 0;  // RMS of the loudest 400 ms
    long loudestAt = 0;  // its first frame
    double first = 0;    // RMS of the first `firstSeconds`
};

// Renders a player from its start to its end (a tune's loop, an effect's length).
Level measure(Mixer& mixer, std::size_t player, double firstSeconds) {
    constexpr int kPeriod = 441;  // 10 ms
    std::vector<float> l(kPeriod), r(kPeriod), window;
    Level v;
    double sum = 0, first = 0;
    long frames = 0;
    mixer.play(player);
    while (mixer.playing(player) && frames < 300L * kRate) {
        // Faster than real time: the decoder is given the time a second of periods would give it.
        if (frames % kRate == 0) mixer.waitUntilDecoded();
        mixer.render(l.data(), r.data(), kPeriod);
        double s = 0;
        for (int i = 0; i < kPeriod; ++i) {
            s += double(l[i]) * l[i] + double(r[i]) * r[i];
            v.peak = std::max({v.peak, double(std::abs(l[i])), double(std::abs(r[i]))});
        }
        sum += s;
        if (static_cast<double>(frames) < firstSeconds * kRate) first = sum;
        window.push_back(static_cast<float>(s));
        frames += kPeriod;
    }
    for (std::size_t i = 0; i + 40 <= window.size(); ++i) {
        double s = 0;
        for (std::size_t k = i; k < i + 40; ++k) s += window[k];
        if (s > v.loudest) {
            v.loudest = s;
            v.loudestAt = static_cast<long>(i) * kPeriod;
        }
    }
    v.loudest = std::sqrt(v.loudest / (2.0 * 40 * kPeriod));
    v.seconds = static_cast<double>(frames) / kRate;
    v.rms = std::sqrt(sum / (2.0 * static_cast<double>(std::max(frames, 1L))));
    v.first = std::sqrt(first / (2.0 * std::min(static_cast<double>(std::max(frames, 1L)), firstSeconds * kRate)));
    mixer.stop(player);
    std::vector<float> quiet(4096);
    for (int k = 0; k < 40; ++k) mixer.render(quiet.data(), quiet.data() + 2048, 2048);  // the tail dies away
    return v;
}

int levels(double firstSeconds) {
    Mixer mixer(kPlayerCount);
    std::string error;
    for (const PlayerDef& d : kPlayers)
        if (!load(mixer, static_cast<std::size_t>(d.id), std::string(d.file), error)) {
            std::fprintf(stderr, "audio_bench: %s: %s\n", std::string(d.played).c_str(), error.c_str());
            return 1;
        }
    std::printf("%-26s %8s %8s %8s %10s %8s %8s\n", "file", "seconds", "RMS", "peak", "loudest", "first", "level");
    std::size_t loudTune = 0, loudEffect = 0;
    Level loudTuneLevel, loudEffectLevel;
    for (const PlayerDef& d : kPlayers) {
        const auto p = static_cast<std::size_t>(d.id);
        const std::string file(d.file);
        const Level v = measure(mixer, p, firstSeconds);
        std::printf("%-26s %8.1f %8.1f %8.1f %10.1f %8.1f %8.1f\n", file.c_str(), v.seconds, dB(v.rms), dB(v.peak),
                    dB(v.loudest), dB(v.first), endsWith(file, ".mid") ? d.levelDb : dB(kClipGain));
        if (endsWith(file, ".mid") && v.loudest > loudTuneLevel.loudest) loudTune = p, loudTuneLevel = v;
        if (endsWith(file, ".wav") && v.loudest > loudEffectLevel.loudest) loudEffect = p, loudEffectLevel = v;
    }
    std::printf(
        "(dBFS; RMS over the tune's loop or the effect's length; loudest: RMS of its loudest 400 ms;\n"
        " first: RMS of its first %.0f s; level: the tune's own level, or the effects' gain, in dB)\n",
        firstSeconds);

    // The loudest effect over the loudest 400 ms of the loudest tune: what the limiter is for.
    mixer.seekToStart(loudTune);
    mixer.play(loudTune);
    std::vector<float> l(441), r(441);
    for (long f = 0; f < loudTuneLevel.loudestAt; f += 441) {
        if (f % kRate == 0) mixer.waitUntilDecoded();
        mixer.render(l.data(), r.data(), 441);
    }
    mixer.waitUntilDecoded();
    mixer.play(loudEffect);
    double peak = 0;
    for (int k = 1; mixer.playing(loudEffect); ++k) {
        if (k % 100 == 0) mixer.waitUntilDecoded();
        mixer.render(l.data(), r.data(), 441);
        for (int i = 0; i < 441; ++i) peak = std::max({peak, double(std::abs(l[i])), double(std::abs(r[i]))});
    }
    std::printf(
        "\"%s\" over the loudest passage of \"%s\": peak %.1f dBFS (ceiling %.1f dBFS; the two peaks add up to %.1f "
        "dBFS)\n",
        std::string(kPlayers[loudEffect].file).c_str(), std::string(kPlayers[loudTune].file).c_str(), dB(peak),
        dB(kCeiling), dB(loudTuneLevel.peak + loudEffectLevel.peak));
    return 0;
}

int play(const std::string& file, double seconds) {
    Mixer mixer(1);
    Playback playback(mixer, std::make_unique<OutputStream>());
    std::string error;
    if (!load(mixer, 0, file, error)) {
        std::fprintf(stderr, "audio_bench: %s\n", error.c_str());
        return 1;
    }
    playback.start();
    if (!playback.waitForFirstAttempt(std::chrono::seconds(10))) return 1;
    mixer.play(0);
    playback.wake();
    std::this_thread::sleep_until(Clock::now() + std::chrono::duration<double>(seconds));
    return 0;
}

// play() to the first non-zero sample the stream's client wrote, `count` times.
struct Latency {
    std::atomic<bool> armed{false};
    std::atomic<Clock::rep> heard{0};
    void tap(const float* l, int frames) {
        if (!armed.load()) return;
        const auto now = Clock::now();
        for (int i = 0; i < frames; ++i)
            if (l[i] != 0.0f) {
                const auto at =
                    now + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(double(i) / kRate));
                heard.store(at.time_since_epoch().count());
                armed.store(false);
                return;
            }
    }
};

void report(const char* what, std::vector<double> ms, double buffer) {
    std::sort(ms.begin(), ms.end());
    std::printf(
        "%s: play -> first sample written to the stream: median %.1f ms, worst %.1f ms (%zu plays); "
        "with the stream's buffer, worst %.1f ms (target <= 50 ms)\n",
        what, ms[ms.size() / 2], ms.back(), ms.size(), ms.back() + buffer);
}

int latency(const std::string& file, int count) {
    Mixer mixer(1);
    Playback::Timing timing;
    timing.restSeconds = 0.3;  // the same rest as the game's, sooner: many wakes in a short run
    Playback playback(mixer, std::make_unique<OutputStream>(), timing);
    Latency probe;
    playback.setTap([&](const float* l, const float*, int frames) { probe.tap(l, frames); });
    std::string error;
    if (!load(mixer, 0, file, error)) {
        std::fprintf(stderr, "audio_bench: %s\n", error.c_str());
        return 1;
    }
    playback.start();
    if (!playback.waitForFirstAttempt(std::chrono::seconds(10))) {
        std::fprintf(stderr, "audio_bench: no sound server\n");
        return 1;
    }
    auto once = [&]() -> double {
        mixer.seekToStart(0);
        probe.heard.store(0);
        probe.armed.store(true);
        const auto t0 = Clock::now();
        mixer.play(0);
        playback.wake();
        while (probe.heard.load() == 0 && Clock::now() - t0 < std::chrono::seconds(3))
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        if (probe.heard.load() == 0) return -1;
        return std::chrono::duration<double, std::milli>(Clock::time_point(Clock::duration(probe.heard.load())) - t0)
            .count();
    };
    std::vector<double> running, woken;
    // Running: plays 40 to 110 ms apart, so the stream never rests. The first meets a stream that
    // the server may still be starting; it is left out.
    for (int k = 0; k <= count; ++k) {
        std::this_thread::sleep_for(std::chrono::milliseconds(40 + (k * 37) % 70));
        const double ms = once();
        if (k > 0 && ms >= 0) running.push_back(ms);
    }
    // After a rest: each play waits until the stream has rested. The sound is written while the
    // stream is still being opened: the keeper marks it running only after that.
    for (int k = 0; k < count; ++k) {
        const auto t0 = Clock::now();
        while (!playback.running() && Clock::now() - t0 < std::chrono::seconds(1))
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        while (playback.running() && Clock::now() - t0 < std::chrono::seconds(10))
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::this_thread::sleep_for(std::chrono::milliseconds((k * 37) % 70));
        const double ms = once();
        if (ms >= 0) woken.push_back(ms);
    }
    // A second play 0.3 s after one that woke the stream right after it had rested: a PulseAudio
    // null sink renders 2 s ahead as soon as its last stream goes, and takes a new stream's second
    // period only once that is played out. The first period, already written, waits with it. A
    // sink on a sound card is rewound for a new stream instead; this is the null sink's own.
    std::vector<double> second;
    for (int k = 0; k < count / 4; ++k) {
        const auto t0 = Clock::now();
        while (!playback.running() && Clock::now() - t0 < std::chrono::seconds(1))
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        while (playback.running() && Clock::now() - t0 < std::chrono::seconds(10))
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        once();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        const double ms = once();
        if (ms >= 0) second.push_back(ms);
    }
    if (running.size() < 2 || woken.size() < 2 || second.empty()) return 1;
    const double buffer = playback.bufferSeconds() * 1000.0;
    report("stream running", running, buffer);
    report("after a rest (the stream opened by the play)", woken, buffer);
    report("null sink only: 0.3 s after a play that woke the stream just closed", second, buffer);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if ((argc == 2 || argc == 3) && std::string(argv[1]) == "levels")
        return levels(argc == 3 ? std::atof(argv[2]) : 20.0);
    if (argc == 4 && std::string(argv[1]) == "play") return play(argv[2], std::atof(argv[3]));
    if (argc == 4 && std::string(argv[1]) == "latency") return latency(argv[2], std::atoi(argv[3]));
    std::fprintf(stderr, "usage: audio_bench levels [SECONDS] | play FILE SECONDS | latency EFFECT.wav COUNT\n");
    return 2;
}
