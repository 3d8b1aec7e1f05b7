#include "platform/remotelisting.h"

#include <QTest>

using namespace tidewell::platform;
using Kind = RemoteEntry::Kind;

Q_DECLARE_METATYPE(QList<RemoteEntry>)

namespace {
RemoteEntry entry(const char *name, Kind kind, qint64 size, const char *target = "") {
    return RemoteEntry{QString::fromUtf8(name), kind, size, QString::fromUtf8(target)};
}
} // namespace

class TestRemoteListing final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
};

void TestRemoteListing::parse_data() {
    QTest::addColumn<QByteArray>("listing");
    QTest::addColumn<QList<RemoteEntry>>("expected");

    QTest::newRow("unix, ls -l with total, dot entries and CR LF")
        << QByteArray("total 24\r\n"
                      "drwxr-xr-x   5 www-data www-data     4096 Mar  3 09:12 .\r\n"
                      "drwxr-xr-x   3 root     root         4096 Jan 14  2023 ..\r\n"
                      "drwxr-xr-x   2 www-data www-data     4096 Mar  3 09:12 htdocs\r\n"
                      "-rw-r--r--   1 www-data www-data    18342 Nov 28  2022 news.xml\r\n")
        << QList<RemoteEntry>{entry("htdocs", Kind::Directory, 4096), entry("news.xml", Kind::File, 18342)};
    QTest::newRow("unix, no group column, symbolic link, name with blanks")
        << QByteArray("lrwxrwxrwx 1 ftp 7 Feb  2 11:00 www -> htdocs\n"
                      "-rw-r--r-- 1 ftp 120 Feb  2 11:00 my feed copy.xml\n")
        << QList<RemoteEntry>{entry("www", Kind::Link, 7, "htdocs"),
                              entry("my feed copy.xml", Kind::File, 120)};
    QTest::newRow("sftp long names, ACL mark, ISO dates, UTF-8")
        << QByteArray("drwxr-xr-x+   3 user     group        4096 2024-05-01 10:00 Bl\xc3\xb6g\n"
                      "-rw-r--r--    1 user     group  5368709120 Dec 31 23:59 backup.tar\n")
        << QList<RemoteEntry>{entry("Bl\xc3\xb6g", Kind::Directory, 4096),
                              entry("backup.tar", Kind::File, 5368709120LL)};
    QTest::newRow("windows/dos listing")
        << QByteArray("02-14-24  10:15AM       <DIR>          htdocs\r\n"
                      "02-14-24  10:16PM                 1234 news.xml\r\n"
                      "12-01-2023  09:00            77 old stuff.txt\r\n")
        << QList<RemoteEntry>{entry("htdocs", Kind::Directory, -1), entry("news.xml", Kind::File, 1234),
                              entry("old stuff.txt", Kind::File, 77)};
    QTest::newRow("plain name list, blank lines, no final line end")
        << QByteArray("htdocs\n\n.\n..\nnews.xml")
        << QList<RemoteEntry>{entry("htdocs", Kind::File, -1), entry("news.xml", Kind::File, -1)};
    QTest::newRow("empty") << QByteArray() << QList<RemoteEntry>{};
    QTest::newRow("lone CR and broken UTF-8 stay within the line")
        << QByteArray("\r\n\r\r\n-rw-r--r-- 1 u g 5 Jan  1  2020 bad\xff.txt")
        << QList<RemoteEntry>{entry("bad\xef\xbf\xbd.txt", Kind::File, 5)};
}

void TestRemoteListing::parse() {
    QFETCH(QByteArray, listing);
    QFETCH(QList<RemoteEntry>, expected);
    const QList<RemoteEntry> entries = parseRemoteListing(listing);
    QCOMPARE(entries.size(), expected.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        QCOMPARE(entries[i].name, expected[i].name);
        QCOMPARE(int(entries[i].kind), int(expected[i].kind));
        QCOMPARE(entries[i].size, expected[i].size);
        QCOMPARE(entries[i].linkTarget, expected[i].linkTarget);
    }
}

QTEST_GUILESS_MAIN(TestRemoteListing)
#include "tst_remotelisting.moc"
