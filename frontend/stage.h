#pragma once
// Where the designed 521 × 351 area lies in a view: how many view pixels one designed pixel
// takes, and where the area's top-left corner is (inside bars when it fills a screen). A view
// places every widget through it, so a click lands where the player sees the widget.

#include "core/widgets/table.h"

namespace verminadia::frontend {

inline constexpr int kDesignWidth = kFormWidth;
inline constexpr int kDesignHeight = kFormHeight;
// Where the window was designed to open on the screen.
inline constexpr int kDesignLeft = 276;
inline constexpr int kDesignTop = 201;

struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Box&) const = default;
};

// The largest scale at which the designed area fits in `width` × `height`.
double fittingScale(double width, double height);

struct StageLayout {
    double scale = 1;
    int originLeft = 0;
    int originTop = 0;

    // The area at a whole scale, filling the view.
    static StageLayout windowed(int scale) { return {static_cast<double>(scale), 0, 0}; }
    // The largest area of the designed shape that fits `width` × `height`, centred in it.
    static StageLayout fitting(int width, int height);

    // A designed length or coordinate in view pixels. Edges are rounded one by one, so that
    // widgets that touch in the design still touch at any scale.
    int length(double designed) const;
    // A rectangle of the design, in the area's own coordinates, in view coordinates.
    Box map(const Box& designed) const;
    // The whole area in view coordinates.
    Box area() const { return map({0, 0, kDesignWidth, kDesignHeight}); }
    // Where a widget of the table goes inside its parent, for a rectangle given relative to that
    // parent as the table gives it.
    Box place(const WidgetDef& d, const Box& designed) const;
};

// The edge of the `ring`th one-pixel ring of a designed frame, `unit` view pixels per designed
// pixel: frames drawn ring by ring stay crisp, each ring whole view pixels wide.
int ringEdge(int ring, double unit);

// Where a window of `scale` times the designed size goes when it wants `wanted`: at its own size
// where it was designed to go, a larger one kept inside `room` (the screen's free area).
Box keptInside(int scale, const Box& wanted, const Box& room);

}  // namespace verminadia::frontend
