#include "render/midi_mixer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include <fluidsynth.h>

#include "audio/levels.h"
#include "render/midi.h"
#include "render/sequence.h"

namespace verminadia::audio {

namespace {

constexpr int kMidiBlocks = 16;  // 16 players × 16 channels = the synthesiser's 256
// FluidSynth's reverb falls by about 60 dB a second once the last voice is over: after 2.5 s the
// tail is under -100 dBFS, below what 16 bits can carry, and the synthesiser stops being run.
constexpr int kTailFrames = kRate * 5 / 2;

// The instrument on a channel stays in memory from now on: with dynamic sample loading,
// FluidSynth would otherwise read it from the SoundFont when a tune chooses it, on the audio thread.
bool pinChannel(fluid_synth_t* synth, int channel) {
    fluid_preset_t* preset = fluid_synth_get_channel_preset(synth, channel);
    if (!preset) return true;  // no instrument at all: the channel stays silent
    return fluid_synth_pin_preset(synth, fluid_sfont_get_id(fluid_preset_get_sfont(preset)),
                                  fluid_preset_get_banknum(preset), fluid_preset_get_num(preset)) == FLUID_OK;
}

// A tune's bank and program choices, sent to its own channels so that FluidSynth itself
// resolves them (drum kits, missing instruments and all), and each instrument chosen pinned.
struct Pinning {
    fluid_synth_t* synth;
    int base;
    int failures = 0;
};

int pinChoice(void* data, fluid_midi_event_t* event) {
    auto& p = *static_cast<Pinning*>(data);
    const int type = fluid_midi_event_get_type(event);
    const int channel = p.base + (fluid_midi_event_get_channel(event) & 15);
    if (type == 0xB0) {
        const int control = fluid_midi_event_get_control(event);
        if ((control == 0 || control == 32) &&
            fluid_synth_cc(p.synth, channel, control, fluid_midi_event_get_value(event)) != FLUID_OK)
            ++p.failures;
    } else if (type == 0xC0) {
        if (fluid_synth_program_change(p.synth, channel, fluid_midi_event_get_program(event)) != FLUID_OK ||
            !pinChannel(p.synth, channel))
            ++p.failures;
    }
    return FLUID_OK;
}

bool isDrumChannel(int channel) { return channel % 16 == 9; }

// Every block starts as General MIDI's 16 channels do: pianos, with drums on channel 10.
bool resetBlock(fluid_synth_t* synth, int base) {
    for (int c = base; c < base + 16; ++c)
        if (fluid_synth_bank_select(synth, c, isDrumChannel(c) ? 128 : 0) != FLUID_OK ||
            fluid_synth_program_change(synth, c, 0) != FLUID_OK)
            return false;
    return true;
}

bool pinInstruments(fluid_synth_t* synth, int block, const std::vector<unsigned char>& bytes, std::string& error) {
    Pinning p{synth, block * 16};
    for (int c = p.base; c < p.base + 16; ++c)  // what a tune plays without choosing
        if (!pinChannel(synth, c)) ++p.failures;
    if (!forEachMessage(bytes, pinChoice, &p, error)) return false;
    if (p.failures > 0 || !resetBlock(synth, p.base)) {
        error = "cannot load the instruments a tune chooses";
        return false;
    }
    return true;
}

}  // namespace

struct MidiMixer::Synth {
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

// Two players of the tune, so that a rewind never waits for one to be made.
struct MidiMixer::Tune {
    int block = -1;
    std::vector<unsigned char> midi;    // set once; the loader remakes players from it
    std::unique_ptr<Sequence> current;  // the one that plays
    std::unique_ptr<Sequence> spare;    // fresh, for the next rewind; null while being remade
    std::unique_ptr<Sequence> played;   // rewound, waiting for the loader
    bool rewinding = false;             // current has played and waits for the spare
    float attenuation = 0.0f;           // the tune's own level, in centibels on each of its channels

