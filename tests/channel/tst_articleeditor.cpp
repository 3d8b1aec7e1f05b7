#include "channel/articleeditor.h"
#include "fixtureserver.h"
#include "scriptedprompts.h"

#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

using tidewell::channel::ArticleEditor;
using tidewell::test::FixtureServer;
using tidewell::test::ScriptedPrompts;

class TestArticleEditor final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void loadLocalFile_decodes_data();
    void loadLocalFile_decodes();
    void loadWebPage_fillsEditor_leavesImagesUnfetched();
    void failedLoad_endsBusy_showsReason_data();
    void failedLoad_endsBusy_showsReason();
    void emptyName_isRefused();
    void bold_togglesOnSelectionOnly();
    void insertHyperlink_linksSelection_cancelChangesNothing();
    void formattingWhileLoading_waitsOrDoesNothing();
    void editorDestroyedDuringWebLoad_cancelsFetch();
    void blogFormatting_appliesToSelection_data();
    void blogFormatting_appliesToSelection();
    void html_isPlainPortableMarkup_data();
    void html_isPlainPortableMarkup();
    void save_writesWholePageWithCharacterReferences();
};

namespace {
// Loads name and waits for the end of the load; returns what loadFinished reported.
bool loadAndWait(ArticleEditor &editor, const QString &name) {
    QSignalSpy finished(&editor, &ArticleEditor::loadFinished);
    if (!editor.load(name)) {
        return false;
    }
    if (!finished.wait(20000)) {
        return false;
    }
    return finished.constFirst().constFirst().toBool();
}

void selectText(ArticleEditor &editor, int from, int to) {
    QTextCursor cursor(editor.textEdit()->document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    editor.textEdit()->setTextCursor(cursor);
}

QTextCharFormat formatAt(const ArticleEditor &editor, int position) {
    QTextCursor cursor(editor.textEdit()->document());
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}
} // namespace

void TestArticleEditor::loadLocalFile_decodes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expectedText");

    QTest::newRow("UTF-8") << QByteArray("<html><body><p>caf\xc3\xa9</p></body></html>")
                           << QStringLiteral("caf\u00e9");
    // Bytes that are not UTF-8 and declare nothing: Windows-1252 (the euro sign is 0x80 there).
    QTest::newRow("Windows-1252") << QByteArray("<html><body><p>caf\xe9 \x80</p></body></html>")
                                  << QStringLiteral("caf\u00e9 \u20ac");
    QTest::newRow("declared Latin-1")
        << QByteArray("<html><head><meta charset=\"iso-8859-1\"></head><body><p>caf\xe9</p></body></html>")
        << QStringLiteral("caf\u00e9");
    QTest::newRow("plain text") << QByteArray("just text, 1 < 2") << QStringLiteral("just text, 1 < 2");
}

void TestArticleEditor::loadLocalFile_decodes() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expectedText);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("page.htm")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    ArticleEditor editor;
    QVERIFY(loadAndWait(editor, file.fileName()));
    QVERIFY(!editor.busy());
    QCOMPARE(editor.plainText(), expectedText);
    QVERIFY(editor.loadError().isEmpty());
}

void TestArticleEditor::loadWebPage_fillsEditor_leavesImagesUnfetched() {
    FixtureServer server;
    server.serve("/news/today.htm",
                 "<html><body><h1>Today</h1><p>Fresh news</p><img src=\"pic.png\"></body></html>");
    ArticleEditor editor;
    QVERIFY(loadAndWait(editor, server.url("/news/today.htm")));
    QVERIFY(editor.plainText().contains(QStringLiteral("Fresh news")));
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(server.requests().constFirst().path, QByteArray("/news/today.htm"));
}

void TestArticleEditor::failedLoad_endsBusy_showsReason_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing file") << "missing";
    QTest::newRow("folder") << "folder";
    QTest::newRow("404") << "404";
    QTest::newRow("refused connection") << "refused";
}

