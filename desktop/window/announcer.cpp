#include "desktop/window/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace verminadia::desktop {

namespace {

constexpr std::size_t kNotes = 16;

// A widget only a screen reader meets: its role, and the text it was last given. It is made
// whole before it joins the window, so that a reader never meets it without its role.
class Spoken : public QWidget {
public:
    Spoken(QAccessible::Role role, QWidget* parent) : role_(role) {
        hide();
        setParent(parent);
    }
    QAccessible::Role role() const { return role_; }
    QString text;

private:
    QAccessible::Role role_;
};

class SpokenAccess : public QAccessibleWidget {
public:
    explicit SpokenAccess(Spoken* w) : QAccessibleWidget(w, w->role()) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<const Spoken*>(widget())->text : QString();
    }
};

QAccessibleInterface* spokenAccess(const QString&, QObject* object) {
    auto* spoken = dynamic_cast<Spoken*>(object);
    return spoken ? new SpokenAccess(spoken) : nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* window) : window_(window) {}

void Announcer::announce(const std::vector<frontend::Announcement>& texts) {
    // Made when a screen reader first listens: without one there is no one to tell. The factory
    // goes in after the application's own, which it must come before.
    if (texts.empty() || !QAccessible::isActive()) return;
    if (notes_.empty()) {
        QAccessible::installFactory(spokenAccess);
        auto* bar = new Spoken(QAccessible::StatusBar, window_);
        for (std::size_t i = 0; i < kNotes; ++i) notes_.push_back(new Spoken(QAccessible::Notification, bar));
    }
    for (const frontend::Announcement& said : texts) {
        const std::string& text = said.text;
        if (text.empty()) continue;
        auto* note = static_cast<Spoken*>(notes_[next_]);
        next_ = (next_ + 1) % notes_.size();
        note->text = QString::fromStdString(text);
        // The new name first, so that no reader keeps the old one; then "showing", which Orca
        // speaks for a notification whatever has the focus.
        QAccessibleEvent named(note, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
        QAccessibleEvent shown(note, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
}

}  // namespace verminadia::desktop
