// libFuzzer target: the script and record reader (lines within bounds, a cut last line, time
// markers, errors quoting what they read) and the driver playing every line it accepts.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "core/text/utf8.h"
#include "files/line_reader.h"
#include "game/record.h"
#include "script/script.h"

namespace {

// A tick count of millions on a running timer plays for minutes, as asked: not a fault, but no
// use to a fuzzer. Lines with a count of more than three digits are skipped.
bool tooManyTicks(std::string_view line) {
    line = line.substr(0, line.find_last_not_of(" \t\r") + 1);
    if (!line.starts_with("tick")) return false;
    return line.size() - line.find_last_of(" \t") > 4;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream in(bytes);
    verminadia::LineReader lines(in, verminadia::kMaxRecordBytes, verminadia::kMaxRecordLineBytes);
    verminadia::Session session;
    verminadia::Script script(session);
    std::ostringstream out;
    script.step("seed 1", out);  // the same draws every run
    std::string line;
    while (lines.next(line)) {
        if (line.size() > verminadia::kMaxRecordLineBytes) __builtin_trap();
        double seconds = 0;
        if (verminadia::recordTime(line, seconds) && !(seconds >= 0 && seconds <= verminadia::kMaxRecordSeconds))
            __builtin_trap();
        const std::string bad = verminadia::timeMarkerError(line);
        if (!verminadia::isUtf8(verminadia::escapedInput(line))) __builtin_trap();
        if (tooManyTicks(line)) continue;
        const std::string reason = script.step(line, out);
        if (!reason.empty() && !verminadia::isUtf8(reason)) __builtin_trap();
        out.str({});
    }
    // Only a last line without its newline is ever dropped, and only when there is one.
    if (lines.droppedCutLine() && (bytes.empty() || bytes.back() == '\n')) __builtin_trap();
    return 0;
}
