#include "audio/track.h"

#include <algorithm>

#include "audio/clip.h"

namespace verminadia::audio {

namespace {

constexpr long kHeadFrames = long{kRate} * 3 / 2;  // a start or a rewind has this long before the ring must be there
constexpr long kRingFrames = long{kRate} * 2;
constexpr long kStep = 4096;  // frames decoded at a time
constexpr long kLongest = 10L * 60 * kRate;
constexpr float kScale = 1.0f / 32768.0f;

}  // namespace

std::unique_ptr<Track> Track::make(std::vector<unsigned char> bytes, std::string& error) {
    if (bytes.empty()) {
        error = "the file is empty";
        return nullptr;
    }
    const Sndfile* sf = sndfile(error);
    if (!sf) return nullptr;
    std::unique_ptr<Track> t(new Track);
    t->bytes_ = std::move(bytes);
    t->memory_.bytes = t->bytes_;
    t->sf_ = sf;
    SF_INFO info{};
    t->file_ = openInMemory(*sf, t->memory_, info);
    if (!t->file_) {
        error = sf->sf_strerror(nullptr);
        return nullptr;
    }
    if (info.channels != 2 || info.samplerate != kRate || info.frames <= 0 || info.frames > kLongest) {
        error = "not a stereo tune at 44100 Hz";
        return nullptr;
    }
    t->frames_ = static_cast<long>(info.frames);
    t->headFrames_ = std::min(t->frames_, kHeadFrames);
    t->head_.resize(static_cast<std::size_t>(2 * t->headFrames_));
    std::vector<std::int16_t> rest(2 * kStep);
    long got = static_cast<long>(sf->sf_readf_short(t->file_, t->head_.data(), t->headFrames_));
    for (long n = 0; got < t->frames_; got += n) {
        n = static_cast<long>(sf->sf_readf_short(t->file_, rest.data(), kStep));
        if (n <= 0) break;
    }
    if (got != t->frames_ || sf->sf_error(t->file_) != SF_ERR_NO_ERROR) {
        error = "the file is damaged or cut short";
        return nullptr;
    }
    t->ringFrames_ = std::min(kRingFrames, std::max(0L, t->frames_ - t->headFrames_));
    t->ring_.resize(static_cast<std::size_t>(2 * t->ringFrames_));
    t->decoded_.resize(static_cast<std::size_t>(2 * kStep));
    t->rewound();
    return t;
}

Track::~Track() {
    if (file_) sf_->sf_close(file_);
}

void Track::rewound() {
    restart_ = true;
    ringStart_ = ringEnd_ = headFrames_;
}

void Track::mix(long from, int count, float* left, float* right) {
    if (from >= headFrames_) ringStart_ = std::clamp(from, ringStart_, ringEnd_);
    for (int i = 0; i < count; ++i) {
        const long f = from + i;
        const std::int16_t* frame = nullptr;
        if (f < headFrames_)
            frame = &head_[static_cast<std::size_t>(2 * f)];
        else if (f >= ringStart_ && f < ringEnd_)
            frame = &ring_[static_cast<std::size_t>(2 * (f % ringFrames_))];
        if (!frame) continue;
        left[i] += kScale * static_cast<float>(frame[0]);
        right[i] += kScale * static_cast<float>(frame[1]);
    }
}

long Track::want(long position) {
    if (restart_) ringStart_ = ringEnd_ = headFrames_;
    if (position >= headFrames_) ringStart_ = std::clamp(position, ringStart_, ringEnd_);
    const long room = ringFrames_ - (ringEnd_ - ringStart_);
    return std::min({room, kStep, frames_ - ringEnd_});
}

long Track::decode(bool restart, long at, long wanted) {
    if (restart || decodePos_ != at) {
        if (sf_->sf_seek(file_, at, SEEK_SET) < 0) return 0;
        decodePos_ = at;
    }
    const long got = std::max(0L, static_cast<long>(sf_->sf_readf_short(file_, decoded_.data(), wanted)));
    decodePos_ += got;
    return got;
}

void Track::store(long got) {
    for (long i = 0; i < got; ++i) {
        const auto at = static_cast<std::size_t>(2 * ((ringEnd_ + i) % ringFrames_));
        ring_[at] = decoded_[static_cast<std::size_t>(2 * i)];
        ring_[at + 1] = decoded_[static_cast<std::size_t>(2 * i + 1)];
    }
    ringEnd_ += got;
}

}  // namespace verminadia::audio
