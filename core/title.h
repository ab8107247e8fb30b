#pragma once
// The window's first handlers: its creation, the opening on Timer1 and the "スタート" prompt.

#include <string_view>

#include "core/text.h"

namespace verminadia {

// The game's name: the window's caption and the title spelled out by the opening.
inline constexpr std::string_view kGameTitle = N_("ヴェルミナーディア外伝");

struct Game;

void FormCreate(Game& g);
void Timer1Timer(Game& g);
void Label3Click(Game& g);

}  // namespace verminadia
