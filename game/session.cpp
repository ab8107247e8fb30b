#include "game/session.h"

#include "game/events.h"

namespace verminadia {

namespace {

// Where a replay's generator starts: any number, as long as it is always the same.
constexpr std::uint64_t kReplaySeed = 0;

}  // namespace

Session::Session(const Catalogue& catalogue) {
    replay();
    game_.emplace(silence_, draws_, catalogue);
    startGame(*game_);
}

void Session::restart() {
    replay();
    const Catalogue& catalogue = game_->catalogue();
    game_.emplace(silence_, draws_, catalogue);
    startGame(*game_);
}

void Session::replay() {
    random_.forgetQueued();
    random_.seed(kReplaySeed);
    draws_.keeping(false);
}

void Session::playLive() {
    random_.followClock();
    draws_.keeping(true);
}

}  // namespace verminadia
