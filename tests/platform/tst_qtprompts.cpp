#include "platform/qtprompts.h"

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

using tidewell::platform::PromptButtons;
using tidewell::platform::PromptType;
using tidewell::platform::QtPrompts;

class TestQtPrompts final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void messageBox_showsMarkupAsWritten_data();
    void messageBox_showsMarkupAsWritten();
    void choosers_startInTheFolderLastChosen_data();
    void choosers_startInTheFolderLastChosen();
    void inputBox_shownShowsALongAddressWhole();
};

void TestQtPrompts::messageBox_showsMarkupAsWritten_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::newRow("bold tag") << int(PromptType::Error) << QStringLiteral("<b>x</b>");
    QTest::newRow("feed title quoted")
        << int(PromptType::Information) << QStringLiteral("Cannot import \"<i>News</i> &amp; more\"");
    QTest::newRow("question with link")
        << int(PromptType::Confirmation) << QStringLiteral("Open <a href=\"http://x/\">this</a>?");
}

void TestQtPrompts::messageBox_showsMarkupAsWritten() {
    QFETCH(int, type);
    QFETCH(QString, text);
    const auto box =
        QtPrompts::messageBox(PromptType(type), QStringLiteral("Tidewell"), text, PromptButtons::Ok);
    QCOMPARE(box->textFormat(), Qt::PlainText);
    const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    QVERIFY(label);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->text(), text);
}

void TestQtPrompts::choosers_startInTheFolderLastChosen_data() {
    QTest::addColumn<QString>("chosen"); // what an earlier chooser returned (empty: none yet)
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first chooser") << "" << false << ""
                                   << "";
    QTest::newRow("first, proposed name") << "" << false << "news.rss"
                                          << "news.rss";
    QTest::newRow("after a file") << "/data/feeds/a.chf" << false << ""
                                  << "/data/feeds";
    QTest::newRow("proposed name") << "/data/feeds/a.chf" << false << "news.rss"
                                   << "/data/feeds/news.rss";
    QTest::newRow("after a folder") << "/data/out" << true << ""
                                    << "/data/out";
    QTest::newRow("caller's own folder") << "/data/feeds/a.chf" << false << "/srv/www"
                                         << "/srv/www";
    QTest::newRow("cancelled keeps none") << "" << true << "x.sqlite"
                                          << "x.sqlite";
}

void TestQtPrompts::choosers_startInTheFolderLastChosen() {
    QFETCH(QString, chosen);
    QFETCH(bool, folder);
    QFETCH(QString, directory);
    QFETCH(QString, expected);
    QtPrompts prompts;
    prompts.remember(chosen, folder);
    QCOMPARE(prompts.startPath(directory), expected);
}

void TestQtPrompts::inputBox_shownShowsALongAddressWhole() {
    const QString address = QStringLiteral("https://news.example.org/feeds/2024/technology/latest.rss");
    const auto box = QtPrompts::inputBox(QStringLiteral("Enter url"), QString(), address);
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    const auto *field = box->findChild<QLineEdit *>();
    QVERIFY(field);
    QVERIFY2(field->width() > field->fontMetrics().horizontalAdvance(address),
             qPrintable(QStringLiteral("field %1 wide").arg(field->width())));
}

QTEST_MAIN(TestQtPrompts)
#include "tst_qtprompts.moc"
