#pragma once
// The window's own kinds of widget: bevelled panels, self-sizing labels that take clicks, and
// pictures drawn at their bitmap size or stretched to their box.

#include <QPixmap>
#include <QWidget>
#include <functional>

#include "core/widgets.h"

namespace verminadia::ui {

using ClickSink = std::function<void(W)>;

// A rectangle with a raised outer bevel, a background colour and, for some, a lowered inner bevel.
class PanelView : public QWidget {
public:
    PanelView(const WidgetDef& def, ClickSink sink, QWidget* parent);
    void setColor(Rgb color);

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    const WidgetDef& def_;
    ClickSink sink_;
};

// One line of text on its parent's colour; it sizes itself to its text from a fixed left and top.
class LabelView : public QWidget {
public:
    LabelView(const WidgetDef& def, ClickSink sink, QWidget* parent);
    void setText(const QString& text);
    void setTextColor(Rgb color);
    void setFontPx(int px);
    void setTopEdge(int top);
    const QString& text() const { return text_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void showEvent(QShowEvent*) override;

private:
    void fit();

    const WidgetDef& def_;
    ClickSink sink_;
    QString text_;
    QColor color_;
    int top_;
};

// A bitmap in a box: drawn at its own size from the top-left corner, or stretched to fill the box.
class PictureView : public QWidget {
public:
    PictureView(const WidgetDef& def, QWidget* parent);
    void setStretch(bool stretch);
    const QPixmap& pixmap() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const WidgetDef& def_;
    mutable QPixmap pixmap_;
    bool stretch_;
};

// The picture of a widget, from the pictures built into the program. A picture missing from
// the build is drawn as a framed card with its name, so that it is noticed and not invisible.
QPixmap loadPicture(const WidgetDef& def);

QColor toQColor(Rgb rgb);

}  // namespace verminadia::ui
