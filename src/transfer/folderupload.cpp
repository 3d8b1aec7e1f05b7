#include "transfer/folderupload.h"

#include "platform/transferclient.h"
#include "platform/transferstatus.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace tidewell::transfer {

using platform::Result;
using platform::TransferClient;

Result<QStringList> FolderUpload::filesBelow(const QString &folder) {
    const QFileInfo info(folder);
    if (!info.isDir()) {
        return Result<QStringList>::failure(tr("The folder %1 does not exist.").arg(folder));
    }
    const QDir root(info.absoluteFilePath());
    QStringList files;
    // Without FollowSymlinks a linked folder is not entered, so the walk never loops.
    QDirIterator it(root.path(), QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo file = it.nextFileInfo();
        if (!file.isFile()) {
            continue;
        }
        if (files.size() >= kMaxFiles) {
            return Result<QStringList>::failure(
                tr("The folder %1 holds more than %2 files; nothing was uploaded.")
                    .arg(folder)
                    .arg(kMaxFiles));
        }
        files.append(root.relativeFilePath(file.absoluteFilePath()));
    }
    if (files.isEmpty()) {
        return Result<QStringList>::failure(tr("The folder %1 holds no files to upload.").arg(folder));
    }
    files.sort();
    return files;
}

QString FolderUpload::remoteFolder(const QString &folder, const QString &startDirectory) {
    QString path = folder.trimmed();
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!path.startsWith(QLatin1Char('/'))) {
        path = startDirectory + QLatin1Char('/') + path;
    }
    return QLatin1Char('/') + path.split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/'));
}

Result<int> FolderUpload::run(TransferClient &client, const platform::TransferServer &server,
                              const QString &localFolder, const QString &remoteFolder,
                              FolderUploadProgress &progress) {
    const Result<QStringList> files = filesBelow(localFolder);
    if (!files) {
        return Result<int>::failure(files.error());
    }
    progress.setMaximum(int(files->size()));
    progress.setPosition(0);
    client.login(server);
    if (const platform::Status loggedIn = client.waitWhileBusy(); !loggedIn) {
        client.logout();
        return Result<int>::failure(tr("Nothing was uploaded: %1").arg(loggedIn.error()));
    }
    const QString target = FolderUpload::remoteFolder(remoteFolder, client.currentDirectory());
    const Result<int> stored = uploadFiles(client, localFolder, *files, target, progress);
    client.logout();
    return stored;
}

Result<int> FolderUpload::uploadFiles(TransferClient &client, const QString &localFolder,
                                      const QStringList &files, const QString &remoteFolder,
                                      FolderUploadProgress &progress) {
    const QDir local(localFolder);
    const QString base =
        remoteFolder.endsWith(QLatin1Char('/')) ? remoteFolder : remoteFolder + QLatin1Char('/');
    // The bytes of each file as libcurl sends them; gone when the run ends.
    QObject context;
    QObject::connect(&client, &TransferClient::storeProgress, &context,
                     [&progress](qint64 sent, qint64 total) { progress.fileProgress(sent, total); });
    const int total = int(files.size());
    for (int i = 0; i < total; ++i) {
        const QString &file = files[i];
        const auto stopped = [&](const QString &reason) {
            return Result<int>::failure(
                tr("%1 of %2 files stored; %3 was not: %4").arg(i).arg(total).arg(file, reason));
        };
        if (progress.cancelled()) {
            return stopped(tr("the upload was cancelled."));
        }
        const QString path = local.filePath(file);
        progress.status(tr("Storing %1 (%2 of %3)").arg(file).arg(i + 1).arg(total));
        progress.fileStarted(file, QFileInfo(path).size());
        TransferClient::StoreOptions options;
        options.createFolders = true;
        if (!client.store(base + file, path, options)) {
            if (client.state() != TransferClient::State::Ready) {
                return stopped(progress.cancelled() ? tr("the upload was cancelled.")
                                                    : tr("the connection was closed."));
            }
            return stopped(tr("Cannot open file %1").arg(path));
        }
        if (const platform::Status stored = client.waitWhileBusy(); !stored) {
            return stopped(progress.cancelled() ? tr("the upload was cancelled.") : stored.error());
        }
        progress.setPosition(i + 1);
    }
    return total;
}

QString FolderUpload::outcomeText(const Result<int> &outcome, const QString &remoteFolder) {
    if (!outcome) {
        return platform::transferOutcomeText(false, outcome.error());
    }
    const QString where =
        remoteFolder.trimmed().isEmpty() ? tr("the server's starting folder") : remoteFolder;
    return *outcome == 1 ? tr("1 file stored in %1.").arg(where)
                         : tr("%1 files stored in %2.").arg(*outcome).arg(where);
}

} // namespace tidewell::transfer
