#pragma once

#include "platform/result.h"
#include "platform/transferclient.h"
#include "platform/usersettings.h"

#include <QCoreApplication>
#include <QString>

namespace tidewell::transfer {

// The login of the upload windows as the settings store keeps it (platform::FtpDetails): the protocol's
// stored name, and the server the client logs in to.
class UploadLogin final {
    Q_DECLARE_TR_FUNCTIONS(UploadLogin)

public:
    // "ftp", "ftps", "sftp".
    static QString protocolName(platform::TransferProtocol protocol);
    // FTP for an empty or unknown name (a fresh installation has none).
    static platform::TransferProtocol protocolFromName(const QString &name);
    // The server of the details: the address may carry a port and a scheme ("sftp://host:2222"), which
    // then wins over the stored protocol. The error says what is wrong with the address.
    static platform::Result<platform::TransferServer> server(const platform::FtpDetails &details);
};

} // namespace tidewell::transfer
