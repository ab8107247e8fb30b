#pragma once
// The window's own kinds of widget: bevelled panels, self-sizing labels that take clicks, pictures
// drawn at their bitmap size or stretched to their box, push buttons and heading boxes. Each is
// placed and drawn through the window's stage, so it looks the same at every scale, only sharper.

#include <functional>
#include <vector>

#include <QFontMetrics>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include "core/widgets/table.h"
#include "desktop/window/stage.h"

namespace verminadia::desktop {

using ClickSink = std::function<void(W)>;

// A view that follows the stage: relayout() puts it where the stage says and sizes its font.
class StagedView {
public:
    StagedView(const WidgetDef& def, const Stage& stage) : def_(def), stage_(stage) {}
    virtual ~StagedView() = default;
    StagedView(const StagedView&) = delete;
    StagedView& operator=(const StagedView&) = delete;
    virtual void relayout() = 0;
    W id() const { return def_.id; }

protected:
    // Where the stage puts the widget's designed rectangle, and its designed font at that scale.
    QRect placed() const;
    QFont scaledFont() const;

    const WidgetDef& def_;
    const Stage& stage_;
};

// A rectangle with a raised outer bevel, a background colour and, for some, a lowered inner bevel.
class PanelView : public QWidget, public StagedView {
public:
    PanelView(const WidgetDef& def, const Stage& stage, ClickSink sink, QWidget* parent);
    void setColor(Rgb color);
    void relayout() override;

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    ClickSink sink_;
};

// A label's caption as the window lays it out, in pixels from the label's left edge at `scale`
// with metrics of the font at that scale: the text before a tab, then what follows it in the
// label's column. Without a tab, or without a column, it is one piece.
struct CaptionPiece {
    QString text;
    int left, width;
};
std::vector<CaptionPiece> layOutCaption(const WidgetDef& d, const QString& text, const QFontMetrics& m,
                                        qreal scale = 1);

// One line of text on its parent's colour; it sizes itself to its text from a fixed left and top.
// Its size is measured at the designed font height and scaled with the stage, so every screen
// keeps its designed layout; the text itself is drawn with the font at the scaled height.
class LabelView : public QWidget, public StagedView {
public:
    LabelView(const WidgetDef& def, const Stage& stage, ClickSink sink, QWidget* parent);
    void setText(const QString& text);
    // Shown in a translation: the caption is placed by the label's alignment and column, which
    // the game's own language leaves to its designed spaces.
    void setTranslated(bool translated);
    void setTextColor(Rgb color);
    void setFontPx(int px);
    void setTopEdge(int top);
    const QString& text() const { return text_; }
    void relayout() override;

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void showEvent(QShowEvent*) override;

private:
    void fit();

    ClickSink sink_;
    QString text_;
    QColor color_;
    QFont designFont_;
    int top_;
    bool translated_ = false;
};

// A bitmap in a box: drawn at its own size from the top-left corner, or stretched to fill the box.
// Unstretched at 1 it is the built-in bitmap; stretched, or at any other scale or device pixel
// ratio, it is rendered afresh from its drawing at the pixels it covers on the screen.
class PictureView : public QWidget, public StagedView {
public:
    PictureView(const WidgetDef& def, const Stage& stage, QWidget* parent);
    void setStretch(bool stretch);
    const QPixmap& pixmap() const;
    void relayout() override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    mutable QPixmap pixmap_;  // the bitmap at its own size
    QPixmap sharp_;           // rendered for the screen, when that is not the bitmap's own size
    bool sharpStretched_ = false;
    bool stretch_;
};

// A push button. Its keys are the window's: Space, Return and the arrows go up to the window, so
// every clickable widget answers the keyboard the same way.
class ButtonView : public QPushButton, public StagedView {
public:
    ButtonView(const WidgetDef& def, const Stage& stage, QWidget* parent);
    void relayout() override;

protected:
    void keyPressEvent(QKeyEvent*) override;
    void keyReleaseEvent(QKeyEvent*) override;
};

// A one-line box used as a heading: it looks like a text box and reads as a heading.
class EditView : public QLineEdit, public StagedView {
public:
    EditView(const WidgetDef& def, const Stage& stage, QWidget* parent);
    void relayout() override;

protected:
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
};

// The picture of a widget, from the pictures built into the program. A picture missing from
// the build is drawn as a framed card with its name, so that it is noticed and not invisible.
QPixmap loadPicture(const WidgetDef& def);
// The same picture rendered from its drawing at `pixels`, stretched to fill them.
QImage renderPicture(const WidgetDef& def, QSize pixels);

QColor toQColor(Rgb rgb);

}  // namespace verminadia::desktop
