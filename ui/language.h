#pragma once
// The window's languages: which one the game starts in, and switching while it runs, from the
// context menu, with everything on the screen rewritten in the new language at once.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include <QString>

#include "core/text/text.h"
#include "language/catalogues.h"
#include "ui/qtext.h"

class QMenu;
class QWidget;

namespace verminadia {
struct Game;
}

namespace verminadia::ui {

class GameWindow;

// The language menu's own entry, and the name each catalogue gives its language in itself.
// TRANSLATORS: the context menu's entry that lists the languages.
inline constexpr std::string_view kLanguageMenuTitle = N_("言語");
// TRANSLATORS: the name of this catalogue's language, written in that language ("English").
inline constexpr std::string_view kLanguageName = N_("日本語");

// The folder the catalogues are looked for from: the program's own.
std::filesystem::path programFolder();

// Whether `code` names a language the game has ("ja", "en", ...).
bool knownLanguage(const QString& code);
// The languages the game has, for the help and for messages: "ja, en".
QString knownLanguages();

// The language to start in: `option` (--language) when given, else `remembered` (the choice
// made in the context menu last time) when it is a language the game has, else the environment
// as gettext reads it.
std::string startLanguage(const QString& option, const QString& remembered);

// The running game in another language: the window and everything in it.
class Languages {
public:
    Languages(Game& game, GameWindow& window, Catalogues& catalogues, std::string current);

    const std::string& current() const { return current_; }
    // Every caption, the state's names and the window's title in `language`, at once.
    void choose(const std::string& language);
    // A submenu for the context menu: one entry per language, each named in itself, the current
    // one checked. Picking one chooses it, then tells `chosen` (to remember it in the settings).
    QMenu* menu(QWidget* parent, const std::function<void(const std::string&)>& chosen = {});
    // A language's name in itself.
    QString name(const std::string& language);

private:
    Game& game_;
    GameWindow& window_;
    Catalogues& catalogues_;
    std::string current_;
};

}  // namespace verminadia::ui
