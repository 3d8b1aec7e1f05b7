#include "blog/blogpublisher.h"
#include "blog/rss_publishblog.h"
#include "blogfixture.h"
#include "keyboard.h"
#include "platform/dialogseams.h"
#include "platform/settingsvalues.h"
#include "platform/shellopen.h"
#include "scriptedprompts.h"
#include "testhome.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QUrl>

using namespace tidewell;
using blog::Tfrm_publishblog;
using platform::PromptAnswer;
using test::ScriptedPrompts;

namespace {

// Records the upload window the wizard opens.
class RecordingSeams final : public platform::DialogSeams {
public:
    RecordingSeams() { install(this); }
    ~RecordingSeams() override { install(nullptr); }
    QWidget *showBusyWindow(QWidget *) override { return nullptr; }
    std::optional<QString> pickHistoryLink(QWidget *, const QString &) override { return std::nullopt; }
    void runValidator(QWidget *, const QString &) override {}
    void runBlogUpload(QWidget *, const QString &folder) override { uploads.append(folder); }
    QStringList uploads;
};

template <typename T> T *child(const QWidget &window, const char *name) {
    return window.findChild<T *>(QLatin1String(name));
}

// Space pressed where the keyboard focus is, as a keyboard ticks a check box.
void tick(QCheckBox *box) {
    QVERIFY(test::focusField(box));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
}

} // namespace

class TstBlogPublishWizard : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void stepButtons_walkThePages();
    void tickingFeed_fillsFieldsWithSiteRule_data();
    void tickingFeed_fillsFieldsWithSiteRule();
    void publish_uploadsPreviewsAndCloses();
    void nothingToPublish_warnsAndStaysOpen();
};

void TstBlogPublishWizard::stepButtons_walkThePages() {
    test::TestHome home;
    Tfrm_publishblog wizard;
    auto *pages = child<QTabWidget>(wizard, "PageControl1");
    auto *next = child<QPushButton>(wizard, "nextstep");
    auto *back = child<QPushButton>(wizard, "prevstep");
    QCOMPARE(pages->currentIndex(), 0);
    for (int expected : {1, 2, 2}) {
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(pages->currentIndex(), expected);
    }
    for (int expected : {1, 0, 0}) {
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(pages->currentIndex(), expected);
    }
}

void TstBlogPublishWizard::tickingFeed_fillsFieldsWithSiteRule_data() {
    QTest::addColumn<QString>("site");
    QTest::addColumn<QString>("blogpath");
    QTest::newRow("slash added") << QStringLiteral("https://example.org/blog")
                                 << QStringLiteral("https://example.org/blog/");
    QTest::newRow("slash kept") << QStringLiteral("https://example.org/blog/")
                                << QStringLiteral("https://example.org/blog/");
    QTest::newRow("empty: error, no slash") << QString() << QString();
}

void TstBlogPublishWizard::tickingFeed_fillsFieldsWithSiteRule() {
    QFETCH(QString, site);
    QFETCH(QString, blogpath);
    test::TestHome home;
    {
        test::BlogFixture blog;
        blog.setInformation(QStringLiteral("Harbour Notes"), QStringLiteral("Ana"), QString());
    }
    QVERIFY(platform::settings::site.write(site));
    ScriptedPrompts prompts;
    if (site.isEmpty()) {
        prompts.answer(PromptAnswer::Ok);
    }
    Tfrm_publishblog wizard;
    child<QTabWidget>(wizard, "PageControl1")->setCurrentIndex(1);
    auto *panel = child<QWidget>(wizard, "feedpanel");
    QVERIFY(!panel->isVisible());
    tick(child<QCheckBox>(wizard, "gen_rssfeed"));

    QVERIFY(panel->isVisible());
    QCOMPARE(child<QLineEdit>(wizard, "chan_title")->text(), QStringLiteral("Harbour Notes"));
    QCOMPARE(child<QLineEdit>(wizard, "chan_des")->text(),
             QStringLiteral("Description of the contents of this channel"));
    QCOMPARE(child<QLineEdit>(wizard, "blogpath")->text(), blogpath);
    QCOMPARE(prompts.asked().size(), site.isEmpty() ? 1 : 0);
    if (site.isEmpty()) {
        QVERIFY(prompts.lastText().startsWith(QStringLiteral(
            "You did not define a remote path to your blog, please enter the complete path now (eg. ")));
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(wizard, "blogpath"));
    }

    tick(child<QCheckBox>(wizard, "gen_rssfeed"));
    QVERIFY(!panel->isVisible());
    QVERIFY(child<QLineEdit>(wizard, "chan_title")->text().isEmpty());
    QVERIFY(child<QLineEdit>(wizard, "blogpath")->text().isEmpty());
    QCOMPARE(prompts.unexpected(), 0);
}

