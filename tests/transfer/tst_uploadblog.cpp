#include "platform/settingsvalues.h"
#include "platform/transferclient.h"
#include "scriptedprompts.h"
#include "testhome.h"
#include "transfer/folderupload.h"
#include "transfer/rss_uploadblog.h"
#include "transferserver.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

using namespace tidewell;
using platform::PromptAnswer;
using platform::TransferClient;
using test::ScriptedPrompts;
using test::TestHome;
using transfer::FolderUpload;
using transfer::FolderUploadProgress;
using transfer::Tfrm_uploadblog;
using Server = test::TransferServer;

namespace {

void writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Every file below folder: relative path -> bytes.
QMap<QString, QByteArray> treeOf(const QString &folder) {
    QMap<QString, QByteArray> tree;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        tree.insert(QDir(folder).relativeFilePath(file.fileName()),
                    file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>"));
    }
    return tree;
}

// A published blog as the publisher leaves it: pages with CR LF, a style sheet, a picture, archive pages
// in a subfolder, a name with a blank, a hidden server file.
void writePublishedBlog(const QString &folder) {
    writeFile(folder + QStringLiteral("/index.htm"),
              "<html>\r\n<head><link href=\"style.css\" rel=\"stylesheet\"></head>\r\n<body>\r\n"
              "<!-- start of blogging data -->\r\n</body>\r\n</html>\r\n");
    writeFile(folder + QStringLiteral("/style.css"), "body { color: #333; }\r\n");
    writeFile(folder + QStringLiteral("/images/logo.png"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    writeFile(folder + QStringLiteral("/archive/2024/months.htm"), "<p>May 2024</p>\r\n");
    writeFile(folder + QStringLiteral("/TW0123 entry.htm"), "<title>Caf\xc3\xa9</title>\r\n");
    writeFile(folder + QStringLiteral("/.htaccess"), "Options -Indexes\n");
}

template <typename T> T *child(QWidget &window, const char *name) {
    auto *found = window.findChild<T *>(QLatin1String(name));
    if (!found) {
        qFatal("no control %s", name);
    }
    return found;
}

platform::TransferServer loginOf(const Server &server) {
    platform::TransferServer login = *platform::TransferServer::parse(server.address());
    login.user = Server::user();
    login.password = Server::password();
    return login;
}

// Records what a run reports.
class RecordingProgress final : public FolderUploadProgress {
public:
    void status(const QString &text) override { statuses << text; }
    void setMaximum(int value) override { maximum = value; }
    void setPosition(int value) override { position = value; }
    void fileStarted(const QString &relativePath, qint64) override { started << relativePath; }
    void fileProgress(qint64 sent, qint64 total) override {
        if (sent > total) {
            overshoot = true;
        }
    }
    QStringList statuses;
    QStringList started;
    int maximum = -1;
    int position = -1;
    bool overshoot = false;
};

} // namespace

class TestUploadBlog final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void remoteFolder_data();
    void remoteFolder();
    void nothingToUpload_failsBeforeConnecting_data();
    void nothingToUpload_failsBeforeConnecting();
    void storesEveryFile_data();
    void storesEveryFile();
    void failureHalfWay_isReportedNeverSuccess();
    void window_data();
    void window();

private:
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<ScriptedPrompts> m_prompts;
};

void TestUploadBlog::init() {
    m_home = std::make_unique<TestHome>();
    m_prompts = std::make_unique<ScriptedPrompts>();
}

void TestUploadBlog::cleanup() {
    m_prompts.reset();
    m_home.reset();
}

void TestUploadBlog::remoteFolder_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("expected");
    QTest::newRow("absolute") << "/var/www/blog/"
                              << "/home/tester"
                              << "/var/www/blog";
    QTest::newRow("relative, below the start") << "public_html/blog"
                                               << "/home/tester"
                                               << "/home/tester/public_html/blog";
    QTest::newRow("backslashes") << "\\htdocs\\blog"
                                 << "/"
                                 << "/htdocs/blog";
    QTest::newRow("empty is the start") << "  "
                                        << "/home/tester"
                                        << "/home/tester";
    QTest::newRow("root") << "/"
                          << "/home/tester"
                          << "/";
}

void TestUploadBlog::remoteFolder() {
    QFETCH(QString, folder);
    QFETCH(QString, start);
    QFETCH(QString, expected);
    QCOMPARE(FolderUpload::remoteFolder(folder, start), expected);
}

