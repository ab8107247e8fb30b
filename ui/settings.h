#pragma once
// What the game remembers between runs: the view (the window's scale, fullscreen), the language
// and mute, and nothing else. Kept with QSettings in the user's config folder,
// $XDG_CONFIG_HOME/verminadia/verminadia.conf; later features add their values here, each read
// the same careful way.

#include <QSettings>

#include "ui/stage.h"

namespace verminadia::ui {

class Settings {
public:
    Settings();

    // The saved view, or 1× in a window when none is saved. A damaged or out-of-range value is
    // said in one line on standard error and its default used.
    ViewChoice view();
    void setView(const ViewChoice& v);
    // The language chosen in the menu last time ("ja", "en"), or empty: none, or one the game
    // does not have (said in one line).
    QString language();
    void setLanguage(const QString& code);
    // Whether all sound is muted (M, or the context menu).
    bool muted();
    void setMuted(bool muted);

    QString fileName() const { return store_.fileName(); }

private:
    void save();
    QSettings store_;
};

}  // namespace verminadia::ui
