// The window at every size: whole scales, fullscreen, the keys and the menu that choose them, and
// the settings that remember the choice.

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>

#include "frontend/native/settings_file.h"
#include "live_window.h"

namespace verminadia::desktop::fixtures {
namespace {

struct Scaled : LiveWindow, ::testing::WithParamInterface<int> {};

// The label's designed size: its text measured at the designed font height.
QSize designedSize(const WidgetDef& d, const WidgetState& s) {
    const QFontMetrics m(gameFont(s.fontPx, d.font.bold));
    return {m.horizontalAdvance(QString::fromStdString(s.caption)), m.height()};
}

TEST_P(Scaled, EveryWidgetIsNTimesItsDesignedGeometryAndClicksLandOnIt) {
    const int n = GetParam();
    window.setView({n, false});
    ticks(Timer::Opening, 18);
    window.shell().click(W::Start);
    ticks(Timer::Opening, 11);
    window.shell().click(W::TorubaChoice);
    window.shell().click(W::StoreButton);  // the store: labels, pictures, buttons, an edit box, panels
    EXPECT_EQ(window.size(), QSize(521 * n, 351 * n));
    for (const WidgetDef& d : kWidgets) {
        QWidget* w = view(d.id);
        const WidgetState& s = game.form.state(d.id);
        const int top = d.kind == Kind::Label ? s.top : d.top;
        EXPECT_EQ(w->pos(), QPoint(d.left, top) * n) << d.designed;
        if (d.kind != Kind::Label) {
            EXPECT_EQ(w->size(), QSize(d.width, d.height) * n) << d.designed;
        } else if (w->isVisible()) {
            EXPECT_EQ(w->size(), designedSize(d, s) * n) << d.designed;
        }
        if (d.kind == Kind::Label || d.kind == Kind::Button || d.kind == Kind::Edit) {
            EXPECT_EQ(w->font().pixelSize(), (d.kind == Kind::Label ? s.fontPx : d.font.px) * n) << d.designed;
        }
        // What the player sees of a clickable widget is what the mouse reaches (for the message
        // panel, one of its lines may be there).
        if (clickable(d.id) && w->isVisible()) {
            const QWidget* hit = window.childAt(w->mapTo(&window, w->rect().center()));
            EXPECT_TRUE(hit == w || w->isAncestorOf(hit)) << d.designed;
        }
    }
    // A click at the scaled place buys: 薬草 for 15 of the 50.
    QWidget* herb = view(W::StoreItem2);
    QTest::mouseClick(herb, Qt::LeftButton, {}, herb->rect().center());
    EXPECT_EQ(game.state.Gold, 35);
}

INSTANTIATE_TEST_SUITE_P(AtScales, Scaled, ::testing::Values(1, 2, 3));

using View = LiveWindow;

TEST_F(View, OpensAsDesignedWithoutAChoice) {
    EXPECT_EQ(window.view(), ViewChoice{});
    EXPECT_EQ(window.size(), QSize(521, 351));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.pos(), QPoint(276, 201));
}

// Whether `sharp`, the picture as shown, is drawn afresh rather than the bitmap enlarged, and is
// still the same picture.
void expectDrawnAfresh(const QImage& sharp, const WidgetDef& d) {
    const QImage bitmap = loadPicture(d).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage blocky = bitmap.scaled(sharp.size());  // each bitmap pixel made a block
    int differ = 0;
    for (int y = 0; y < sharp.height(); ++y) {
        for (int x = 0; x < sharp.width(); ++x) differ += sharp.pixel(x, y) != blocky.pixel(x, y) ? 1 : 0;
    }
    EXPECT_GT(differ, sharp.width() * sharp.height() / 10) << d.designed << ": the picture is the bitmap enlarged";
    // Yet it is the same picture: shrunk again, it is close to the bitmap.
    const QImage halved = sharp.scaled(bitmap.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double error = 0;
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            const QColor a(halved.pixel(x, y)), b(bitmap.pixel(x, y));
            error += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
        }
    }
    EXPECT_LT(error / (3.0 * bitmap.width() * bitmap.height()), 12.0) << d.designed;
}

QImage shownPicture(QWidget* v, QSize size) {
    return v->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(QRect(QPoint(0, 0), size));
}

TEST_F(View, DrawsPicturesFromTheirDrawingsNotByEnlargingTheBitmaps) {
    window.setView({2, false});
    game.form.show(W::King);
    window.shell().sync();
    expectDrawnAfresh(shownPicture(view(W::King), QSize(59, 89) * 2), def(W::King));
}

