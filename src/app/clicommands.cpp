#include "app/clicommands.h"

#include "app/cli_blog.h"
#include "app/cli_export.h"
#include "app/cli_feeds.h"
#include "app/cli_publish.h"
#include "app/cli_transfer.h"
#include "channel/channelopen.h"
#include "channel/newchannel.h"
#include "channel/rsswriter.h"
#include "platform/clock.h"
#include "platform/folders.h"
#include "platform/textcodec.h"

#include <algorithm>
#include <QTextStream>
#include <vector>

namespace tidewell::app {

namespace {

using channel::ChannelTree;

// Lines deeper than this are indented this far and name their level, so that the output of a very deep
// document grows with its node count, not with the square of its depth.
constexpr int kMaxDumpIndent = 32;

// One line per node: one TAB per level, the node kind in brackets, the text as the tree view shows it.
// Line breaks and TABs inside a text are shown as \n, \r and \t so the indentation stays readable.
void dumpTree(const ChannelTree &tree, QTextStream &out) {
    // Pre-order with the level carried along: asking each node for its level walks up to the top level.
    struct Step {
        const channel::TreeNode *node;
        int level;
    };
    std::vector<Step> stack;
    for (int row = tree.topLevelCount() - 1; row >= 0; --row) {
        stack.push_back({tree.topLevel(row), 0});
    }
    const QString tabs(kMaxDumpIndent, QLatin1Char('\t'));
    while (!stack.empty()) {
        const auto [node, level] = stack.back();
        stack.pop_back();
        QString text = platform::displayText(node->text);
        text.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
            .replace(QLatin1Char('\n'), QLatin1String("\\n"))
            .replace(QLatin1Char('\r'), QLatin1String("\\r"))
            .replace(QLatin1Char('\t'), QLatin1String("\\t"));
        out << QStringView(tabs).left(std::min(level, kMaxDumpIndent));
        if (level > kMaxDumpIndent) {
            out << "(level " << level << ") ";
        }
        out << '[' << node->kind << "] " << text << '\n';
        for (int row = node->childCount() - 1; row >= 0; --row) {
            stack.push_back({node->child(row), level + 1});
        }
    }
}

int usageError(QTextStream &err, const QString &message) {
    err << "tidewell-cli: " << message << "\n"
        << "Try 'tidewell-cli --help'.\n";
    return CliUsage;
}

int failed(QTextStream &err, const QString &message) {
    err << "tidewell-cli: " << message << '\n';
    return CliFailed;
}

int exportTree(const ChannelTree &tree, const QString &fileName, QTextStream &out, QTextStream &err) {
    QString error;
    if (!channel::export_rssfile(tree, fileName, platform::Progress::silent(), &error)) {
        return failed(err, error);
    }
    for (const char *extension : {".rss", ".xml", ".chf"}) {
        out << "Wrote " << platform::replaceExtension(fileName, QString::fromLatin1(extension)) << '\n';
    }
    return CliOk;
}

} // namespace

QString cliUsage() {
    return QStringLiteral(
               "Usage: tidewell-cli COMMAND [ARGUMENTS]\n"
               "\n"
               "Commands:\n"
               "  new FILE               write a new channel (title \"New title\", the default sections) as\n"
               "                         FILE.rss, FILE.xml and the channel document FILE.chf\n"
               "  export DOC.chf [FILE]  open the channel document and write it as the channel window's\n"
               "                         \"Process, export, & save feed information\" does: FILE.rss, "
               "FILE.xml and\n"
               "                         FILE.chf, or under the document's own name when FILE is not given\n"
               "  dump DOC.chf           print the channel tree, one TAB per level, each node as [kind] "
               "text\n"
               "                         (kind 0 plain, 1 channel section, 2 item); lines deeper than 32\n"
               "                         levels have 32 TABs and start with (level N)\n") +
           feedsUsage() + transferUsage() + exportUsage() + blogUsage() + publishUsage() +
           QStringLiteral("  --help                 show this text\n"
                          "\n"
                          "FILE's extension, if any, is replaced by .rss, .xml and .chf.\n"
                          "Exit status: 0 on success, 1 when the operation failed, 2 on bad arguments.\n");
}

int runCli(const QStringList &args, QTextStream &out, QTextStream &err) {
    if (args.isEmpty()) {
        return usageError(err, QStringLiteral("no command given."));
    }
    const QString command = args.first();
    const QStringList rest = args.mid(1);
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        out << cliUsage();
        return CliOk;
    }
    if (command == QLatin1String("new")) {
        if (rest.size() != 1) {
            return usageError(err, QStringLiteral("'new' takes one FILE."));
        }
        const ChannelTree tree =
            channel::newChannelTree(channel::NewChannelBoxes::defaults(), platform::Clock::now());
        return exportTree(tree, rest.first(), out, err);
    }
    if (command == QLatin1String("export") || command == QLatin1String("dump")) {
        const bool isExport = command == QLatin1String("export");
        if (rest.isEmpty() || rest.size() > (isExport ? 2 : 1)) {
            return usageError(err, isExport ? QStringLiteral("'export' takes DOC.chf and an optional FILE.")
                                            : QStringLiteral("'dump' takes one DOC.chf."));
        }
        ChannelTree tree;
        QString error;
        if (!channel::loadChannelDocument(tree, rest.first(), &error)) {
            return failed(err, error);
        }
        if (!isExport) {
            dumpTree(tree, out);
            return CliOk;
        }
        return exportTree(tree, rest.value(1, rest.first()), out, err);
    }
    if (int status = CliOk; runPublishCommand(command, rest, out, err, status)) {
        return status;
    }
    if (int status = CliOk; runFeedsCommand(command, rest, out, err, status)) {
        return status;
    }
    if (int status = CliOk; runTransferCommand(command, rest, out, err, status)) {
        return status;
    }
    if (int status = CliOk; runExportCommand(command, rest, out, err, status)) {
        return status;
    }
    if (int status = CliOk; runBlogCommand(command, rest, out, err, status)) {
        return status;
    }
    return usageError(err, QStringLiteral("unknown command '%1'.").arg(command));
}

} // namespace tidewell::app
