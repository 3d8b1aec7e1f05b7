#pragma once

#include "platform/result.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace tidewell::platform {
class TransferClient;
}

namespace tidewell::transfer {

// The steps of the feed upload that are not widgets, shared by the "Upload feed" dialog and
// `tidewell-cli upload`.
class FeedUpload final {
    Q_DECLARE_TR_FUNCTIONS(FeedUpload)

public:
    // Stores localFile into the client's current directory under the file's own name and waits until the
    // transfer ends. The bytes go as they are (binary), so the feed arrives with its CR LF line ends. A
    // failure when the client is not logged in and ready, when localFile cannot be opened, or when the
    // server refuses the file or the transfer breaks off; the caller logs out either way.
    static platform::Status storeInCurrentDirectory(platform::TransferClient &client,
                                                    const QString &localFile);

    // A remote directory as the dialog shows it: '\' separators, no trailing '\', the root as "".
    static QString shownDirectory(const QString &remoteDirectory);
    // The folder names from the root down to a remote directory ('/' or '\' separators).
    static QStringList directoryNames(const QString &remoteDirectory);
};

} // namespace tidewell::transfer
