#pragma once
// Just enough JSON for the script driver: quoting texts, and reading back one quoted text.

#include <optional>
#include <string>
#include <string_view>

#include "core/widgets/table.h"

namespace verminadia::json {

std::string quote(std::string_view text);  // "..." with the escapes JSON needs; UTF-8 kept as it is
std::string color(Rgb rgb);                // "#RRGGBB"
// A whole JSON string literal (quotes included, nothing after it); nullopt when malformed.
std::optional<std::string> unquote(std::string_view literal);

}  // namespace verminadia::json
