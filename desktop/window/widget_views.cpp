#include "desktop/window/widget_views.h"

#include <algorithm>

#include <QAccessible>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

#include "core/widgets/caption_layout.h"
#include "desktop/window/game_window.h"
#include "desktop/window/qtext.h"
#include "game/events.h"

namespace verminadia::desktop {

QColor toQColor(Rgb rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb | 0xFF000000u)); }

namespace {

const QColor kHighlight(0xFF, 0xFF, 0xFF);
const QColor kShadow(0x80, 0x80, 0x80);

// The `ring`th one-pixel ring of a bevel, counted from the outside, `unit` pixels wide:
// `topLeft` on the top and left edges, `bottomRight` below and right.
void drawBevelRing(QPainter& p, QSize size, int ring, qreal unit, const QColor& topLeft, const QColor& bottomRight) {
    const int a = ringEdge(ring, unit), b = ringEdge(ring + 1, unit);
    const int w = size.width(), h = size.height();
    p.fillRect(QRect(a, a, w - 2 * a, b - a), topLeft);
    p.fillRect(QRect(a, a, b - a, h - 2 * a), topLeft);
    p.fillRect(QRect(a, h - b, w - 2 * a, b - a), bottomRight);
    p.fillRect(QRect(w - b, a, b - a, h - 2 * a), bottomRight);
}

bool releasedInside(QWidget* w, QMouseEvent* e) {
    return e->button() == Qt::LeftButton && w->rect().contains(e->position().toPoint());
}

// One colour of the widget's palette: its background, or its text's.
void setPaletteColor(QWidget& w, QPalette::ColorRole role, Rgb color) {
    QPalette pal = w.palette();
    pal.setColor(role, toQColor(color));
    w.setPalette(pal);
}

QString pictureFile(const WidgetDef& def, const char* suffix) {
    return QStringLiteral(":/pictures/") + qtext(verminadia::def(def.bitmap).designed) + QLatin1String(suffix);
}

}  // namespace

std::vector<CaptionPiece> layOutCaption(const WidgetDef& d, const QString& text, const QFontMetrics& m, qreal scale) {
    const CaptionSplit split = splitCaption(d, text.toStdString());
    const QString head = QString::fromStdString(split.head);
    if (!split.inColumn) return {{head, 0, m.horizontalAdvance(head)}};
    const QString value = QString::fromStdString(split.value);
    const int width = m.horizontalAdvance(value);
    const int edge = columnEdge(d, scale);
    return {{head, 0, m.horizontalAdvance(head)}, {value, d.column.align == Align::Right ? edge - width : edge, width}};
}

QRect StagedView::placed() const { return stage_.place(def_, QRect(def_.left, def_.top, def_.width, def_.height)); }

QFont StagedView::scaledFont() const { return gameFont(stage_.length(def_.font.px), def_.font.bold); }

PanelView::PanelView(const WidgetDef& def, const Stage& stage, ClickSink sink, QWidget* parent)
    : QWidget(parent), StagedView(def, stage), sink_(std::move(sink)) {
    setColor(def.color);
    PanelView::relayout();  // the class's own: it is being made
}

void PanelView::setColor(Rgb color) {
    setPaletteColor(*this, QPalette::Window, color);
    update();
}

void PanelView::relayout() { setGeometry(placed()); }

void PanelView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    const int rings = def_.bevel == Bevel::Lowered2 ? 2 : 1;
    for (int i = 0; i < rings; ++i) drawBevelRing(p, size(), i, stage_.scale, kHighlight, kShadow);
    if (def_.bevel == Bevel::None) return;
    for (int i = rings; i < 2 * rings; ++i) drawBevelRing(p, size(), i, stage_.scale, kShadow, kHighlight);
}

void PanelView::mouseReleaseEvent(QMouseEvent* e) {
    if (clickable(def_.id) && releasedInside(this, e)) sink_(def_.id);
}

LabelView::LabelView(const WidgetDef& def, const Stage& stage, ClickSink sink, QWidget* parent)
    : QWidget(parent),
      StagedView(def, stage),
      sink_(std::move(sink)),
      color_(toQColor(def.font.color)),
      designFont_(gameFont(def.font.px, def.font.bold)),
      top_(def.top) {
    setFont(scaledFont());
    if (clickable(def.id)) setCursor(Qt::PointingHandCursor);
    text_ = qtext(def.caption);
    fit();
}

void LabelView::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    fit();
    update();
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void LabelView::setTextColor(Rgb color) {
    color_ = toQColor(color);
    update();
}

void LabelView::setFontPx(int px) {
    if (designFont_.pixelSize() == px) return;
    designFont_ = gameFont(px, def_.font.bold);
    setFont(gameFont(stage_.length(px), def_.font.bold));
    fit();
    update();
}

void LabelView::setTopEdge(int top) {
    top_ = top;
    fit();
}

void LabelView::relayout() {
    setFont(gameFont(stage_.length(designFont_.pixelSize()), def_.font.bold));
    fit();
    update();
}

void LabelView::fit() {
    // Measuring text wakes the font machinery; a label that nobody can see yet is measured when
    // it is first shown, which keeps the empty first frame as quick as an empty window's.
    if (!isVisible()) {
        move(stage_.place(def_, QRect(def_.left, top_, 0, 0)).topLeft());
        return;
    }
    const QFontMetrics m(designFont_);
    int width = 0;
    for (const CaptionPiece& piece : layOutCaption(def_, text_, m)) width = std::max(width, piece.left + piece.width);
    int left = def_.left;
    // A translation lines up where the designed caption does: its left edge, centre or right edge.
    if (translated_ && def_.align != Align::Left)
        left += alignedOffset(def_, m.horizontalAdvance(qtext(def_.caption)), width);
    setGeometry(stage_.place(def_, QRect(left, top_, width, m.height())));
}

