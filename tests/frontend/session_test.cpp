// The session record's rules, with the record kept in memory and a clock the test turns: what a
// new, a continued and a finished session do to the last session's record, and a record watched
// at its own pace.

#include "frontend/session/session.h"

#include <gtest/gtest.h>

#include <sstream>

#include "frontend/session/paced_replay.h"
#include "support/play.h"

namespace verminadia::frontend {
namespace {

// A record kept as a string, with as much room as a disk has left.
struct MemoryRecord final : RecordStore {
    std::optional<std::string> kept;
    std::size_t room = std::string::npos;
    bool writable = true;

    // Each flush keeps what was written, as a file does, as far as there is room.
    struct Writer final : std::stringbuf {
        explicit Writer(MemoryRecord& to) : to_(to) {}
        int sync() override {
            const std::string written = str();
            str({});
            const std::size_t fits = std::min(written.size(), to_.room - to_.kept->size());
            to_.kept->append(written, 0, fits);
            return fits == written.size() ? 0 : -1;
        }
        MemoryRecord& to_;
    };
    struct Stream final : std::ostream {
        explicit Stream(MemoryRecord& to) : std::ostream(&buf), buf(to) {}
        Writer buf;
    };

    bool exists() const override { return kept.has_value(); }
    std::unique_ptr<std::istream> read(std::string& why) const override {
        why = "it is not there";
        if (!kept) return nullptr;
        return std::make_unique<std::istringstream>(*kept);
    }
    std::unique_ptr<std::ostream> replace(const std::string& start, std::string& why) override {
        // The new record is written beside the old one, which goes only once it is whole.
        if (!writable || start.size() > room - (kept ? kept->size() : 0)) {
            why = "no space left";
            return nullptr;
        }
        kept = start;
        return std::make_unique<Stream>(*this);
    }
    void remove() override { kept.reset(); }
    std::string where() const override { return "the test's record"; }
};

// A game as a front end runs it, recorded: each event reaches the game, then the log.
struct Recorded {
    explicit Recorded(MemoryRecord& last, Resumed from = Resumed{std::make_unique<Session>()},
                      MemoryRecord* own = nullptr)
        : played(std::move(from.session)), log(*played, last, said, [this] { return now; }) {
        EXPECT_TRUE(log.open(own, from.fromRecord ? &from.record : nullptr));
    }
    void click(W w) {
        if (verminadia::click(played->game(), w) == ClickResult::Handled) log.clicked(w);
    }
    void ticks(Timer t, int n) {
        for (int i = 0; i < n; ++i) {
            if (tick(played->game(), t)) log.ticked(t);
        }
    }
    std::string dump() { return Script(*played).dump(); }
    std::unique_ptr<Session> played;
    std::ostringstream said;
    std::chrono::milliseconds now{0};
    SessionLog log;
};

using namespace std::chrono_literals;

// A last session that left the title for the hero choice, its last two ticks `then` after it began.
void leftAtTheHeroChoice(MemoryRecord& last, std::chrono::milliseconds then) {
    Recorded session(last);
    session.ticks(Timer::Opening, 18);
    session.click(W::Start);
    session.now = then;
    session.ticks(Timer::Opening, 2);
}

TEST(Session, ANewSessionReplacesTheLastRecordOnlyAtThePlayersFirstClick) {
    MemoryRecord last;
    last.kept = std::string("# verminadia session record\ntick ") + designed(Timer::Opening) + " 18\nclick " +
                designed(W::Start) + "\n";
    const std::string before = *last.kept;
    Recorded session(last);
    session.ticks(Timer::Opening, 18);
    EXPECT_EQ(*last.kept, before);
    EXPECT_TRUE(session.log.canContinue());
    session.now = 1500ms;
    session.click(W::Start);
    EXPECT_FALSE(session.log.canContinue());
    EXPECT_NE(last.kept->find(std::string("# @1.500\nclick ") + designed(W::Start) + "\n"), std::string::npos)
        << *last.kept;
    auto replayed = test::play(*last.kept);
    EXPECT_EQ(replayed.status, 0) << replayed.err;
    EXPECT_EQ(replayed.script->dump(), session.dump());
}

TEST(Session, AContinuedSessionGoesOnInTheSameRecordAndInThePlayersOwnFile) {
    MemoryRecord last, mine;
    leftAtTheHeroChoice(last, 750ms);
    std::ostringstream said;
    Resumed resumed = continueLastSession(last, said);
    ASSERT_TRUE(resumed.fromRecord);
    EXPECT_EQ(resumed.record.lastTime, 0.75);
    EXPECT_EQ(resumed.session->game().state.TitleTick, 20);
    Recorded session(last, std::move(resumed), &mine);
    session.now = 1000ms;
    session.ticks(Timer::Opening, 5);
    EXPECT_NE(last.kept->find("# @1.750\n"), std::string::npos) << "the times go on from the record's last";
    for (const std::string& record : {*last.kept, *mine.kept}) {
        auto replayed = test::play(record);
        EXPECT_EQ(replayed.status, 0) << replayed.err;
        EXPECT_EQ(replayed.state().TitleTick, 25) << record;
    }
    EXPECT_EQ(said.str(), "");
}

TEST(Session, AnEmptyLastRecordIsContinuedAndThePlayersOwnFileStillGetsEveryEvent) {
    MemoryRecord last, mine;
    last.kept.emplace();
    std::ostringstream said;
    Resumed resumed = continueLastSession(last, said);
    ASSERT_TRUE(resumed.fromRecord);
    Recorded session(last, std::move(resumed), &mine);
    session.ticks(Timer::Opening, 3);
    EXPECT_NE(mine.kept->find(std::string("tick ") + designed(Timer::Opening) + "\n"), std::string::npos) << *mine.kept;
    EXPECT_EQ(*mine.kept, *last.kept);
}

TEST(Session, ABadRecordIsSaidAndTheGameStartsAfresh) {
    MemoryRecord last;
    Session afresh;
    for (const std::string& bad :
         {std::string("tick ") + designed(Timer::Opening) + " 3\nfrobnicate\n", std::string("click Label99\n"),
          std::string("draw -1\n"), std::string("set Money 2147483647\n"), std::string("seed 7\n"),
          std::string("tick ") + designed(Timer::Opening) + "\n# @inf\ntick " + designed(Timer::Opening) + "\n",
          std::string("tick ") + designed(Timer::Opening) + " 18\ndraw 99\nclick " + designed(W::Start) + "\ntick " +
              designed(Timer::Opening) + " 11\nclick " + designed(W::TorubaChoice) + "\nclick " +
              designed(W::ArenaButton) + "\nclick " + designed(W::AmateurButton) + "\n"}) {
        last.kept = bad;
        std::ostringstream said;
        Resumed fresh = continueLastSession(last, said);
        EXPECT_EQ(said.str().rfind("verminadia: cannot continue, starting afresh: the test's record: line ", 0), 0u)
            << said.str();
        EXPECT_EQ(said.str().find('\n'), said.str().size() - 1) << "one line: " << said.str();
        EXPECT_FALSE(fresh.fromRecord);
        EXPECT_EQ(Script(*fresh.session).dump(), Script(afresh).dump()) << bad;
    }
    // No record: nothing to say.
    last.kept.reset();
    std::ostringstream said;
    EXPECT_FALSE(continueLastSession(last, said).fromRecord);
    EXPECT_EQ(said.str(), "");
}

TEST(Session, ARecordThatCannotBeWrittenIsSaidOnceAndThePlayersOwnFileGetsEverything) {
    MemoryRecord last, mine;
    last.writable = false;
    Recorded session(last, Resumed{std::make_unique<Session>()}, &mine);
    session.ticks(Timer::Opening, 18);
    session.click(W::Start);
    session.click(W::Start);
    EXPECT_EQ(session.said.str(),
              "verminadia: cannot write the session record the test's record: no space left; this session cannot be "
              "continued\n");
    auto replayed = test::play(*mine.kept);
    EXPECT_EQ(replayed.script->dump(), session.dump());
}

TEST(Session, AFullDiskIsSaidOnceAndNeverCostsTheRecord) {
    MemoryRecord last;
    std::string whole;  // the game at the last event the record took whole
    {
        Recorded session(last);
        session.ticks(Timer::Opening, 18);
        session.click(W::Start);
        last.room = last.kept->size() + 34;  // one more tick, and a line and a half of the next one
        session.ticks(Timer::Opening, 1);
        whole = session.dump();
        session.ticks(Timer::Opening, 5);
        EXPECT_EQ(session.played->game().state.TitleTick, 24) << "the game plays on";
        EXPECT_EQ(session.said.str(),
                  "verminadia: cannot write the session record the test's record: the write "
                  "failed; it holds this session only up to here\n");
    }
    ASSERT_EQ(last.kept->back(), 'k') << "the record ends cut short: " << *last.kept;

    // Continued, the cut line is dropped, said, and never followed by the new events.
    std::ostringstream said;
    Resumed resumed = continueLastSession(last, said);
    ASSERT_TRUE(resumed.fromRecord);
    EXPECT_EQ(Script(*resumed.session).dump(), whole);
    EXPECT_EQ(said.str(),
              "verminadia: the test's record: line 43: no newline at its end, so it may be cut short: dropped\n");
    last.room = std::string::npos;
    {
        Recorded session(last, std::move(resumed));
        session.ticks(Timer::Opening, 2);
        auto replayed = test::play(*last.kept);
        EXPECT_EQ(replayed.status, 0) << replayed.err;
        EXPECT_EQ(replayed.script->dump(), session.dump());
    }

    // A new session on a full disk leaves the last record as it was.
    last.room = last.kept->size();
    const std::string before = *last.kept;
    Recorded fresh(last);
    fresh.ticks(Timer::Opening, 18);
    fresh.click(W::Start);
    EXPECT_EQ(*last.kept, before);
    EXPECT_EQ(fresh.said.str(),
              "verminadia: cannot write the session record the test's record: no space left; this session cannot be "
              "continued\n");
}

TEST(Session, ContinuingFromTheTitleGivesThePlayersOwnFileTheWholeSessionInTimeOrder) {
    MemoryRecord last, mine;
    leftAtTheHeroChoice(last, 5000ms);
    Recorded session(last, Resumed{std::make_unique<Session>()}, &mine);
    session.ticks(Timer::Opening, 3);
    session.now = 1000ms;
    SilentOutput speakers;
    session.log.continueLast(speakers);
    session.now = 1500ms;
    session.ticks(Timer::Opening, 1);
    EXPECT_EQ(*mine.kept, *last.kept);
    auto replayed = test::play(*mine.kept);
    EXPECT_EQ(replayed.status, 0) << replayed.err;
    EXPECT_EQ(replayed.script->dump(), session.dump());
    std::istringstream lines(*mine.kept);
    double previous = 0;
    for (std::string line; std::getline(lines, line);) {
        double at = 0;
        if (!recordTime(line, at)) continue;
        EXPECT_GE(at, previous) << *mine.kept;
        previous = at;
    }
    EXPECT_EQ(previous, 5.5);
}

// A record whose click on Label48 draws while the record holds no draw for it (its "draw 2" went
// to the click before): the draw is decided alike however the record is played, and never by the
// clock.
TEST(Session, ADrawTheRecordDoesNotHoldIsTheSameContinuedWatchedAndReplayed) {
    MemoryRecord last;
    last.kept =
        "tick Timer1 18\nclick Label3\ntick Timer1 11\nclick Label5\nclick Button4\nclick Label41\nclick Label41\n"
        "click Label41\nclick Label41\nclick Label41\nclick Label43\nclick Button6\ndraw 2\nclick Button9\n"
        "click Label48\nclick Label49\ndraw 0\nclick Panel5\nclick Label47\nclick Label50\n";
    std::ostringstream said;
    Resumed resumed = continueLastSession(last, said);
    ASSERT_TRUE(resumed.fromRecord) << said.str();
    const std::string continued = Script(*resumed.session).dump();

    // Continued from the title of a game that had already been played live.
    Recorded fromTitle(last);
    fromTitle.ticks(Timer::Opening, 18);
    SilentOutput speakers;
    fromTitle.log.continueLast(speakers);
    EXPECT_EQ(fromTitle.dump(), continued);

    std::istringstream record(*last.kept);
    PacedReplay watched(record);
    Session fresh;
    Script watcher(fresh);
    EXPECT_EQ(watched.playUntil(watcher, 1e9), "");
    EXPECT_EQ(watcher.dump(), continued);
    for (int run = 0; run < 2; ++run) EXPECT_EQ(test::play(*last.kept).script->dump(), continued);
}

TEST(PacedReplay, PlaysEachLineWhenItsTimeComesAndStopsAtABadOne) {
    std::istringstream record(std::string("# verminadia session record\n# @0.000\ntick ") + designed(Timer::Opening) +
                              " 18\n# @1.250\nclick " + designed(W::Start) + "\n# @2.000\nfrobnicate\n");
    PacedReplay replay(record);
    Session played;
    Script script(played);
    EXPECT_EQ(replay.playUntil(script, 1.0), "");
    EXPECT_EQ(played.game().state.TitleTick, 18);
    EXPECT_EQ(replay.nextAt(), 1.25);
    EXPECT_TRUE(played.game().form.showing(W::Start));
    EXPECT_EQ(replay.playUntil(script, 1.25), "");
    EXPECT_FALSE(played.game().form.showing(W::Start));
    EXPECT_FALSE(replay.finished());
    EXPECT_EQ(replay.playUntil(script, 9.0),
              "line 7: 'frobnicate' is not in a session record, which holds only draws, clicks and ticks");
    EXPECT_TRUE(replay.finished());
}

TEST(PacedReplay, TakesOnlyWhatARecordHoldsAndLeavesOutACutLastLine) {
    const auto played = [](const std::string& text) {
        std::istringstream record(text);
        PacedReplay replay(record);
        Session fresh;
        Script script(fresh);
        return replay.playUntil(script, 1e9);
    };
    EXPECT_EQ(
        played(std::string("tick ") + designed(Timer::Opening) + "\n# @1e308\nclick " + designed(W::Start) + "\n"),
        "line 2: bad time '1e308': seconds from 0 to 1000000000");
    EXPECT_EQ(played("set Money 5\n"),
              "line 1: 'set' is not in a session record, which holds only draws, clicks and ticks");
    EXPECT_EQ(played(std::string("tick ") + designed(Timer::Opening) + " 18\nclick Lab"), "");
    EXPECT_EQ(played(std::string(5000, '#') + "\n"), "line 1: longer than 4096 bytes");
}

}  // namespace
}  // namespace verminadia::frontend