void TstBlogPublishWizard::publish_uploadsPreviewsAndCloses() {
    test::TestHome home;
    {
        test::BlogFixture blog;
        blog.add({QStringLiteral("2026-11-20"), QStringLiteral("10:15:00"), QStringLiteral("Ana"),
                  QStringLiteral("Tides"), QStringLiteral("https://example.org/"), QStringLiteral("Tables"),
                  QStringLiteral("<p>High water.</p>\r\n"), QStringLiteral("High water."),
                  QString(32, QLatin1Char('a'))},
                 false);
        blog.add({QStringLiteral("2004-03-02"), QStringLiteral("12:00:00"), QStringLiteral("Ana"),
                  QStringLiteral("Nets"), QString(), QString(), QStringLiteral("<p>New nets.</p>\r\n"),
                  QStringLiteral("New nets."), QString(32, QLatin1Char('f'))},
                 true);
    }
    QVERIFY(platform::settings::site.write(QStringLiteral("https://example.org/blog")));
    RecordingSeams seams;
    QList<QUrl> opened;
    platform::ShellOpen::setHandler([&](const QUrl &url) { opened.append(url); });
    ScriptedPrompts prompts;

    Tfrm_publishblog wizard;
    wizard.show();
    tick(child<QCheckBox>(wizard, "gen_rssfeed"));
    child<QTabWidget>(wizard, "PageControl1")->setCurrentIndex(2);
    tick(child<QCheckBox>(wizard, "preview"));
    tick(child<QCheckBox>(wizard, "Uploadblog"));
    QVERIFY(test::focusField(child<QPushButton>(wizard, "Button2")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    platform::ShellOpen::setHandler({});

    QCOMPARE(prompts.asked().size(), 0);
    const QString folder = blog::BlogPublisher::publishedFolder();
    QCOMPARE(seams.uploads, QStringList({folder}));
    QCOMPARE(opened, QList<QUrl>({QUrl::fromLocalFile(QDir(folder).filePath(QStringLiteral("index.htm")))}));
    QVERIFY(QFile::exists(QDir(folder).filePath(QStringLiteral("news.xml"))));
    QCOMPARE(child<QLabel>(wizard, "no_recs")->text(), QStringLiteral("1 archived records processed.."));
    QCOMPARE(child<QLabel>(wizard, "statbar")->text(), QStringLiteral("Publishing done.."));
    QCOMPARE(wizard.result(), int(QDialog::Accepted));
    QVERIFY(!wizard.isVisible());
}

void TstBlogPublishWizard::nothingToPublish_warnsAndStaysOpen() {
    test::TestHome home;
    RecordingSeams seams;
    ScriptedPrompts prompts;
    prompts.answer(PromptAnswer::Ok);
    Tfrm_publishblog wizard;
    wizard.show();
    child<QTabWidget>(wizard, "PageControl1")->setCurrentIndex(2);
    tick(child<QCheckBox>(wizard, "Uploadblog"));
    QTest::mouseClick(child<QPushButton>(wizard, "Button2"), Qt::LeftButton);
    QCOMPARE(prompts.asked().size(), 1);
    QCOMPARE(prompts.asked().first().type, platform::PromptType::Warning);
    QCOMPARE(prompts.lastText(), QStringLiteral("Nothing to publish, please enter data first."));
    QCOMPARE(child<QLabel>(wizard, "no_recs")->text(), QStringLiteral("0 Records processed.."));
    QVERIFY(seams.uploads.isEmpty());
    QVERIFY(wizard.isVisible());
}

QTEST_MAIN(TstBlogPublishWizard)
#include "tst_blogpublishwizard.moc"
