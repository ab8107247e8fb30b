#pragma once
// What a screen reader is told when the screen changes. After each click or tick the front end
// reads the screen afresh and tells the reader what differs from its last reading: for now, the
// message panel's new lines, which are read as one.

#include <string>
#include <vector>

#include "core/game.h"

namespace verminadia::frontend {

// What the reader has of the screen.
struct Reading {
    std::string messagePanel;
    bool operator==(const Reading&) const = default;
};

Reading readScreen(const Game& g);

// A widget whose name the reader is to hear again, and what it says now.
struct Announcement {
    W widget;
    std::string text;
    bool operator==(const Announcement&) const = default;
};

std::vector<Announcement> announcements(const Reading& before, const Reading& after);

}  // namespace verminadia::frontend