void TestArticleEditor::failedLoad_endsBusy_showsReason() {
    QFETCH(QString, kind);
    QTemporaryDir dir;
    FixtureServer server;
    QString name;
    if (kind == QLatin1String("missing")) {
        name = dir.filePath(QStringLiteral("nothing.htm"));
    } else if (kind == QLatin1String("folder")) {
        name = dir.path();
    } else if (kind == QLatin1String("404")) {
        name = server.url("/gone.htm");
    } else {
        name = QStringLiteral("http://127.0.0.1:%1/x.htm").arg(FixtureServer::refusedPort());
    }
    ArticleEditor editor;
    editor.setHtml(QStringLiteral("<p>previous</p>"));
    QSignalSpy finished(&editor, &ArticleEditor::loadFinished);
    QVERIFY(editor.load(name));
    QVERIFY(editor.busy());
    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.constFirst().constFirst().toBool(), false);
    QVERIFY(!editor.busy());
    QVERIFY(editor.loadError().contains(name));
    QCOMPARE(editor.plainText(), QStringLiteral("previous")); // no error text inside the article
    QVERIFY(!editor.textEdit()->isReadOnly());
}

void TestArticleEditor::emptyName_isRefused() {
    ArticleEditor editor;
    QVERIFY(!editor.load(QStringLiteral("   ")));
    QVERIFY(!editor.busy());
}

void TestArticleEditor::bold_togglesOnSelectionOnly() {
    ArticleEditor editor;
    editor.setHtml(QStringLiteral("<p>hello world</p>"));
    selectText(editor, 0, 5);
    editor.bold();
    QCOMPARE(formatAt(editor, 0).fontWeight(), int(QFont::Bold));
    QCOMPARE(formatAt(editor, 4).fontWeight(), int(QFont::Bold));
    QVERIFY(formatAt(editor, 6).fontWeight() <= int(QFont::Normal));
    editor.bold();
    QVERIFY(formatAt(editor, 0).fontWeight() <= int(QFont::Normal));
}

void TestArticleEditor::insertHyperlink_linksSelection_cancelChangesNothing() {
    ScriptedPrompts prompts;
    ArticleEditor editor;
    editor.setHtml(QStringLiteral("<p>see the news</p>"));
    selectText(editor, 8, 12);
    prompts.answerText(QStringLiteral("http://example.com/news.htm"));
    editor.insertHyperlink();
    QCOMPARE(formatAt(editor, 8).anchorHref(), QStringLiteral("http://example.com/news.htm"));
    QVERIFY(!formatAt(editor, 2).isAnchor());
    QVERIFY(editor.html().contains(QStringLiteral("href=\"http://example.com/news.htm\"")));

    const QString before = editor.html();
    selectText(editor, 0, 3);
    editor.insertHyperlink(); // nothing scripted: the box is cancelled
    QCOMPARE(editor.html(), before);
    QCOMPARE(prompts.asked().size(), 2);
}

void TestArticleEditor::formattingWhileLoading_waitsOrDoesNothing() {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("page.htm")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<p>loaded text</p>");
    file.close();

    ArticleEditor editor;
    editor.setHtml(QStringLiteral("<p>old text</p>"));
    editor.selectAll();
    QVERIFY(editor.load(file.fileName()));
    editor.bold(); // unavailable during the load
    QVERIFY(editor.busy());
    editor.justifyRight(); // waits for the load, then aligns the loaded page
    QVERIFY(!editor.busy());
    QCOMPARE(editor.plainText(), QStringLiteral("loaded text"));
    QCOMPARE(editor.textEdit()->document()->firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
             Qt::AlignRight);
    QVERIFY(formatAt(editor, 0).fontWeight() <= int(QFont::Normal));
}

void TestArticleEditor::editorDestroyedDuringWebLoad_cancelsFetch() {
    FixtureServer server;
    server.hang("/slow.htm");
    auto *editor = new ArticleEditor;
    QPointer<ArticleEditor> alive(editor);
    QVERIFY(editor->load(server.url("/slow.htm")));
    // Both timers fire inside the fetch's wait; only a cancelled fetch returns before the second.
    bool stillWaiting = false;
    QTimer::singleShot(100, editor, [editor] { delete editor; });
    QTimer::singleShot(3000, this, [&stillWaiting] { stillWaiting = true; });
    QTRY_VERIFY(alive.isNull());
    QTest::qWait(50);
    QVERIFY(!stillWaiting);
    QCOMPARE(server.requests().size(), 1);
}

void TestArticleEditor::blogFormatting_appliesToSelection_data() {
    QTest::addColumn<int>("step");
    QTest::addColumn<qreal>("points");
    QTest::newRow("smallest") << 1 << 8.0;
    QTest::newRow("normal") << 3 << 12.0;
    QTest::newRow("largest") << 7 << 36.0;
    QTest::newRow("below range") << 0 << 8.0;
    QTest::newRow("above range") << 9 << 36.0;
}