void LabelView::setTranslated(bool translated) {
    if (translated == translated_) return;
    translated_ = translated;
    fit();
    update();
}

void LabelView::showEvent(QShowEvent*) { fit(); }

void LabelView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), parentWidget()->palette().color(QPalette::Window));
    p.setFont(font());
    p.setPen(color_);
    const auto pieces = layOutCaption(def_, text_, QFontMetrics(font()), stage_.scale);
    if (pieces.size() == 1) {
        p.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, pieces.front().text);
        return;
    }
    for (const CaptionPiece& piece : pieces) {
        p.drawText(QRect(piece.left, 0, std::max(piece.width, width() - piece.left), height()),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, piece.text);
    }
}

void LabelView::mouseReleaseEvent(QMouseEvent* e) {
    if (clickable(def_.id) && releasedInside(this, e)) sink_(def_.id);
}

QPixmap loadPicture(const WidgetDef& def) {
    const QString path = pictureFile(def, ".png");
    QPixmap pm;
    if (QFile::exists(path) && pm.load(path)) return pm;
    pm = QPixmap(def.bitmapWidth, def.bitmapHeight);
    pm.fill(QColor(0x30, 0x30, 0x30));
    QPainter p(&pm);
    p.setPen(QColor(0xE0, 0xE0, 0xE0));
    p.drawRect(pm.rect().adjusted(0, 0, -1, -1));
    p.setFont(gameFont(9, false));
    p.drawText(pm.rect(), Qt::AlignCenter | Qt::TextWordWrap, qtext(def.designed));
    return pm;
}

QImage renderPicture(const WidgetDef& def, QSize pixels) {
    // As the build renders the bitmaps: opaque, white where the drawing leaves anything uncovered.
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QString path = pictureFile(def, ".svg");
    QSvgRenderer drawing;
    if (QFile::exists(path) && drawing.load(path)) {
        drawing.render(&p, QRectF(QPointF(0, 0), QSizeF(pixels)));
    } else {
        p.drawPixmap(image.rect(), loadPicture(def));
    }
    return image;
}

PictureView::PictureView(const WidgetDef& def, const Stage& stage, QWidget* parent)
    : QWidget(parent), StagedView(def, stage), stretch_(def.stretch) {
    PictureView::relayout();  // the class's own: it is being made
}

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

void PictureView::relayout() {
    setGeometry(placed());
    update();
}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const qreal ratio = devicePixelRatioF();
    // The bitmap serves only where it is shown at its own size; a stretched one is drawn afresh,
    // or a tiny bitmap would come out in blocks.
    if (!stretch_ && qFuzzyCompare(stage_.scale, 1.0) && qFuzzyCompare(ratio, 1.0)) {
        p.drawPixmap(0, 0, pixmap());
        return;
    }
    const QRect target =
        stretch_ ? rect() : QRect(0, 0, stage_.length(def_.bitmapWidth), stage_.length(def_.bitmapHeight));
    const QSize pixels(qRound(target.width() * ratio), qRound(target.height() * ratio));
    if (sharp_.size() != pixels || sharpStretched_ != stretch_) {
        sharp_ = QPixmap::fromImage(renderPicture(def_, pixels));
        sharp_.setDevicePixelRatio(ratio);
        sharpStretched_ = stretch_;
    }
    p.drawPixmap(target.topLeft(), sharp_);
}

ButtonView::ButtonView(const WidgetDef& def, const Stage& stage, QWidget* parent)
    : QPushButton(qtext(def.caption), parent), StagedView(def, stage) {
    setPaletteColor(*this, QPalette::ButtonText, def.font.color);
    ButtonView::relayout();  // the class's own: it is being made
}

void ButtonView::relayout() {
    setGeometry(placed());
    setFont(scaledFont());
}

void ButtonView::keyPressEvent(QKeyEvent* e) { e->ignore(); }
void ButtonView::keyReleaseEvent(QKeyEvent* e) { e->ignore(); }

EditView::EditView(const WidgetDef& def, const Stage& stage, QWidget* parent)
    : QLineEdit(qtext(def.caption), parent), StagedView(def, stage) {
    // A sign in the shape of a text box: it keeps the box's look, but takes no typing, no focus
    // and no text cursor, and a right click brings the window's menu rather than the box's own.
    setFrame(true);
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    setContextMenuPolicy(Qt::NoContextMenu);
    setCursorPosition(0);
    setPaletteColor(*this, QPalette::Text, def.font.color);
    EditView::relayout();  // the class's own: it is being made
}

// The mouse neither places a cursor nor selects: a sign is only read.
void EditView::mousePressEvent(QMouseEvent* e) { e->accept(); }
void EditView::mouseMoveEvent(QMouseEvent* e) { e->accept(); }
void EditView::mouseReleaseEvent(QMouseEvent* e) { e->accept(); }
void EditView::mouseDoubleClickEvent(QMouseEvent* e) { e->accept(); }

void EditView::relayout() {
    setGeometry(placed());
    setFont(scaledFont());
    // The box keeps one pixel between its frame and its text; let that pixel grow as well.
    const int margin = std::max(0, stage_.length(1) - 1);
    setTextMargins(margin, 0, margin, 0);
}

}  // namespace verminadia::desktop
