#include "platform/xmlscanner.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using tidewell::platform::XmlScanner;

namespace {
// The parts of a document as one line of words: "Start:rss Text:a_b End:rss" (blanks in texts become '_',
// line breaks '|'), so a table row states the whole scan.
// With fromFile the bytes are written to a file and loaded from there.
QString scan(const QByteArray &bytes, bool normalize = true, QString *error = nullptr,
             bool fromFile = false) {
    XmlScanner scanner;
    scanner.normalize = normalize;
    scanner.recover = true;
    QTemporaryDir dir;
    if (fromFile) {
        QFile file(dir.filePath(QStringLiteral("doc.xml")));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            return QStringLiteral("cannot write the file");
        }
        file.close();
        scanner.loadFile(file.fileName());
    } else {
        scanner.loadBytes(bytes);
    }
    QStringList words;
    while (scanner.next()) {
        const XmlScanner::Part &part = scanner.part();
        QString word;
        switch (part.kind) {
        case XmlScanner::PartKind::XmlDeclaration:
            word = QStringLiteral("Decl:") + QString::fromStdString(part.raw);
            break;
        case XmlScanner::PartKind::Comment:
            word = QStringLiteral("Comment:") + QString::fromStdString(part.content);
            break;
        case XmlScanner::PartKind::ProcessingInstruction:
            word = QStringLiteral("PI:") + QString::fromStdString(part.name + "=" + part.content);
            break;
        case XmlScanner::PartKind::DocumentType:
            word = QStringLiteral("DTD:") + QString::fromStdString(part.name);
            break;
        case XmlScanner::PartKind::StartTag:
        case XmlScanner::PartKind::EmptyTag: {
            word = (part.kind == XmlScanner::PartKind::StartTag ? QStringLiteral("Start:")
                                                                : QStringLiteral("Empty:")) +
                   QString::fromStdString(part.name);
            for (const auto &attribute : part.attributes) {
                word += QStringLiteral("[%1=%2]").arg(QString::fromStdString(attribute.name),
                                                      QString::fromStdString(attribute.value));
            }
            break;
        }
        case XmlScanner::PartKind::EndTag:
            word = QStringLiteral("End:") + QString::fromStdString(part.name);
            break;
        case XmlScanner::PartKind::Text:
            word = QStringLiteral("Text:") + QString::fromStdString(part.content);
            break;
        case XmlScanner::PartKind::CData:
            word = QStringLiteral("CData:") + QString::fromStdString(part.content);
            break;
        }
        word.replace(QLatin1Char(' '), QLatin1Char('_')).replace(QLatin1Char('\n'), QLatin1Char('|'));
        words << word;
    }
    if (error) {
        *error = scanner.errorString();
    }
    return words.join(QLatin1Char(' '));
}
} // namespace

class TestXmlScanner final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void loadFile_givesTheSamePartsAsBytes_data();
    void loadFile_givesTheSamePartsAsBytes();
    void parts_data();
    void parts();
    void normalizeOff_deliversTextAsWritten();
    void textAcrossReadBlocks_isOnePart();
    void brokenDocuments_scanAsFarAsReadable_data();
    void brokenDocuments_scanAsFarAsReadable();
    void externalEntity_readsNoFile();
    void billionLaughs_stopsWithinMemory();
    void missingFile_isEmptyDocument();
};

