// ヴェルミナーディア外伝: the game in its window.

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "game/events.h"
#include "ui/app_style.h"
#include "ui/game_window.h"
#include "ui/language.h"
#include "ui/sound_output.h"

namespace {

// Without a display Qt gives up with several lines and an abort. While the application starts,
// keep its complaints; if it gives up, say the first of them in one line and exit.
bool starting = true;
QString firstComplaint;

void onQtMessage(QtMsgType type, const QMessageLogContext&, const QString& msg) {
    if (type == QtFatalMsg) {
        const QString why = firstComplaint.isEmpty() ? msg.section('\n', 0, 0) : firstComplaint;
        std::fprintf(stderr, "verminadia: cannot open the window: %s\n", qPrintable(why));
        std::_Exit(1);
    }
    if (type == QtDebugMsg) return;
    if (starting) {
        if (firstComplaint.isEmpty()) firstComplaint = msg.section('\n', 0, 0);
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(msg));
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
    starting = false;
    QApplication::setApplicationName(QStringLiteral("verminadia"));
    verminadia::ui::applyClassicLook();

    verminadia::ui::SystemSound sound;
    verminadia::ClockRandom random;
    verminadia::Catalogues catalogues(verminadia::ui::programFolder(), "verminadia", std::cerr);
    const std::string language = verminadia::ui::startLanguage(QString(), QString());
    verminadia::Game game(sound, random, catalogues.get(language));
    verminadia::ui::GameWindow window(game);
    verminadia::startGame(game);
    window.sync();
    window.show();
    sound.start();  // the stream and the SoundFont load beside the first frame, not before it
    return QApplication::exec();
}
