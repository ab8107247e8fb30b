#include "desktop/menu/languages.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include "core/game.h"
#include "desktop/window/game_window.h"
#include "desktop/window/qtext.h"
#include "frontend/menu_texts.h"
#include "language/choice.h"

namespace verminadia::desktop {

std::filesystem::path programFolder() { return QCoreApplication::applicationDirPath().toStdString(); }

Languages::Languages(Game& game, GameWindow& window, Catalogues& catalogues, std::string current)
    : game_(game), window_(window), catalogues_(catalogues), current_(std::move(current)) {}

void Languages::choose(const std::string& language) {
    current_ = language;
    window_.shell().setLanguage(language, catalogues_.get(language));
}

QString Languages::name(const std::string& language) {
    return qtext(catalogues_.get(language).translate(frontend::kLanguageName));
}

QMenu* Languages::menu(QWidget* parent, const std::function<void(const std::string&)>& chosen) {
    auto* menu = new QMenu(qtext(game_.catalogue().translate(frontend::kLanguageMenuTitle)), parent);
    // The title follows the language spoken when the menu it belongs to opens.
    if (auto* above = qobject_cast<QMenu*>(parent)) {
        QObject::connect(above, &QMenu::aboutToShow, menu, [this, menu] {
            menu->setTitle(qtext(game_.catalogue().translate(frontend::kLanguageMenuTitle)));
        });
    }
    auto* group = new QActionGroup(menu);
    for (const std::string& language : languages()) {
        QAction* entry = menu->addAction(name(language));
        entry->setCheckable(true);
        entry->setChecked(language == current_);
        entry->setData(QString::fromStdString(language));
        group->addAction(entry);
        QObject::connect(entry, &QAction::triggered, menu, [this, language, chosen] {
            choose(language);
            if (chosen) chosen(language);
        });
    }
    return menu;
}

}  // namespace verminadia::desktop
