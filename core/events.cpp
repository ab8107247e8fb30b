#include "core/game.h"
#include "core/handlers.h"

namespace verminadia {

void startGame(Game& g) { FormCreate(g); }

ClickResult click(Game& g, W w) {
    if (!g.form.open()) return ClickResult::Closed;
    if (!g.form.showing(w)) return ClickResult::Hidden;
    if (Handler h = def(w).click) h(g);
    return ClickResult::Handled;
}

void tick(Game& g, Timer t) {
    if (!g.form.open() || !g.form.enabled(t)) return;
    if (Handler h = def(t).tick) h(g);
}

}  // namespace verminadia
