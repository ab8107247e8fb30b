// libFuzzer target: the window's session record reader. Any bytes, kept as the last session's
// record, are continued as --continue does and watched as --replay does. A record is taken whole
// or not at all: what it held replays to the same game, holds only what a record may hold, and a
// refused one leaves a fresh game and one line saying why.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "core/text/utf8.h"
#include "frontend/session/paced_replay.h"
#include "frontend/session/session.h"
#include "game/record.h"

namespace {

using verminadia::Script;
using verminadia::Session;
using verminadia::frontend::RecordStore;

// The last session's record, as the fuzzer made it; nothing is ever written.
struct FuzzedRecord final : RecordStore {
    explicit FuzzedRecord(std::string bytes) : kept(std::move(bytes)) {}
    bool exists() const override { return true; }
    std::unique_ptr<std::istream> read(std::string&) const override {
        return std::make_unique<std::istringstream>(kept);
    }
    std::unique_ptr<std::ostream> replace(const std::string&, std::string& why) override {
        why = "read only";
        return nullptr;
    }
    void remove() override {}
    std::string where() const override { return "the fuzzed record"; }
    std::string kept;
};

// A tick count of thousands on a running timer plays for a long while, as asked: not a fault,
// but no use to a fuzzer.
bool hasManyTicks(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        std::size_t end = bytes.find('\n', at);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(at, end - at);
        line = line.substr(0, line.find_last_not_of(" \t\r") + 1);
        if (line.find("tick") != std::string_view::npos && line.size() - line.find_last_of(" \t") > 4) return true;
        at = end + 1;
    }
    return false;
}

// Only what the recorder writes: blank lines, comments (time markers among them), draws, clicks
// and ticks.
bool recordable(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos || line[first] == '#') return true;
    line.remove_prefix(first);
    const std::string_view command = line.substr(0, line.find_first_of(" \t\r"));
    return command == "draw" || command == "click" || command == "tick";
}

void check(bool holds) {
    if (!holds) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (hasManyTicks(bytes)) return -1;
    Session afresh;
    const std::string fresh = Script(afresh).dump();

    // --continue: the whole record, or a fresh game and one line saying why.
    const FuzzedRecord last(bytes);
    std::ostringstream said;
    verminadia::frontend::Resumed resumed = verminadia::frontend::continueLastSession(last, said);
    const std::string complaints = said.str();
    if (!resumed.fromRecord) {
        // Refused, or played to the end of the credits: nothing of it is kept.
        check(Script(*resumed.session).dump() == fresh);
        check(resumed.record.lines.empty());
    } else {
        const verminadia::frontend::RecordRead& read = resumed.record;
        check(read.lastTime >= 0 && read.lastTime <= static_cast<double>(verminadia::kMaxRecordSeconds));
        // A dropped line is only ever a last one without its newline.
        check(read.dropped.empty() || (!bytes.empty() && bytes.back() != '\n'));
        check(bytes.starts_with(read.lines));
        // What a continued session's record starts with replays to the same game.
        std::istringstream lines(read.lines);
        Session again;
        Script driver(again);
        std::string error;
        check(verminadia::frontend::replayQuietly(driver, lines, "again", error));
        check(driver.dump() == Script(*resumed.session).dump());
        for (std::size_t at = 0; at < read.lines.size();) {
            const std::size_t end = read.lines.find('\n', at);
            check(end != std::string::npos);
            check(recordable(std::string_view(read.lines).substr(at, end - at)));
            at = end + 1;
        }
    }
    // At most one line is said, whatever the record held, in UTF-8 with the bytes it quotes
    // escaped: nothing in it moves a terminal's cursor or rings its bell.
    check(complaints.empty() || complaints.find('\n') == complaints.size() - 1);
    check(verminadia::isUtf8(complaints));
    for (std::size_t i = 0; i + 1 < complaints.size(); ++i)
        check(static_cast<unsigned char>(complaints[i]) >= 0x20 && complaints[i] != 0x7F);

    // --replay: watched at its own pace, to the end or to its first bad line. A record the reader
    // takes plays to the same game.
    std::istringstream record(bytes);
    verminadia::frontend::PacedReplay paced(record);
    Session watched;
    Script watcher(watched);
    std::string stopped;
    while (!paced.finished() && stopped.empty()) stopped = paced.playUntil(watcher, paced.nextAt());
    if (resumed.fromRecord) {
        check(stopped.empty());
        check(watcher.dump() == Script(*resumed.session).dump());
    }
    return 0;
}
