#pragma once
// What a screen reader is told of each widget: its name, what the player sees of it (a caption,
// a picture in words, the message panel's lines, a panel by its heading), and its role, by the
// roles readers know: clickable labels are buttons, the message panel a group of its lines.

#include <string>

#include "core/game.h"

namespace verminadia::frontend {

enum class Role { Button, StaticText, Grouping, Pane, Graphic, Heading };

Role roleOf(W w);

// The widget's name as the reader says it: captions in the game's language, the pictures in the
// game's own words (picture_names.h).
std::string accessibleName(W w, const Game& g);

// The message panel as the reader reads it: its lines that hold something, one a line.
std::string messagePanelText(const Form& f);

}  // namespace verminadia::frontend
