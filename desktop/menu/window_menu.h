#pragma once
// The window's context menu, on a right click or the menu key: the view's entries (the four
// scales, fullscreen); the keys that go with them are the shell's. Later features add their own
// entries to menu().

#include <array>

#include <QObject>

#include "desktop/window/stage.h"

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

namespace verminadia::desktop {

class WindowMenu : public QObject {
    Q_OBJECT
public:
    explicit WindowMenu(QWidget* window);

    // Made when first wanted, so that it costs the first frame nothing.
    QMenu* menu();
    // The check marks follow the view.
    void showView(const ViewChoice& v);

signals:
    // The player chose another view.
    void viewChosen(const ViewChoice& v);

private:
    void choose(ViewChoice v);
    // The entries' names in the game's language.
    void name();

    QWidget* window_;
    QMenu* menu_ = nullptr;
    QActionGroup* scaleGroup_;
    std::array<QAction*, kMaxScale> scales_{};
    QAction* fullscreen_;
    ViewChoice view_;
};

}  // namespace verminadia::desktop
