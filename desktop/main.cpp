// ヴェルミナーディア外伝: the game in its window.

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QTimer>

#include "desktop/command_line.h"
#include "desktop/menu/languages.h"
#include "desktop/menu/mute_switch.h"
#include "desktop/session.h"
#include "desktop/settings.h"
#include "desktop/sound_output.h"
#include "desktop/window/app_style.h"
#include "desktop/window/game_window.h"
#include "desktop/window/qtext.h"
#include "frontend/menu_texts.h"
#include "frontend/settings/languages.h"
#include "game/events.h"

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
    const desktop::CommandLine line = desktop::parseCommandLine(argc, argv);
    if (line.exitStatus) return *line.exitStatus;
    // A record to watch is read whole before any window: a bad one ends the program here.
    if (!line.replayPath.isEmpty()) {
        Session check;
        Script checker(check);
        QString error;
        if (!desktop::replayFile(checker, line.replayPath, error)) {
            std::fprintf(stderr, "verminadia: %s\n", qPrintable(error));
            return 2;
        }
    }
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
    // The view saved last time, unless the command line asks for another this once.
    desktop::Settings settings;
    const desktop::ViewChoice view = line.view ? *line.view : settings.view();

    desktop::SystemSound sound;
    Catalogues catalogues(desktop::programFolder(), "verminadia", std::cerr);
    const std::string language = frontend::startLanguage(line.language.toStdString(), settings.language());
    const Catalogue& catalogue = catalogues.get(language);
    // The game starts as the driver's does; a continued one has its last session replayed into it.
    desktop::RecordFile lastRecord;
    frontend::Resumed resumed = line.continueLast ? frontend::continueLastSession(lastRecord, std::cerr, catalogue)
                                                  : frontend::Resumed{std::make_unique<Session>(catalogue)};
    const std::unique_ptr<Session> session = std::move(resumed.session);
    Script script(*session);
    Game& game = session->game();
    desktop::GameWindow window(game);
    window.setView(view);
    QObject::connect(&window, &desktop::GameWindow::viewChosen, &window,
                     [&settings](const desktop::ViewChoice& v) { settings.setView(v); });
    desktop::Languages languages(game, window, catalogues, language);

    desktop::RecordFile own(line.recordPath, desktop::RecordFile::Whose::Player);
    frontend::SessionLog log(*session, lastRecord, std::cerr);
    std::unique_ptr<desktop::Replayer> replayer;
    if (!line.replayPath.isEmpty()) {
        window.setWatchOnly(true);
        replayer = std::make_unique<desktop::Replayer>(script, window, line.speed);
        QString error;
        if (!replayer->load(line.replayPath, error)) {
            std::fprintf(stderr, "verminadia: %s\n", qPrintable(error));
            return 2;
        }
    } else {
        // The file the player named is a promise: it must be writable before the game starts.
        if (!log.open(line.recordPath.isEmpty() ? nullptr : &own, resumed.fromRecord ? &resumed.record : nullptr)) {
            return 2;
        }
        desktop::recordWindow(log, window);
    }

    desktop::MuteSwitch mute(window, game, sound, settings);
    game.sound.setOutput(sound);  // what was playing when the session was left is heard again
    window.sync();
    window.show();
    sound.start();  // the stream and the sound files load once the first frame is out
    if (replayer) replayer->start();
    // Once the window is on screen: the icon, and the menu's own entries: the languages, and on the
    // title the way back into the last session.
    QTimer::singleShot(0, &window, [&] {
#ifdef VERMINADIA_APP_ID
        // The installed icon: looking it up in the icon theme takes as long as a frame. A game run
        // from its build folder has no themed icon, and the window simply shows none.
        QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(VERMINADIA_APP_ID)));
#endif
        QMenu* menu = window.contextMenu();
        menu->addMenu(languages.menu(menu, [&settings](const std::string& code) { settings.setLanguage(code); }));
        mute.addToMenu();
        if (replayer) return;
        QAction* again = menu->addAction(desktop::qtext(game.catalogue().translate(frontend::kContinueItem)));
        QObject::connect(menu, &QMenu::aboutToShow, again, [&, again] {
            again->setText(desktop::qtext(game.catalogue().translate(frontend::kContinueItem)));
            again->setVisible(log.canContinue());
        });
        QObject::connect(again, &QAction::triggered, &window, [&] {
            log.continueLast(sound);
            window.sync();
        });
    });
    return QApplication::exec();
}
