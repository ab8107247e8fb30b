#pragma once
// What a screen reader is told of the window: each widget by what the player sees of it (a
// label's or button's caption, a picture in words, the window by its title), clickable labels as
// buttons, the message panel as a group of three text lines.

namespace verminadia::ui {

// Lets the window's own kinds of widget speak for themselves; once per program.
void installAccessibility();

}  // namespace verminadia::ui
