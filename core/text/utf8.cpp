#include "core/text/utf8.h"

namespace verminadia {

namespace {

// Ends a quote cut short in an error line: punctuation, no text of the game to translate.
constexpr std::string_view kCutMark = "…";

}  // namespace

std::string escapedInput(std::string_view bytes, std::size_t maxBytes) {
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    std::string out;
    std::size_t i = 0;
    while (i < bytes.size() && i < maxBytes) {
        const std::size_t n = utf8CharLength(bytes, i);
        // C0, DEL and C1 (U+0080 to U+009F): a terminal takes them for commands.
        const bool control = at(i) < 0x20 || at(i) == 0x7F || (n == 2 && at(i) == 0xC2 && at(i + 1) < 0xA0);
        if (n == 0 || control) {
            for (const std::size_t end = i + (n == 0 ? 1 : n); i < end; ++i) {
                constexpr char kHex[] = "0123456789abcdef";
                out += at(i) == 0 ? std::string("\\0") : std::string{'\\', 'x', kHex[at(i) >> 4], kHex[at(i) & 0xF]};
            }
            continue;
        }
        if (i + n > maxBytes) break;  // a character is never cut in two
        if (at(i) == '\\') out += '\\';
        out.append(bytes, i, n);
        i += n;
    }
    if (i < bytes.size()) out += kCutMark;
    return out;
}

}  // namespace verminadia
