#pragma once

#include "platform/result.h"

#include <QByteArray>
#include <QString>

namespace tidewell::platform {

// The SSH host keys the user accepted: the file known_hosts in the user folder, in OpenSSH's format, so
// the user can read and edit it with the usual tools. libcurl compares a server's key with it; this class
// names the keys for the user and adds an accepted one.
class KnownHosts final {
public:
    static QString defaultFile();
    // How known_hosts names a server: "host" on port 22, "[host]:port" on another port.
    static QString entryName(const QString &host, int port);
    // "SHA256:" and the unpadded base64 of the key blob's SHA-256, as OpenSSH shows it.
    static QString fingerprint(const QByteArray &keyBlob);
    // The key type written at the head of an SSH key blob ("ssh-ed25519"); empty when malformed.
    static QString keyType(const QByteArray &keyBlob);
    // Appends the key's line to file (written whole, private to the user).
    static Status add(const QString &file, const QString &host, int port, const QByteArray &keyBlob);
};

// TLS certificates the user chose to trust for one server although they could not be verified (a
// self-signed certificate): lines "host:port SHA-256" in the file trusted_certificates of the user folder.
class TrustedCertificates final {
public:
    static QString defaultFile();
    // Upper-case hexadecimal SHA-256 of the certificate's DER bytes, pairs separated by ':'.
    static QString fingerprint(const QByteArray &der);
    static bool contains(const QString &file, const QString &hostPort, const QString &fingerprint);
    static Status add(const QString &file, const QString &hostPort, const QString &fingerprint);
};

} // namespace tidewell::platform
