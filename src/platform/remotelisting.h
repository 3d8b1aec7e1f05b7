#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace tidewell::platform {

// One entry of a remote directory listing.
struct RemoteEntry {
    enum class Kind { File, Directory, Link };
    QString name;
    Kind kind = Kind::File;
    qint64 size = -1; // -1 when the listing does not say
    QString linkTarget;

    bool operator==(const RemoteEntry &) const = default;
};

// Turns the text of a directory listing into entries. Each line is read in the form it has: the Unix
// "ls -l" form (FTP servers on Unix, and SFTP's long names), the Windows/DOS form
// ("02-14-24  10:15AM  <DIR>  htdocs"), or a bare name (NLST). "total" lines, "." and ".." are left out.
// Names are UTF-8; line ends may be CR LF or LF.
QList<RemoteEntry> parseRemoteListing(const QByteArray &text);

} // namespace tidewell::platform
