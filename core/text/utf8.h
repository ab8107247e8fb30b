#pragma once
#include <cstddef>
#include <string_view>

namespace verminadia {

// The first `count` characters of a UTF-8 text (all of it when it is shorter).
constexpr std::string_view utf8Prefix(std::string_view text, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t chars = 0; i < text.size() && chars < count; ++chars) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
    }
    return text.substr(0, i);
}

}  // namespace verminadia
