#include "channel/rss_imageedit.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace tidewell::channel;

class TestImageEdit final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void setFields_data();
    void setFields();
    void okAccepts_closeDoesNot();
};

void TestImageEdit::setFields_data() {
    QTest::addColumn<QString>("height");
    QTest::addColumn<bool>("hasHeight");
    QTest::addColumn<QString>("shownHeight");

    QTest::newRow("absent keeps preset") << "" << false << "31";
    QTest::newRow("number") << "60" << true << "60";
    QTest::newRow("not a number keeps preset") << "tall" << true << "31";
    QTest::newRow("above the limit is held at 400") << "500" << true << "400";
}

void TestImageEdit::setFields() {
    QFETCH(QString, height);
    QFETCH(bool, hasHeight);
    QFETCH(QString, shownHeight);

    Tfrm_imageedit dialog;
    ImageFields in;
    in.title = QStringLiteral("Logo");
    in.url = QStringLiteral("http://x/logo.png");
    if (hasHeight) {
        in.height = height;
    }
    dialog.setFields(in);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Image Properties"));
    QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("link"))->text(), QString());

    const ImageFields out = dialog.fields();
    QCOMPARE(out.title, std::optional<QString>(QStringLiteral("Logo")));
    QCOMPARE(out.url, std::optional<QString>(QStringLiteral("http://x/logo.png")));
    QCOMPARE(out.height, std::optional<QString>(shownHeight));
    QCOMPARE(out.width, std::optional<QString>(QStringLiteral("88")));
}

void TestImageEdit::okAccepts_closeDoesNot() {
    {
        Tfrm_imageedit dialog;
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    {
        Tfrm_imageedit dialog;
        dialog.show();
        dialog.close();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
}

QTEST_MAIN(TestImageEdit)
#include "tst_imageedit.moc"
