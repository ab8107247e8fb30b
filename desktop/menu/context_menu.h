#pragma once
// The window's context menu, on a right click or the menu key: a view of the shared menu's
// entries (the scales and fullscreen, the languages in a submenu, mute, continuing the last
// session), named and marked afresh whenever it opens and whenever the game changes them. The
// keys shown beside the entries are the shell's.

#include <vector>

#include <QObject>

#include "frontend/menu.h"

class QAction;
class QMenu;
class QWidget;

namespace verminadia::desktop {

class ContextMenu : public QObject {
public:
    ContextMenu(frontend::Shell& shell, QWidget* window);

    frontend::Menu& model() { return model_; }
    // Made when first wanted, so that it costs the first frame nothing.
    QMenu* menu();
    // The entries as the model has them now.
    void sync();

private:
    void build();

    frontend::Menu model_;
    QWidget* window_;
    QMenu* menu_ = nullptr;
    QMenu* languages_ = nullptr;
    std::vector<QObject*> owned_;  // made for the entries as they are: the groups, the submenu
    std::vector<frontend::MenuEntry> entries_;
    std::vector<QAction*> actions_;
};

}  // namespace verminadia::desktop
