#include "desktop/menu/mute_switch.h"

#include <QMenu>

#include "audio/system/system_sound.h"
#include "desktop/window/game_window.h"
#include "desktop/window/qtext.h"
#include "frontend/menu_texts.h"

namespace verminadia::desktop {

MuteSwitch::MuteSwitch(GameWindow& window, const Game& game, audio::SystemSound& sound, frontend::Settings& settings)
    : QAction(&window), window_(window), game_(game) {
    if (window.shell().settings() == nullptr) window.shell().useSettings(settings);
    sound.setMuted(window.shell().muted());
    setCheckable(true);
    setChecked(sound.muted());
    // Shown beside the entry; the key itself is the shell's.
    setShortcut(Qt::Key_M);
    setAutoRepeat(false);  // a held M switches once, not back and forth
    setShortcutContext(Qt::WidgetShortcut);
    connect(this, &QAction::triggered, this, [&window] { window.shell().toggleMute(); });
    connect(&window, &GameWindow::muteChanged, this, [this, &sound](bool on) {
        setChecked(on);
        sound.setMuted(on);
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
