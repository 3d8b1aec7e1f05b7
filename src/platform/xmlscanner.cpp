#include "platform/xmlscanner.h"

#include "platform/regularfile.h"
#include "platform/textcodec.h"

#include <libxml/parser.h>
#include <libxml/xmlreader.h>
#include <mutex>
#include <QFile>

namespace tidewell::platform {

namespace {
constexpr int kParseOptions = XML_PARSE_NOENT | XML_PARSE_NONET | XML_PARSE_NOWARNING | XML_PARSE_NOERROR;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// No document may pull in anything from outside: every external entity or DTD resolves to nothing.
xmlParserInputPtr refuseExternalEntity(const char *, const char *, xmlParserCtxtPtr) {
    return nullptr;
}

// libxml2 reports some errors (encoding conversions) only through its generic handler, which writes to
// stderr; every error the scanner acts on also arrives through the structured handler below.
void ignoreGenericError(void *, const char *, ...) {}

void installEntityGuard() {
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        xmlSetExternalEntityLoader(refuseExternalEntity);
        xmlSetGenericErrorFunc(nullptr, ignoreGenericError);
    });
}

// Sets out to a libxml2 text, keeping out's buffer (no allocation per part).
void assign(std::string &out, const xmlChar *value) {
    if (value) {
        out.assign(reinterpret_cast<const char *>(value));
    } else {
        out.clear();
    }
}

void normalizeInto(std::string &out, std::string_view input) {
    out.clear();
    // Copies each run of other characters at once, with one blank between runs.
    size_t i = 0;
    for (;;) {
        while (i < input.size() && isBlank(input[i])) {
            ++i;
        }
        if (i == input.size()) {
            return;
        }
        size_t end = i;
        while (end < input.size() && !isBlank(input[end])) {
            ++end;
        }
        if (!out.empty()) {
            out += ' ';
        }
        out.append(input.substr(i, end - i));
        i = end;
    }
}
} // namespace

namespace {
// The XML declaration at the start of a document ("<?xml ...?>", after a byte order mark), or empty.
std::string declarationOf(QByteArrayView view) {
    if (view.startsWith("\xEF\xBB\xBF")) {
        view = view.sliced(3);
    }
    if (view.startsWith("<?xml") && view.size() > 5 && isBlank(view[5])) {
        const qsizetype end = view.indexOf("?>");
        if (end > 0) {
            return view.first(end + 2).toByteArray().toStdString();
        }
    }
    return {};
}

bool namesEncoding(const std::string &declaration) {
    return declaration.find("encoding") != std::string::npos;
}
} // namespace

std::string normalizeWhitespace(std::string_view input) {
    std::string out;
    out.reserve(input.size());
    normalizeInto(out, input);
    return out;
}

struct XmlScanner::Reader {
    xmlTextReaderPtr reader = nullptr;
    xmlDocPtr document = nullptr; // the recovered tree the second pass walks
    ~Reader() {
        if (reader) {
            xmlFreeTextReader(reader);
        }
        if (document) {
            xmlFreeDoc(document);
        }
    }
};

XmlScanner::XmlScanner() = default;
XmlScanner::~XmlScanner() = default;

bool XmlScanner::loadFile(const QString &path) {
    loadBytes({});
    if (const Status regular = requireRegularFile(path); !regular) {
        m_error = regular.error();
        return false;
    }
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("Cannot open file %1").arg(path);
        return false;
    }
    if (file->size() > kMaxDocumentSize) {
        m_error = QStringLiteral("The file %1 is larger than %2 MB and is not read")
                      .arg(path)
                      .arg(kMaxDocumentSize / (1024 * 1024));
        return false;
    }
    // With the encoding named, the scan reads the file as it goes; without, the encoding is decided from
    // all the bytes, so they are read at once.
    QByteArray head = file->read(4096);
    if (namesEncoding(declarationOf(head)) && file->seek(0)) {
        m_head = std::move(head);
        m_file = std::move(file);
        return true;
    }
    m_bytes = head + file->readAll();
    return true;
}

int XmlScanner::readFile(void *self, char *buffer, int length) {
    auto *scanner = static_cast<XmlScanner *>(self);
    const qint64 got = scanner->m_file->read(buffer, length);
    scanner->m_streamed += std::max<qint64>(got, 0);
    // A file that grows while it is read is bounded like any other.
    return scanner->m_streamed > kMaxDocumentSize ? -1 : int(got);
}

void XmlScanner::loadBytes(const QByteArray &bytes) {
    m_reader.reset();
    m_file.reset();
    m_head.clear();
    m_streamed = 0;
    m_bytes = bytes;
    m_error.clear();
    m_started = false;
    m_pendingDeclaration = false;
    m_recovering = false;
    m_encoding = nullptr;
    m_declaration.clear();
    m_part = Part();
}

void XmlScanner::fail(const QString &message) {
    if (m_error.isEmpty()) {
        m_error = message;
    }
}

bool XmlScanner::start() {
    m_started = true;
    if (!m_file && m_bytes.isEmpty()) {
        fail(QStringLiteral("The document is empty"));
        return false;
    }
    installEntityGuard();

    // The declaration is no node of libxml2's reader: deliver it first from the bytes themselves.
    const QByteArrayView view(m_file ? m_head : m_bytes);
    const QByteArrayView unmarked = view.startsWith("\xEF\xBB\xBF") ? view.sliced(3) : view;
    const bool utf16 = unmarked.startsWith("\xFF\xFE") || unmarked.startsWith("\xFE\xFF");
    m_declaration = declarationOf(view);
    m_pendingDeclaration = !m_declaration.empty();
    m_encoding = nullptr;
    if (!m_file && !namesEncoding(m_declaration) && !utf16 &&
        !isValidUtf8(std::string_view(m_bytes.constData(), size_t(m_bytes.size())))) {
        m_encoding = "windows-1252";
    }

    m_reader = std::make_unique<Reader>();
    m_reader->reader =
        m_file ? xmlReaderForIO(&XmlScanner::readFile, nullptr, this, nullptr, nullptr, kParseOptions)
               : xmlReaderForMemory(m_bytes.constData(), int(m_bytes.size()), nullptr, m_encoding,
                                    kParseOptions);
    if (!m_reader->reader) {
        fail(QStringLiteral("The document cannot be read"));
        return false;
    }
    xmlTextReaderSetStructuredErrorHandler(m_reader->reader, &XmlScanner::onError, this);
    return true;
}

