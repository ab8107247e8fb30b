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

#include "game/events.h"
#include "ui/app_style.h"
#include "ui/command_line.h"
#include "ui/game_window.h"
#include "ui/language.h"
#include "ui/mute_switch.h"
#include "ui/session.h"
#include "ui/settings.h"
#include "ui/sound_output.h"
#include "ui/view_options.h"

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
    const ui::CommandLine line = ui::parseCommandLine(argc, argv);
    if (line.exitStatus) return *line.exitStatus;
    // A record to watch is read whole before any window: a bad one ends the program here.
    if (!line.replayPath.isEmpty()) {
        Script check;
        QString error;
        if (!ui::replayQuietly(check, line.replayPath, error)) {
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
    // The menu entry and the icon the install puts in place; a game run from its build folder
    // has no themed icon, and the window simply shows none.
    QGuiApplication::setDesktopFileName(QStringLiteral(VERMINADIA_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(VERMINADIA_APP_ID)));
#endif
    QApplication::setOrganizationName(QStringLiteral("verminadia"));
    ui::applyClassicLook();
    // The view saved last time, unless the command line asks for another this once.
    ui::Settings settings;
    const ui::ViewChoice view = line.view ? *line.view : settings.view();

    ui::SystemSound sound;
    Catalogues catalogues(ui::programFolder(), "verminadia", std::cerr);
    const std::string language = ui::startLanguage(line.language, settings.language());
    const Catalogue& catalogue = catalogues.get(language);
    // The game starts as the driver's does; a continued one has its last session replayed into it.
    QString previous;
    double lastTime = 0;
    std::unique_ptr<Script> script = line.continueLast ? ui::continueLastSession(previous, lastTime, catalogue)
                                                       : std::make_unique<Script>(catalogue);
    Game& game = script->game();
    ui::GameWindow window(game);
    window.setView(view);
    QObject::connect(&window, &ui::GameWindow::viewChosen, &window,
                     [&settings](const ui::ViewChoice& v) { settings.setView(v); });
    ui::Languages languages(game, window, catalogues, language);

    ClockRandom random;
    ui::SessionLog log(random);
    std::unique_ptr<ui::Replayer> replayer;
    if (!line.replayPath.isEmpty()) {
        window.setWatchOnly(true);
        replayer = std::make_unique<ui::Replayer>(*script, window, line.speed);
        QString error;
        if (!replayer->load(line.replayPath, error)) {
            std::fprintf(stderr, "verminadia: %s\n", qPrintable(error));
            return 2;
        }
    } else {
        QString error;
        if (!log.open(line.recordPath, previous, lastTime, error)) {
            std::fprintf(stderr, "verminadia: %s\n", qPrintable(error));
            return 2;
        }
        game.random = &log.random();
        log.attach(window);
    }

    ui::MuteSwitch mute(window, game, sound, settings);
    game.sound.setOutput(sound);  // what was playing when the session was left is heard again
    window.sync();
    window.show();
    sound.start();  // the stream and the SoundFont load beside the first frame, not before it
    if (replayer) replayer->start();
    // The menu's own entries, once the first frame is out: the languages, and on the title the
    // way back into the last session.
    QTimer::singleShot(0, &window, [&] {
        QMenu* menu = window.contextMenu();
        menu->addMenu(languages.menu(
            menu, [&settings](const std::string& code) { settings.setLanguage(QString::fromStdString(code)); }));
        mute.addToMenu();
        if (replayer) return;
        QAction* again = menu->addAction(ui::qtext(game.catalogue().translate(ui::kContinueItem)));
        QObject::connect(menu, &QMenu::aboutToShow, again, [&, again] {
            again->setText(ui::qtext(game.catalogue().translate(ui::kContinueItem)));
            again->setVisible(log.canContinue());
        });
        QObject::connect(again, &QAction::triggered, &window, [&] { log.continueLast(*script, window, sound); });
    });
    return QApplication::exec();
}
