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

// The last session's record as a string; each flush keeps what was written, as a file does.
struct MemoryRecord final : RecordStore {
    std::optional<std::string> kept;
    bool writable = true;

    struct Writer final : std::stringbuf {
        Writer(std::string& to, bool goOn) : to_(to) {
            if (!goOn) to_.clear();
        }
        int sync() override {
            to_ += str();
            str({});
            return 0;
        }
        std::string& to_;
    };
    struct Stream final : std::ostream {
        Stream(std::string& to, bool goOn) : std::ostream(&buf), buf(to, goOn) {}
        Writer buf;
    };

    bool exists() const override { return kept.has_value(); }
    std::unique_ptr<std::istream> read() const override {
        if (!kept) return nullptr;
        return std::make_unique<std::istringstream>(*kept);
    }
    std::unique_ptr<std::ostream> write(bool goOn) override {
        if (!writable) return nullptr;
        if (!kept) kept.emplace();
        return std::make_unique<Stream>(*kept, goOn);
    }
    void remove() override { kept.reset(); }
    std::string where() const override { return "the test's record"; }
};

// A game as a front end runs it, recorded: each event reaches the game, then the log.
struct Recorded {
    explicit Recorded(MemoryRecord& last, Resumed from = Resumed{std::make_unique<Script>()},
                      std::unique_ptr<std::ostream> extra = {})
        : script(std::move(from.script)), log(live, last, said, [this] { return now; }) {
        log.open(std::move(extra), from.fromRecord, from.lastTime);
        script->game().random = &log.random();
    }
    void click(W w) {
        if (verminadia::click(script->game(), w) == ClickResult::Handled) log.clicked(w);
    }
    void ticks(Timer t, int n) {
        for (int i = 0; i < n; ++i) {
            if (tick(script->game(), t)) log.ticked(t);
        }
    }
    std::unique_ptr<Script> script;
    ClockRandom live{[] { return std::uint64_t{1}; }};
    std::ostringstream said;
    std::chrono::milliseconds now{0};
    SessionLog log;
};

using namespace std::chrono_literals;

TEST(Session, ANewSessionReplacesTheLastRecordOnlyAtThePlayersFirstClick) {
    MemoryRecord last;
    last.kept = "# verminadia session record\ntick Timer1 18\nclick Label3\n";
    const std::string before = *last.kept;
    Recorded session(last);
    session.ticks(Timer::Opening, 18);
    EXPECT_EQ(*last.kept, before);
    EXPECT_TRUE(session.log.canContinue());
    session.now = 1500ms;
    session.click(W::Label3);
    EXPECT_FALSE(session.log.canContinue());
    EXPECT_NE(last.kept->find("# @1.500\nclick Label3\n"), std::string::npos) << *last.kept;
    auto replayed = test::play(*last.kept);
    EXPECT_EQ(replayed.status, 0) << replayed.err;
    EXPECT_EQ(replayed.script->dump(), session.script->dump());
}

TEST(Session, AContinuedSessionGoesOnInTheSameRecordAndInThePlayersOwnFile) {
    MemoryRecord last, mine;
    {
        Recorded session(last);
        session.ticks(Timer::Opening, 18);
        session.click(W::Label3);
        session.now = 750ms;
        session.ticks(Timer::Opening, 2);
    }
    std::ostringstream said;
    Resumed resumed = continueLastSession(last, said);
    ASSERT_TRUE(resumed.fromRecord);
    EXPECT_EQ(resumed.lastTime, 0.75);
    EXPECT_EQ(resumed.script->game().state.TitleTick, 20);
    Recorded session(last, std::move(resumed), mine.write(false));
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
    Recorded session(last, std::move(resumed), mine.write(false));
    session.ticks(Timer::Opening, 3);
    EXPECT_NE(mine.kept->find("tick Timer1\n"), std::string::npos) << *mine.kept;
    EXPECT_EQ(*mine.kept, *last.kept);
}

TEST(Session, ABadRecordIsSaidAndTheGameStartsAfresh) {
    MemoryRecord last;
    for (const char* bad :
         {"tick Timer1 3\nfrobnicate\n", "click Label99\n", "draw -1\n",
          "tick Timer1 18\ndraw 99\nclick Label3\ntick Timer1 11\nclick Label4\nclick Button6\nclick Button9\n"}) {
        last.kept = bad;
        std::ostringstream said;
        const Resumed fresh = continueLastSession(last, said);
        EXPECT_EQ(said.str().rfind("verminadia: cannot continue, starting afresh: the test's record: line ", 0), 0u)
            << said.str();
        EXPECT_EQ(said.str().find('\n'), said.str().size() - 1) << "one line: " << said.str();
        EXPECT_FALSE(fresh.fromRecord);
        EXPECT_EQ(fresh.script->dump(), Script().dump()) << bad;
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
    Recorded session(last, Resumed{std::make_unique<Script>()}, mine.write(false));
    session.ticks(Timer::Opening, 18);
    session.click(W::Label3);
    session.click(W::Label3);
    EXPECT_EQ(session.said.str(),
              "verminadia: cannot write the session record the test's record; this session cannot be continued\n");
    auto replayed = test::play(*mine.kept);
    EXPECT_EQ(replayed.script->dump(), session.script->dump());
}

TEST(PacedReplay, PlaysEachLineWhenItsTimeComesAndStopsAtABadOne) {
    std::istringstream record(
        "# verminadia session record\n# @0.000\ntick Timer1 18\n# @1.250\nclick Label3\n# @2.000\nfrobnicate\n");
    PacedReplay replay(record);
    Script script;
    EXPECT_EQ(replay.playUntil(script, 1.0), "");
    EXPECT_EQ(script.game().state.TitleTick, 18);
    EXPECT_EQ(replay.nextAt(), 1.25);
    EXPECT_TRUE(script.game().form.showing(W::Label3));
    EXPECT_EQ(replay.playUntil(script, 1.25), "");
    EXPECT_FALSE(script.game().form.showing(W::Label3));
    EXPECT_FALSE(replay.finished());
    EXPECT_EQ(replay.playUntil(script, 9.0), "line 7: unknown command 'frobnicate'");
    EXPECT_TRUE(replay.finished());
}

}  // namespace
}  // namespace verminadia::frontend
