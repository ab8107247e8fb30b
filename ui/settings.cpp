#include "ui/settings.h"

#include <cstdio>

#include "ui/language.h"

namespace verminadia::ui {

namespace {

const QString kScaleKey = QStringLiteral("view/scale");
const QString kFullscreenKey = QStringLiteral("view/fullscreen");
const QString kLanguageKey = QStringLiteral("language");
const QString kMutedKey = QStringLiteral("sound/muted");

void say(const QString& line) { std::fprintf(stderr, "verminadia: %s\n", qPrintable(line)); }

// The value as the file has it, for a message: a list (a value with commas) is shown joined.
QString asWritten(const QVariant& v) {
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QStringLiteral(", "));
    return v.toString();
}

// A saved switch: true or false, whatever the letters' case. Anything else is said, and the
// switch is off.
bool savedSwitch(const QSettings& store, const QString& key, const char* name) {
    const QVariant v = store.value(key);
    if (!v.isValid()) return false;
    const QString text = asWritten(v).trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("false")) return text == QLatin1String("true");
    say(QStringLiteral("the saved %1 '%2' is neither true nor false; using false")
            .arg(QLatin1String(name), asWritten(v)));
    return false;
}

}  // namespace

Settings::Settings()
    : store_(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("verminadia"),
             QStringLiteral("verminadia")) {}

ViewChoice Settings::view() {
    ViewChoice v;
    if (store_.status() == QSettings::FormatError) {
        say(QStringLiteral("cannot read the settings in %1; using the defaults").arg(store_.fileName()));
        return v;
    }
    if (const QVariant scale = store_.value(kScaleKey); scale.isValid()) {
        bool ok = false;
        const int n = asWritten(scale).trimmed().toInt(&ok);
        if (ok && n >= kMinScale && n <= kMaxScale) {
            v.scale = n;
        } else {
            say(QStringLiteral("the saved scale '%1' is not a whole number from %2 to %3; using %2")
                    .arg(asWritten(scale))
                    .arg(kMinScale)
                    .arg(kMaxScale));
        }
    }
    v.fullscreen = savedSwitch(store_, kFullscreenKey, "fullscreen");
    return v;
}

QString Settings::language() {
    const QVariant code = store_.value(kLanguageKey);
    if (!code.isValid() || store_.status() == QSettings::FormatError) return {};
    if (knownLanguage(asWritten(code))) return asWritten(code);
    say(QStringLiteral("the saved language '%1' is not one the game has (%2); using the environment's")
            .arg(asWritten(code), knownLanguages()));
    return {};
}

void Settings::setLanguage(const QString& code) {
    store_.setValue(kLanguageKey, code);
    save();
}

bool Settings::muted() { return store_.status() != QSettings::FormatError && savedSwitch(store_, kMutedKey, "muted"); }

void Settings::setMuted(bool muted) {
    store_.setValue(kMutedKey, muted);
    save();
}

void Settings::setView(const ViewChoice& v) {
    store_.setValue(kScaleKey, v.scale);
    store_.setValue(kFullscreenKey, v.fullscreen);
    save();
}

void Settings::save() {
    store_.sync();
    if (store_.status() == QSettings::AccessError) {
        say(QStringLiteral("cannot save the settings to %1").arg(store_.fileName()));
    }
}

}  // namespace verminadia::ui
