#include "app/cli_publish.h"

#include "app/printedprogress.h"
#include "blog/blogpublisher.h"
#include "platform/progress.h"
#include "platform/settingsvalues.h"
#include "platform/shellopen.h"

#include <QDir>
#include <QProcess>
#include <QTextStream>
#include <QUrl>

namespace tidewell::app {

namespace {

struct PublishArguments {
    bool feed = false;
    bool preview = false;
    std::optional<QString> title;
    std::optional<QString> description;
    std::optional<QString> path;
};

QString parseArguments(const QStringList &args, PublishArguments &arguments) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--feed")) {
            arguments.feed = true;
            continue;
        }
        if (arg == QLatin1String("--preview")) {
            arguments.preview = true;
            continue;
        }
        std::optional<QString> *value = arg == QLatin1String("--title")         ? &arguments.title
                                        : arg == QLatin1String("--description") ? &arguments.description
                                        : arg == QLatin1String("--path")        ? &arguments.path
                                                                                : nullptr;
        if (!value) {
            return QStringLiteral("unexpected argument '%1'.").arg(arg);
        }
        if (i + 1 >= args.size()) {
            return QStringLiteral("'%1' needs a value.").arg(arg);
        }
        *value = args[++i];
    }
    if (!arguments.feed && (arguments.title || arguments.description || arguments.path)) {
        return QStringLiteral("--title, --description and --path go with --feed.");
    }
    return {};
}

int publish(const PublishArguments &arguments, QTextStream &out, QTextStream &err) {
    blog::PublishOptions options;
    options.feed = arguments.feed;
    if (arguments.feed) {
        // The wizard's fields as ticking the box fills them, unless given.
        const auto information = blog::BlogInformation::read();
        if (!information) {
            err << "tidewell-cli: " << information.error() << '\n';
            return 1;
        }
        const blog::FeedOptions defaults =
            blog::defaultFeedOptions(information->name, platform::settings::site.value());
        options.feedOptions.title = arguments.title.value_or(defaults.title);
        options.feedOptions.description = arguments.description.value_or(defaults.description);
        options.feedOptions.path = arguments.path ? blog::remotePath(*arguments.path) : defaults.path;
    }
    PrintedProgress<> progress(out);
    blog::BlogPublisher::Hooks hooks;
    hooks.showCount = [&out](const QString &text) { out << text << '\n'; };
    const auto outcome = blog::BlogPublisher::run(options, progress, hooks);
    if (!outcome) {
        err << "tidewell-cli: " << outcome.error() << '\n';
        return 1;
    }
    if (*outcome == blog::BlogPublisher::Outcome::NothingToPublish) {
        err << "tidewell-cli: " << blog::BlogPublisher::nothingToPublishMessage() << '\n';
        return 1;
    }
    const QString index = QDir(blog::BlogPublisher::publishedFolder()).filePath(QStringLiteral("index.htm"));
    out << "Wrote " << index << '\n';
    if (arguments.preview) {
        platform::ShellOpen::setHandler(
            [](const QUrl &url) { QProcess::startDetached(QStringLiteral("xdg-open"), {url.toString()}); });
        platform::ShellOpen::open(QUrl::fromLocalFile(index));
    }
    return 0;
}

} // namespace

QString publishUsage() {
    return QStringLiteral(
        "  blog publish [--feed [--title T] [--description D] [--path URL]] [--preview]\n"
        "                         publish the blog as the wizard does: empty 'published' in the user\n"
        "                         folder, write the index page, the entries and their pages, the month\n"
        "                         archives and, with --feed, news.xml (T, D and URL default to the blog\n"
        "                         name, the usual description and the 'site' setting); --preview opens\n"
        "                         the index page in the browser\n");
}

bool runPublishCommand(const QString &command, const QStringList &args, QTextStream &out, QTextStream &err,
                       int &status) {
    if (command != QLatin1String("blog") || args.value(0) != QLatin1String("publish")) {
        return false;
    }
    PublishArguments arguments;
    if (const QString problem = parseArguments(args.mid(1), arguments); !problem.isEmpty()) {
        err << "tidewell-cli: " << problem << "\nTry 'tidewell-cli --help'.\n";
        status = 2;
        return true;
    }
    status = publish(arguments, out, err);
    return true;
}

} // namespace tidewell::app
