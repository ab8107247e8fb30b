#pragma once
// The real window over a fresh game, offscreen and active, driven the way a player drives it: the
// timers' ticks, keys on whatever has the focus, and nothing else.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

#include "desktop/window/game_window.h"
#include "desktop/window/qtext.h"
#include "desktop/window/widget_views.h"
#include "game/events.h"

namespace verminadia::desktop::fixtures {

inline QString qname(std::string_view s) { return qtext(s); }

// The game's settings file, removed so that a test starts without saved settings. Empty, and
// nothing removed, unless XDG_CONFIG_HOME points the game away from the player's own settings
// (the ui tests set it to a folder in the build folder).
inline QString freshSettingsFile() {
    const QString home = qEnvironmentVariable("XDG_CONFIG_HOME");
    QString file = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                       .filePath(QStringLiteral("verminadia/verminadia.conf"));
    if (home.isEmpty() || !file.startsWith(home + "/")) return {};
    QFile::remove(file);
    return file;
}

struct LiveWindow : ::testing::Test {
    SilentOutput silence;
    ClockRandom random{[] { return std::uint64_t{1}; }};
    Game game{silence, random};
    GameWindow window{game};

    void SetUp() override {
        startGame(game);
        window.ensureBuilt();
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void ticks(Timer t, int n) {
        for (int i = 0; i < n; ++i) {
            tick(game, t);
            window.shell().sync();
        }
    }
    // A key pressed and released where the keyboard focus is, as the desktop delivers it.
    void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
        QTest::keyClick(target, key, mods);
    }
    // The widget that has the focus, or W::Window for the window itself.
    W focused() const {
        W w = W::Window;
        if (const QWidget* f = QApplication::focusWidget()) widgetByName(f->objectName().toStdString(), w);
        return w;
    }
    QWidget* view(W w) { return window.widget(w); }
};

}  // namespace verminadia::desktop::fixtures