    bool isMidi() const { return block >= 0; }
    void setSynth(fluid_synth_t* synth) {
        for (auto* q : {&current, &spare, &played})
            if (*q) {
                (*q)->route.synth = synth;
                (*q)->route.attenuation = attenuation;
            }
    }
};

MidiMixer::MidiMixer(std::size_t players) : Mixer(players) {
    routeFluidSynthLog();
    for (std::size_t i = 0; i < players; ++i) tunes_.push_back(std::make_unique<Tune>());
}

MidiMixer::~MidiMixer() {
    {
        std::lock_guard guard(lock());
        closing_ = true;
    }
    played_.notify_all();
    if (loader_.joinable()) loader_.join();
    std::lock_guard guard(lock());
    tunes_.clear();
    synth_.reset();
}

bool MidiMixer::setMidi(std::size_t player, std::vector<unsigned char> bytes) {
    std::string error;
    return setMidi(player, std::move(bytes), error);
}

bool MidiMixer::setMidi(std::size_t player, std::vector<unsigned char> bytes, std::string& error) {
    std::lock_guard loading(loading_);
    if (player >= tunes_.size()) {
        error = "no such player";
        return false;
    }
    Tune& s = *tunes_[player];
    {
        std::lock_guard guard(lock());
        if (s.isMidi()) {
            error = "the player has its tune already";
            return false;
        }
    }
    if (midiBlocks_ >= kMidiBlocks) {
        error = "more tunes than the synthesiser has channels for";
        return false;
    }
    FluidSynthMessages messages;
    std::string why;
    auto current = Sequence::make(bytes, why);
    auto spare = current ? Sequence::make(bytes, why) : nullptr;
    if (!spare) {
        error = messages.reason(why);
        return false;
    }
    const int block = midiBlocks_;
    // synth_ changes only under loading_, which this call holds.
    if (synth_ && !pinInstruments(synth_->synth, block, bytes, why)) {
        error = messages.reason(why);
        return false;
    }
    ++midiBlocks_;
    {
        std::lock_guard guard(lock());
        s.block = block;
        s.midi = std::move(bytes);
        s.current = std::move(current);
        s.spare = std::move(spare);
        s.current->route.base = s.spare->route.base = block * 16;
        s.setSynth(synth_ ? synth_->synth : nullptr);
    }
    if (!loader_.joinable()) loader_ = std::thread([this] { remakePlayed(); });
    return true;
}

bool MidiMixer::loadSoundFont(const std::string& path, std::string& error) {
    std::lock_guard loading(loading_);
    if (synth_) return true;
    FluidSynthMessages messages;
    const std::string cannot = "cannot load the SoundFont " + path;
    auto synth = std::make_unique<Synth>();
    synth->settings = new_fluid_settings();
    if (!synth->settings || fluid_settings_setnum(synth->settings, "synth.sample-rate", kRate) != FLUID_OK ||
        fluid_settings_setnum(synth->settings, "synth.gain", kSynthGain) != FLUID_OK ||
        fluid_settings_setint(synth->settings, "synth.midi-channels", kMidiBlocks * 16) != FLUID_OK ||
        // Only the instruments the tunes choose are read into memory: the full GM set is 140 MB.
        fluid_settings_setint(synth->settings, "synth.dynamic-sample-loading", 1) != FLUID_OK ||
        !(synth->synth = new_fluid_synth(synth->settings))) {
        error = messages.reason(cannot + ": FluidSynth cannot make a synthesiser");
        return false;
    }
    // Channel 10 of every block is for drums, as in General MIDI; FluidSynth makes only the very
    // first channel 10 so. Set before the SoundFont, whose loading then gives them the drum kit.
    for (int c = 0; c < kMidiBlocks * 16; ++c)
        if (isDrumChannel(c) && (fluid_synth_set_channel_type(synth->synth, c, CHANNEL_TYPE_DRUM) != FLUID_OK ||
                                 fluid_synth_bank_select(synth->synth, c, 128) != FLUID_OK)) {
            error = messages.reason(cannot + ": FluidSynth has no drum channels");
            return false;
        }
    if (fluid_synth_sfload(synth->synth, path.c_str(), 1) == FLUID_FAILED) {
        error = messages.reason(cannot);
        return false;
    }
    // The tunes' instruments are read here, before the synthesiser has another user. The tunes
    // themselves change only under loading_, which this call holds.
    for (const auto& s : tunes_) {
        std::string why;
        if (s->isMidi() && !pinInstruments(synth->synth, s->block, s->midi, why)) {
            std::string line = cannot;
            line += ": ";
            line += why;
            error = messages.reason(line);
            return false;
        }
    }
    std::lock_guard guard(lock());
    synth_ = std::move(synth);
    for (auto& s : tunes_) {
        s->setSynth(synth_->synth);
        if (s->isMidi()) applyLevel(s->current->route);
    }
    return true;
}

bool MidiMixer::synthesizes(std::size_t player) const { return player < tunes_.size() && tunes_[player]->isMidi(); }

void MidiMixer::playSynthesized(std::size_t player, bool playing) {
    Tune& s = *tunes_[player];
    if (!playing && !s.rewinding) s.current->resume();
}

void MidiMixer::stopSynthesized(std::size_t player, bool playing) {
    Tune& s = *tunes_[player];
    if (playing && !s.rewinding) {
        s.current->pause();
        releaseNotes(s);
    }
}

void MidiMixer::rewindSynthesized(std::size_t player) {
    Tune& s = *tunes_[player];
    rewind(s);
    releaseNotes(s);
}

void MidiMixer::levelSynthesized(std::size_t player, double dB) {
    Tune& s = *tunes_[player];
    s.attenuation = static_cast<float>(-10.0 * dB);
    s.setSynth(synth_ ? synth_->synth : nullptr);
    applyLevel(s.current->route);
}

// The player's own notes go into their release, as when a tune ends; the other tunes play on.
void MidiMixer::releaseNotes(const Tune& s) {
    if (!synth_) return;
    for (int c = s.block * 16; c < s.block * 16 + 16; ++c) {
        // Fails only for a channel the synthesiser lacks, and every block's 16 are there.
        fluid_synth_all_notes_off(synth_->synth, c);
        fluid_synth_cc(synth_->synth, c, 64, 0);  // a held pedal would keep them
    }
}

// Under the mixer's lock, from the UI thread (seekToStart) or the audio thread (a tune at its end): only
// pointers change hands here, and the loader is woken to remake the played player.
void MidiMixer::rewind(Tune& s) {
    if (s.rewinding || !s.current->started()) return;  // at its beginning already, or soon
    if (!s.spare) {
        s.rewinding = true;  // the loader is still remaking the other; it swaps in when done
        return;
    }
    s.played = std::move(s.current);
    s.current = std::move(s.spare);
    played_.notify_one();
}

// The mixer's loader thread: each played player is replaced by a fresh one of the same tune,
// made outside the lock, and handed back as the spare (or as the current one, if a rewind waits).
void MidiMixer::remakePlayed() {
    std::unique_lock guard(lock());
    for (;;) {
        Tune* slot = nullptr;
        played_.wait(guard, [&] {
            for (auto& s : tunes_)
                if (s->played) slot = s.get();
            return closing_ || slot;
        });
        if (closing_) return;
        std::unique_ptr<Sequence> q = std::move(slot->played);
        guard.unlock();
        FluidSynthMessages messages;
        std::string why;
        if (!q->remake(slot->midi, why)) {  // the tune's bytes never change once set
            std::fprintf(stderr, "verminadia: cannot rewind a tune (%s); it stays silent\n",
                         messages.reason(why).c_str());
            q.reset();
            guard.lock();
            continue;
        }
        guard.lock();
        q->route.synth = synth_ ? synth_->synth : nullptr;
        q->route.attenuation = slot->attenuation;
        if (slot->rewinding) {
            slot->played = std::move(slot->current);
            slot->current = std::move(q);
            slot->rewinding = false;
        } else {
            slot->spare = std::move(q);
        }
        remade_.notify_all();
    }
}

void MidiMixer::waitUntilRemade() {
    std::unique_lock guard(lock());
    remade_.wait_for(guard, std::chrono::seconds(5), [&] {
        for (auto& s : tunes_)
            if (s->played || s->rewinding) return false;
        return true;
    });
}

long MidiMixer::synthesizedFrames() const {
    std::lock_guard guard(lock());
    return synthesized_;
}

// The tunes move on by this block first, so their events sound within it. Until the SoundFont is
// in, their clocks wait: a tune told to play meanwhile starts from its beginning. The synthesiser
// runs while a voice sounds and for the reverb's tail after the last one; after that, silence
// costs nothing.
bool MidiMixer::synthesize(float* left, float* right, int frames) {
    bool tunesPlaying = false;
    if (synth_) {
        for (std::size_t p = 0; p < tunes_.size(); ++p) {
            Tune& s = *tunes_[p];
            bool& playing = playingFlag(p);
            if (!s.isMidi() || !playing || s.rewinding) continue;
            if (!s.current->advance(frames) || s.current->ended()) {
                playing = false;
                rewind(s);
            }
            tunesPlaying = tunesPlaying || playing;
        }
    }
    const bool voices = synth_ && (tunesPlaying || fluid_synth_get_active_voice_count(synth_->synth) > 0);
    tail_ = voices ? kTailFrames : std::max(0, tail_ - frames);
    if ((voices || tail_ > 0) && fluid_synth_write_float(synth_->synth, frames, left, 0, 1, right, 0, 1) == FLUID_OK) {
        synthesized_ += frames;
        return true;
    }
    std::fill_n(left, frames, 0.0f);
    std::fill_n(right, frames, 0.0f);
    return tail_ > 0;
}

}  // namespace verminadia::audio
