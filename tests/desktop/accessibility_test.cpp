// What a screen reader finds in the window: what the player sees, by the roles a reader knows.

#include <gtest/gtest.h>

#include <QAccessible>

#include "frontend/screen_reader/announcements.h"
#include "live_window.h"
#include "support/shipped.h"

namespace verminadia::desktop::fixtures {
namespace {

struct Heard {
    QString name;
    QAccessible::Role role;
    bool showing, focusable;
};

struct ScreenReader : LiveWindow {
    Heard of(QObject* o) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(o);
        if (!a) return {};
        return {a->text(QAccessible::Name), a->role(), !a->state().invisible, bool(a->state().focusable)};
    }
    Heard of(W w) { return of(view(w)); }
    void toHeroChoice() {
        ticks(Timer::Opening, 18);
        window.shell().click(W::Start);
        ticks(Timer::Opening, 11);
    }
};

TEST_F(ScreenReader, HearsTheWindowByItsTitleAndTheHeroesByTheirNames) {
    EXPECT_EQ(of(&window).name.toStdString(), shipped::kWindowName);
    EXPECT_EQ(of(&window).role, QAccessible::Window);
    toHeroChoice();
    for (const W label : {W::TorubaChoice, W::OldMoanerChoice, W::RoninChoice, W::MizelChoice}) {
        const Heard h = of(label);
        EXPECT_EQ(h.name.toStdString(), game.form.caption(label));
        EXPECT_FALSE(h.name.isEmpty());
        EXPECT_EQ(h.role, QAccessible::Button);
        EXPECT_TRUE(h.showing);
        EXPECT_TRUE(h.focusable);
        // Object names stay the widget names.
        EXPECT_EQ(view(label)->objectName(), qname(def(label).designed));
    }
    // The choice panel is called by its heading.
    EXPECT_EQ(of(W::HeroChoicePanel).name.toStdString(), game.form.caption(W::HeroChoicePrompt));
    EXPECT_EQ(of(W::HeroChoicePrompt).name.toStdString(), game.form.caption(W::HeroChoicePrompt));
    EXPECT_EQ(of(W::HeroChoicePrompt).role, QAccessible::Heading);
    EXPECT_FALSE(of(W::HeroChoicePrompt).focusable);

    window.shell().click(W::MizelChoice);
    const shipped::Hero& hero = shipped::kHeroes[2];
    EXPECT_EQ(of(hero.portrait).name.toStdString(), hero.portraitName);
    EXPECT_EQ(of(hero.portrait).role, QAccessible::Graphic);
    EXPECT_EQ(of(W::KingButton).name.toStdString(), game.form.caption(W::KingButton));
    EXPECT_EQ(of(W::KingButton).role, QAccessible::Button);
}

TEST_F(ScreenReader, HearsTheMessageLinesAsASectionAndTheOpponentByName) {
    toHeroChoice();
    window.shell().click(W::TorubaChoice);
    window.shell().click(W::ArenaButton);
    random.queue(0);
    window.shell().click(W::AmateurButton);

    const Heard panel = of(W::MessagePanel);
    EXPECT_EQ(panel.role, QAccessible::Section);
    EXPECT_TRUE(panel.focusable);
    QStringList lines;
    for (const W line : {W::MessageLine1, W::MessageLine2, W::MessageLine3}) {
        const Heard h = of(line);
        EXPECT_EQ(h.name.toStdString(), game.form.caption(line));
        EXPECT_EQ(h.role, QAccessible::StaticText);
        EXPECT_FALSE(h.focusable);  // the panel answers for its lines
        lines << h.name;
    }
    EXPECT_EQ(panel.name, lines.join('\n'));
    QAccessibleInterface* group = QAccessible::queryAccessibleInterface(view(W::MessagePanel));
    ASSERT_EQ(group->childCount(), 3);
    EXPECT_EQ(group->child(1)->object(), view(W::MessageLine2));

    ASSERT_FALSE(game.shown(&GameState::EnemyName).empty());
    int opponents = 0;
    for (const WidgetDef& d : kWidgets) {
        if (d.kind != Kind::Picture || !game.form.showing(d.id) || d.parent != W::Window) continue;
        EXPECT_EQ(of(d.id).name.toStdString(), game.shown(&GameState::EnemyName));
        ++opponents;
    }
    EXPECT_EQ(opponents, 1);
    EXPECT_EQ(of(W::AttackCommand).name.toStdString(), game.form.caption(W::AttackCommand));  // 攻撃, a button
    EXPECT_EQ(of(W::AttackCommand).role, QAccessible::Button);
}

std::vector<std::pair<QObject*, QAccessible::Event>>* heard = nullptr;
QStringList* notified = nullptr;  // the notifications shown, by what they say
void listen(QAccessibleEvent* e) {
    if (heard) heard->emplace_back(e->object(), e->type());
    QAccessibleInterface* a = e->accessibleInterface();
    if (notified && e->type() == QAccessible::ObjectShow && a && a->role() == QAccessible::Notification &&
        a->parent() && a->parent()->role() == QAccessible::StatusBar)
        *notified << a->text(QAccessible::Name);
}

TEST_F(ScreenReader, IsToldWhenTheMessageLinesChangeAndHearsTheNewTextAndTheStatusKey) {
    // Events go out only to a screen reader's bus; window.screen_reader runs this with one, which
    // takes a moment to answer.
    const bool listening =
        qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON") && QTest::qWaitFor(QAccessible::isActive, 5000);
    if (!listening) GTEST_SKIP() << "no screen reader is listening";
    toHeroChoice();
    window.shell().click(W::TorubaChoice);
    std::vector<std::pair<QObject*, QAccessible::Event>> events;
    QStringList said;
    heard = &events;
    notified = &said;
    QAccessible::installUpdateHandler(listen);
    window.shell().click(W::KingButton);  // the king speaks
    QTest::keyClick(&window, Qt::Key_S);
    QAccessible::installUpdateHandler(nullptr);
    heard = nullptr;
    notified = nullptr;
    // The king's words come with the focus on the panel; the status key is said by itself.
    EXPECT_EQ(said, QStringList{QString::fromStdString(frontend::heroStatus(game.form))});
    const auto told = [&](W w) {
        return std::count(events.begin(), events.end(),
                          std::pair{static_cast<QObject*>(view(w)), QAccessible::NameChanged});
    };
    EXPECT_EQ(told(W::MessagePanel), 1);
    EXPECT_GE(told(W::MessageLine1) + told(W::MessageLine2) + told(W::MessageLine3), 1);
    EXPECT_EQ(of(W::King).name, QStringLiteral("ドラゴン王"));
}

TEST_F(ScreenReader, PressesWhatThePlayerCouldClick) {
    ticks(Timer::Opening, 18);
    QAccessibleInterface* start = QAccessible::queryAccessibleInterface(view(W::Start));
    ASSERT_TRUE(start->actionInterface());
    EXPECT_TRUE(start->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    start->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(game.form.showing(W::Start));  // the prologue has begun
    // A message line is no button of its own.
    QAccessibleInterface* line = QAccessible::queryAccessibleInterface(view(W::MessageLine1));
    EXPECT_FALSE(line->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
}

}  // namespace
}  // namespace verminadia::desktop::fixtures
