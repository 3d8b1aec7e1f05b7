#include "blog/blogpublisher.h"
#include "blog/blogpublisherpages.h"
#include "blogfixture.h"
#include "platform/clock.h"
#include "platform/progress.h"
#include "testhome.h"

#include <ctime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

using namespace tidewell;
using blog::BlogPublisher;
using test::BlogFixture;
using test::FixtureEntry;

namespace {

const QString kGoldenDir = QStringLiteral(TIDEWELL_TEST_SOURCE_DIR "/golden/publish");

class RecordingProgress final : public platform::Progress {
public:
    void status(const QString &text) override { texts.append(text); }
    QStringList texts;
};

QByteArray readAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString publishedFile(const QString &name) {
    return QDir(BlogPublisher::publishedFolder()).filePath(name);
}

QString guid(char digit) {
    return QString(32, QLatin1Char(digit));
}

// A body as the entry editor saves it: lines joined by CR LF, with one after the last.
const QString kBody = QStringLiteral(
    "<p>The spring tide came in <b>early</b> this morning &amp; flooded the lower quay.</p>\r\n"
    "<p><img src=\"https://example.org/quay.jpg\" alt=\"The quay\"></p>\r\n"
    "<ul>\r\n  <li>High water 06:12</li>\r\n  <li>Low water 12:40</li>\r\n</ul>\r\n");

// Three active entries and three archived ones (March 2003, March 2004, July 2004), stored out of date
// order so that "newest first" has work to do.
void fillStandardBlog() {
    BlogFixture blog;
    blog.setInformation(QStringLiteral("Harbour Notes"), QStringLiteral("Ana Costa"),
                        QStringLiteral("ana@example.org"));
    const QString longShort =
        QString(180, QLatin1Char('x')).replace(0, 20, QStringLiteral("Two hundred letters:")) +
        QStringLiteral(" and twenty more ...");
    blog.add({QStringLiteral("2026-11-20"), QStringLiteral("10:15:00"), QStringLiteral("Ana Costa"),
              QStringLiteral("Spring tides & the \"supermoon\""),
              QStringLiteral("https://example.org/tides?station=4&day=20"), QStringLiteral("Tide tables"),
              kBody, QStringLiteral("The spring tide came in early this morning & flooded the lower quay."),
              guid('a')},
             false);
    blog.add({QStringLiteral("2026-12-01"), QStringLiteral("18:40:05"), QStringLiteral("João Pires"),
              QStringLiteral("Crème brûlée at the harbour café < 5 €"),
              QStringLiteral("https://example.org/cafe"), QStringLiteral("The café's menu"),
              QStringLiteral("<p>Dessert by the water.</p>\r\n"), QStringLiteral("Dessert by the water."),
              guid('b')},
             false);
    blog.add({QStringLiteral("2026-10-05"), QStringLiteral("07:00:00"), QStringLiteral("Ana Costa"),
              QStringLiteral("A very long title about the lighthouse keeper's log"),
              QStringLiteral("https://example.org/lighthouse"),
              QStringLiteral("The lighthouse keeper's log, scanned in full."),
              QStringLiteral("<p>Pages of the log.</p>\r\n"), longShort, guid('c')},
             false);
    blog.add({QStringLiteral("2003-03-12"), QStringLiteral("09:30:00"), QStringLiteral("Ana Costa"),
              QStringLiteral("First storm of 2003"), QStringLiteral("https://example.org/2003"),
              QStringLiteral("Storm report"), QStringLiteral("<p>Wind from the west.</p>\r\n"),
              QStringLiteral("Wind from the west."), guid('d')},
             true);
    blog.add({QStringLiteral("2004-07-19"), QStringLiteral("21:05:00"), QStringLiteral("Ana Costa"),
              QStringLiteral("Regatta day"), QStringLiteral("https://example.org/regatta"),
              QStringLiteral("Results"), QStringLiteral("<p>Blue sails won.</p>\r\n"),
              QStringLiteral("Blue sails won."), guid('e')},
             true);
    blog.add({QStringLiteral("2004-03-02"), QStringLiteral("12:00:00"), QStringLiteral("Ana Costa"),
              QStringLiteral("Nets mended, March 2004"), QStringLiteral("https://example.org/2004"),
              QStringLiteral("Workshop"), QStringLiteral("<p>New nets.</p>\r\n"), QStringLiteral("New nets."),
              guid('f')},
             true);
}

blog::PublishOptions feedOptions() {
    blog::PublishOptions options;
    options.feed = true;
    options.feedOptions = {QStringLiteral("Harbour Notes & News"), QStringLiteral("Tides, boats <and> café"),
                           QStringLiteral("https://example.org/blog/")};
    return options;
}

} // namespace

