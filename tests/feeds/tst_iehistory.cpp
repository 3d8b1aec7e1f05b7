#include "feeds/rss_iehistory.h"
#include "historyfixture.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using tidewell::feeds::chosenlink;
using tidewell::feeds::Tfrm_iehistory;
using tidewell::test::HistoryFixture;

class TestIeHistory final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void listsLinkablePagesSortedByCharacterCode();
    void doubleClick_picksRowAndClosesWithOk();
    void okWithoutSelection_closesWithEmptyLink();
    void emptyHistory_saysWhyAndWhere();
    void escapeOrCancel_closesWithoutALink();

private:
    QStringList rowsOf(Tfrm_iehistory &dialog);
    QTreeWidget *list(Tfrm_iehistory &dialog) {
        return dialog.findChild<QTreeWidget *>(QStringLiteral("ListView1"));
    }

    QTemporaryDir m_home;
};

void TestIeHistory::initTestCase() {
    const HistoryFixture fixture(m_home.path());
    fixture.firefox(QStringLiteral("k2j.default-release"),
                    {{QStringLiteral("http://example.com/apple"), QStringLiteral("apple")},
                     {QStringLiteral("res://ieframe.dll/dnserror.htm"), QStringLiteral("Cannot find server")},
                     {QStringLiteral("about:blank"), QString()},
                     {QStringLiteral("http://example.com/press/"), QStringLiteral("Zoo press room")},
                     {QStringLiteral("file:///home/u/page.htm"), QStringLiteral("Local page")}});
    fixture.chromium(QStringLiteral("chromium"), QStringLiteral("Default"),
                     {{QStringLiteral("https://example.org/Apple"), QStringLiteral("Apple")},
                      {QStringLiteral("http://example.org/untitled"), QString()},
                      {QStringLiteral("mailto:someone@example.org"), QStringLiteral("Mail")},
                      {QStringLiteral("javascript:void(0)"), QStringLiteral("Script")},
                      {QStringLiteral("http://example.org/resources/"), QStringLiteral("Resources")}});
}

QStringList TestIeHistory::rowsOf(Tfrm_iehistory &dialog) {
    QStringList rows;
    QTreeWidget *view = list(dialog);
    for (int i = 0; i < view->topLevelItemCount(); ++i) {
        rows.append(view->topLevelItem(i)->text(0) + QLatin1String(" | ") + view->topLevelItem(i)->text(1));
    }
    return rows;
}

void TestIeHistory::listsLinkablePagesSortedByCharacterCode() {
    Tfrm_iehistory dialog(nullptr, m_home.path());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Insert link from browser history"));
    dialog.show(); // showing fills the list
    const QStringList expected{
        QStringLiteral("No title found | http://example.org/untitled"),
        QStringLiteral("Apple | https://example.org/Apple"),
        QStringLiteral("Resources | http://example.org/resources/"),
        QStringLiteral("Zoo press room | http://example.com/press/"),
        QStringLiteral("apple | http://example.com/apple"),
    };
    QCOMPARE(rowsOf(dialog), expected);
    QCOMPARE(list(dialog)->headerItem()->text(0), QStringLiteral("Title"));
    QCOMPARE(list(dialog)->headerItem()->text(1), QStringLiteral("URL"));

    // Refresh lists the history again instead of adding it a second time.
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
    QCOMPARE(rowsOf(dialog), expected);
}

void TestIeHistory::doubleClick_picksRowAndClosesWithOk() {
    Tfrm_iehistory dialog(nullptr, m_home.path());
    dialog.show();
    QTreeWidget *view = list(dialog);
    QTreeWidgetItem *row = view->topLevelItem(3);
    QCOMPARE(row->text(1), QStringLiteral("http://example.com/press/"));
    const QPoint at = view->visualItemRect(row).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(chosenlink(), QStringLiteral("http://example.com/press/"));

    // A new picker starts with no chosen link.
    Tfrm_iehistory next(nullptr, m_home.path());
    QCOMPARE(chosenlink(), QString());
}

void TestIeHistory::okWithoutSelection_closesWithEmptyLink() {
    Tfrm_iehistory dialog(nullptr, m_home.path());
    dialog.show();
    QVERIFY(list(dialog)->selectedItems().isEmpty());
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("Button2")), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(chosenlink(), QString());
}

void TestIeHistory::emptyHistory_saysWhyAndWhere() {
    QTemporaryDir empty;
    Tfrm_iehistory dialog(nullptr, empty.path());
    dialog.show();
    QCOMPARE(list(dialog)->topLevelItemCount(), 0);
    auto *reason = dialog.findChild<QLabel *>(QStringLiteral("emptyReason"));
    QVERIFY(reason->isVisible());
    QVERIFY(reason->text().startsWith(QStringLiteral("No browser history found")));
    QVERIFY(reason->text().contains(empty.path() + QStringLiteral("/.mozilla/firefox")));

    Tfrm_iehistory filled(nullptr, m_home.path());
    filled.show();
    QVERIFY(filled.findChild<QLabel *>(QStringLiteral("emptyReason"))->isHidden());
}

void TestIeHistory::escapeOrCancel_closesWithoutALink() {
    for (const bool escape : {true, false}) {
        Tfrm_iehistory dialog(nullptr, m_home.path());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        list(dialog)->setCurrentItem(list(dialog)->topLevelItem(0));
        if (escape) {
            list(dialog)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        } else {
            QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("cancelButton")),
                              Qt::LeftButton);
        }
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(chosenlink(), QString());
    }
}

QTEST_MAIN(TestIeHistory)
#include "tst_iehistory.moc"
