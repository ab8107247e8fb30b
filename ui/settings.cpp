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
    if (const QVariant full = store_.value(kFullscreenKey); full.isValid()) {
        const QString text = asWritten(full).trimmed().toLower();
        if (text == QLatin1String("true") || text == QLatin1String("false")) {
            v.fullscreen = text == QLatin1String("true");
        } else {
            say(QStringLiteral("the saved fullscreen '%1' is neither true nor false; using false")
                    .arg(asWritten(full)));
        }
    }
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

bool Settings::muted() {
    const QVariant v = store_.value(kMutedKey);
    if (!v.isValid() || store_.status() == QSettings::FormatError) return false;
    const QString text = asWritten(v).trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("false")) return text == QLatin1String("true");
    say(QStringLiteral("the saved muted '%1' is neither true nor false; using false").arg(asWritten(v)));
    return false;
}

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
