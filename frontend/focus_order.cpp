#include "frontend/focus_order.h"

#include <algorithm>

#include "game/events.h"
#include "game/message_panel.h"

namespace verminadia::frontend {

namespace {

bool contains(const std::vector<W>& ws, W w) { return std::find(ws.begin(), ws.end(), w) != ws.end(); }

}  // namespace

bool isMessageLine(W w) { return w == W::Label31 || w == W::Label32 || w == W::Label33; }

bool isStop(W w) { return clickable(w) && !isMessageLine(w); }

std::vector<W> focusStops(const Form& f) {
    struct Stop {
        W w;
        int top, left;
    };
    std::vector<Stop> stops;
    for (const WidgetDef& d : kWidgets) {
        if (!isStop(d.id) || !f.showing(d.id)) continue;
        const bool onPanel = d.parent != W::Form1;
        // A label's top edge is the model's: the game may move it.
        const int top = (onPanel ? def(d.parent).top : 0) + (d.kind == Kind::Label ? f.state(d.id).top : d.top);
        const int left = (onPanel ? def(d.parent).left : 0) + d.left;
        stops.push_back({d.id, top, left});
    }
    std::stable_sort(stops.begin(), stops.end(),
                     [](const Stop& a, const Stop& b) { return a.top != b.top ? a.top < b.top : a.left < b.left; });
    std::vector<W> out;
    out.reserve(stops.size());
    for (const Stop& s : stops) out.push_back(s.w);
    return out;
}

bool panelWaits(const Game& g) {
    if (!g.form.showing(W::Panel5)) return false;
    return panelHasStep(g.state.TalkState);
}

std::optional<W> focusAfterChange(const std::vector<W>& before, const std::vector<W>& now, bool waits,
                                  std::optional<W> current) {
    if (waits && contains(now, W::Panel5)) return W::Panel5;
    const bool nothingWent = std::all_of(before.begin(), before.end(), [&](W w) { return contains(now, w); });
    if (current && *current != W::Panel5 && contains(now, *current) && nothingWent) return current;

    const auto onEveryScreen = [](W w) { return w == W::Panel5 || w == W::Button1; };
    const auto first = [&](auto&& wanted) -> std::optional<W> {
        for (W w : now) {
            if (wanted(w) && !onEveryScreen(w)) return w;
        }
        return std::nullopt;
    };
    if (auto fresh = first([&](W w) { return !contains(before, w); })) return fresh;
    if (auto any = first([](W) { return true; })) return any;
    if (!now.empty()) return now.front();
    return std::nullopt;
}

}  // namespace verminadia::frontend
