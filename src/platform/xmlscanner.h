#pragma once

#include <memory>
#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

struct _xmlError;
class QFile;

namespace tidewell::platform {

// A pull scanner over an XML document held in memory (libxml2's text reader underneath). It delivers
// the parts of the document in order: the XML declaration, comments, processing instructions, the
// document type declaration, start, empty-element and end tags, text and CDATA sections.
//
// It never loads a DTD or an external entity and never touches the network; internal entities are
// expanded within libxml2's amplification limits, so an entity that expands a billion times stops the
// scan with an error instead of filling memory. Every delivered text is UTF-8: a document is decoded
// from the encoding its declaration names, and a document without a declaration that is not valid UTF-8
// is read as Windows-1252.
//
// A document that is not well-formed is scanned as far as it can be read (see recover); errorString()
// tells what was wrong.
class XmlScanner final {
public:
    enum class PartKind {
        XmlDeclaration,
        Comment,
        ProcessingInstruction,
        DocumentType,
        StartTag,
        EmptyTag,
        EndTag,
        Text,
        CData,
        // Only with recover on: the document is not well-formed, and its parts are delivered once more
        // from the start as far as they can be read. Whatever was built from earlier parts is discarded.
        Restart
    };
    struct Attribute {
        std::string name;
        std::string value;
    };
    struct Part {
        PartKind kind = PartKind::Text;
        std::string name;    // element name as written (prefix included), or the PI target
        std::string content; // text, CDATA text, comment text or PI content
        std::string raw;     // declaration text of the XML declaration and the document type declaration
        std::vector<Attribute> attributes; // start and empty-element tags, when readAttributes is on
        int depth = 0;                     // 0 for top-level parts
    };

    // Files larger than this are refused (a 2 GB "feed" is not read into memory).
    static constexpr qint64 kMaxDocumentSize = qint64(256) * 1024 * 1024;

    XmlScanner();
    ~XmlScanner();
    XmlScanner(const XmlScanner &) = delete;
    XmlScanner &operator=(const XmlScanner &) = delete;

    // Loads a file by path (others may go on reading and writing it). A file that cannot be opened, or is
    // too large, gives an empty document; errorString() says why. A file whose declaration names its
    // encoding is read while it is scanned, so a large feed is never held in memory whole.
    bool loadFile(const QString &path);
    void loadBytes(const QByteArray &bytes);

    // Normalisation: text parts lose leading and trailing blanks, tabs, CR and LF, inner runs of them
    // become one blank, and a text part left empty is skipped. CDATA sections are delivered unchanged.
    bool normalize = false;
    bool readAttributes = true;
    // A document that is not well-formed is read again in libxml2's recovery mode (announced by a
    // Restart part); off, the scan simply ends at the first error.
    bool recover = false;

    // Moves to the next part; false at the end of the document or at the first error that stops it.
    bool next();
    const Part &part() const { return m_part; }

    bool hadError() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }

private:
    struct Reader;
    bool start();
    bool startRecovery();
    void fail(const QString &message);
    static void onError(void *self, ::_xmlError *error);

    static int readFile(void *self, char *buffer, int length);

    QByteArray m_bytes;
    std::unique_ptr<QFile> m_file; // the file read while scanning (m_bytes empty then)
    QByteArray m_head;             // its first bytes, for the declaration
    qint64 m_streamed = 0;
    std::unique_ptr<Reader> m_reader;
    Part m_part;
    QString m_error;
    bool m_started = false;
    bool m_pendingDeclaration = false;
    bool m_recovering = false;
    const char *m_encoding = nullptr;
    std::string m_declaration;
};

// The normalisation of text parts: trimmed of blanks, tabs, CR and LF, inner runs replaced by one blank.
std::string normalizeWhitespace(std::string_view text);

} // namespace tidewell::platform
