// The real widget tree, built offscreen from the widget table.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "desktop/window/app_style.h"
#include "desktop/window/game_window.h"
#include "desktop/window/qtext.h"
#include "desktop/window/widget_views.h"
#include "game/events.h"
#include "live_window.h"

namespace verminadia::desktop {
namespace {

using fixtures::qname;

// The window as the game builds it, and its screenshots for looking over (VERMINADIA_SHOTS).
struct Window : fixtures::LiveWindow {
    void shot(const char* name) {
        const QByteArray dir = qgetenv("VERMINADIA_SHOTS");
        if (dir.isEmpty()) return;
        QDir().mkpath(QString::fromLocal8Bit(dir));
        window.grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
    }
};

TEST_F(Window, IsAFixedWindowWithEveryWidgetNamedAndPlacedAsTheTableSays) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ヴェルミナーディア外伝"));
    EXPECT_EQ(window.size(), QSize(521, 351));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    for (const WidgetDef& d : kWidgets) {
        QWidget* w = window.widget(d.id);
        ASSERT_NE(w, nullptr) << d.designed;
        EXPECT_EQ(w->objectName(), qname(d.designed));
        QWidget* parent = d.parent == W::Window ? static_cast<QWidget*>(&window) : window.widget(d.parent);
        EXPECT_EQ(w->parentWidget(), parent) << d.designed;
        EXPECT_EQ(w->pos(), QPoint(d.left, d.top)) << d.designed;
        if (d.kind != Kind::Label) {
            EXPECT_EQ(w->size(), QSize(d.width, d.height)) << d.designed;
        }
        EXPECT_EQ(w->isVisibleTo(&window), game.form.showing(d.id)) << d.designed;
    }
}

TEST_F(Window, LabelsAndPicturesLieBeneathPanelsButtonsAndEditBoxesInTableOrder) {
    QList<QWidget*> parents = window.findChildren<QWidget*>();
    parents << &window;
    for (QWidget* parent : parents) {
        int lastRank = -1;
        for (QObject* child : parent->children()) {
            W id;
            if (!widgetByName(child->objectName().toStdString(), id)) continue;
            const WidgetDef& d = def(id);
            const bool beneath = d.kind == Kind::Label || d.kind == Kind::Picture;
            const int rank = (beneath ? 0 : 1000) + static_cast<int>(index(id));
            EXPECT_GT(rank, lastRank) << d.designed << " is stacked out of order";
            lastRank = rank;
        }
    }
}

TEST_F(Window, LabelsSizeThemselvesToTheirTextAndFollowTheModel) {
    ticks(Timer::Opening, 15);
    auto* title = static_cast<LabelView*>(window.widget(W::GameTitle));
    EXPECT_EQ(title->text(), QStringLiteral("ヴェルミナーディア外伝"));
    EXPECT_EQ(title->pos(), QPoint(128, 128));
    EXPECT_EQ(title->width(), QFontMetrics(title->font()).horizontalAdvance(title->text()));
    EXPECT_EQ(title->font().pixelSize(), 27);
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(Qt::black));
    ticks(Timer::Opening, 3);
    shot("title");
    EXPECT_TRUE(window.widget(W::Start)->isVisible());
}

TEST_F(Window, ClickingTheStartPromptRunsThePrologueUpToTheHeroChoice) {
    ticks(Timer::Opening, 18);
    QWidget* start = window.widget(W::Start);
    QTest::mouseClick(start, Qt::LeftButton, {}, start->rect().center());
    EXPECT_TRUE(game.form.enabled(Timer::Opening));
    EXPECT_FALSE(start->isVisible());
    ticks(Timer::Opening, 11);
    EXPECT_TRUE(window.widget(W::HeroChoicePanel)->isVisible());
    EXPECT_EQ(static_cast<QLineEdit*>(window.widget(W::HeroChoicePrompt))->text(),
              QStringLiteral("参加する人物を選んで下さい"));
    shot("hero-choice");
}

