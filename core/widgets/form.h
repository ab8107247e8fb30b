#pragma once
// The window as the game sees it while it runs: for each widget its own visibility flag,
// caption, font colour and size, top edge, stretching and colour; the window's colour and
// whether it is open; the timers' enabled flags. Handlers change this model; ui/ mirrors it
// into the real widgets after every event.

#include <array>
#include <cstdint>
#include <string>

#include "core/text/text.h"
#include "core/widgets/table.h"

namespace verminadia {

struct WidgetState {
    bool visible;  // the widget's own flag; a hidden panel hides it without touching this
    std::string caption;
    Rgb fontColor;
    int fontPx;
    int top;
    bool stretch;
    Rgb color;  // panel background

    bool operator==(const WidgetState&) const = default;
};

struct TimerState {
    bool enabled;
    // Counts the times the timer was switched on. A timer switched on again starts a fresh
    // full interval, so the window restarts its clock whenever this changes.
    std::uint32_t starts;
};

class Form {
public:
    // The table's captions are looked up in `catalogue`.
    explicit Form(const Catalogue& catalogue = untranslated());

    template <typename... Ws>
    void show(Ws... ws) {
        (setVisible(ws, true), ...);
    }
    template <typename... Ws>
    void hide(Ws... ws) {
        (setVisible(ws, false), ...);
    }
    void setVisible(W w, bool visible);
    bool visible(W w) const { return widgets_[index(w)].visible; }
    // Shown on screen: its own flag and every panel that holds it.
    bool showing(W w) const;

    // A caption in the form's language, kept with what it was made from.
    void setCaption(W w, Text caption);
    // A caption shown as it is, in any language.
    void setCaption(W w, std::string caption);
    const std::string& caption(W w) const { return widgets_[index(w)].caption; }
    // Counts the captions a handler wrote, so that the same text written again is news too.
    std::uint32_t captionWrites(W w) const { return writes_[index(w)]; }
    // Every caption made again in another language.
    void retranslate(const Catalogue& catalogue);
    const Catalogue& catalogue() const { return *catalogue_; }

    void setWindowColor(Rgb color);
    Rgb windowColor() const { return windowColor_; }
    void setColor(W panel, Rgb color);

    void setFontColor(W w, Rgb color);
    // Font sizes are set in points; the window is drawn at 96 dots per inch.
    void setFontSizePt(W w, int points);
    void setTop(W w, int top);
    void setStretch(W picture, bool stretch);

    void enable(Timer t);
    void disable(Timer t);
    bool enabled(Timer t) const { return timers_[static_cast<std::size_t>(t)].enabled; }
    const TimerState& timer(Timer t) const { return timers_[static_cast<std::size_t>(t)]; }

    void close();
    bool open() const { return open_; }

    const WidgetState& state(W w) const { return widgets_[index(w)]; }
    // Rises with every change, so a view knows when it has something to mirror.
    std::uint64_t revision() const { return revision_; }

private:
    WidgetState& at(W w);

    const Catalogue* catalogue_;
    std::array<WidgetState, kWidgetCount> widgets_;
    std::array<Text, kWidgetCount> texts_;
    std::array<std::uint32_t, kWidgetCount> writes_{};
    std::array<TimerState, kTimerCount> timers_;
    Rgb windowColor_ = kWhite;
    bool open_ = true;
    std::uint64_t revision_ = 0;
};

constexpr int pointsToPixels(int points) { return (points * 96 + 36) / 72; }

}  // namespace verminadia
