#include "feeds/rssimport.h"

#include "channel/documentfile.h"
#include "feeds/feedfilename.h"
#include "feeds/indentedtext.h"
#include "platform/folders.h"
#include "platform/statusline.h"
#include "platform/xmlscanner.h"

#include <QFileInfo>
#include <QSaveFile>

namespace tidewell::feeds {

using channel::ChannelTree;
using channel::equalsIgnoringCase;
using channel::TreeNode;
using platform::XmlScanner;

namespace {
// The host of the aggregator service whose addresses the import does not take.
constexpr auto kUnsupportedAggregator = "feedstack.example";

void statusmsg(const QString &text) {
    platform::StatusLine::current().statusmsg(text);
}

// The text of the scanned tree's node for a part (scratch holds it when it is made up).
std::string_view nodeText(const XmlScanner::Part &part, std::string &scratch) {
    switch (part.kind) {
    case XmlScanner::PartKind::XmlDeclaration:
        return "<?xml?>";
    case XmlScanner::PartKind::Comment:
        return "Comment";
    case XmlScanner::PartKind::ProcessingInstruction:
        scratch = part.name + ' ' + part.content;
        return scratch;
    case XmlScanner::PartKind::DocumentType:
        return "DTD";
    case XmlScanner::PartKind::StartTag:
    case XmlScanner::PartKind::EmptyTag:
        return part.name;
    default:
        return part.content;
    }
}

bool prunedAt(int depth, std::string_view text) {
    if (depth == 0) {
        return equalsIgnoringCase(text, "<?xml?>") || equalsIgnoringCase(text, "Comment") ||
               equalsIgnoringCase(text, "DTD");
    }
    if (depth == 2) {
        return equalsIgnoringCase(text, "generator") || equalsIgnoringCase(text, "lastBuildDate");
    }
    return false;
}

bool startsIndented(std::string_view line) {
    return !line.empty() && (line[0] == '\t' || line[0] == ' ');
}

// The line of the channel element, whose content is lifted.
bool isChannelLine(std::string_view line) {
    return equalsIgnoringCase(line, "\tchannel");
}

// A line lifted by two levels with the channel's content: up to two leading tabs go, never text (a line of
// a multi-line text that does not start with tabs keeps its characters).
std::string_view liftedLine(std::string_view line) {
    size_t n = 0;
    while (n < 2 && n < line.size() && line[n] == '\t') {
        ++n;
    }
    return line.substr(n);
}

// Scans the file and hands every node of the pruned document tree, in pre-order, to sink.node(depth, text);
// sink.restart() when the scanner starts over in recovery mode. A sink's node() or restart() returning
// false ends the scan early. False when no node is "rss" (only meaningful for a scan that ran to the end).
template <typename Sink> bool scanFeed(const QString &path, Sink &sink, QString *scanError) {
    XmlScanner scanner;
    scanner.normalize = true;
    scanner.recover = true;
    scanner.readAttributes = false; // attributes never reach the result
    bool sawRss = false;
    int skipDepth = -1; // depth of a pruned element whose subtree is being skipped
    std::string scratch;
    scanner.loadFile(path);
    while (scanner.next()) {
        const XmlScanner::Part &part = scanner.part();
        if (part.kind == XmlScanner::PartKind::Restart) {
            if (!sink.restart()) {
                break;
            }
            sawRss = false;
            skipDepth = -1;
            continue;
        }
        if (part.kind == XmlScanner::PartKind::EndTag) {
            if (part.depth == skipDepth) {
                skipDepth = -1;
            }
            if (part.depth == 0) {
                break; // the end of the root element ends the scan
            }
            continue;
        }
        const std::string_view text = nodeText(part, scratch);
        if (!sawRss && equalsIgnoringCase(text, "rss")) {
            sawRss = true;
        }
        if (skipDepth >= 0) {
            if (part.depth > skipDepth) {
                continue;
            }
            skipDepth = -1;
        }
        if (prunedAt(part.depth, text)) {
            if (part.kind == XmlScanner::PartKind::StartTag) {
                skipDepth = part.depth;
            }
            continue;
        }
        if (!sink.node(part.depth, text)) {
            break;
        }
    }
    *scanError = scanner.errorString();
    return sawRss;
}

// Collects the indented lines of the pruned tree, for reshape().
struct LinesSink {
    IndentedLines &lines;
    bool restart() {
        lines.clear();
        return true;
    }
    bool node(int depth, std::string_view text) {
        lines.append(depth, text);
        return true;
    }
};

void renameItems(ChannelTree &tree) {
    for (TreeNode *node = tree.first(); node; node = ChannelTree::next(node)) {
        if (node->text != "item" || node->childCount() == 0) {
            continue;
        }
        for (int i = 0; i < node->childCount(); ++i) {
            const TreeNode *child = node->child(i);
            if (child->text == "title") {
                // A title without text gives the label with an empty title, so the item still opens as one.
                node->text = "item - " + channel::sectionValue(child);
            }
        }
    }
}

// Writes the result document while the scan runs, holding neither the lines nor the whole tree: what
// reshape() and the renaming do, for the shape every feed with one channel element has. Each top-level
// node goes to the document as soon as the next one begins, so memory holds one item at a time.
// reshape() lifts the channel's content only after it has found the last channel line; this builder lifts
// every line from the start and takes the first channel line for that one. When the feed turns out to
// have no channel line or more than one, a line jumps a level, or the scanner starts over on a feed that
// is not well-formed, the result could differ from reshape()'s: the builder stops, finish() says so, and
// the caller takes the road through the whole lines (the document, never committed, is discarded).
class ChannelBuilder final {
public:
    explicit ChannelBuilder(channel::StreamedDocumentFile &document)
        : m_reader(m_tree), m_document(document) {}

