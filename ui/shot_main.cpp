// verminadia-shot [--scale N] SCRIPT OUT.png: plays a script as verminadia-script does, then draws
// the real window as the game left it into a picture, without a display, at the window's own size
// or N times it. For looking at a screen quickly. It speaks the language the environment asks
// for, as the driver does.

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>

#include <QApplication>

#include "tools/script.h"
#include "ui/app_style.h"
#include "ui/game_window.h"
#include "ui/language.h"

int main(int argc, char** argv) {
    int scale = verminadia::ui::kMinScale;
    if (argc == 5 && std::strcmp(argv[1], "--scale") == 0) {
        scale = std::atoi(argv[2]);
        argv += 2;
        argc -= 2;
    }
    if (argc != 3 || scale < verminadia::ui::kMinScale || scale > verminadia::ui::kMaxScale) {
        std::fprintf(stderr, "usage: verminadia-shot [--scale 1-4] SCRIPT OUT.png\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    verminadia::ui::applyClassicLook();

    std::ifstream in(argv[1]);
    if (!in) {
        std::fprintf(stderr, "verminadia-shot: cannot read %s\n", argv[1]);
        return 2;
    }
    verminadia::Catalogues catalogues(verminadia::ui::programFolder(), "verminadia-shot", std::cerr);
    verminadia::Script script(catalogues.get(verminadia::ui::startLanguage(QString(), QString())));
    if (const int status = script.run(in, std::cout, std::cerr); status != 0) return status;
    verminadia::ui::GameWindow window(script.game());
    window.setView({scale, false});
    window.ensureBuilt();
    window.show();
    if (!window.grab().save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "verminadia-shot: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
