#include "desktop/window/app_style.h"

#include <algorithm>

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include "core/widgets/table.h"
#include "desktop/window/stage.h"
#include "desktop/window/widget_views.h"

namespace verminadia::desktop {

namespace {

qreal unitFor(const QStyleOption* opt, const QWidget* w) {
    if (!w && opt) w = qobject_cast<const QWidget*>(opt->styleObject);
    return stageUnit(w);
}

// The classic Windows style with its frames drawn ring by ring at the window's scale. At 1 the
// rings are the style's own one-pixel lines, pixel for pixel.
class ClassicStyle : public QProxyStyle {
public:
    explicit ClassicStyle(QStyle* base) : QProxyStyle(base) {}

    int pixelMetric(PixelMetric m, const QStyleOption* opt, const QWidget* w) const override {
        const int base = QProxyStyle::pixelMetric(m, opt, w);
        switch (m) {
            case PM_DefaultFrameWidth:
            case PM_ButtonShiftHorizontal:
            case PM_ButtonShiftVertical:
            case PM_ButtonMargin:
            case PM_ButtonDefaultIndicator:
            case PM_FocusFrameHMargin:
            case PM_FocusFrameVMargin: return qRound(base * unitFor(opt, w));
            default: return base;
        }
    }

    int styleHint(StyleHint hint, const QStyleOption* opt, const QWidget* w, QStyleHintReturn* ret) const override {
        if (hint == SH_FocusFrame_Mask && w) {
            // The focus frame shows only its ring, as wide as the scaled margins.
            if (auto* mask = qstyleoption_cast<QStyleHintReturnMask*>(ret)) {
                const int h = pixelMetric(PM_FocusFrameHMargin, opt, w), v = pixelMetric(PM_FocusFrameVMargin, opt, w);
                mask->region = QRegion(w->rect()) - QRegion(w->rect().adjusted(h, v, -h, -v));
            }
            return 1;
        }
        return QProxyStyle::styleHint(hint, opt, w, ret);
    }

    void drawPrimitive(PrimitiveElement e, const QStyleOption* opt, QPainter* p, const QWidget* w) const override {
        const qreal unit = unitFor(opt, w);
        const QPalette& pal = opt->palette;
        switch (e) {
            case PE_PanelButtonCommand: {
                const QBrush fill = pal.brush(QPalette::Button);
                if (opt->state & (State_Sunken | State_On)) {
                    drawShades(*p, opt->rect, unit, pal.shadow().color(), pal.light().color(), pal.dark().color(),
                               pal.button().color(), &fill);
                } else if (opt->state & State_Raised) {
                    drawShades(*p, opt->rect, unit, pal.light().color(), pal.shadow().color(), pal.button().color(),
                               pal.dark().color(), &fill);
                } else {
                    p->fillRect(opt->rect, fill);
                }
                return;
            }
            case PE_PanelLineEdit:
                if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(opt)) {
                    const int lw = frame->lineWidth;
                    p->fillRect(opt->rect.adjusted(lw, lw, -lw, -lw), pal.brush(QPalette::Base));
                    if (lw > 0) drawPrimitive(PE_FrameLineEdit, opt, p, w);
                }
                return;
            case PE_FrameLineEdit:
                // The inner ring's lower edges take the colour of what the box lies on.
                drawShades(*p, opt->rect, unit, pal.dark().color(), pal.light().color(), pal.shadow().color(),
                           pal.window().color(), nullptr);
                return;
            case PE_FrameFocusRect:
                // Shown once the keyboard has been used, as the era's desktop did.
                if (opt->state & State_KeyboardFocusChange) drawFocusRing(*p, opt->rect, unit);
                return;
            default: QProxyStyle::drawPrimitive(e, opt, p, w);
        }
    }

    void drawControl(ControlElement e, const QStyleOption* opt, QPainter* p, const QWidget* w) const override {
        if (e == CE_FocusFrame) {
            if (opt->state & State_KeyboardFocusChange) drawFocusRing(*p, opt->rect, unitFor(opt, w));
            return;
        }
        QProxyStyle::drawControl(e, opt, p, w);
    }
};

}  // namespace

void applyClassicLook() {
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(new ClassicStyle(style));
    QPalette pal = QApplication::palette();
    pal.setColor(QPalette::Button, toQColor(kButtonFace));
    pal.setColor(QPalette::Window, toQColor(kButtonFace));
    QApplication::setPalette(pal);
}

qreal stageUnit(const QWidget* widget) {
    if (!widget) return 1;
    const QVariant v = widget->window()->property(kStageScaleProperty);
    return v.isValid() ? v.toReal() : 1;
}

void drawShades(QPainter& p, const QRect& r, qreal unit, const QColor& c1, const QColor& c2, const QColor& c3,
                const QColor& c4, const QBrush* fill) {
    const int e1 = ringEdge(1, unit), e2 = ringEdge(2, unit);
    const int x = r.x(), y = r.y(), w = r.width(), h = r.height();
    if (w < 2 * e1 || h < 2 * e1) return;
    // Outer ring: c1 stops one ring short of the far corners, which c2 takes.
    p.fillRect(QRect(x, y, w - e1, e1), c1);
    p.fillRect(QRect(x, y, e1, h - e1), c1);
    p.fillRect(QRect(x, y + h - e1, w, e1), c2);
    p.fillRect(QRect(x + w - e1, y, e1, h), c2);
    if (w <= 2 * e2 || h <= 2 * e2) return;
    p.fillRect(QRect(x + e1, y + e1, w - e1 - e2, e2 - e1), c3);
    p.fillRect(QRect(x + e1, y + e1, e2 - e1, h - e1 - e2), c3);
    p.fillRect(QRect(x + e1, y + h - e2, w - 2 * e1, e2 - e1), c4);
    p.fillRect(QRect(x + w - e2, y + e1, e2 - e1, h - 2 * e1), c4);
    if (fill) p.fillRect(QRect(x + e2, y + e2, w - 2 * e2, h - 2 * e2), *fill);
}

void drawFocusRing(QPainter& p, const QRect& r, qreal unit) {
    const int t = std::max(1, qRound(unit));
    if (r.width() < 2 * t || r.height() < 2 * t) return;
    const QRect edges[] = {QRect(r.left(), r.top(), r.width(), t), QRect(r.left(), r.bottom() - t + 1, r.width(), t),
                           QRect(r.left(), r.top(), t, r.height()), QRect(r.right() - t + 1, r.top(), t, r.height())};
    for (const QRect& e : edges) {
        p.fillRect(e, Qt::black);
        const bool across = e.width() > e.height();
        const int length = across ? e.width() : e.height();
        for (int at = 0; at < length; at += 2 * t) {
            const int n = std::min(t, length - at);
            p.fillRect(across ? QRect(e.left() + at, e.top(), n, t) : QRect(e.left(), e.top() + at, t, n), Qt::white);
        }
    }
}

}  // namespace verminadia::desktop