TEST_F(View, DrawsStretchedPicturesFromTheirDrawingsAtTheirOwnSize) {
    // The tiniest opponents, stretched four times and more: a bitmap enlarged would be blocks.
    for (const W w : {W::LifeFormPicture, W::AlarmClockDemonPicture}) {
        game.form.show(w);
        window.shell().sync();
        expectDrawnAfresh(shownPicture(view(w), QSize(def(w).width, def(w).height)), def(w));
        game.form.hide(w);
    }
}

// Run by window.hidpi with QT_SCALE_FACTOR=2: the same sharp pictures and bevels on a screen with
// two device pixels to the pixel.
TEST_F(View, DrawsAtTheDevicePixelsOfAHighDensityScreen) {
    if (window.devicePixelRatioF() < 2) GTEST_SKIP() << "not a high-density screen";
    game.form.show(W::King);
    window.shell().sync();
    const QImage shown = view(W::King)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(65, 89) * 2);
    expectDrawnAfresh(shown.copy(0, 0, 59 * 2, 89 * 2), def(W::King));
    // A bevel of one pixel is two device pixels wide, both white.
    ticks(Timer::Opening, 18);
    window.shell().click(W::Start);
    ticks(Timer::Opening, 11);
    window.shell().click(W::TorubaChoice);
    const QImage panel = view(W::TownBar)->grab().toImage();  // the town bar's hero summary
    EXPECT_EQ(QColor(panel.pixel(200, 0)), QColor(Qt::white));
    EXPECT_EQ(QColor(panel.pixel(200, 1)), QColor(Qt::white));
    EXPECT_EQ(QColor(panel.pixel(200, 2)), toQColor(kButtonFace));
}

