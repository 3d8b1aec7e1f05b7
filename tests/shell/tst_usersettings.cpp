// Test tables use plain string literals.
#undef QT_NO_CAST_FROM_ASCII

#include "platform/folders.h"
#include "platform/settingsstore.h"
#include "platform/usersettings.h"
#include "shell/maincommands.h"
#include "shell/recentfiles.h"
#include "testhome.h"

#include <QFile>
#include <QTest>

using namespace tidewell;
using namespace tidewell::platform;
using namespace tidewell::platform::settings;
using tidewell::shell::ArgumentKind;
using tidewell::shell::argumentKind;
using tidewell::shell::RecentFiles;
using tidewell::shell::splashWanted;
using tidewell::shell::uploadPreset;

class TestUserSettings final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void loadUserDetails_data();
    void loadUserDetails();
    void saveUserDetails_roundTripsAndStoresTypes_data();
    void saveUserDetails_roundTripsAndStoresTypes();
    void readers_data();
    void readers();
    void ftpAndLanguage_roundTrip();
    void recentFiles_keepFiveAndMoveReopenedToTop();
    void recentFiles_readBackInSameOrder();
    void recentFiles_menuCaption_data();
    void recentFiles_menuCaption();
    void commandDecisions_data();
    void commandDecisions();
    void fittedPlacement_data();
    void fittedPlacement();

private:
    void writeSettings(const QByteArray &keyBody);
    std::unique_ptr<test::TestHome> m_home;
};

void TestUserSettings::init() {
    m_home.reset(); // the old one unsets $TIDEWELL_HOME when it goes
    m_home = std::make_unique<test::TestHome>();
}

// Writes the settings file by hand, as a user editing it would: keyBody are the lines of the settings key.
void TestUserSettings::writeSettings(const QByteArray &keyBody) {
    QFile f(platform::Folders::settingsFile());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[software\\hollicore\\tidewell]\n" + keyBody);
}

void TestUserSettings::loadUserDetails_data() {
    QTest::addColumn<QByteArray>("file"); // "-" for no settings file at all
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("blogmode");
    QTest::addColumn<bool>("loadarticle");
    QTest::addColumn<QString>("errorMentions");

    QTest::newRow("first use") << QByteArray("-") << QStringList{"", "", ""} << false << false << "";
    QTest::newRow("all set") << QByteArray("\"NAME\" = string \"Jo\"\n\"email\" = string \"jo@x\"\n"
                                           "\"site\" = string \"http://jo\"\n\"blogmode\" = integer 1\n"
                                           "\"loadarticle\" = integer 7\n")
                             << QStringList{"Jo", "jo@x", "http://jo"} << true << true << "";
    QTest::newRow("loadarticle without blogmode stays off")
        << QByteArray("\"loadarticle\" = integer 1\n") << QStringList{"", "", ""} << false << false << "";
    QTest::newRow("blogmode of wrong type turns both off")
        << QByteArray("\"blogmode\" = string \"1\"\n\"loadarticle\" = integer 1\n") << QStringList{"", "", ""}
        << false << false << "";
    QTest::newRow("email of wrong type ends the load")
        << QByteArray("\"name\" = string \"Jo\"\n\"email\" = integer 3\n\"site\" = string \"s\"\n"
                      "\"blogmode\" = integer 1\n\"loadarticle\" = integer 1\n")
        << QStringList{"Jo", "", ""} << false << false << "\"email\"";
}

void TestUserSettings::loadUserDetails() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, texts);
    QFETCH(bool, blogmode);
    QFETCH(bool, loadarticle);
    QFETCH(QString, errorMentions);
    if (file != "-") {
        writeSettings(file);
    }

    const UserDetailsLoad load = platform::loadUserDetails();
    QCOMPARE((QStringList{load.details.name, load.details.email, load.details.site}), texts);
    QCOMPARE(load.details.blogmode, blogmode);
    QCOMPARE(load.details.loadarticle, loadarticle);
    if (errorMentions.isEmpty()) {
        QCOMPARE(load.error, QString());
    } else {
        QVERIFY2(load.error.contains(errorMentions), qPrintable(load.error));
    }
}

void TestUserSettings::saveUserDetails_roundTripsAndStoresTypes_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("options");
    QTest::newRow("everything empty") << QStringList{"", "", ""} << false;
    QTest::newRow("filled") << QStringList{"Jo \"D\" Doe", "jo@example.org", "https://example.org/feed.xml"}
                            << true;
}

