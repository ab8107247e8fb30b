#pragma once
// The designed 521 × 351 window as DOM elements, built from the widget table: bevelled panels,
// labels that size themselves to their text, pictures drawn from their SVG at their bitmap size
// or stretched to their box, push buttons and heading boxes, each placed as designed. The stage
// is drawn at its designed size and scaled as a whole, so text and pictures stay sharp.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/game.h"
#include "frontend/mirror.h"
#include "web/src/dom.h"

namespace verminadia::web {

class StageView {
public:
    // Builds every widget of the table into `stage`, an empty element.
    explicit StageView(val stage);

    // Brings every widget in line with the model; only what changed since the last call is touched.
    void apply(const Form& form);
    // Gives each picture that has shown, and each heading box, its words for a screen reader, as
    // the shared layer says them; a fighter's picture changes with the opponent.
    void describe(const Game& g);

    const val& element(W w) const { return elements_[index(w)]; }
    // The widget an event on `target` is meant for: the innermost widget holding it.
    static std::optional<W> widgetOf(const val& target);

    // Scales the stage to the largest size of its shape that fits `width` × `height`, centred.
    void fit(double width, double height);

private:
    void applyWidget(const WidgetDef& d, const std::optional<WidgetState>& before, const WidgetState& now);
    // Puts the picture's drawing in its box the first time it shows; true when it did so now.
    bool showPicture(W w);

    val stage_;
    std::vector<val> elements_;
    std::array<bool, kWidgetCount> pictureLoaded_{};
    std::array<std::string, kWidgetCount> described_{};
    frontend::Mirror mirror_;
};

}  // namespace verminadia::web
