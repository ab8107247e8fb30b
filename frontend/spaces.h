#pragma once
// The blanks a player or a file may leave around a value, or a line may hold alone: the ASCII
// ones and Unicode's spaces, the full-width space of Japanese texts among them.

#include <string_view>

namespace verminadia::frontend {

// `text` without the blanks at either end.
std::string_view trimSpaces(std::string_view text);

}  // namespace verminadia::frontend
