// verminadia-shot [--scale N] SCRIPT OUT.png: plays a script as verminadia-script does, then draws
// the real window as the game left it into a picture, without a display, at the window's own size
// or N times it. For looking at a screen quickly. It speaks the language the environment asks
// for, as the driver does.

#include <cstdio>
#include <cstring>

#include <QApplication>

#include "desktop/window/app_style.h"
#include "tools/desktop/played_window.h"

int main(int argc, char** argv) {
    int scale = verminadia::desktop::kMinScale;
    if (argc == 5 && std::strcmp(argv[1], "--scale") == 0) {
        scale = std::atoi(argv[2]);
        argv += 2;
        argc -= 2;
    }
    if (argc != 3 || scale < verminadia::desktop::kMinScale || scale > verminadia::desktop::kMaxScale) {
        std::fprintf(stderr, "usage: verminadia-shot [--scale 1-4] SCRIPT OUT.png\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    verminadia::desktop::applyClassicLook();

    verminadia::desktop::PlayedWindow played("verminadia-shot");
    if (const int status = played.play(argv[1], {scale, false}); status != 0) return status;
    if (!played.window().grab().save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "verminadia-shot: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
