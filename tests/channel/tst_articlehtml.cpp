#include "channel/articlehtml.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tidewell::channel;

class TestArticleHtml final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void articleHtmlBytes_data();
    void articleHtmlBytes();
    void saveArticleHtml_writesAndReplaces();
    void saveArticleHtml_failureReportsReason();
    void localDocumentLink_data();
    void localDocumentLink();
};

void TestArticleHtml::articleHtmlBytes_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("last line ended") << QStringLiteral("<p>a</p>") << QByteArray("<p>a</p>\r\n");
    QTest::newRow("LF") << QStringLiteral("a\nb\n") << QByteArray("a\r\nb\r\n");
    QTest::newRow("CR LF kept single") << QStringLiteral("a\r\nb\r\n") << QByteArray("a\r\nb\r\n");
    QTest::newRow("lone CR") << QStringLiteral("a\rb") << QByteArray("a\r\nb\r\n");
    QTest::newRow("blank lines") << QStringLiteral("a\n\n\nb") << QByteArray("a\r\n\r\n\r\nb\r\n");
    QTest::newRow("e acute") << QStringLiteral("caf\u00e9") << QByteArray("caf&#233;\r\n");
    QTest::newRow("ASCII edge") << QStringLiteral("~\u007f\u0080") << QByteArray("~\x7f&#128;\r\n");
    QTest::newRow("euro") << QStringLiteral("\u20ac5") << QByteArray("&#8364;5\r\n");
    // A character outside the BMP is one reference, not two halves of a surrogate pair.
    QTest::newRow("emoji") << QString::fromUcs4(U"\U0001F600") << QByteArray("&#128512;\r\n");
    // Markup stays markup.
    QTest::newRow("markup") << QStringLiteral("<a href=\"x?a=1&b=2\">")
                            << QByteArray("<a href=\"x?a=1&b=2\">\r\n");
}

void TestArticleHtml::articleHtmlBytes() {
    QFETCH(QString, html);
    QFETCH(QByteArray, expected);
    QCOMPARE(tidewell::channel::articleHtmlBytes(html), expected);
}

void TestArticleHtml::saveArticleHtml_writesAndReplaces() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("article.htm"));
    QVERIFY(saveArticleHtml(path, QStringLiteral("first version, quite long\n")));
    QString error;
    QVERIFY(saveArticleHtml(path, QStringLiteral("<p>\u00e9</p>"), &error));
    QVERIFY(error.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("<p>&#233;</p>\r\n"));
}

void TestArticleHtml::saveArticleHtml_failureReportsReason() {
    QTemporaryDir dir;
    QString error;
    QVERIFY(
        !saveArticleHtml(dir.filePath(QStringLiteral("missing/article.htm")), QStringLiteral("x"), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("missing/article.htm"))));
}

void TestArticleHtml::localDocumentLink_data() {
    QTest::addColumn<QString>("channelLink");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("expected");

    QTest::newRow("ends in slash") << "http://example.com/news/"
                                   << "/home/u/site/today.htm"
                                   << "http://example.com/news/today.htm";
    QTest::newRow("no final slash") << "http://example.com/news"
                                    << "/home/u/site/today.htm"
                                    << "http://example.com/news/today.htm";
    QTest::newRow("empty") << ""
                           << "/home/u/site/today.htm"
                           << "/today.htm";
    QTest::newRow("windows path") << "http://x/"
                                  << "C:\\site\\news\\today.htm"
                                  << "http://x/today.htm";
}

void TestArticleHtml::localDocumentLink() {
    QFETCH(QString, channelLink);
    QFETCH(QString, chosen);
    QFETCH(QString, expected);
    QCOMPARE(tidewell::channel::localDocumentLink(channelLink, chosen), expected);
}

QTEST_GUILESS_MAIN(TestArticleHtml)
#include "tst_articlehtml.moc"
