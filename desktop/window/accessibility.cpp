#include "desktop/window/accessibility.h"

#include <QAccessibleWidget>

#include "desktop/window/game_window.h"
#include "desktop/window/widget_views.h"
#include "frontend/focus_order.h"
#include "frontend/screen_reader/accessible.h"
#include "frontend/screen_reader/announcements.h"

namespace verminadia::desktop {

namespace {

QAccessible::Role qtRole(frontend::Role role) {
    switch (role) {
        case frontend::Role::Button: return QAccessible::Button;
        case frontend::Role::StaticText: return QAccessible::StaticText;
        case frontend::Role::Section: return QAccessible::Section;
        case frontend::Role::Pane: return QAccessible::Pane;
        case frontend::Role::Graphic: return QAccessible::Graphic;
        case frontend::Role::Heading: return QAccessible::Heading;
    }
    return QAccessible::Client;
}

// A label, panel or picture of the window: named by what the window shows, and pressed as the
// player clicks it.
class ViewAccess : public QAccessibleWidget {
public:
    ViewAccess(QWidget* w, W id) : QAccessibleWidget(w, qtRole(frontend::roleOf(id))), id_(id) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        const auto* window = qobject_cast<const GameWindow*>(widget()->window());
        return window ? window->accessibleText(id_) : QString();
    }

    // A place's prompt labels its panel: a reader that also took it for a stray label of the
    // panel would say it twice.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override {
        auto found = QAccessibleWidget::relations(match);
        if (frontend::promptedPlace(id_) && (match & QAccessible::Labelled)) {
            if (QAccessibleInterface* panel = QAccessible::queryAccessibleInterface(widget()->parentWidget()))
                found.append({panel, QAccessible::Labelled});
        }
        return found;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (frontend::pressable(id_)) names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && frontend::pressable(id_)) {
            if (auto* window = qobject_cast<GameWindow*>(widget()->window())) window->shell().click(id_);
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    W id_;
};

QAccessibleInterface* viewAccess(const QString&, QObject* object) {
    // The window itself: a window, named by its title.
    if (auto* window = qobject_cast<GameWindow*>(object)) return new QAccessibleWidget(window, QAccessible::Window);
    auto* view = dynamic_cast<StagedView*>(object);
    if (!view) return nullptr;
    // Buttons are Qt's own and speak for themselves.
    if (dynamic_cast<QAbstractButton*>(object)) return nullptr;
    return new ViewAccess(static_cast<QWidget*>(object), view->id());
}

}  // namespace

void renewAccess(QWidget* w) {
    if (!QAccessible::isActive()) return;
    QList<QWidget*> all = w->findChildren<QWidget*>();
    all.prepend(w);
    for (QWidget* each : all) {
        if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(each))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
    }
}

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(viewAccess);
        return true;
    }();
    (void)installed;
}

}  // namespace verminadia::desktop
