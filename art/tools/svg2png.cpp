// verminadia-svg2png: renders one SVG picture to an opaque PNG at the SVG's own size.
// The window shows its pictures as plain bitmaps, so the size is never scaled here:
// the width and height attributes of the SVG are the bitmap's pixel size.
// With --icon, a square SVG is rendered at SIZE x SIZE on a transparent background
// instead: the desktop's icon sizes, drawn on whatever the menu's colour is.
//
// Usage: verminadia-svg2png [--icon SIZE] INPUT.svg OUTPUT.png

#include <cstdio>
#include <cstdlib>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>
#include <QSvgRenderer>
#include <QXmlStreamReader>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "verminadia-svg2png: %s\n", qPrintable(message));
    return 1;
}

// The root element's width and height in whole pixels ("56" or "56px"); an empty
// size when either is missing or not a whole number. Qt would otherwise make up
// 100 x 100 for a picture that forgot its size.
QSize declaredSize(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() != QLatin1String("svg")) return {};
        const auto pixels = [&](QLatin1String attribute) {
            QString text = xml.attributes().value(attribute).toString().trimmed();
            if (text.endsWith(QLatin1String("px"))) text.chop(2);
            bool ok = false;
            const int value = text.toInt(&ok);
            return ok ? value : 0;
        };
        return QSize(pixels(QLatin1String("width")), pixels(QLatin1String("height")));
    }
    return {};
}

}  // namespace

int main(int argc, char* argv[]) {
    int iconSize = 0;
    if (argc == 5 && QLatin1String(argv[1]) == QLatin1String("--icon")) {
        bool ok = false;
        iconSize = QString::fromLocal8Bit(argv[2]).toInt(&ok);
        if (!ok || iconSize < 1 || iconSize > 4096)
            return fail(QStringLiteral("--icon %1: not a size in pixels").arg(QString::fromLocal8Bit(argv[2])));
        argv += 2;
        argc -= 2;
    }
    if (argc != 3) return fail(QStringLiteral("usage: verminadia-svg2png [--icon SIZE] INPUT.svg OUTPUT.png"));

    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);

    if (!QFile::exists(input)) return fail(QStringLiteral("%1: no such file").arg(input));

    QSvgRenderer renderer(input);
    if (!renderer.isValid()) return fail(QStringLiteral("%1: not a valid SVG picture").arg(input));

    const QSize size = declaredSize(input);
    if (size.width() < 1 || size.height() < 1 || size.width() > 4096 || size.height() > 4096)
        return fail(QStringLiteral("%1: no usable size (%2 x %3)").arg(input).arg(size.width()).arg(size.height()));

    if (iconSize > 0 && size.width() != size.height())
        return fail(
            QStringLiteral("%1: an icon must be square, not %2 x %3").arg(input).arg(size.width()).arg(size.height()));
    const QSize target = iconSize > 0 ? QSize(iconSize, iconSize) : size;

    // The window's bitmaps are opaque: anything the drawing leaves uncovered is white.
    // An icon keeps its uncovered corners transparent.
    QImage image(target, iconSize > 0 ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    image.fill(iconSize > 0 ? QColor(Qt::transparent) : QColor(Qt::white));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        renderer.render(&painter, QRectF(0, 0, target.width(), target.height()));
    }

    if (!image.save(output, "PNG")) return fail(QStringLiteral("%1: cannot write the PNG").arg(output));
    return 0;
}
