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

// Scans the file into the lines of the pruned document tree. False when no node is "rss".
bool scanFeed(const QString &path, IndentedLines &lines, QString *scanError) {
    XmlScanner scanner;
    scanner.normalize = true;
    scanner.recover = true;
    scanner.readAttributes = false; // attributes never reach the result
    if (scanner.loadFile(path)) {
        // The lines hold at most the document's text, one line for every few bytes of markup.
        const size_t size = size_t(QFileInfo(path).size());
        lines.reserve(size + size / 8, size / 16);
    }
    bool sawRss = false;
    int skipDepth = -1; // depth of a pruned element whose subtree is being skipped
    std::string scratch;
    while (scanner.next()) {
        const XmlScanner::Part &part = scanner.part();
        if (part.kind == XmlScanner::PartKind::Restart) {
            lines.clear();
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
        lines.append(part.depth, text);
    }
    *scanError = scanner.errorString();
    return sawRss;
}

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
        if (equalsIgnoringCase(lines[i], "\tchannel")) {
            lines.remove(i);
            // Only indentation goes: a line of a multi-line text that does not start with tabs keeps its
            // characters.
            for (size_t k = 0; k < lines.size(); ++k) {
                lines.trimStart(k, '\t', 2);
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

RssImport::Result RssImport::importFile(const QString &path) {
    Result result;
    statusmsg(QStringLiteral("Parsing RSS file"));
    IndentedLines lines;
    QString scanError;
    const bool isRss = scanFeed(path, lines, &scanError);
    statusmsg(QStringLiteral("Parsing done, cleaning up"));
    if (!isRss) {
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

    result.outputPath = outputPathFor(path);
    statusmsg(QStringLiteral("Saving resulting file to disk..."));
    ChannelTree tree;
    if (!reshape(lines, tree, &result.error)) {
        return result;
    }
    lines.clear();
    if (!channel::saveChannelDocument(tree, result.outputPath, &result.error)) {
        return result;
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
