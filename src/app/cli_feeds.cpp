#include "app/cli_feeds.h"

#include "feeds/feedvalidator.h"
#include "feeds/opmlimport.h"
#include "feeds/rssimport.h"
#include "platform/folders.h"
#include "platform/httpclient.h"

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
    feeds::FeedValidator validator;
    if (isWebAddress(source)) {
        bool errorAnswer = false;
        const auto body = fetchBody(source, err, &errorAnswer);
        if (!body && !errorAnswer) {
            return 1;
        }
        validator.setText(body.value_or(QByteArray())); // an error answer validates the empty buffer
    } else {
        QFile file(source);
        if (!file.exists()) {
            err << "Error : File does not exist!\n";
            return 1;
        }
        if (!file.open(QIODevice::ReadOnly)) {
            err << "Cannot open file " << source << '\n';
            return 1;
        }
        validator.setText(file.readAll());
    }
    const auto elements = feeds::FeedValidator::elementList();
    if (!elements) {
        err << "Cannot load datafile, reinstall program please!\n";
        return 1;
    }
    validator.processfile(*elements);
    for (qsizetype i = 0; i < validator.rows().size(); ++i) {
        out << (i + 1) << '\t' << validator.rows()[i] << '\n';
    }
    if (validator.stopped()) {
        err << "Important markers are missing, validation cannot be continued.\n";
    }
    if (validator.rows().isEmpty()) {
        out << "Congratulations, this file seems to checks out ok\n";
        return 0;
    }
    return 1;
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
    const feeds::RssImport::Result result = feeds::RssImport::importFile(path);
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
    QByteArray text;
    QString name;
    if (isWebAddress(source)) {
        const auto body = fetchBody(source, err);
        if (!body) {
            return 1;
        }
        text = *body;
        name = feeds::OpmlImport::remoteFileName(source);
    } else {
        QFile file(source);
        if (!file.open(QIODevice::ReadOnly)) {
            err << "Cannot open file " << source << '\n';
            return 1;
        }
        text = file.readAll();
        name = platform::fileNamePart(source);
    }
    const QStringList lines = feeds::OpmlImport::textLines(text);
    QString folder = outdir.isEmpty() ? platform::Folders::dataDirectory() : outdir;
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    QString error;
    if (feeds::OpmlImport::writeSourceCopy(lines, folder, name, &error).isEmpty()) {
        err << error << '\n';
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
    batch.processurls(feeds::OpmlImport::extractAddresses(lines), client);
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
    return QStringLiteral("  validate FILE|URL      check a feed's markers; prints numbered error rows\n"
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
