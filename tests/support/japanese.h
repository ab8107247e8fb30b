#pragma once
// Whether a text holds a Japanese character: kana, kanji, or the full-width forms and spaces
// that only Japanese writing uses.

#include <cstdint>
#include <string_view>

namespace verminadia::test {

inline bool isJapanese(std::uint32_t c) {
    return (c >= 0x3000 && c <= 0x30FF) ||  // CJK punctuation and the ideographic space, kana
           (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFF00 && c <= 0xFFEF);  // full-width and half-width forms
}

inline bool hasJapanese(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const int extra = b < 0x80 ? 0 : b < 0xE0 ? 1 : b < 0xF0 ? 2 : 3;
        std::uint32_t c = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
        for (int k = 1; k <= extra && i + static_cast<std::size_t>(k) < text.size(); ++k) {
            c = (c << 6) | (static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0x3F);
        }
        if (isJapanese(c)) return true;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return false;
}

}  // namespace verminadia::test
