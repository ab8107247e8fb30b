#pragma once
// The window's languages: switching while the game runs, from the context menu, with everything
// on the screen rewritten in the new language at once.

#include <filesystem>
#include <functional>
#include <string>

#include <QString>

#include "core/text/text.h"
#include "language/catalogues.h"

class QMenu;
class QWidget;

namespace verminadia {
struct Game;
}

namespace verminadia::desktop {

class GameWindow;

// The folder the catalogues are looked for from: the program's own.
std::filesystem::path programFolder();

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

}  // namespace verminadia::desktop
