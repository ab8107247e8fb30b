// ヴェルミナーディア外伝: the game in its window.

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include "audio/system/system_sound.h"
#include "desktop/session.h"
#include "desktop/window/app_style.h"
#include "desktop/window/game_window.h"
#include "dist/description.h"
#include "frontend/native/session.h"
#include "frontend/settings/languages.h"
#include "frontend/shell.h"
#include "game/events.h"

#ifndef VERMINADIA_VERSION
#define VERMINADIA_VERSION ""
#endif

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
    using namespace verminadia;
    const frontend::CommandLine line = frontend::parseCommandLine(
        std::vector<std::string>(argv, argv + argc),
        {VERMINADIA_HELP_ABOUT "\n\nThe files it reads and the environment it heeds: man 6 verminadia.",
         VERMINADIA_VERSION});
    if (line.exitStatus) return *line.exitStatus;
    if (!frontend::watchable(line, std::cerr)) return 2;
    if (!haveDisplay()) {
        std::fprintf(stderr, "verminadia: no display to open the window on (DISPLAY is not set)\n");
        return 1;
    }
    qInstallMessageHandler(onQtMessage);
    QApplication app(argc, argv);
    starting = false;
    QApplication::setApplicationName(QStringLiteral("verminadia"));
#ifdef VERMINADIA_APP_ID
    // The menu entry the install puts in place.
    QGuiApplication::setDesktopFileName(QStringLiteral(VERMINADIA_APP_ID));
#endif
    QApplication::setOrganizationName(QStringLiteral("verminadia"));
    desktop::applyClassicLook();
    audio::SystemSound sound;
    frontend::NativeSession session(line, argv[0], sound, {.scale = true, .fullscreen = true});
    frontend::Shell& shell = session.shell();
    desktop::GameWindow window(shell);
    if (!session.start()) return 2;
    std::unique_ptr<desktop::Replayer> replayer;
    if (!line.replayPath.empty()) {
        replayer = std::make_unique<desktop::Replayer>(shell.script(), window, line.speed);
        std::string error;
        if (!replayer->load(line.replayPath, error)) {
            std::fprintf(stderr, "verminadia: %s\n", error.c_str());
            return 2;
        }
    }
    window.show();
    sound.start();  // the stream and the sound files load once the first frame is out
    if (replayer) replayer->start();
    // Once the window is on screen: the icon, and the languages for the menu.
    QTimer::singleShot(0, &window, [&] {
#ifdef VERMINADIA_APP_ID
        // The installed icon: looking it up in the icon theme takes as long as a frame. A game run
        // from its build folder has no themed icon, and the window simply shows none.
        QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(VERMINADIA_APP_ID)));
#endif
        window.menu().offerLanguages(session.catalogues());
    });
    return QApplication::exec();
}
