#pragma once

#include "feeds/feedfilename.h"
#include "platform/result.h"

#include <functional>
#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class QFile;
class QIODevice;

namespace tidewell::platform {
class HttpClient;
}

namespace tidewell::feeds {

// The OPML import's logic, shared by Tfrm_importopml and `tidewell-cli opml`. The OPML text is read line
// by line, one outline per line, the feed address taken from the line's xmlUrl attribute by position.
class OpmlImport final {
    Q_DECLARE_TR_FUNCTIONS(OpmlImport)

public:
    enum Mark { NoMark = -1, StoredMark = 0, FailedMark = 1 };
    struct Row {
        QString status; // "Queue", "Http", "Done", "Error"
        QString address;
        QString handled; // "No", "Yes"
        int mark = NoMark;
    };

    // What reading an OPML list gives: the path of its source copy and its lines that hold "<outline".
    struct Source {
        QString copyPath;
        QStringList outlineLines;
    };

    // Opens a local OPML list for reading: refused, with the message to show, when the path is not a
    // regular file (a device or a FIFO would never end) or cannot be opened ("Cannot open file %1").
    static platform::Status openList(QFile &file);
    // Reads an OPML list line by line (LF, CR or CR LF), writing its source copy as it goes (the lines, CR LF
    // after each, to outputFolderText immediately followed by fileName) and keeping only the lines that hold
    // "<outline" (extractAddresses takes them), so a list of any length costs about one line of memory.
    // Fails with "Cannot create file %1" when the copy cannot be written.
    static platform::Result<Source> readList(QIODevice &in, const QString &outputFolderText,
                                             const QString &fileName);
    // Button1Click's extraction: the lines holding "<outline", each cut to its address: everything up to
    // and including the first "xmlUrl=" and the one character after it goes (the first seven characters
    // when there is none), then everything from the next double quote. The character references of what
    // is left are decoded ("&amp;" -> "&"), as an XML reader of the attribute would.
    static QStringList extractAddresses(const QStringList &lines);
    // The name of a remote OPML list's copy: the part of the address after its last '/' or ':', or, when
    // that is empty or unusable ("https://example.com/lists/"), a name made from host and path, as a
    // fetched feed's (feedFileName).
    static QString remoteFileName(const QString &address);

    // The batch (processurls): fetches every address with client, one after the other, and stores each
    // body in the data directory. A feed that fails in any way (error answer, unknown host, refused
    // connection, time-out, unwritable file) shows "Error" / "No" and the batch goes on.
    void processurls(const QStringList &addresses, platform::HttpClient &client);
    // Ends a batch in progress after the current fetch (the dialog closes).
    void stop() { m_stopped = true; }

    const QList<Row> &rows() const { return m_rows; }
    // The file each stored row was written to (empty for the others).
    const QStringList &storedPaths() const { return m_paths; }

    std::function<void()> onRowsReset; // rows() was filled anew ("Queue" rows)
    std::function<void(int row, bool focused)> onRowChanged;
    std::function<void(const QString &message)> onMessage; // the message panel
    std::function<void(int maximum)> onProgressMaximum;
    std::function<void(int position)> onProgress;

private:
    void message(const QString &text);
    void setRow(int row, const QString &status, const QString &handled, int mark, bool focused);
    void http1Success(const QByteArray &body);

    QList<Row> m_rows;
    QStringList m_paths;
    BatchFileNames m_names;
    int m_current = -1;
    QString m_currentAddress;
    bool m_stopped = false;
};

} // namespace tidewell::feeds
