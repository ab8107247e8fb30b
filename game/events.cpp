// What ties the game together: the handler each click and each tick runs, and the start-up.

#include "game/events.h"

#include <array>

#include "arena/handlers.h"
#include "core/title.h"
#include "ending/ending.h"
#include "game/message_panel.h"
#include "town/handlers.h"

namespace verminadia {

namespace {

template <typename Key>
struct Binding {
    Key key;
    Handler handler;
};

// clang-format off
constexpr Binding<W> kClicks[] = {
    // The title.
    {W::Label3, Label3Click},
    // The town.
    {W::Label4, Label4Click},
    {W::Label5, Label5Click},
    {W::Label6, Label6Click},
    {W::Label7, Label7Click},
    {W::Button1, Button1Click},
    {W::Button2, Button2Click},
    {W::Button3, Button3Click},
    {W::Button4, Button4Click},
    {W::Button5, Button5Click},
    {W::Button25, Button25Click},
    {W::Label34, Label34Click},
    {W::Label35, Label35Click},
    {W::Label36, Label36Click},
    {W::Label37, Label37Click},
    {W::Label38, Label38Click},
    {W::Label39, Label39Click},
    {W::Label40, Label40Click},
    {W::Label41, Label41Click},
    {W::Label42, Label42Click},
    {W::Label43, Label43Click},
    {W::Label67, Label67Click},
    {W::Button7, Button7Click},
    {W::Button8, Button8Click},
    {W::Button21, Button21Click},
    {W::Button22, Button22Click},
    {W::Button23, Button23Click},
    {W::Button24, Button24Click},
    // The arena.
    {W::Label65, Label65Click},
    {W::Label66, Label66Click},
    {W::Button6, Button6Click},
    {W::Button9, Button9Click},
    {W::Button10, Button10Click},
    {W::Button11, Button11Click},
    {W::Button12, Button12Click},
    {W::Button13, Button13Click},
    {W::Button14, Button14Click},
    {W::Button15, Button15Click},
    {W::Button16, Button16Click},
    {W::Label45, Label45Click},
    {W::Label46, Label46Click},
    {W::Label47, Label47Click},
    {W::Label48, Label48Click},
    {W::Label49, Label49Click},
    {W::Label50, Label50Click},
    {W::Label51, Label51Click},
    {W::Label52, Label52Click},
    {W::Label69, Label69Click},
    {W::Label60, Label60Click},
    {W::Label61, Label61Click},
    {W::Label62, Label62Click},
    {W::Label63, Label63Click},
    {W::Label64, Label64Click},
    {W::Button17, Button17Click},
    {W::Button18, Button18Click},
    {W::Button19, Button19Click},
    {W::Button20, Button20Click},
    // The message panel: a click on any of its lines is a click on the panel.
    {W::Panel5, Panel5Click},
    {W::Label31, Panel5Click},
    {W::Label32, Panel5Click},
    {W::Label33, Panel5Click},
};
// clang-format on

constexpr Binding<Timer> kTicks[] = {
    {Timer::Timer1, Timer1Timer}, {Timer::Timer2, Timer2Timer}, {Timer::Timer3, Timer3Timer},
    {Timer::Timer4, Timer4Timer}, {Timer::Timer5, Timer5Timer},
};

// The bindings by widget and by timer; nullptr where a click or tick does nothing.
template <std::size_t Count, typename Key, std::size_t N>
constexpr std::array<Handler, Count> byKey(const Binding<Key> (&bindings)[N]) {
    std::array<Handler, Count> table{};
    for (const Binding<Key>& b : bindings) table[static_cast<std::size_t>(b.key)] = b.handler;
    return table;
}
constexpr auto kClickOf = byKey<kWidgetCount>(kClicks);
constexpr auto kTickOf = byKey<kTimerCount>(kTicks);

}  // namespace

void startGame(Game& g) { FormCreate(g); }

bool clickable(W w) { return w != W::Form1 && kClickOf[index(w)] != nullptr; }

ClickResult click(Game& g, W w) {
    if (!g.form.open()) return ClickResult::Closed;
    if (!g.form.showing(w)) return ClickResult::Hidden;
    if (clickable(w)) kClickOf[index(w)](g);
    return ClickResult::Handled;
}

bool tick(Game& g, Timer t) {
    if (!g.form.open() || !g.form.enabled(t)) return false;
    if (Handler h = kTickOf[static_cast<std::size_t>(t)]) h(g);
    return true;
}

}  // namespace verminadia
