#pragma once
// The window's voice: Qt's accessibility tells a screen reader each widget by the name and role
// the front end gives it (frontend/screen_reader), and the window by its title.

class QWidget;

namespace verminadia::desktop {

// Lets the window's own kinds of widget speak for themselves; once per program.
void installAccessibility();

// A widget about to be shown, with everything in it, meets a screen reader as new objects. A
// reader keeps the "visible" state it first read of an object, and Qt 6.4 tells it only when
// "showing" changes: a panel it once saw hidden would stay out of its flat review for good.
void renewAccess(QWidget* w);

}  // namespace verminadia::desktop
