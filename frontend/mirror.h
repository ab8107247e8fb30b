#pragma once
// What a view redoes to show the model: only what changed since it last showed it. Labels and
// pictures lie beneath the panels, buttons and edit boxes of the same parent.

#include <array>
#include <functional>
#include <optional>

#include "core/widgets/form.h"
#include "core/widgets/table.h"

namespace verminadia::frontend {

// The widgets in the order a view stacks them within each parent, bottom first: labels and
// pictures in table order, then the rest in table order.
const std::array<W, kWidgetCount>& stackingOrder();

class Mirror {
public:
    // What a widget showed last (nothing: never shown) and what it shows now.
    using Show =
        std::function<void(const WidgetDef& d, const std::optional<WidgetState>& before, const WidgetState& now)>;
    // Hands `show` each widget whose state is not the one last shown; every label again when the
    // game went from its own language to a translation or back, as a translation lays its labels
    // out by their alignment and column.
    void follow(const Form& form, const Show& show);
    // Shown in a translation.
    bool translated() const { return translated_; }
    // The window's colour when it is not the one last shown.
    std::optional<Rgb> newWindowColor(const Form& form);

private:
    std::array<std::optional<WidgetState>, kWidgetCount> shown_{};
    std::optional<Rgb> windowColor_;
    bool translated_ = false;
};

}  // namespace verminadia::frontend
