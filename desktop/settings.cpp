#include "desktop/settings.h"

#include <filesystem>
#include <iostream>

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QStandardPaths>

#include "desktop/window/qtext.h"
#include "files/regular_file.h"

namespace verminadia::desktop {

namespace {

// A few lines are all the game keeps.
constexpr qint64 kMaxSettingsBytes = qint64{64} * 1024;

const QString kGeneral = QStringLiteral("General");

bool readSettings(QIODevice& device, QSettings::SettingsMap& map) {
    if (device.size() > kMaxSettingsBytes) return false;
    QString group;
    for (const QByteArray& raw : device.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')) continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            group = line.mid(1, line.size() - 2).trimmed();
            if (group == kGeneral) group.clear();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0) continue;  // no setting of ours
        const QString key = line.left(equals).trimmed();
        map.insert(group.isEmpty() ? key : group + u'/' + key, line.mid(equals + 1).trimmed());
    }
    return true;
}

bool writeSettings(QIODevice& device, const QSettings::SettingsMap& map) {
    QString group, text;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {  // in the keys' order: each group's together
        const qsizetype slash = it.key().lastIndexOf(u'/');
        const QString in = slash < 0 ? kGeneral : it.key().left(slash);
        const QString value = it.value().toString();
        if (value.contains(u'\n')) return false;
        if (in != group || text.isEmpty()) text += (text.isEmpty() ? "[" : "\n[") + in + "]\n";
        group = in;
        text += it.key().mid(slash + 1) + u'=' + value + u'\n';
    }
    return device.write(text.toUtf8()) >= 0;
}

QSettings::Format plainSettings() {
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("conf"), readSettings, writeSettings);
    return format;
}

}  // namespace

SettingsFile::SettingsFile()
    : file_(QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                .filePath(QStringLiteral("verminadia/verminadia.conf"))) {
    // Asked before QSettings opens the file: a FIFO would keep it waiting for ever.
    const std::filesystem::path path = QFile::encodeName(file_).toStdString();
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::status(path, ec))) {
        std::ifstream probe;
        if (!openRegularFile(path, kMaxSettingsBytes, probe, refused_)) return;
    }
    store_ = std::make_unique<QSettings>(plainSettings(), QSettings::UserScope, QStringLiteral("verminadia"),
                                         QStringLiteral("verminadia"));
}

std::optional<std::string> SettingsFile::value(std::string_view key) const {
    if (!readable()) return std::nullopt;
    const QVariant v = store_->value(qtext(key));
    if (!v.isValid()) return std::nullopt;
    return v.toString().toStdString();
}

void SettingsFile::setValue(std::string_view key, const std::string& value) {
    if (store_) store_->setValue(qtext(key), QString::fromStdString(value));
}

bool SettingsFile::save() {
    if (!readable()) return false;
    store_->sync();
    return store_->status() == QSettings::NoError;
}

Settings::Settings() : frontend::Settings(static_cast<SettingsFile&>(*this), std::cerr) {}

}  // namespace verminadia::desktop
