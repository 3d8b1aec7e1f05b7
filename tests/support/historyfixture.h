#pragma once

#include <QDir>
#include <QList>
#include <QString>
#include <QTest>
#include <sqlite3.h>

namespace tidewell::test {

// Writes browser history databases as the browsers lay them out, under a fixture home folder:
// Firefox's places.sqlite (moz_places) and Chromium's History (urls), with a few of their real columns.
class HistoryFixture final {
public:
    struct Page {
        QString url;
        QString title; // a null QString is stored as SQL NULL
        int visits = 1;
    };

    explicit HistoryFixture(const QString &home) : m_home(home) {}

    // ~/.mozilla/firefox/<profile>/places.sqlite
    QString firefox(const QString &profile, const QList<Page> &pages) const {
        const QString path =
            folder(QStringLiteral(".mozilla/firefox/") + profile) + QStringLiteral("/places.sqlite");
        write(path,
              "CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url LONGVARCHAR, title LONGVARCHAR, "
              "visit_count INTEGER DEFAULT 0, hidden INTEGER DEFAULT 0)",
              "INSERT INTO moz_places (url, title, visit_count) VALUES (?, ?, ?)", pages);
        return path;
    }

    // ~/.config/<browser>/<profile>/History, browser "chromium" or "google-chrome"
    QString chromium(const QString &browser, const QString &profile, const QList<Page> &pages) const {
        const QString path = folder(QStringLiteral(".config/") + browser + QLatin1Char('/') + profile) +
                             QStringLiteral("/History");
        write(path,
              "CREATE TABLE urls (id INTEGER PRIMARY KEY AUTOINCREMENT, url LONGVARCHAR, title LONGVARCHAR, "
              "visit_count INTEGER DEFAULT 0 NOT NULL, hidden INTEGER DEFAULT 0 NOT NULL)",
              "INSERT INTO urls (url, title, visit_count) VALUES (?, ?, ?)", pages);
        return path;
    }

private:
    QString folder(const QString &relative) const {
        const QString path = QDir(m_home).filePath(relative);
        QDir().mkpath(path);
        return path;
    }

    static void write(const QString &path, const char *create, const char *insert, const QList<Page> &pages) {
        sqlite3 *db = nullptr;
        QCOMPARE(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db, create, nullptr, nullptr, nullptr), SQLITE_OK);
        for (const Page &page : pages) {
            sqlite3_stmt *statement = nullptr;
            QCOMPARE(sqlite3_prepare_v2(db, insert, -1, &statement, nullptr), SQLITE_OK);
            const QByteArray url = page.url.toUtf8();
            const QByteArray title = page.title.toUtf8();
            sqlite3_bind_text(statement, 1, url.constData(), int(url.size()), SQLITE_TRANSIENT);
            if (page.title.isNull()) {
                sqlite3_bind_null(statement, 2);
            } else {
                sqlite3_bind_text(statement, 2, title.constData(), int(title.size()), SQLITE_TRANSIENT);
            }
            sqlite3_bind_int(statement, 3, page.visits);
            QCOMPARE(sqlite3_step(statement), SQLITE_DONE);
            sqlite3_finalize(statement);
        }
        sqlite3_close(db);
    }

    QString m_home;
};

} // namespace tidewell::test
