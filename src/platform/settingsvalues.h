#pragma once

#include "platform/settingvalue.h"

#include <QString>

// Every value the program keeps in the settings store, each declared once.
namespace tidewell::platform::settings {

inline const QString kSettingsKey = QStringLiteral("\\software\\hollicore\\tidewell");
inline const QString kFtpKey = QStringLiteral("\\software\\hollicore\\tidewell\\ftp");
inline const QString kRecentFilesKey = QStringLiteral("\\Software\\hollicore\\wrenfold\\MRU Items");
inline const QString kLanguageKey = QStringLiteral("\\software\\hollicore\\wrenfold\\language");

// Personal details and options (configuration dialog).
inline const SettingValue<QString> name{kSettingsKey, QStringLiteral("name")};
inline const SettingValue<QString> email{kSettingsKey, QStringLiteral("email")};
inline const SettingValue<QString> site{kSettingsKey, QStringLiteral("site")};
inline const SettingValue<qint32> blogmode{kSettingsKey, QStringLiteral("blogmode"), 0};
inline const SettingValue<qint32> loadarticle{kSettingsKey, QStringLiteral("loadarticle"), 0};

// The upload login; the password is kept as typed.
inline const SettingValue<QString> ftpServer{kFtpKey, QStringLiteral("sname")};
inline const SettingValue<QString> ftpUser{kFtpKey, QStringLiteral("uname")};
inline const SettingValue<QString> ftpPassword{kFtpKey, QStringLiteral("pw")};
// "ftp", "ftps" (FTP over TLS) or "sftp"; absent on a fresh installation, which means FTP.
inline const SettingValue<QString> ftpProtocol{kFtpKey, QStringLiteral("protocol")};

// The interface language: "EXE" for the built-in one, or a language file's code.
inline const SettingValue<QString> language{kLanguageKey, QStringLiteral("LocalizerExt")};

// The main window's place and size when it last closed; it starts at 50, 50 the first time.
inline const SettingValue<qint32> mainLeft{kSettingsKey, QStringLiteral("mainleft"), 50};
inline const SettingValue<qint32> mainTop{kSettingsKey, QStringLiteral("maintop"), 50};
inline const SettingValue<qint32> mainWidth{kSettingsKey, QStringLiteral("mainwidth"), 0};
inline const SettingValue<qint32> mainHeight{kSettingsKey, QStringLiteral("mainheight"), 0};
inline const SettingValue<qint32> mainMaximised{kSettingsKey, QStringLiteral("mainmaximised"), 0};

} // namespace tidewell::platform::settings
