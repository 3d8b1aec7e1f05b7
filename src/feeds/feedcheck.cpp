#include "feeds/feedcheck.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <libxml/parser.h>
#include <libxml/xmlreader.h>
#include <mutex>
#include <QDate>
#include <QHash>
#include <QIODevice>
#include <QUrl>
#include <vector>

namespace tidewell::feeds {

namespace {

// A value longer than this is kept only in part: no link, date or guid is that long, and the check's
// memory stays bounded.
constexpr qsizetype kMaxValue = 8 * 1024;

xmlParserInputPtr refuseExternalEntity(const char *, const char *, xmlParserCtxtPtr) {
    return nullptr;
}

void ignoreGenericError(void *, const char *, ...) {}

void refuseExternalEntities() {
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        xmlSetExternalEntityLoader(refuseExternalEntity);
        xmlSetGenericErrorFunc(nullptr, ignoreGenericError);
    });
}

// --- RFC 822 dates --------------------------------------------------------------------------------------

class DateTokens {
public:
    explicit DateTokens(std::string_view text) : m_text(text) {}
    void skipBlanks() {
        while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t')) {
            ++m_pos;
        }
    }
    bool atEnd() const { return m_pos == m_text.size(); }
    bool take(char c) {
        if (m_pos < m_text.size() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }
    // A run of digits of length [min, max]; -1 when there is none.
    int number(size_t min, size_t max) {
        size_t end = m_pos;
        int value = 0;
        while (end < m_text.size() && end - m_pos < max &&
               std::isdigit(static_cast<unsigned char>(m_text[end]))) {
            value = value * 10 + (m_text[end] - '0');
            ++end;
        }
        const size_t length = end - m_pos;
        if (length < min || (end < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[end])))) {
            return -1;
        }
        m_pos = end;
        return value;
    }
    std::string word() {
        std::string out;
        while (m_pos < m_text.size() && std::isalpha(static_cast<unsigned char>(m_text[m_pos]))) {
            out += char(std::tolower(static_cast<unsigned char>(m_text[m_pos])));
            ++m_pos;
        }
        return out;
    }

private:
    std::string_view m_text;
    size_t m_pos = 0;
};

template <size_t N> int indexOf(const std::array<const char *, N> &names, const std::string &word) {
    for (size_t i = 0; i < N; ++i) {
        if (word == names[i]) {
            return int(i);
        }
    }
    return -1;
}

bool isZone(const std::string &zone) {
    static const std::array<const char *, 10> names{"ut",  "gmt", "est", "edt", "cst",
                                                    "cdt", "mst", "mdt", "pst", "pdt"};
    // A military zone is one letter other than J.
    return indexOf(names, zone) >= 0 || (zone.size() == 1 && zone != "j");
}

// --- the input ------------------------------------------------------------------------------------------

// The feed as libxml2 reads it. Line ends become LF as XML itself reads them (CR LF and a lone CR are
// one line end), so libxml2's line numbers are the file's lines. A run of blanks (space, TAB, LF) longer
// than kKeptBlanks bytes is cut to that length, plus one LF when the part cut away held line ends:
// libxml2's reader holds everything it reads until the next node appears, so 50 MB of line breaks before
// the root would stay in memory, while a shorter run of blanks means the same to the check.
// originalLine() maps the lines libxml2 reports back to the lines of the file. Documents in UTF-16 or
// UTF-32 pass unchanged.
class BlankRunInput {
public:
    explicit BlankRunInput(QIODevice &device) : m_device(device), m_block(64 * 1024, Qt::Uninitialized) {}

    // Up to length bytes into buffer; 0 at the end, -1 on a read error.
    int read(char *buffer, int length);
    int originalLine(int line) const;

private:
    static constexpr qint64 kKeptBlanks = 4096;
    static bool isBlank(int c) { return c == ' ' || c == '\t' || c == '\n'; }
    // The next byte with line ends made LF; -1 at the end.
    int next();
    void emit(char c, char *buffer, int &out) {
        buffer[out++] = c;
        m_line += c == '\n' ? 1 : 0;
    }
    void emitCutBreak(char *buffer, int &out) {
        m_cutBreaks = false;
        emit('\n', buffer, out);
        m_gaps.push_back({m_line, m_originalLine - m_line});
    }