void TestUploadBlog::nothingToUpload_failsBeforeConnecting_data() {
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing folder") << false;
    QTest::newRow("folder with only empty folders") << true;
}

void TestUploadBlog::nothingToUpload_failsBeforeConnecting() {
    QFETCH(bool, exists);
    const QString folder = m_home->filePath(QStringLiteral("published"));
    if (exists) {
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/images")));
    }
    TransferClient client;
    bool connected = false;
    connect(&client, &TransferClient::connected, this, [&connected] { connected = true; });
    RecordingProgress progress;
    platform::TransferServer nowhere;
    nowhere.host = QStringLiteral("127.0.0.1");
    nowhere.port = 1;
    const auto result = FolderUpload::run(client, nowhere, folder, QStringLiteral("/blog"), progress);
    QVERIFY(!result);
    QVERIFY(result.error().contains(folder));
    QVERIFY(!connected);
    QVERIFY(FolderUpload::outcomeText(result, QStringLiteral("/blog")).startsWith(QLatin1String("Error : ")));
}

void TestUploadBlog::storesEveryFile_data() {
    QTest::addColumn<int>("protocol");
    QTest::newRow("ftp") << int(Server::Protocol::Ftp);
    QTest::newRow("sftp") << int(Server::Protocol::Sftp);
}

void TestUploadBlog::storesEveryFile() {
    QFETCH(int, protocol);
    Server server{Server::Protocol(protocol)};
    QVERIFY2(server.started(), qPrintable(server.errorOutput()));
    QDir(server.root()).mkpath(QStringLiteral("site"));
    writeFile(server.filePath(QStringLiteral("site/blog/index.htm")),
              "an older index, much longer than the new");
    const QString published = m_home->filePath(QStringLiteral("published"));
    writePublishedBlog(published);

    TransferClient client;
    client.onQuestion = [](TransferClient::Question, const QString &) { return true; };
    RecordingProgress progress;
    const auto result =
        FolderUpload::run(client, loginOf(server), published, QStringLiteral("/site/blog"), progress);
    QVERIFY2(result, qPrintable(result.error()));
    const QMap<QString, QByteArray> local = treeOf(published);
    QCOMPARE(*result, int(local.size()));
    QCOMPARE(treeOf(server.filePath(QStringLiteral("site/blog"))), local);
    QCOMPARE(progress.maximum, int(local.size()));
    QCOMPARE(progress.position, int(local.size()));
    QCOMPARE(progress.started, QStringList(local.keys()));
    QVERIFY(!progress.overshoot);
    QCOMPARE(client.state(), TransferClient::State::Idle);
    QCOMPARE(FolderUpload::outcomeText(result, QStringLiteral("/site/blog")),
             QStringLiteral("%1 files stored in /site/blog.").arg(local.size()));
}

void TestUploadBlog::failureHalfWay_isReportedNeverSuccess() {
    Server server(Server::Protocol::Ftp);
    QVERIFY2(server.started(), qPrintable(server.errorOutput()));
    // Where the second page should go, the server has a folder of that name.
    QDir(server.root()).mkpath(QStringLiteral("blog/b/page.htm"));
    const QString published = m_home->filePath(QStringLiteral("published"));
    writeFile(published + QStringLiteral("/a.htm"), "a\r\n");
    writeFile(published + QStringLiteral("/b/page.htm"), "b\r\n");
    writeFile(published + QStringLiteral("/c.htm"), "c\r\n");

    TransferClient client;
    RecordingProgress progress;
    const auto result =
        FolderUpload::run(client, loginOf(server), published, QStringLiteral("blog"), progress);
    QVERIFY(!result);
    QVERIFY2(result.error().contains(QLatin1String("b/page.htm")), qPrintable(result.error()));
    QVERIFY2(result.error().startsWith(QLatin1String("1 of 3 ")), qPrintable(result.error()));
    QCOMPARE(progress.position, 1);
    QCOMPARE(progress.started, (QStringList{QStringLiteral("a.htm"), QStringLiteral("b/page.htm")}));
    QVERIFY(QFile::exists(server.filePath(QStringLiteral("blog/a.htm"))));
    QVERIFY(!QFile::exists(server.filePath(QStringLiteral("blog/c.htm"))));
    const QString outcome = FolderUpload::outcomeText(result, QStringLiteral("blog"));
    QVERIFY(outcome.startsWith(QLatin1String("Error : ")));
    QVERIFY(!outcome.contains(QLatin1String("stored in")));
    QCOMPARE(client.state(), TransferClient::State::Idle);
}

