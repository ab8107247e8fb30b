#include "game/record.h"

#include <charconv>
#include <cstdio>
#include <ostream>
#include <string>

namespace verminadia {

std::vector<int> DrawLog::take() {
    std::vector<int> out;
    out.swap(drawn_);
    return out;
}

void SessionRecorder::begin() {
    for (std::ostream* o : outs_) *o << kRecordHeader << '\n' << std::flush;
}

void SessionRecorder::event(std::string_view command, std::string_view name, double seconds) {
    char time[32];
    std::snprintf(time, sizeof time, "%.3f", seconds);
    std::string lines = std::string(kRecordTime) + time + '\n';
    const std::vector<int> drawn = draws_.take();
    if (!drawn.empty()) {
        lines += "draw";
        for (int v : drawn) lines += ' ' + std::to_string(v);
        lines += '\n';
    }
    lines += std::string(command) + ' ' + std::string(name) + '\n';
    for (std::ostream* o : outs_) *o << lines << std::flush;
}

bool recordTime(std::string_view line, double& seconds) {
    if (!line.starts_with(kRecordTime)) return false;
    line.remove_prefix(kRecordTime.size());
    const auto [ptr, ec] = std::from_chars(line.data(), line.data() + line.size(), seconds);
    return ec == std::errc() && ptr == line.data() + line.size() && seconds >= 0;
}

}  // namespace verminadia
