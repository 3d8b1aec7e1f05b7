// Benchmark of the feed import and the feed validator on synthetic RSS 2.0 feeds. bench/run_feeds.sh
// builds it, runs each step in a process of its own (so the peak memory of one step is not mixed with
// another's) and prints them beside xmllint and feedparser.
//
//   tidewell-bench-feeds generate N FILE   writes a feed of N items; prints its size in bytes
//   tidewell-bench-feeds import FILE       RssImport::importFile (scan to .chf); prints ms and peak KiB
//   tidewell-bench-feeds validate FILE     the validator's run on the file; prints ms, peak KiB, rows

#include "feeds/feedvalidator.h"
#include "feeds/rssimport.h"
#include "platform/progress.h"

#include <cstdio>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSaveFile>
#include <sys/resource.h>

using namespace tidewell::feeds;

namespace {

long peakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// An item of everyday shape, about 600 bytes: the usual elements, an entity, namespaced elements, CDATA.
QByteArray item(int i) {
    const QByteArray n = QByteArray::number(i);
    static const char *categories[] = {"General", "News", "Technology", "Travel", "Food &amp; Drink"};
    return "    <item>\n"
           "      <title>Notes from the harbour, part " +
           n +
           "</title>\n"
           "      <link>http://www.example.com/articles/" +
           n +
           ".html</link>\n"
           "      <description>The tide came in early today; entry " +
           n +
           " tells how the boats &amp; their crews were brought up the slipway before the "
           "storm.</description>\n"
           "      <pubDate>Mon, 01 Jan 2024 08:00:00 GMT</pubDate>\n"
           "      <guid isPermaLink=\"false\">urn:example:harbour:" +
           n +
           "</guid>\n"
           "      <category>" +
           categories[i % 5] +
           "</category>\n"
           "      <dc:creator>Writer " +
           QByteArray::number(i % 17) +
           "</dc:creator>\n"
           "      <content:encoded><![CDATA[<p>Full text of part " +
           n +
           ", with <b>markup</b> kept.</p>]]></content:encoded>\n"
           "    </item>\n";
}

int generate(int count, const QString &path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<rss version=\"2.0\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\"\n"
               "     xmlns:content=\"http://purl.org/rss/1.0/modules/content/\">\n"
               "  <channel>\n"
               "    <title>Harbour notes</title>\n"
               "    <link>http://www.example.com/</link>\n"
               "    <description>Synthetic feed for the benchmark</description>\n"
               "    <language>en-us</language>\n"
               "    <generator>bench</generator>\n"
               "    <lastBuildDate>Mon, 01 Jan 2024 08:00:00 GMT</lastBuildDate>\n");
    for (int i = 0; i < count; ++i) {
        file.write(item(i));
    }
    file.write("  </channel>\n</rss>\n");
    const qint64 size = file.size();
    if (!file.commit()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("%lld\n", static_cast<long long>(size));
    return 0;
}

int import(const QString &path) {
    QElapsedTimer timer;
    timer.start();
    const RssImport::Result result = RssImport::importFile(path, tidewell::platform::Progress::silent());
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (!result.ok) {
        std::fprintf(stderr, "import failed: %s\n", qPrintable(result.error));
        return 1;
    }
    std::printf("%.1f %ld\n", ms, peakKiB());
    return 0;
}

// What Tfrm_validator's Validate does: the whole validation of the file, marker checks and feed check.
int validate(const QString &path) {
    QElapsedTimer timer;
    timer.start();
    const auto report = FeedValidator::validateFile(path, tidewell::platform::Progress::silent());
    if (!report) {
        std::fprintf(stderr, "%s\n", qPrintable(report.error()));
        return 1;
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    std::printf("%.1f %ld %lld\n", ms, peakKiB(), static_cast<long long>(report->rows.size()));
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == QLatin1String("generate")) {
        return generate(args[2].toInt(), args[3]);
    }
    if (args.size() == 3 && args[1] == QLatin1String("import")) {
        return import(args[2]);
    }
    if (args.size() == 3 && args[1] == QLatin1String("validate")) {
        return validate(args[2]);
    }
    std::fprintf(stderr, "usage: %s generate N FILE | import FILE | validate FILE\n", argv[0]);
    return 2;
}
