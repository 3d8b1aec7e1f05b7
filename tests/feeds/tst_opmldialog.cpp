#include "feeds/rss_importopml.h"
#include "fixtureserver.h"
#include "keyboard.h"
#include "scriptedprompts.h"
#include "testhome.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using namespace tidewell;
using feeds::Tfrm_importopml;
using test::FixtureServer;
using test::ScriptedPrompts;

namespace {
QByteArray outline(const QString &url) {
    return "    <outline text=\"feed\" type=\"rss\" xmlUrl=\"" + url.toUtf8() + "\"/>\n";
}

QByteArray opmlOf(const QStringList &urls) {
    QByteArray text = "<?xml version=\"1.0\"?>\n<opml version=\"1.1\">\n<body>\n";
    for (const QString &url : urls) {
        text += outline(url);
    }
    return text + "</body>\n</opml>\n";
}

QChar markLetter(const Tfrm_importopml &dialog, const QIcon &icon) {
    if (icon.isNull()) {
        return QLatin1Char('-');
    }
    return icon.cacheKey() == dialog.markIcon(feeds::OpmlImport::StoredMark).cacheKey() ? QLatin1Char('s')
                                                                                        : QLatin1Char('f');
}

// "status/handled/mark" for every row: mark s (stored), f (failed) or - (none).
QStringList rowTexts(const Tfrm_importopml &dialog) {
    const auto *list = dialog.findChild<QTreeWidget *>(QStringLiteral("ListView1"));
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = list->topLevelItem(i);
        rows << item->text(0) + QLatin1Char('/') + item->text(2) + QLatin1Char('/') +
                    markLetter(dialog, item->icon(0));
    }
    return rows;
}

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
} // namespace

class TestOpmlDialog final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void localOpml_threeFeedsStored();
    void remoteOpml_deadFeedsLeaveTheOthersStored();
    void opmlWithoutOutlines_endsAtOnce();
    void unreadableSource_orFolder_startsNoBatch();
    void enterReleasedByTheBoxItOpened_fetchesNothingAgain();
};

void TestOpmlDialog::localOpml_threeFeedsStored() {
    test::TestHome home;
    FixtureServer server;
    server.serve("/a.rss", "<rss>a</rss>\n");
    server.serve("/b.xml", "<rss>b</rss>\n");
    server.serve("/c.rss", "<rss>c</rss>\n");
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("list.opml"));
    {
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(opmlOf({server.url("/a.rss"), server.url("/b.xml"), server.url("/c.rss")}));
    }
    ScriptedPrompts prompts;
    prompts.answerText(source);
    Tfrm_importopml dialog;
    const QString data = home.filePath(QStringLiteral("data/"));
    QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("outdir"))->text(), data);
    QCOMPARE(dialog.panelText(0), QStringLiteral("Status"));
    QCOMPARE(dialog.panelText(2), QStringLiteral("Files"));
    QVERIFY(!dialog.findChild<QPushButton *>(QStringLiteral("Button1"))->isEnabled());
    dialog.show();
    // While a feed is fetched, its row is the focused one and shows "Http".
    QStringList fetching;
    dialog.http1.onConnect = [&] {
        const auto *list = dialog.findChild<QTreeWidget *>(QStringLiteral("ListView1"));
        QTreeWidgetItem *current = list->currentItem();
        fetching << (current ? QString::number(list->indexOfTopLevelItem(current)) + current->text(0)
                             : QStringLiteral("none"));
    };
    QTest::mouseClick(dialog.findChild<QToolButton *>(QStringLiteral("localresourceBrowse")), Qt::LeftButton);

    QCOMPARE(fetching,
             (QStringList{QStringLiteral("0Http"), QStringLiteral("1Http"), QStringLiteral("2Http")}));
    QCOMPARE(prompts.asked().size(), 1); // the chooser only
    QCOMPARE(rowTexts(dialog), QStringList(3, QStringLiteral("Done/Yes/s")));
    QCOMPARE(dialog.findChild<QTreeWidget *>(QStringLiteral("ListView1"))->topLevelItem(1)->text(1),
             server.url("/b.xml"));
    QCOMPARE(dialog.panelText(3), QStringLiteral("2"));
    QCOMPARE(dialog.panelText(1), QStringLiteral("Importing action done.."));
    QCOMPARE(dialog.findChild<QProgressBar *>(QStringLiteral("ProgressBar2"))->maximum(), 2);
    QVERIFY(!dialog.findChild<QPushButton *>(QStringLiteral("Button1"))->isEnabled());
    QCOMPARE(dialog.findChild<QTreeWidget *>(QStringLiteral("ListView1"))->currentItem(), nullptr);
    // The copy of the list beside the feeds, and the three feeds with CR LF lines.
    QCOMPARE(QDir(data).entryList(QDir::Files),
             (QStringList{QStringLiteral("a.rss"), QStringLiteral("b.xml"), QStringLiteral("c.rss"),
                          QStringLiteral("list.opml")}));
    QCOMPARE(readFile(data + QStringLiteral("b.xml")), QByteArray("<rss>b</rss>\r\n"));
    QVERIFY(readFile(data + QStringLiteral("list.opml")).startsWith("<?xml version=\"1.0\"?>\r\n<opml"));
    QCOMPARE(server.requests().constFirst().headers.value("from"), QByteArray("none"));
    QCOMPARE(server.requests().constFirst().headers.value("referer"), QByteArray("none"));
}

