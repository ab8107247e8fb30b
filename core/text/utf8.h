#pragma once
#include <cstddef>
#include <string>
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

// The length of the well-formed UTF-8 character that starts at `at`, or 0 when the bytes there
// are none: a stray continuation byte, a cut sequence, an overlong form, a surrogate, or a code
// point past U+10FFFF.
constexpr std::size_t utf8CharLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range, narrowed for the edge cases
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() - at < length) return 0;
    if (byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
    }
    return length;
}

constexpr bool isUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = utf8CharLength(text, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

// Bytes from outside, as an error line quotes them: safe for a terminal and short. Control
// characters (C0, DEL and C1, which start escape sequences) and bytes that are not well-formed
// UTF-8 are written \xNN (a NUL \0), a backslash \\; after `maxBytes` of the input, "…" ends it.
std::string escapedInput(std::string_view bytes, std::size_t maxBytes = 60);

}  // namespace verminadia
