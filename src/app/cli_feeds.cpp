#include "app/cli_feeds.h"

#include "feeds/feedvalidator.h"
#include "feeds/opmlimport.h"
#include "feeds/rssimport.h"
#include "platform/folders.h"
#include "platform/httpclient.h"
#include "platform/progress.h"

#include <QBuffer>
#include <QFile>
#include <QTextStream>

namespace tidewell::app {

namespace {
bool isWebAddress(const QString &text) {
    return text.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           text.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

// GET address; the body, or nullopt with the reason on err. failed is set for an error answer.
std::optional<QByteArray> fetchBody(const QString &address, QTextStream &err, bool *errorAnswer = nullptr) {
    platform::HttpClient client;
    try {
        const auto outcome = client.fetch(address);
        if (outcome == platform::HttpClient::Outcome::Success) {
            return client.body();
        }
        if (errorAnswer) {
            *errorAnswer = true;
        }
        err << "Error: the server answered " << client.statusCode() << " for " << address << '\n';
    } catch (const platform::HttpError &error) {
        err << "Error: " << error.message() << '\n';
    }
    return std::nullopt;
}

int validate(const QString &source, QTextStream &out, QTextStream &err) {
    platform::Progress &silent = platform::Progress::silent();
    std::optional<platform::Result<feeds::ValidationReport>> report;
    if (isWebAddress(source)) {
        bool errorAnswer = false;
        const auto body = fetchBody(source, err, &errorAnswer);
        if (!body && !errorAnswer) {
            return 1;
        }
        // An error answer validates the empty buffer.
        report = feeds::FeedValidator::validateText(body.value_or(QByteArray()), silent);
    } else {
        if (const QString notice = feeds::FeedValidator::missingFileNotice(source); !notice.isEmpty()) {
            err << notice << '\n';
            return 1;
        }
        report = feeds::FeedValidator::validateFile(source, silent);
    }
    if (!*report) {
        err << report->error() << '\n';
        return 1;
    }
    const feeds::ValidationReport &found = **report;
    for (qsizetype i = 0; i < found.rows.size(); ++i) {
        out << (i + 1) << '\t' << found.rows[i] << '\n';
    }
    if (!found.feedCheck.isEmpty()) {
        out << "Feed check\n";
        for (const feeds::FeedCheckRow &row : found.feedCheck) {
            out << "line " << row.line << '\t' << row.message << '\n';
        }
    }
    if (found.stopped) {
        err << found.stopText() << '\n';
    }
    out << found.verdict() << '\n';
    return found.passed() ? 0 : 1;
}

int import(const QString &source, QTextStream &out, QTextStream &err) {
    QString path = source;
    if (isWebAddress(source)) {
        const auto body = fetchBody(source, err);
        if (!body) {
            return 1;
        }
        QString error;
        path = feeds::RssImport::storeFetchedFeed(source, *body, &error);
        if (path.isEmpty()) {
            err << error << '\n';
            return 1;
        }
    }
    const feeds::RssImport::Result result = feeds::RssImport::importFile(path, platform::Progress::silent());
    if (!result.warning.isEmpty()) {
        err << result.warning << '\n';
    }
    if (!result.ok) {
        err << result.error << '\n';
        return 1;
    }
    out << result.outputPath << '\n';
    return 0;
}

int opml(const QString &source, const QString &outdir, QTextStream &out, QTextStream &err) {
    QString folder = outdir.isEmpty() ? platform::Folders::dataDirectory() : outdir;
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    std::optional<platform::Result<feeds::OpmlImport::Source>> list;
    if (isWebAddress(source)) {
        const auto body = fetchBody(source, err);
        if (!body) {
            return 1;
        }
        QBuffer buffer;
        buffer.setData(*body);
        buffer.open(QIODevice::ReadOnly);
        list = feeds::OpmlImport::readList(buffer, folder, feeds::OpmlImport::remoteFileName(source));
    } else {
        QFile file(source);
        if (const platform::Status opened = feeds::OpmlImport::openList(file); !opened) {
            err << opened.error() << '\n';
            return 1;
        }
        list = feeds::OpmlImport::readList(file, folder, platform::fileNamePart(source));
    }
    if (!*list) {
        err << (*list).error() << '\n';
        return 1;
    }
    feeds::OpmlImport batch;
    platform::HttpClient client;
    client.localMailAddress = QStringLiteral("none");
    client.referer = QStringLiteral("none");
    batch.onRowChanged = [&](int row, bool) {
        const feeds::OpmlImport::Row &r = batch.rows()[row];
        if (r.status != QLatin1String("Http")) {
            out << r.status << '\t' << r.handled << '\t' << r.address;
            if (!batch.storedPaths()[row].isEmpty()) {
                out << '\t' << batch.storedPaths()[row];
            }
            out << '\n';
            out.flush();
        }
    };
    batch.processurls(feeds::OpmlImport::extractAddresses((*list)->outlineLines), client);
    for (const auto &row : batch.rows()) {
        if (row.status != QLatin1String("Done")) {
            return 1;
        }
    }
    return 0;
}
} // namespace

namespace {
QString opmlUsage() {
    return QStringLiteral(
        "  opml FILE|URL [OUTDIR] fetch every feed an OPML list names; the feeds always go to the data\n"
        "                         folder, OUTDIR (default: the data folder) receives the list's copy\n");
}
} // namespace

QString feedsUsage() {
    return QStringLiteral(
               "  validate FILE|URL      check a feed: numbered marker rows, then the feed check by line\n"
               "  import FILE|URL        turn an RSS feed into a channel document (.chf)\n") +
           opmlUsage();
}

bool runFeedsCommand(const QString &command, const QStringList &args, QTextStream &out, QTextStream &err,
                     int &status) {
    if (command == QLatin1String("validate") || command == QLatin1String("import")) {
        if (args.size() != 1) {
            err << "tidewell-cli: '" << command << "' takes one FILE or URL.\n";
            status = 2;
        } else {
            status = command == QLatin1String("validate") ? validate(args[0], out, err)
                                                          : import(args[0], out, err);
        }
        return true;
    }
    if (command == QLatin1String("opml")) {
        if (args.size() == 1 && (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h"))) {
            out << opmlUsage();
            status = 0;
        } else if (args.isEmpty() || args.size() > 2) {
            err << "tidewell-cli: 'opml' takes FILE or URL and an optional OUTDIR.\n";
            status = 2;
        } else {
            status = opml(args[0], args.value(1), out, err);
        }
        return true;
    }
    return false;
}

} // namespace tidewell::app