class TstBlogPublisher : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void standardBlog_matchesGoldenFiles();
    void newsFeed_parsesAsXmlAndRss();
    void entryValues_data();
    void entryValues();
    void referencedFiles_copiedFromTemplateFolderOnly();
    void emptyBlogtable_emptiesFolderAndWritesNothing();
    void missingTemplate_stopsAndKeepsWhatWasWritten_data();
    void missingTemplate_stopsAndKeepsWhatWasWritten();
    void invalidEntryDate_writesNoFeed();
};

void TstBlogPublisher::initTestCase() {
    qputenv("TZ", "Europe/Lisbon");
    tzset();
    // Winter in Lisbon is UTC: a summer time would show in the last-update line, not in the feed.
    platform::Clock::setSource([] { return QDateTime(QDate(2026, 12, 10), QTime(23, 5, 9), Qt::UTC); });
}

void TstBlogPublisher::cleanupTestCase() {
    platform::Clock::setSource({});
}

void TstBlogPublisher::standardBlog_matchesGoldenFiles() {
    test::TestHome home;
    fillStandardBlog();
    writeFile(publishedFile(QStringLiteral("stale.htm")), "old page\r\n");
    RecordingProgress progress;
    QStringList counts;
    int beeps = 0;
    const auto outcome = BlogPublisher::run(
        feedOptions(), progress, {[&](const QString &text) { counts.append(text); }, [&] { ++beeps; }});
    QVERIFY2(outcome, qPrintable(outcome.error()));
    QCOMPARE(*outcome, BlogPublisher::Outcome::Published);
    QCOMPARE(counts, QStringList({QStringLiteral("3 Records processed.."),
                                  QStringLiteral("3 archived records processed..")}));
    QCOMPARE(beeps, 2); // March and July
    QVERIFY(progress.texts.contains(QStringLiteral("Removing old file called stale.htm")));
    QVERIFY(progress.texts.contains(QStringLiteral("Publishing feeditem # 2")));
    QVERIFY(progress.texts.contains(QStringLiteral("Scanning month #12")));
    QCOMPARE(progress.texts.last(), QStringLiteral("Publishing done.."));

    QDir published(BlogPublisher::publishedFolder());
    QStringList pages = published.entryList({QStringLiteral("*.htm"), QStringLiteral("*.xml")}, QDir::Files);
    // The style sheet and the pictures of the shipped template came along.
    for (const char *copied : {"standardblue.css", "tidelogo.svg", "linkmark.svg"}) {
        QVERIFY2(published.exists(QLatin1String(copied)), copied);
    }
    if (qEnvironmentVariableIsSet("TIDEWELL_REGENERATE_GOLDEN")) {
        QDir(kGoldenDir).removeRecursively();
        QDir().mkpath(kGoldenDir);
        for (const QString &page : pages) {
            QFile::copy(published.filePath(page), kGoldenDir + QLatin1Char('/') + page);
        }
    }
    const QStringList golden =
        QDir(kGoldenDir).entryList({QStringLiteral("*.htm"), QStringLiteral("*.xml")}, QDir::Files);
    // index, entries, three entry pages, months, twelve month pages, three archived pages, news.xml.
    QCOMPARE(golden.size(), 22);
    QCOMPARE(pages, golden);
    for (const QString &page : pages) {
        const QByteArray actual = readAll(published.filePath(page));
        const QByteArray expected = readAll(kGoldenDir + QLatin1Char('/') + page);
        if (actual != expected) {
            const QList<QByteArray> a = actual.split('\n');
            const QList<QByteArray> e = expected.split('\n');
            for (qsizetype i = 0; i < std::max(a.size(), e.size()); ++i) {
                if (a.value(i) != e.value(i)) {
                    qWarning("%s line %lld:\n  actual:   %s\n  expected: %s", qPrintable(page), i + 1,
                             a.value(i).constData(), e.value(i).constData());
                    break;
                }
            }
            QFAIL(qPrintable(page + QStringLiteral(" differs from its golden file")));
        }
    }
}

