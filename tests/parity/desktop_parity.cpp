// verminadia-parity INPUTS LOG: plays the inputs in the real window, offscreen, as a player does
// (mouse clicks on the widgets, keys where the focus is, the timers' ticks), and writes after each
// what the page's side writes too: the keyboard focus, what a screen reader is told and the game's
// state. The session's record and settings are kept in a folder of its own, so "reload" starts the
// program again over them.

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include "desktop/session.h"
#include "desktop/window/game_window.h"
#include "frontend/native/settings_file.h"
#include "frontend/shell.h"
#include "language/catalogues.h"

namespace {

using namespace verminadia;

// The program as started: its session over the kept record and settings, in a Japanese system.
struct Program {
    SilentOutput sound;
    frontend::SettingsFile settings;
    frontend::RecordFile record;
    frontend::Shell shell;
    desktop::GameWindow window{shell};
    std::string said;

    Program(frontend::FileCatalogues& catalogues, const QString& recordPath)
        : record(recordPath.toStdString()),
          shell({sound,
                 record,
                 settings,
                 catalogues,
                 [](const char* name) { return std::string_view(name) == "LANGUAGE" ? "ja" : nullptr; },
                 std::cerr,
                 {.scale = true, .fullscreen = true}}) {
        QObject::connect(&window, &desktop::GameWindow::announced, &window,
                         [this](const QString& text, bool assertive) {
                             said += (assertive ? "assertive: " : "polite: ") + text.toStdString() + '\n';
                         });
        shell.start();
        window.ensureBuilt();
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) std::cerr << "verminadia-parity: the window is not active\n";
    }
};

const std::pair<const char*, Qt::Key> kKeys[] = {
    {"Tab", Qt::Key_Tab},
    {"Enter", Qt::Key_Return},
    {"Space", Qt::Key_Space},
    {"ArrowUp", Qt::Key_Up},
    {"ArrowDown", Qt::Key_Down},
    {"ArrowLeft", Qt::Key_Left},
    {"ArrowRight", Qt::Key_Right},
    {"s", Qt::Key_S},
    {"m", Qt::Key_M},
};

std::string focusName() {
    const QWidget* f = QApplication::focusWidget();
    const std::string name = f ? f->objectName().toStdString() : "";
    return name.empty() || name == designed(W::Window) ? "-" : name;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: verminadia-parity INPUTS LOG\n");
        return 2;
    }
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    std::ifstream inputs(argv[1]);
    std::ofstream log(argv[2], std::ios::binary);
    if (!inputs || !log) {
        std::fprintf(stderr, "verminadia-parity: cannot open %s or %s\n", argv[1], argv[2]);
        return 2;
    }
    Catalogues all(programDirectory(argv[0]), "verminadia-parity", std::cerr);
    frontend::FileCatalogues catalogues(all);
    auto program = std::make_unique<Program>(catalogues, home.filePath("last-session.script"));
    std::string line, state;
    for (int number = 1; std::getline(inputs, line); ++number) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string verb, what;
        words >> verb >> what;
        Program& p = *program;
        W w{};
        Timer t{};
        if (verb == "tick" && timerByName(what, t)) {
            int n = 0;
            words >> n;
            for (int i = 0; i < n; ++i) p.window.shell().tick(t);
        } else if (verb == "click" && widgetByName(what, w)) {
            QWidget* view = p.window.widget(w);
            if (!view->isVisible()) {
                std::fprintf(stderr, "verminadia-parity: line %d: %s is not showing\n", number, what.c_str());
                return 2;
            }
            // At the widget's middle, on whatever the player sees there, as a real click lands.
            const QPoint at = view->mapTo(&p.window, view->rect().center());
            QWidget* hit = p.window.childAt(at) ? p.window.childAt(at) : &p.window;
            QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(&p.window, at));
        } else if (verb == "key") {
            const bool shift = what.rfind("Shift+", 0) == 0;
            const std::string name = shift ? what.substr(6) : what;
            const auto k =
                std::find_if(std::begin(kKeys), std::end(kKeys), [&](const auto& e) { return name == e.first; });
            if (k == std::end(kKeys)) {
                std::fprintf(stderr, "verminadia-parity: line %d: no key %s\n", number, name.c_str());
                return 2;
            }
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &p.window;
            QTest::keyClick(target, k->second, shift ? Qt::ShiftModifier : Qt::NoModifier);
        } else if (verb == "draw") {
            std::istringstream values(line.substr(4));
            for (int v = 0; values >> v;) p.shell.session().random().queue(v);
        } else if (verb == "language") {
            p.shell.chooseLanguage(what);
        } else if (verb == "reload") {
            program.reset();
            program = std::make_unique<Program>(catalogues, home.filePath("last-session.script"));
        } else if (verb == "continue") {
            p.shell.continueLast();
        } else if (verb == "set") {
            std::ostringstream ignored;
            if (const std::string why = p.shell.script().step(line, ignored); !why.empty()) {
                std::fprintf(stderr, "verminadia-parity: line %d: %s\n", number, why.c_str());
                return 2;
            }
            p.shell.sync();
        } else {
            std::fprintf(stderr, "verminadia-parity: line %d: %s\n", number, line.c_str());
            return 2;
        }
        QApplication::processEvents();
        Program& now = *program;
        log << "> " << line << "\nfocus " << focusName() << '\n' << now.said;
        now.said.clear();
        if (std::string dump = now.shell.script().dump(); dump != state) {
            state = std::move(dump);
            log << state << '\n';
        }
    }
    return 0;
}
