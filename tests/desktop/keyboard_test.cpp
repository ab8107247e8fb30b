// The whole game by keyboard in the window: the game played with keys alone, the stops walked in
// reading order, the focus shown once the keyboard is used, and a held key.

#include <gtest/gtest.h>

#include <random>

#include <QImage>

#include "audio/system/system_sound.h"
#include "frontend/focus_order.h"
#include "frontend/native/settings_file.h"
#include "live_window.h"

namespace verminadia::desktop::fixtures {
namespace {

using Stops = std::vector<W>;

// Counts the mouse's clicks anywhere in the application.
struct MouseWatch : QObject {
    int clicks = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        const auto t = e->type();
        if (t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease || t == QEvent::MouseButtonDblClick)
            ++clicks;
        return false;
    }
};

using Keys = LiveWindow;

TEST_F(Keys, PlayTheOpeningAHeroChoiceAndAWholeFightWithoutTheMouse) {
    MouseWatch mouse;
    qApp->installEventFilter(&mouse);

    ticks(Timer::Opening, 17);
    EXPECT_EQ(focused(), W::Window);
    press(Qt::Key_Return);  // nothing to click yet
    EXPECT_EQ(game.state.TitleTick, 17);
    ticks(Timer::Opening, 1);
    EXPECT_EQ(focused(), W::Start);  // スタート
    press(Qt::Key_Return);
    EXPECT_FALSE(view(W::Start)->isVisible());
    ticks(Timer::Opening, 11);

    EXPECT_EQ(focused(), W::TorubaChoice);
    press(Qt::Key_Down);
    EXPECT_EQ(focused(), W::OldMoanerChoice);
    press(Qt::Key_Return);
    EXPECT_EQ(game.state.HeroId, 1);

    EXPECT_EQ(focused(), W::KingButton);    // the town: 王の部屋 first
    press(Qt::Key_Tab, Qt::ShiftModifier);  // back to the hero bar's ステータス, then round to 闘技場
    EXPECT_EQ(focused(), W::StatusButton);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), W::ArenaButton);
    press(Qt::Key_Space);
    EXPECT_TRUE(view(W::ClassChoicePanel)->isVisible());
    EXPECT_EQ(focused(), W::AmateurButton);  // アマチュア級
    press(Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_TRUE(view(W::CommandPanel)->isVisible());
    EXPECT_EQ(focused(), W::AttackCommand);  // 攻撃

    // Return until the fight is over: the hero attacks, the panel takes each step.
    int presses = 0;
    while (!view(W::ClassChoicePanel)->isVisible() && !view(W::TownButtons)->isVisible() && presses < 200) {
        const bool waits = frontend::panelWaits(game);
        EXPECT_EQ(focused(), waits ? W::MessagePanel : W::AttackCommand) << "press " << presses;
        press(Qt::Key_Return);
        ++presses;
    }
    EXPECT_FALSE(view(W::CommandPanel)->isVisible());  // the classes again, or the town after a loss
    EXPECT_GT(game.state.AmateurBouts, 0);
    EXPECT_GT(presses, 3);

    qApp->removeEventFilter(&mouse);
    EXPECT_EQ(mouse.clicks, 0);
}

TEST_F(Keys, TabAndTheArrowsWalkTheStopsInReadingOrderAndWrap) {
    ticks(Timer::Opening, 18);
    press(Qt::Key_Return);
    ticks(Timer::Opening, 11);
    press(Qt::Key_Return);  // トルバさん
    // A panel at a time: the hero bar's status button, then the town's buttons, row by row.
    const Stops town{W::StatusButton, W::KingButton, W::InnButton, W::StoreButton, W::ArenaButton};
    for (std::size_t i = 1; i <= town.size(); ++i) {
        press(Qt::Key_Tab);
        EXPECT_EQ(focused(), town[(i + 1) % town.size()]);
    }
    press(Qt::Key_Right);
    EXPECT_EQ(focused(), W::InnButton);
    press(Qt::Key_Up);
    press(Qt::Key_Left);
    EXPECT_EQ(focused(), W::StatusButton);
    press(Qt::Key_Backtab);
    EXPECT_EQ(focused(), W::ArenaButton);
}

