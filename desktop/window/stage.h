#pragma once
// Where the window's designed 521 × 351 area lies in the real window: how many window pixels one
// designed pixel takes, and where the area's top-left corner is (inside black bars in fullscreen).
// Every widget is placed through it, so a click lands where the player sees the widget.

#include <QRect>
#include <QSize>

#include "core/widgets/table.h"
#include "frontend/settings/settings.h"

namespace verminadia::desktop {

inline constexpr QSize kDesignSize{kFormWidth, kFormHeight};
inline constexpr QPoint kDesignPosition{276, 201};

// How the player wants the window, and the scales there are: the settings' own.
using frontend::kMaxScale;
using frontend::kMinScale;
using frontend::ViewChoice;

struct Stage {
    qreal scale = 1;
    QPoint origin;

    // The area at a whole scale, filling the window.
    static Stage windowed(int scale) { return {static_cast<qreal>(scale), {}}; }
    // The largest area of the designed shape that fits `room`, centred in it.
    static Stage fitting(QSize room);

    // A designed length or coordinate in window pixels. Edges are rounded one by one, so that
    // widgets that touch in the design still touch at any scale.
    int length(qreal designed) const { return qRound(designed * scale); }
    // A rectangle of the design, in the area's own coordinates, in window coordinates.
    QRect map(const QRect& designed) const;
    // The whole area in window coordinates.
    QRect area() const { return map(QRect(QPoint(0, 0), kDesignSize)); }
    // Where a widget of the table goes inside its parent, for a rectangle given relative to that
    // parent as the table gives it.
    QRect place(const WidgetDef& d, const QRect& designed) const;
};

// The edge of the `ring`th one-pixel ring of a designed frame, `unit` window pixels per designed
// pixel: frames drawn ring by ring stay crisp, each ring whole window pixels wide.
inline int ringEdge(int ring, qreal unit) { return qRound(ring * unit); }

}  // namespace verminadia::desktop
