#pragma once
// The window's context menu, on a right click, the Menu key or Shift+F10: the view's entries (the
// four scales, fullscreen) and the keys that go with them: Ctrl+plus and Ctrl+minus for the
// scale, F11 for fullscreen and Esc to leave it. Later features add their own entries to menu().

#include <array>

#include <QObject>

#include "desktop/window/stage.h"

class QAction;
class QActionGroup;
class QKeyEvent;
class QMenu;
class QWidget;

namespace verminadia::desktop {

class WindowMenu : public QObject {
    Q_OBJECT
public:
    explicit WindowMenu(QWidget* window);

    // Made when first wanted, so that it costs the first frame nothing.
    QMenu* menu();
    // The check marks, and which keys work, follow the view.
    void showView(const ViewChoice& v);
    // Performs the entry whose key this is; false when it is none of the menu's. The window
    // hands its keys on, for a window the desktop has not made active takes no shortcuts.
    bool handleKey(const QKeyEvent& e);

signals:
    // The player chose another view.
    void viewChosen(const ViewChoice& v);
    // The Menu key or Shift+F10: the menu is wanted where the keyboard focus is.
    void menuKeyPressed();

private:
    void choose(ViewChoice v);
    // The entries' names in the game's language.
    void name();

    QWidget* window_;
    QMenu* menu_ = nullptr;
    QActionGroup* scaleGroup_;
    std::array<QAction*, kMaxScale> scales_{};
    QAction* fullscreen_;
    QAction* leaveFullscreen_;
    QAction* bigger_;
    QAction* smaller_;
    QAction* menuKey_;
    ViewChoice view_;
};

}  // namespace verminadia::desktop
