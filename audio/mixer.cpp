#include "audio/mixer.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "audio/levels.h"

namespace verminadia::audio {

namespace {

using Clock = std::chrono::steady_clock;

constexpr float kReleaseSeconds = 0.15f;  // the limiter's way back to unity gain

}  // namespace

struct Mixer::Slot {
    // Waveform: the clip and where it is.
    Clip clip;
    std::size_t pos = 0;
    bool playing = false;          // for a tune: told to play and not yet at its end
    float gain = kClipGain;        // a clip's, with its own level
    Clock::time_point mutedSince;  // a clip playing while muted: where it would be is counted from here
    // A rendered tune and where it is.
    std::unique_ptr<Track> track;
    long trackPos = 0;
};

Mixer::Mixer(std::size_t players) {
    for (std::size_t i = 0; i <= players; ++i) slots_.push_back(std::make_unique<Slot>());
}

Mixer::~Mixer() {
    {
        std::lock_guard guard(lock_);
        closing_ = true;
    }
    trackMoved_.notify_all();
    if (decoder_.joinable()) decoder_.join();
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

bool Mixer::setTrack(std::size_t player, std::vector<unsigned char> bytes, std::string& error) {
    if (player + 1 >= slots_.size()) {
        error = "no such player";
        return false;
    }
    auto track = Track::make(std::move(bytes), error);
    if (!track) return false;
    {
        std::lock_guard guard(lock_);
        Slot& s = *slots_[player];
        if (s.track || synthesizes(player)) {
            error = "the player has its tune already";
            return false;
        }
        s.track = std::move(track);
        s.trackPos = 0;
        if (!decoder_.joinable()) decoder_ = std::thread([this] { decodeTracks(); });
    }
    trackMoved_.notify_one();
    return true;
}

// The mixer's decoder thread: keeps every track's ring full ahead of where it plays, looking
// again as a track moves and, while one plays, every 200 ms (the ring holds 2 s).
void Mixer::decodeTracks() {
    std::unique_lock guard(lock_);
    while (!closing_) {
        const long asked = decodeAsked_;
        bool any = false;
        for (auto& s : slots_)
            if (s->track)
                while (!closing_ && s->track->decodeAhead(guard, s->trackPos)) any = true;
        if (any) continue;  // a track may have moved while the lock was given up
        decodeDone_ = asked;
        decoded_.notify_all();
        const bool playing =
            std::any_of(slots_.begin(), slots_.end(), [](const auto& s) { return s->track && s->playing; });
        if (playing)
            trackMoved_.wait_for(guard, std::chrono::milliseconds(200));
        else
            trackMoved_.wait(guard);
    }
}

void Mixer::setLevel(std::size_t player, double dB) {
    std::lock_guard guard(lock_);
    if (player + 1 >= slots_.size()) return;
    dB = std::min(dB, 0.0);  // a level only attenuates: the loudest sounds are at their ceiling already
    slots_[player]->gain = kClipGain * static_cast<float>(std::pow(10.0, dB / 20.0));
    if (synthesizes(player)) levelSynthesized(player, dB);
}

void Mixer::rewindTrack(Slot& s) {
    s.trackPos = 0;
    s.track->rewound();
}

void Mixer::waitUntilDecoded() {
    std::unique_lock guard(lock_);
    if (!decoder_.joinable()) return;
    const long asked = ++decodeAsked_;
    trackMoved_.notify_one();
    decoded_.wait_for(guard, std::chrono::seconds(5), [&] { return decodeDone_ >= asked; });
}

void Mixer::play(std::size_t player) {
    std::lock_guard guard(lock_);
    if (player + 1 >= slots_.size()) return;
    Slot& s = *slots_[player];
    if (synthesizes(player)) {
        playSynthesized(player, s.playing);
        s.playing = true;
        return;
    }
    if (s.track) {
        if (s.trackPos >= s.track->frames()) rewindTrack(s);
        s.playing = true;
        trackMoved_.notify_one();
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
    if (synthesizes(player)) stopSynthesized(player, s.playing);
    s.playing = false;
}

void Mixer::seekToStart(std::size_t player) {
    std::lock_guard guard(lock_);
    if (player + 1 >= slots_.size()) return;
    Slot& s = *slots_[player];
    s.playing = false;
    s.pos = 0;
    if (synthesizes(player)) rewindSynthesized(player);
    if (s.track && s.trackPos != 0) {
        rewindTrack(s);
        trackMoved_.notify_one();
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
        synthSounding_ || std::any_of(slots_.begin(), slots_.end(), [](const auto& s) { return s->playing; });
    if (muted && !sounding) mutedOut_ = true;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        Slot& s = *slots_[i];
        if (synthesizes(i) || s.track || !s.playing) continue;
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

bool Mixer::render(float* left, float* right, int frames) {
    std::lock_guard guard(lock_);
    bool sounding = false;
    for (int off = 0; off < frames; off += kBlock)
        sounding = renderBlock(left + off, right + off, std::min(kBlock, frames - off)) || sounding;
    return sounding;
}

bool& Mixer::playingFlag(std::size_t player) { return slots_[player]->playing; }

bool Mixer::synthesize(float* left, float* right, int frames) {
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
    synthSounding_ = synthesize(left, right, frames);
    bool playing = false;
    const auto n = static_cast<std::size_t>(frames);
    for (auto& sp : slots_) {
        Slot& s = *sp;
        if (s.playing && s.track) {
            const long count = std::min<long>(frames, s.track->frames() - s.trackPos);
            s.track->mix(s.trackPos, static_cast<int>(count), left, right);
            s.trackPos += count;
            if (s.trackPos >= s.track->frames()) s.playing = false;  // stays at the end until played again
        } else if (s.playing && !s.clip.samples.empty()) {
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
    const bool sounding = playing || synthSounding_ || fadeOut;
    if (!sounding) limiterGain_ = 1.0f;
    return sounding;
}

}  // namespace verminadia::audio
