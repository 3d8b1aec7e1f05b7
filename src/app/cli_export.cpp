#include "app/cli_export.h"

#include "app/clicommands.h"
#include "app/printedprogress.h"
#include "channel/channelopen.h"
#include "platform/progress.h"
#include "transfer/dbexport.h"

#include <QTextStream>

namespace tidewell::app {

namespace {

using transfer::DbExport;

struct ExportArguments {
    QString document;
    transfer::DbExportOptions options{QString(), DbExport::defaultItemTable(), 40};
};

// Fills arguments from args; the reason when they do not make one export.
QString parseArguments(const QStringList &args, ExportArguments &arguments) {
    QStringList files;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--table") || arg == QLatin1String("--format")) {
            if (i + 1 >= args.size()) {
                return QStringLiteral("'%1' needs a value.").arg(arg);
            }
            const QString &value = args[++i];
            if (arg == QLatin1String("--table")) {
                arguments.options.itemTable = value;
            } else if (value == QLatin1String("30") || value == QLatin1String("40")) {
                arguments.options.formatVersion = value.toInt();
            } else {
                return QStringLiteral("'--format' takes 30 or 40.");
            }
        } else if (arg.startsWith(QLatin1String("--")) || files.size() == 2) {
            return QStringLiteral("unexpected argument '%1'.").arg(arg);
        } else {
            files.append(arg);
        }
    }
    if (files.size() != 2) {
        return QStringLiteral("'dbexport' takes DOC.chf and OUT.sqlite.");
    }
    arguments.document = files.at(0);
    arguments.options.path = files.at(1);
    return {};
}

int exportDocument(const ExportArguments &arguments, QTextStream &out, QTextStream &err) {
    channel::ChannelTree tree;
    QString error;
    if (!channel::loadChannelDocument(tree, arguments.document, &error)) {
        err << "tidewell-cli: " << error << '\n';
        return CliFailed;
    }
    const platform::Result<transfer::DbExportColumns> columns = DbExport::readColumnFiles();
    if (!columns) {
        err << "tidewell-cli: " << columns.error() << '\n';
        return CliFailed;
    }
    PrintedProgress<> progress(out);
    if (const platform::Status exported = DbExport::run(tree, *columns, arguments.options, progress);
        !exported) {
        err << "tidewell-cli: " << exported.error() << '\n';
        return CliFailed;
    }
    return CliOk;
}

} // namespace

QString exportUsage() {
    return QStringLiteral(
        "  dbexport DOC.chf OUT.sqlite [--table NAME] [--format 30|40]\n"
        "                         write the channel document into the new database file OUT.sqlite:\n"
        "                         the tables FileInfo, ChannelInfo and the item table NAME\n"
        "                         (tw_feeditems unless given); format version 40 unless given. An\n"
        "                         existing OUT.sqlite is never changed: the command fails instead.\n");
}

bool runExportCommand(const QString &command, const QStringList &args, QTextStream &out, QTextStream &err,
                      int &status) {
    if (command != QLatin1String("dbexport")) {
        return false;
    }
    ExportArguments arguments;
    if (const QString problem = parseArguments(args, arguments); !problem.isEmpty()) {
        err << "tidewell-cli: " << problem << "\nTry 'tidewell-cli --help'.\n";
        status = CliUsage;
        return true;
    }
    status = exportDocument(arguments, out, err);
    return true;
}

} // namespace tidewell::app