void TstBlogPublisher::newsFeed_parsesAsXmlAndRss() {
    test::TestHome home;
    fillStandardBlog();
    const auto outcome = BlogPublisher::run(feedOptions(), platform::Progress::silent());
    QVERIFY2(outcome, qPrintable(outcome.error()));
    const QString feed = publishedFile(QStringLiteral("news.xml"));

    QProcess lint;
    lint.start(QStringLiteral("xmllint"), {QStringLiteral("--noout"), QStringLiteral("--nonet"), feed});
    QVERIFY(lint.waitForFinished(30000));
    QVERIFY2(lint.exitCode() == 0, lint.readAllStandardError().constData());

    // feedparser reads it without a complaint and gets the titles back as they were typed.
    QProcess parser;
    parser.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(TIDEWELL_TEST_SOURCE_DIR "/check_newsfeed.py"), feed,
                  QStringLiteral("Harbour Notes & News"),
                  QStringLiteral("Crème brûlée at the harbour café < 5 €"),
                  QStringLiteral("Spring tides & the \"supermoon\""),
                  QStringLiteral("A very long title about the lighthouse keeper's log")});
    QVERIFY(parser.waitForFinished(60000));
    QVERIFY2(parser.exitCode() == 0,
             QByteArray(parser.readAllStandardOutput() + parser.readAllStandardError()).constData());
}

void TstBlogPublisher::entryValues_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("linkdes");
    QTest::addColumn<int>("shortLength");
    QTest::addColumn<QString>("line");

    const QString t44 = QString(44, QLatin1Char('t'));
    const QString d44 = QString(44, QLatin1Char('d'));
    const QString s199 = QString(199, QLatin1Char('s'));
    const QString link = QStringLiteral("<a href=\"%1.htm\" title=\"%2\">%3</a>").arg(guid('a'));
    const QString readMore =
        QStringLiteral(" <a href=\"%1.htm\" title=\"Read more here..\">&gt;&gt;</a>").arg(guid('a'));
    QTest::newRow("44 characters shown whole")
        << t44 << d44 << 199 << link.arg(t44, t44) + QLatin1Char('|') + d44 + QLatin1Char('|') + s199;
    QTest::newRow("45 characters shortened, 200 get read-more")
        << t44 + QLatin1Char('T') << d44 + QLatin1Char('D') << 200
        << link.arg(t44 + QLatin1Char('T'), t44 + QStringLiteral(" >>")) + QLatin1Char('|') + d44 +
               QStringLiteral("..|") + s199 + QLatin1Char('s') + readMore;
    QTest::newRow("placeholder in a title")
        << QStringLiteral("Notes by {$BLOG_AUTHOR}") << QStringLiteral("x") << 3
        << link.arg(QStringLiteral("Notes by Ana"), QStringLiteral("Notes by Ana")) +
               QStringLiteral("|x|sss");
    QTest::newRow("title attribute escaped, shown as typed")
        << QStringLiteral("Q&A: \"tides\" <live>") << QStringLiteral("a & b") << 1
        << link.arg(QStringLiteral("Q&amp;A: &quot;tides&quot; &lt;live&gt;"),
                    QStringLiteral("Q&A: \"tides\" <live>")) +
               QStringLiteral("|a & b|s");
}

