#include "game/session.h"

#include "game/events.h"

namespace verminadia {

Session::Session(const Catalogue& catalogue) {
    game_.emplace(silence_, draws_, catalogue);
    startGame(*game_);
}

void Session::restart() {
    random_.forgetQueued();
    const Catalogue& catalogue = game_->catalogue();
    game_.emplace(silence_, draws_, catalogue);
    startGame(*game_);
}

}  // namespace verminadia
