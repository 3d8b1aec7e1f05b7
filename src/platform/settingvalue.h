#pragma once

#include "platform/settingsstore.h"

#include <optional>
#include <QString>
#include <utility>

namespace tidewell::platform {

// One value of the settings store, declared once with its key path, name, type and default, so that a
// reader or writer names it in one place (see settingsvalues.h for the program's declarations).
template <typename T> class SettingValue final {
public:
    SettingValue(QString keyPath, QString name, T defaultValue = T{})
        : m_keyPath(std::move(keyPath)), m_name(std::move(name)), m_default(std::move(defaultValue)) {}

    const QString &keyPath() const { return m_keyPath; }
    const QString &name() const { return m_name; }
    const T &defaultValue() const { return m_default; }

    // The value as the store holds it in an open key (an absent string reads as empty, an absent
    // integer is an error; a value of the other type is an error).
    SettingsRead<T> readFrom(const SettingsKey &key) const {
        if constexpr (std::is_same_v<T, QString>) {
            return key.readString(m_name);
        } else {
            return key.readInteger(m_name);
        }
    }

    // The stored value, or the error when the store or the value cannot be read. An absent key reads as
    // the default.
    SettingsRead<T> read(const SettingsStore &store = SettingsStore()) const {
        SettingsRead<T> result;
        const std::optional<SettingsKey> key = store.openKey(m_keyPath, false, &result.error);
        if (!key) {
            result.value = m_default;
            return result;
        }
        return readFrom(*key);
    }

    // The stored value, or the default on any failure.
    T value(const SettingsStore &store = SettingsStore()) const {
        const SettingsRead<T> r = read(store);
        return r.ok() ? r.value : m_default;
    }

    bool writeTo(const SettingsKey &key, const T &value, QString *error) const {
        if constexpr (std::is_same_v<T, QString>) {
            return key.writeString(m_name, value, error);
        } else {
            return key.writeInteger(m_name, value, error);
        }
    }

    // Writes the value, creating the key when absent. False with the store's error on failure.
    bool write(const T &value, QString *error = nullptr, const SettingsStore &store = SettingsStore()) const {
        const std::optional<SettingsKey> key = store.openKey(m_keyPath, true, error);
        return key && writeTo(*key, value, error);
    }

private:
    QString m_keyPath;
    QString m_name;
    T m_default;
};

} // namespace tidewell::platform
