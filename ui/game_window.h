#pragma once
// The real window, built from the widget table and kept in step with the game's model: clicks
// and timer ticks go in as handler calls, and after each one the model is mirrored into the
// widgets.

#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "game/events.h"

namespace verminadia::ui {

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

signals:
    // The game closed its window.
    void gameClosed();

protected:
    void paintEvent(QPaintEvent*) override;
    void closeEvent(QCloseEvent*) override;

private:
    void buildWidgets();
    void buildTimers();
    void applyWidget(W w, const WidgetState& now);

    Game& game_;
    std::array<QWidget*, kWidgetCount> widgets_{};
    std::array<std::optional<WidgetState>, kWidgetCount> applied_{};
    std::array<QTimer*, kTimerCount> timers_{};
    std::array<std::optional<TimerState>, kTimerCount> appliedTimers_{};
    std::uint64_t appliedRevision_ = ~std::uint64_t{0};
    bool built_ = false;
    bool watchOnly_ = false;
    bool endedByGame_ = false;
    std::function<void(W)> clicked_;
    std::function<void(Timer)> ticked_;
};

// The window's font at a pixel height: "ＭＳ Ｐゴシック" where it is installed, otherwise the
// metric-compatible IPA P Gothic.
QFont gameFont(int px, bool bold);

}  // namespace verminadia::ui