void TestUserSettings::saveUserDetails_roundTripsAndStoresTypes() {
    QFETCH(QStringList, texts);
    QFETCH(bool, options);
    QString error;
    QVERIFY(platform::saveUserDetails({texts[0], texts[1], texts[2], options, options}, &error));

    const UserDetailsLoad load = platform::loadUserDetails();
    QCOMPARE(load.error, QString());
    QCOMPARE((QStringList{load.details.name, load.details.email, load.details.site}), texts);
    QCOMPARE(load.details.blogmode, options);
    QCOMPARE(load.details.loadarticle, options);

    // Stored as three strings and two integers 0/1, which other readers rely on.
    const platform::SettingsKey key = *platform::SettingsStore().openKey(kSettingsKey, false);
    const QList<platform::SettingsValue> values = key.values().value;
    QCOMPARE(values.size(), 5);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(values[i].type, platform::SettingsType::String);
    }
    for (int i = 3; i < 5; ++i) {
        QCOMPARE(values[i].type, platform::SettingsType::Integer);
        QCOMPARE(values[i].number, options ? 1 : 0);
    }
}

void TestUserSettings::readers_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("loadArticle");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("site");

    QTest::newRow("no settings key") << QByteArray("-") << false << ""
                                     << "";
    QTest::newRow("values set") << QByteArray("\"loadarticle\" = integer 1\n\"name\" = string \"Jo\"\n"
                                              "\"site\" = string \"http://s\"\n")
                                << true << "Jo"
                                << "http://s";
    QTest::newRow("loadarticle 0") << QByteArray("\"loadarticle\" = integer 0\n") << false << ""
                                   << "";
    QTest::newRow("wrong types") << QByteArray("\"loadarticle\" = string \"1\"\n\"name\" = integer 1\n"
                                               "\"site\" = integer 2\n")
                                 << false << "Undefined"
                                 << "";
}

void TestUserSettings::readers() {
    QFETCH(QByteArray, file);
    QFETCH(bool, loadArticle);
    QFETCH(QString, name);
    QFETCH(QString, site);
    if (file != "-") {
        writeSettings(file);
    }
    QCOMPARE(loadArticleSetting(), loadArticle);
    QCOMPARE(userName(), name);
    QCOMPARE(userSite(), site);
}

void TestUserSettings::ftpAndLanguage_roundTrip() {
    QCOMPARE(loadFtpDetails().details.password, QString());
    QString error;
    QVERIFY(saveFtpDetails({QStringLiteral("ftp.example.org"), QStringLiteral("jo"), QStringLiteral("p\"w d"),
                            QStringLiteral("sftp")},
                           &error));
    QVERIFY(storeLanguage(QStringLiteral("EXE"), &error));
    const FtpDetailsLoad load = loadFtpDetails();
    QVERIFY(load.error.isEmpty());
    const FtpDetails ftp = load.details;
    QCOMPARE(ftp.server, QStringLiteral("ftp.example.org"));
    QCOMPARE(ftp.user, QStringLiteral("jo"));
    QCOMPARE(ftp.password, QStringLiteral("p\"w d"));
    QCOMPARE(ftp.protocol, QStringLiteral("sftp"));
    QCOMPARE(storedLanguage(), QStringLiteral("EXE"));
    // The password lives under the settings key's "ftp" subkey, not beside the user's details.
    QVERIFY(platform::SettingsStore().openKey(QStringLiteral("\\software\\hollicore\\tidewell\\FTP"), false));
    QCOMPARE(platform::SettingsStore().openKey(kSettingsKey, false)->values().value.size(), 0);
}

void TestUserSettings::recentFiles_keepFiveAndMoveReopenedToTop() {
    RecentFiles recent;
    for (const char *p : {"/d/a.chf", "/d/b.chf", "/d/c.chf", "/d/d.chf", "/d/e.chf", "/d/f.chf"}) {
        recent.add(QString::fromLatin1(p));
    }
    QCOMPARE(recent.paths(), (QStringList{"/d/f.chf", "/d/e.chf", "/d/d.chf", "/d/c.chf", "/d/b.chf"}));

    recent.add(QStringLiteral("/D/C.CHF"));
    QCOMPARE(recent.paths(), (QStringList{"/D/C.CHF", "/d/f.chf", "/d/e.chf", "/d/d.chf", "/d/b.chf"}));
    recent.add(QStringLiteral("/D/C.CHF"));
    QCOMPARE(recent.paths().size(), 5);
}

