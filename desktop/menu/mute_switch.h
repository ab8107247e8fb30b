#pragma once
// Mute: a checkable entry in the window's context menu, and the key M the shell answers, turn all
// sound off and on again; the shell remembers the choice with the other settings.

#include <QAction>

#include "core/game.h"

namespace verminadia::frontend {
class Settings;
}
namespace verminadia::audio {
class SystemSound;
}

namespace verminadia::desktop {

class GameWindow;

class MuteSwitch : public QAction {
public:
    // Starts as the settings say, and hears M from now on.
    MuteSwitch(GameWindow& window, const Game& game, audio::SystemSound& sound, frontend::Settings& settings);
    // The entry in the window's context menu, named in the game's language whenever the menu opens.
    void addToMenu();

private:
    GameWindow& window_;
    const Game& game_;
};

}  // namespace verminadia::desktop
