#pragma once
// The real window, built from the widget table and kept in step with the game's model: clicks,
// keys and timer ticks go in as handler calls, and after each one the model is mirrored into the
// widgets. The designed 521 × 351 area is drawn at the scale the player chose, or as large as
// the screen allows in fullscreen, and everything clickable on it can be reached by keyboard.

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QTimer>
#include <QWidget>

#include "desktop/window/announcer.h"
#include "desktop/window/stage.h"
#include "frontend/menu.h"
#include "frontend/mirror.h"
#include "frontend/shell.h"
#include "game/events.h"

class QFocusFrame;
class QMenu;

namespace verminadia::desktop {

class ContextMenu;

class GameWindow : public QWidget {
    Q_OBJECT
public:
    // The view of a session: the shell decides, the window shows.
    explicit GameWindow(frontend::Shell& shell, QWidget* parent = nullptr);
    // A view of a game played elsewhere (tests, tools).
    explicit GameWindow(Game& game, QWidget* parent = nullptr);

    // The widget's view, made with the others when first needed.
    QWidget* widget(W w);
    // Makes every widget of the table now rather than after the first frame.
    void ensureBuilt();
    // The session it shows: clicks, ticks and keys go to it, and it says what the window does.
    frontend::Shell& shell() { return shell_; }
    // The view: the window's scale, or fullscreen. Setting it does not count as the player's
    // choice (see viewChosen).
    ViewChoice view() const { return view_; }
    void setView(const ViewChoice& v);
    const Stage& stage() const { return stage_; }

    // The context menu, and the entries it shows.
    QMenu* contextMenu();
    frontend::Menu& menu();

    // What a screen reader is told of a widget: what the player sees of it.
    QString accessibleText(W w) const;
    const Game& game() const { return shell_.game(); }

signals:
    // The game closed its window.
    void gameClosed();
    // The player chose another view, by key or from the menu: it is to be remembered.
    void viewChosen(const ViewChoice& v);
    // What a screen reader was told after an input, its texts a line each.
    void announced(const QString& texts, bool assertive);

protected:
    void paintEvent(QPaintEvent*) override;
    void closeEvent(QCloseEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void contextMenuEvent(QContextMenuEvent*) override;
    bool focusNextPrevChild(bool next) override;

private:
    GameWindow(frontend::Shell* shell, std::unique_ptr<frontend::Shell> own, QWidget* parent);
    void buildWidgets();
    void apply(const frontend::Effects& e);
    // Shows the model; `arriving`, the stop the focus goes to on this change, if any.
    void mirror(std::optional<W> arriving = std::nullopt);
    void applyWidget(const WidgetDef& d, const std::optional<WidgetState>& before, const WidgetState& now);
    void applyStage();
    QPoint windowedPosition(QPoint wanted) const;
    void focusOn(std::optional<W> w, Qt::FocusReason reason);
    void popupMenu(const QPoint& global, bool byKeyboard);

    std::unique_ptr<frontend::Shell> ownShell_;
    frontend::Shell& shell_;
    std::array<QWidget*, kWidgetCount> widgets_{};
    std::array<QTimer*, kTimerCount> timers_{};
    bool built_ = false;
    frontend::Mirror mirror_;

    ViewChoice view_;
    Stage stage_;
    QPoint windowedPos_ = kDesignPosition;  // where the window goes back to after fullscreen
    ContextMenu* menu_;

    Announcer announcer_{this};
    bool syncing_ = false;
    std::vector<QWidget*> hiding_;  // hidden once the new screen is in place
    bool focusCues_ = false;        // the keyboard has been used: the focus is shown
    QFocusFrame* focusFrame_ = nullptr;
};

// The window's font at a pixel height: "ＭＳ Ｐゴシック" where it is installed, otherwise the
// metric-compatible IPA P Gothic.
QFont gameFont(int px, bool bold);

}  // namespace verminadia::desktop
