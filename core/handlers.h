#pragma once
// The window's event handlers, one per widget event, named after the widget and the event.
// The widget and timer tables bind them to their clicks and ticks.

namespace verminadia {

struct Game;

// Start-up and title.
void FormCreate(Game& g);
void Timer1Timer(Game& g);
void Label3Click(Game& g);

// The message panel and its three lines.
void Panel5Click(Game& g);

}  // namespace verminadia
