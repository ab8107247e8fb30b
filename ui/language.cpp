#include "ui/language.h"

#include <cstdlib>

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include "core/game.h"
#include "core/title.h"
#include "language/choice.h"
#include "ui/game_window.h"
#include "ui/qtext.h"

namespace verminadia::ui {

std::filesystem::path programFolder() { return QCoreApplication::applicationDirPath().toStdString(); }

QString knownLanguages() {
    QStringList codes;
    for (const std::string& l : languages()) codes << QString::fromStdString(l);
    return codes.join(QStringLiteral(", "));
}

bool knownLanguage(const QString& code) {
    for (const std::string& l : languages()) {
        if (code.toStdString() == l) return true;
    }
    return false;
}

std::string startLanguage(const QString& option, const QString& remembered) {
    if (knownLanguage(option)) return option.toStdString();
    if (knownLanguage(remembered)) return remembered.toStdString();
    // Read at start-up, before the sound stream's thread starts.
    const auto env = [](const char* name) { return std::getenv(name); };  // NOLINT(concurrency-mt-unsafe)
    return languageFromEnvironment(env, languages());
}

Languages::Languages(Game& game, GameWindow& window, Catalogues& catalogues, std::string current)
    : game_(game), window_(window), catalogues_(catalogues), current_(std::move(current)) {}

void Languages::choose(const std::string& language) {
    const Catalogue& catalogue = catalogues_.get(language);
    current_ = language;
    game_.setCatalogue(catalogue);
    window_.setWindowTitle(qtext(catalogue.translate(kGameTitle)));
    window_.sync();
}

QString Languages::name(const std::string& language) {
    return qtext(catalogues_.get(language).translate(kLanguageName));
}

QMenu* Languages::menu(QWidget* parent, const std::function<void(const std::string&)>& chosen) {
    auto* menu = new QMenu(qtext(game_.catalogue().translate(kLanguageMenuTitle)), parent);
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

}  // namespace verminadia::ui
