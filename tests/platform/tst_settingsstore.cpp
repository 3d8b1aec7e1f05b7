#include "platform/settingsstore.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

using namespace tidewell::platform;

class TestSettingsStore final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void readRules_data();
    void readRules();
    void pathsAndNames_ignoreLetterCase();
    void openWithoutCreate_leavesStoreUntouched();
    void awkwardValues_surviveRoundTrip();
    void rewrite_keepsOrderAndOneValuePerName();
    void eraseKey_removesSubkeysButNotNeighbours();
    void writtenFile_isPrivateToUser();
    void corruptFile_reportsLineAndIsKept_data();
    void corruptFile_reportsLineAndIsKept();
    void unwritableFolder_reportsError();
    void bytesNotUtf8_keptWhenRewritten();
    void twoProgramsWriting_loseNothing();

private:
    QString file() const { return m_dir->filePath(QStringLiteral("settings.conf")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSettingsStore::init() {
    m_dir = std::make_unique<QTemporaryDir>();
}

void TestSettingsStore::readRules_data() {
    QTest::addColumn<QString>("setup"); // "", "string", "integer": what "v" holds; "nokey": key absent
    QTest::addColumn<bool>("asInteger");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<int>("expectedNumber");

    QTest::newRow("absent key, string reads empty") << "nokey" << false << true << "" << 0;
    QTest::newRow("absent key, integer is an error") << "nokey" << true << false << "" << 0;
    QTest::newRow("absent value, string reads empty") << "" << false << true << "" << 0;
    QTest::newRow("absent value, integer is an error") << "" << true << false << "" << 0;
    QTest::newRow("string read as string") << "string" << false << true << "text" << 0;
    QTest::newRow("integer read as integer") << "integer" << true << true << "" << -7;
    QTest::newRow("integer read as string is an error") << "integer" << false << false << "" << 0;
    QTest::newRow("string read as integer is an error") << "string" << true << false << "" << 0;
}

void TestSettingsStore::readRules() {
    QFETCH(QString, setup);
    QFETCH(bool, asInteger);
    QFETCH(bool, ok);
    QFETCH(QString, expectedText);
    QFETCH(int, expectedNumber);

    SettingsStore store(file());
    const QString path = QStringLiteral("\\software\\hollicore\\tidewell");
    SettingsKey key = *store.openKey(path, true);
    QVERIFY(key.writeString(QStringLiteral("other"), QStringLiteral("x")));
    if (setup == QLatin1String("string")) {
        QVERIFY(key.writeString(QStringLiteral("v"), QStringLiteral("text")));
    } else if (setup == QLatin1String("integer")) {
        QVERIFY(key.writeInteger(QStringLiteral("v"), -7));
    } else if (setup == QLatin1String("nokey")) {
        QVERIFY(store.eraseKey(path));
        QVERIFY(!store.openKey(path, false));
    }

    if (asInteger) {
        const SettingsRead<qint32> read = key.readInteger(QStringLiteral("v"));
        QCOMPARE(read.ok(), ok);
        QCOMPARE(read.value, expectedNumber);
        if (!ok) {
            QVERIFY(read.error.contains(QLatin1String("\"v\"")));
        }
    } else {
        const SettingsRead<QString> read = key.readString(QStringLiteral("v"));
        QCOMPARE(read.ok(), ok);
        QCOMPARE(read.value, expectedText);
        if (!ok) {
            QVERIFY2(read.error.contains(QLatin1String("integer")), qPrintable(read.error));
        }
    }
}

void TestSettingsStore::pathsAndNames_ignoreLetterCase() {
    SettingsStore store(file());
    QVERIFY(store.openKey(QStringLiteral("\\Software\\hollicore\\wrenfold\\MRU Items"), true)
                ->writeString(QStringLiteral("F0"), QStringLiteral("/a.chf")));

    const std::optional<SettingsKey> key =
        store.openKey(QStringLiteral("software\\HOLLICORE\\wrenfold\\mru items\\"), false);
    QVERIFY(key);
    QCOMPARE(key->readString(QStringLiteral("f0")).value, QStringLiteral("/a.chf"));
    // Parents were made along the way.
    QVERIFY(store.openKey(QStringLiteral("\\software\\hollicore"), false));

    // Writing under another spelling replaces the value instead of adding a second one.
    QVERIFY(key->writeString(QStringLiteral("f0"), QStringLiteral("/b.chf")));
    const QList<SettingsValue> values = key->values().value;
    QCOMPARE(values.size(), 1);
    QCOMPARE(values[0].text, QStringLiteral("/b.chf"));
}

void TestSettingsStore::openWithoutCreate_leavesStoreUntouched() {
    SettingsStore store(file());
    QString error;
    QVERIFY(!store.openKey(QStringLiteral("\\software\\hollicore\\tidewell"), false, &error));
    QVERIFY(error.isEmpty());
    QVERIFY(!QFile::exists(file()));
}

void TestSettingsStore::awkwardValues_surviveRoundTrip() {
    const QString awkward = QStringLiteral("quote \" back\\slash [x] = string \"y\"\nline two\r\ttab é ✓");
    SettingsStore store(file());
    SettingsKey key = *store.openKey(QStringLiteral("\\software\\hollicore\\tidewell\\ftp"), true);
    QVERIFY(key.writeString(QStringLiteral("pw"), awkward));
    QVERIFY(key.writeString(QStringLiteral("name with \"quotes\" = "), QStringLiteral("v")));
    QVERIFY(key.writeInteger(QStringLiteral("min"), std::numeric_limits<qint32>::min()));
    QVERIFY(key.writeInteger(QStringLiteral("max"), std::numeric_limits<qint32>::max()));

    SettingsStore reopened(file());
    SettingsKey again = *reopened.openKey(QStringLiteral("\\software\\hollicore\\tidewell\\ftp"), false);
    QCOMPARE(again.readString(QStringLiteral("pw")).value, awkward);
    QCOMPARE(again.readString(QStringLiteral("name with \"quotes\" = ")).value, QStringLiteral("v"));
    QCOMPARE(again.readInteger(QStringLiteral("min")).value, std::numeric_limits<qint32>::min());
    QCOMPARE(again.readInteger(QStringLiteral("max")).value, std::numeric_limits<qint32>::max());
}

void TestSettingsStore::rewrite_keepsOrderAndOneValuePerName() {
    SettingsStore store(file());
    SettingsKey key = *store.openKey(QStringLiteral("k"), true);
    for (const char *name : {"F0", "F1", "F2"}) {
        QVERIFY(key.writeString(QString::fromLatin1(name), QString::fromLatin1(name).toLower()));
    }
    QVERIFY(key.writeInteger(QStringLiteral("F1"), 5)); // changes type in place
    QVERIFY(key.eraseValue(QStringLiteral("f0")));

    const QList<SettingsValue> values = key.values().value;
    QCOMPARE(values.size(), 2);
    QCOMPARE(values[0].name, QStringLiteral("F1"));
    QCOMPARE(values[0].type, SettingsType::Integer);
    QCOMPARE(values[0].number, 5);
    QCOMPARE(values[1].name, QStringLiteral("F2"));
    QCOMPARE(values[1].text, QStringLiteral("f2"));
}

void TestSettingsStore::eraseKey_removesSubkeysButNotNeighbours() {
    SettingsStore store(file());
    QVERIFY(
        store.openKey(QStringLiteral("a\\MRU Items\\deeper"), true)->writeInteger(QStringLiteral("x"), 1));
    QVERIFY(store.openKey(QStringLiteral("a\\MRU Items"), true)
                ->writeString(QStringLiteral("F0"), QStringLiteral("p")));
    QVERIFY(store.openKey(QStringLiteral("a\\MRU Items2"), true)
                ->writeString(QStringLiteral("F0"), QStringLiteral("q")));

    QVERIFY(store.eraseKey(QStringLiteral("\\A\\mru items")));
    QVERIFY(!store.openKey(QStringLiteral("a\\MRU Items"), false));
    QVERIFY(!store.openKey(QStringLiteral("a\\MRU Items\\deeper"), false));
    QCOMPARE(store.openKey(QStringLiteral("a\\MRU Items2"), false)->readString(QStringLiteral("F0")).value,
             QStringLiteral("q"));
    QVERIFY(store.eraseKey(QStringLiteral("never\\there")));
}

void TestSettingsStore::writtenFile_isPrivateToUser() {
    QFile old(file());
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.close();
    QVERIFY(old.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther));

    SettingsStore store(file());
    QVERIFY(store.openKey(QStringLiteral("k"), true)
                ->writeString(QStringLiteral("pw"), QStringLiteral("secret")));
    QCOMPARE(QFile::permissions(file()) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
             QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void TestSettingsStore::corruptFile_reportsLineAndIsKept_data() {
    QTest::addColumn<QByteArray>("badLine");
    QTest::newRow("integer that is text") << QByteArray("\"loadarticle\" = integer yes");
    QTest::newRow("integer out of range") << QByteArray("\"loadarticle\" = integer 4294967296");
    QTest::newRow("unknown type") << QByteArray("\"name\" = binary 00ff");
    QTest::newRow("unterminated string") << QByteArray("\"name\" = string \"Jo");
    QTest::newRow("bad escape") << QByteArray("\"name\" = string \"a\\qb\"");
    QTest::newRow("missing equals") << QByteArray("\"name\" string \"Jo\"");
    QTest::newRow("unquoted name") << QByteArray("name = string \"Jo\"");
    QTest::newRow("trailing text") << QByteArray("\"name\" = string \"Jo\" extra");
    QTest::newRow("unclosed key") << QByteArray("[software\\x");
}

void TestSettingsStore::corruptFile_reportsLineAndIsKept() {
    QFETCH(QByteArray, badLine);
    SettingsStore store(file());
    const SettingsKey openedBefore = *store.openKey(QStringLiteral("software\\hollicore\\tidewell"), true);

    const QByteArray content =
        "# hand edited\n[software\\hollicore\\tidewell]\n\"site\" = string \"s\"\n" + badLine + "\n";
    QFile f(file());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();

    QString error;
    QVERIFY(!store.openKey(QStringLiteral("software\\hollicore\\tidewell"), true, &error));
    QVERIFY2(error.contains(file()) && error.contains(QLatin1String("line 4")), qPrintable(error));

    // Reads and writes through a key opened before the damage fail with the same message, and the file
    // stays as the user left it.
    const SettingsRead<QString> read = openedBefore.readString(QStringLiteral("site"));
    QVERIFY(!read.ok());
    QCOMPARE(read.error, error);
    QVERIFY(!openedBefore.writeString(QStringLiteral("site"), QStringLiteral("new")));
    QVERIFY(!store.eraseKey(QStringLiteral("software")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), content);
}

void TestSettingsStore::unwritableFolder_reportsError() {
    const QString path = m_dir->filePath(QStringLiteral("missing/folder/settings.conf"));
    SettingsStore store(path);
    QString error;
    QVERIFY(!store.openKey(QStringLiteral("k"), true, &error));
    QCOMPARE(error, QStringLiteral("Cannot create file %1: No such file or directory").arg(path));
}

void TestSettingsStore::bytesNotUtf8_keptWhenRewritten() {
    // A file edited by hand in Latin-1, with a stray byte, an overlong form and a UTF-8 surrogate, none
    // of them UTF-8; and real UTF-8 beside them.
    const QByteArray odd = "Jos\xe9 \xff \xc0\xaf \xed\xa0\x80 caf\xc3\xa9 \xf0\x9f\x8c\x8a";
    const QByteArray content =
        "[software\\hollicore\\tidewell]\n\"name\" = string \"" + odd + "\"\n\"pw\xe9\" = string \"p\"\n";
    QFile f(file());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();

    SettingsStore store(file());
    SettingsKey key = *store.openKey(QStringLiteral("software\\hollicore\\tidewell"), false);
    QVERIFY(key.writeInteger(QStringLiteral("loadarticle"), 1));
    // Read and written back as it came, the value keeps its bytes too.
    const SettingsRead<QString> name = key.readString(QStringLiteral("name"));
    QVERIFY(name.ok());
    QVERIFY(name.value.endsWith(QStringLiteral("caf\u00e9 \U0001F30A")));
    QVERIFY(key.writeString(QStringLiteral("email"), name.value));

    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray rewritten = f.readAll();
    QVERIFY2(rewritten.contains(QByteArray("\"name\" = string \"" + odd + "\"\n")), rewritten.constData());
    QVERIFY2(rewritten.contains(QByteArray("\"email\" = string \"" + odd + "\"\n")), rewritten.constData());
    QVERIFY2(rewritten.contains("\"pw\xe9\" = string \"p\"\n"), rewritten.constData());
    QVERIFY(!rewritten.contains("\xef\xbf\xbd")); // no U+FFFD anywhere
}

namespace {
constexpr int kWritesPerProgram = 200;
const char *const kWriterSwitch = "--write-settings";

// The child side of twoProgramsWriting_loseNothing: writes kWritesPerProgram values of its own, each a
// new name, and prints the name of every write that succeeded.
int writeSettingsAsChild(const QString &filePath, const QString &prefix) {
    SettingsStore store(filePath);
    QTextStream out(stdout);
    for (int i = 0; i < kWritesPerProgram; ++i) {
        const QString name = prefix + QString::number(i);
        QString error;
        const std::optional<SettingsKey> key = store.openKey(QStringLiteral("software\\race"), true, &error);
        if (key && (i % 2 == 0 ? key->writeString(name, QStringLiteral("value of ") + name, &error)
                               : key->writeInteger(name, i, &error))) {
            out << name << '\n';
        } else {
            QTextStream(stderr) << error << '\n';
        }
        out.flush();
    }
    return 0;
}
} // namespace

void TestSettingsStore::twoProgramsWriting_loseNothing() {
    QList<QProcess *> writers;
    for (const QString &prefix : {QStringLiteral("a"), QStringLiteral("b")}) {
        auto *process = new QProcess(this);
        process->start(QCoreApplication::applicationFilePath(),
                       {QString::fromLatin1(kWriterSwitch), file(), prefix});
        writers.append(process);
    }
    QStringList reported;
    for (QProcess *process : writers) {
        QVERIFY(process->waitForFinished(120000));
        QCOMPARE(process->exitCode(), 0);
        const QString err = QString::fromUtf8(process->readAllStandardError());
        QVERIFY2(err.isEmpty(), qPrintable(err));
        reported +=
            QString::fromUtf8(process->readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        delete process;
    }
    QCOMPARE(reported.size(), 2 * kWritesPerProgram);

    const SettingsKey key = *SettingsStore(file()).openKey(QStringLiteral("software\\race"), false);
    const QList<SettingsValue> values = key.values().value;
    QCOMPARE(values.size(), 2 * kWritesPerProgram);
    for (const QString &name : reported) {
        const int i = name.mid(1).toInt();
        if (i % 2 == 0) {
            QCOMPARE(key.readString(name).value, QStringLiteral("value of ") + name);
        } else {
            QCOMPARE(key.readInteger(name).value, i);
        }
    }
}

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], kWriterSwitch) == 0) {
        return writeSettingsAsChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    TestSettingsStore test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_settingsstore.moc"
