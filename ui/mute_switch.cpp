#include "ui/mute_switch.h"

#include <QMenu>

#include "ui/game_window.h"
#include "ui/qtext.h"
#include "ui/settings.h"
#include "ui/sound_output.h"

namespace verminadia::ui {

MuteSwitch::MuteSwitch(GameWindow& window, const Game& game, SystemSound& sound, Settings& settings)
    : QAction(&window), window_(window), game_(game) {
    sound.setMuted(settings.muted());
    setCheckable(true);
    setChecked(sound.muted());
    setShortcut(Qt::Key_M);
    setShortcutContext(Qt::WindowShortcut);
    window.addAction(this);
    connect(this, &QAction::toggled, this, [&sound, &settings](bool on) {
        sound.setMuted(on);
        settings.setMuted(on);
    });
}

void MuteSwitch::addToMenu() {
    QMenu* menu = window_.contextMenu();
    const auto name = [this] { setText(qtext(game_.catalogue().translate(kMuteItem))); };
    name();
    menu->addAction(this);
    connect(menu, &QMenu::aboutToShow, this, name);
}

}  // namespace verminadia::ui
