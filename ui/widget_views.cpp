#include "ui/widget_views.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>

#include "game/events.h"
#include "ui/game_window.h"

namespace verminadia::ui {

QColor toQColor(Rgb rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb | 0xFF000000u)); }

namespace {

const QColor kHighlight(0xFF, 0xFF, 0xFF);
const QColor kShadow(0x80, 0x80, 0x80);

// One bevel ring of `width` pixels: `topLeft` on the top and left edges, `bottomRight` below and right.
void drawBevel(QPainter& p, QRect r, int width, const QColor& topLeft, const QColor& bottomRight) {
    for (int i = 0; i < width; ++i) {
        p.setPen(topLeft);
        p.drawLine(r.left(), r.top(), r.right(), r.top());
        p.drawLine(r.left(), r.top(), r.left(), r.bottom());
        p.setPen(bottomRight);
        p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        r.adjust(1, 1, -1, -1);
    }
}

bool releasedInside(QWidget* w, QMouseEvent* e) {
    return e->button() == Qt::LeftButton && w->rect().contains(e->position().toPoint());
}

}  // namespace

PanelView::PanelView(const WidgetDef& def, ClickSink sink, QWidget* parent)
    : QWidget(parent), def_(def), sink_(std::move(sink)) {
    setColor(def.color);
}

void PanelView::setColor(Rgb color) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(color));
    setPalette(pal);
    update();
}

void PanelView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    const int width = def_.bevel == Bevel::Lowered2 ? 2 : 1;
    drawBevel(p, rect(), width, kHighlight, kShadow);
    if (def_.bevel != Bevel::None) drawBevel(p, rect().adjusted(width, width, -width, -width), width, kShadow, kHighlight);
}

void PanelView::mouseReleaseEvent(QMouseEvent* e) {
    if (clickable(def_.id) && releasedInside(this, e)) sink_(def_.id);
}

LabelView::LabelView(const WidgetDef& def, ClickSink sink, QWidget* parent)
    : QWidget(parent), def_(def), sink_(std::move(sink)), color_(toQColor(def.font.color)), top_(def.top) {
    setFont(gameFont(def.font.px, def.font.bold));
    if (clickable(def.id)) setCursor(Qt::PointingHandCursor);
    text_ = QString::fromUtf8(def.caption.data(), static_cast<qsizetype>(def.caption.size()));
    fit();
}

void LabelView::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    fit();
    update();
}

void LabelView::setTextColor(Rgb color) {
    color_ = toQColor(color);
    update();
}

void LabelView::setFontPx(int px) {
    if (font().pixelSize() == px) return;
    setFont(gameFont(px, def_.font.bold));
    fit();
    update();
}

void LabelView::setTopEdge(int top) {
    top_ = top;
    fit();
}

void LabelView::fit() {
    // Measuring text wakes the font machinery; a label that nobody can see yet is measured when
    // it is first shown, which keeps the empty first frame as quick as an empty window's.
    if (!isVisible()) {
        move(def_.left, top_);
        return;
    }
    const QFontMetrics m(font());
    setGeometry(def_.left, top_, m.horizontalAdvance(text_), m.height());
}

void LabelView::showEvent(QShowEvent*) { fit(); }

void LabelView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), parentWidget()->palette().color(QPalette::Window));
    p.setFont(font());
    p.setPen(color_);
    p.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text_);
}

void LabelView::mouseReleaseEvent(QMouseEvent* e) {
    if (clickable(def_.id) && releasedInside(this, e)) sink_(def_.id);
}

QPixmap loadPicture(const WidgetDef& def) {
    const QString path = QStringLiteral(":/pictures/%1.png")
                             .arg(QString::fromUtf8(verminadia::def(def.bitmap).name.data(),
                                                    static_cast<qsizetype>(verminadia::def(def.bitmap).name.size())));
    QPixmap pm;
    if (QFile::exists(path) && pm.load(path)) return pm;
    pm = QPixmap(def.bitmapWidth, def.bitmapHeight);
    pm.fill(QColor(0x30, 0x30, 0x30));
    QPainter p(&pm);
    p.setPen(QColor(0xE0, 0xE0, 0xE0));
    p.drawRect(pm.rect().adjusted(0, 0, -1, -1));
    p.setFont(gameFont(9, false));
    p.drawText(pm.rect(), Qt::AlignCenter | Qt::TextWordWrap, QString::fromUtf8(def.name.data(), static_cast<qsizetype>(def.name.size())));
    return pm;
}

PictureView::PictureView(const WidgetDef& def, QWidget* parent)
    : QWidget(parent), def_(def), stretch_(def.stretch) {}

const QPixmap& PictureView::pixmap() const {
    // Most pictures wait hidden for their scene: decode each the first time it is needed.
    if (pixmap_.isNull()) pixmap_ = loadPicture(def_);
    return pixmap_;
}

void PictureView::setStretch(bool stretch) {
    if (stretch == stretch_) return;
    stretch_ = stretch;
    update();
}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (stretch_) {
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.drawPixmap(rect(), pixmap());
    } else {
        p.drawPixmap(0, 0, pixmap());
    }
}

}  // namespace verminadia::ui
