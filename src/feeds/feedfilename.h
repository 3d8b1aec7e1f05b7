#pragma once

#include <QSet>
#include <QString>

namespace tidewell::feeds {

// The file name under which a fetched feed is stored in the data directory: the part of the address
// after its last '/' (or ':', or '\'). When that part is empty or not usable as a file name (the address
// ends in '/', holds a query, or the part holds characters a file name cannot hold), the name is made from
// the host and path instead: unsafe characters replaced by '_', ending in ".xml".
QString feedFileName(const QString &address);

// Names handed out within one batch, so that no two feeds overwrite each other: a name already given
// gets "-2", "-3" ... before its extension.
class BatchFileNames final {
public:
    QString claim(const QString &name);

private:
    QSet<QString> m_used;
};

// Text lines written as a document file does: every line ended by CR LF (a body's own LF, CR or CR LF
// ends a line).
QByteArray withCrLfLines(const QByteArray &body);

} // namespace tidewell::feeds
