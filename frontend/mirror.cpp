#include "frontend/mirror.h"

#include "core/text/text.h"

namespace verminadia::frontend {

const std::array<W, kWidgetCount>& stackingOrder() {
    static const std::array<W, kWidgetCount> order = [] {
        std::array<W, kWidgetCount> o{};
        std::size_t n = 0;
        for (const bool beneath : {true, false}) {
            for (const WidgetDef& d : kWidgets) {
                if ((d.kind == Kind::Label || d.kind == Kind::Picture) == beneath) o[n++] = d.id;
            }
        }
        return o;
    }();
    return order;
}

void Mirror::follow(const Form& form, const Show& show) {
    if (const bool translated = &form.catalogue() != &untranslated(); translated != translated_) {
        translated_ = translated;
        for (const WidgetDef& d : kWidgets) {
            if (d.kind == Kind::Label) shown_[index(d.id)].reset();
        }
    }
    for (const WidgetDef& d : kWidgets) {
        std::optional<WidgetState>& before = shown_[index(d.id)];
        const WidgetState& now = form.state(d.id);
        if (before && *before == now) continue;
        show(d, before, now);
        before = now;
    }
}

std::optional<Rgb> Mirror::newWindowColor(const Form& form) {
    if (windowColor_ == form.windowColor()) return std::nullopt;
    return windowColor_ = form.windowColor();
}

}  // namespace verminadia::frontend
