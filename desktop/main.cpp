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
#include "frontend/shell.h"
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

// The catalogues on the desktop are files beside the program, at hand at once.
class FileCatalogues final : public verminadia::frontend::CatalogueSource {
public:
    explicit FileCatalogues(verminadia::Catalogues& all) : all_(all) {}
    void get(const std::string& language, std::function<void(const verminadia::Catalogue&)> ready) override {
        ready(all_.get(language));
    }

private:
    verminadia::Catalogues& all_;
};

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
    desktop::SettingsFile settingsFile;
    desktop::SystemSound sound;
    Catalogues catalogues(desktop::programFolder(), "verminadia", std::cerr);
    FileCatalogues source(catalogues);
    desktop::RecordFile lastRecord;
    frontend::Shell shell({sound,
                           lastRecord,
                           settingsFile,
                           source,
                           frontend::processEnvironment(),
                           std::cerr,
                           {.scale = true, .fullscreen = true}});
    // The view saved last time, unless the command line asks for another this once.
    if (line.view) shell.presetView(*line.view);
    desktop::GameWindow window(shell);
    desktop::RecordFile own(line.recordPath, desktop::RecordFile::Whose::Player);
    const bool watching = !line.replayPath.isEmpty();
    // The file the player named is a promise: it must be writable before the game starts.
    if (!shell.start(line.language.toStdString(), line.continueLast, line.recordPath.isEmpty() ? nullptr : &own,
                     watching)) {
        return 2;
    }
    Game& game = shell.game();
    desktop::Languages languages(game, window, catalogues, shell.language());
    std::unique_ptr<desktop::Replayer> replayer;
    if (watching) {
        replayer = std::make_unique<desktop::Replayer>(shell.script(), window, line.speed);
        QString error;
        if (!replayer->load(line.replayPath, error)) {
            std::fprintf(stderr, "verminadia: %s\n", qPrintable(error));
            return 2;
        }
    }
    desktop::MuteSwitch mute(window, game, sound, *shell.settings());
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
        menu->addMenu(languages.menu(menu, [&shell](const std::string& code) { shell.settings()->setLanguage(code); }));
        mute.addToMenu();
        if (replayer) return;
        QAction* again = menu->addAction(desktop::qtext(game.catalogue().translate(frontend::kContinueItem)));
        QObject::connect(menu, &QMenu::aboutToShow, again, [&, again] {
            again->setText(desktop::qtext(game.catalogue().translate(frontend::kContinueItem)));
            again->setVisible(shell.canContinue());
        });
        QObject::connect(again, &QAction::triggered, &window, [&shell] { shell.continueLast(); });
    });
    return QApplication::exec();
}
