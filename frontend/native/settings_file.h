#pragma once
// The settings on a machine's disk: $XDG_CONFIG_HOME/verminadia/verminadia.conf, plain
// "key=value" lines under "[group]" lines, "[General]" for the keys of no group. Values are read
// as the text they are; a file that is not a regular one, or too large for settings, is never
// opened, and its defaults are used. Saving writes the whole file beside the old one and renames it
// into its place, with what another run saved meanwhile kept.

#include <iostream>
#include <map>
#include <string>

#include "frontend/settings/settings.h"

namespace verminadia::frontend {

class SettingsFile : public SettingsStore {
public:
    SettingsFile();

    std::optional<std::string> value(std::string_view key) const override;
    void setValue(std::string_view key, const std::string& value) override;
    bool save() override;
    bool readable() const override { return refused_.empty(); }
    std::string whyUnreadable() const override { return refused_; }
    std::string where() const override { return file_; }

    const std::string& fileName() const { return file_; }

private:
    using Values = std::map<std::string, std::string, std::less<>>;
    // What the file holds now: false, with the reason, when it is there but cannot be read.
    bool load(Values& values, std::string& why) const;

    std::string file_;
    std::string refused_;  // why the file is not opened
    Values values_;        // as read, with what was set since
    Values changed_;       // set since the last save
};

// The game's settings in that file.
class FileSettings : private SettingsFile, public Settings {
public:
    // What is wrong with a saved value is said on `complaints`.
    explicit FileSettings(std::ostream& complaints = std::cerr);
    using SettingsFile::fileName;
};

}  // namespace verminadia::frontend