    QIODevice &m_device;
    QByteArray m_block;
    qsizetype m_pos = 0;
    qsizetype m_length = 0;
    bool m_started = false;
    bool m_wide = false;
    bool m_failed = false;
    bool m_heldCR = false;
    int m_again = -1;         // a byte to take once more
    qint64 m_run = 0;         // blanks in the current run
    bool m_cutBreaks = false; // the part of the run cut away held line ends
    int m_line = 1;           // line of the output
    int m_originalLine = 1;   // line of the input
    struct Gap {
        int line;   // first output line after a cut
        int offset; // original line - output line from there on
    };
    std::vector<Gap> m_gaps;
};

int BlankRunInput::next() {
    for (;;) {
        if (m_pos == m_length) {
            const qint64 got = m_failed ? -1 : m_device.read(m_block.data(), m_block.size());
            if (got <= 0) {
                m_failed = got < 0;
                if (m_heldCR) {
                    m_heldCR = false;
                    return '\n';
                }
                return -1;
            }
            m_pos = 0;
            m_length = qsizetype(got);
            if (!m_started) {
                m_started = true;
                const QByteArrayView head(m_block.constData(), std::min<qsizetype>(m_length, 2));
                m_wide = head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF") ||
                         head.startsWith('\0') || (head.size() == 2 && head[1] == '\0');
            }
        }
        const char c = m_block[m_pos++];
        if (m_wide) {
            return static_cast<unsigned char>(c);
        }
        if (m_heldCR) {
            m_heldCR = false;
            if (c != '\n') {
                --m_pos; // a lone CR: its line end first, this byte after it
            }
            return '\n';
        }
        if (c == '\r') {
            m_heldCR = true;
            continue;
        }
        return static_cast<unsigned char>(c);
    }
}

int BlankRunInput::read(char *buffer, int length) {
    int out = 0;
    while (out < length) {
        int c = m_again;
        m_again = -1;
        if (c < 0) {
            c = next();
            if (c < 0) {
                break;
            }
            m_originalLine += c == '\n' && !m_wide ? 1 : 0;
        }
        if (m_wide) {
            buffer[out++] = char(c);
            continue;
        }
        if (!isBlank(c)) {
            if (m_cutBreaks) {
                // End of a cut run: one LF stands for its line ends, then this byte.
                emitCutBreak(buffer, out);
                m_again = c;
                continue;
            }
            m_run = 0;
            emit(char(c), buffer, out);
        } else if (++m_run <= kKeptBlanks) {
            emit(char(c), buffer, out);
        } else if (c == '\n') {
            m_cutBreaks = true;
        }
    }
    if (out == 0 && m_cutBreaks) {
        emitCutBreak(buffer, out); // the input ends in a cut run
    }
    return out > 0 ? out : (m_failed ? -1 : 0);
}

int BlankRunInput::originalLine(int line) const {
    const auto after = std::upper_bound(m_gaps.cbegin(), m_gaps.cend(), line,
                                        [](int l, const Gap &gap) { return l < gap.line; });
    return after == m_gaps.cbegin() ? line : line + std::prev(after)->offset;
}

// --- the reader -----------------------------------------------------------------------------------------

QString text(const xmlChar *value) {
    return value ? QString::fromUtf8(reinterpret_cast<const char *>(value)) : QString();
}

QString shortened(const QString &value) {
    constexpr qsizetype shown = 80;
    return value.size() > shown ? value.left(shown) + QStringLiteral("...") : value;
}

// An element open on the reader's path, with what its checks need.
struct Open {
    QString name; // local name of an element without namespace; empty for any other
    int line = 0;
    QString value; // its text, for the elements whose value is checked
    bool capture = false;
    bool permaLink = true; // a guid's isPermaLink
    bool title = false;    // channel and item: children seen
    bool link = false;
    bool description = false;
    bool channel = false; // rss: holds a channel
};

class Checker {
    Q_DECLARE_TR_FUNCTIONS(FeedCheck)

public:
    explicit Checker(QIODevice &device) : m_input(device) {}

    QList<FeedCheckRow> run();

private:
    static int readDevice(void *self, char *buffer, int length);
    static void onError(void *self, xmlErrorPtr error);

    void add(int line, const QString &message) { m_rows.append({std::max(line, 1), message}); }
    void startElement(xmlTextReaderPtr reader);
    void endElement();
    QString pathOf(size_t depth) const; // the local names from the root down to depth, "/"-separated
    void checkValue(const Open &element, const QString &path);

