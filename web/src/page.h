#pragma once
// The game in the page: the stage built from the widget table, clicks, taps and keys going in as
// the same handler calls as on the desktop, the timers ticking at their designed intervals, and
// after each event the model mirrored into the DOM. Nothing runs between events.

#include <array>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "frontend/focus_order.h"
#include "frontend/session/session.h"
#include "game/events.h"
#include "web/src/browser_storage.h"
#include "web/src/page_languages.h"
#include "web/src/stage_view.h"
#include "web/src/web_audio_output.h"

namespace verminadia::web {

class Page {
public:
    Page();

    // Fetches the catalogue of the browser's language, then starts the title.
    void start();

    // A player's click or tap on a widget.
    void clickWidget(W w);
    // A tick of one of the timers.
    void tickTimer(Timer t);
    // A key pressed anywhere on the page; true when the game took it.
    bool pressKey(const std::string& key, bool shift, bool plain, bool repeat);
    // The bar's つづきから: the last session's record played into the game, which goes on from there.
    void continueLastSession();
    // Escape in the page's menu: the keys go back to the game.
    void leaveMenu();
    // A key, click or tap anywhere: the browser may now let the page sound.
    void gesture();
    // The bar's mute switch, or the key M, as the desktop's menu has it.
    void toggleMute();
    // Everything on the screen in another language, at once.
    void chooseLanguage(const std::string& language);
    // The room for the stage changed.
    void refit();

    // Brings the stage, the announcements, the keyboard focus and the timers in line with the model.
    void sync();

private:
    bool takeKey(const std::string& key, bool shift, bool plain, bool repeat);
    void buildLanguageMenu();
    void useLanguage(const std::string& wanted, const Catalogue& catalogue);
    void syncTimers();
    void syncContinueButton();
    void syncMuteSwitch();
    void closeStage();

    // Keyboard focus: on a showing stop, or on the stage itself when there is none.
    std::optional<W> focusedStop() const;
    void focusOn(std::optional<W> w);
    void moveFocus(bool forward);
    void followScreen();

    WebAudioOutput sound_;
    Session session_;
    Game& game_ = session_.game();
    PageLanguages languages_;
    // What the page keeps between visits; trouble with it is said on the console.
    LocalStorageSettings kept_;
    frontend::Settings settings_{kept_, std::cerr};
    LocalStorageRecord lastRecord_;
    frontend::SessionLog log_{session_, lastRecord_, std::cerr};
    std::string language_;
    StageView view_;
    bool started_ = false;
    std::uint64_t appliedRevision_ = ~std::uint64_t{0};
    std::array<long, kTimerCount> intervals_{};  // 0: not running
    std::array<std::optional<TimerState>, kTimerCount> appliedTimers_{};
    frontend::FocusStops stops_;
    std::optional<W> beforeMenu_;  // where the focus was when the menu key took it to the menu
    bool focusCues_ = false;       // the keyboard has been used: the focus is shown
    std::string announced_;
};

}  // namespace verminadia::web
