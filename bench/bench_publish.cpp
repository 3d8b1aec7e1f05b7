// Benchmark of the blog publishing run, beside Hugo (Debian package hugo) building a site of the same
// posts with a minimal theme, and `cp -r` of the published folder (the file-system floor).
// bench/run_publish.sh builds and runs it.
//
//   tidewell-bench-publish [N ...]   for each N (default 10,000): a blog of N entries, four in five
//   active and one in five archived (spread over every month of nine years), then, best of three (one
//   from 50,000 entries on):
//     publish  BlogPublisher::run with the feed: every page, news.xml and the archive pages
//     hugo     `hugo --quiet` on a site of the same N posts (front matter, the same HTML body)
//     cp -r    a copy of the published folder
//   Files go to $TMPDIR. With TIDEWELL_BENCH_PUBLISH_ONLY=1 the peers are left out (their columns show 0),
//   for growth runs of the publishing alone.

#include "benchsupport.h"
#include "blog/blogdatabase.h"
#include "blog/blogpublisher.h"
#include "platform/dbconnection.h"
#include "platform/dbcursor.h"
#include "platform/progress.h"

#include <cstdio>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace tidewell;

namespace {

// Best of three; one run from 50,000 entries on, where Hugo alone takes minutes.
int runsFor(int count) {
    return count >= 50000 ? 1 : 3;
}

QString text(const char *s) {
    return QString::fromUtf8(s);
}

struct Post {
    QString date, time, title, link, body, summary, guid, month, year;
    bool archived = false;
};

Post post(int i) {
    static const char *months[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
    const QDate date = QDate(2017, 1, 1).addDays(i * 3287LL / 10000 % 3287);
    const QString n = QString::number(i);
    Post p;
    p.date = date.toString(Qt::ISODate);
    p.time =
        QStringLiteral("%1:%2:00").arg(i % 24, 2, 10, QLatin1Char('0')).arg(i % 60, 2, 10, QLatin1Char('0'));
    p.title = text("Harbour log, day ") + n + text(": tides & the café");
    p.link = text("https://example.com/log/") + n;
    for (int k = 0; k < 4; ++k) {
        p.body +=
            text("<p>The tide came in early on day ") + n +
            text("; the boats &amp; their crews were brought up the slipway, and the café's owner said it's "
                 "\"the calmest storm\" she'd seen.</p>\r\n");
    }
    p.body += text("<p><img src=\"https://example.com/pictures/") + n + text(".jpg\" alt=\"\"></p>\r\n");
    p.summary =
        QString(
            text("The tide came in early on day ") + n +
            text("; the boats & their crews were brought up the slipway, and the café's owner said it's the "
                 "calmest storm she'd seen. The tide came in early and the boats were brought up again."))
            .left(200);
    p.guid = QString::fromLatin1(QCryptographicHash::hash(n.toUtf8(), QCryptographicHash::Md5).toHex());
    p.month = text(months[date.month() - 1]);
    p.year = QString::number(date.year());
    p.archived = i % 5 == 4;
    return p;
}

bool fillDatabase(int count) {
    if (!blog::BlogDatabase::ensureExists()) {
        return false;
    }
    platform::DbConnection connection;
    connection.setFile(blog::BlogDatabase::path());
    if (!connection.connect()) {
        return false;
    }
    platform::DbTransaction transaction(connection);
    if (!transaction.begin()) {
        return false;
    }
    platform::DbCursor active(connection);
    active.setTableName(blog::kActiveTable);
    platform::DbCursor archived(connection);
    archived.setTableName(blog::kArchivedTable);
    if (!active.open() || !archived.open()) {
        return false;
    }
    int ids[2] = {0, 0};
    for (int i = 0; i < count; ++i) {
        const Post p = post(i);
        platform::DbCursor &cursor = p.archived ? archived : active;
        if (!cursor.append()) {
            return false;
        }
        (void)cursor.setFieldInteger(text("id"), ++ids[p.archived ? 1 : 0]);
        (void)cursor.setFieldInteger(text("archived"), p.archived ? 1 : 0);
        const std::pair<const char *, QString> fields[] = {
            {"date", p.date},      {"time", p.time},          {"author", text("Ana Costa")},
            {"title", p.title},    {"category", text("Log")}, {"link", p.link},
            {"linkdes", p.title},  {"blogtext", p.body},      {"shortblogtext", p.summary},
            {"guid", p.guid},      {"month", p.month},        {"Year", p.year},
            {"modifiedat", p.date}};
        for (const auto &[name, value] : fields) {
            (void)cursor.setFieldText(QLatin1String(name), value);
        }
        if (!cursor.post()) {
            return false;
        }
    }
    return bool(transaction.commit());
}

void writeFile(const QString &path, const QString &content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(content.toUtf8());
    }
}

// A Hugo site of the same posts: one page per post, the home page listing them, plain HTML layouts.
void writeHugoSite(const QString &site, int count) {
    writeFile(site + text("/hugo.toml"),
              text("baseURL = 'https://example.com/blog/'\ntitle = 'Harbour Notes'\n"
                   "disableKinds = ['taxonomy', 'term', 'RSS', 'sitemap', 'robotsTXT', '404']\n"
                   "[markup.goldmark.renderer]\nunsafe = true\n"));
    writeFile(
        site + text("/layouts/_default/single.html"),
        text("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>{{ .Title }}</title>"
             "<link rel=\"stylesheet\" href=\"/style.css\"></head>\n<body><article><h2>{{ .Title }}</h2>\n"
             "<p>{{ .Date.Format \"2006-01-02\" }} {{ .Params.author }}</p>\n{{ .Content }}\n"
             "<p><a href=\"{{ .Params.link }}\">{{ .Params.link }}</a></p></article></body></html>\n"));
    writeFile(
        site + text("/layouts/_default/list.html"),
        text("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>{{ .Title }}</title></head><body>\n"
             "{{ range .Pages }}<p><a href=\"{{ .RelPermalink }}\">{{ .Title }}</a> {{ .Summary }}</p>\n"
             "{{ end }}</body></html>\n"));
    writeFile(
        site + text("/layouts/index.html"),
        text("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>{{ .Site.Title }}</title></head>"
             "<body>\n{{ range .Site.RegularPages }}<p><a href=\"{{ .RelPermalink }}\">{{ .Title }}</a> "
             "{{ .Params.summary }}</p>\n{{ end }}</body></html>\n"));
    writeFile(site + text("/static/style.css"), text("body { font-family: sans-serif; }\n"));
    for (int i = 0; i < count; ++i) {
        const Post p = post(i);
        QString summary = p.summary;
        summary.replace(QLatin1Char('\''), text("''"));
        writeFile(site + text("/content/posts/") + p.guid + text(".md"),
                  text("---\ntitle: '") + QString(p.title).replace(QLatin1Char('\''), text("''")) +
                      text("'\ndate: ") + p.date + QLatin1Char('T') + p.time +
                      text("Z\nauthor: Ana Costa\nlink: '") + p.link + text("'\nsummary: '") + summary +
                      text("'\n---\n") + p.body);
    }
}

struct Timing {
    double wallMs = 1e18;
    double cpuMs = 0;
};

// Best of kRuns by wall time, with the CPU time of that run (the process's own, or its children's).
template <typename F> Timing best(int runs, F &&run, bool child) {
    Timing result;
    if (runs == 0) {
        return {0, 0};
    }
    for (int r = 0; r < runs; ++r) {
        const int who = child ? RUSAGE_CHILDREN : RUSAGE_SELF;
        const double cpu0 = bench::cpuMs(who);
        QElapsedTimer timer;
        timer.start();
        run(r);
        const double wall = double(timer.nsecsElapsed()) / 1e6;
        if (wall < result.wallMs) {
            result = {wall, bench::cpuMs(who) - cpu0};
        }
    }
    return result;
}

bool runProcess(const QString &program, const QStringList &args) {
    QProcess process;
    process.start(program, args);
    return process.waitForFinished(-1) && process.exitCode() == 0;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QList<int> counts = bench::sizesFromArguments({10000});
    std::printf(
        "entries | publish cpu/wall   | hugo cpu/wall      | cp -r cpu/wall   | pub/hugo wall  pub/cp wall | "
        "files  MB\n");
    double previous = 0;
    int previousCount = 0;
    for (const int count : counts) {
        QTemporaryDir dir;
        qputenv("TIDEWELL_HOME", dir.filePath(text("home")).toUtf8());
        if (!fillDatabase(count)) {
            std::fprintf(stderr, "could not make the blog database\n");
            return 1;
        }
        const bool peers = !qEnvironmentVariableIsSet("TIDEWELL_BENCH_PUBLISH_ONLY");

        blog::PublishOptions options;
        options.feed = true;
        options.feedOptions = {text("Harbour Notes"), text("Tides"), text("https://example.com/blog/")};
        bool ok = true;
        // Publishing is measured the same way at every count (best of three), so the growth compares like
        // with like; the peers run once from 50,000 entries on.
        const Timing publish = best(
            3, [&](int) { ok = ok && blog::BlogPublisher::run(options, platform::Progress::silent()).ok(); },
            false);
        // The peer's site is written after publishing has been timed: each tool finds only its own input
        // made fresh (100,000 files more on the same file system slow the next writer down measurably).
        if (peers) {
            writeHugoSite(dir.filePath(text("site")), count);
        }
        const Timing hugo = best(
            peers ? runsFor(count) : 0,
            [&](int) {
                ok = ok && runProcess(text("hugo"), {text("--quiet"), text("--cleanDestinationDir"),
                                                     text("-s"), dir.filePath(text("site")), text("-d"),
                                                     dir.filePath(text("hugo-out"))});
            },
            true);
        const QString published = blog::BlogPublisher::publishedFolder();
        const Timing copy = best(
            peers ? runsFor(count) : 0,
            [&](int r) {
                ok = ok &&
                     runProcess(text("cp"), {text("-r"), published, dir.filePath(text("copy%1").arg(r))});
            },
            true);
        if (!ok) {
            std::fprintf(stderr, "a run failed\n");
            return 1;
        }
        const QStringList files = QDir(published).entryList(QDir::Files);
        qint64 bytes = 0;
        for (const QString &f : files) {
            bytes += QFileInfo(QDir(published).filePath(f)).size();
        }
        std::printf("%7d | %7.0f/%-9.0f | %7.0f/%-9.0f | %6.0f/%-8.0f  | %8.2f  %10.2f   | %6lld %4.1f\n",
                    count, publish.cpuMs, publish.wallMs, hugo.cpuMs, hugo.wallMs, copy.cpuMs, copy.wallMs,
                    publish.wallMs / hugo.wallMs, publish.wallMs / copy.wallMs, qlonglong(files.size()),
                    double(bytes) / 1e6);
        if (previousCount) {
            std::printf("growth %d -> %d entries (x%.0f): publish x%.1f (wall)\n", previousCount, count,
                        double(count) / previousCount, publish.wallMs / previous);
        }
        previous = publish.wallMs;
        previousCount = count;
        std::fflush(stdout);
    }
    return 0;
}