    BlankRunInput m_input;
    QList<FeedCheckRow> m_rows;
    std::vector<Open> m_open;
    QHash<QString, int> m_guids; // guid -> line of its first use
    bool m_rss = false;          // the root is rss: the RSS checks apply
    bool m_fatal = false;
};

int Checker::readDevice(void *self, char *buffer, int length) {
    return static_cast<Checker *>(self)->m_input.read(buffer, length);
}

void Checker::onError(void *self, xmlErrorPtr error) {
    if (!error || error->level < XML_ERR_ERROR) {
        return;
    }
    auto *checker = static_cast<Checker *>(self);
    if (checker->m_fatal) {
        return; // after the first fatal error the reader only repeats itself
    }
    const QString message = text(reinterpret_cast<const xmlChar *>(error->message)).trimmed();
    if (error->domain == XML_FROM_NAMESPACE && error->code == XML_NS_ERR_UNDEFINED_NAMESPACE && error->str1) {
        const QString prefix = QString::fromUtf8(error->str1);
        checker->add(checker->m_input.originalLine(error->line),
                     tr("The prefix \"%1\" is not declared. Declare it on the rss element with "
                        "the namespace of its extension: xmlns:%1=\"...\".")
                         .arg(prefix));
    } else if (error->level == XML_ERR_FATAL) {
        checker->m_fatal = true;
        checker->add(checker->m_input.originalLine(error->line),
                     tr("The feed is not well-formed XML (%1). Correct the markup here; the "
                        "check cannot read past this point.")
                         .arg(message));
    } else {
        checker->add(checker->m_input.originalLine(error->line),
                     tr("XML error: %1. Correct the markup here.").arg(message));
    }
}

QString Checker::pathOf(size_t depth) const {
    QString path;
    for (size_t i = 0; i < depth && i < m_open.size(); ++i) {
        if (i > 0) {
            path += QLatin1Char('/');
        }
        path += m_open[i].name.isEmpty() ? QStringLiteral("*") : m_open[i].name;
    }
    return path;
}

void Checker::startElement(xmlTextReaderPtr reader) {
    Open element;
    // The reader parses ahead of the node it hands out: the node's own line is the line of its tag.
    element.line = m_input.originalLine(int(xmlGetLineNo(xmlTextReaderCurrentNode(reader))));
    const bool plain = xmlTextReaderConstNamespaceUri(reader) == nullptr;
    if (plain) {
        element.name = text(xmlTextReaderConstLocalName(reader));
    }
    const QString parentPath = pathOf(m_open.size());
    const QString path = parentPath.isEmpty() ? element.name : parentPath + QLatin1Char('/') + element.name;

    if (m_open.empty()) {
        m_rss = element.name == QLatin1String("rss");
        if (!m_rss) {
            add(element.line, tr("The root element is <%1>, not <rss>. An RSS 2.0 feed is one rss element "
                                 "(<rss version=\"2.0\">) holding a channel.")
                                  .arg(text(xmlTextReaderConstName(reader))));
        }
    }
    if (m_rss && plain && !m_open.empty()) {
        Open &parent = m_open.back();
        if (path == QLatin1String("rss/channel")) {
            parent.channel = true;
        } else if (parentPath == QLatin1String("rss/channel") ||
                   parentPath == QLatin1String("rss/channel/item")) {
            parent.title = parent.title || element.name == QLatin1String("title");
            parent.link = parent.link || element.name == QLatin1String("link");
            parent.description = parent.description || element.name == QLatin1String("description");
        }
        static const QStringList captured{
            QStringLiteral("rss/channel/link"),          QStringLiteral("rss/channel/image/link"),
            QStringLiteral("rss/channel/image/url"),     QStringLiteral("rss/channel/textInput/link"),
            QStringLiteral("rss/channel/item/link"),     QStringLiteral("rss/channel/item/comments"),
            QStringLiteral("rss/channel/item/guid"),     QStringLiteral("rss/channel/pubDate"),
            QStringLiteral("rss/channel/lastBuildDate"), QStringLiteral("rss/channel/item/pubDate")};
        element.capture = captured.contains(path);
        if (path == QLatin1String("rss/channel/item/guid")) {
            xmlChar *value = xmlTextReaderGetAttribute(reader, BAD_CAST "isPermaLink");
            const QString permaLink = text(value);
            xmlFree(value);
            element.permaLink = permaLink.trimmed().compare(QLatin1String("false"), Qt::CaseInsensitive) != 0;
        }
        if (path == QLatin1String("rss/channel/item/enclosure")) {
            QStringList missing;
            for (const char *attribute : {"url", "length", "type"}) {
                xmlChar *value = xmlTextReaderGetAttribute(reader, BAD_CAST attribute);
                const QString found = text(value).trimmed();
                xmlFree(value);
                if (found.isEmpty()) {
                    missing << QLatin1String(attribute);
                } else if (qstrcmp(attribute, "url") == 0 && !isAbsoluteWebAddress(found)) {
                    add(element.line,
                        tr("The enclosure's url \"%1\" is not an absolute web address. Give the "
                           "full http:// or https:// address of the file.")
                            .arg(shortened(found)));
                }
            }
            if (!missing.isEmpty()) {
                add(element.line, tr("The enclosure lacks %1. An enclosure needs url (the file's address), "
                                     "length (its size in bytes) and type (its MIME type).")
                                      .arg(missing.join(QLatin1String(", "))));
            }
        }
        if (path == QLatin1String("rss/channel/item/source")) {
            xmlChar *value = xmlTextReaderGetAttribute(reader, BAD_CAST "url");
            const QString url = text(value).trimmed();
            xmlFree(value);
            if (!isAbsoluteWebAddress(url)) {
                add(element.line, tr("The source's url \"%1\" is not an absolute web address. Give the full "
                                     "http:// or https:// address of the source feed.")
                                      .arg(shortened(url)));
            }
        }
    }
    m_open.push_back(std::move(element));
    if (xmlTextReaderIsEmptyElement(reader)) {
        endElement();
    }
}