void TestOpmlDialog::remoteOpml_deadFeedsLeaveTheOthersStored() {
    test::TestHome home;
    FixtureServer server;
    server.serve("/one.rss", "<rss>1</rss>");
    server.serve("/three.rss", "<rss>3</rss>");
    const QString refused = QStringLiteral("http://127.0.0.1:%1/r.rss").arg(FixtureServer::refusedPort());
    server.serve("/lists/feeds.opml",
                 opmlOf({server.url("/one.rss"), server.url("/gone.rss"), refused,
                         QStringLiteral("http://dead-feed.invalid/x.rss"), server.url("/three.rss")}));
    QTemporaryDir out;
    ScriptedPrompts prompts;
    prompts.answerText(out.path()); // chosen without a final separator: one is added
    Tfrm_importopml dialog;
    dialog.show();
    QTest::mouseClick(dialog.findChild<QToolButton *>(QStringLiteral("outdirBrowse")), Qt::LeftButton);
    QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("outdir"))->text(), out.path() + QLatin1Char('/'));
    auto *remote = dialog.findChild<QLineEdit *>(QStringLiteral("remoteresource"));
    QTest::keyClicks(remote, server.url("/lists/feeds.opml"));
    QTest::keyClick(remote, Qt::Key_Return);

    QCOMPARE(prompts.asked().size(), 1); // no error box: the batch went on
    QCOMPARE(rowTexts(dialog), (QStringList{QStringLiteral("Done/Yes/s"), QStringLiteral("Error/No/f"),
                                            QStringLiteral("Error/No/f"), QStringLiteral("Error/No/f"),
                                            QStringLiteral("Done/Yes/s")}));
    QCOMPARE(dialog.panelText(3), QStringLiteral("4"));
    // The list's copy goes to the chosen folder, the feeds to the data directory.
    QVERIFY(QFile::exists(out.filePath(QStringLiteral("feeds.opml"))));
    QCOMPARE(readFile(home.filePath(QStringLiteral("data/one.rss"))), QByteArray("<rss>1</rss>\r\n"));
    QCOMPARE(readFile(home.filePath(QStringLiteral("data/three.rss"))), QByteArray("<rss>3</rss>\r\n"));
    QVERIFY(!QFile::exists(home.filePath(QStringLiteral("data/gone.rss"))));
}

void TestOpmlDialog::opmlWithoutOutlines_endsAtOnce() {
    test::TestHome home;
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("empty.opml"));
    {
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<opml version=\"1.0\"><body></body></opml>\n");
    }
    ScriptedPrompts prompts;
    Tfrm_importopml dialog;
    dialog.localresourceAfterDialog(source);
    QCOMPARE(rowTexts(dialog), QStringList());
    QCOMPARE(dialog.panelText(3), QStringLiteral("-1"));
    QCOMPARE(dialog.panelText(1), QStringLiteral("Importing action done.."));
    QCOMPARE(prompts.asked().size(), 0);
    QVERIFY(QFile::exists(home.filePath(QStringLiteral("data/empty.opml"))));
}

void TestOpmlDialog::unreadableSource_orFolder_startsNoBatch() {
    test::TestHome home;
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("list.opml"));
    {
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(opmlOf({QStringLiteral("http://127.0.0.1:1/a.rss")}));
    }
    ScriptedPrompts prompts;
    Tfrm_importopml dialog;
    // A cancelled chooser with an empty field.
    dialog.localresourceAfterDialog(QString());
    QCOMPARE(prompts.asked().size(), 1);
    QCOMPARE(prompts.lastText(), QStringLiteral("Cannot open file "));
    // A typed output folder that does not exist.
    auto *outdir = dialog.findChild<QLineEdit *>(QStringLiteral("outdir"));
    outdir->setText(dir.filePath(QStringLiteral("nowhere/")));
    dialog.localresourceAfterDialog(source);
    QCOMPARE(prompts.asked().size(), 2);
    QVERIFY(prompts.lastText().startsWith(QLatin1String("Cannot create file ")));
    QCOMPARE(rowTexts(dialog), QStringList());
    QVERIFY(!dialog.findChild<QPushButton *>(QStringLiteral("Button1"))->isEnabled());
}

void TestOpmlDialog::enterReleasedByTheBoxItOpened_fetchesNothingAgain() {
    test::TestHome home;
    ScriptedPrompts prompts;
    Tfrm_importopml dialog;
    auto *field = dialog.findChild<QLineEdit *>(QStringLiteral("remoteresource"));
    field->setText(QStringLiteral("http://127.0.0.1:%1/feeds.opml").arg(FixtureServer::refusedPort()));
    test::checkEnterReleasedByTheBoxItOpenedFetchesNothing(field, prompts);
}

QTEST_MAIN(TestOpmlDialog)
#include "tst_opmldialog.moc"
