// verminadia-sheet FILE.png: a contact sheet of all 64 pictures at twice their size, each
// labelled with its widget name, for looking the art over in one go.

#include <cstdio>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "core/widgets/table.h"
#include "desktop/window/game_window.h"
#include "desktop/window/widget_views.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: verminadia-sheet FILE.png\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    using namespace verminadia;
    constexpr int kColumns = 8, kCell = 310, kCaption = 20;
    int pictures = 0;
    for (const WidgetDef& d : kWidgets) pictures += d.kind == Kind::Picture ? 1 : 0;
    const int rows = (pictures + kColumns - 1) / kColumns;

    QImage sheet(kColumns * kCell, rows * (kCell + kCaption), QImage::Format_RGB32);
    sheet.fill(QColor(0x50, 0x50, 0x58));
    QPainter p(&sheet);
    p.setFont(desktop::gameFont(13, true));
    int i = 0;
    for (const WidgetDef& d : kWidgets) {
        if (d.kind != Kind::Picture) continue;
        const QPixmap pm = desktop::loadPicture(d);
        const QRect cell((i % kColumns) * kCell, (i / kColumns) * (kCell + kCaption), kCell, kCell + kCaption);
        const QSize size = pm.size() * 2;
        p.drawPixmap(QRect(cell.left() + (kCell - size.width()) / 2, cell.top() + (kCell - size.height()) / 2,
                           size.width(), size.height()),
                     pm);
        p.setPen(Qt::white);
        const QString name = QString::fromUtf8(d.designed.data(), static_cast<qsizetype>(d.designed.size()));
        const QString label = d.bitmap == d.id
                                  ? name
                                  : name + " = " +
                                        QString::fromUtf8(def(d.bitmap).designed.data(),
                                                          static_cast<qsizetype>(def(d.bitmap).designed.size()));
        p.drawText(QRect(cell.left(), cell.top() + kCell, kCell, kCaption), Qt::AlignCenter, label);
        ++i;
    }
    p.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "verminadia-sheet: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