void Checker::checkValue(const Open &element, const QString &path) {
    const QString value = element.value.trimmed();
    if (element.name == QLatin1String("pubDate") || element.name == QLatin1String("lastBuildDate")) {
        if (!isRfc822Date(value.toStdString())) {
            add(element.line, tr("The date \"%1\" in <%2> is not an RFC 822 date. Write it as day, date, "
                                 "month, year, time and zone: \"Tue, 09 Dec 2003 14:05:09 GMT\".")
                                  .arg(shortened(value), element.name));
        }
        return;
    }
    if (element.name == QLatin1String("guid")) {
        if (value.isEmpty()) {
            add(element.line, tr("The guid is empty. Give the item a text that no other item uses."));
            return;
        }
        const auto seen = m_guids.constFind(value);
        if (seen != m_guids.constEnd()) {
            add(element.line, tr("The guid \"%1\" was already used on line %2. Give every item its own guid.")
                                  .arg(shortened(value))
                                  .arg(*seen));
        } else {
            m_guids.insert(value, element.line);
        }
        if (element.permaLink && !isAbsoluteWebAddress(value)) {
            add(element.line, tr("The guid \"%1\" counts as a permanent link (isPermaLink is absent or "
                                 "\"true\") but is not a web address. Add isPermaLink=\"false\", or make it "
                                 "the item's full http:// or https:// address.")
                                  .arg(shortened(value)));
        }
        return;
    }
    if (!isAbsoluteWebAddress(value)) {
        add(element.line, tr("The address \"%1\" in <%2> is not an absolute web address. Write the full "
                             "address, starting with http:// or https://.")
                              .arg(shortened(value), path.section(QLatin1Char('/'), -2)));
    }
}

void Checker::endElement() {
    if (m_open.empty()) {
        return;
    }
    const QString path = pathOf(m_open.size());
    const Open element = std::move(m_open.back());
    m_open.pop_back();
    if (!m_rss) {
        return;
    }
    if (element.capture) {
        checkValue(element, path);
    } else if (path == QLatin1String("rss")) {
        if (!element.channel) {
            add(element.line, tr("The rss element holds no <channel>. Put the feed's title, link, "
                                 "description and items into one channel element."));
        }
    } else if (path == QLatin1String("rss/channel")) {
        QStringList missing;
        if (!element.title) {
            missing << QStringLiteral("<title>");
        }
        if (!element.link) {
            missing << QStringLiteral("<link>");
        }
        if (!element.description) {
            missing << QStringLiteral("<description>");
        }
        if (!missing.isEmpty()) {
            add(element.line,
                tr("The channel lacks %1. A channel needs a title, a link to its web site and a "
                   "description.")
                    .arg(missing.join(QLatin1String(", "))));
        }
    } else if (path == QLatin1String("rss/channel/item") && !element.title && !element.description) {
        add(element.line,
            tr("The item has neither a <title> nor a <description>. Add at least one of them."));
    }
}

