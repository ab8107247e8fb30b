#pragma once
// Where the game's players sound in the browser. Silent for now: this is the place Web Audio goes,
// playing the rendered soundtrack with the desktop's play, stop and seek semantics and levels, once
// the page has had its first gesture.

#include "core/sound.h"

namespace verminadia::web {

using WebAudioOutput = SilentOutput;

}  // namespace verminadia::web
