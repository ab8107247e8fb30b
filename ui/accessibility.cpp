#include "ui/accessibility.h"

#include <QAccessibleWidget>

#include "game/events.h"
#include "ui/game_window.h"
#include "ui/widget_views.h"

namespace verminadia::ui {

namespace {

bool isMessageLine(W w) { return w == W::Label31 || w == W::Label32 || w == W::Label33; }

QAccessible::Role roleOf(W w) {
    switch (def(w).kind) {
        case Kind::Label: return clickable(w) && !isMessageLine(w) ? QAccessible::Button : QAccessible::StaticText;
        case Kind::Panel: return w == W::Panel5 ? QAccessible::Grouping : QAccessible::Pane;
        case Kind::Picture: return QAccessible::Graphic;
        case Kind::Button: return QAccessible::Button;
        case Kind::Edit: return QAccessible::EditableText;
    }
    return QAccessible::Client;
}

// A label, panel or picture of the window: named by what the window shows, and pressed as the
// player clicks it.
class ViewAccess : public QAccessibleWidget {
public:
    ViewAccess(QWidget* w, W id) : QAccessibleWidget(w, roleOf(id)), id_(id) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        const auto* window = qobject_cast<const GameWindow*>(widget()->window());
        return window ? window->accessibleText(id_) : QString();
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (pressable()) names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && pressable()) {
            if (auto* window = qobject_cast<GameWindow*>(widget()->window())) window->clickWidget(id_);
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    // The message lines are pressed through their panel.
    bool pressable() const { return clickable(id_) && !isMessageLine(id_); }

    W id_;
};

QAccessibleInterface* viewAccess(const QString&, QObject* object) {
    // The window itself: a window, named by its title.
    if (auto* window = qobject_cast<GameWindow*>(object)) return new QAccessibleWidget(window, QAccessible::Window);
    auto* view = dynamic_cast<StagedView*>(object);
    if (!view) return nullptr;
    // Buttons and heading boxes are Qt's own and speak for themselves.
    if (dynamic_cast<QAbstractButton*>(object) || dynamic_cast<QLineEdit*>(object)) return nullptr;
    return new ViewAccess(static_cast<QWidget*>(object), view->id());
}

}  // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(viewAccess);
        return true;
    }();
    (void)installed;
}

}  // namespace verminadia::ui
