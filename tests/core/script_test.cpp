// The script driver's language: what it accepts, what it prints and how it refuses bad lines.

#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <streambuf>

#include "game/record.h"
#include "support/play.h"

namespace verminadia {
namespace {

using test::play;

TEST(Script, SkipsBlankLinesAndCommentsAndPrintsFieldsWidgetsTimersAndPlayers) {
    auto p = play(std::string("# a comment\n\n   \nprint Gold\nprint TearName\nprint ") + designed(W::Start) +
                  "\nprint " + designed(Timer::Opening) + "\nprint " + designed(Tune::Inn) + "\nprint " +
                  designed(W::FrogPicture) + "\nprint " + designed(W::CasinoPanel) + "\n");
    EXPECT_EQ(p.status, 0);
    EXPECT_EQ(p.out,
              "50\n"
              "\"ドラゴンの涙\"\n"
              "{\"kind\":\"label\",\"visible\":false,\"showing\":false,\"caption\":\"スタート\","
              "\"font_color\":\"#00FFFF\",\"font_size\":12,\"top\":264}\n"
              "{\"enabled\":true,\"interval\":1500}\n"
              "{\"file\":\"yado Lvup.mid\",\"playing\":false,\"at_start\":true}\n"
              "{\"kind\":\"picture\",\"visible\":false,\"showing\":false,\"stretch\":false}\n"
              "{\"kind\":\"panel\",\"visible\":false,\"showing\":false,\"color\":\"#D4D0C8\"}\n");
}

TEST(Script, SetTakesAJsonStringOrTheRestOfTheLine) {
    auto p = play(
        "set HeroName \"サスライの剣士\"\n"
        "set WeaponName 木の枝　　　　\n"
        "set PendingLine3 \"  \\\"quoted\\\" \\u3000\"\n"
        "set Gold -7\n"
        "print PendingLine3\n");
    EXPECT_EQ(p.status, 0) << p.err;
    EXPECT_EQ(p.shown(&GameState::HeroName), "サスライの剣士");
    EXPECT_EQ(p.shown(&GameState::WeaponName), "木の枝　　　　");
    EXPECT_EQ(p.shown(&GameState::PendingLine3), "  \"quoted\" 　");
    EXPECT_EQ(p.state().Gold, -7);
    EXPECT_EQ(p.out, "\"  \\\"quoted\\\" 　\"\n");
}

TEST(Script, TicksAnEnabledTimerNTimesAndIgnoresClicksOnHiddenWidgets) {
    auto p = play(std::string("tick ") + designed(Timer::Opening) + " 3\ntick " + designed(Timer::TownMusic) +
                  " 5\nclick " + designed(W::TorubaChoice) + "\nclick " + designed(W::StatusButton));
    EXPECT_EQ(p.status, 0);
    EXPECT_EQ(p.state().TitleTick, 3);
    EXPECT_EQ(p.out, std::string("ignored: ") + designed(W::TorubaChoice) +
                         " is hidden\nignored: " + designed(W::StatusButton) + " is hidden\n");
}

TEST(Script, DumpHoldsEveryPartOfTheGame) {
    auto p = play("dump");
    const std::string& d = p.out;
    for (const std::string& key :
         {std::string("{\"state\":{\"TitleTick\":0,"), std::string("\"ChallengerBout\":10,\"Skill1Name\":\"\""),
          std::string("\"window\":{\"open\":true,\"color\":\"#FFFFFF\"}"),
          std::string("\"widgets\":{\"") + designed(W::GameTitle) + "\":",
          std::string("\"") + designed(W::StoryLine) +
              "\":{\"kind\":\"label\",\"visible\":false,\"showing\":false,\"caption\":\"～ルーメンティアの灯～\","
              "\"font_color\":\"#FFFF00\",\"font_size\":15,\"top\":160}",
          std::string("\"timers\":{\"") + designed(Timer::Opening) + "\":{\"enabled\":true,\"interval\":1500}",
          std::string("\"") + designed(Timer::CasinoLights) + "\":{\"enabled\":false,\"interval\":500}",
          std::string("\"players\":{\"") + designed(Tune::Shots) + "\":{\"file\":\"gun.mid\"",
          std::string("\"") + designed(Sfx::Nnriro) +
              "\":{\"file\":\"んーりろ.wav\",\"playing\":false,\"at_start\":true}},\"beeps\":0}\n"}) {
        EXPECT_NE(d.find(key), std::string::npos) << key;
    }
}

TEST(Script, ABadLineStopsTheRunWithItsNumberAndStatusTwo) {
    struct Case {
        std::string script;
        const char* message;
    };
    const Case cases[] = {
        {"dump\nfly away", "line 2: unknown command 'fly'"},
        {"click Label99", "line 1: unknown widget 'Label99'"},
        {"tick Timer9", "line 1: unknown timer 'Timer9'"},
        {std::string("tick ") + designed(Timer::Opening) + " many", "line 1: bad tick count 'many'"},
        {"set Gold lots", "line 1: bad whole number 'lots' for Gold"},
        {"set Gold 99999999999", "line 1: bad whole number '99999999999' for Gold"},
        {"set Nobody 3", "line 1: unknown field 'Nobody'"},
        {"set HeroName \"open", "line 1: bad JSON string for HeroName"},
        {"draw 1 -2", "line 1: bad draw value '-2'"},
        {"draw", "line 1: draw takes one or more values"},
        {"seed x", "line 1: seed takes one whole number"},
        {"print Nothing", "line 1: unknown name 'Nothing'"},
        {"# fine\n\nclick", "line 3: click takes one widget name"},
    };
    for (const Case& c : cases) {
        auto p = play(c.script);
        EXPECT_EQ(p.status, 2) << c.script;
        EXPECT_EQ(p.err, std::string(c.message) + "\n") << c.script;
    }
    // Nothing after the bad line runs.
    auto p = play("set Gold 7\nbogus\nset Gold 9");
    EXPECT_EQ(p.state().Gold, 7);
}

// Input that never ends, as /dev/zero or `yes` give it: the same bytes over and over.
class Endless : public std::streambuf {
public:
    explicit Endless(std::string unit) : unit_(std::move(unit)) {}

protected:
    int_type underflow() override {
        setg(unit_.data(), unit_.data(), unit_.data() + unit_.size());
        return traits_type::to_int_type(unit_.front());
    }

private:
    std::string unit_;
};

// Runs a stream as the driver reads it, however long.
test::Played asFile(std::istream& in) {
    test::Played p = test::play("");
    std::ostringstream out, err;
    p.status = p.script->run(in, out, err);
    p.out = out.str();
    p.err = err.str();
    return p;
}

TEST(Script, ReadsLinesWithinBoundsAndSaysWhereItStopped) {
    // A script's last line needs no newline (a record's does: the session's tests hold that).
    std::istringstream unended("set Gold 7\nset Gold 16");
    auto p = asFile(unended);
    EXPECT_EQ(p.status, 0);
    EXPECT_EQ(p.state().Gold, 16);

    const std::string longest = "#" + std::string(4095, 'x') + "\n";
    std::istringstream tooLong(longest + "#" + longest + "dump\n");
    p = asFile(tooLong);
    EXPECT_EQ(p.err, "line 2: longer than 4096 bytes\n");
    EXPECT_EQ(p.out, "");

    // Neither a line that never ends nor lines that never stop make the driver hold more.
    Endless zeros(std::string(4096, '\0')), comments(longest);
    std::istream zeroInput(&zeros), commentInput(&comments);
    p = asFile(zeroInput);
    EXPECT_EQ(p.err, "line 1: longer than 4096 bytes\n");
    p = asFile(commentInput);
    EXPECT_EQ(p.status, 2);
    EXPECT_EQ(p.err,
              "line " + std::to_string(kMaxRecordBytes / longest.size() + 1) + ": the input goes on past 64 MiB\n");
}

TEST(Script, ErrorsQuoteTheLineEscapedAndCutShort) {
    struct Case {
        std::string line, message;
    };
    const Case cases[] = {
        {std::string("click ") + designed(W::Start) + '\0',
         std::string("unknown widget '") + designed(W::Start) + "\\0'"},
        {"click \x1b]0;title\x07\x1b[2J", "unknown widget '\\x1b]0;title\\x07\\x1b[2J'"},
        {"click \xc2\x9b"
         "31m\x7f",
         "unknown widget '\\xc2\\x9b31m\\x7f'"},
        {"tick \xe3\x83 \xff", "unknown timer '\\xe3\\x83'"},
        {"click back\\slash", "unknown widget 'back\\\\slash'"},
        {"print " + std::string(3000, 'A'), "unknown name '" + std::string(60, 'A') + "…'"},
    };
    for (const Case& c : cases) {
        auto p = test::play(c.line);
        EXPECT_EQ(p.status, 2);
        EXPECT_EQ(p.err, "line 1: " + c.message + "\n");
    }
    // Cut on a whole character: twenty of three bytes, then the mark.
    std::string dogs;
    for (int i = 0; i < 30; ++i) dogs += "犬";
    EXPECT_EQ(test::play("set Gold " + dogs).err, "line 1: bad whole number '" + dogs.substr(0, 60) + "…' for Gold\n");
}

TEST(Script, TicksOfATimerThatIsOffStopAtOnce) {
    // Timer::CasinoLights is off on the title: were every tick asked for tried, these lines would take minutes.
    const auto start = std::chrono::steady_clock::now();
    std::string lines;
    for (int i = 0; i < 30; ++i) lines += std::string("tick ") + designed(Timer::CasinoLights) + " 2147483647\n";
    auto p = test::play(lines + "print " + designed(Timer::CasinoLights));
    EXPECT_EQ(p.out, "{\"enabled\":false,\"interval\":500}\n");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

}  // namespace
}  // namespace verminadia
