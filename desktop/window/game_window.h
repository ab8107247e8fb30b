#pragma once
// The real window, built from the widget table and kept in step with the game's model: clicks,
// keys and timer ticks go in as handler calls, and after each one the model is mirrored into the
// widgets. The designed 521 × 351 area is drawn at the scale the player chose, or as large as
// the screen allows in fullscreen, and everything clickable on it can be reached by keyboard.

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include <QTimer>
#include <QWidget>

#include "desktop/window/announcer.h"
#include "desktop/window/stage.h"
#include "frontend/focus_order.h"
#include "game/events.h"

class QFocusFrame;
class QMenu;

namespace verminadia::desktop {

class WindowMenu;

class GameWindow : public QWidget {
    Q_OBJECT
public:
    explicit GameWindow(Game& game, QWidget* parent = nullptr);

    // The widget's view, made with the others when first needed.
    QWidget* widget(W w);
    // Makes every widget of the table now rather than after the first frame.
    void ensureBuilt();
    // A player's click on a widget, as the window delivers it.
    void clickWidget(W w);
    // A tick of one of the window's timers, as it delivers it.
    void tickTimer(Timer t);
    // Brings every widget, colour and timer in line with the model.
    void sync();

    // Sees every click and tick that reached the game, just after it ran: the session record.
    void setObserver(std::function<void(W)> clicked, std::function<void(Timer)> ticked);
    // While a record is replayed into the game, the window only shows it: its own timers and the
    // player's clicks no longer reach the game.
    void setWatchOnly(bool watchOnly) { watchOnly_ = watchOnly; }
    // True once the game closed the window by itself, at the end of the credits.
    bool endedByGame() const { return endedByGame_; }
    // The view: the window's scale, or fullscreen. Setting it does not count as the player's
    // choice (see viewChosen).
    ViewChoice view() const { return view_; }
    void setView(const ViewChoice& v);
    const Stage& stage() const { return stage_; }

    // The context menu; features add their entries to it.
    QMenu* contextMenu();

    // What a screen reader is told of a widget: what the player sees of it.
    QString accessibleText(W w) const;
    const Game& game() const { return game_; }

signals:
    // The game closed its window.
    void gameClosed();
    // The player chose another view, by key or from the menu: it is to be remembered.
    void viewChosen(const ViewChoice& v);

protected:
    void paintEvent(QPaintEvent*) override;
    void closeEvent(QCloseEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void contextMenuEvent(QContextMenuEvent*) override;
    bool focusNextPrevChild(bool next) override;

private:
    void buildWidgets();
    void buildTimers();
    void applyWidget(W w, const WidgetState& now);
    void applyStage();
    void chooseView(const ViewChoice& v);
    QPoint windowedPosition(QPoint wanted) const;

    // Keyboard focus: always on a showing stop, or on the window itself when there is none.
    std::optional<W> focusedStop() const;
    void focusOn(std::optional<W> w, Qt::FocusReason reason);
    void moveFocus(bool forward);
    // Moves the focus where the new screen wants it, from where it was before the change.
    void followScreen(std::optional<W> focusBefore);
    // Tells a screen reader what changed since it was last told, and where the focus goes.
    void tellScreenReader(std::optional<W> focusBefore, std::optional<W> focusAfter);
    void showFocusCues();
    void popupMenu(const QPoint& global, bool byKeyboard);

    Game& game_;
    std::array<QWidget*, kWidgetCount> widgets_{};
    std::array<std::optional<WidgetState>, kWidgetCount> applied_{};
    std::array<QTimer*, kTimerCount> timers_{};
    std::array<std::optional<TimerState>, kTimerCount> appliedTimers_{};
    std::uint64_t appliedRevision_ = ~std::uint64_t{0};
    bool built_ = false;
    bool watchOnly_ = false;
    bool translated_ = false;  // the labels were last told the game speaks a translation
    bool endedByGame_ = false;
    std::function<void(W)> clicked_;
    std::function<void(Timer)> ticked_;

    ViewChoice view_;
    Stage stage_;
    QPoint windowedPos_ = kDesignPosition;  // where the window goes back to after fullscreen
    WindowMenu* menu_;

    Announcer announcer_{this};
    std::optional<Form> heard_;   // the model as a screen reader was last told of it
    frontend::FocusStops stops_;  // the keyboard's stops as the last sync left them
    bool syncing_ = false;
    bool focusCues_ = false;  // the keyboard has been used: the focus is shown
    QFocusFrame* focusFrame_ = nullptr;
};

// The window's font at a pixel height: "ＭＳ Ｐゴシック" where it is installed, otherwise the
// metric-compatible IPA P Gothic.
QFont gameFont(int px, bool bold);

}  // namespace verminadia::desktop
