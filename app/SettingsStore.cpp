#include "SettingsStore.h"

#include "Scramble.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

QString scrambled(const QString& text) {
    return QString::fromStdString(zenthari::ScrambleText(text.toStdString()));
}

QString unscrambled(const QString& text) {
    return QString::fromStdString(zenthari::UnscrambleText(text.toStdString()));
}

QString defaultApplicationName() {
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("zenthari") : name;
}

} // namespace

SettingsStore::SettingsStore() : applicationName_(defaultApplicationName()) {}

SettingsStore::SettingsStore(const QString& applicationName)
    : applicationName_(applicationName.isEmpty() ? defaultApplicationName() : applicationName) {}

QString SettingsStore::fileName() const {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, applicationName_, applicationName_)
        .fileName();
}

std::optional<QString> SettingsStore::read(const QString& key) const {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, applicationName_,
                       applicationName_);
    if (settings.status() != QSettings::NoError)
        return std::nullopt;
    settings.beginGroup(Section);
    const QVariant stored = settings.value(scrambled(key));
    if (!stored.isValid())
        return QString();
    return unscrambled(stored.toString());
}

bool SettingsStore::write(const QString& key, const QString& value) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, applicationName_,
                       applicationName_);
    // A store that could not be read is not overwritten: what is in it would be lost.
    if (settings.status() != QSettings::NoError)
        return false;
    settings.beginGroup(Section);
    settings.setValue(scrambled(key), scrambled(value));
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}