void TestUserSettings::recentFiles_readBackInSameOrder() {
    // A hand-made key with more entries and a stray integer: strings are taken in order, five at most.
    {
        const platform::SettingsKey key = *platform::SettingsStore().openKey(kRecentFilesKey, true);
        QVERIFY(key.writeString(QStringLiteral("F0"), QStringLiteral("/old0.chf")));
        QVERIFY(key.writeInteger(QStringLiteral("count"), 9));
        for (int i = 1; i < 8; ++i) {
            QVERIFY(key.writeString(QStringLiteral("F%1").arg(i), QStringLiteral("/old%1.chf").arg(i)));
        }
    }
    RecentFiles loaded;
    QString error;
    QVERIFY(loaded.load(&error));
    QCOMPARE(loaded.paths(), (QStringList{"/old0.chf", "/old1.chf", "/old2.chf", "/old3.chf", "/old4.chf"}));

    loaded.add(QStringLiteral("/new.chf"));
    loaded.add(QStringLiteral("/OLD2.chf"));
    QVERIFY(loaded.save(&error));

    // Written as F0..F4 only, and read back through the lower-case spelling of the key.
    const platform::SettingsKey key =
        *platform::SettingsStore().openKey(QStringLiteral("software\\hollicore\\wrenfold\\mru items"), false);
    const QList<platform::SettingsValue> values = key.values().value;
    QCOMPARE(values.size(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(values[i].name, QStringLiteral("F%1").arg(i));
    }
    RecentFiles again;
    QVERIFY(again.load(&error));
    QCOMPARE(again.paths(), (QStringList{"/OLD2.chf", "/new.chf", "/old0.chf", "/old1.chf", "/old3.chf"}));
}

void TestUserSettings::recentFiles_menuCaption_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("caption");
    QTest::newRow("short") << 0 << "/home/jo/news.chf"
                           << "&1 /home/jo/news.chf";
    QTest::newRow("ampersand shows as itself") << 4 << "/feeds/R&D.chf"
                                               << "&5 /feeds/R&&D.chf";
    QTest::newRow("long path shortened in the middle")
        << 1 << "/home/jo/documents/channels/2003/december/very-long-name/news.chf"
        << "&2 /home/jo/documents/channel...ber/very-long-name/news.chf";
}

void TestUserSettings::recentFiles_menuCaption() {
    QFETCH(int, index);
    QFETCH(QString, path);
    QFETCH(QString, caption);
    const QString shown = RecentFiles::menuCaption(index, path, 56);
    QCOMPARE(shown, caption);
    QVERIFY(shown.size() <= 3 + 56 + int(path.count(QLatin1Char('&'))));
}

void TestUserSettings::commandDecisions_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind"); // ArgumentKind
    QTest::addColumn<bool>("splash");
    QTest::addColumn<QString>("upload");

    const int doc = int(ArgumentKind::ChannelDocument);
    const int rss = int(ArgumentKind::RssFeed);
    const int none = int(ArgumentKind::Ignored);
    QTest::newRow("switch") << "/NOSPLASH" << none << false << "";
    QTest::newRow("switch in lower case") << "/nosplash" << none << true << "";
    QTest::newRow("document") << "/feeds/news.chf" << doc << true << "/feeds/news.xml";
    QTest::newRow("document in upper case") << "C:\\FEEDS\\NEWS.CHF" << doc << true << "C:\\FEEDS\\NEWS.xml";
    QTest::newRow("feed") << "feed.RSS" << rss << true << "";
    QTest::newRow("other file") << "notes.txt" << none << true << "";
    QTest::newRow("dot only in a folder") << "/my.chf/notes" << none << true << "";
    QTest::newRow("new channel") << "Untitled 2" << none << true << "";
}

void TestUserSettings::commandDecisions() {
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(bool, splash);
    QFETCH(QString, upload);
    QCOMPARE(int(argumentKind(text)), kind);
    QCOMPARE(splashWanted({QStringLiteral("a.chf"), text}), splash);
    QCOMPARE(uploadPreset(text), upload);
}

void TestUserSettings::fittedPlacement_data() {
    QTest::addColumn<QRect>("wanted");
    QTest::addColumn<QRect>("placed");
    // A 1280x1024 screen at 1.5 scaling (853x682) with a panel of 24 at the top; frame 4, title bar 24.
    QTest::newRow("fits") << QRect(50, 60, 700, 500) << QRect(50, 60, 700, 500);
    QTest::newRow("first start, too large") << QRect(50, 50, 900, 640) << QRect(0, 24, 845, 626);
    QTest::newRow("off the right edge") << QRect(600, 100, 400, 300) << QRect(445, 100, 400, 300);
    QTest::newRow("above the panel") << QRect(100, 0, 400, 300) << QRect(100, 24, 400, 300);
    QTest::newRow("saved on a screen to the left") << QRect(-1500, 40, 800, 600) << QRect(0, 40, 800, 600);
}

void TestUserSettings::fittedPlacement() {
    QFETCH(QRect, wanted);
    QFETCH(QRect, placed);
    QCOMPARE(shell::fittedPlacement(wanted, QRect(0, 24, 853, 658), QMargins(4, 28, 4, 4)), placed);
}

QTEST_GUILESS_MAIN(TestUserSettings)
#include "tst_usersettings.moc"
