#include "ui/app_style.h"

#include <QApplication>
#include <QStyleFactory>

#include "core/widgets.h"
#include "ui/widget_views.h"

namespace verminadia::ui {

void applyClassicLook() {
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows"))) QApplication::setStyle(style);
    QPalette pal = QApplication::palette();
    pal.setColor(QPalette::Button, toQColor(kButtonFace));
    pal.setColor(QPalette::Window, toQColor(kButtonFace));
    QApplication::setPalette(pal);
}

}  // namespace verminadia::ui
