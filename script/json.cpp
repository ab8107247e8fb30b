#include "script/json.h"

#include <cstdio>

namespace verminadia::json {

std::string quote(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
                    out += buf;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

std::string color(Rgb rgb) {
    char buf[10];
    std::snprintf(buf, sizeof buf, "\"#%06X\"", static_cast<unsigned>(rgb & 0xFFFFFF));
    return buf;
}

namespace {

std::optional<unsigned> hex4(std::string_view s, std::size_t at) {
    if (at + 4 > s.size()) return std::nullopt;
    unsigned v = 0;
    for (std::size_t i = at; i < at + 4; ++i) {
        const char c = s[i];
        v <<= 4;
        if (c >= '0' && c <= '9')
            v |= static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f')
            v |= static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            v |= static_cast<unsigned>(c - 'A' + 10);
        else
            return std::nullopt;
    }
    return v;
}

void appendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::optional<std::string> unquote(std::string_view s) {
    if (s.size() < 2 || s.front() != '"' || s.back() != '"') return std::nullopt;
    std::string out;
    for (std::size_t i = 1; i + 1 < s.size(); ++i) {
        const char c = s[i];
        if (c == '"' || static_cast<unsigned char>(c) < 0x20) return std::nullopt;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i >= s.size() - 1) return std::nullopt;  // a backslash escaping the closing quote
        switch (s[i]) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case '/': out += '/'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                auto hi = hex4(s.substr(0, s.size() - 1), i + 1);
                if (!hi) return std::nullopt;
                i += 4;
                unsigned cp = *hi;
                if (cp >= 0xD800 && cp < 0xDC00) {  // a surrogate pair
                    if (i + 2 >= s.size() - 1 || s[i + 1] != '\\' || s[i + 2] != 'u') return std::nullopt;
                    auto lo = hex4(s.substr(0, s.size() - 1), i + 3);
                    if (!lo || *lo < 0xDC00 || *lo > 0xDFFF) return std::nullopt;
                    i += 6;
                    cp = 0x10000 + ((cp - 0xD800) << 10) + (*lo - 0xDC00);
                } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
                    return std::nullopt;
                }
                appendUtf8(out, cp);
                break;
            }
            default: return std::nullopt;
        }
    }
    return out;
}

}  // namespace verminadia::json
