#include "ui/view_options.h"

#include <cstdio>

#include <QCommandLineParser>

namespace verminadia::ui {

namespace {
const QString kScale = QStringLiteral("scale");
const QString kFullscreen = QStringLiteral("fullscreen");
}  // namespace

void addViewOptions(QCommandLineParser& parser) {
    parser.addOption(QCommandLineOption(kScale, QStringLiteral("Open the window at N times its size (1 to 4)."),
                                        QStringLiteral("N")));
    parser.addOption(
        QCommandLineOption(kFullscreen, QStringLiteral("Open the game fullscreen (F11 toggles, Esc leaves).")));
}

bool readViewOptions(const QCommandLineParser& parser, ViewChoice& view) {
    ViewChoice chosen = view;
    if (parser.isSet(kScale)) {
        const QString text = parser.value(kScale);
        bool ok = false;
        const int n = text.trimmed().toInt(&ok);
        if (!ok || n < kMinScale || n > kMaxScale) {
            std::fprintf(stderr, "verminadia: --scale takes a whole number from %d to %d, not '%s'\n", kMinScale,
                         kMaxScale, qPrintable(text));
            return false;
        }
        chosen.scale = n;
        chosen.fullscreen = false;
    }
    if (parser.isSet(kFullscreen)) chosen.fullscreen = true;
    view = chosen;
    return true;
}

}  // namespace verminadia::ui
