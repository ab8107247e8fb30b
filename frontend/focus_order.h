#pragma once
// Which widgets the keyboard reaches, and where the focus goes when a screen appears: plain
// functions of the game's model, the same in every front end.

#include <optional>
#include <vector>

#include "core/game.h"

namespace verminadia::frontend {

// The message panel's lines: a click on one is a click on the panel, which answers for them.
bool isMessageLine(W w);
// The status screen's values: the keyboard reaches them so that a screen reader reads them one
// by one, and a press does nothing.
bool isReadingStop(W w);
// Whether the keyboard reaches the widget: the clickable labels, the buttons and the message
// panel, not its lines; and the status screen's values.
bool isStop(W w);
// Whether a press on the stop is a click: every stop but the status screen's values.
bool pressable(W w);

// The widgets the keyboard can reach on the screen as it stands, in reading order, a group at a
// time: the panels on the window from top to bottom, then left to right, and in each the stops
// the same way. The showing clickable labels and buttons, the status screen's values that say
// something, and the message panel, which answers for its three lines.
std::vector<W> focusStops(const Form& f);

// The message panel is up and its next click performs a step of the story.
bool panelWaits(const Game& g);

// Where the focus goes after an event changed the stops or the panel's waiting, given where it
// was: to the message panel when it waits; else it stays where it is if that is still showing
// and nothing went away; else to the first item of the screen that appeared, or of the screen.
// The hero summary's status button and an idle message panel are on most screens, so the
// screen's own items come first, and the focus lands on something to press. Nothing when no stop is
// showing.
std::optional<W> focusAfterChange(const std::vector<W>& before, const std::vector<W>& now, bool waits,
                                  std::optional<W> current);

// The keyboard's stops as a window last showed them: where Tab and the arrows go among them, and
// where the focus goes when an event changes them.
class FocusStops {
public:
    bool has(W w) const;
    // The next stop in reading order after `current` (or the one before), round the ends; from
    // none of them, the first (or the last). Nothing when no stop is showing.
    std::optional<W> next(std::optional<W> current, bool forward) const;
    // After an event: when the stops or the message panel's waiting changed, puts where the focus
    // goes from `current` in `target` and returns true.
    bool follow(const Game& g, std::optional<W> current, std::optional<W>& target);

private:
    std::vector<W> stops_;
    bool panelWaited_ = false;
};

}  // namespace verminadia::frontend
