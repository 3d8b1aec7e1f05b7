#pragma once

#include <QStringList>

class QTextStream;

namespace tidewell::app {

// The transfer commands of tidewell-cli:
//   upload FILE --server [ftp|ftps|sftp]://HOST[:PORT] --user U [--password-file F] [--dir D]
//          [--accept-new-host-key]
//   upload-blog --server ... --user U [--password-file F] --dir D [--accept-new-host-key] [FOLDER]
// print the upload's status lines; status 0 only when the file (every file of FOLDER) was stored.
// Returns true when command is this one, with the exit status in status.
bool runTransferCommand(const QString &command, const QStringList &args, QTextStream &out, QTextStream &err,
                        int &status);

// The usage lines of the transfer commands, for --help.
QString transferUsage();

} // namespace tidewell::app
