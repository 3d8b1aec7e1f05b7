#include "platform/usersettings.h"

#include "platform/settingsstore.h"

namespace tidewell::platform {

namespace {
// Reads the string values in order; the first failure ends the reading there with error set.
bool readTexts(const SettingsKey &key,
               std::initializer_list<std::pair<const SettingValue<QString> *, QString *>> fields,
               QString *error) {
    for (const auto &[value, field] : fields) {
        const SettingsRead<QString> read = value->readFrom(key);
        if (!read.ok()) {
            *error = read.error;
            return false;
        }
        *field = read.value;
    }
    return true;
}

bool writeTexts(const QString &keyPath,
                std::initializer_list<std::pair<const SettingValue<QString> *, QString>> values,
                QString *error) {
    const std::optional<SettingsKey> key = SettingsStore().openKey(keyPath, true, error);
    if (!key) {
        return false;
    }
    for (const auto &[value, text] : values) {
        if (!value->writeTo(*key, text, error)) {
            return false;
        }
    }
    return true;
}

// A string value, empty when the key or value is absent; error set when it cannot be read.
QString readText(const SettingValue<QString> &value, QString *error) {
    const SettingsRead<QString> read = value.read();
    if (!read.ok() && error) {
        *error = read.error;
    }
    return read.ok() ? read.value : QString();
}
} // namespace

UserDetailsLoad loadUserDetails() {
    UserDetailsLoad load;
    const std::optional<SettingsKey> key =
        SettingsStore().openKey(settings::kSettingsKey, false, &load.error);
    if (!key) {
        return load;
    }
    if (!readTexts(*key,
                   {{&settings::name, &load.details.name},
                    {&settings::email, &load.details.email},
                    {&settings::site, &load.details.site}},
                   &load.error)) {
        return load;
    }
    // One guarded step: "loadarticle" is only looked at when "blogmode" could be read.
    const SettingsRead<qint32> blogmode = settings::blogmode.readFrom(*key);
    if (!blogmode.ok()) {
        return load;
    }
    load.details.blogmode = blogmode.value != 0;
    const SettingsRead<qint32> loadarticle = settings::loadarticle.readFrom(*key);
    if (loadarticle.ok()) {
        load.details.loadarticle = loadarticle.value != 0;
    }
    return load;
}

bool saveUserDetails(const UserDetails &details, QString *error) {
    if (!writeTexts(settings::kSettingsKey,
                    {{&settings::name, details.name},
                     {&settings::email, details.email},
                     {&settings::site, details.site}},
                    error)) {
        return false;
    }
    const SettingsKey key = *SettingsStore().openKey(settings::kSettingsKey, true, error);
    return settings::blogmode.writeTo(key, details.blogmode ? 1 : 0, error) &&
           settings::loadarticle.writeTo(key, details.loadarticle ? 1 : 0, error);
}

bool loadArticleSetting() {
    return settings::loadarticle.value() != 0;
}

QString userName() {
    QString error;
    const QString name = readText(settings::name, &error);
    return error.isEmpty() ? name : QStringLiteral("Undefined");
}

QString userSite() {
    return readText(settings::site, nullptr);
}

FtpDetailsLoad loadFtpDetails() {
    FtpDetailsLoad load;
    const std::optional<SettingsKey> key = SettingsStore().openKey(settings::kFtpKey, false, &load.error);
    if (key) {
        readTexts(*key,
                  {{&settings::ftpServer, &load.details.server},
                   {&settings::ftpUser, &load.details.user},
                   {&settings::ftpPassword, &load.details.password},
                   {&settings::ftpProtocol, &load.details.protocol}},
                  &load.error);
    }
    return load;
}

bool saveFtpDetails(const FtpDetails &details, QString *error) {
    return writeTexts(settings::kFtpKey,
                      {{&settings::ftpServer, details.server},
                       {&settings::ftpUser, details.user},
                       {&settings::ftpPassword, details.password},
                       {&settings::ftpProtocol, details.protocol}},
                      error);
}

QString storedLanguage() {
    return readText(settings::language, nullptr);
}

bool storeLanguage(const QString &code, QString *error) {
    return settings::language.write(code, error);
}

} // namespace tidewell::platform
