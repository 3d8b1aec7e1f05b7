#pragma once

#include "platform/progress.h"
#include "platform/result.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace tidewell::platform {
class TransferClient;
struct TransferServer;
} // namespace tidewell::platform

namespace tidewell::transfer {

// What a folder upload reports as it goes: through Progress the whole run (maximum: the number of files;
// position: the files stored; a status text as each file starts), and here the file being sent.
class FolderUploadProgress : public platform::Progress {
public:
    virtual void fileStarted(const QString &relativePath, qint64 size) {
        (void)relativePath;
        (void)size;
    }
    virtual void fileProgress(qint64 sent, qint64 total) {
        (void)sent;
        (void)total;
    }
};

// The blog upload: every file below a local folder (the published blog) goes to the same place below a
// remote folder, missing remote folders created on the way. Files go one after another and the run stops
// at the first that is not stored, naming it; it never reports success for a file the server does not
// have. The "Upload blog" window and `tidewell-cli upload-blog` both run it. To cancel, log the client out
// (the file in progress ends at once) and answer cancelled() with true.
class FolderUpload final {
    Q_DECLARE_TR_FUNCTIONS(FolderUpload)

public:
    // More files than this is not a published blog; the upload refuses rather than run for hours.
    static constexpr int kMaxFiles = 100000;

    // The regular files below folder (hidden ones too, no devices or sockets), as paths relative to it
    // with '/' separators, in sorted order. A failure when folder is not a folder or holds no file.
    static platform::Result<QStringList> filesBelow(const QString &folder);

    // The absolute remote folder ('/' separators; the root is "/") that folder names: an absolute path
    // as it stands, a relative one below startDirectory (where the server put the user at login), an
    // empty one startDirectory itself. '\' counts as '/'.
    static QString remoteFolder(const QString &folder, const QString &startDirectory);

    // Logs in to server, uploads every file below localFolder into remoteFolder and logs out. The number
    // of files stored, all of them; else the reason the run stopped, naming the file.
    static platform::Result<int> run(platform::TransferClient &client, const platform::TransferServer &server,
                                     const QString &localFolder, const QString &remoteFolder,
                                     FolderUploadProgress &progress);

    // The last line of a run: how many files were stored where, or "Error : " and what failed.
    static QString outcomeText(const platform::Result<int> &outcome, const QString &remoteFolder);

private:
    static platform::Result<int> uploadFiles(platform::TransferClient &client, const QString &localFolder,
                                             const QStringList &files, const QString &remoteFolder,
                                             FolderUploadProgress &progress);
};

} // namespace tidewell::transfer
