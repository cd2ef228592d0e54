#pragma once

#include <QString>

#include <optional>

// The per-user store of the program's settings: an ini file named after the program, one section
// "Settings". Keys and values never reach the file as plain text; both are scrambled.
class SettingsStore {
public:
    // The store of this program (named after the running executable).
    SettingsStore();
    // The store of another application name, for tools and tests.
    explicit SettingsStore(const QString& applicationName);
    virtual ~SettingsStore() = default;

    // The stored value of key: the empty text when the key is absent, nothing when the store
    // cannot be read.
    virtual std::optional<QString> read(const QString& key) const;
    // Stores value under key and writes the file at once; false when it cannot be written.
    virtual bool write(const QString& key, const QString& value);

    // Where the store lives, for tests and people looking for it.
    QString fileName() const;

    static inline const QString Section = QStringLiteral("Settings");

private:
    QString applicationName_;
};