void TestXmlScanner::parts_data() {
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("expected");

    QTest::newRow("declaration, comment, PI, elements")
        << QByteArray("<?xml version=\"1.0\"?>\n<!-- top -->\n<?xml-stylesheet href=\"a.css\"?>\n"
                      "<rss version=\"2.0\"><channel><title>T</title></channel></rss>")
        << QStringLiteral(
               "Decl:<?xml_version=\"1.0\"?> Comment:_top_ PI:xml-stylesheet=href=\"a.css\" "
               "Start:rss[version=2.0] Start:channel Start:title Text:T End:title End:channel End:rss");
    QTest::newRow("references replaced, runs collapsed")
        << QByteArray("<a>\n  Fish &amp; chips &#233;&#x41;\n\t &lt;b&gt;  </a>")
        << QStringLiteral("Start:a Text:Fish_&_chips_\u00e9A_<b> End:a");
    QTest::newRow("CDATA unchanged") << QByteArray("<d><![CDATA[ <p>one</p>\n  two &amp; ]]></d>")
                                     << QStringLiteral("Start:d CData:_<p>one</p>|__two_&amp;_ End:d");
    QTest::newRow("empty element keeps attributes")
        << QByteArray("<item><enclosure url=\"http://x/a.mp3\" length=\"5\"/></item>")
        << QStringLiteral("Start:item Empty:enclosure[url=http://x/a.mp3][length=5] End:item");
    QTest::newRow("prefixed names as written")
        << QByteArray("<rss xmlns:dc=\"urn:dc\"><dc:Creator>Ann</dc:Creator></rss>")
        << QStringLiteral("Start:rss[xmlns:dc=urn:dc] Start:dc:Creator Text:Ann End:dc:Creator End:rss");
    QTest::newRow("doctype with internal entity")
        << QByteArray("<!DOCTYPE rss [<!ENTITY me \"Ann &amp; Bo\">]><rss>&me;</rss>")
        << QStringLiteral("DTD:rss Start:rss Text:Ann_&_Bo End:rss");
    QTest::newRow("ISO-8859-1 decoded")
        << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><t>caf\xe9</t>")
        << QStringLiteral(
               "Decl:<?xml_version=\"1.0\"_encoding=\"ISO-8859-1\"?> Start:t Text:caf\u00e9 End:t");
    QTest::newRow("UTF-8 kept")
        << QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?><t>\xe2\x82\xac \xe6\x97\xa5</t>")
        << QStringLiteral("Decl:<?xml_version=\"1.0\"_encoding=\"utf-8\"?> Start:t "
                          "Text:\u20ac_\u65e5 End:t");
    QTest::newRow("undeclared Windows-1252")
        << QByteArray("<t>\x80 caf\xe9</t>") << QStringLiteral("Start:t Text:\u20ac_caf\u00e9 End:t");
    QTest::newRow("HTML entities without a DTD")
        << QByteArray("<!DOCTYPE rss PUBLIC \"-//Netscape Communications//DTD RSS 0.91//EN\" "
                      "\"http://my.netscape.com/publish/formats/rss-0.91.dtd\">"
                      "<t a=\"x&eacute;&amp;y\">Caf&eacute; &amp; cr&egrave;me&nbsp;&mdash;&#8364;</t>")
        << QStringLiteral("DTD:rss Start:t[a=x\u00e9&y] Text:Caf\u00e9_&_cr\u00e8me\u00a0\u2014\u20ac End:t");
    QTest::newRow("references in CDATA, comments, PIs untouched")
        << QByteArray("<t><!-- &eacute; --><?p &amp;?><![CDATA[&eacute;&amp;]]></t>")
        << QStringLiteral("Start:t Comment:_&eacute;_ PI:p=&amp; CData:&eacute;&amp; End:t");
    QTest::newRow("entity the document declares wins")
        << QByteArray("<!DOCTYPE r [<!-- ']' --><!ENTITY eacute \"E\">]><r>&eacute;&egrave;</r>")
        << QStringLiteral("DTD:r Start:r Text:E\u00e8 End:r");
    QTest::newRow("whitespace-only text skipped")
        << QByteArray("<a>\n  <b/>\n</a>") << QStringLiteral("Start:a Empty:b End:a");
}

void TestXmlScanner::parts() {
    QFETCH(QByteArray, document);
    QFETCH(QString, expected);
    QString error;
    QCOMPARE(scan(document, true, &error), expected);
    QCOMPARE(error, QString());
}

void TestXmlScanner::normalizeOff_deliversTextAsWritten() {
    QCOMPARE(scan("<a> x\n y </a>", false), QStringLiteral("Start:a Text:_x|_y_ End:a"));
}

// The text of one element comes as one part with its line breaks, however the parser and the reading in
// blocks cut it.
void TestXmlScanner::textAcrossReadBlocks_isOnePart() {
    QByteArray text;
    QByteArray expected;
    for (int i = 0; i < 20000; ++i) {
        text += "line &amp; caf&eacute;\n\t";
        expected += "line & caf\xc3\xa9\n\t";
    }
    const QByteArray document =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><r><t>" + text + "</t><c><![CDATA[" + text + "]]></c></r>";
    for (const bool fromFile : {false, true}) {
        XmlScanner scanner;
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("doc.xml")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(document);
        file.close();
        if (fromFile) {
            scanner.loadFile(file.fileName());
        } else {
            scanner.loadBytes(document);
        }
        QList<QByteArray> texts;
        while (scanner.next()) {
            const XmlScanner::Part &part = scanner.part();
            if (part.kind == XmlScanner::PartKind::Text || part.kind == XmlScanner::PartKind::CData) {
                texts << QByteArray::fromStdString(part.content);
            }
        }
        QCOMPARE(scanner.errorString(), QString());
        QCOMPARE(texts.size(), 2);
        QVERIFY(texts[0] == expected);
        QVERIFY(texts[1] == text);
    }
}

