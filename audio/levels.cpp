#include "audio/levels.h"

#include <array>
#include <utility>

namespace verminadia::audio {

namespace {

// Measured through the mixer over each tune's loop at kSynthGain, rounded to half a decibel.
constexpr std::array<std::pair<std::string_view, double>, 13> kTuneLevels = {{
    {"hakushu.mid", -0.5},
    {"toruba.mid", -3.5},
    {"roujin.mid", -3.5},
    {"sensei.mid", -1.5},
    {"kensi.mid", -1.5},
    {"Sen1.mid", -10.5},
    {"Sen2.mid", -0.5},
    {"Sen3.mid", -6.5},
    {"Sen4.mid", -7.0},
    {"yado Lvup.mid", -3.5},
    {"make.mid", -6.0},
    {"END1.mid", -5.0},
    {"約束の場所へ.mid", -4.5},
}};

}  // namespace

double tuneLevel(std::string_view file) {
    for (const auto& [name, dB] : kTuneLevels)
        if (name == file) return dB;
    return 0.0;
}

}  // namespace verminadia::audio
