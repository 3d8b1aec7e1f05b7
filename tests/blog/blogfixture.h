#pragma once

#include "blog/blogdatabase.h"
#include "platform/dbconnection.h"
#include "platform/dbcursor.h"

#include <QDate>
#include <QString>
#include <QTest>

namespace tidewell::test {

// One entry of a fixture blog, as the entry editor stores it.
struct FixtureEntry {
    QString date; // yyyy-MM-dd
    QString time;
    QString author;
    QString title;
    QString link;
    QString linkdes;
    QString blogtext;
    QString shortblogtext;
    QString guid;
};

// Builds the user's blog database (in the TestHome's user folder) through the engine, as the blog tool
// does: entries appended to "blogtable" or "archived", with month and Year following the date.
class BlogFixture final {
public:
    BlogFixture() {
        QVERIFY(blog::BlogDatabase::ensureExists());
        m_connection.setFile(blog::BlogDatabase::path());
        QVERIFY(m_connection.connect());
    }

    void setInformation(const QString &name, const QString &owner, const QString &email) {
        platform::DbCursor cursor(m_connection);
        cursor.setTableName(blog::kInformationTable);
        QVERIFY(cursor.open());
        QVERIFY(cursor.edit());
        QVERIFY(cursor.setFieldText(QStringLiteral("blogname"), name));
        QVERIFY(cursor.setFieldText(QStringLiteral("blogowner"), owner));
        QVERIFY(cursor.setFieldText(QStringLiteral("blogemail"), email));
        QVERIFY(cursor.post());
    }

    void add(const FixtureEntry &entry, bool archived) {
        static const QStringList months = {
            QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
            QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
            QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
            QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
        const QDate day = QDate::fromString(entry.date, Qt::ISODate);
        platform::DbCursor cursor(m_connection);
        cursor.setTableName(archived ? blog::kArchivedTable : blog::kActiveTable);
        QVERIFY(cursor.open());
        const int id = cursor.recordCount() + 1;
        QVERIFY(cursor.append());
        QVERIFY(cursor.setFieldInteger(QStringLiteral("id"), id));
        const std::pair<const char *, QString> texts[] = {
            {"date", entry.date},
            {"time", entry.time},
            {"author", entry.author},
            {"title", entry.title},
            {"category", QStringLiteral("General")},
            {"link", entry.link},
            {"linkdes", entry.linkdes},
            {"blogtext", entry.blogtext},
            {"shortblogtext", entry.shortblogtext},
            {"guid", entry.guid},
            {"month", day.isValid() ? months.at(day.month() - 1) : QString()},
            {"Year", day.isValid() ? QString::number(day.year()) : QString()},
            {"modifiedat", entry.date + QLatin1Char(' ') + entry.time},
        };
        for (const auto &[column, value] : texts) {
            QVERIFY(cursor.setFieldText(QLatin1String(column), value));
        }
        QVERIFY(cursor.setFieldInteger(QStringLiteral("archived"), archived ? 1 : 0));
        QVERIFY(cursor.post());
    }

private:
    platform::DbConnection m_connection;
};

} // namespace tidewell::test
