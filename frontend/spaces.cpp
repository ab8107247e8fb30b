#include "frontend/spaces.h"

#include <array>

namespace verminadia::frontend {

namespace {

// The spaces beyond ASCII in UTF-8: NEL, no-break space, Ogham space, the typographic spaces,
// the line and paragraph separators, the narrow no-break, medium mathematical and full-width spaces.
constexpr std::array<std::string_view, 19> kWideSpaces = {
    "\u0085", "\u00A0", "\u1680", "\u2000", "\u2001", "\u2002", "\u2003", "\u2004", "\u2005", "\u2006",
    "\u2007", "\u2008", "\u2009", "\u200A", "\u2028", "\u2029", "\u202F", "\u205F", "\u3000",
};

bool asciiSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The length of the blank at the start (or the end) of `s`; 0 when there is none.
std::size_t blankAt(std::string_view s, bool atEnd) {
    if (s.empty()) return 0;
    if (asciiSpace(atEnd ? s.back() : s.front())) return 1;
    for (const std::string_view space : kWideSpaces) {
        if (atEnd ? s.ends_with(space) : s.starts_with(space)) return space.size();
    }
    return 0;
}

}  // namespace

std::string collapseSpaces(std::string_view text) {
    text = trimSpaces(text);
    std::string out;
    while (!text.empty()) {
        if (const std::size_t n = blankAt(text, false)) {
            if (!out.empty() && out.back() != ' ') out += ' ';
            text.remove_prefix(n);
        } else {
            out += text.front();
            text.remove_prefix(1);
        }
    }
    return out;
}

std::string_view trimSpaces(std::string_view text) {
    while (const std::size_t n = blankAt(text, false)) text.remove_prefix(n);
    while (const std::size_t n = blankAt(text, true)) text.remove_suffix(n);
    return text;
}

}  // namespace verminadia::frontend
