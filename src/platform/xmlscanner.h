#pragma once

#include <memory>
#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

class QFile;

namespace tidewell::platform {

// A pull scanner over an XML document (libxml2's push parser underneath, fed a chunk at a time). It
// delivers the parts of the document in order: the XML declaration, comments, processing instructions,
// the document type declaration, start, empty-element and end tags, text and CDATA sections.
//
// It never loads a DTD or an external entity and never touches the network. HTML's named character
// references ("&eacute;", "&nbsp;", the whole HTML 4 set, which RSS 0.91's DTD declares) become their
// characters without any DTD: before the parser sees the bytes, every such reference outside CDATA
// sections, comments, processing instructions and the document type declaration is rewritten as the
// numeric reference of its character (a name the document declares itself is left to the parser).
// In a document declared UTF-8, a byte that is not UTF-8 is read as its Windows-1252 character (and
// reported), so the text after it stays UTF-8.
// Internal entities are expanded within libxml2's amplification limits, so an entity that expands a
// billion times stops the scan with an error instead of filling memory. Every delivered text is UTF-8:
// a document is decoded from the encoding its declaration names, and a document without a declaration
// that is not valid UTF-8 is read as Windows-1252.
//
// A document that is not well-formed is scanned past its errors in one pass (see recover): only the
// broken spot is lost, and memory stays what a well-formed document of that size needs; errorString()
// tells what was wrong first.
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
        CData
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
    // Off, the text of an element comes as one part however the parser split it (a character reference,
    // a chunk boundary), with its line breaks.
    bool normalize = false;
    bool readAttributes = true;
    // A document that is not well-formed is read on past its errors in libxml2's recovery mode (an
    // undefined entity is dropped, an unclosed tag is closed); off, the scan ends at the first error.
    // With recover on, elements still open when the document ends get their end tags, so start and end
    // tags always pair.
    bool recover = false;

    // Moves to the next part; false at the end of the document or at the first error that stops it.
    bool next();
    const Part &part() const { return m_part; }

    bool hadError() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }

private:
    struct Reader;
    bool start();
    void fail(const QString &message);

    QByteArray m_bytes;
    std::unique_ptr<QFile> m_file; // the file read while scanning (m_bytes empty then)
    QByteArray m_head;             // its first bytes, for the declaration
    qint64 m_fed = 0;              // bytes handed to the parser so far
    std::unique_ptr<Reader> m_reader;
    Part m_part;
    QString m_error;
    bool m_started = false;
    bool m_pendingDeclaration = false;
    const char *m_encoding = nullptr;
    std::string m_declaration;
};

} // namespace tidewell::platform
