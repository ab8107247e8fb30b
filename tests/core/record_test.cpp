// The session record: a session played event by event writes a script that the driver replays
// to the very same state, even when the game was killed half-way.

#include "game/record.h"

#include <gtest/gtest.h>

#include <sstream>

#include "game/events.h"
#include "support/play.h"

namespace verminadia {
namespace {

// A monkey's session, recorded as the window records it; returns the record.
std::string recordedSession(Script& played, std::uint32_t seed, int events) {
    std::uint64_t now = seed;
    ClockRandom clock([&now] { return now += 7919; });  // a clock that moves: every reseed differs
    DrawLog draws(clock);
    Game& g = played.game();
    Random* own = g.random;  // the log lives only as long as this session
    g.random = &draws;
    std::ostringstream record;
    SessionRecorder recorder(draws, {&record});
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
    g.random = own;
    return record.str();
}

TEST(SessionRecord, TheDriverReplaysARecordToTheSameStateTwiceOver) {
    for (std::uint32_t seed : {1u, 2u, 3u, 4u}) {
        Script played;
        const std::string record = recordedSession(played, seed, 4000);
        ASSERT_NE(record.find("draw "), std::string::npos) << "the session drew nothing";
        auto first = test::play(record);
        auto second = test::play(record);
        EXPECT_EQ(first.status, 0) << first.err;
        EXPECT_EQ(first.out, "");
        EXPECT_EQ(first.script->dump(), played.dump()) << "seed " << seed;
        EXPECT_EQ(second.script->dump(), first.script->dump());
    }
}

TEST(SessionRecord, EachEventCarriesItsTimeAndTheDrawsItMade) {
    Script played;
    std::ostringstream record;
    ClockRandom clock([] { return std::uint64_t{5}; });
    DrawLog draws(clock);
    SessionRecorder recorder(draws, {&record});
    recorder.begin();
    draws.draw(4);
    draws.drawWithoutReseed(3);
    recorder.clicked(W::Button9, 1.5);
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
    double seconds = 0;
    EXPECT_TRUE(recordTime(time1, seconds));
    EXPECT_DOUBLE_EQ(seconds, 1.5);
    EXPECT_TRUE(drawLine.starts_with("draw ")) << drawLine;
    EXPECT_EQ(clickLine, "click Button9");
    EXPECT_TRUE(recordTime(time2, seconds));
    EXPECT_DOUBLE_EQ(seconds, 2.25);
    EXPECT_EQ(tickLine, "tick Timer2");  // the tick drew nothing, so no draw line
    EXPECT_FALSE(recordTime("# @-1", seconds));
    EXPECT_FALSE(recordTime("# @12s", seconds));
    EXPECT_FALSE(recordTime("click Label3", seconds));
}

TEST(SessionRecord, AKilledGameLeavesARecordThatReplaysUpToItsLastEvent) {
    Script played;
    const std::string record = recordedSession(played, 9, 1500);
    // Killed after any event: every flushed prefix ends on a whole event and replays cleanly.
    for (std::size_t cut = record.find("\n# @"); cut != std::string::npos; cut = record.find("\n# @", cut + 1 + 997)) {
        auto replayed = test::play(record.substr(0, cut + 1));
        ASSERT_EQ(replayed.status, 0) << "cut at " << cut << ": " << replayed.err;
    }
}

}  // namespace
}  // namespace verminadia
