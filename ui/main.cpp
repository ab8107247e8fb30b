// ヴェルミナーディア外伝: the game in its window.

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <cstdlib>

#include "game/events.h"
#include "ui/app_style.h"
#include "ui/game_window.h"
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
    if (!haveDisplay()) {
        std::fprintf(stderr, "verminadia: no display to open the window on (DISPLAY is not set)\n");
        return 1;
    }
    qInstallMessageHandler(onQtMessage);
    QApplication app(argc, argv);
    starting = false;
    QApplication::setApplicationName(QStringLiteral("verminadia"));
    QApplication::setOrganizationName(QStringLiteral("verminadia"));

    // The view: the one saved last time, or the one the command line asks for this once.
    QCommandLineParser options;
    verminadia::ui::addViewOptions(options);
    options.process(app);
    if (verminadia::ui::ViewChoice checked; !verminadia::ui::readViewOptions(options, checked)) return 2;
    verminadia::ui::Settings settings;
    verminadia::ui::ViewChoice view = settings.view();
    verminadia::ui::readViewOptions(options, view);
    verminadia::ui::applyClassicLook();

    verminadia::ui::SystemSound sound;
    verminadia::ClockRandom random;
    verminadia::Game game(sound, random);
    verminadia::ui::GameWindow window(game);
    window.setView(view);
    QObject::connect(&window, &verminadia::ui::GameWindow::viewChosen, &window,
                     [&settings](const verminadia::ui::ViewChoice& v) { settings.setView(v); });
    verminadia::startGame(game);
    window.sync();
    window.show();
    sound.start();  // the stream and the SoundFont load beside the first frame, not before it
    return QApplication::exec();
}
