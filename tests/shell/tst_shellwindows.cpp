#include "channel/rss_global.h"
#include "shell/rss_about.h"
#include "shell/rss_busy.h"
#include "shell/rss_splash.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

using namespace tidewell::shell;

// The splash, about and busy windows.
class TestShellWindows final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void splash_closesWhenItsTimerFires();
    void about_titleAndWaysToClose_data();
    void about_titleAndWaysToClose();
    void busy_pumpsEventsOnlyWhileOpen();
};

void TestShellWindows::splash_closesWhenItsTimerFires() {
    Tfrm_splash splash;
    QTimer *timer = splash.findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(!timer->isActive());
    splash.show();
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 4000);
    QVERIFY(timer->isSingleShot());
    timer->start(1); // the same timer, without waiting four seconds
    QTRY_VERIFY(!splash.isVisible());
    QVERIFY(!timer->isActive());
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
}

void TestShellWindows::about_titleAndWaysToClose_data() {
    QTest::addColumn<bool>("byClick");
    QTest::newRow("click on the picture") << true;
    QTest::newRow("Escape released") << false;
}

void TestShellWindows::about_titleAndWaysToClose() {
    QFETCH(bool, byClick);
    Tfrm_about about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About ") + tidewell::channel::kVersionText);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    if (byClick) {
        QTest::mouseClick(about.findChild<QLabel *>(QStringLiteral("Image1")), Qt::LeftButton);
    } else {
        QTest::keyPress(&about, Qt::Key_Escape);
        QVERIFY(about.isVisible());
        QTest::keyRelease(&about, Qt::Key_Escape);
    }
    QVERIFY(!about.isVisible());
}

void TestShellWindows::busy_pumpsEventsOnlyWhileOpen() {
    Tfrm_busy busy;
    QCOMPARE(busy.windowTitle(), QStringLiteral("Loading document"));
    QVERIFY(busy.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!(busy.windowFlags() & Qt::WindowCloseButtonHint));
    QTimer *timer = busy.findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer->isActive()); // already on creation
    QCOMPARE(timer->interval(), 25);
    busy.show();
    QVERIFY(timer->isActive());
    busy.close();
    QVERIFY(!timer->isActive());
    busy.show();
    QVERIFY(timer->isActive());
}

QTEST_MAIN(TestShellWindows)
#include "tst_shellwindows.moc"
