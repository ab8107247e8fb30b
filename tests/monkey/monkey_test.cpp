// The monkey: thousands of random clicks on whatever is showing and random ticks of whatever
// timer runs, over many seeds. After every event the rules that hold the game together must
// still hold. VERMINADIA_MONKEY_SEEDS and VERMINADIA_MONKEY_EVENTS make the run longer.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/career.h"
#include "game/events.h"
#include "support/play.h"

namespace verminadia {
namespace {

int fromEnv(const char* name, int fallback) {
    const char* v = std::getenv(name);  // NOLINT(concurrency-mt-unsafe): read before any thread starts
    return v ? std::atoi(v) : fallback;
}

// The numbers that only ever grow.
struct Counters {
    int level, exp, championWins, challengerWins, titleIndex, amateur, light, fly, bantam, feather, middle, heavy;
    static Counters of(const GameState& s) {
        return {s.Level,      s.Exp,      s.ChampionWins, s.ChallengerWins, s.TitleIndex,  s.AmateurBouts,
                s.LightBouts, s.FlyBouts, s.BantamBouts,  s.FeatherBouts,   s.MiddleBouts, s.HeavyBouts};
    }
    bool noneFell(const Counters& before) const {
        return level >= before.level && exp >= before.exp && championWins >= before.championWins &&
               challengerWins >= before.challengerWins && titleIndex >= before.titleIndex &&
               amateur >= before.amateur && light >= before.light && fly >= before.fly && bantam >= before.bantam &&
               feather >= before.feather && middle >= before.middle && heavy >= before.heavy;
    }
};

// Returns what is broken, or nothing.
std::string brokenRule(const Game& g, const Counters& before) {
    const GameState& s = g.state;
    std::ostringstream why;
    if (s.Mp < 0) why << "MP below 0 (" << s.Mp << "); ";
    if (s.Mp > s.MaxMp) why << "MP above its maximum (" << s.Mp << "/" << s.MaxMp << "); ";
    if (s.Hp > s.MaxHp) why << "HP above its maximum (" << s.Hp << "/" << s.MaxHp << "); ";
    // HP may sit at 0 or below only between the blow and the click that ends the fight.
    if (s.MaxHp > 0 && s.Hp < 1 && s.TalkState != talk::kDefeatAftermath)
        why << "HP " << s.Hp << " outside a lost fight; ";
    if (s.Gold < 0) why << "money below 0 (" << s.Gold << "); ";
    if (!Counters::of(s).noneFell(before)) why << "a counter fell; ";
    const std::size_t pictures = test::opponentPicturesShowing(g.form).size();
    if (pictures > 1) why << pictures << " opponent pictures showing; ";
    return why.str();
}

TEST(Monkey, RandomClicksAndTicksNeverBreakTheRules) {
    const int seeds = fromEnv("VERMINADIA_MONKEY_SEEDS", 100);
    const int events = fromEnv("VERMINADIA_MONKEY_EVENTS", 5000);
    long played = 0, clicks = 0, bouts = 0, levels = 0;
    for (int seed = 1; seed <= seeds; ++seed) {
        SilentOutput silence;
        ClockRandom random([] { return std::uint64_t{0}; });
        random.seed(static_cast<std::uint64_t>(seed));
        Game g(silence, random);
        startGame(g);
        std::mt19937 monkey(static_cast<std::uint32_t>(seed * 7919));

        for (int e = 0; e < events && g.form.open(); ++e) {
            const Counters before = Counters::of(g.state);
            const auto next = test::monkeyEvent(g, monkey);
            if (!next) break;  // nothing left to do: a dead end would be a fault of its own
            const std::string event = next->line();
            if (next->click) {
                click(g, *next->click);
                ++clicks;
            } else {
                tick(g, next->tick);
            }
            ++played;
            const std::string broken = brokenRule(g, before);
            ASSERT_TRUE(broken.empty()) << "seed " << seed << ", event " << e << " (" << event << "): " << broken;
        }
        bouts += g.state.AmateurBouts + g.state.LightBouts + g.state.FlyBouts;
        levels += g.state.Level - 1;
        EXPECT_TRUE(!g.form.open() || g.form.enabled(Timer::Opening) || g.form.enabled(Timer::TownMusic) ||
                    g.form.enabled(Timer::BattleMusic) || g.form.enabled(Timer::Ending) ||
                    [&] {
                        for (const WidgetDef& d : kWidgets) {
                            if (clickable(d.id) && g.form.showing(d.id)) return true;
                        }
                        return false;
                    }())
            << "seed " << seed << ": the game got stuck with nothing to click and no timer running";
    }
    EXPECT_GT(clicks, played / 2);
    // The monkey must really get into the game, not only knock on the title.
    EXPECT_GT(bouts, seeds);
    std::printf("monkey: %ld events, %ld clicks, %ld bouts, %ld level-ups over %d seeds\n", played, clicks, bouts,
                levels, seeds);
}

// The driver's `set` puts any whole number in any field. The rules must take them all without a
// signed overflow: under UndefinedBehaviorSanitizer (VERMINADIA_SANITIZE) this run stops at the
// first one, which other builds would pass over as a number wrapped round.
TEST(Monkey, ExtremeValuesSetAnywhereNeverOverflowTheRules) {
    const int seeds = fromEnv("VERMINADIA_MONKEY_SEEDS", 100);
    const int events = fromEnv("VERMINADIA_MONKEY_EVENTS", 5000) / 5;
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    const std::int32_t extremes[] = {kMin, kMin + 1, -1'000'000'000, -65536,        -1,       0,   1,
                                     2,    7,        65536,          1'000'000'000, kMax - 1, kMax};
    for (int seed = 1; seed <= seeds; ++seed) {
        auto p = test::play("seed " + std::to_string(seed));
        std::mt19937 monkey(static_cast<std::uint32_t>(seed));
        for (int e = 0; e < events && p.form().open(); ++e) {
            std::string line;
            if (monkey() % 4 == 0) {
                const IntField& f = kIntFields[monkey() % std::size(kIntFields)];
                const std::int32_t v =
                    monkey() % 3 == 0 ? static_cast<std::int32_t>(monkey()) : extremes[monkey() % std::size(extremes)];
                line = "set " + std::string(f.name) + " " + std::to_string(v);
            } else if (const auto next = test::monkeyEvent(p.game(), monkey)) {
                line = next->line();
            } else {
                break;
            }
            p.then(line);
            ASSERT_EQ(p.err, "") << "seed " << seed << ", event " << e << " (" << line << ")";
        }
    }
}

}  // namespace
}  // namespace verminadia