void TstBlogPublisher::entryValues() {
    QFETCH(QString, title);
    QFETCH(QString, linkdes);
    QFETCH(int, shortLength);
    QFETCH(QString, line);
    blog::PublishedEntry entry;
    entry.title = title;
    entry.linkdes = linkdes;
    entry.author = QStringLiteral("Ana");
    entry.guid = guid('a');
    entry.shortblogtext = QString(shortLength, QLatin1Char('s'));
    // A text brought in by {$BLOG_TEXT} keeps its placeholders.
    const QString text = blog::placeholders::shortText(entry);
    QCOMPARE(blog::placeholders::entryLines({QStringLiteral("{$BLOG_TITLE}|{$BLOG_LINK_DESC}|{$BLOG_TEXT}")},
                                            entry, text),
             line + QStringLiteral("\r\n"));
}

void TstBlogPublisher::referencedFiles_copiedFromTemplateFolderOnly() {
    test::TestHome home;
    fillStandardBlog();
    // The user's own template wins over the shipped one.
    const QString folder = home.filePath(QStringLiteral("template"));
    writeFile(folder + QStringLiteral("/top.htm"),
              "<html>\n<head>\n  <link rel=\"stylesheet\" href=\"css/site.css\">\n"
              "  <LINK REL=stylesheet HREF=\"print.CSS\">\n</head>\n"
              "<body background=\"paper.png\">\n  <img src='pictures\\logo.png' alt=\"\">\n"
              "  <img src=\"http://example.org/remote.png\">\n  <img src=\"../secret.txt\">\n"
              "  <h1>{$BLOG_NAME}</h1>\n");
    writeFile(folder + QStringLiteral("/bottom.htm"), "</body>\n</html>\n");
    writeFile(folder + QStringLiteral("/blogs.htm"), "<div>{$BLOG_TITLE}</div>\n<div>{$BLOG_TEXT}</div>\n");
    writeFile(folder + QStringLiteral("/archives.htm"), "<p>{$BLOG_DATE} {$BLOG_TITLE}</p>\n");
    writeFile(folder + QStringLiteral("/months.htm"), "<h2>Archives</h2>\n");
    for (const char *file : {"css/site.css", "print.CSS", "paper.png", "pictures/logo.png"}) {
        writeFile(folder + QLatin1Char('/') + QLatin1String(file), file);
    }
    writeFile(home.filePath(QStringLiteral("secret.txt")), "private");

    RecordingProgress progress;
    const auto outcome = BlogPublisher::run({}, progress);
    QVERIFY2(outcome, qPrintable(outcome.error()));
    QDir published(BlogPublisher::publishedFolder());
    QCOMPARE(readAll(published.filePath(QStringLiteral("site.css"))), QByteArray("css/site.css"));
    QCOMPARE(readAll(published.filePath(QStringLiteral("paper.png"))), QByteArray("paper.png"));
    QCOMPARE(readAll(published.filePath(QStringLiteral("logo.png"))), QByteArray("pictures/logo.png"));
    QVERIFY(!published.exists(QStringLiteral("print.CSS")));
    QVERIFY(!published.exists(QStringLiteral("remote.png")));
    QVERIFY(!published.exists(QStringLiteral("secret.txt")));
    // site.css, paper.png, logo.png, the web address and the one outside: five references, numbered.
    QVERIFY(progress.texts.contains(QStringLiteral("Copying image file # 4")));
    QVERIFY(!progress.texts.contains(QStringLiteral("Copying image file # 5")));
    QVERIFY(!published.exists(QStringLiteral("news.xml")));
    QVERIFY(readAll(published.filePath(QStringLiteral("index.htm"))).contains("<h1>Harbour Notes</h1>"));
}

