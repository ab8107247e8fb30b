#include "ui/sound_output.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "ui/audio/clip.h"
#include "ui/audio/levels.h"
#include "ui/audio/midi.h"
#include "ui/audio/sound_files.h"

#ifndef VERMINADIA_DATA_DIR
#define VERMINADIA_DATA_DIR ""
#endif

namespace verminadia::ui {

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

SystemSound::SystemSound() = default;

SystemSound::~SystemSound() {
    {
        std::lock_guard guard(stateLock_);
        closing_ = true;
    }
    stateSignal_.notify_all();
    if (loader_.joinable()) loader_.join();
    stream_.reset();
}

void SystemSound::start() {
    if (loader_.joinable()) return;
    loader_ = std::thread([this] { load(); });
}

bool SystemSound::waitUntilLoaded(std::chrono::milliseconds timeout) {
    if (!loader_.joinable()) return false;
    std::unique_lock guard(stateLock_);
    return stateSignal_.wait_for(guard, timeout, [this] { return loaded_; }) && streamOpen_;
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
    auto stream = std::make_unique<audio::OutputStream>(mixer_);
    if (tap_) stream->setTap(tap_);
    std::string error;
    if (!stream->open(error)) {
        std::fprintf(stderr, "verminadia: %s; the game runs silently\n", error.c_str());
        return;
    }
    stream_ = std::move(stream);
    {
        std::lock_guard guard(stateLock_);
        streamOpen_ = true;
    }

    const std::vector<std::string> folders = soundFolders();
    for (const PlayerDef& d : kPlayers) {
        const std::string name(d.file);
        const std::string path = audio::findSoundFile(name, folders);
        std::vector<unsigned char> bytes;
        if (path.empty()) {
            std::fprintf(stderr, "verminadia: sound file \"%s\" not found (looked in %s); that player stays silent\n",
                         name.c_str(), placesTried(folders).c_str());
            continue;
        }
        bool ok = audio::readFile(path, bytes, error);
        if (ok && endsWith(name, ".mid")) {
            ok = audio::checkMidi(bytes, error) && mixer_.setMidi(index(d.id), std::move(bytes), error);
            mixer_.setLevel(index(d.id), audio::tuneLevel(name));
        } else if (ok) {
            audio::Clip clip;
            ok = audio::decodeWav(bytes, clip, error);
            if (ok) mixer_.setClip(index(d.id), std::move(clip));
        }
        if (!ok)
            std::fprintf(stderr, "verminadia: cannot play sound file \"%s\" (%s); that player stays silent\n",
                         path.c_str(), error.c_str());
    }

    audio::Clip bell;
    std::vector<unsigned char> bytes;
    if (!(audio::readFile(kDesktopBell, bytes, error) && audio::decodeWav(bytes, bell, error)))
        bell = audio::makeTone(880.0, 0.15);
    mixer_.setBeep(std::move(bell));

    const std::string font = audio::findSoundFont(audio::systemSoundFonts());
    if (font.empty()) {
        std::fprintf(stderr,
                     "verminadia: no General MIDI SoundFont (install fluid-soundfont-gm); the MIDI players stay silent\n");
    } else if (!mixer_.loadSoundFont(font, error)) {
        std::fprintf(stderr, "verminadia: %s; the MIDI players stay silent\n", error.c_str());
    }
}

}  // namespace verminadia::ui
