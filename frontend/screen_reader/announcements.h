#pragma once
// What a screen reader is told by itself when the screen changes, whatever has the focus, in the
// order a sighted player reads it: the story's new line, the place that appeared with its prompt,
// the message panel's new text, and the hero's values that changed. The desktop says it through
// notifications, a browser through a live region.

#include <optional>
#include <string>
#include <vector>

#include "core/game.h"

namespace verminadia::frontend {

// What the reader hears after a click or a tick, from the model as it was last told and as it
// is now, and where the focus was and goes with this change: what the focus reaches is said by
// the reader itself, so it is not told twice.
std::vector<std::string> announcements(const Form& before, const Form& now, std::optional<W> focusBefore,
                                       std::optional<W> focusAfter);

// A handler wrote to the message panel since `before`, even the same text again.
bool messagePanelWritten(const Form& before, const Form& now);

// The place a label is the prompt of: it labels the place for a reader, which would otherwise
// read it once more as a stray label.
std::optional<W> promptedPlace(W label);

// The hero's state for the status key, one value a line: name, level, rank, HP, MP, money.
// Empty before a hero is chosen.
std::string heroStatus(const Form& f);

}  // namespace verminadia::frontend
