#pragma once
// Stop-gap for em++ 3.1.6: its libc++ has no floating-point std::from_chars, which the session
// record's time reading still calls. Force-included into the game library of the browser build
// only; it goes as soon as that reading parses without it.

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <string>

namespace std {  // NOLINT(cert-dcl58-cpp): the one overload libc++ 13 lacks, as the standard has it

inline from_chars_result from_chars(const char* first, const char* last, double& value,
                                    chars_format = chars_format::general) {
    // The standard's form: no leading space or sign of plus, no hexadecimal prefix, nothing
    // parsed past `last`.
    if (first == last || *first == ' ' || *first == '+' || *first == '\t' || *first == '\n') {
        return {first, errc::invalid_argument};
    }
    const string text(first, last);
    if (text.size() > 1 && (text[1] == 'x' || text[1] == 'X')) return {first, errc::invalid_argument};
    char* end = nullptr;
    errno = 0;
    const double parsed = strtod(text.c_str(), &end);
    if (end == text.c_str()) return {first, errc::invalid_argument};
    const char* stop = first + (end - text.c_str());
    if (errno == ERANGE) return {stop, errc::result_out_of_range};
    value = parsed;
    return {stop, errc{}};
}

}  // namespace std