TEST_F(Keys, TheMessagePanelHasTheFocusWhileItWaitsForItsClick) {
    ticks(Timer::Opening, 18);
    press(Qt::Key_Return);
    ticks(Timer::Opening, 11);
    press(Qt::Key_Return);
    press(Qt::Key_Return);  // 王の部屋: the king speaks
    EXPECT_TRUE(view(W::King)->isVisible());
    EXPECT_EQ(focused(), W::MessagePanel);
    press(Qt::Key_Space);  // the room closes
    EXPECT_FALSE(view(W::MessagePanel)->isVisible());
    EXPECT_EQ(focused(), W::KingButton);
}

TEST_F(Keys, NeverReachAHiddenWidget) {
    // Random keys and ticks all the way through: after each, the focus is on a showing stop or
    // on the window, and a click goes only where the player can see.
    std::mt19937 rng(12);
    const Qt::Key keys[] = {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Up, Qt::Key_Down, Qt::Key_Return, Qt::Key_Space};
    for (int step = 0; step < 1500 && game.form.open(); ++step) {
        if (rng() % 3 == 0) {
            const auto t = static_cast<Timer>(rng() % kTimerCount);
            ticks(t, 1);
        } else {
            press(keys[rng() % std::size(keys)]);
        }
        if (!window.isVisible()) break;
        const QWidget* f = window.focusWidget();
        if (!f || f == &window) continue;
        ASSERT_TRUE(f->isVisible()) << f->objectName().toStdString() << " at step " << step;
        W w;
        ASSERT_TRUE(widgetByName(f->objectName().toStdString(), w));
        const Stops stops = frontend::focusStops(game.form);
        EXPECT_NE(std::find(stops.begin(), stops.end(), w), stops.end()) << def(w).designed;
    }
}

TEST_F(Keys, TheFocusIsShownOnlyOnceTheKeyboardIsUsed) {
    ticks(Timer::Opening, 18);
    ASSERT_EQ(focused(), W::Start);
    const QRect around = view(W::Start)->geometry().adjusted(-3, -3, 3, 3);
    const QImage quiet = window.grab(around).toImage();
    const auto whitePixels = [](const QImage& img) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                // Outside the label's own box, the black title shows nothing white but a mark.
                if (x >= 3 && x < img.width() - 3 && y >= 3 && y < img.height() - 3) continue;
                if (QColor(img.pixel(x, y)) == Qt::white) ++n;
            }
        }
        return n;
    };
    EXPECT_EQ(whitePixels(quiet), 0);
    press(Qt::Key_Tab);  // the only stop: the focus stays, and shows
    EXPECT_EQ(focused(), W::Start);
    EXPECT_GT(whitePixels(window.grab(around).toImage()), 10);
}

TEST_F(Keys, AHeldKeyClicksAndSwitchesOnceButKeepsMovingTheFocus) {
    const QString file = freshSettingsFile();
    ASSERT_FALSE(file.isEmpty()) << "XDG_CONFIG_HOME is not a folder of the tests' own";
    audio::SystemSound sound;
    frontend::FileSettings settings;
    game.sound.setOutput(sound);
    window.shell().useSettings(settings);
    // The key's first press, then what the keyboard repeats while it is held.
    const auto hold = [this](Qt::Key key, int repeats) {
        const auto target = [this]() -> QWidget* {
            return QApplication::focusWidget() ? QApplication::focusWidget() : &window;
        };
        for (int i = 0; i <= repeats; ++i) QTest::simulateEvent(target(), true, key, Qt::NoModifier, {}, i > 0);
        QTest::simulateEvent(target(), false, key, Qt::NoModifier, {}, false);
    };
    ticks(Timer::Opening, 18);
    press(Qt::Key_Return);
    ticks(Timer::Opening, 11);
    press(Qt::Key_Return);
    press(Qt::Key_Return);  // 王の部屋: the king speaks
    ASSERT_EQ(focused(), W::MessagePanel);
    // The panel closes and 王の部屋 takes the focus: the held Return must not enter it again.
    hold(Qt::Key_Return, 1);
    EXPECT_FALSE(view(W::MessagePanel)->isVisible());
    EXPECT_EQ(focused(), W::KingButton);
    hold(Qt::Key_M, 1);
    EXPECT_TRUE(sound.muted()) << "a held M switched the sound back and forth";
    hold(Qt::Key_Right, 1);
    EXPECT_EQ(focused(), W::StoreButton);
    hold(Qt::Key_Tab, 1);
    EXPECT_EQ(focused(), W::StatusButton);
}

}  // namespace
}  // namespace verminadia::desktop::fixtures
