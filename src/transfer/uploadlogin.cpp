#include "transfer/uploadlogin.h"

namespace tidewell::transfer {

using platform::TransferProtocol;

QString UploadLogin::protocolName(TransferProtocol protocol) {
    switch (protocol) {
    case TransferProtocol::Ftps:
        return QStringLiteral("ftps");
    case TransferProtocol::Sftp:
        return QStringLiteral("sftp");
    case TransferProtocol::Ftp:
        break;
    }
    return QStringLiteral("ftp");
}

TransferProtocol UploadLogin::protocolFromName(const QString &name) {
    const QString lower = name.trimmed().toLower();
    if (lower == QLatin1String("ftps")) {
        return TransferProtocol::Ftps;
    }
    if (lower == QLatin1String("sftp")) {
        return TransferProtocol::Sftp;
    }
    return TransferProtocol::Ftp;
}

platform::Result<platform::TransferServer> UploadLogin::server(const platform::FtpDetails &details) {
    auto server = platform::TransferServer::parse(details.server, protocolFromName(details.protocol));
    if (!server) {
        return server;
    }
    server->user = details.user;
    server->password = details.password;
    return server;
}

} // namespace tidewell::transfer