    bool restart() {
        m_failed = true;
        return false;
    }
    bool node(int depth, std::string_view text) {
        forEachIndentedLine(depth, text, m_scratch, [this](std::string_view line) { add(line); });
        return !m_failed;
    }
    // True when the document holds what reshape() gives; then it only needs its commit.
    bool finish() {
        flushHead();
        if (m_failed || m_channelLines != 1) {
            return false;
        }
        writeCompleteNodes(0);
        return true;
    }

private:
    enum class Stage { First, Head, Body };

    void add(std::string_view line) {
        switch (m_stage) {
        case Stage::First: // the rss element's own line
            m_stage = Stage::Head;
            return;
        case Stage::Head:
            // Top-level lines ahead of the first indented one wait: an "rss" line among them drops them
            // all, as reshape() does for the lines of a style sheet instruction ahead of the rss element.
            if (!startsIndented(line)) {
                if (equalsIgnoringCase(line, "rss")) {
                    m_head.clear();
                    m_stage = Stage::Body;
                } else {
                    m_head.emplace_back(line);
                }
                return;
            }
            flushHead();
            break;
        case Stage::Body:
            break;
        }
        body(line);
    }
    void flushHead() {
        if (m_stage != Stage::Head) {
            return;
        }
        m_stage = Stage::Body;
        for (const std::string &line : m_head) {
            body(line);
        }
        m_head.clear();
    }
    void body(std::string_view line) {
        if (m_failed) {
            return;
        }
        if (isChannelLine(line) && ++m_channelLines == 1) {
            return;
        }
        m_failed = m_channelLines > 1 || !m_reader.add(liftedLine(line), nullptr);
        // A new top-level node completes the one before it.
        writeCompleteNodes(1);
    }
    // Renames and writes all top-level nodes but the last keep ones, and frees them (their memory serves
    // the next nodes).
    void writeCompleteNodes(int keep) {
        if (m_tree.topLevelCount() <= keep) {
            return;
        }
        renameItems(m_tree);
        while (m_tree.topLevelCount() > keep) {
            TreeNode *node = m_tree.firstTopLevel();
            m_document.append(*node);
            m_tree.remove(node);
        }
    }

