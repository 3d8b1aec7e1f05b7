#include "platform/knownhosts.h"

#include "platform/fileerrors.h"
#include "platform/folders.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

namespace tidewell::platform {

namespace {
// Small files of one line per server; a larger one is not ours.
constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

QByteArray readSmallFile(const QString &file) {
    QFile in(file);
    if (in.size() > kMaxFileSize || !in.open(QIODevice::ReadOnly)) {
        return {};
    }
    return in.read(kMaxFileSize);
}

Status appendLine(const QString &file, const QByteArray &line) {
    QByteArray text = readSmallFile(file);
    if (!text.isEmpty() && !text.endsWith('\n')) {
        text += '\n';
    }
    text += line + '\n';
    QDir().mkpath(QFileInfo(file).absolutePath());
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size()) {
        return Status::failure(FileErrors::cannotCreate(out));
    }
    out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (!out.commit()) {
        return Status::failure(FileErrors::cannotCreate(out));
    }
    return {};
}
} // namespace

QString KnownHosts::defaultFile() {
    return Folders::userFolder() + QStringLiteral("/known_hosts");
}

QString KnownHosts::entryName(const QString &host, int port) {
    if (port == 0 || port == 22) {
        return host;
    }
    return QStringLiteral("[%1]:%2").arg(host).arg(port);
}

QString KnownHosts::fingerprint(const QByteArray &keyBlob) {
    const QByteArray digest = QCryptographicHash::hash(keyBlob, QCryptographicHash::Sha256);
    return QStringLiteral("SHA256:") +
           QString::fromLatin1(digest.toBase64(QByteArray::Base64Encoding | QByteArray::OmitTrailingEquals));
}

QString KnownHosts::keyType(const QByteArray &keyBlob) {
    if (keyBlob.size() < 4) {
        return {};
    }
    const quint32 length = qFromBigEndian<quint32>(keyBlob.constData());
    if (length == 0 || length > 64 || length > quint32(keyBlob.size() - 4)) {
        return {};
    }
    const QByteArray type = keyBlob.mid(4, length);
    for (const char c : type) {
        if (c <= ' ' || c > '~') {
            return {};
        }
    }
    return QString::fromLatin1(type);
}

Status KnownHosts::add(const QString &file, const QString &host, int port, const QByteArray &keyBlob) {
    const QString type = keyType(keyBlob);
    if (type.isEmpty()) {
        return Status::failure(QStringLiteral("The server's host key is malformed."));
    }
    return appendLine(file,
                      entryName(host, port).toUtf8() + ' ' + type.toLatin1() + ' ' + keyBlob.toBase64());
}

QString TrustedCertificates::defaultFile() {
    return Folders::userFolder() + QStringLiteral("/trusted_certificates");
}

QString TrustedCertificates::fingerprint(const QByteArray &der) {
    return QString::fromLatin1(
        QCryptographicHash::hash(der, QCryptographicHash::Sha256).toHex(':').toUpper());
}

bool TrustedCertificates::contains(const QString &file, const QString &hostPort, const QString &fingerprint) {
    const QByteArray wanted = hostPort.toUtf8() + ' ' + fingerprint.toLatin1();
    const QList<QByteArray> lines = readSmallFile(file).split('\n');
    for (const QByteArray &line : lines) {
        if (line.trimmed() == wanted) {
            return true;
        }
    }
    return false;
}

Status TrustedCertificates::add(const QString &file, const QString &hostPort, const QString &fingerprint) {
    return appendLine(file, hostPort.toUtf8() + ' ' + fingerprint.toLatin1());
}

} // namespace tidewell::platform