void TstBlogPublisher::emptyBlogtable_emptiesFolderAndWritesNothing() {
    test::TestHome home;
    { BlogFixture blog; }
    writeFile(publishedFile(QStringLiteral("index.htm")), "old\r\n");
    writeFile(publishedFile(QStringLiteral("pictures/kept.png")), "kept");
    const auto outcome = BlogPublisher::run(feedOptions(), platform::Progress::silent());
    QVERIFY2(outcome, qPrintable(outcome.error()));
    QCOMPARE(*outcome, BlogPublisher::Outcome::NothingToPublish);
    QDir published(BlogPublisher::publishedFolder());
    QCOMPARE(published.entryList(QDir::Files), QStringList());
    QVERIFY(published.exists(QStringLiteral("pictures/kept.png"))); // subfolders are left alone
}

void TstBlogPublisher::missingTemplate_stopsAndKeepsWhatWasWritten_data() {
    QTest::addColumn<QString>("missing");
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<QStringList>("notWritten");
    const QString entryPage = guid('b') + QStringLiteral(".htm");
    QTest::newRow("top.htm") << QStringLiteral("top.htm") << QStringList()
                             << QStringList({QStringLiteral("index.htm")});
    QTest::newRow("bottom.htm") << QStringLiteral("bottom.htm")
                                << QStringList({QStringLiteral("index.htm"), entryPage})
                                << QStringList(
                                       {QStringLiteral("blogentries.htm"), QStringLiteral("news.xml")});
    QTest::newRow("archives.htm") << QStringLiteral("archives.htm")
                                  << QStringList({QStringLiteral("blogentries.htm"),
                                                  QStringLiteral("news.xml"), QStringLiteral("January.htm"),
                                                  QStringLiteral("February.htm")})
                                  << QStringList({QStringLiteral("March.htm")});
}

void TstBlogPublisher::missingTemplate_stopsAndKeepsWhatWasWritten() {
    QFETCH(QString, missing);
    QFETCH(QStringList, written);
    QFETCH(QStringList, notWritten);
    test::TestHome home;
    fillStandardBlog();
    const QDir shipped(BlogPublisher::templateFolder());
    const QString folder = home.filePath(QStringLiteral("template"));
    QVERIFY(QDir().mkpath(folder));
    for (const QString &name : shipped.entryList(QDir::Files)) {
        if (name != missing) {
            QVERIFY(QFile::copy(shipped.filePath(name), folder + QLatin1Char('/') + name));
        }
    }
    const auto outcome = BlogPublisher::run(feedOptions(), platform::Progress::silent());
    QVERIFY(!outcome);
    QCOMPARE(outcome.error(), QStringLiteral("Cannot open file %1/%2").arg(folder, missing));
    for (const QString &name : written) {
        QVERIFY2(QFile::exists(publishedFile(name)), qPrintable(name));
    }
    for (const QString &name : notWritten) {
        QVERIFY2(!QFile::exists(publishedFile(name)), qPrintable(name));
    }
}

void TstBlogPublisher::invalidEntryDate_writesNoFeed() {
    test::TestHome home;
    {
        BlogFixture blog;
        blog.add({QStringLiteral("12/03/2004"), QStringLiteral("10:00:00"), QStringLiteral("Ana"),
                  QStringLiteral("Old date"), QString(), QString(), QStringLiteral("<p>x</p>\r\n"),
                  QStringLiteral("x"), guid('a')},
                 false);
    }
    const auto outcome = BlogPublisher::run(feedOptions(), platform::Progress::silent());
    QVERIFY(!outcome);
    QCOMPARE(outcome.error(), QStringLiteral("'12/03/2004' is not a valid date"));
    QVERIFY(QFile::exists(publishedFile(QStringLiteral("blogentries.htm"))));
    QVERIFY(!QFile::exists(publishedFile(QStringLiteral("news.xml"))));
}

QTEST_GUILESS_MAIN(TstBlogPublisher)
#include "tst_blogpublisher.moc"
