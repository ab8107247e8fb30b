#pragma once
// Which language the game speaks. Japanese is its own; every other language is a catalogue
// built from po/LL.po. The environment is read as gettext reads it.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace verminadia {

inline constexpr std::string_view kOwnLanguage = "ja";

// The languages the game can speak: its own first, then one per catalogue it was built with.
const std::vector<std::string>& languages();

// The language a locale name or a LANGUAGE entry asks for, among `available`: "en_US.UTF-8"
// asks for en_US, else en. Empty when it asks for none of them (C and POSIX among those).
std::string matchLanguage(std::string_view name, const std::vector<std::string>& available);

// Reads one environment variable; nullptr when it is not set.
using Environment = std::function<const char*(const char*)>;

// As gettext chooses: the first language of the colon list LANGUAGE that the game has; without
// LANGUAGE, the first set of LC_ALL, LC_MESSAGES and LANG. Anything else speaks Japanese.
std::string languageFromEnvironment(const Environment& env, const std::vector<std::string>& available);

}  // namespace verminadia