    ChannelTree m_tree;
    IndentedTreeReader m_reader;
    channel::StreamedDocumentFile &m_document;
    Stage m_stage = Stage::First;
    std::vector<std::string> m_head;
    int m_channelLines = 0;
    bool m_failed = false;
    std::string m_scratch;
};

} // namespace

QString RssImport::outputPathFor(const QString &source) {
    QString path = source;
    path.remove(QLatin1Char(','));
    return platform::replaceExtension(path, QStringLiteral(".chf"));
}

bool RssImport::reshape(IndentedLines &lines, ChannelTree &result, QString *error) {
    // The rss element's own line.
    lines.remove(0);
    // Top-level nodes ahead of the rss element (a style sheet instruction) left its line behind them:
    // drop those lines together with it.
    for (size_t i = 0; i < lines.size() && !startsIndented(lines[i]); ++i) {
        if (equalsIgnoringCase(lines[i], "rss")) {
            lines.remove(0, i + 1);
            break;
        }
    }
    // Lift the channel's content by two levels.
    for (size_t i = lines.size(); i-- > 0;) {
        if (isChannelLine(lines[i])) {
            lines.remove(i);
            // Only indentation goes: a line of a multi-line text that does not start with tabs keeps its
            // characters.
            for (size_t k = 0; k < lines.size(); ++k) {
                lines.dropPrefix(k, lines[k].size() - liftedLine(lines[k]).size());
            }
            break;
        }
    }
    if (!readIndentedLines(lines, result, error)) {
        return false;
    }
    renameItems(result);
    return true;
}

RssImport::Result RssImport::importFile(const QString &path, Road road) {
    Result result;
    result.outputPath = outputPathFor(path);
    statusmsg(QStringLiteral("Parsing RSS file"));
    QString scanError;
    bool isRss = false;
    bool direct = false;
    channel::StreamedDocumentFile document(result.outputPath);
    if (road == Road::Direct && document.open()) {
        ChannelBuilder builder(document);
        isRss = scanFeed(path, builder, &scanError);
        direct = isRss && builder.finish();
    }
    IndentedLines lines;
    if (!direct) {
        // An unusual shape (no channel element, several, a level jump, a feed read again by the
        // scanner's recovery), or no document could be started: scan again for the whole lines.
        // The lines hold at most the document's text, one line for every few bytes of markup.
        const size_t size = size_t(std::max<qint64>(QFileInfo(path).size(), 0));
        lines.reserve(size + size / 8, size / 16);
        LinesSink sink{lines};
        isRss = scanFeed(path, sink, &scanError);
    }
    statusmsg(QStringLiteral("Parsing done, cleaning up"));
    if (!isRss) {
        result.outputPath.clear();
        result.error = QStringLiteral("This does not seem to be a valid RSS file");
        if (!scanError.isEmpty()) {
            result.warning = scanError;
        }
        return result;
    }
    if (!scanError.isEmpty()) {
        result.warning =
            QStringLiteral("The feed is not well-formed (%1); it was imported as far as it could "
                           "be read.")
                .arg(scanError);
    }

    statusmsg(QStringLiteral("Saving resulting file to disk..."));
    if (direct) {
        if (!document.commit()) {
            result.error = document.errorString();
            return result;
        }
    } else {
        ChannelTree tree;
        if (!reshape(lines, tree, &result.error)) {
            return result;
        }
        lines.clear();
        if (!channel::saveChannelDocument(tree, result.outputPath, &result.error)) {
            return result;
        }
    }
    result.ok = true;
    statusmsg(platform::fileNamePart(result.outputPath) +
              QStringLiteral(" retrieved and parsed succesfully"));
    return result;
}

QString RssImport::storeFetchedFeed(const QString &address, const QByteArray &body, QString *error) {
    const QString path = platform::Folders::dataDirectory() + QLatin1Char('/') + feedFileName(address);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(withCrLfLines(body)) < 0 || !file.commit()) {
        if (error) {
            *error = QStringLiteral("Cannot create file %1").arg(path);
        }
        return {};
    }
    return path;
}

QString RssImport::refusedAddressWarning(const QString &address) {
    if (address.isEmpty() || address.compare(QLatin1String("http://"), Qt::CaseInsensitive) == 0) {
        return QStringLiteral("Please fill in complete url of file to be retrieved");
    }
    return {};
}

QString RssImport::refusedAddressInformation(const QString &address) {
    if (address.contains(QLatin1String(kUnsupportedAggregator), Qt::CaseInsensitive)) {
        return QStringLiteral("Feeds of %1 are not supported at this time.")
            .arg(QLatin1String(kUnsupportedAggregator));
    }
    return {};
}

} // namespace tidewell::feeds
