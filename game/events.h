#pragma once
// The game as the window and the script driver drive it: start-up, a player's click, a timer's
// tick. Each runs the handler bound to that widget or timer.

#include "core/game.h"

namespace verminadia {

// The window has been created: the starting values are set and the title begins.
void startGame(Game& g);

enum class ClickResult { Handled, Hidden, Closed };
// A player's click: it reaches a widget only while the widget and every panel holding it are
// shown and the window is open.
ClickResult click(Game& g, W w);
// One tick of a timer; a disabled timer does not tick. True when it ticked.
bool tick(Game& g, Timer t);

// Whether a click on this widget does anything: the clickable labels, buttons and the message
// panel with its lines.
bool clickable(W w);

}  // namespace verminadia
