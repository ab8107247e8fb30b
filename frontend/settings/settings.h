#pragma once
// What the game remembers between runs: the view (the window's scale, fullscreen), the language
// and mute, and nothing else. Each value is read back with care: a damaged one is said in one line
// and its default used. Where the values are kept is the front end's (a SettingsStore).

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace verminadia::frontend {

inline constexpr int kMinScale = 1;
inline constexpr int kMaxScale = 4;

// How the player wants the window: its scale, or fullscreen.
struct ViewChoice {
    int scale = kMinScale;
    bool fullscreen = false;
    bool operator==(const ViewChoice&) const = default;
};

// A scale as a player or a file wrote it: a whole number from 1 to 4, blanks around it allowed;
// nothing for anything else.
std::optional<int> readScale(std::string_view text);

// Where the settings are kept: a settings file on the desktop, local storage in a browser. Values
// are text, as they are written there.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The value under `key` ("view/scale"), or nothing when none is kept.
    virtual std::optional<std::string> value(std::string_view key) const = 0;
    virtual void setValue(std::string_view key, const std::string& value) = 0;
    // Forgets the value under `key`: for a store that also keeps a record (session/kept_record.h).
    virtual void remove(std::string_view /*key*/) {}
    // Keeps what was set; false when it cannot.
    virtual bool save() = 0;
    // False when what is kept cannot be read at all (a damaged file): then every value is its
    // default.
    virtual bool readable() const = 0;
    // Why, when it is known ("it is a directory").
    virtual std::string whyUnreadable() const { return {}; }
    // Where the settings are kept, for messages.
    virtual std::string where() const = 0;
};

class Settings {
public:
    // What is wrong with a saved value is said on `complaints`.
    Settings(SettingsStore& store, std::ostream& complaints) : store_(store), complaints_(complaints) {}

    // The saved view, or 1× in a window when none is saved.
    ViewChoice view();
    void setView(const ViewChoice& v);
    // The language chosen in the menu last time ("ja", "en"), or empty: none, or one the game does
    // not have.
    std::string language();
    void setLanguage(const std::string& code);
    // Whether all sound is muted.
    bool muted();
    void setMuted(bool muted);

private:
    bool savedSwitch(std::string_view key, std::string_view name);
    void say(const std::string& line);
    void save();

    SettingsStore& store_;
    std::ostream& complaints_;
};

}  // namespace verminadia::frontend
