#pragma once
// The window's first handlers: its creation, the opening on Timer1 and the "スタート" prompt.

namespace verminadia {

struct Game;

void FormCreate(Game& g);
void Timer1Timer(Game& g);
void Label3Click(Game& g);

}  // namespace verminadia