void XmlScanner::onError(void *self, xmlErrorPtr error) {
    if (error && error->level >= XML_ERR_ERROR) {
        const QString message = QString::fromUtf8(error->message ? error->message : "error").trimmed();
        static_cast<XmlScanner *>(self)->fail(QStringLiteral("Line %1: %2").arg(error->line).arg(message));
    }
}

bool XmlScanner::startRecovery() {
    // The streaming pass stopped at an error. Read the whole document again in libxml2's recovery mode,
    // which keeps what can be read (an undefined entity is dropped, an unclosed tag is closed), and walk
    // the tree it builds.
    m_recovering = true;
    m_reader = std::make_unique<Reader>();
    if (m_file) {
        // The recovery pass needs the whole document.
        if (!m_file->seek(0)) {
            return false;
        }
        // Asking for the file's size, not for the limit: a read of the limit reserves that much memory.
        m_bytes = m_file->read(std::min(m_file->size(), kMaxDocumentSize));
        m_file.reset();
    }
    m_reader->document = xmlReadMemory(m_bytes.constData(), int(m_bytes.size()), nullptr, m_encoding,
                                       kParseOptions | XML_PARSE_RECOVER);
    if (m_reader->document) {
        m_reader->reader = xmlReaderWalker(m_reader->document);
    }
    if (!m_reader->reader) {
        m_reader.reset();
        return false;
    }
    m_part = Part();
    m_part.kind = PartKind::Restart;
    m_pendingDeclaration = !m_declaration.empty();
    return true;
}

bool XmlScanner::next() {
    if (!m_started && !start()) {
        return false;
    }
    if (m_pendingDeclaration) {
        m_pendingDeclaration = false;
        m_part = Part();
        m_part.kind = PartKind::XmlDeclaration;
        m_part.raw = m_declaration;
        return true;
    }
    if (!m_reader || !m_reader->reader) {
        return false;
    }
    xmlTextReaderPtr reader = m_reader->reader;
    for (;;) {
        const int step = xmlTextReaderRead(reader);
        if (step != 1) {
            if (step < 0 || (m_error.size() && !m_recovering)) {
                fail(QStringLiteral("The document is not well-formed"));
                if (recover && !m_recovering && startRecovery()) {
                    return true;
                }
            }
            m_reader.reset();
            return false;
        }
        m_part.name.clear();
        m_part.content.clear();
        m_part.raw.clear();
        m_part.attributes.clear();
        m_part.depth = xmlTextReaderDepth(reader);
        switch (xmlTextReaderNodeType(reader)) {
        case XML_READER_TYPE_ELEMENT:
            m_part.kind = xmlTextReaderIsEmptyElement(reader) ? PartKind::EmptyTag : PartKind::StartTag;
            assign(m_part.name, xmlTextReaderConstName(reader));
            if (readAttributes && xmlTextReaderHasAttributes(reader) == 1) {
                while (xmlTextReaderMoveToNextAttribute(reader) == 1) {
                    XmlScanner::Attribute &attribute = m_part.attributes.emplace_back();
                    assign(attribute.name, xmlTextReaderConstName(reader));
                    assign(attribute.value, xmlTextReaderConstValue(reader));
                }
                xmlTextReaderMoveToElement(reader);
            }
            return true;
        case XML_READER_TYPE_END_ELEMENT:
            m_part.kind = PartKind::EndTag;
            assign(m_part.name, xmlTextReaderConstName(reader));
            return true;
        case XML_READER_TYPE_TEXT:
        case XML_READER_TYPE_WHITESPACE:
        case XML_READER_TYPE_SIGNIFICANT_WHITESPACE:
            m_part.kind = PartKind::Text;
            if (normalize) {
                const xmlChar *value = xmlTextReaderConstValue(reader);
                normalizeInto(m_part.content, value ? reinterpret_cast<const char *>(value) : "");
                if (m_part.content.empty()) {
                    continue;
                }
            } else {
                assign(m_part.content, xmlTextReaderConstValue(reader));
            }
            return true;
        case XML_READER_TYPE_CDATA:
            m_part.kind = PartKind::CData;
            assign(m_part.content, xmlTextReaderConstValue(reader));
            return true;
        case XML_READER_TYPE_COMMENT:
            m_part.kind = PartKind::Comment;
            assign(m_part.content, xmlTextReaderConstValue(reader));
            return true;
        case XML_READER_TYPE_PROCESSING_INSTRUCTION:
            m_part.kind = PartKind::ProcessingInstruction;
            assign(m_part.name, xmlTextReaderConstName(reader));
            assign(m_part.content, xmlTextReaderConstValue(reader));
            return true;
        case XML_READER_TYPE_DOCUMENT_TYPE:
            m_part.kind = PartKind::DocumentType;
            assign(m_part.name, xmlTextReaderConstName(reader));
            m_part.raw = "<!DOCTYPE " + m_part.name + ">";
            return true;
        default:
            continue; // entity references (none with substitution on), notations ...
        }
    }
}

} // namespace tidewell::platform
