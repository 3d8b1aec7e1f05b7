#include "platform/qtprompts.h"

#include <QLabel>
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

QTEST_MAIN(TestQtPrompts)
#include "tst_qtprompts.moc"
