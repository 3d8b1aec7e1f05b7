#include "historyfixture.h"
#include "platform/browserhistory.h"

#include <QTemporaryDir>
#include <QTest>

using tidewell::platform::BrowserHistory;
using tidewell::test::HistoryFixture;

class TestBrowserHistory final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsEveryBrowserAndProfile_sortedByCharacterCode();
    void lockedDatabase_isStillRead();
    void unreadableHistory_addsNothing_othersStillRead();
    void noHistoryAtAll_isEmpty();
};

namespace {
QStringList urlsOf(const BrowserHistory &history) {
    QStringList urls;
    for (const auto &entry : history.entries()) {
        urls.append(entry.url);
    }
    return urls;
}
} // namespace

void TestBrowserHistory::readsEveryBrowserAndProfile_sortedByCharacterCode() {
    QTemporaryDir dir;
    // A home whose path needs escaping in an SQLite URI.
    const QString home = dir.filePath(QStringLiteral("home #1 %20"));
    const HistoryFixture fixture(home);
    fixture.firefox(QStringLiteral("abc.default"),
                    {{QStringLiteral("http://f/beta"), QStringLiteral("beta")},
                     {QStringLiteral("http://f/bookmark"), QStringLiteral("A"), 0}});
    fixture.firefox(QStringLiteral("xyz.work"), {{QStringLiteral("http://f/untitled"), QString()}});
    fixture.chromium(QStringLiteral("chromium"), QStringLiteral("Default"),
                     {{QStringLiteral("http://c/Beta"), QStringLiteral("Beta")},
                      {QStringLiteral("http://c/e"), QStringLiteral("\u00e9t\u00e9")}});
    fixture.chromium(QStringLiteral("google-chrome"), QStringLiteral("Profile 1"),
                     {{QStringLiteral("http://g/alpha"), QStringLiteral("alpha")},
                      {QStringLiteral("http://g/Zeta"), QStringLiteral("Zeta")}});

    BrowserHistory history(home);
    QCOMPARE(history.refresh(), 6);
    // Untitled first, upper case before lower case, non-ASCII last; a bookmark never visited is no history.
    QCOMPARE(urlsOf(history),
             (QStringList{QStringLiteral("http://f/untitled"), QStringLiteral("http://c/Beta"),
                          QStringLiteral("http://g/Zeta"), QStringLiteral("http://g/alpha"),
                          QStringLiteral("http://f/beta"), QStringLiteral("http://c/e")}));
    QCOMPARE(history.entries().at(0).title, QString());
    QCOMPARE(history.entries().at(5).title, QStringLiteral("\u00e9t\u00e9"));

    // A second refresh rebuilds the list instead of adding to it.
    QCOMPARE(history.refresh(), 6);
}

void TestBrowserHistory::lockedDatabase_isStillRead() {
    QTemporaryDir home;
    const HistoryFixture fixture(home.path());
    const QString path = fixture.chromium(QStringLiteral("chromium"), QStringLiteral("Default"),
                                          {{QStringLiteral("http://a/"), {}}});

    // A running browser holds its history locked.
    sqlite3 *browser = nullptr;
    QCOMPARE(sqlite3_open(path.toUtf8().constData(), &browser), SQLITE_OK);
    QCOMPARE(sqlite3_exec(browser, "BEGIN EXCLUSIVE; UPDATE urls SET title = 'x'", nullptr, nullptr, nullptr),
             SQLITE_OK);

    BrowserHistory history(home.path());
    const int count = history.refresh();
    sqlite3_exec(browser, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(browser);
    QCOMPARE(count, 1);
    QCOMPARE(history.entries().at(0).url, QStringLiteral("http://a/"));
}

void TestBrowserHistory::unreadableHistory_addsNothing_othersStillRead() {
    QTemporaryDir home;
    const HistoryFixture fixture(home.path());
    // Not a database at all.
    QDir().mkpath(home.filePath(QStringLiteral(".mozilla/firefox/broken")));
    QFile garbage(home.filePath(QStringLiteral(".mozilla/firefox/broken/places.sqlite")));
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("this is not an SQLite file, just text long enough to look like a header page.....");
    garbage.close();
    // A database of another shape.
    const QString other = home.filePath(QStringLiteral(".config/google-chrome/Default"));
    QDir().mkpath(other);
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open((other + QStringLiteral("/History")).toUtf8().constData(), &db), SQLITE_OK);
    sqlite3_exec(db, "CREATE TABLE visits (id INTEGER)", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    fixture.chromium(QStringLiteral("chromium"), QStringLiteral("Default"),
                     {{QStringLiteral("http://ok/"), QStringLiteral("ok")}});

    BrowserHistory history(home.path());
    QCOMPARE(history.refresh(), 1);
    QCOMPARE(history.entries().at(0).url, QStringLiteral("http://ok/"));
}

void TestBrowserHistory::noHistoryAtAll_isEmpty() {
    QTemporaryDir home;
    BrowserHistory history(home.filePath(QStringLiteral("does-not-exist")));
    QCOMPARE(history.refresh(), 0);
    QVERIFY(history.entries().isEmpty());
}

QTEST_GUILESS_MAIN(TestBrowserHistory)
#include "tst_browserhistory.moc"
