#include "shell/usersettings.h"

#include "platform/settingsstore.h"

namespace tidewell::shell {

using platform::SettingsKey;
using platform::SettingsStore;

namespace {
std::optional<SettingsKey> existingKey(const QString &path, QString *error = nullptr) {
    return SettingsStore().openKey(path, false, error);
}

// A string value, or empty when the key or value is absent; error set when it cannot be read.
QString readText(const QString &keyPath, const QString &name, QString *error) {
    const std::optional<SettingsKey> key = existingKey(keyPath, error);
    if (!key) {
        return {};
    }
    const platform::SettingsRead<QString> read = key->readString(name);
    if (!read.ok() && error) {
        *error = read.error;
    }
    return read.value;
}

bool writeTexts(const QString &keyPath, const QList<std::pair<QString, QString>> &values, QString *error) {
    const std::optional<SettingsKey> key = SettingsStore().openKey(keyPath, true, error);
    if (!key) {
        return false;
    }
    for (const auto &[name, value] : values) {
        if (!key->writeString(name, value, error)) {
            return false;
        }
    }
    return true;
}
} // namespace

UserDetailsLoad loadUserDetails() {
    UserDetailsLoad load;
    const std::optional<SettingsKey> key = existingKey(kSettingsKey, &load.error);
    if (!key) {
        return load;
    }
    // The three texts in order; a failing read ends the load there.
    const std::pair<QString, QString *> texts[] = {{QStringLiteral("name"), &load.details.name},
                                                   {QStringLiteral("email"), &load.details.email},
                                                   {QStringLiteral("site"), &load.details.site}};
    for (const auto &[name, field] : texts) {
        const platform::SettingsRead<QString> read = key->readString(name);
        if (!read.ok()) {
            load.error = read.error;
            return load;
        }
        *field = read.value;
    }
    // One guarded step: "loadarticle" is only looked at when "blogmode" could be read.
    const platform::SettingsRead<qint32> blogmode = key->readInteger(QStringLiteral("blogmode"));
    if (!blogmode.ok()) {
        return load;
    }
    load.details.blogmode = blogmode.value != 0;
    const platform::SettingsRead<qint32> loadarticle = key->readInteger(QStringLiteral("loadarticle"));
    if (loadarticle.ok()) {
        load.details.loadarticle = loadarticle.value != 0;
    }
    return load;
}

bool saveUserDetails(const UserDetails &details, QString *error) {
    if (!writeTexts(kSettingsKey,
                    {{QStringLiteral("name"), details.name},
                     {QStringLiteral("email"), details.email},
                     {QStringLiteral("site"), details.site}},
                    error)) {
        return false;
    }
    const SettingsKey key = *SettingsStore().openKey(kSettingsKey, true, error);
    return key.writeInteger(QStringLiteral("blogmode"), details.blogmode ? 1 : 0, error) &&
           key.writeInteger(QStringLiteral("loadarticle"), details.loadarticle ? 1 : 0, error);
}

bool loadArticleSetting() {
    const std::optional<SettingsKey> key = existingKey(kSettingsKey);
    if (!key) {
        return false;
    }
    const platform::SettingsRead<qint32> read = key->readInteger(QStringLiteral("loadarticle"));
    return read.ok() && read.value != 0;
}

QString userName() {
    QString error;
    const QString name = readText(kSettingsKey, QStringLiteral("name"), &error);
    return error.isEmpty() ? name : QStringLiteral("Undefined");
}

QString userSite() {
    QString error;
    const QString site = readText(kSettingsKey, QStringLiteral("site"), &error);
    return error.isEmpty() ? site : QString();
}

FtpDetails loadFtpDetails() {
    FtpDetails details;
    QString error;
    details.server = readText(kFtpKey, QStringLiteral("sname"), &error);
    details.user = readText(kFtpKey, QStringLiteral("uname"), &error);
    details.password = readText(kFtpKey, QStringLiteral("pw"), &error);
    return details;
}

bool saveFtpDetails(const FtpDetails &details, QString *error) {
    return writeTexts(kFtpKey,
                      {{QStringLiteral("sname"), details.server},
                       {QStringLiteral("uname"), details.user},
                       {QStringLiteral("pw"), details.password}},
                      error);
}

QString storedLanguage() {
    QString error;
    return readText(kLanguageKey, QStringLiteral("LocalizerExt"), &error);
}

bool storeLanguage(const QString &code, QString *error) {
    return writeTexts(kLanguageKey, {{QStringLiteral("LocalizerExt"), code}}, error);
}

} // namespace tidewell::shell
