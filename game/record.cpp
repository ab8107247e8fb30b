#include "game/record.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <ostream>
#include <string>

#include "core/text/utf8.h"

namespace verminadia {

namespace {

// In whole milliseconds, written with integers: printf's "%.3f" writes a comma under a German
// locale, which the window takes on from the environment.
std::string timeMarker(double seconds) {
    const double bounded = seconds > 0 ? std::min(seconds, static_cast<double>(kMaxRecordSeconds)) : 0.0;
    const long long ms = std::llround(bounded * 1000.0);
    const std::string thousandths = std::to_string(ms % 1000);
    return std::string(kRecordTime) + std::to_string(ms / 1000) + '.' + std::string(3 - thousandths.size(), '0') +
           thousandths + '\n';
}

// The commands a record holds besides comments.
constexpr std::string_view kRecordCommands[] = {"draw", "click", "tick"};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Digits, then a point and more digits, from 0 to kMaxRecordSeconds: no sign, exponent, "inf" or
// "nan", and the same in every locale.
bool parseSeconds(std::string_view text, double& seconds) {
    std::int64_t whole = 0;
    std::size_t i = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        whole = whole * 10 + (text[i] - '0');
        if (whole > kMaxRecordSeconds) return false;
    }
    if (i == 0) return false;
    std::int64_t fraction = 0, scale = 1;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && isDigit(text[i]); ++i) {
            if (scale == 1'000'000'000) continue;  // finer than a nanosecond counts for nothing
            fraction = fraction * 10 + (text[i] - '0');
            scale *= 10;
        }
    }
    if (i != text.size()) return false;
    const double value = static_cast<double>(whole) + static_cast<double>(fraction) / static_cast<double>(scale);
    if (value > static_cast<double>(kMaxRecordSeconds)) return false;
    seconds = value;
    return true;
}

}  // namespace

std::vector<int> DrawLog::take() {
    std::vector<int> out;
    out.swap(drawn_);
    return out;
}

void SessionRecorder::begin() { write(std::string(kRecordHeader) + '\n'); }

void SessionRecorder::event(std::string_view command, std::string_view name, double seconds) {
    std::string lines = timeMarker(seconds);
    const std::vector<int> drawn = draws_.take();
    if (!drawn.empty()) {
        lines += "draw";
        for (int v : drawn) lines += ' ' + std::to_string(v);
        lines += '\n';
    }
    lines += std::string(command) + ' ' + std::string(name) + '\n';
    write(lines);
}

void SessionRecorder::write(const std::string& lines) {
    for (std::size_t i = 0; i < outs_.size(); ++i) {
        std::ostream* o = outs_[i];
        errno = 0;  // so that the callback can tell why
        if (o == nullptr || (*o << lines << std::flush)) continue;
        // Whatever came after a failed write would follow a cut line: nothing more goes there.
        outs_[i] = nullptr;
        if (failed_) failed_(i);
    }
}

bool recordTime(std::string_view line, double& seconds) {
    return line.starts_with(kRecordTime) && parseSeconds(line.substr(kRecordTime.size()), seconds);
}

std::string timeMarkerError(std::string_view line) {
    double seconds = 0;
    if (!line.starts_with(kRecordTime) || recordTime(line, seconds)) return {};
    return "bad time '" + escapedInput(line.substr(kRecordTime.size())) + "': seconds from 0 to " +
           std::to_string(kMaxRecordSeconds);
}

std::string recordLineError(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    if (line[first] == '#') return timeMarkerError(line);
    const std::string_view rest = line.substr(first);
    const std::string_view command = rest.substr(0, rest.find_first_of(" \t\r"));
    for (std::string_view known : kRecordCommands) {
        if (command == known) return {};
    }
    return "'" + escapedInput(command) + "' is not in a session record, which holds only draws, clicks and ticks";
}

}  // namespace verminadia
