#pragma once
// The shared layer's stage (frontend/stage.h) in Qt's geometry: where the window's designed area
// lies in the real window. Every widget is placed through it.

#include <QRect>
#include <QSize>

#include "frontend/settings/settings.h"
#include "frontend/stage.h"

namespace verminadia::desktop {

inline constexpr QSize kDesignSize{frontend::kDesignWidth, frontend::kDesignHeight};
inline constexpr QPoint kDesignPosition{frontend::kDesignLeft, frontend::kDesignTop};

// How the player wants the window, and the scales there are: the settings' own.
using frontend::kMaxScale;
using frontend::kMinScale;
using frontend::ringEdge;
using frontend::ViewChoice;

inline QRect qrect(const frontend::Box& b) { return {b.left, b.top, b.width, b.height}; }
inline frontend::Box box(const QRect& r) { return {r.left(), r.top(), r.width(), r.height()}; }

struct Stage : frontend::StageLayout {
    static Stage windowed(int scale) { return {StageLayout::windowed(scale)}; }
    static Stage fitting(QSize room) { return {StageLayout::fitting(room.width(), room.height())}; }
    QRect map(const QRect& designed) const { return qrect(StageLayout::map(box(designed))); }
    QRect area() const { return qrect(StageLayout::area()); }
    QRect place(const WidgetDef& d, const QRect& designed) const { return qrect(StageLayout::place(d, box(designed))); }
};

}  // namespace verminadia::desktop
