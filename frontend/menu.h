#pragma once
// The window's own menu, whatever shows it: the desktop's context menu and the page's bar are
// views of these entries. What each entry is, its name in the game's language, its mark, whether
// it shows and its key are decided here; choosing one goes through the shell.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "frontend/shell.h"

namespace verminadia::frontend {

enum class MenuChoice { Scale, Fullscreen, Language, Mute, Continue };
// Entries of a group are one choice among several: one of them is checked.
enum class MenuGroup { None, View, Language };

struct MenuEntry {
    MenuChoice what;
    int scale = 0;           // MenuChoice::Scale
    std::string language{};  // MenuChoice::Language: its code
    std::string text{};      // in the game's language; a language's name in itself
    bool checked = false;
    bool shown = true;
    MenuGroup group = MenuGroup::None;
    std::string shortcut{};  // the key the shell answers for it, as a menu writes it ("F11"), if any
    bool checkable() const { return group != MenuGroup::None || what == MenuChoice::Mute; }
};

class Menu {
public:
    explicit Menu(Shell& shell) : shell_(shell) {}

    // Lists the languages once every catalogue is at hand (at once where they are files), then
    // calls `ready`; until then the menu has none.
    void offerLanguages(CatalogueSource& catalogues, const std::function<void()>& ready = {});
    // Every entry in the menu's order, as things stand now.
    std::vector<MenuEntry> entries() const;
    // The name of the languages' submenu or list.
    std::string languagesTitle() const;
    // Does what the entry offers: a language chosen is remembered in the settings.
    void choose(const MenuEntry& entry);

private:
    Shell& shell_;
    CatalogueSource* catalogues_ = nullptr;
    // Each language's code and its name in itself, as its catalogue gives it.
    std::vector<std::pair<std::string, std::string>> languages_;
};

}  // namespace verminadia::frontend
