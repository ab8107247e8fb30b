#include "frontend/settings/settings.h"

#include <charconv>

#include "core/text/utf8.h"
#include "frontend/settings/languages.h"
#include "frontend/spaces.h"

namespace verminadia::frontend {

namespace {

constexpr std::string_view kScaleKey = "view/scale";
constexpr std::string_view kFullscreenKey = "view/fullscreen";
constexpr std::string_view kLanguageKey = "language";
constexpr std::string_view kMutedKey = "sound/muted";

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

}  // namespace

std::optional<int> readScale(std::string_view text) {
    text = trimSpaces(text);
    if (text.starts_with('+')) text.remove_prefix(1);
    int n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (n < kMinScale || n > kMaxScale) return std::nullopt;
    return n;
}

ViewChoice Settings::view() {
    ViewChoice v;
    if (!store_.readable()) {
        const std::string why = store_.whyUnreadable();
        say("cannot read the settings in " + store_.where() + (why.empty() ? "" : ": " + why) + "; using the defaults");
        return v;
    }
    if (const std::optional<std::string> scale = store_.value(kScaleKey)) {
        if (const std::optional<int> n = readScale(*scale)) {
            v.scale = *n;
        } else {
            say("the saved scale '" + escapedInput(*scale) + "' is not a whole number from " +
                std::to_string(kMinScale) + " to " + std::to_string(kMaxScale) + "; using " +
                std::to_string(kMinScale));
        }
    }
    v.fullscreen = savedSwitch(kFullscreenKey, "fullscreen");
    return v;
}

void Settings::setView(const ViewChoice& v) {
    store_.setValue(kScaleKey, std::to_string(v.scale));
    store_.setValue(kFullscreenKey, v.fullscreen ? "true" : "false");
    save();
}

std::string Settings::language() {
    const std::optional<std::string> code = store_.value(kLanguageKey);
    if (!code || !store_.readable()) return {};
    if (knownLanguage(*code)) return *code;
    say("the saved language '" + escapedInput(*code) + "' is not one the game has (" + knownLanguages() +
        "); using the environment's");
    return {};
}

void Settings::setLanguage(const std::string& code) {
    store_.setValue(kLanguageKey, code);
    save();
}

bool Settings::muted() { return store_.readable() && savedSwitch(kMutedKey, "muted"); }

void Settings::setMuted(bool muted) {
    store_.setValue(kMutedKey, muted ? "true" : "false");
    save();
}

// A saved switch: true or false, whatever the letters' case. Anything else is said, and the
// switch is off.
bool Settings::savedSwitch(std::string_view key, std::string_view name) {
    const std::optional<std::string> v = store_.value(key);
    if (!v) return false;
    const std::string text = lower(trimSpaces(*v));
    if (text == "true" || text == "false") return text == "true";
    say("the saved " + std::string(name) + " '" + escapedInput(*v) + "' is neither true nor false; using false");
    return false;
}

void Settings::say(const std::string& line) { complaints_ << "verminadia: " << line << '\n' << std::flush; }

void Settings::save() {
    if (!store_.save()) say("cannot save the settings to " + store_.where());
}

}  // namespace verminadia::frontend
