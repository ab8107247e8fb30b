#include "frontend/focus_order.h"

#include <algorithm>
#include <iterator>

#include "frontend/spaces.h"
#include "game/events.h"
#include "game/message_panel.h"

namespace verminadia::frontend {

namespace {

bool contains(const std::vector<W>& ws, W w) { return std::find(ws.begin(), ws.end(), w) != ws.end(); }

// The status screen's values in the order they are read.
constexpr W kStatusValues[] = {W::StatusName,   W::StatusJob,    W::StatusHp,     W::StatusMp,     W::StatusRank,
                               W::StatusExp,    W::StatusWeapon, W::StatusArmor,  W::StatusAttack, W::StatusDefense,
                               W::StatusWisdom, W::StatusSpeed,  W::StatusSkill1, W::StatusSkill2, W::StatusSkill3,
                               W::StatusSkill4, W::StatusItem1,  W::StatusItem2,  W::StatusItem3,  W::StatusTears,
                               W::StatusMoney};

// The panel on the window that holds the widget, or the widget itself when it lies on the window.
W groupOf(W w) {
    while (def(w).parent != W::Window) w = def(w).parent;
    return w;
}

// A widget's place on the window, the model's top edge for a label: the game may move it.
struct Place {
    int top, left;
};
Place placeOf(const Form& f, W w) {
    Place at{0, 0};
    for (W p = w; p != W::Window; p = def(p).parent) {
        at.top += def(p).kind == Kind::Label ? f.state(p).top : def(p).top;
        at.left += def(p).left;
    }
    return at;
}

}  // namespace

bool isMessageLine(W w) { return w == W::MessageLine1 || w == W::MessageLine2 || w == W::MessageLine3; }

bool isReadingStop(W w) {
    return std::find(std::begin(kStatusValues), std::end(kStatusValues), w) != std::end(kStatusValues);
}

bool pressable(W w) { return clickable(w) && !isMessageLine(w); }

bool isStop(W w) { return pressable(w) || isReadingStop(w); }

std::vector<W> focusStops(const Form& f) {
    struct Stop {
        W w;
        Place group, at;
    };
    std::vector<Stop> stops;
    for (const WidgetDef& d : kWidgets) {
        if (!isStop(d.id) || !f.showing(d.id) || isReadingStop(d.id)) continue;
        stops.push_back({d.id, placeOf(f, groupOf(d.id)), placeOf(f, d.id)});
    }
    const auto before = [](const Place& a, const Place& b) { return a.top != b.top ? a.top < b.top : a.left < b.left; };
    std::stable_sort(stops.begin(), stops.end(), [&](const Stop& a, const Stop& b) {
        if (a.group.top != b.group.top || a.group.left != b.group.left) return before(a.group, b.group);
        return before(a.at, b.at);
    });
    // The status screen's values come first, in the order they are read.
    std::vector<Stop> values;
    for (const W w : kStatusValues) {
        if (f.showing(w) && !trimSpaces(f.caption(w)).empty()) values.push_back({w, {}, {}});
    }
    stops.insert(stops.begin(), values.begin(), values.end());
    std::vector<W> out;
    out.reserve(stops.size());
    for (const Stop& s : stops) out.push_back(s.w);
    return out;
}

bool panelWaits(const Game& g) {
    if (!g.form.showing(W::MessagePanel)) return false;
    return panelHasStep(g.state.TalkState);
}

std::optional<W> focusAfterChange(const std::vector<W>& before, const std::vector<W>& now, bool waits,
                                  std::optional<W> current) {
    if (waits && contains(now, W::MessagePanel)) return W::MessagePanel;
    const bool nothingWent = std::all_of(before.begin(), before.end(), [&](W w) { return contains(now, w); });
    if (current && *current != W::MessagePanel && contains(now, *current) && nothingWent) return current;

    const auto onEveryScreen = [](W w) { return w == W::MessagePanel || w == W::StatusButton || isReadingStop(w); };
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

bool FocusStops::has(W w) const { return contains(stops_, w); }

std::optional<W> FocusStops::next(std::optional<W> current, bool forward) const {
    if (stops_.empty()) return std::nullopt;
    const std::size_t n = stops_.size();
    const auto at = current ? std::find(stops_.begin(), stops_.end(), *current) : stops_.end();
    if (at == stops_.end()) return forward ? stops_.front() : stops_.back();
    const auto pos = static_cast<std::size_t>(at - stops_.begin());
    return stops_[forward ? (pos + 1) % n : (pos + n - 1) % n];
}

bool FocusStops::follow(const Game& g, std::optional<W> current, std::optional<W>& target) {
    std::vector<W> now = focusStops(g.form);
    const bool waits = panelWaits(g);
    if (now == stops_ && waits == panelWaited_) return false;
    target = focusAfterChange(stops_, now, waits, current);
    stops_ = std::move(now);
    panelWaited_ = waits;
    return true;
}

}  // namespace verminadia::frontend
