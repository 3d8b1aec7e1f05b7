#include "channel/categoryfile.h"
#include "teststrings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using tidewell::channel::CategoryFile;

namespace {
using tidewell::test::strings;

} // namespace

class TestCategoryFile final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void add_data();
    void add();
    void saveThenLoad_keepsEntriesAndLineEnds();
    void load_missingFile_isEmpty();
    void load_toleratesLfAndLastLineWithoutBreak();
    void save_unwritablePath_reportsAndKeepsOldFile();
};

void TestCategoryFile::add_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("added");
    QTest::addColumn<QStringList>("expected");

    const QStringList news = {QStringLiteral("News"), QStringLiteral("Sport")};
    QTest::newRow("new entry goes in order")
        << news << "Music" << true << strings({"Music", "News", "Sport"});
    QTest::newRow("exact duplicate") << news << "News" << false << news;
    QTest::newRow("other letter case is new") << news << "news" << true << strings({"News", "news", "Sport"});
    QTest::newRow("empty text added once") << news << "" << true << strings({"", "News", "Sport"});
    QTest::newRow("empty entry exists") << strings({"", "News"}) << "" << false << strings({"", "News"});
    QTest::newRow("into empty list") << QStringList{} << "Tech" << true << strings({"Tech"});
}

void TestCategoryFile::add() {
    QFETCH(QStringList, entries);
    QFETCH(QString, text);
    QFETCH(bool, added);
    QFETCH(QStringList, expected);
    QCOMPARE(CategoryFile::add(entries, text), added);
    QCOMPARE(entries, expected);
}

void TestCategoryFile::saveThenLoad_keepsEntriesAndLineEnds() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("category.dat"));
    const QStringList entries = {QStringLiteral("Café"), QStringLiteral("News"), QStringLiteral("news")};
    QVERIFY(CategoryFile::save(path, entries));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("Caf\xc3\xa9\r\nNews\r\nnews\r\n"));
    QCOMPARE(CategoryFile::load(path), entries);
}

void TestCategoryFile::load_missingFile_isEmpty() {
    QTemporaryDir dir;
    QVERIFY(CategoryFile::load(dir.filePath(QStringLiteral("none.dat"))).isEmpty());
}

void TestCategoryFile::load_toleratesLfAndLastLineWithoutBreak() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("category.dat"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Zeta\nalpha\r\nBeta");
    file.close();
    // Loaded sorted, as the drop-down keeps its list.
    QCOMPARE(CategoryFile::load(path), (strings({"alpha", "Beta", "Zeta"})));
}

void TestCategoryFile::save_unwritablePath_reportsAndKeepsOldFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing-folder/category.dat"));
    QString error;
    QVERIFY(!CategoryFile::save(path, {QStringLiteral("x")}, &error));
    QCOMPARE(error, QStringLiteral("Cannot create file %1: No such file or directory").arg(path));
}

QTEST_GUILESS_MAIN(TestCategoryFile)
#include "tst_categoryfile.moc"
