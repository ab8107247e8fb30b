#include "ui/audio/mixer.h"

#include <fluidsynth.h>

#include <algorithm>

#include "ui/audio/midi.h"

namespace verminadia::audio {

namespace {

constexpr int kBlock = 64;         // FluidSynth's own block: a stop takes effect between blocks
constexpr int kMidiBlocks = 16;    // 16 players × 16 channels = the synthesiser's 256
constexpr float kClipGain = 0.6f;  // effects sit over the music instead of drowning it

// Where one sequence's channel messages go: its own block of 16 channels.
struct Route {
    fluid_synth_t* synth = nullptr;
    int base = 0;
};

// System messages (a GM reset above all) would reach every player's channels and are left out.
int routeEvent(void* data, fluid_midi_event_t* event) {
    const auto* route = static_cast<const Route*>(data);
    const int type = fluid_midi_event_get_type(event);
    if (type < 0x80 || type >= 0xF0) return FLUID_OK;
    const int channel = fluid_midi_event_get_channel(event);
    fluid_midi_event_set_channel(event, route->base + (channel & 15));
    if (!route->synth) return FLUID_OK;
    const int result = fluid_synth_handle_midi_event(route->synth, event);
    fluid_midi_event_set_channel(event, channel);  // the player replays its events after a seek
    return result;
}

}  // namespace

struct Mixer::Synth {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    Synth() = default;
    Synth(const Synth&) = delete;
    Synth& operator=(const Synth&) = delete;
    ~Synth() {
        if (synth) delete_fluid_synth(synth);
        if (settings) delete_fluid_settings(settings);
    }
};

struct Mixer::Slot {
    // Waveform: the clip and where it is.
    Clip clip;
    std::size_t pos = 0;
    bool playing = false;
    // MIDI: FluidSynth's player of the file and the silent synthesiser whose samples are its clock.
    std::vector<unsigned char> midi;
    int block = -1;
    Route route;
    Synth clock;
    fluid_player_t* player = nullptr;