TEST_F(Window, AHeadingIsASignThatTakesNoFocusCursorOrTyping) {
    ticks(Timer::Opening, 18);
    window.shell().click(W::Start);
    ticks(Timer::Opening, 11);
    auto* heading = static_cast<QLineEdit*>(window.widget(W::HeroChoicePrompt));
    const QString text = heading->text();
    const QImage looks = heading->grab().toImage();
    // A click, a drag across it and a double click, then typing where the focus is and into the
    // heading itself.
    QTest::mouseClick(heading, Qt::LeftButton, {}, heading->rect().center());
    QTest::mousePress(heading, Qt::LeftButton, {}, QPoint(4, 8));
    QTest::mouseMove(heading, QPoint(heading->width() - 4, 8));
    QTest::mouseRelease(heading, Qt::LeftButton, {}, QPoint(heading->width() - 4, 8));
    QTest::mouseDClick(heading, Qt::LeftButton, {}, heading->rect().center());
    QTest::keyClicks(QApplication::focusWidget() ? QApplication::focusWidget() : &window, QStringLiteral("hello"));
    QTest::keyClicks(heading, QStringLiteral("hello"));
    EXPECT_EQ(heading->text(), text);
    EXPECT_FALSE(heading->hasFocus());
    EXPECT_FALSE(heading->hasSelectedText());
    EXPECT_EQ(heading->grab().toImage(), looks) << "a cursor or a selection shows";
    EXPECT_TRUE(window.widget(W::HeroChoicePanel)->isVisible()) << "typing chose a hero";
}

TEST_F(Window, AHiddenWidgetCannotBeClicked) {
    // Mid-title: the maker's name is up and the shots sound, and スタート is not shown yet. Its
    // click would take the name away, silence the shots and blank StoryLine.
    ticks(Timer::Opening, 5);
    QWidget* start = window.widget(W::Start);
    ASSERT_FALSE(start->isVisible());
    QTest::mouseClick(start, Qt::LeftButton, {}, QPoint(2, 2));
    window.shell().sync();
    EXPECT_TRUE(window.widget(W::GameTitle)->isVisible());
    EXPECT_TRUE(game.form.showing(W::GameTitle));
    EXPECT_TRUE(game.sound.state(Tune::Shots).playing);
    EXPECT_EQ(game.state.TitleTick, 5);
}

TEST_F(Window, TheLastTickOfTheCreditsClosesTheRealWindowOnItsOwn) {
    game.form.hide(W::HeroChoicePanel);
    game.state.EndingTick = 146;
    game.form.enable(Timer::Ending);
    window.shell().sync();
    QEventLoop loop;
    bool closed = false;
    QObject::connect(&window, &GameWindow::gameClosed, &loop, [&] {
        closed = true;
        loop.quit();
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);  // the real Timer::Ending ticks after one second
    loop.exec();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(game.form.open());
}

TEST(Pictures, EachHasItsBitmapSizeAndDifferentPicturesDiffer) {
    std::vector<std::pair<const WidgetDef*, QImage>> distinct;
    for (const WidgetDef& d : kWidgets) {
        if (d.kind != Kind::Picture) continue;
        // Drawn by us and built into the program: not the card that stands in for a missing one.
        EXPECT_TRUE(QFile::exists(":/pictures/" + qname(def(d.bitmap).designed) + ".png")) << d.designed;
        const QPixmap pm = loadPicture(d);
        EXPECT_EQ(pm.size(), QSize(d.bitmapWidth, d.bitmapHeight)) << d.designed;
        if (d.bitmap == d.id) distinct.emplace_back(&d, pm.toImage());
    }
    EXPECT_EQ(distinct.size(), 59u);
    for (std::size_t i = 0; i < distinct.size(); ++i) {
        for (std::size_t j = i + 1; j < distinct.size(); ++j) {
            EXPECT_NE(distinct[i].second, distinct[j].second)
                << distinct[i].first->designed << " and " << distinct[j].first->designed << " look the same";
        }
    }
}

}  // namespace
}  // namespace verminadia::desktop

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings the tests save go to a folder of their own, never the user's.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    verminadia::desktop::applyClassicLook();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
