#pragma once
// The blanks a player or a file may leave around a value, or a line may hold alone: the ASCII
// ones and Unicode's spaces, the full-width space of Japanese texts among them.

#include <string>
#include <string_view>

namespace verminadia::frontend {

// `text` without the blanks at either end.
std::string_view trimSpaces(std::string_view text);

// `text` trimmed, each run of blanks inside it one plain space: "攻撃力　　　10" is "攻撃力 10".
std::string collapseSpaces(std::string_view text);

}  // namespace verminadia::frontend
