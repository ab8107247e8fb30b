#pragma once
// The game in the page: a view of the shell's session. The stage is built from the widget table,
// clicks, taps and keys go to the shell, and what it says after each is carried out in the DOM:
// the stage mirrored, the focus moved, the live regions told, the timers run. Nothing runs
// between events.

#include <array>
#include <iostream>
#include <string>

#include "frontend/menu.h"
#include "frontend/shell.h"
#include "web/src/browser_storage.h"
#include "web/src/page_languages.h"
#include "web/src/stage_view.h"
#include "web/src/web_audio_output.h"

namespace verminadia::web {

class Page {
public:
    Page();
    // Starts the session in the saved language, else the browser's.
    void start();

    frontend::Shell& shell() { return shell_; }
    frontend::Menu& menu() { return menu_; }
    // A key, click or tap anywhere: the browser may now let the page sound.
    void gesture();
    // The room for the stage changed.
    void refit();

private:
    void apply(const frontend::Effects& e);
    void showLanguage();
    void syncBar();
    void focusOn(std::optional<W> w);

    WebAudioOutput sound_;
    LocalStorageSettings kept_;
    frontend::KeptRecord lastRecord_ = localStorageRecord(kept_);
    PageLanguages languages_;
    // Trouble with what the page keeps is said on the console.
    frontend::Shell shell_;
    frontend::Menu menu_{shell_};
    StageView view_;
    std::array<long, kTimerCount> intervals_{};  // 0: not running
    bool menuBuilt_ = false;
};

}  // namespace verminadia::web
