#include "feeds/opmlimport.h"

#include "feeds/feedfilename.h"
#include "feeds/linepieces.h"
#include "platform/fileerrors.h"
#include "platform/folders.h"
#include "platform/httpclient.h"
#include "platform/regularfile.h"
#include "platform/textcodec.h"

#include <QFile>
#include <QSaveFile>

namespace tidewell::feeds {

platform::Status OpmlImport::openList(QFile &file) {
    if (const platform::Status regular = platform::requireRegularFile(file.fileName()); !regular) {
        return regular;
    }
    if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return platform::Status::failure(tr("Cannot open file %1").arg(file.fileName()));
    }
    return {};
}

platform::Result<OpmlImport::Source> OpmlImport::readList(QIODevice &in, const QString &outputFolderText,
                                                          const QString &fileName) {
    Source source;
    source.copyPath = outputFolderText + fileName;
    QSaveFile copy(source.copyPath);
    bool written = !fileName.isEmpty() && copy.open(QIODevice::WriteOnly);
    LinePieces lines(in);
    std::string_view piece;
    bool lineEnds = false;
    QByteArray line; // the current line, kept until it is known whether it holds "<outline"
    while (written && lines.next(piece, lineEnds)) {
        written = copy.write(piece.data(), qint64(piece.size())) == qint64(piece.size());
        line.append(piece.data(), qsizetype(piece.size()));
        if (lineEnds) {
            written = written && copy.write("\r\n", 2) == 2;
            if (line.contains("<outline")) {
                source.outlineLines << QString::fromUtf8(line);
            }
            line.resize(0);
        }
    }
    if (!written || !copy.commit()) {
        return platform::Result<Source>::failure(platform::FileErrors::cannotCreate(copy));
    }
    return source;
}

QStringList OpmlImport::extractAddresses(const QStringList &lines) {
    QStringList addresses;
    for (const QString &line : lines) {
        if (!line.contains(QLatin1String("<outline"))) {
            continue;
        }
        const qsizetype p = line.indexOf(QLatin1String("xmlUrl=")) + 1; // from 1; 0 when absent
        QString address = line.mid(p + 7);
        const qsizetype quote = address.indexOf(QLatin1Char('"'));
        if (quote >= 0) {
            address.truncate(quote);
        }
        // The address as the attribute means it: "&amp;" and the other references decoded.
        addresses << QString::fromStdString(platform::decodeCharacterReferences(address.toStdString()));
    }
    return addresses;
}

QString OpmlImport::remoteFileName(const QString &address) {
    return feedFileName(address);
}

void OpmlImport::message(const QString &text) {
    if (onMessage) {
        onMessage(text);
    }
}

void OpmlImport::setRow(int row, const QString &status, const QString &handled, int mark, bool focused) {
    Row &r = m_rows[row];
    r.status = status;
    r.handled = handled;
    r.mark = mark;
    if (onRowChanged) {
        onRowChanged(row, focused);
    }
}

void OpmlImport::processurls(const QStringList &addresses, platform::HttpClient &client) {
    m_rows.clear();
    m_paths.clear();
    m_names = BatchFileNames();
    m_stopped = false;
    for (const QString &address : addresses) {
        m_rows.append({QStringLiteral("Queue"), address, QStringLiteral("No"), NoMark});
        m_paths << QString();
    }
    if (onRowsReset) {
        onRowsReset();
    }
    if (onProgressMaximum) {
        onProgressMaximum(addresses.isEmpty() ? 0 : int(addresses.size()) - 1);
    }
    client.reportLevel = 2;
    client.onSuccess = [this, &client] { http1Success(client.body()); };
    client.onFailure = [this](int) { message(tr("Error..")); };

    for (int i = 0; i < addresses.size() && !m_stopped; ++i) {
        m_current = i;
        m_currentAddress = addresses[i];
        setRow(i, QStringLiteral("Http"), QStringLiteral("No"), NoMark, true);
        platform::HttpClient::Outcome outcome = platform::HttpClient::Outcome::Other;
        try {
            outcome = client.fetch(m_currentAddress);
        } catch (const platform::HttpError &error) {
            message(error.message());
        }
        if (m_rows[i].status == QLatin1String("Http") &&
            outcome != platform::HttpClient::Outcome::Cancelled) {
            setRow(i, QStringLiteral("Error"), QStringLiteral("No"), FailedMark, false);
        }
        if (onProgress) {
            onProgress(i);
        }
    }
    client.onSuccess = nullptr;
    client.onFailure = nullptr;
    message(tr("Importing action done.."));
    if (onProgress) {
        onProgress(0);
    }
}

void OpmlImport::http1Success(const QByteArray &body) {
    const QString name = m_names.claim(feedFileName(m_currentAddress));
    message(tr("Saving file to disk.."));
    const QString path = platform::Folders::dataDirectory() + QLatin1Char('/') + name;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(withCrLfLines(body)) >= 0 && file.commit()) {
        m_paths[m_current] = path;
        setRow(m_current, QStringLiteral("Done"), QStringLiteral("Yes"), StoredMark, false);
    } else {
        setRow(m_current, QStringLiteral("Error"), QStringLiteral("No"), FailedMark, false);
    }
}

} // namespace tidewell::feeds
