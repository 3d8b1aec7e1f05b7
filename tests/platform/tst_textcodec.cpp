#include "platform/folders.h"
#include "platform/textcodec.h"

#include <QTest>

using namespace tidewell::platform;

class TestTextCodec final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void displayText_data();
    void displayText();
    void pathParts_data();
    void pathParts();
};

void TestTextCodec::displayText_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ascii") << QByteArray("Title") << QStringLiteral("Title");
    QTest::newRow("utf8") << QByteArray("caf\xc3\xa9") << QStringLiteral("caf\u00e9");
    QTest::newRow("1252 e-acute") << QByteArray("caf\xe9") << QStringLiteral("caf\u00e9");
    QTest::newRow("1252 euro and quotes")
        << QByteArray("\x80 \x93x\x94") << QStringLiteral("\u20ac \u201cx\u201d");
    QTest::newRow("truncated utf8 falls back") << QByteArray("a\xc3") << QStringLiteral("a\u00c3");
    QTest::newRow("overlong is not utf8") << QByteArray("\xc0\xaf") << QStringLiteral("\u00c0\u00af");
}

void TestTextCodec::displayText() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QCOMPARE(tidewell::platform::displayText(std::string_view(bytes.constData(), size_t(bytes.size()))),
             shown);
}

void TestTextCodec::pathParts_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("asXml");
    QTest::newRow("posix") << "/feeds/news.chf"
                           << "news.chf"
                           << ".chf"
                           << "/feeds/news.xml";
    QTest::newRow("windows") << "C:\\feeds\\news.CHF"
                             << "news.CHF"
                             << ".CHF"
                             << "C:\\feeds\\news.xml";
    QTest::newRow("dot in folder") << "/a.b/news"
                                   << "news"
                                   << ""
                                   << "/a.b/news.xml";
    QTest::newRow("untitled") << "Untitled 2"
                              << "Untitled 2"
                              << ""
                              << "Untitled 2.xml";
}

void TestTextCodec::pathParts() {
    QFETCH(QString, path);
    QFETCH(QString, name);
    QFETCH(QString, extension);
    QFETCH(QString, asXml);
    QCOMPARE(fileNamePart(path), name);
    QCOMPARE(fileExtension(path), extension);
    QCOMPARE(replaceExtension(path, QStringLiteral(".xml")), asXml);
}

QTEST_GUILESS_MAIN(TestTextCodec)
#include "tst_textcodec.moc"
