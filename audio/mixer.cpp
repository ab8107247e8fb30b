#include "audio/mixer.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include <fluidsynth.h>

#include "audio/levels.h"
#include "audio/midi.h"
#include "audio/sequence.h"

namespace verminadia::audio {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kMidiBlocks = 16;  // 16 players × 16 channels = the synthesiser's 256
// FluidSynth's reverb falls by about 60 dB a second once the last voice is over: after 2.5 s the
// tail is under -100 dBFS, below what 16 bits can carry, and the synthesiser stops being run.
constexpr int kTailFrames = kRate * 5 / 2;
constexpr float kReleaseSeconds = 0.15f;  // the limiter's way back to unity gain

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
    bool playing = false;          // for a tune: told to play and not yet at its end
    float gain = kClipGain;        // a clip's, with its own level
    Clock::time_point mutedSince;  // a clip playing while muted: where it would be is counted from here
    // MIDI: two players of the tune, so that a rewind never waits for one to be made.
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

Mixer::Mixer(std::size_t players) {
    routeFluidSynthLog();
    for (std::size_t i = 0; i <= players; ++i) slots_.push_back(std::make_unique<Slot>());
}

Mixer::~Mixer() {
    {
        std::lock_guard guard(lock_);
        closing_ = true;
    }
    played_.notify_all();
    if (loader_.joinable()) loader_.join();
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
    std::string error;
    return setMidi(player, std::move(bytes), error);
}

bool Mixer::setMidi(std::size_t player, std::vector<unsigned char> bytes, std::string& error) {
    std::lock_guard loading(loading_);
    if (player + 1 >= slots_.size()) {
        error = "no such player";
        return false;
    }
    Slot& s = *slots_[player];
    {
        std::lock_guard guard(lock_);
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
        std::lock_guard guard(lock_);
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

bool Mixer::loadSoundFont(const std::string& path, std::string& error) {
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
    for (const auto& s : slots_) {
        std::string why;
        if (s->isMidi() && !pinInstruments(synth->synth, s->block, s->midi, why)) {
            std::string line = cannot;
            line += ": ";
            line += why;
            error = messages.reason(line);
            return false;
        }
    }
    std::lock_guard guard(lock_);
    synth_ = std::move(synth);
    for (auto& s : slots_) {
        s->setSynth(synth_->synth);
        if (s->isMidi()) applyLevel(s->current->route);
    }
    return true;
}

void Mixer::setLevel(std::size_t player, double dB) {
    std::lock_guard loading(loading_);
    std::lock_guard guard(lock_);
    if (player + 1 >= slots_.size()) return;
    Slot& s = *slots_[player];
    dB = std::min(dB, 0.0);  // FluidSynth cannot raise every instrument: a boost would change the balance
    s.gain = kClipGain * static_cast<float>(std::pow(10.0, dB / 20.0));
    s.attenuation = static_cast<float>(-10.0 * dB);
    if (s.isMidi()) {
        s.setSynth(synth_ ? synth_->synth : nullptr);
        applyLevel(s.current->route);
    }
}

// The player's own notes go into their release, as when a tune ends; the other tunes play on.
void Mixer::releaseNotes(const Slot& s) {
    if (!synth_) return;
    for (int c = s.block * 16; c < s.block * 16 + 16; ++c) {
        // Fails only for a channel the synthesiser lacks, and every block's 16 are there.
        fluid_synth_all_notes_off(synth_->synth, c);
        fluid_synth_cc(synth_->synth, c, 64, 0);  // a held pedal would keep them
    }
}

// Under lock_, from the UI thread (seekToStart) or the audio thread (a tune at its end): only
// pointers change hands here, and the loader is woken to remake the played player.
void Mixer::rewind(Slot& s) {
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
void Mixer::remakePlayed() {
    std::unique_lock guard(lock_);
    for (;;) {
        Slot* slot = nullptr;
        played_.wait(guard, [&] {
            for (auto& s : slots_)
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

void Mixer::waitUntilRemade() {
    std::unique_lock guard(lock_);
    remade_.wait_for(guard, std::chrono::seconds(5), [&] {
        for (auto& s : slots_)
            if (s->played || s->rewinding) return false;
        return true;
    });
}

void Mixer::play(std::size_t player) {
    std::lock_guard guard(lock_);
    if (player + 1 >= slots_.size()) return;
    Slot& s = *slots_[player];
    if (s.isMidi()) {
        if (!s.playing && !s.rewinding) s.current->resume();
        s.playing = true;
        return;
    }
    if (s.pos >= s.clip.frames()) s.pos = 0;
    s.playing = s.clip.frames() > 0;
    s.mutedSince = Clock::now();
}

void Mixer::stop(std::size_t player) {
    std::lock_guard guard(lock_);
    if (player + 1 >= slots_.size()) return;
    Slot& s = *slots_[player];
    if (s.isMidi() && s.playing && !s.rewinding) {
        s.current->pause();
        releaseNotes(s);
    }
    s.playing = false;
}

void Mixer::seekToStart(std::size_t player) {
    std::lock_guard guard(lock_);
    if (player + 1 >= slots_.size()) return;
    Slot& s = *slots_[player];
    s.playing = false;
    s.pos = 0;
    if (s.isMidi()) {
        rewind(s);
        releaseNotes(s);
    }
}

void Mixer::beep() {
    std::lock_guard guard(lock_);
    Slot& s = *slots_.back();
    s.pos = 0;
    s.playing = s.clip.frames() > 0;
    s.mutedSince = Clock::now();
}

bool Mixer::playing(std::size_t player) const {
    std::lock_guard guard(lock_);
    return player < slots_.size() && slots_[player]->playing;
}

void Mixer::setMuted(bool muted) {
    std::lock_guard guard(lock_);
    if (muted == muted_) return;
    muted_ = muted;
    const auto now = Clock::now();
    // With nothing sounding there is nothing to fade out, and a sound played from now on is not heard.
    const bool sounding =
        tail_ > 0 || std::any_of(slots_.begin(), slots_.end(), [](const auto& s) { return s->playing; });
    if (muted && !sounding) mutedOut_ = true;
    for (auto& sp : slots_) {
        Slot& s = *sp;
        if (s.isMidi() || !s.playing) continue;
        if (muted) {
            s.mutedSince = now;
            continue;
        }
        // An effect is an event: what would have been heard while muted is gone.
        const auto skipped = std::chrono::duration<double>(now - s.mutedSince).count() * kRate;
        s.pos = std::min(s.clip.frames(), s.pos + static_cast<std::size_t>(std::max(0.0, skipped)));
        s.playing = s.pos < s.clip.frames();
    }
}

bool Mixer::muted() const {
    std::lock_guard guard(lock_);
    return muted_;
}

bool Mixer::wantsOutput() const {
    std::lock_guard guard(lock_);
    return !muted_ && std::any_of(slots_.begin(), slots_.end(), [](const auto& s) { return s->playing; });
}

long Mixer::synthesizedFrames() const {
    std::lock_guard guard(lock_);
    return synthesized_;
}

bool Mixer::render(float* left, float* right, int frames) {
    std::lock_guard guard(lock_);
    bool sounding = false;
    for (int off = 0; off < frames; off += kBlock)
        sounding = renderBlock(left + off, right + off, std::min(kBlock, frames - off)) || sounding;
    return sounding;
}

// Runs the synthesiser while a voice sounds and for the reverb's tail after the last one; after
// that, silence costs nothing. False when it wrote zeros.
bool Mixer::synthesize(float* left, float* right, int frames, bool tunesPlaying) {
    const bool voices = synth_ && (tunesPlaying || fluid_synth_get_active_voice_count(synth_->synth) > 0);
    tail_ = voices ? kTailFrames : std::max(0, tail_ - frames);
    if ((voices || tail_ > 0) && fluid_synth_write_float(synth_->synth, frames, left, 0, 1, right, 0, 1) == FLUID_OK) {
        synthesized_ += frames;
        return true;
    }
    std::fill_n(left, frames, 0.0f);
    std::fill_n(right, frames, 0.0f);
    return false;
}

// The master bus's limiter: a block whose peak would pass the ceiling is scaled down from its
// first sample, and the gain then returns to unity within a few hundred milliseconds, never above
// what the next block allows. No sample leaves above kCeiling; below it, nothing is touched.
void Mixer::limit(float* left, float* right, int frames) {
    float peak = 0.0f;
    for (int i = 0; i < frames; ++i) peak = std::max({peak, std::abs(left[i]), std::abs(right[i])});
    const float allowed = peak > kCeiling ? kCeiling / peak : 1.0f;
    if (allowed >= 1.0f && limiterGain_ >= 1.0f) return;
    const float from = std::min(limiterGain_, allowed);
    const float back = 1.0f - std::exp(-static_cast<float>(frames) / (kReleaseSeconds * kRate));
    const float to = std::min(allowed, from + (1.0f - from) * back);
    for (int i = 0; i < frames; ++i) {
        const float g = from + (to - from) * static_cast<float>(i + 1) / static_cast<float>(frames);
        left[i] *= g;
        right[i] *= g;
    }
    limiterGain_ = to > 0.999f ? 1.0f : to;  // the last 0.01 dB at once
}

bool Mixer::renderBlock(float* left, float* right, int frames) {
    if (muted_ && mutedOut_) {
        std::fill_n(left, frames, 0.0f);
        std::fill_n(right, frames, 0.0f);
        return false;
    }
    const bool fadeOut = muted_;
    const bool fadeIn = mutedOut_;
    mutedOut_ = muted_;
    // The tunes move on by this block first, so their events sound within it. Until the
    // SoundFont is in, their clocks wait: a tune told to play meanwhile starts from its beginning.
    bool tunesPlaying = false;
    if (synth_) {
        for (auto& sp : slots_) {
            Slot& s = *sp;
            if (!s.isMidi() || !s.playing || s.rewinding) continue;
            if (!s.current->advance(frames) || s.current->ended()) {
                s.playing = false;
                rewind(s);
            }
            tunesPlaying = tunesPlaying || s.playing;
        }
    }
    synthesize(left, right, frames, tunesPlaying);
    bool playing = false;
    const auto n = static_cast<std::size_t>(frames);
    for (auto& sp : slots_) {
        Slot& s = *sp;
        if (s.playing && !s.isMidi()) {
            const std::size_t count = std::min(n, s.clip.frames() - s.pos);
            const float* src = &s.clip.samples[2 * s.pos];
            for (std::size_t i = 0; i < count; ++i) {
                left[i] += s.gain * src[2 * i];
                right[i] += s.gain * src[2 * i + 1];
            }
            s.pos += count;
            if (s.pos >= s.clip.frames()) s.playing = false;  // stays at the end until played again
        }
        playing = playing || s.playing;
    }
    limit(left, right, frames);
    if (fadeOut || fadeIn) {
        for (int i = 0; i < frames; ++i) {
            const float step = static_cast<float>(i + 1) / static_cast<float>(frames);
            const float g = fadeOut ? 1.0f - step : step;
            left[i] *= g;
            right[i] *= g;
        }
    }
    const bool sounding = playing || tail_ > 0 || fadeOut;
    if (!sounding) limiterGain_ = 1.0f;
    return sounding;
}

}  // namespace verminadia::audio
