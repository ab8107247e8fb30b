#include "core/random.h"

#include <chrono>

namespace verminadia {

ClockRandom::ClockRandom()
    : ClockRandom([] {
          return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
      }) {}

ClockRandom::ClockRandom(Clock clock) : clock_(std::move(clock)), gen_(static_cast<std::uint32_t>(clock_())) {}

void ClockRandom::seed(std::uint64_t s) {
    gen_.seed(static_cast<std::uint32_t>(s ^ (s >> 32)));
    fixedSeed_ = true;
}

void ClockRandom::followClock() {
    fixedSeed_ = false;
    gen_.seed(static_cast<std::uint32_t>(clock_()));
}

int ClockRandom::next(int n, bool reseed) {
    if (!queued_.empty()) {
        const int v = queued_.front();
        queued_.pop_front();
        if (v >= 0 && v < n) return v;
        bad_ = true;
        badValue_ = {v, n};
    }
    if (n <= 0) return 0;
    if (reseed && !fixedSeed_) gen_.seed(static_cast<std::uint32_t>(clock_()));
    return std::uniform_int_distribution<int>(0, n - 1)(gen_);
}

int ClockRandom::draw(int n) { return next(n, true); }
int ClockRandom::drawWithoutReseed(int n) { return next(n, false); }

}  // namespace verminadia
