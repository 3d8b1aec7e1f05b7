#pragma once

#include "platform/settingsvalues.h"

#include <QString>

// The groups of settings values that windows and commands read and write together.
namespace tidewell::platform {

// The personal details and options edited in the configuration dialog.
struct UserDetails {
    QString name;
    QString email;
    QString site;
    bool blogmode = false;
    bool loadarticle = false;
};

// The dialog's load: what could be read, and the store's error when a string value failed to read (the
// fields after it stay empty, both options off). Failures of the two options are not reported: a missing
// "blogmode" leaves "loadarticle" off too, since both are read in one step.
struct UserDetailsLoad {
    UserDetails details;
    QString error;
};
UserDetailsLoad loadUserDetails();
// Writes all five values, creating the key when absent. False with the store's error on failure.
bool saveUserDetails(const UserDetails &details, QString *error);

// Self-contained readers for the windows that use one value each.
// Channel window: "loadarticle"; any failure gives false.
bool loadArticleSetting();
// Blog tool window: "name"; absent gives empty, a read error gives "Undefined".
QString userName();
// Blog publisher: "site"; absent or a read error gives empty.
QString userSite();

// Upload windows: server, user, password and protocol ("sname", "uname", "pw", "protocol"), absent values
// empty. The password is kept as typed.
struct FtpDetails {
    QString server;
    QString user;
    QString password;
    QString protocol;
};
// What could be read, and the store's error when a value failed to read (it and the values after it stay
// empty).
struct FtpDetailsLoad {
    FtpDetails details;
    QString error;
};
FtpDetailsLoad loadFtpDetails();
bool saveFtpDetails(const FtpDetails &details, QString *error);

// The stored interface language ("LocalizerExt"): empty when none is stored.
QString storedLanguage();
bool storeLanguage(const QString &code, QString *error);

} // namespace tidewell::platform
