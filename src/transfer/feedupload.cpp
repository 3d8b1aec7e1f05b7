#include "transfer/feedupload.h"

#include "platform/transferclient.h"

#include <QFileInfo>

namespace tidewell::transfer {

using platform::Status;
using platform::TransferClient;

Status FeedUpload::storeInCurrentDirectory(TransferClient &client, const QString &localFile) {
    if (client.state() != TransferClient::State::Ready) {
        return Status::failure(client.isBusy()
                                   ? tr("The server is still busy; upload again when it is ready.")
                                   : tr("Not connected to a server: connect first."));
    }
    const QString remote = TransferClient::remoteFilePath(client.currentDirectory(), localFile);
    if (!client.store(remote, localFile)) {
        return Status::failure(tr("Cannot open file %1").arg(QFileInfo(localFile).absoluteFilePath()));
    }
    return client.waitWhileBusy();
}

QStringList FeedUpload::directoryNames(const QString &remoteDirectory) {
    QString path = remoteDirectory;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

QString FeedUpload::shownDirectory(const QString &remoteDirectory) {
    const QStringList names = directoryNames(remoteDirectory);
    return names.isEmpty() ? QString() : QLatin1Char('\\') + names.join(QLatin1Char('\\'));
}

} // namespace tidewell::transfer
