#include "platform/xmlscanner.h"

#include "platform/regularfile.h"
#include "platform/textcodec.h"

#include <algorithm>
#include <cctype>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/SAX2.h>
#include <mutex>
#include <QFile>

namespace tidewell::platform {

namespace {
constexpr int kParseOptions = XML_PARSE_NOENT | XML_PARSE_NONET | XML_PARSE_NOWARNING | XML_PARSE_NOERROR;
// The parser is fed this much of the document at a time: memory holds the parts of one chunk.
constexpr qint64 kChunkSize = 64 * 1024;
// Longest entity name the rewriting waits for across a chunk's end (HTML's longest has 8 characters).
constexpr size_t kMaxEntityName = 32;
// A document type declaration longer than this is passed on without looking for entity declarations,
// and the references after it are left to the parser.
constexpr size_t kMaxDocumentType = 1024 * 1024;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// No document may pull in anything from outside: every external entity or DTD resolves to nothing.
xmlParserInputPtr refuseExternalEntity(const char *, const char *, xmlParserCtxtPtr) {
    return nullptr;
}

// libxml2 reports some errors (encoding conversions) only through its generic handler, which writes to
// stderr; every error the scanner acts on also arrives through the structured handler.
void ignoreGenericError(void *, const char *, ...) {}

void installEntityGuard() {
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        xmlSetExternalEntityLoader(refuseExternalEntity);
        xmlSetGenericErrorFunc(nullptr, ignoreGenericError);
    });
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

// True when the declaration names UTF-8 as the encoding (in any letter case).
bool declaresUtf8(const std::string &declaration) {
    const size_t at = declaration.find("encoding");
    const size_t quote = declaration.find_first_of("\"'", at == std::string::npos ? declaration.size() : at);
    if (quote == std::string::npos) {
        return false;
    }
    const size_t end = declaration.find(declaration[quote], quote + 1);
    std::string name = declaration.substr(quote + 1, end == std::string::npos ? 0 : end - quote - 1);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char ch) { return char(std::tolower(ch)); });
    return name == "utf-8" || name == "utf8";
}

std::string_view viewOf(const xmlChar *text) {
    return text ? std::string_view(reinterpret_cast<const char *>(text)) : std::string_view();
}

// In a document declared UTF-8, a byte that does not belong to a UTF-8 character is read as the
// Windows-1252 character of that byte (as the program shows such text), chunk by chunk. libxml2 itself
// would read the whole rest of the document as ISO-8859-1 from the first such byte on, garbling every
// later non-ASCII character.
class Utf8Repair final {
public:
    void repair(std::string_view data, bool final, std::string &out) {
        m_pending.append(data);
        const std::string_view s(m_pending);
        size_t i = 0;
        while (i < s.size()) {
            const auto lead = static_cast<unsigned char>(s[i]);
            if (lead < 0x80) {
                size_t j = i + 1;
                while (j < s.size() && static_cast<unsigned char>(s[j]) < 0x80) {
                    ++j;
                }
                out.append(s.substr(i, j - i));
                i = j;
                continue;
            }
            const size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                                  : lead >= 0xE0 && lead <= 0xEF ? 3
                                  : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                                 : 1;
            if (length > 1 && i + length > s.size() && !final && continuesToEnd(s, i + 1)) {
                break; // the character goes on in the next chunk
            }
            if (length > 1 && i + length <= s.size() && isValidUtf8(s.substr(i, length))) {
                out.append(s.substr(i, length));
                i += length;
                continue;
            }
            out += decodeWindows1252(s.substr(i, 1)).toStdString();
            if (!m_badByte) {
                m_badByte = lead;
            }
            ++i;
        }
        m_pending.erase(0, i);
    }

