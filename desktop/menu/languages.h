#pragma once
// The window's languages: switching while the game runs, from the context menu, with everything
// on the screen rewritten in the new language at once. Which languages, in which order, and
// their names are the shared layer's (frontend::languageEntries).

#include <functional>
#include <string>

#include <QString>

#include "frontend/shell.h"

class QMenu;
class QWidget;

namespace verminadia::desktop {

class GameWindow;

// The running game in another language: the window and everything in it.
class Languages {
public:
    Languages(GameWindow& window, frontend::CatalogueSource& catalogues, std::string current);

    const std::string& current() const { return current_; }
    // Every caption, the state's names and the window's title in `language`, at once.
    void choose(const std::string& language);
    // A submenu for the context menu: one entry per language, each named in itself, the current
    // one checked. Picking one chooses it, then tells `chosen` (to remember it in the settings).
    QMenu* menu(QWidget* parent, const std::function<void(const std::string&)>& chosen = {});

private:
    GameWindow& window_;
    frontend::CatalogueSource& catalogues_;
    std::string current_;
};

}  // namespace verminadia::desktop
