// ヴェルミナーディア外伝: the game in its window.

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "core/game.h"
#include "ui/app_style.h"
#include "ui/game_window.h"
#include "ui/sound_output.h"

namespace {

// Without a display Qt gives up with a fatal message and an abort; say it plainly and exit instead.
void onQtMessage(QtMsgType type, const QMessageLogContext&, const QString& msg) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "verminadia: cannot open the window: %s\n", qPrintable(msg.section('\n', 0, 0)));
        std::_Exit(1);
    }
    if (type != QtDebugMsg) std::fprintf(stderr, "%s\n", qPrintable(msg));
}

bool haveDisplay() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland")) return true;
    return !qgetenv("DISPLAY").isEmpty() || !qgetenv("WAYLAND_DISPLAY").isEmpty();
}

}  // namespace

int main(int argc, char** argv) {
    if (!haveDisplay()) {
        std::fprintf(stderr, "verminadia: no display to open the window on (DISPLAY is not set)\n");
        return 1;
    }
    qInstallMessageHandler(onQtMessage);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("verminadia"));
    verminadia::ui::applyClassicLook();

    verminadia::ui::SystemSound sound;
    verminadia::ClockRandom random;
    verminadia::Game game(sound, random);
    verminadia::ui::GameWindow window(game);
    verminadia::startGame(game);
    window.sync();
    window.show();
    return QApplication::exec();
}
