#pragma once
// Standard MIDI files of one track made on the spot for the tests: 480 ticks a beat, 120 beats
// a minute, so 960 ticks are a second.

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace verminadia::audio::test {

struct Note {
    int channel;
    int program;  // sent on the note's channel just before it
    int key;
    int start;  // ticks
    int length;
    int volume = 100;  // the channel's volume (controller 7), sent before the note unless 100
};

inline std::vector<unsigned char> midiFile(std::initializer_list<Note> notes) {
    struct Event {
        int tick;
        int order;  // at one tick: releases, then programs, then notes
        std::vector<unsigned char> bytes;
    };
    std::vector<Event> events;
    for (const Note& n : notes) {
        const auto ch = static_cast<unsigned char>(n.channel);
        const auto key = static_cast<unsigned char>(n.key);
        events.push_back({n.start, 1, {static_cast<unsigned char>(0xC0 | ch), static_cast<unsigned char>(n.program)}});
        if (n.volume != 100)
            events.push_back(
                {n.start, 1, {static_cast<unsigned char>(0xB0 | ch), 7, static_cast<unsigned char>(n.volume)}});
        events.push_back({n.start, 2, {static_cast<unsigned char>(0x90 | ch), key, 100}});
        events.push_back({n.start + n.length, 0, {static_cast<unsigned char>(0x80 | ch), key, 0}});
    }
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::vector<unsigned char> track;
    int at = 0;
    auto delta = [&](int ticks) {
        std::vector<unsigned char> vlq;  // a variable-length quantity
        for (int v = ticks;; v >>= 7) {
            vlq.insert(vlq.begin(), static_cast<unsigned char>((v & 0x7F) | (vlq.empty() ? 0 : 0x80)));
            if (v < 128) break;
        }
        track.insert(track.end(), vlq.begin(), vlq.end());
    };
    for (const Event& e : events) {
        delta(e.tick - at);
        at = e.tick;
        track.insert(track.end(), e.bytes.begin(), e.bytes.end());
    }
    track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});  // end of track
    std::vector<unsigned char> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0, 'M', 'T', 'r', 'k'};
    const auto n = static_cast<std::uint32_t>(track.size());
    for (int shift : {24, 16, 8, 0}) file.push_back(static_cast<unsigned char>(n >> shift));
    file.insert(file.end(), track.begin(), track.end());
    return file;
}

// One note from the start: `program` on `channel`, held for `ticks`.
inline std::vector<unsigned char> midiNote(int program, int channel, int key, int ticks) {
    return midiFile({{channel, program, key, 0, ticks}});
}

}  // namespace verminadia::audio::test
