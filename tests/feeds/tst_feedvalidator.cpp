#include "feeds/feedvalidator.h"
#include "platform/folders.h"

#include <QTemporaryDir>
#include <QTest>

using tidewell::feeds::FeedValidator;

namespace {
const QStringList kElements{QStringLiteral("title"), QStringLiteral("link"), QStringLiteral("description")};

QByteArray feed(const QByteArray &items) {
    return "<?xml version=\"1.0\"?>\n<rss version=\"2.0\">\n<channel>\n<title>T</title>\n" + items +
           "</channel>\n</rss>\n";
}
} // namespace

class TestFeedValidator final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rows_data();
    void rows();
    void perLineCheck_coversTrimmedLines();
    void elementList_readFromProgramFolder();
};

void TestFeedValidator::rows_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("stopped");

    QTest::newRow("empty buffer: five markers, stopped")
        << QByteArray()
        << QStringList{QStringLiteral("Missing XML tag (<?xml version=1.0\"?>)"),
                       QStringLiteral("Missing <rss version=\"\"> field"),
                       QStringLiteral("Missing RSS end marker (</rss>)"),
                       QStringLiteral("Missing channel tag (<channel>)"),
                       QStringLiteral("Missing channel end marker (</channel>)")}
        << true;
    QTest::newRow("no </rss>") << QByteArray(
                                      "<?xml version=\"1.0\"?>\n<rss version=\"2.0\"><channel>\n</channel>")
                               << QStringList{QStringLiteral("Missing RSS end marker (</rss>)")} << false;
    QTest::newRow("clean feed") << feed("<item>\n<title>a</title>\n<link>b</link>\n</item>\n")
                                << QStringList() << false;
    QTest::newRow("3 starts, 2 ends")
        << feed("<item>\n<title>a</title>\n</item>\n<item>\n</item>\n<item>\n")
        << QStringList{QStringLiteral("Difference in item start and end markers (3 <item> and 2 </item>)")}
        << false;
    QTest::newRow("opened on one line, closed on the next")
        << feed("<item>\n<title>a\n</title>\n</item>\n")
        << QStringList{QStringLiteral("error in title marker ")} << false;
    QTest::newRow("first trimmed line never tested")
        << feed("<item><title>a\n</title>\n</item>\n") << QStringList() << false;
    QTest::newRow("opening tag with attributes not counted")
        << feed("<item>\n<link rel=\"x\">a\n</item>\n") << QStringList() << false;
    QTest::newRow("single line") << QByteArray(
                                        "<?xml version=\"1.0\"?><rss version=\"2.0\"><channel><item><title>"
                                        "</item></channel></rss>")
                                 << QStringList() << false;
    // </channel> above the first <item>: the second cut finds nothing and cuts nothing, so the lines
    // below the first item are all checked.
    QTest::newRow("</channel> above the items")
        << QByteArray("<?xml version=\"1.0\"?>\n<rss version=\"2.0\"><channel></channel>\n<item>\n<title>x\n"
                      "</item>\n</rss>\n")
        << QStringList{QStringLiteral("error in title marker ")} << false;
}

void TestFeedValidator::rows() {
    QFETCH(QByteArray, text);
    QFETCH(QStringList, rows);
    QFETCH(bool, stopped);
    FeedValidator validator;
    validator.setText(text);
    validator.processfile(kElements);
    QCOMPARE(validator.rows(), rows);
    QCOMPARE(validator.stopped(), stopped);
}

void TestFeedValidator::perLineCheck_coversTrimmedLines() {
    // Without any <item> line only the first line goes: the check starts at the file's third line.
    FeedValidator validator;
    validator.setText(
        "<?xml version=\"1.0\"?>\n<title>skipped\n<title>checked\n<rss version=\"2.0\"><channel>\n"
        "<link>x\n</channel>\n<title>below\n</rss>");
    QList<int> positions;
    int maximum = -1;
    validator.onProgressMaximum = [&](int m) { maximum = m; };
    validator.onProgress = [&](int p) { positions << p; };
    validator.processfile(kElements);
    QCOMPARE(validator.rows(), (QStringList{QStringLiteral("error in title marker "),
                                            QStringLiteral("error in link marker ")}));
    QCOMPARE(maximum, 3);
    QCOMPARE(positions, (QList<int>{1, 2, 3}));
    QCOMPARE(validator.text(),
             QByteArray("<title>skipped\n<title>checked\n<rss version=\"2.0\"><channel>\n<link>x\n"));
}

void TestFeedValidator::elementList_readFromProgramFolder() {
    const auto shipped = FeedValidator::elementList();
    QVERIFY(shipped.has_value());
    for (const char *name : {"title", "link", "description", "pubDate", "guid", "category", "author"}) {
        QVERIFY2(shipped->contains(QLatin1String(name)), name);
    }
    QTemporaryDir empty;
    tidewell::platform::Folders::setProgramFolderOverride(empty.path());
    QVERIFY(!FeedValidator::elementList().has_value());
    tidewell::platform::Folders::setProgramFolderOverride(QString());
}

QTEST_GUILESS_MAIN(TestFeedValidator)
#include "tst_feedvalidator.moc"