QList<FeedCheckRow> Checker::run() {
    refuseExternalEntities();
    xmlTextReaderPtr reader =
        xmlReaderForIO(&Checker::readDevice, nullptr, this, nullptr, nullptr,
                       XML_PARSE_NONET | XML_PARSE_NOWARNING | XML_PARSE_NOERROR | XML_PARSE_BIG_LINES);
    if (!reader) {
        add(1, tr("The feed cannot be read."));
        return m_rows;
    }
    xmlTextReaderSetStructuredErrorHandler(reader, &Checker::onError, this);
    int status = 0;
    while ((status = xmlTextReaderRead(reader)) == 1) {
        switch (xmlTextReaderNodeType(reader)) {
        case XML_READER_TYPE_ELEMENT:
            startElement(reader);
            break;
        case XML_READER_TYPE_END_ELEMENT:
            endElement();
            break;
        case XML_READER_TYPE_TEXT:
        case XML_READER_TYPE_CDATA:
        case XML_READER_TYPE_WHITESPACE:
        case XML_READER_TYPE_SIGNIFICANT_WHITESPACE:
            if (!m_open.empty() && m_open.back().capture && m_open.back().value.size() < kMaxValue) {
                m_open.back().value += text(xmlTextReaderConstValue(reader)).left(kMaxValue);
            }
            break;
        default:
            break;
        }
    }
    if (status < 0 && !m_fatal) {
        add(m_input.originalLine(xmlTextReaderGetParserLineNumber(reader)),
            tr("The feed is not well-formed XML. Correct the markup here; the check cannot read past this "
               "point."));
    }
    xmlFreeTextReader(reader);
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [](const FeedCheckRow &a, const FeedCheckRow &b) { return a.line < b.line; });
    return m_rows;
}

} // namespace

QList<FeedCheckRow> FeedCheck::run(QIODevice &device) {
    return Checker(device).run();
}

bool isRfc822Date(std::string_view value) {
    static const std::array<const char *, 7> days{"mon", "tue", "wed", "thu", "fri", "sat", "sun"};
    static const std::array<const char *, 12> months{"jan", "feb", "mar", "apr", "may", "jun",
                                                     "jul", "aug", "sep", "oct", "nov", "dec"};
    DateTokens in(value);
    in.skipBlanks();
    DateTokens probe = in;
    if (!probe.word().empty()) {
        if (indexOf(days, in.word()) < 0) {
            return false;
        }
        in.skipBlanks();
        if (!in.take(',')) {
            return false;
        }
        in.skipBlanks();
    }
    const int day = in.number(1, 2);
    in.skipBlanks();
    const int month = indexOf(months, in.word()) + 1;
    in.skipBlanks();
    DateTokens year4 = in;
    int year = year4.number(4, 4);
    if (year >= 0) {
        in = year4;
    } else {
        year = in.number(2, 2);
        year += year < 0 ? 0 : (year < 50 ? 2000 : 1900);
    }
    in.skipBlanks();
    const int hour = in.number(2, 2);
    const int minute = in.take(':') ? in.number(2, 2) : -1;
    int second = 0;
    if (in.take(':')) {
        second = in.number(2, 2);
    }
    in.skipBlanks();
    bool zone = false;
    if (in.take('+') || in.take('-')) {
        const int offset = in.number(4, 4);
        zone = offset >= 0 && offset % 100 < 60;
    } else {
        zone = isZone(in.word());
    }
    in.skipBlanks();
    return day > 0 && month > 0 && year >= 0 && QDate(year, month, day).isValid() && hour >= 0 && hour < 24 &&
           minute >= 0 && minute < 60 && second >= 0 && second <= 60 && zone && in.atEnd();
}

bool isAbsoluteWebAddress(const QString &text) {
    if (text.isEmpty() || std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isSpace(); })) {
        return false;
    }
    const QUrl url(text);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

} // namespace tidewell::feeds
