#include "blog/entrytext.h"

#include <QTest>

using namespace tidewell::blog;

// The texts an entry's body is stored as, for bodies from the editor and from tidewell-cli.
class TstEntryText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void plainTextOfHtml_data();
    void plainTextOfHtml();
    void crlfLines_data();
    void crlfLines();
    void bodyOfHtmlDocument_takesTheBodyOnly();
};

void TstEntryText::plainTextOfHtml_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("plain");
    QTest::newRow("references") << "<p>Fish &amp; chips &lt;3 &#233;t&#xE9; &nbsp;x &bogus; &</p>"
                                << QString::fromUtf8("Fish & chips <3 été \xc2\xa0x &bogus; &");
    QTest::newRow("blocks and breaks") << "<h1>Title</h1>\r\n  <p>one<br>two</p>four<div>three</div>"
                                       << "Title\none\ntwo\nfour\nthree";
    QTest::newRow("script, style, comment")
        << "<style>p{color:red}</style><script>if (a<b) x();</script><!-- <p>no</p> -->Seen"
        << "Seen";
    QTest::newRow("unclosed tag") << "text <a href=\"x"
                                  << "text";
    QTest::newRow("reference out of range") << "a&#1114112;b&#55296;c"
                                            << "a&#1114112;b&#55296;c";
}

void TstEntryText::plainTextOfHtml() {
    QFETCH(QString, html);
    QFETCH(QString, plain);
    QCOMPARE(tidewell::blog::plainTextOfHtml(html), plain);
}

void TstEntryText::crlfLines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::newRow("mixed line ends") << "a\nb\r\nc\rd"
                                     << "a\r\nb\r\nc\r\nd\r\n";
    QTest::newRow("ends with a line end") << "a\n"
                                          << "a\r\n";
    QTest::newRow("blank line kept") << "a\n\nb"
                                     << "a\r\n\r\nb\r\n";
    QTest::newRow("empty") << ""
                           << "";
}

void TstEntryText::crlfLines() {
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QCOMPARE(tidewell::blog::crlfLines(text), stored);
}

void TstEntryText::bodyOfHtmlDocument_takesTheBodyOnly() {
    const QString document =
        QStringLiteral("<html><head><style>p{}</style></head><BODY style=\"a>b\">\n<p>Hi</p>"
                       "</body></html>");
    QCOMPARE(bodyOfHtmlDocument(QStringLiteral("<html><body class=\"x\">\n<p>Hi</p></body></html>")),
             QStringLiteral("<p>Hi</p>"));
    // A '>' inside a quoted attribute value does not end the body tag.
    QCOMPARE(bodyOfHtmlDocument(document), QStringLiteral("<p>Hi</p>"));
    QCOMPARE(bodyOfHtmlDocument(QStringLiteral("<p>fragment</p>")), QStringLiteral("<p>fragment</p>"));
}

QTEST_GUILESS_MAIN(TstEntryText)
#include "tst_entrytext.moc"
