#pragma once
// The window's first handlers: its creation, the opening on its timer and the "スタート" prompt.

#include <string_view>

#include "core/text/text.h"

namespace verminadia {

// The game's name: the window's caption and the title spelled out by the opening.
inline constexpr std::string_view kGameTitle = N_("ヴェルミナーディア外伝");

struct Game;

// The window is created: every value a new game starts from.
void setStartingValues(Game& g);
// One tick of the opening: the maker's name, the title spelled out to shots, the prompt, then
// the prologue and the hero choice.
void advanceOpening(Game& g);
// "スタート": the shots and the applause stop and the opening goes on to the prologue.
void beginPrologue(Game& g);

}  // namespace verminadia
