#include "feeds/opmlimport.h"

#include "feeds/feedfilename.h"
#include "feeds/indentedtext.h"
#include "platform/folders.h"
#include "platform/httpclient.h"
#include "platform/textcodec.h"

#include <QSaveFile>

namespace tidewell::feeds {

QStringList OpmlImport::textLines(const QByteArray &text) {
    QStringList lines;
    for (const std::string_view line : splitLines(std::string_view(text.constData(), size_t(text.size())))) {
        lines << QString::fromUtf8(line.data(), qsizetype(line.size()));
    }
    return lines;
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

QString OpmlImport::writeSourceCopy(const QStringList &lines, const QString &outputFolderText,
                                    const QString &fileName, QString *error) {
    const QString path = outputFolderText + fileName;
    QByteArray data;
    for (const QString &line : lines) {
        data += line.toUtf8() + "\r\n";
    }
    QSaveFile file(path);
    if (fileName.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(data) < 0 || !file.commit()) {
        if (error) {
            *error = QStringLiteral("Cannot create file %1").arg(path);
        }
        return {};
    }
    return path;
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
    client.onFailure = [this](int) { message(QStringLiteral("Error..")); };

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
    message(QStringLiteral("Importing action done.."));
    if (onProgress) {
        onProgress(0);
    }
}

void OpmlImport::http1Success(const QByteArray &body) {
    const QString name = m_names.claim(feedFileName(m_currentAddress));
    message(QStringLiteral("Saving file to disk.."));
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
