#include "desktop/menu/languages.h"

#include <QActionGroup>
#include <QMenu>

#include "desktop/window/game_window.h"
#include "desktop/window/qtext.h"
#include "frontend/menu_texts.h"

namespace verminadia::desktop {

Languages::Languages(GameWindow& window, frontend::CatalogueSource& catalogues, std::string current)
    : window_(window), catalogues_(catalogues), current_(std::move(current)) {}

void Languages::choose(const std::string& language) {
    current_ = language;
    catalogues_.get(language, [this, language](const Catalogue& c) { window_.shell().setLanguage(language, c); });
}

QMenu* Languages::menu(QWidget* parent, const std::function<void(const std::string&)>& chosen) {
    const auto title = [this] { return qtext(window_.game().catalogue().translate(frontend::kLanguageMenuTitle)); };
    auto* menu = new QMenu(title(), parent);
    // The title follows the language spoken when the menu it belongs to opens.
    if (auto* above = qobject_cast<QMenu*>(parent))
        QObject::connect(above, &QMenu::aboutToShow, menu, [menu, title] { menu->setTitle(title()); });
    auto* group = new QActionGroup(menu);
    frontend::languageEntries(
        catalogues_, [this, menu, group, chosen](const std::vector<frontend::LanguageEntry>& entries) {
            for (const frontend::LanguageEntry& language : entries) {
                QAction* entry = menu->addAction(qtext(language.name));
                entry->setCheckable(true);
                entry->setChecked(language.code == current_);
                entry->setData(QString::fromStdString(language.code));
                group->addAction(entry);
                QObject::connect(entry, &QAction::triggered, menu, [this, code = language.code, chosen] {
                    choose(code);
                    if (chosen) chosen(code);
                });
            }
        });
    return menu;
}

}  // namespace verminadia::desktop
