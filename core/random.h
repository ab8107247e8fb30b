#pragma once
// Random draws. A draw of n is a whole number from 0 to n - 1. A game played live reseeds its
// generator from the clock before every draw, except for the casino's colour flashing.

#include <cstdint>
#include <deque>
#include <functional>
#include <random>

namespace verminadia {

class Random {
public:
    virtual ~Random() = default;
    virtual int draw(int n) = 0;               // reseeded from the clock first
    virtual int drawWithoutReseed(int n) = 0;  // the casino's colours
};

// The game's generator. Values can be queued in front of it, and it can be seeded once so that
// a whole run repeats exactly: both are for tests and the script driver.
class ClockRandom final : public Random {
public:
    using Clock = std::function<std::uint64_t()>;
    ClockRandom();  // reseeds from the high-resolution clock
    explicit ClockRandom(Clock clock);

    int draw(int n) override;
    int drawWithoutReseed(int n) override;

    // The next draws give these values, in order; each must be below the draw's n.
    void queue(int value) { queued_.push_back(value); }
    // Seeds once and stops reseeding from the clock.
    void seed(std::uint64_t s);
    // Reseeds from the clock now and before every draw again, as when it was made.
    void followClock();

    // Set when a queued value was not below its draw's n; the draw then falls back to the generator.
    struct BadQueuedValue {
        int value;
        int n;
    };
    const BadQueuedValue* badValue() const { return bad_ ? &badValue_ : nullptr; }
    void clearBadValue() { bad_ = false; }
    // Drops what is still queued, and a bad value with it: a replay's draws never reach the game
    // that goes on after it.
    void forgetQueued() {
        queued_.clear();
        bad_ = false;
    }

private:
    int next(int n, bool reseed);

    Clock clock_;
    std::mt19937 gen_;
    bool fixedSeed_ = false;
    std::deque<int> queued_;
    bool bad_ = false;
    BadQueuedValue badValue_{};
};

}  // namespace verminadia
