#pragma once
// The settings on the desktop: kept with QSettings in the user's config folder,
// $XDG_CONFIG_HOME/verminadia/verminadia.conf, as plain "key=value" lines under "[group]" lines.
// Values are read as the text they are, never as Qt's own encodings ("@Variant(...)"); a file that
// is not a regular one, or too large for settings, is never opened, and its defaults are used.

#include <memory>

#include <QSettings>

#include "frontend/settings/settings.h"

namespace verminadia::desktop {

class SettingsFile : public frontend::SettingsStore {
public:
    SettingsFile();

    std::optional<std::string> value(std::string_view key) const override;
    void setValue(std::string_view key, const std::string& value) override;
    bool save() override;
    bool readable() const override { return store_ && store_->status() != QSettings::FormatError; }
    std::string whyUnreadable() const override { return refused_; }
    std::string where() const override { return fileName().toStdString(); }

    QString fileName() const { return file_; }

private:
    QString file_;
    std::string refused_;  // why the file is not opened
    std::unique_ptr<QSettings> store_;
};

// The game's settings in that file.
class Settings : private SettingsFile, public frontend::Settings {
public:
    Settings();
    using SettingsFile::fileName;
};

}  // namespace verminadia::desktop