TEST_F(View, ScalesWithCtrlPlusAndMinusWithinOneToFour) {
    QSignalSpy chosen(&window, &GameWindow::viewChosen);
    press(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(window.size(), QSize(1042, 702));
    press(Qt::Key_Equal, Qt::ControlModifier);
    press(Qt::Key_Plus, Qt::ControlModifier);
    press(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(window.view().scale, 4);
    EXPECT_EQ(window.size(), QSize(2084, 1404));
    press(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(window.view().scale, 3);
    ASSERT_EQ(chosen.count(), 4);  // the fourth Ctrl+plus changed nothing
    EXPECT_EQ(chosen.last().at(0).value<ViewChoice>().scale, 3);
    for (int i = 0; i < 4; ++i) press(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(window.size(), QSize(521, 351));
}

TEST_F(View, FullscreenFillsTheScreenWithTheDesignedShapeBetweenBlackBars) {
    ticks(Timer::Opening, 3);  // the window is white until the title turns it black
    press(Qt::Key_F11);
    ASSERT_TRUE(window.isFullScreen());
    QTest::qWait(50);
    const QSize screen = window.size();
    ASSERT_GT(screen.width(), 521);
    const Stage& stage = window.stage();
    const QRect area = stage.area();
    EXPECT_EQ(area.center(), window.rect().center());
    EXPECT_TRUE(area.width() == screen.width() || area.height() == screen.height());
    EXPECT_NEAR(double(area.width()) / area.height(), 521.0 / 351.0, 0.01);
    // Every widget keeps its designed place within the area.
    for (const WidgetDef& d : kWidgets) {
        if (d.kind == Kind::Label) continue;
        EXPECT_EQ(view(d.id)->geometry(), stage.place(d, QRect(d.left, d.top, d.width, d.height))) << d.designed;
    }
    const QImage shot = window.grab().toImage();
    const QPoint bar =
        area.left() > 0 ? QPoint(area.left() / 2, screen.height() / 2) : QPoint(screen.width() / 2, area.top() / 2);
    EXPECT_EQ(QColor(shot.pixel(bar)), QColor(Qt::black));
    EXPECT_EQ(QColor(shot.pixel(area.center())), QColor(Qt::white));

    press(Qt::Key_Escape);
    EXPECT_FALSE(window.isFullScreen());
    EXPECT_EQ(window.view(), ViewChoice{});
    EXPECT_EQ(window.size(), QSize(521, 351));
    press(Qt::Key_Escape);  // outside fullscreen Esc does nothing
    EXPECT_EQ(window.size(), QSize(521, 351));
}

TEST_F(View, OffersTheScalesAndFullscreenInItsMenu) {
    QMenu* menu = window.contextMenu();
    QList<QAction*> entries;
    for (QAction* a : menu->actions()) {
        if (a->actionGroup()) entries << a;  // the view's: one of them is checked
    }
    ASSERT_EQ(entries.size(), 5);
    EXPECT_TRUE(entries[0]->isChecked());
    EXPECT_EQ(entries[4]->shortcut(), QKeySequence(Qt::Key_F11));
    QSignalSpy chosen(&window, &GameWindow::viewChosen);
    entries[2]->trigger();
    EXPECT_EQ(window.view(), (ViewChoice{3, false}));
    EXPECT_TRUE(entries[2]->isChecked());
    EXPECT_FALSE(entries[0]->isChecked());
    EXPECT_EQ(chosen.count(), 1);
    // Setting the view is no choice of the player's.
    window.setView({2, false});
    EXPECT_EQ(chosen.count(), 1);
    // The marks are the session's view.
    window.shell().chooseView({2, false});
    EXPECT_TRUE(entries[1]->isChecked());

    // A right click anywhere, labels and heading boxes included, brings the menu.
    ticks(Timer::Opening, 18);
    window.shell().click(W::Start);
    ticks(Timer::Opening, 11);
    for (const W w : {W::TorubaChoice, W::HeroChoicePrompt}) {
        QWidget* v = view(w);
        QContextMenuEvent e(QContextMenuEvent::Mouse, v->rect().center(), v->mapToGlobal(v->rect().center()));
        QApplication::sendEvent(v, &e);
        EXPECT_TRUE(menu->isVisible()) << def(w).designed;
        menu->hide();
    }
}

// Standard error, caught while it lives.
class CaughtStderr {
public:
    CaughtStderr() : file_(std::tmpfile()), saved_(dup(2)) {
        std::fflush(stderr);
        dup2(fileno(file_), 2);
    }
    ~CaughtStderr() { std::fclose(file_); }
    std::string text() {
        std::fflush(stderr);
        dup2(saved_, 2);
        close(saved_);
        std::rewind(file_);
        std::string s;
        for (int c; (c = std::fgetc(file_)) != EOF;) s += static_cast<char>(c);
        return s;
    }

private:
    std::FILE* file_;
    int saved_;
};

struct SavedSettings : ::testing::Test {
    QString file;
    void SetUp() override {
        file = freshSettingsFile();
        ASSERT_FALSE(file.isEmpty()) << "XDG_CONFIG_HOME is not a folder of the tests' own";
    }
    // A settings file as a player or a fault left it, each with a time of its own, so that no
    // reader that goes by a file's size and time could take it for the one before.
    void write(const char* text) {
        static qint64 written = 0;
        QDir().mkpath(QFileInfo(file).path());
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        ASSERT_TRUE(f.flush());  // before the time is set, or the write at closing would set it again
        ASSERT_TRUE(
            f.setFileTime(QDateTime::fromSecsSinceEpoch(1000000000 + ++written), QFileDevice::FileModificationTime));
    }
};

TEST_F(SavedSettings, AreTheViewAloneInTheUsersConfigFolder) {
    EXPECT_EQ(frontend::FileSettings().view(), ViewChoice{});
    EXPECT_FALSE(QFile::exists(file)) << "reading wrote something";
    EXPECT_EQ(QString::fromStdString(frontend::FileSettings().fileName()), file);
    frontend::FileSettings().setView({3, true});
    EXPECT_EQ(frontend::FileSettings().view(), (ViewChoice{3, true}));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_EQ(text.count('='), 2) << text.toStdString();
}

TEST_F(SavedSettings, ADamagedValueIsSaidInOneLineAndItsDefaultUsed) {
    struct Case {
        const char* file;
        ViewChoice expected;
        const char* said;
    };
    // The values' checks are the front end's (tests/frontend); here the file's values reach them
    // as the file has them, a list (a value with commas) included.
    const Case cases[] = {
        {"[view]\nscale=7\nfullscreen=true\n", {1, true}, "'7'"},
        {"[view]\nscale=0, 3\n", {1, false}, "'0, 3'"},
    };
    for (const Case& c : cases) {
        QFile::remove(file);
        write(c.file);
        CaughtStderr err;
        const ViewChoice v = frontend::FileSettings().view();
        const std::string said = err.text();
        EXPECT_EQ(v, c.expected) << c.file;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_EQ(said.rfind("verminadia: ", 0), 0u) << said;
        EXPECT_NE(said.find(c.said), std::string::npos) << said;
    }
    // Mute, the same way.
    QFile::remove(file);
    write("[sound]\nmuted=perhaps\n");
    CaughtStderr err;
    EXPECT_FALSE(frontend::FileSettings().muted());
    EXPECT_NE(err.text().find("'perhaps'"), std::string::npos) << err.text();
}

}  // namespace
}  // namespace verminadia::desktop::fixtures
