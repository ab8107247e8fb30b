#pragma once
// The settings on the desktop: kept with QSettings in the user's config folder,
// $XDG_CONFIG_HOME/verminadia/verminadia.conf. What is wrong with a saved value is said on
// standard error.

#include <QSettings>

#include "frontend/settings/settings.h"

namespace verminadia::desktop {

class SettingsFile : public frontend::SettingsStore {
public:
    SettingsFile();

    std::optional<std::string> value(std::string_view key) const override;
    void setValue(std::string_view key, const std::string& value) override;
    bool save() override;
    bool readable() const override { return store_.status() != QSettings::FormatError; }
    std::string where() const override { return store_.fileName().toStdString(); }

    QString fileName() const { return store_.fileName(); }

private:
    QSettings store_;
};

// The game's settings in that file.
class Settings : private SettingsFile, public frontend::Settings {
public:
    Settings();
    using SettingsFile::fileName;
};

}  // namespace verminadia::desktop
