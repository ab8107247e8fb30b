#include "audio/system/system_sound.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "audio/clip.h"
#include "audio/sound_files.h"
#include "audio/stream/output_stream.h"
#include "audio/system_libraries.h"

#ifndef VERMINADIA_DATA_DIR
#define VERMINADIA_DATA_DIR ""
#endif

namespace verminadia::audio {

namespace {

// The desktop's alert sound, from the freedesktop sound theme when it is installed.
constexpr const char* kDesktopBell = "/usr/share/sounds/freedesktop/stereo/bell.oga";

constexpr std::chrono::milliseconds kFirstFrame{300};

bool endsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// Where the sound files are looked for after the working directory: share/verminadia beside the
// program's own folder, so that an install to any prefix and a package unpacked anywhere find
// theirs; then the data folder the build was configured for.
std::vector<std::string> soundFolders() {
    namespace fs = std::filesystem;
    std::vector<std::string> folders;
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) folders.push_back((program.parent_path() / ".." / "share" / "verminadia").lexically_normal().string());
    const std::string configured = fs::path(VERMINADIA_DATA_DIR).lexically_normal().string();
    if (!configured.empty() && std::find(folders.begin(), folders.end(), configured) == folders.end())
        folders.push_back(configured);
    return folders;
}

// For the line that says a file is missing: every place that was tried, in order.
std::string placesTried(const std::vector<std::string>& folders) {
    std::error_code ec;
    const std::filesystem::path here = std::filesystem::current_path(ec);
    std::string places = ec ? std::string("the working directory") : "the working directory " + here.string();
    for (const auto& f : folders) places += ", " + f;
    return places;
}

}  // namespace

SystemSound::SystemSound() : playback_(mixer_, std::make_unique<OutputStream>()) {}

SystemSound::SystemSound(std::unique_ptr<audio::Output> output, audio::Playback::Timing timing)
    : playback_(mixer_, std::move(output), timing) {}

SystemSound::~SystemSound() {
    {
        std::lock_guard guard(stateLock_);
        closing_ = true;
    }
    stateSignal_.notify_all();
    if (loader_.joinable()) loader_.join();
    playback_.stop();
}

void SystemSound::play(Player p) {
    mixer_.play(index(p));
    playback_.wake();
}

void SystemSound::beep() {
    mixer_.beep();
    playback_.wake();
}

void SystemSound::setMuted(bool muted) {
    mixer_.setMuted(muted);
    if (!muted) playback_.wake();
}

void SystemSound::start() {
    if (loader_.joinable()) return;
    loader_ = std::thread([this] { load(); });
}

bool SystemSound::waitUntilLoaded(std::chrono::milliseconds timeout) {
    if (!loader_.joinable()) return false;
    const auto until = std::chrono::steady_clock::now() + timeout;
    {
        std::unique_lock guard(stateLock_);
        if (!stateSignal_.wait_until(guard, until, [this] { return loaded_; })) return false;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
    return playback_.waitForFirstAttempt(std::max(left, std::chrono::milliseconds(0)));
}

void SystemSound::load() {
    struct Loaded {  // however the loading ends
        SystemSound& self;
        ~Loaded() {
            {
                std::lock_guard guard(self.stateLock_);
                self.loaded_ = true;
            }
            self.stateSignal_.notify_all();
        }
    } loaded{*this};
    {
        // The first gunshot is seconds away; the first frame is not.
        std::unique_lock guard(stateLock_);
        if (stateSignal_.wait_for(guard, kFirstFrame, [this] { return closing_; })) return;
    }
    // The stream opens beside the loading, and rests once the loading has been silent a while.
    playback_.start();
    std::string error;

    // Without libsndfile no file can be decoded: said once for them all.
    const bool decoding = sndfile(error) != nullptr;
    if (!decoding) std::fprintf(stderr, "verminadia: %s; no sound file can be played\n", error.c_str());
    const std::vector<std::string> folders = soundFolders();
    for (const PlayerDef& d : kPlayers) {
        if (!decoding) break;
        const std::string name(d.played);
        const std::string path = findSoundFile(name, folders);
        std::vector<unsigned char> bytes;
        if (path.empty()) {
            std::fprintf(stderr, "verminadia: sound file \"%s\" not found (looked in %s); that player stays silent\n",
                         name.c_str(), placesTried(folders).c_str());
            continue;
        }
        bool ok = readFile(path, bytes, error);
        if (ok && endsWith(name, ".ogg")) {
            ok = mixer_.setTrack(index(d.id), std::move(bytes), error);
        } else if (ok) {
            Clip clip;
            ok = decodeWav(bytes, clip, error);
            if (ok) mixer_.setClip(index(d.id), std::move(clip));
        }
        if (!ok)
            std::fprintf(stderr, "verminadia: cannot play sound file \"%s\" (%s); that player stays silent\n",
                         path.c_str(), error.c_str());
    }

    Clip bell;
    std::vector<unsigned char> bytes;
    if (!(readFile(kDesktopBell, bytes, error) && decodeWav(bytes, bell, error))) bell = makeTone(880.0, 0.15);
    mixer_.setBeep(std::move(bell));
    playback_.wake();  // a tune told to play meanwhile starts now, even if the stream rested
}

}  // namespace verminadia::audio
