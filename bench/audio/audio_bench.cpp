// Measurements of the sound path the game uses: the same mixer and stream, without the window.
//   audio_bench play FILE.mid SECONDS      plays a tune (CPU is read from outside, by run.sh)
//   audio_bench latency EFFECT.wav COUNT   from play() to the effect's first sample
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "ui/audio/clip.h"
#include "ui/audio/midi.h"
#include "ui/audio/mixer.h"
#include "ui/audio/output_stream.h"
#include "ui/audio/sound_files.h"

using namespace verminadia::audio;
using Clock = std::chrono::steady_clock;

namespace {

int play(const std::string& file, double seconds) {
    Mixer mixer(1);
    OutputStream stream(mixer);
    std::string error;
    std::vector<unsigned char> bytes;
    if (!stream.open(error) || !readFile(file, bytes, error) || !checkMidi(bytes, error) ||
        !mixer.setMidi(0, bytes) || !mixer.loadSoundFont(findSoundFont(systemSoundFonts()), error)) {
        std::fprintf(stderr, "audio_bench: %s\n", error.c_str());
        return 1;
    }
    mixer.play(0);
    const auto end = Clock::now() + std::chrono::duration<double>(seconds);
    std::this_thread::sleep_until(end);
    return 0;
}

int latency(const std::string& file, int count) {
    Mixer mixer(1);
    OutputStream stream(mixer);
    std::atomic<bool> armed{false};
    std::atomic<Clock::rep> heard{0};
    stream.setTap([&](const float* l, const float*, int frames) {
        if (!armed.load()) return;
        const auto now = Clock::now();
        for (int i = 0; i < frames; ++i)
            if (l[i] != 0.0f) {
                const auto at = now + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(double(i) / kRate));
                heard.store(at.time_since_epoch().count());
                armed.store(false);
                return;
            }
    });
    std::string error;
    std::vector<unsigned char> bytes;
    Clip clip;
    if (!stream.open(error) || !readFile(file, bytes, error) || !decodeWav(bytes, clip, error)) {
        std::fprintf(stderr, "audio_bench: %s\n", error.c_str());
        return 1;
    }
    mixer.setClip(0, std::move(clip));
    std::vector<double> ms;
    for (int k = 0; k < count; ++k) {
        std::this_thread::sleep_for(std::chrono::milliseconds(40 + (k * 37) % 70));
        mixer.seekToStart(0);
        heard.store(0);
        armed.store(true);
        const auto t0 = Clock::now();
        mixer.play(0);
        while (heard.load() == 0 && Clock::now() - t0 < std::chrono::seconds(1))
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        if (heard.load() == 0) continue;
        const auto at = Clock::time_point(Clock::duration(heard.load()));
        ms.push_back(std::chrono::duration<double, std::milli>(at - t0).count());
    }
    if (ms.size() < 2) return 1;
    // The first play meets a stream that the sound server is still starting; the game's first
    // sound comes seconds after the stream opened.
    std::printf("first play after opening the stream: %.1f ms\n", ms.front());
    ms.erase(ms.begin());
    std::sort(ms.begin(), ms.end());
    const double buffer = stream.bufferSeconds() * 1000.0;
    std::printf("play -> first sample rendered: median %.1f ms, worst %.1f ms (%zu plays)\n", ms[ms.size() / 2],
                ms.back(), ms.size());
    std::printf("stream buffer ahead of the speakers, at most: %.1f ms\n", buffer);
    std::printf("play -> first sample at the sound server, worst: %.1f ms (target <= 50 ms)\n", ms.back() + buffer);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "play") return play(argv[2], std::atof(argv[3]));
    if (argc == 4 && std::string(argv[1]) == "latency") return latency(argv[2], std::atoi(argv[3]));
    std::fprintf(stderr, "usage: audio_bench play FILE.mid SECONDS | latency EFFECT.wav COUNT\n");
    return 2;
}
