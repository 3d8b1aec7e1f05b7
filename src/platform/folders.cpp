#include "platform/folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tidewell::platform {

namespace {
QString &programFolderOverride() {
    static QString path;
    return path;
}

QString ensured(const QString &path) {
    QDir().mkpath(path);
    return path;
}

QString homeOverride() {
    return qEnvironmentVariable("TIDEWELL_HOME");
}
} // namespace

QString Folders::programFolder() {
    if (!programFolderOverride().isEmpty()) {
        return programFolderOverride();
    }
    const QString exeDir = QCoreApplication::applicationDirPath();
    if (QFileInfo::exists(exeDir + QStringLiteral("/items.dat"))) {
        return exeDir;
    }
    return QDir::cleanPath(exeDir + QStringLiteral("/../share/tidewell"));
}

QString Folders::userFolder() {
    const QString home = homeOverride();
    if (!home.isEmpty()) {
        return ensured(home);
    }
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty()) {
        base = QDir::homePath() + QStringLiteral("/.local/share");
    }
    return ensured(base + QStringLiteral("/tidewell"));
}

QString Folders::dataDirectory() {
    return ensured(userFolder() + QStringLiteral("/data"));
}

QString Folders::settingsFile() {
    const QString home = homeOverride();
    if (!home.isEmpty()) {
        return ensured(home) + QStringLiteral("/settings.conf");
    }
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty()) {
        base = QDir::homePath() + QStringLiteral("/.config");
    }
    return ensured(base + QStringLiteral("/tidewell")) + QStringLiteral("/settings.conf");
}

QString Folders::userOrProgramFile(const QString &relativePath) {
    const QString user = userFolder() + QLatin1Char('/') + relativePath;
    if (QFileInfo::exists(user)) {
        return user;
    }
    return programFile(relativePath);
}

QString Folders::programFile(const QString &relativePath) {
    return programFolder() + QLatin1Char('/') + relativePath;
}

void Folders::setProgramFolderOverride(const QString &path) {
    programFolderOverride() = path;
}

QString fileNamePart(const QString &path) {
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}

QString fileExtension(const QString &path) {
    const QString name = fileNamePart(path);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot);
}

QString replaceExtension(const QString &path, const QString &newExtension) {
    const QString ext = fileExtension(path);
    return path.left(path.size() - ext.size()) + newExtension;
}

} // namespace tidewell::platform
