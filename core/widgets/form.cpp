#include "core/widgets/form.h"

#include <utility>

namespace verminadia {

Form::Form(const Catalogue& catalogue) : catalogue_(&catalogue) {
    for (const WidgetDef& d : kWidgets) {
        texts_[index(d.id)] = Text(d.caption);
        widgets_[index(d.id)] = WidgetState{
            d.visible, texts_[index(d.id)].render(catalogue), d.font.color, d.font.px, d.top, d.stretch, d.color};
    }
    for (const TimerDef& d : kTimers)
        timers_[static_cast<std::size_t>(d.id)] = TimerState{d.enabled, d.enabled ? 1u : 0u};
}

WidgetState& Form::at(W w) {
    ++revision_;
    return widgets_[index(w)];
}

void Form::setVisible(W w, bool visible) { at(w).visible = visible; }

bool Form::showing(W w) const {
    for (; w != W::Window; w = def(w).parent) {
        if (!widgets_[index(w)].visible) return false;
    }
    return true;
}

void Form::setCaption(W w, Text caption) {
    at(w).caption = caption.render(*catalogue_);
    texts_[index(w)] = std::move(caption);
    ++writes_[index(w)];
}

void Form::setCaption(W w, std::string caption) {
    texts_[index(w)] = Text::verbatim(caption);
    at(w).caption = std::move(caption);
    ++writes_[index(w)];
}

void Form::retranslate(const Catalogue& catalogue) {
    catalogue_ = &catalogue;
    ++revision_;
    for (const WidgetDef& d : kWidgets) widgets_[index(d.id)].caption = texts_[index(d.id)].render(catalogue);
}

void Form::setWindowColor(Rgb color) {
    ++revision_;
    windowColor_ = color;
}

void Form::setColor(W panel, Rgb color) { at(panel).color = color; }
void Form::setFontColor(W w, Rgb color) { at(w).fontColor = color; }
void Form::setFontSizePt(W w, int points) { at(w).fontPx = pointsToPixels(points); }
void Form::setTop(W w, int top) { at(w).top = top; }
void Form::setStretch(W picture, bool stretch) { at(picture).stretch = stretch; }

void Form::enable(Timer t) {
    TimerState& s = timers_[static_cast<std::size_t>(t)];
    if (s.enabled) return;  // already running: its interval goes on undisturbed
    ++revision_;
    s.enabled = true;
    ++s.starts;
}

void Form::disable(Timer t) {
    ++revision_;
    timers_[static_cast<std::size_t>(t)].enabled = false;
}

void Form::close() {
    ++revision_;
    open_ = false;
    for (TimerState& s : timers_) s.enabled = false;
}

}  // namespace verminadia
