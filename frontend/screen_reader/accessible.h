#pragma once
// What a screen reader is told of each widget: its name, what the player sees of it (a caption,
// a picture in words, the message panel's lines, a panel by its heading), and its role, by the
// roles readers know: clickable labels are buttons, the message panel a section named by its lines.

#include <string>

#include "core/game.h"

namespace verminadia::frontend {

// The message panel is a section: a reader that tried to speak the name change of a focused
// group would fail on what Qt 6.4 sends with it, and its new text is announced anyway.
enum class Role { Button, StaticText, Section, Pane, Graphic, Heading };

Role roleOf(W w);

// The widget's name as the reader says it: captions in the game's language, the status screen's
// values without their padding, the pictures in words (picture_names.h), a panel by its heading.
std::string accessibleName(W w, const Game& g);

// The message panel as the reader reads it: its lines that hold something, one a line.
std::string messagePanelText(const Form& f);

}  // namespace verminadia::frontend