    // The first byte that was not UTF-8, or 0.
    unsigned char badByte() const { return m_badByte; }

private:
    static bool continuesToEnd(std::string_view s, size_t from) {
        for (size_t k = from; k < s.size(); ++k) {
            if ((static_cast<unsigned char>(s[k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        return true;
    }

    std::string m_pending;
    unsigned char m_badByte = 0;
};

// Rewrites the named character references of HTML in a document's bytes as numeric references, chunk
// by chunk, so that the parser needs no DTD for them, and so that libxml2's recovery mode, which drops
// every entity reference after the first error (even "&amp;"), keeps them. CDATA sections, comments,
// processing instructions and the document type declaration pass unchanged; names the document
// declares as entities are left to the parser.
class ReferenceRewriter final {
public:
    // Appends the rewritten bytes of data to out. The bytes of a construct that data's end may cut (a
    // reference, a markup opening, a terminator) wait for the next call; with final, nothing waits.
    void rewrite(std::string_view data, bool final, std::string &out) {
        if (m_pending.empty()) {
            m_pending.assign(data);
        } else {
            m_pending.append(data);
        }
        const size_t kept = process(m_pending, final, out);
        m_pending.erase(0, m_pending.size() - kept);
    }

private:
    enum class State { Content, CData, Comment, Instruction, DocumentType, Verbatim };

    // Rewrites s into out; returns how many bytes at its end wait for more input.
    size_t process(std::string_view s, bool final, std::string &out) {
        size_t i = 0;
        while (i < s.size()) {
            switch (m_state) {
            case State::Content: {
                // A plain loop: find_first_of calls memchr for every byte.
                size_t j = i;
                while (j < s.size() && s[j] != '&' && s[j] != '<') {
                    ++j;
                }
                if (j == s.size()) {
                    out.append(s.substr(i));
                    return 0;
                }
                out.append(s.substr(i, j - i));
                i = j;
                const size_t held = s[i] == '&' ? reference(s, i, final, out) : markup(s, i, final, out);
                if (held) {
                    return held;
                }
                break;
            }
            case State::CData:
            case State::Comment:
            case State::Instruction: {
                const std::string_view end = m_state == State::CData     ? "]]>"
                                             : m_state == State::Comment ? "-->"
                                                                         : "?>";
                const size_t j = s.find(end, i);
                if (j != std::string_view::npos) {
                    out.append(s.substr(i, j + end.size() - i));
                    i = j + end.size();
                    m_state = State::Content;
                    break;
                }
                const size_t wait = final ? 0 : std::min(end.size() - 1, s.size() - i);
                out.append(s.substr(i, s.size() - i - wait));
                return wait;
            }
            case State::DocumentType: {
                const size_t end = documentTypeEnd(s, i);
                if (end == std::string_view::npos) {
                    if (!final && s.size() - i <= kMaxDocumentType) {
                        return s.size() - i;
                    }
                    m_state = State::Verbatim;
                    break;
                }
                noteDeclaredEntities(s.substr(i, end - i));
                out.append(s.substr(i, end - i));
                i = end;
                m_state = State::Content;
                break;
            }
            case State::Verbatim:
                out.append(s.substr(i));
                return 0;
            }
        }
        return 0;
    }

    // At an '&': writes a known named reference as a numeric one, anything else as it stands. Returns
    // how many bytes wait (a name cut by the chunk's end), else moves i past what it wrote.
    size_t reference(std::string_view s, size_t &i, bool final, std::string &out) {
        size_t k = i + 1;
        while (k < s.size() && k - i <= kMaxEntityName && isNameChar(s[k])) {
            ++k;
        }
        if (k == s.size() && !final && k - i <= kMaxEntityName) {
            return s.size() - i;
        }
        if (k < s.size() && s[k] == ';' && k > i + 1) {
            const std::string_view name = s.substr(i + 1, k - i - 1);
            const char32_t codePoint = isDeclared(name) ? 0 : htmlEntityCodePoint(name);
            if (codePoint) {
                out += "&#";
                out += std::to_string(uint32_t(codePoint));
                out += ';';
                i = k + 1;
                return 0;
            }
        }
        out += '&';
        ++i;
        return 0;
    }

    // At a '<': enters the state of a CDATA section, comment, processing instruction or document type
    // declaration. Returns how many bytes wait (an opening cut by the chunk's end).
    size_t markup(std::string_view s, size_t &i, bool final, std::string &out) {
        struct Opening {
            std::string_view text;
            State state;
        };
        static constexpr Opening kOpenings[] = {{"<![CDATA[", State::CData},
                                                {"<!--", State::Comment},
                                                {"<!DOCTYPE", State::DocumentType},
                                                {"<?", State::Instruction}};
        const std::string_view rest = s.substr(i);
        // Tags ("<a", "</a") are the usual case and open nothing.
        if (rest.size() >= 2 && rest[1] != '!' && rest[1] != '?') {
            out += '<';
            ++i;
            return 0;
        }
        for (const Opening &opening : kOpenings) {
            if (rest.starts_with(opening.text)) {
                m_state = opening.state;
                if (m_state != State::DocumentType) {
                    out.append(opening.text);
                    i += opening.text.size();
                }
                return 0;
            }
            if (!final && opening.text.starts_with(rest)) {
                return rest.size();
            }
        }
        out += '<';
        ++i;
        return 0;
    }

    // The end (just past its '>') of the document type declaration starting at from, or npos when s
    // does not hold all of it. Quoted texts, comments and the internal subset's brackets are skipped.
    static size_t documentTypeEnd(std::string_view s, size_t from) {
        char quote = 0;
        bool comment = false;
        int brackets = 0;
        for (size_t p = from + 2; p < s.size(); ++p) {
            const char c = s[p];
            if (quote) {
                quote = c == quote ? 0 : quote;
            } else if (comment) {
                if (s.substr(p).starts_with("-->")) {
                    comment = false;
                    p += 2;
                }
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (s.substr(p).starts_with("<!--")) {
                comment = true;
                p += 3;
            } else if (c == '[') {
                ++brackets;
            } else if (c == ']' && brackets > 0) {
                --brackets;
            } else if (c == '>' && brackets == 0) {
                return p + 1;
            }
        }
        return std::string_view::npos;
    }

    void noteDeclaredEntities(std::string_view declaration) {
        for (size_t at = declaration.find("<!ENTITY"); at != std::string_view::npos;
             at = declaration.find("<!ENTITY", at + 1)) {
            size_t p = at + 8;
            while (p < declaration.size() && isBlank(declaration[p])) {
                ++p;
            }
            size_t end = p;
            while (end < declaration.size() && !isBlank(declaration[end])) {
                ++end;
            }
            if (end > p && declaration[p] != '%') {
                m_declared.emplace_back(declaration.substr(p, end - p));
            }
        }
    }

    bool isDeclared(std::string_view name) const {
        return std::find(m_declared.begin(), m_declared.end(), name) != m_declared.end();
    }

    State m_state = State::Content;
    std::string m_pending;
    std::vector<std::string> m_declared;
};
} // namespace

// The push parser and the parts its callbacks make from the chunk fed last. The callbacks receive the
// parser context; its _private points here.
struct XmlScanner::Reader {
    XmlScanner &scanner;
    xmlParserCtxtPtr context = nullptr;
    ReferenceRewriter rewriter;
    std::unique_ptr<Utf8Repair> utf8; // for a document declared UTF-8
    std::string repaired;
    std::string chunk;     // raw bytes read
    std::string rewritten; // what the parser is fed
    std::vector<Part> queue;
    size_t head = 0;               // next part to hand out
    size_t count = 0;              // parts queued (queue holds spare parts beyond, whose buffers are reused)
    std::vector<std::string> open; // names of the open elements
    bool finished = false;

    explicit Reader(XmlScanner &owner) : scanner(owner) {}
    ~Reader() {
        if (context) {
            if (context->myDoc) {
                xmlFreeDoc(context->myDoc);
            }
            xmlFreeParserCtxt(context);
        }
    }
    Reader(const Reader &) = delete;
    Reader &operator=(const Reader &) = delete;

    static Reader &of(void *context) {
        return *static_cast<Reader *>(static_cast<xmlParserCtxtPtr>(context)->_private);
    }
    int depth() const { return int(open.size()); }

    Part &push(PartKind kind, int depth) {
        if (count == queue.size()) {
            queue.emplace_back();
        }
        Part &part = queue[count++];
        part.kind = kind;
        part.depth = depth;
        part.name.clear();
        part.content.clear();
        part.raw.clear();
        part.attributes.clear();
        return part;
    }
    Part *last() { return count > head ? &queue[count - 1] : nullptr; }

    // Text of one kind at the current depth joins the part before it when that is of the same kind.
    void text(PartKind kind, const xmlChar *characters, int length) {
        Part *previous = last();
        Part &part = previous && previous->kind == kind && previous->depth == depth() ? *previous
                                                                                      : push(kind, depth());
        part.content.append(reinterpret_cast<const char *>(characters), size_t(std::max(length, 0)));
    }

    static void qualifiedName(std::string &out, const xmlChar *prefix, const xmlChar *local) {
        out.clear();
        if (prefix) {
            out.append(viewOf(prefix));
            out += ':';
        }
        out.append(viewOf(local));
    }

    static void onStart(void *context, const xmlChar *local, const xmlChar *prefix, const xmlChar *,
                        int namespaceCount, const xmlChar **namespaces, int attributeCount, int defaulted,
                        const xmlChar **attributes) {
        Reader &self = of(context);
        Part &part = self.push(PartKind::StartTag, self.depth());
        qualifiedName(part.name, prefix, local);
        self.open.push_back(part.name);
        if (!self.scanner.readAttributes) {
            return;
        }
        for (int i = 0; i < namespaceCount; ++i) {
            Attribute &attribute = part.attributes.emplace_back();
            attribute.name = namespaces[2 * i] ? "xmlns:" + std::string(viewOf(namespaces[2 * i])) : "xmlns";
            attribute.value.assign(viewOf(namespaces[2 * i + 1]));
        }
        // Defaulted attributes come from a document type declaration, not from the element: left out.
        for (int i = 0; i < attributeCount - defaulted; ++i) {
            const xmlChar **a = attributes + 5 * i;
            Attribute &attribute = part.attributes.emplace_back();
            qualifiedName(attribute.name, a[1], a[0]);
            attribute.value.assign(reinterpret_cast<const char *>(a[3]),
                                   size_t(std::max<ptrdiff_t>(a[4] - a[3], 0)));
        }
    }

    // True when the parser has just read "/>": the element that ends is an empty-element tag.
    static bool atEmptyElementEnd(xmlParserCtxtPtr context) {
        const xmlParserInputPtr input = context->input;
        return input && input->cur && input->base && input->cur - input->base >= 2 && input->cur[-1] == '>' &&
               input->cur[-2] == '/';
    }

    static void onEnd(void *context, const xmlChar *, const xmlChar *, const xmlChar *) {
        Reader &self = of(context);
        if (!self.open.empty()) {
            Part *previous = self.last();
            if (previous && previous->kind == PartKind::StartTag && previous->depth == self.depth() - 1 &&
                atEmptyElementEnd(static_cast<xmlParserCtxtPtr>(context))) {
                previous->kind = PartKind::EmptyTag;
                self.open.pop_back();
                return;
            }
            self.closeElement();
        }
    }

    // No more parts from the parser. With recovery, elements left open by a broken document are closed,
    // so every start tag has its end tag.
    void finish(bool closeOpen) {
        while (closeOpen && !open.empty()) {
            closeElement();
        }
        finished = true;
    }

    // An end tag for the innermost open element.
    void closeElement() {
        Part &part = push(PartKind::EndTag, depth() - 1);
        part.name.swap(open.back());
        open.pop_back();
    }

    static void onCharacters(void *context, const xmlChar *characters, int length) {
        of(context).text(PartKind::Text, characters, length);
    }
    static void onCData(void *context, const xmlChar *characters, int length) {
        of(context).text(PartKind::CData, characters, length);
    }
    // Comments and processing instructions of the internal subset belong to the declaration, not to
    // the document's parts.
    static bool inSubset(void *context) { return static_cast<xmlParserCtxtPtr>(context)->inSubset != 0; }
    static void onComment(void *context, const xmlChar *text) {
        if (inSubset(context)) {
            return;
        }
        Reader &self = of(context);
        self.push(PartKind::Comment, self.depth()).content.assign(viewOf(text));
    }
    static void onInstruction(void *context, const xmlChar *target, const xmlChar *data) {
        if (inSubset(context)) {
            return;
        }
        Reader &self = of(context);
        Part &part = self.push(PartKind::ProcessingInstruction, self.depth());
        part.name.assign(viewOf(target));
        part.content.assign(viewOf(data));
    }
    static void onDocumentType(void *context, const xmlChar *name, const xmlChar *externalId,
                               const xmlChar *systemId) {
        // libxml2's own handler keeps the internal subset, whose entities the document may use.
        xmlSAX2InternalSubset(context, name, externalId, systemId);
        Reader &self = of(context);
        Part &part = self.push(PartKind::DocumentType, self.depth());
        part.name.assign(viewOf(name));
        part.raw = "<!DOCTYPE " + part.name + ">";
    }
    static void onError(void *context, xmlErrorPtr error) {
        if (context && error && error->level >= XML_ERR_ERROR) {
            const QString message = QString::fromUtf8(error->message ? error->message : "error").trimmed();
            of(context).scanner.fail(QStringLiteral("Line %1: %2").arg(error->line).arg(message));
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

void XmlScanner::loadBytes(const QByteArray &bytes) {
    m_reader.reset();
    m_file.reset();
    m_head.clear();
    m_fed = 0;
    m_bytes = bytes;
    m_error.clear();
    m_started = false;
    m_pendingDeclaration = false;
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

    // The declaration is no part the parser reports: deliver it first from the bytes themselves.
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

    xmlSAXHandler handler;
    xmlSAXVersion(&handler, 2);
    handler.startElementNs = &Reader::onStart;
    handler.endElementNs = &Reader::onEnd;
    handler.characters = &Reader::onCharacters;
    handler.ignorableWhitespace = &Reader::onCharacters;
    handler.cdataBlock = &Reader::onCData;
    handler.comment = &Reader::onComment;
    handler.processingInstruction = &Reader::onInstruction;
    handler.internalSubset = &Reader::onDocumentType;
    handler.reference = nullptr;
    handler.serror = &Reader::onError;

    m_reader = std::make_unique<Reader>(*this);
    if (declaresUtf8(m_declaration)) {
        m_reader->utf8 = std::make_unique<Utf8Repair>();
    }
    xmlParserCtxtPtr context = xmlCreatePushParserCtxt(&handler, nullptr, nullptr, 0, nullptr);
    if (!context || (m_encoding && xmlCtxtResetPush(context, nullptr, 0, nullptr, m_encoding) != 0)) {
        if (context) {
            xmlFreeParserCtxt(context);
        }
        m_reader.reset();
        fail(QStringLiteral("The document cannot be read"));
        return false;
    }
    m_reader->context = context;
    xmlCtxtUseOptions(context, kParseOptions | (recover ? XML_PARSE_RECOVER : 0));
    context->_private = m_reader.get();
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
    while (m_reader) {
        Reader &reader = *m_reader;
        // A text part may go on in the next chunk: the last part waits until another follows it or the
        // document has ended.
        const size_t queued = reader.count - reader.head;
        if (queued >= 2 || (queued == 1 && reader.finished)) {
            std::swap(m_part, reader.queue[reader.head]);
            if (++reader.head == reader.count) {
                reader.head = reader.count = 0;
            }
            if (m_part.kind == PartKind::Text && normalize) {
                normalizeInto(reader.chunk, m_part.content);
                m_part.content.swap(reader.chunk);
                if (m_part.content.empty()) {
                    continue;
                }
            }
            return true;
        }
        if (reader.finished) {
            m_reader.reset();
            return false;
        }
        // Feed the next chunk. The part still waiting moves to the front, so the queue holds the parts of
        // one chunk and reuses their buffers.
        for (size_t i = reader.head; i < reader.count; ++i) {
            std::swap(reader.queue[i - reader.head], reader.queue[i]);
        }
        reader.count -= reader.head;
        reader.head = 0;
        reader.chunk.clear();
        bool last = false;
        if (m_file) {
            reader.chunk.resize(size_t(kChunkSize));
            const qint64 got = m_file->read(reader.chunk.data(), kChunkSize);
            reader.chunk.resize(size_t(std::max<qint64>(got, 0)));
            last = got <= 0;
        } else {
            const qint64 size = std::min(kChunkSize, m_bytes.size() - m_fed);
            reader.chunk.assign(m_bytes.constData() + m_fed, size_t(size));
            last = m_fed + size >= m_bytes.size();
        }
        m_fed += qint64(reader.chunk.size());
        if (m_fed > kMaxDocumentSize) {
            // A file that grows while it is read is bounded like any other.
            fail(QStringLiteral("The document is larger than %1 MB and is not read")
                     .arg(kMaxDocumentSize / (1024 * 1024)));
            reader.finish(recover);
            continue;
        }
        reader.rewritten.clear();
        if (reader.utf8) {
            reader.repaired.clear();
            reader.utf8->repair(reader.chunk, last, reader.repaired);
            reader.chunk.swap(reader.repaired);
            if (reader.utf8->badByte()) {
                fail(QStringLiteral("The byte 0x%1 is not UTF-8; it was read as Windows-1252")
                         .arg(QString::number(reader.utf8->badByte(), 16).toUpper()));
            }
        }
        reader.rewriter.rewrite(reader.chunk, last, reader.rewritten);
        xmlParseChunk(reader.context, reader.rewritten.data(), int(reader.rewritten.size()), last ? 1 : 0);
        const bool stopped = reader.context->disableSAX != 0 || reader.context->instate == XML_PARSER_EOF;
        if (!reader.context->wellFormed) {
            fail(QStringLiteral("The document is not well-formed"));
        }
        if (last || stopped || (!recover && hadError())) {
            reader.finish(recover);
        }
    }
    return false;
}

} // namespace tidewell::platform
