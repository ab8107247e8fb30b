#include "desktop/menu/mute_switch.h"

#include <QMenu>

#include "desktop/sound_output.h"
#include "desktop/window/game_window.h"
#include "desktop/window/qtext.h"
#include "frontend/menu_texts.h"
#include "frontend/settings/settings.h"

namespace verminadia::desktop {

MuteSwitch::MuteSwitch(GameWindow& window, const Game& game, SystemSound& sound, frontend::Settings& settings)
    : QAction(&window), window_(window), game_(game) {
    sound.setMuted(settings.muted());
    setCheckable(true);
    setChecked(sound.muted());
    setShortcut(Qt::Key_M);
    setAutoRepeat(false);  // a held M switches once, not back and forth
    setShortcutContext(Qt::WindowShortcut);
    window.addAction(this);
    connect(this, &QAction::toggled, this, [&sound, &settings](bool on) {
        sound.setMuted(on);
        settings.setMuted(on);
    });
}

void MuteSwitch::addToMenu() {
    QMenu* menu = window_.contextMenu();
    const auto name = [this] { setText(qtext(game_.catalogue().translate(frontend::kMuteItem))); };
    name();
    menu->addAction(this);
    connect(menu, &QMenu::aboutToShow, this, name);
}

}  // namespace verminadia::desktop