void TestUploadBlog::window_data() {
    QTest::addColumn<bool>("cancel");
    QTest::newRow("whole folder") << false;
    QTest::newRow("cancelled during a file") << true;
}

void TestUploadBlog::window() {
    QFETCH(bool, cancel);
    Server server(Server::Protocol::Ftp,
                  cancel ? QStringList{QStringLiteral("--throttle"), QStringLiteral("65536")}
                         : QStringList());
    QVERIFY2(server.started(), qPrintable(server.errorOutput()));
    const QString published = m_home->filePath(QStringLiteral("published"));
    writePublishedBlog(published);
    writeFile(published + QStringLiteral("/images/big.jpg"),
              QByteArray(cancel ? 8 * 1024 * 1024 : 1000, 'j'));
    namespace settings = platform::settings;
    QVERIFY(settings::ftpServer.write(QStringLiteral("127.0.0.1:%1").arg(server.port())));
    QVERIFY(settings::ftpUser.write(Server::user()));
    QVERIFY(settings::ftpPassword.write(Server::password()));
    QVERIFY(settings::ftpProtocol.write(QStringLiteral("ftp")));

    Tfrm_uploadblog window(nullptr, published);
    QCOMPARE(window.windowTitle(), QStringLiteral("Upload blog"));
    // The login comes filled from the feed upload's settings.
    QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("sname"))->text(), settings::ftpServer.value());
    QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("pw"))->text(), Server::password());
    QCOMPARE(window.findChild<QComboBox *>(QStringLiteral("protocol"))->currentText(), QStringLiteral("FTP"));
    QVERIFY(!child<QPushButton>(window, "Button2")->isEnabled());
    window.show();
    QTest::keyClicks(child<QLineEdit>(window, "rfolder"), QStringLiteral("/www/blog"));

    int fileBarPeak = 0;
    connect(child<QProgressBar>(window, "filebar"), &QProgressBar::valueChanged, this,
            [&fileBarPeak](int value) { fileBarPeak = std::max(fileBarPeak, value); });
    if (cancel) {
        connect(&window.ftp1, &TransferClient::storeProgress, &window, [&window](qint64 sent, qint64 total) {
            if (sent > 0 && total > 1024 * 1024 && window.uploading()) {
                QVERIFY(child<QPushButton>(window, "Button2")->isEnabled());
                QTimer::singleShot(0, &window, [&window] {
                    QTest::mouseClick(child<QPushButton>(window, "Button2"), Qt::LeftButton);
                });
            }
        });
    }
    QTest::mouseClick(child<QPushButton>(window, "Button1"), Qt::LeftButton);

    QVERIFY(!window.uploading());
    QCOMPARE(window.ftp1.state(), TransferClient::State::Idle);
    const QString result = child<QLabel>(window, "result")->text();
    const QMap<QString, QByteArray> local = treeOf(published);
    if (cancel) {
        QVERIFY2(result.startsWith(QLatin1String("Error : ")), qPrintable(result));
        QVERIFY2(result.contains(QLatin1String("images/big.jpg")), qPrintable(result));
        QVERIFY(child<QProgressBar>(window, "totalbar")->value() < local.size());
        QVERIFY(QFileInfo(server.filePath(QStringLiteral("www/blog/images/big.jpg"))).size() <
                8 * 1024 * 1024);
    } else {
        QCOMPARE(result, QStringLiteral("%1 files stored in /www/blog.").arg(local.size()));
        QCOMPARE(treeOf(server.filePath(QStringLiteral("www/blog"))), local);
        QCOMPARE(child<QProgressBar>(window, "totalbar")->value(), int(local.size()));
        QCOMPARE(child<QProgressBar>(window, "totalbar")->maximum(), int(local.size()));
        QVERIFY(fileBarPeak > 0);
    }
    QVERIFY(child<QPushButton>(window, "Button1")->isEnabled());
    QVERIFY(!child<QPushButton>(window, "Button2")->isEnabled());
    QCOMPARE(m_prompts->unexpected(), 0);
}

QTEST_MAIN(TestUploadBlog)
#include "tst_uploadblog.moc"
