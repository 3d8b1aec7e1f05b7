#pragma once

#include <optional>
#include <QList>
#include <QString>

namespace tidewell::platform {

enum class SettingsType { String, Integer };

// One named value of a key.
struct SettingsValue {
    QString name;
    SettingsType type = SettingsType::String;
    QString text;      // string values
    qint32 number = 0; // integer values
};

// The result of a read: the value, or the store's error text for the user.
template <typename T> struct SettingsRead {
    T value{};
    QString error;
    bool ok() const { return error.isEmpty(); }
};

class SettingsKey;

// The per-user settings store: a tree of keys named by '\'-separated paths, each holding typed values
// (string or 32-bit integer). Key paths and value names are compared without letter case. The store is
// one text file, read on every access (the program keeps no cache) and rewritten whole on every change
// (QSaveFile, mode 0600). Programs writing at once take turns through a lock file beside it, and each
// change is applied to the file as it is at that moment, so no write is lost. A byte of a hand-edited
// file that is not UTF-8 is kept as it was when the file is rewritten (it reads as the character
// U+DC00 plus the byte). A file that cannot be read, or was edited into something that does not parse,
// gives an error naming the file and line, and is never overwritten.
class SettingsStore final {
public:
    SettingsStore(); // the user's store, Folders::settingsFile()
    explicit SettingsStore(const QString &filePath);

    QString filePath() const { return m_filePath; }

    // Opens a key ("\software\hollicore\tidewell"; the leading '\' is optional). Without create an absent
    // key gives nullopt and no error; with create the key and its missing parents are made. A store that
    // cannot be read gives nullopt with error set.
    std::optional<SettingsKey> openKey(const QString &path, bool create, QString *error = nullptr) const;
    // Erases a key with all its values and subkeys. Erasing an absent key succeeds.
    bool eraseKey(const QString &path, QString *error = nullptr) const;

private:
    QString m_filePath;
};

// An open key. Every read and write goes to the file, so two keys of the same path always agree.
class SettingsKey final {
public:
    QString path() const { return m_path; }

    // An absent value reads as the empty text; a value of another type is an error.
    SettingsRead<QString> readString(const QString &name) const;
    // An absent value is an error, and so is a value of another type.
    SettingsRead<qint32> readInteger(const QString &name) const;
    // The values in the order they were first written.
    SettingsRead<QList<SettingsValue>> values() const;

    bool writeString(const QString &name, const QString &value, QString *error = nullptr) const;
    bool writeInteger(const QString &name, qint32 value, QString *error = nullptr) const;
    bool eraseValue(const QString &name, QString *error = nullptr) const;

private:
    friend class SettingsStore;
    SettingsKey(QString filePath, QString path) : m_filePath(std::move(filePath)), m_path(std::move(path)) {}

    QString m_filePath;
    QString m_path; // normalised: no leading or trailing '\'
};

} // namespace tidewell::platform
