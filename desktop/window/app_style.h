#pragma once
// The look of the era's desktop, at any size: the classic Windows style with its grey button face,
// whose bevels and focus marks grow with the game's scale instead of staying one pixel thin.

#include <QBrush>
#include <QColor>
#include <QRect>

class QPainter;
class QWidget;

namespace verminadia::desktop {

// Sets the classic style and palette for the whole application.
void applyClassicLook();

// The top-level window property that holds how many window pixels one designed pixel takes; the
// style reads it for every widget inside the window. Windows without it are drawn at 1.
inline constexpr char kStageScaleProperty[] = "verminadiaStageScale";
qreal stageUnit(const QWidget* widget);

// The classic two-ring bevel: c1 on the outer top and left, c2 on the outer bottom and right, c3
// and c4 the same for the inner ring, then the fill. Each ring is `unit` pixels wide.
void drawShades(QPainter& p, const QRect& r, qreal unit, const QColor& c1, const QColor& c2, const QColor& c3,
                const QColor& c4, const QBrush* fill);

// The keyboard focus mark: a dotted ring of black and white along the inside of `r`, seen on the
// black panels, the white window and the grey buttons alike.
void drawFocusRing(QPainter& p, const QRect& r, qreal unit);

}  // namespace verminadia::desktop
