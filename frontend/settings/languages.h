#pragma once
// Which language the game starts in: the one asked for this run, else the one chosen in the menu
// last time, else the environment's.

#include <string>
#include <string_view>

#include "language/choice.h"

namespace verminadia::frontend {

// Whether `code` names a language the game has ("ja", "en", ...).
bool knownLanguage(std::string_view code);
// The languages the game has, for the help and for messages: "ja, en".
std::string knownLanguages();

// The process's own environment.
Environment processEnvironment();

// The language to start in: `option` (--language) when given, else `remembered` (the choice
// made in the context menu last time) when it is a language the game has, else the environment
// as gettext reads it.
std::string startLanguage(std::string_view option, std::string_view remembered,
                          const Environment& env = processEnvironment());

}  // namespace verminadia::frontend
