#include "desktop/menu/context_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "desktop/window/game_window.h"
#include "desktop/window/qtext.h"

namespace verminadia::desktop {

ContextMenu::ContextMenu(frontend::Shell& shell, QWidget* window) : QObject(window), model_(shell), window_(window) {}

QMenu* ContextMenu::menu() {
    if (!menu_) {
        menu_ = new QMenu(window_);
        menu_->setFont(gameFont(12, false));
        sync();
        // In the language the game speaks when the menu opens.
        connect(menu_, &QMenu::aboutToShow, this, &ContextMenu::sync);
    }
    return menu_;
}

void ContextMenu::sync() {
    if (!menu_) return;
    const std::vector<frontend::MenuEntry> now = model_.entries();
    bool same = now.size() == entries_.size();
    for (std::size_t i = 0; same && i < now.size(); ++i)
        same = now[i].what == entries_[i].what && now[i].language == entries_[i].language;
    entries_ = now;
    if (!same) build();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        actions_[i]->setText(qtext(entries_[i].text));
        actions_[i]->setChecked(entries_[i].checked);
        actions_[i]->setVisible(entries_[i].shown);
    }
    if (languages_) languages_->setTitle(qtext(model_.languagesTitle()));
}

void ContextMenu::build() {
    // The languages come once their catalogues are at hand: the menu is made again with them.
    menu_->clear();
    for (QObject* o : owned_) delete o;
    auto* view = new QActionGroup(menu_);
    auto* language = new QActionGroup(menu_);
    languages_ = new QMenu(menu_);
    owned_ = {view, language, languages_};
    actions_.clear();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const frontend::MenuEntry& entry = entries_[i];
        const bool inLanguages = entry.group == frontend::MenuGroup::Language;
        if (inLanguages && languages_->isEmpty()) menu_->addMenu(languages_);
        if (entry.what == frontend::MenuChoice::Fullscreen) menu_->addSeparator();
        QAction* a = (inLanguages ? languages_ : menu_)->addAction(QString());
        a->setCheckable(entry.checkable());
        if (entry.group != frontend::MenuGroup::None) a->setActionGroup(inLanguages ? language : view);
        a->setData(QString::fromStdString(entry.language));
        // Shown beside the entry; the key itself is the shell's, and a held key chooses once.
        a->setShortcut(QKeySequence(QString::fromStdString(entry.shortcut)));
        a->setShortcutContext(Qt::WidgetShortcut);
        a->setAutoRepeat(false);
        connect(a, &QAction::triggered, this, [this, i] {
            model_.choose(entries_[i]);
            sync();  // a click on the checked scale keeps its mark
        });
        actions_.push_back(a);
    }
}

}  // namespace verminadia::desktop
