#include "web/src/stage_view.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "core/widgets/caption_layout.h"
#include "frontend/focus_order.h"
#include "frontend/mirror.h"
#include "frontend/screen_reader/accessible.h"
#include "frontend/stage.h"
#include "game/events.h"

namespace verminadia::web {

namespace {

using frontend::kDesignHeight;
using frontend::kDesignWidth;

// The shared layer's roles as ARIA spells them, in frontend::Role's order: a label's text and a
// picture's image need none of their own.
constexpr std::array<const char*, 6> kAriaRoles = {"button", nullptr, "group", "group", nullptr, "heading"};

// The bevel's look, by the class the style sheet draws it with.
const char* bevelClass(Bevel b) {
    switch (b) {
        case Bevel::None: return "panel";
        case Bevel::Lowered: return "panel lowered";
        case Bevel::Lowered2: return "panel lowered2";
    }
    return "panel";
}

std::string fontWeight(const Font& f) { return f.bold ? "bold" : "normal"; }

val makeElement(const WidgetDef& d) {
    switch (d.kind) {
        case Kind::Panel: return createElement("div", bevelClass(d.bevel));
        case Kind::Label: return createElement("div", clickable(d.id) ? "label clickable" : "label");
        case Kind::Picture: return createElement("div", "picture");
        case Kind::Button: {
            val b = createElement("button", "button");
            b.set("type", val("button"));
            return b;
        }
        case Kind::Edit: {
            // A heading: the mouse may still put a cursor in it, the keyboard passes it by.
            val e = createElement("input", "edit");
            e.set("type", val("text"));
            e.set("tabIndex", val(-1));
            e.set("spellcheck", val(false));
            setAttribute(e, "autocomplete", "off");
            return e;
        }
    }
    return createElement("div", "");
}

void place(const val& e, const WidgetDef& d) {
    setStyle(e, "left", px(d.left));
    setStyle(e, "top", px(d.top));
    if (d.kind != Kind::Label) {
        setStyle(e, "width", px(d.width));
        setStyle(e, "height", px(d.height));
    }
    setStyle(e, "fontSize", px(d.font.px));
    setStyle(e, "fontWeight", fontWeight(d.font));
    setStyle(e, "color", cssColor(d.font.color));
}

// A background, also told to the heading boxes lying on it.
void paint(const val& e, Rgb color) {
    setStyle(e, "backgroundColor", cssColor(color));
    e["style"].call<void>("setProperty", val("--beneath"), val(cssColor(color)));
}

// A piece of a caption in a span of its own, inside `parent`.
val appendSpan(const val& parent, const char* className, const std::string& text) {
    val span = createElement("span", className);
    setText(span, text);
    parent.call<void>("appendChild", span);
    return span;
}

// A label's caption as the window lays it out. A translation lines up on the designed caption:
// that caption, unseen, gives the label its designed width, and the text is anchored to its
// centre or right edge. A value after the heading stands in the label's column; the heading keeps
// a space after it, so that a screen reader hears the two as words.
void layOutLabel(const val& e, const WidgetDef& d, const std::string& caption, bool translated) {
    const CaptionSplit split = splitCaption(d, caption);
    const bool aligned = translated && d.align != Align::Left;
    if (!aligned && !split.inColumn) {
        setText(e, split.head);
        return;
    }
    setText(e, "");
    val text = e;
    if (aligned) {
        setAttribute(appendSpan(e, "designed", std::string(d.caption)), "aria-hidden", "true");
        text = appendSpan(e, d.align == Align::Centre ? "centred" : "right-edge", "");
    }
    if (!split.inColumn) {
        setText(text, split.head);
        return;
    }
    text.call<void>("appendChild", document().call<val>("createTextNode", val(split.head + " ")));
    val value = appendSpan(text, d.column.align == Align::Right ? "value right-edge" : "value", split.value);
    setStyle(value, "left", px(columnEdge(d)));
}

}  // namespace

StageView::StageView(val stage) : stage_(std::move(stage)) {
    setStyle(stage_, "width", px(kFormWidth));
    setStyle(stage_, "height", px(kFormHeight));
    elements_.reserve(kWidgetCount);
    for (const WidgetDef& d : kWidgets) {
        val e = makeElement(d);
        e.set("id", val(std::string(d.designed)));
        e["dataset"].set("w", val(static_cast<int>(index(d.id))));
        place(e, d);
        // Each is what the desktop tells a screen reader it is.
        if (const char* role = kAriaRoles[static_cast<std::size_t>(frontend::roleOf(d.id))])
            setAttribute(e, "role", role);
        // The keyboard reaches it through the game's own order, not the browser's.
        if (frontend::isStop(d.id) || d.kind == Kind::Button) e.set("tabIndex", val(-1));
        elements_.push_back(e);
    }
    for (const W w : frontend::stackingOrder()) {
        const WidgetDef& d = def(w);
        (d.parent == W::Window ? stage_ : elements_[index(d.parent)]).call<void>("appendChild", elements_[index(w)]);
    }
}

void StageView::apply(const Form& form) {
    if (const std::optional<Rgb> color = mirror_.newWindowColor(form)) paint(stage_, *color);
    mirror_.follow(form, [this](const WidgetDef& d, const std::optional<WidgetState>& before, const WidgetState& now) {
        applyWidget(d, before, now);
    });
}

void StageView::applyWidget(const WidgetDef& d, const std::optional<WidgetState>& before, const WidgetState& now) {
    const W w = d.id;
    val e = elements_[index(w)];
    const auto changed = [&](auto member) { return !before || (*before).*member != now.*member; };

    if (changed(&WidgetState::caption)) {
        if (d.kind == Kind::Edit) {
            e.set("value", now.caption);
        } else if (d.kind == Kind::Label) {
            layOutLabel(e, d, now.caption, mirror_.translated());
        } else if (d.kind != Kind::Picture && d.kind != Kind::Panel) {
            setText(e, now.caption);
        }
    }
    if (d.kind == Kind::Label) {
        if (changed(&WidgetState::fontColor)) setStyle(e, "color", cssColor(now.fontColor));
        if (changed(&WidgetState::fontPx)) setStyle(e, "fontSize", px(now.fontPx));
        if (changed(&WidgetState::top)) setStyle(e, "top", px(now.top));
    }
    if (d.kind == Kind::Panel && changed(&WidgetState::color)) paint(e, now.color);
    if (changed(&WidgetState::visible)) e.set("hidden", !now.visible);
    if (d.kind == Kind::Picture) {
        const bool fresh = now.visible && showPicture(w);
        if (pictureLoaded_[index(w)] && (fresh || changed(&WidgetState::stretch))) {
            // Stretched, the bitmap's drawing fills the box; else it keeps its own size.
            char scale[64];
            std::snprintf(scale, sizeof scale, "scale(%.6f, %.6f)", static_cast<double>(d.width) / d.bitmapWidth,
                          static_cast<double>(d.height) / d.bitmapHeight);
            setStyle(e["firstChild"], "transform", now.stretch ? scale : "none");
        }
    }
}

bool StageView::showPicture(W w) {
    // Most pictures wait hidden for their scene: each is fetched the first time it shows.
    if (pictureLoaded_[index(w)]) return false;
    pictureLoaded_[index(w)] = true;
    const WidgetDef& d = def(w);
    val img = createElement("img", "");
    img.set("src", val("pictures/" + std::string(def(d.bitmap).designed) + ".svg"));
    img.set("alt", val(described_[index(w)]));
    img.set("draggable", val(false));
    setStyle(img, "width", px(d.bitmapWidth));
    setStyle(img, "height", px(d.bitmapHeight));
    elements_[index(w)].call<void>("appendChild", img);
    return true;
}

void StageView::describe(const Game& g) {
    for (const WidgetDef& d : kWidgets) {
        // Labels and buttons are named by their text; the rest as the desktop names them.
        const bool picture = d.kind == Kind::Picture && pictureLoaded_[index(d.id)];
        if (!picture && d.kind != Kind::Edit && d.kind != Kind::Panel) continue;
        std::string words = frontend::accessibleName(d.id, g);
        if (words == described_[index(d.id)]) continue;
        described_[index(d.id)] = std::move(words);
        if (picture) {
            elements_[index(d.id)]["firstChild"].set("alt", val(described_[index(d.id)]));
        } else {
            setAttribute(elements_[index(d.id)], "aria-label", described_[index(d.id)]);
        }
    }
}

std::optional<W> StageView::widgetOf(const val& target) {
    if (target.isNull() || target.isUndefined() || target["closest"].isUndefined()) return std::nullopt;
    const val owner = target.call<val>("closest", val("[data-w]"));
    if (owner.isNull()) return std::nullopt;
    const int i = std::stoi(owner["dataset"]["w"].as<std::string>());
    if (i < 0 || static_cast<std::size_t>(i) >= kWidgetCount) return std::nullopt;
    return static_cast<W>(i);
}

void StageView::fit(double width, double height) {
    const double scale = std::max(0.1, frontend::fittingScale(width, height));
    const double x = (width - kDesignWidth * scale) / 2, y = (height - kDesignHeight * scale) / 2;
    char transform[96];
    std::snprintf(transform, sizeof transform, "translate(%.2fpx, %.2fpx) scale(%.6f)", x, y, scale);
    setStyle(stage_, "transform", transform);
}

}  // namespace verminadia::web