    bool isMidi() const { return block >= 0; }
    bool midiPlaying() const { return player && fluid_player_get_status(player) == FLUID_PLAYER_PLAYING; }
    ~Slot() {
        if (player) delete_fluid_player(player);
    }
};

Mixer::Mixer(std::size_t players) {
    silenceFluidSynth();
    for (std::size_t i = 0; i <= players; ++i) slots_.push_back(std::make_unique<Slot>());
    scratch_.resize(kBlock * 2);
}

Mixer::~Mixer() {
    std::lock_guard guard(lock_);
    slots_.clear();
    synth_.reset();
}

void Mixer::setClip(std::size_t player, Clip clip) {
    std::lock_guard guard(lock_);
    if (player + 1 >= slots_.size()) return;
    Slot& s = *slots_[player];
    s.clip = std::move(clip);
    s.pos = std::min(s.pos, s.clip.frames());
}

void Mixer::setBeep(Clip clip) {
    std::lock_guard guard(lock_);
    Slot& s = *slots_.back();
    s.clip = std::move(clip);
    s.pos = s.clip.frames();
    s.playing = false;
}

bool Mixer::setMidi(std::size_t player, std::vector<unsigned char> bytes) {
    std::lock_guard guard(lock_);
    if (player + 1 >= slots_.size() || midiBlocks_ >= kMidiBlocks) return false;
    Slot& s = *slots_[player];
    if (s.isMidi()) return false;
    s.midi = std::move(bytes);
    s.block = midiBlocks_++;
    attachMidi(s);
    return true;
}

void Mixer::attachMidi(Slot& s) {
    s.clock.settings = new_fluid_settings();
    fluid_settings_setnum(s.clock.settings, "synth.sample-rate", kRate);
    fluid_settings_setint(s.clock.settings, "synth.reverb.active", 0);
    fluid_settings_setint(s.clock.settings, "synth.chorus.active", 0);
    fluid_settings_setint(s.clock.settings, "synth.polyphony", 1);
    s.clock.synth = new_fluid_synth(s.clock.settings);
    s.route = Route{synth_ ? synth_->synth : nullptr, s.block * 16};
    rewind(s);
}

// A fresh player stands before the first event. FluidSynth's own seek to 0 would skip the notes
// that start at 0, and a tune's first chord is there.
void Mixer::rewind(Slot& s) {
    if (s.player) delete_fluid_player(s.player);
    s.player = s.clock.synth ? new_fluid_player(s.clock.synth) : nullptr;
    if (!s.player) return;
    fluid_player_set_playback_callback(s.player, routeEvent, &s.route);
    fluid_player_add_mem(s.player, s.midi.data(), s.midi.size());
}

bool Mixer::loadSoundFont(const std::string& path, std::string& error) {
    auto synth = std::make_unique<Synth>();
    synth->settings = new_fluid_settings();
    fluid_settings_setnum(synth->settings, "synth.sample-rate", kRate);
    fluid_settings_setint(synth->settings, "synth.midi-channels", kMidiBlocks * 16);
    // Only the instruments the tunes choose are read into memory: the full GM set is 140 MB.
    fluid_settings_setint(synth->settings, "synth.dynamic-sample-loading", 1);
    synth->synth = new_fluid_synth(synth->settings);
    if (!synth->synth || fluid_synth_sfload(synth->synth, path.c_str(), 1) == FLUID_FAILED) {
        error = "cannot load the SoundFont " + path;
        return false;
    }
    std::lock_guard guard(lock_);
    if (synth_) return true;
    synth_ = std::move(synth);
    for (auto& s : slots_) s->route.synth = synth_->synth;
    return true;
}

bool Mixer::hasSynth() const {
    std::lock_guard guard(lock_);
    return synth_ != nullptr;
}

// The player's own notes go into their release, as when a tune ends; the other tunes play on.
void Mixer::releaseNotes(const Slot& s) {
    if (!synth_) return;
    for (int c = 0; c < 16; ++c) {
        fluid_synth_all_notes_off(synth_->synth, s.block * 16 + c);
        fluid_synth_cc(synth_->synth, s.block * 16 + c, 64, 0);  // a held pedal would keep them
    }
}

void Mixer::play(std::size_t player) {
    std::lock_guard guard(lock_);
    if (player + 1 >= slots_.size()) return;
    Slot& s = *slots_[player];
    if (s.isMidi()) {
        if (s.player) fluid_player_play(s.player);
        return;
    }
    if (s.pos >= s.clip.frames()) s.pos = 0;
    s.playing = s.clip.frames() > 0;
}

void Mixer::stop(std::size_t player) {
    std::lock_guard guard(lock_);
    if (player + 1 >= slots_.size()) return;
    Slot& s = *slots_[player];
    s.playing = false;
    // Only a playing sequence is stopped: FluidSynth's stop marks its position, and a player
    // still before its first event would then skip the notes that start there.
    if (s.midiPlaying()) {
        fluid_player_stop(s.player);
        releaseNotes(s);
    }
}

void Mixer::seekToStart(std::size_t player) {
    std::lock_guard guard(lock_);
    if (player + 1 >= slots_.size()) return;
    Slot& s = *slots_[player];
    s.playing = false;
    s.pos = 0;
    if (s.player) {
        rewind(s);
        releaseNotes(s);
    }
}

void Mixer::beep() {
    std::lock_guard guard(lock_);
    Slot& s = *slots_.back();
    s.pos = 0;
    s.playing = s.clip.frames() > 0;
}

bool Mixer::playing(std::size_t player) const {
    std::lock_guard guard(lock_);
    if (player >= slots_.size()) return false;
    const Slot& s = *slots_[player];
    return s.isMidi() ? s.midiPlaying() : s.playing;
}

bool Mixer::midiBusy() const {
    if (!synth_) return false;
    for (const auto& s : slots_)
        if (s->midiPlaying()) return true;
    return fluid_synth_get_active_voice_count(synth_->synth) > 0;
}

void Mixer::render(float* left, float* right, int frames) {
    std::lock_guard guard(lock_);
    for (int off = 0; off < frames; off += kBlock) renderBlock(left + off, right + off, std::min(kBlock, frames - off));
}

void Mixer::renderBlock(float* left, float* right, int frames) {
    // The sequences move on by this block first, so their events sound within it. Until the
    // SoundFont is in, their clocks wait: a tune told to play meanwhile starts from its beginning.
    if (synth_) {
        for (auto& s : slots_)
            if (s->midiPlaying()) {
                fluid_synth_write_float(s->clock.synth, frames, scratch_.data(), 0, 1, scratch_.data() + kBlock, 0, 1);
                // FluidSynth lets a finished file run on for a while; the game hears the end at
                // its last event, so that a play right after it starts the tune again.
                if (fluid_player_get_current_tick(s->player) > fluid_player_get_total_ticks(s->player)) rewind(*s);
            }
    }
    // An idle synthesiser is not run: the game is silent most of the time between tunes.
    if (midiBusy()) {
        fluid_synth_write_float(synth_->synth, frames, left, 0, 1, right, 0, 1);
    } else {
        std::fill_n(left, frames, 0.0f);
        std::fill_n(right, frames, 0.0f);
    }
    const auto n = static_cast<std::size_t>(frames);
    for (auto& sp : slots_) {
        Slot& s = *sp;
        if (!s.playing || s.isMidi()) continue;
        const std::size_t count = std::min(n, s.clip.frames() - s.pos);
        const float* src = &s.clip.samples[2 * s.pos];
        for (std::size_t i = 0; i < count; ++i) {
            left[i] += kClipGain * src[2 * i];
            right[i] += kClipGain * src[2 * i + 1];
        }
        s.pos += count;
        if (s.pos >= s.clip.frames()) s.playing = false;  // stays at the end until played again
    }
    for (std::size_t i = 0; i < n; ++i) {
        left[i] = std::clamp(left[i], -1.0f, 1.0f);
        right[i] = std::clamp(right[i], -1.0f, 1.0f);
    }
}

}  // namespace verminadia::audio