void TestXmlScanner::brokenDocuments_scanAsFarAsReadable_data() {
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("readable"); // the parts recovered

    QTest::newRow("empty") << QByteArray() << QString();
    // Only the broken spot is lost: references after it stay (libxml2's recovery alone drops them all).
    QTest::newRow("undeclared entity, references after it")
        << QByteArray("<rss><t>a</t><d>x&bogus;y</d><e>1&amp;2 &lt;b&gt; &quot;&#38;</e></rss>")
        << QStringLiteral(
               "Start:rss Start:t Text:a End:t Start:d Text:xy End:d Start:e Text:1&2_<b>_\"& End:e End:rss");
    QTest::newRow("stray br") << QByteArray("<rss><t>a<br></t></rss>")
                              << QStringLiteral("Start:rss Start:t Text:a Start:br End:br End:t End:rss");
    QTest::newRow("truncated")
        << QByteArray("<rss><channel><title>Half")
        << QStringLiteral("Start:rss Start:channel Start:title Text:Half End:title End:channel End:rss");
    // A byte that is not UTF-8 is read as Windows-1252, and the UTF-8 after it stays UTF-8.
    QTest::newRow("bad UTF-8 bytes")
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><rss><t>\xff\xfe \x93q\x94</t>"
                      "<u>Z\xc3\xbcrich \xe2\x82\xac</u></rss>")
        << QStringLiteral(
               "Decl:<?xml_version=\"1.0\"_encoding=\"UTF-8\"?> Start:rss Start:t "
               "Text:\u00ff\u00fe_\u201cq\u201d End:t Start:u Text:Z\u00fcrich_\u20ac End:u End:rss");
}

void TestXmlScanner::brokenDocuments_scanAsFarAsReadable() {
    QFETCH(QByteArray, document);
    QFETCH(QString, readable);
    QString error;
    const QString parts = scan(document, true, &error);
    QCOMPARE(parts, readable);
    QVERIFY(!error.isEmpty());
}

void TestXmlScanner::externalEntity_readsNoFile() {
    QTemporaryDir dir;
    const QString secret = dir.filePath(QStringLiteral("secret.txt"));
    QFile file(secret);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("TOP-SECRET");
    file.close();
    const QByteArray document = "<?xml version=\"1.0\"?><!DOCTYPE rss [<!ENTITY x SYSTEM \"file://" +
                                secret.toUtf8() + "\">]><rss><t>&x;</t></rss>";
    const QString parts = scan(document);
    QVERIFY2(!parts.contains(QLatin1String("TOP-SECRET")), qPrintable(parts));
    QVERIFY(parts.contains(QLatin1String("Start:rss")));
}

void TestXmlScanner::billionLaughs_stopsWithinMemory() {
    QByteArray document = "<?xml version=\"1.0\"?><!DOCTYPE lolz [<!ENTITY lol \"lol\">";
    for (int i = 1; i <= 9; ++i) {
        QByteArray refs;
        for (int j = 0; j < 10; ++j) {
            refs += "&lol" + (i == 1 ? QByteArray() : QByteArray::number(i - 1)) + ';';
        }
        document += "<!ENTITY lol" + QByteArray::number(i) + " \"" + refs + "\">";
    }
    document += "]><rss><t>&lol9;</t></rss>";
    QString error;
    const QString parts = scan(document, true, &error);
    QVERIFY(!error.isEmpty());
    QVERIFY(parts.size() < 10000);
}

void TestXmlScanner::missingFile_isEmptyDocument() {
    XmlScanner scanner;
    QVERIFY(!scanner.loadFile(QStringLiteral("/nonexistent/feed.rss")));
    QVERIFY(!scanner.next());
    QVERIFY(scanner.errorString().contains(QLatin1String("Cannot open file")));
}

// A file whose declaration names its encoding is read while it is scanned, others at once; both roads
// must deliver what the bytes in memory give, recovery included.
void TestXmlScanner::loadFile_givesTheSamePartsAsBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("declared UTF-8") << QByteArray(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss><channel>"
        "<title>Z\xC3\xBCrich &amp; more</title></channel></rss>\n");
    QTest::newRow("declared Latin-1") << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                                                    "<rss><title>Caf\xE9</title></rss>");
    QTest::newRow("declared, not well-formed")
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss><channel><title>A&nbsp;B</title>"
                      "<item><title>One<br></title></item></channel></rss>");
    QTest::newRow("byte order mark") << QByteArray(
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?><a>x</a>");
    QTest::newRow("undeclared Windows-1252") << QByteArray("<rss><title>\x93quoted\x94</title></rss>");
    QByteArray large = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss><channel>\n";
    for (int i = 0; i < 3000; ++i) {
        large += "<item><title>Item " + QByteArray::number(i) + "</title></item>\n";
    }
    QTest::newRow("larger than a read block") << large + "</channel></rss>\n";
}

void TestXmlScanner::loadFile_givesTheSamePartsAsBytes() {
    QFETCH(QByteArray, bytes);
    QString memoryError;
    QString fileError;
    const QString fromMemory = scan(bytes, true, &memoryError);
    QVERIFY(!fromMemory.isEmpty());
    QCOMPARE(scan(bytes, true, &fileError, true), fromMemory);
    QCOMPARE(fileError.isEmpty(), memoryError.isEmpty());
}

QTEST_GUILESS_MAIN(TestXmlScanner)
#include "tst_xmlscanner.moc"
