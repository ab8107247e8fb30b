#include "desktop/settings.h"

#include <iostream>

#include "desktop/window/qtext.h"

namespace verminadia::desktop {

SettingsFile::SettingsFile()
    : store_(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("verminadia"),
             QStringLiteral("verminadia")) {}

std::optional<std::string> SettingsFile::value(std::string_view key) const {
    const QVariant v = store_.value(qtext(key));
    if (!v.isValid()) return std::nullopt;
    // As the file has it: a list (a value with commas) joined again.
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QStringLiteral(", ")).toStdString();
    return v.toString().toStdString();
}

void SettingsFile::setValue(std::string_view key, const std::string& value) {
    store_.setValue(qtext(key), QString::fromStdString(value));
}

bool SettingsFile::save() {
    store_.sync();
    return store_.status() != QSettings::AccessError;
}

Settings::Settings() : frontend::Settings(static_cast<SettingsFile&>(*this), std::cerr) {}

}  // namespace verminadia::desktop
