#include "desktop/window/stage.h"

#include <algorithm>

namespace verminadia::desktop {

Stage Stage::fitting(QSize room) {
    const qreal scale = std::min(static_cast<qreal>(room.width()) / kDesignSize.width(),
                                 static_cast<qreal>(room.height()) / kDesignSize.height());
    Stage s{scale, {}};
    const QSize used = s.area().size();
    s.origin = QPoint((room.width() - used.width()) / 2, (room.height() - used.height()) / 2);
    return s;
}

QRect Stage::map(const QRect& designed) const {
    const QPoint topLeft(origin.x() + length(designed.left()), origin.y() + length(designed.top()));
    const QPoint end(origin.x() + length(designed.left() + designed.width()),
                     origin.y() + length(designed.top() + designed.height()));
    return QRect(topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y()));
}

QRect Stage::place(const WidgetDef& d, const QRect& designed) const {
    if (d.parent == W::Window) return map(designed);
    const WidgetDef& parent = def(d.parent);
    const QRect parentRect = map(QRect(parent.left, parent.top, parent.width, parent.height));
    return map(designed.translated(parent.left, parent.top)).translated(-parentRect.topLeft());
}

}  // namespace verminadia::desktop
