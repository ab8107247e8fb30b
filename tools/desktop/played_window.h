#pragma once
// A script played as verminadia-script plays it, in the language the environment asks for, then
// shown in the real window as the game left it: what verminadia-shot and verminadia-a11y look at.

#include <memory>

#include "desktop/window/game_window.h"
#include "language/catalogues.h"
#include "script/script.h"

namespace verminadia::desktop {

class PlayedWindow {
public:
    // `program` names the tool in its messages.
    explicit PlayedWindow(const char* program);

    // Plays the script file and builds the window on the game at `view`. The driver's status, or
    // 2 when the file cannot be read (said in one line); the window exists only after 0.
    int play(const char* path, ViewChoice view = {});
    GameWindow& window() { return *window_; }

private:
    const char* program_;
    Catalogues catalogues_;
    std::unique_ptr<Session> session_;
    std::unique_ptr<GameWindow> window_;
};

}  // namespace verminadia::desktop
