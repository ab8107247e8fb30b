#include "audio/clip.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <numbers>
#include <string_view>

#include "audio/memory_file.h"
#include "audio/system_libraries.h"

namespace verminadia::audio {

namespace {

// libsndfile plays what there is of a file cut short and only notes it in its log, as
// "data : 22050 (should be 9956)"; the game refuses such a file like a damaged one.
bool cutShort(const Sndfile& sf, SNDFILE* file) {
    std::array<char, 4096> log{};
    sf.sf_command(file, SFC_GET_LOG_INFO, log.data(), static_cast<int>(log.size()));
    const std::string_view text(log.data());
    const auto data = text.find("data : ");
    if (data == std::string_view::npos) return false;
    return text.substr(data, text.find('\n', data) - data).find("should be") != std::string_view::npos;
}

// Sound effects are a few seconds at most; anything claiming more is damaged.
constexpr sf_count_t kMaxFrames = sf_count_t{kRate} * 60;

}  // namespace

namespace {

sf_count_t memLength(void* user) { return static_cast<sf_count_t>(static_cast<MemoryFile*>(user)->bytes.size()); }

sf_count_t memSeek(sf_count_t offset, int whence, void* user) {
    auto* m = static_cast<MemoryFile*>(user);
    const auto size = static_cast<sf_count_t>(m->bytes.size());
    sf_count_t to = offset;
    if (whence == SEEK_CUR) to += m->pos;
    if (whence == SEEK_END) to += size;
    m->pos = std::clamp<sf_count_t>(to, 0, size);
    return m->pos;
}

sf_count_t memRead(void* dst, sf_count_t count, void* user) {
    auto* m = static_cast<MemoryFile*>(user);
    const sf_count_t n = std::clamp<sf_count_t>(static_cast<sf_count_t>(m->bytes.size()) - m->pos, 0, count);
    if (n > 0) std::memcpy(dst, m->bytes.data() + m->pos, static_cast<std::size_t>(n));
    m->pos += n;
    return n;
}

sf_count_t memWrite(const void*, sf_count_t, void*) { return 0; }
sf_count_t memTell(void* user) { return static_cast<MemoryFile*>(user)->pos; }

}  // namespace

SNDFILE* openInMemory(const Sndfile& sf, MemoryFile& file, SF_INFO& info) {
    SF_VIRTUAL_IO io{memLength, memSeek, memRead, memWrite, memTell};
    info = SF_INFO{};
    return sf.sf_open_virtual(&io, SFM_READ, &info, &file);
}

bool decodeWav(std::span<const unsigned char> bytes, Clip& out, std::string& error) {
    if (bytes.empty()) {
        error = "the file is empty";
        return false;
    }
    const Sndfile* sf = sndfile(error);
    if (!sf) return false;
    MemoryFile mem{bytes};
    SF_INFO info{};
    SNDFILE* file = openInMemory(*sf, mem, info);
    if (!file) {
        error = sf->sf_strerror(nullptr);
        return false;
    }
    if (info.channels < 1 || info.channels > 8 || info.samplerate < 1000 || info.samplerate > 192000 ||
        info.frames <= 0 || info.frames > kMaxFrames * 4) {
        sf->sf_close(file);
        error = "no usable sound in the file";
        return false;
    }
    if (cutShort(*sf, file)) {
        sf->sf_close(file);
        error = "the file is cut short";
        return false;
    }
    const auto channels = static_cast<std::size_t>(info.channels);
    std::vector<float> raw(static_cast<std::size_t>(info.frames) * channels);
    const sf_count_t got = sf->sf_readf_float(file, raw.data(), info.frames);
    sf->sf_close(file);
    if (got <= 0) {
        error = "no samples could be read";
        return false;
    }
    const auto inFrames = static_cast<std::size_t>(got);

    // Down to mono or up to stereo, then to the mixer's rate by linear interpolation: the effects
    // are short speech and noise, where that is inaudible.
    std::vector<float> left(inFrames), right(inFrames);
    for (std::size_t i = 0; i < inFrames; ++i) {
        const float* f = &raw[i * channels];
        left[i] = f[0];
        right[i] = channels > 1 ? f[1] : f[0];
    }
    const double step = static_cast<double>(info.samplerate) / kRate;
    const auto outFrames = static_cast<std::size_t>(static_cast<double>(inFrames) / step);
    if (outFrames == 0) {
        error = "the sound is too short";
        return false;
    }
    out.samples.assign(outFrames * 2, 0.0f);
    for (std::size_t i = 0; i < outFrames; ++i) {
        const double at = static_cast<double>(i) * step;
        const auto k = static_cast<std::size_t>(at);
        const auto frac = static_cast<float>(at - static_cast<double>(k));
        const std::size_t k1 = std::min(k + 1, inFrames - 1);
        out.samples[2 * i] = left[k] + (left[k1] - left[k]) * frac;
        out.samples[2 * i + 1] = right[k] + (right[k1] - right[k]) * frac;
    }
    return true;
}

Clip makeTone(double hz, double seconds) {
    Clip clip;
    const auto frames = static_cast<std::size_t>(seconds * kRate);
    const double edge = 0.01 * kRate;
    clip.samples.resize(frames * 2);
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i);
        const double env = std::min({1.0, t / edge, static_cast<double>(frames - i) / edge});
        const auto v = static_cast<float>(0.3 * env * std::sin(2.0 * std::numbers::pi * hz * t / kRate));
        clip.samples[2 * i] = v;
        clip.samples[2 * i + 1] = v;
    }
    return clip;
}

}  // namespace verminadia::audio