void TestArticleEditor::blogFormatting_appliesToSelection() {
    QFETCH(int, step);
    QFETCH(qreal, points);
    ArticleEditor editor;
    editor.setHtml(QStringLiteral("<p>hello world</p>"));
    selectText(editor, 0, 5);
    editor.setFontSizeStep(step);
    editor.setFontName(QStringLiteral("Courier"));
    editor.setColor(Qt::red);
    QCOMPARE(formatAt(editor, 0).fontPointSize(), points);
    QCOMPARE(formatAt(editor, 4).fontFamilies().toStringList(), QStringList{QStringLiteral("Courier")});
    QCOMPARE(formatAt(editor, 4).foreground().color(), QColor(Qt::red));
    QVERIFY(formatAt(editor, 6).foreground().color() != QColor(Qt::red));
    QCOMPARE(editor.plainText(), QStringLiteral("hello world"));
}

void TestArticleEditor::html_isPlainPortableMarkup_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("expected");
    QTest::newRow("nothing") << ""
                             << "<p>Hello world</p>";
    QTest::newRow("bold") << "bold"
                          << "<p>Hello <b>world</b></p>";
    QTest::newRow("italic") << "italic"
                            << "<p>Hello <i>world</i></p>";
    QTest::newRow("underline") << "underline"
                               << "<p>Hello <u>world</u></p>";
    QTest::newRow("strike") << "strike"
                            << "<p>Hello <s>world</s></p>";
    QTest::newRow("centre") << "centre"
                            << "<p style=\"text-align: center\">Hello world</p>";
    QTest::newRow("colour") << "colour"
                            << "<p>Hello <span style=\"color: #ff0000\">world</span></p>";
    QTest::newRow("line break") << "break"
                                << "<p>Hello <br>world</p>";
    QTest::newRow("link") << "link"
                          << "<p>Hello <a href=\"http://example.com/?a=1&amp;b=2\">world</a></p>";
    QTest::newRow("markup in text") << "markup"
                                    << "<p>Hello &lt;b&gt; &amp; world</p>";
}

void TestArticleEditor::html_isPlainPortableMarkup() {
    QFETCH(QString, change);
    QFETCH(QString, expected);
    ScriptedPrompts prompts;
    ArticleEditor editor;
    editor.setHtml(QStringLiteral("<p>Hello world</p>"));
    QTextCursor cursor = editor.textEdit()->textCursor();
    cursor.setPosition(6);
    cursor.setPosition(11, QTextCursor::KeepAnchor);
    editor.textEdit()->setTextCursor(cursor);
    if (change == QLatin1String("bold")) {
        editor.bold();
    } else if (change == QLatin1String("italic")) {
        editor.italic();
    } else if (change == QLatin1String("underline")) {
        editor.underline();
    } else if (change == QLatin1String("strike")) {
        editor.strikeThrough();
    } else if (change == QLatin1String("centre")) {
        editor.justifyCenter();
    } else if (change == QLatin1String("colour")) {
        editor.setColor(Qt::red);
    } else if (change == QLatin1String("break")) {
        cursor.setPosition(6);
        cursor.insertText(QString(QChar::LineSeparator));
    } else if (change == QLatin1String("link")) {
        prompts.answerText(QStringLiteral("http://example.com/?a=1&b=2"));
        editor.insertHyperlink();
    } else if (change == QLatin1String("markup")) {
        cursor.setPosition(6);
        cursor.insertText(QStringLiteral("<b> & "));
    }
    const QString html = editor.html();
    QCOMPARE(html, expected);
}

void TestArticleEditor::save_writesWholePageWithCharacterReferences() {
    ArticleEditor editor;
    editor.setHtml(QStringLiteral("<html><head><title>Caf\u00e9</title></head><body><p>Caf\u00e9</p>"
                                  "<ul><li>one</li><li>two</li></ul></body></html>"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.htm"));
    QVERIFY(editor.save(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY2(bytes.startsWith("<!DOCTYPE html>\r\n"), bytes.constData());
    QVERIFY(bytes.contains("<title>Caf&#233;</title>"));
    QVERIFY2(bytes.contains("<p>Caf&#233;</p>\r\n<ul>\r\n<li>one</li>\r\n<li>two</li>\r\n</ul>"),
             bytes.constData());
    for (const char *toolkit : {"qrichtext", "-qt-", "font-family", "font-size"}) {
        QVERIFY2(!bytes.contains(toolkit), toolkit);
    }
}

QTEST_MAIN(TestArticleEditor)
#include "tst_articleeditor.moc"
