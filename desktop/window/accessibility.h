#pragma once
// The window's voice: Qt's accessibility tells a screen reader each widget by the name and role
// the front end gives it (frontend/screen_reader), and the window by its title.

namespace verminadia::desktop {

// Lets the window's own kinds of widget speak for themselves; once per program.
void installAccessibility();

}  // namespace verminadia::desktop
