// The session record: a session played event by event writes a script that the driver replays
// to the very same state, even when the game was killed half-way.

#include "game/record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <sstream>
#include <streambuf>

#include "game/events.h"
#include "support/play.h"

namespace verminadia {
namespace {

// A monkey's session, recorded as the window records it; returns the record. `also` get it too.
std::string recordedSession(Session& played, std::uint32_t seed, int events, std::vector<std::ostream*> also = {},
                            const SessionRecorder::WriteFailed& failed = {}) {
    played.random().seed(seed);
    played.draws().keeping(true);
    Game& g = played.game();
    std::ostringstream record;
    also.insert(also.begin(), &record);
    SessionRecorder recorder(played.draws(), also, failed);
    recorder.begin();
    std::mt19937 monkey(seed);
    for (int e = 0; e < events && g.form.open(); ++e) {
        const auto next = test::monkeyEvent(g, monkey);
        if (!next) break;
        const double seconds = e * 0.25;
        if (next->click) {
            if (click(g, *next->click) == ClickResult::Handled) recorder.clicked(*next->click, seconds);
        } else if (tick(g, next->tick)) {
            recorder.ticked(next->tick, seconds);
        }
    }
    return record.str();
}

TEST(SessionRecord, TheDriverReplaysARecordToTheSameStateTwiceOver) {
    for (std::uint32_t seed : {1u, 2u, 3u, 4u}) {
        Session played;
        const std::string record = recordedSession(played, seed, 4000);
        ASSERT_NE(record.find("draw "), std::string::npos) << "the session drew nothing";
        auto first = test::play(record);
        auto second = test::play(record);
        EXPECT_EQ(first.status, 0) << first.err;
        EXPECT_EQ(first.out, "");
        EXPECT_EQ(first.script->dump(), Script(played).dump()) << "seed " << seed;
        EXPECT_EQ(second.script->dump(), first.script->dump());
    }
}

TEST(SessionRecord, EachEventCarriesItsTimeAndTheDrawsItMade) {
    std::ostringstream record;
    ClockRandom clock([] { return std::uint64_t{5}; });
    DrawLog draws(clock);
    draws.keeping(true);
    SessionRecorder recorder(draws, {&record});
    recorder.begin();
    draws.draw(4);
    draws.drawWithoutReseed(3);
    recorder.clicked(W::AmateurButton, 1.5);
    recorder.ticked(Timer::TownMusic, 2.25);
    std::istringstream lines(record.str());
    std::string header, time1, drawLine, clickLine, time2, tickLine;
    std::getline(lines, header);
    std::getline(lines, time1);
    std::getline(lines, drawLine);
    std::getline(lines, clickLine);
    std::getline(lines, time2);
    std::getline(lines, tickLine);
    EXPECT_EQ(header, kRecordHeader);
    EXPECT_EQ(time1, "# @1.500");
    double seconds = 0;
    EXPECT_TRUE(recordTime(time1, seconds));
    EXPECT_DOUBLE_EQ(seconds, 1.5);
    EXPECT_TRUE(drawLine.starts_with("draw ")) << drawLine;
    EXPECT_EQ(clickLine, std::string("click ") + designed(W::AmateurButton));
    EXPECT_TRUE(recordTime(time2, seconds));
    EXPECT_DOUBLE_EQ(seconds, 2.25);
    EXPECT_EQ(tickLine, std::string("tick ") + designed(Timer::TownMusic));  // the tick drew nothing, so no draw line
}

TEST(SessionRecord, TimesAreDigitsWithAPointUpToABound) {
    double seconds = -1;
    for (const char* good : {"# @0", "# @12.345", "# @7.", "# @1000000000", "# @0.1234567890123"}) {
        EXPECT_TRUE(recordTime(good, seconds)) << good;
        EXPECT_EQ(timeMarkerError(good), "") << good;
    }
    EXPECT_DOUBLE_EQ(seconds, 0.123456789);
    for (const char* bad : {"inf", "nan", "1e308", "1e3", "-1", "+1", "", " 1", "1 ", ".5", "0x10", "1,5", "12s",
                            "1000000000.001", "99999999999999999999"}) {
        EXPECT_FALSE(recordTime(std::string("# @") + bad, seconds)) << bad;
        EXPECT_EQ(timeMarkerError(std::string("# @") + bad),
                  "bad time '" + std::string(bad) + "': seconds from 0 to 1000000000");
    }
    EXPECT_FALSE(recordTime(std::string("click ") + designed(W::Start), seconds));
    EXPECT_EQ(timeMarkerError("# a comment"), "");
    // Whatever the clock says, the record reads back.
    std::ostringstream record;
    ClockRandom clock([] { return std::uint64_t{5}; });
    DrawLog draws(clock);
    draws.keeping(true);
    SessionRecorder recorder(draws, {&record});
    for (const double odd : {-3.0, 1e300, std::numeric_limits<double>::quiet_NaN(), 2.5}) {
        recorder.clicked(W::AmateurButton, odd);
    }
    EXPECT_EQ(record.str(), std::string("# @0.000\nclick ") + designed(W::AmateurButton) +
                                "\n# @1000000000.000\nclick " + designed(W::AmateurButton) + "\n# @0.000\nclick " +
                                designed(W::AmateurButton) + "\n# @2.500\nclick " + designed(W::AmateurButton) + "\n");
}

// An output with room for `room` bytes, which then fails as a full disk does.
class FullDisk : public std::streambuf {
public:
    explicit FullDisk(std::size_t room) : room_(room) {}
    std::string written;

protected:
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        const std::size_t taken = std::min(static_cast<std::size_t>(n), room_ - written.size());
        written.append(s, taken);
        return static_cast<std::streamsize>(taken);
    }
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof()) || written.size() == room_) return traits_type::eof();
        written += traits_type::to_char_type(c);
        return c;
    }

private:
    std::size_t room_;
};

TEST(SessionRecord, AFullDiskIsSaidOnceAndItsRecordStaysAPrefixWhileTheGamePlaysOn) {
    for (const std::size_t room : {std::size_t{0}, std::size_t{1000}, std::size_t{4321}}) {
        Session played;
        FullDisk disk(room);
        std::ostream full(&disk);
        std::vector<std::size_t> said;
        const std::string whole =
            recordedSession(played, 5, 1500, {&full}, [&](std::size_t output) { said.push_back(output); });
        EXPECT_EQ(said, std::vector<std::size_t>{1}) << "said once, for the full one";
        // Nothing written after the failure: the record is whole up to a cut last line.
        ASSERT_LT(disk.written.size(), whole.size());
        EXPECT_EQ(whole.substr(0, disk.written.size()), disk.written) << room;
        auto replayed = test::play(disk.written.substr(0, disk.written.rfind('\n') + 1));
        EXPECT_EQ(replayed.err, "") << room;
        EXPECT_EQ(test::play(whole).script->dump(), Script(played).dump()) << "the game played on, recorded whole";
    }
}

TEST(SessionRecord, AKilledGameLeavesARecordThatReplaysUpToItsLastEvent) {
    Session played;
    const std::string record = recordedSession(played, 9, 1500);
    // Killed after any event: every flushed prefix ends on a whole event and replays cleanly.
    for (std::size_t cut = record.find("\n# @"); cut != std::string::npos; cut = record.find("\n# @", cut + 1 + 997)) {
        auto replayed = test::play(record.substr(0, cut + 1));
        ASSERT_EQ(replayed.status, 0) << "cut at " << cut << ": " << replayed.err;
    }
}

}  // namespace
}  // namespace verminadia
