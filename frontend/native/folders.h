#pragma once
// The user's folders as the XDG base directories name them, for a program that keeps its files
// on the machine (the desktop's; a browser keeps its own).

#include <string>

namespace verminadia::frontend {

// $XDG_CONFIG_HOME, else ~/.config; a relative path is invalid and is ignored.
std::string configHome();
// $XDG_STATE_HOME, else ~/.local/state, the same way.
std::string stateHome();

}  // namespace verminadia::frontend
