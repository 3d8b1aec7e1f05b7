#include "keyboard.h"
#include "platform/knownhosts.h"
#include "platform/settingsstore.h"
#include "platform/settingsvalues.h"
#include "platform/transferstatus.h"
#include "scriptedprompts.h"
#include "testhome.h"
#include "transfer/rss_upload.h"
#include "transferserver.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

using namespace tidewell;
using platform::PromptAnswer;
using platform::PromptType;
using platform::TransferClient;
using test::ScriptedPrompts;
using test::TestHome;
using transfer::Tfrm_upload;
using Server = test::TransferServer;

namespace {

// A feed as the writer makes it: CR LF line ends, UTF-8, markup inside CDATA.
const QByteArray kFeed =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<rss version=\"2.0\">\r\n<channel>\r\n"
    "<title>Caf\xc3\xa9 news</title>\r\n<description><![CDATA[<p>One\r\n\r\n  two</p>]]>"
    "</description>\r\n</channel>\r\n</rss>\r\n";

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

template <typename T> T *child(QWidget &dialog, const char *name) {
    auto *found = dialog.findChild<T *>(QLatin1String(name));
    if (!found) {
        qFatal("no control %s", name);
    }
    return found;
}

// Types a login into the dialog's fields; protocol is the drop-down's entry (0 FTP, 1 TLS, 2 SFTP).
void typeLogin(Tfrm_upload &dialog, const QString &address, const QString &password, int protocol) {
    child<QComboBox>(dialog, "protocol")->setCurrentIndex(protocol);
    for (const auto &[name, text] :
         {std::pair{"sname", address}, std::pair{"uname", Server::user()}, std::pair{"pw", password}}) {
        auto *field = child<QLineEdit>(dialog, name);
        field->clear();
        QTest::keyClicks(field, text);
    }
}

QString hostAndPort(const Server &server) {
    return QStringLiteral("127.0.0.1:%1").arg(server.port());
}

// Every text the status line showed.
class StatusLog final : public QObject {
public:
    explicit StatusLog(Tfrm_upload &dialog) {
        connect(child<QStatusBar>(dialog, "sbar1"), &QStatusBar::messageChanged, this,
                [this](const QString &text) {
                    if (!text.isEmpty()) {
                        lines << text;
                    }
                });
    }
    QStringList lines;
};

} // namespace

class TestUploadDialog final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void loginSettings_freshInstallThenRemembered();
    void loginSettings_unreadableValue_leavesItAndLaterFieldsEmpty();
    void upload_data();
    void upload();
    void failedLogin_data();
    void failedLogin();
    void refusedUpload_showsErrorNeverCompleted();
    void closingDuringWait_cancelsIt_data();
    void closingDuringWait_cancelsIt();

private:
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<ScriptedPrompts> m_prompts;
};

void TestUploadDialog::init() {
    m_home = std::make_unique<TestHome>();
    m_prompts = std::make_unique<ScriptedPrompts>();
}

void TestUploadDialog::cleanup() {
    m_prompts.reset();
    m_home.reset();
}

void TestUploadDialog::loginSettings_freshInstallThenRemembered() {
    QTcpServer closed; // a port where nothing listens: the login fails, the settings are written anyway
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const QString address = QStringLiteral("127.0.0.1:%1").arg(closed.serverPort());
    closed.close();
    {
        Tfrm_upload dialog;
        QVERIFY(child<QLineEdit>(dialog, "sname")->text().isEmpty());
        QVERIFY(child<QLineEdit>(dialog, "uname")->text().isEmpty());
        QVERIFY(child<QLineEdit>(dialog, "pw")->text().isEmpty());
        QCOMPARE(child<QComboBox>(dialog, "protocol")->currentText(), QStringLiteral("FTP"));
        QVERIFY(child<QToolButton>(dialog, "SpeedButton2")->isChecked());
        QVERIFY(!child<QToolButton>(dialog, "SpeedButton1")->isChecked());
        QCOMPARE(child<QLineEdit>(dialog, "pw")->echoMode(), QLineEdit::Password);
        typeLogin(dialog, address, QStringLiteral("p4ss word!"), 1);
        m_prompts->answer(PromptAnswer::Ok); // the login error box
        QTest::mouseClick(child<QToolButton>(dialog, "SpeedButton1"), Qt::LeftButton);
        QVERIFY(!dialog.ftp1.isBusy());
    }
    Tfrm_upload reopened;
    QCOMPARE(child<QLineEdit>(reopened, "sname")->text(), address);
    QCOMPARE(child<QLineEdit>(reopened, "uname")->text(), Server::user());
    QCOMPARE(child<QLineEdit>(reopened, "pw")->text(), QStringLiteral("p4ss word!"));
    QCOMPARE(child<QComboBox>(reopened, "protocol")->currentText(), QStringLiteral("FTP over TLS"));
    QCOMPARE(platform::settings::ftpProtocol.value(), QStringLiteral("ftps"));
    QCOMPARE(m_prompts->unexpected(), 0);
}

void TestUploadDialog::loginSettings_unreadableValue_leavesItAndLaterFieldsEmpty() {
    const auto key = platform::SettingsStore().openKey(platform::settings::kFtpKey, true);
    QVERIFY(key);
    QVERIFY(key->writeString(QStringLiteral("sname"), QStringLiteral("ftp.example.com")));
    QVERIFY(key->writeInteger(QStringLiteral("uname"), 7)); // another program wrote a number
    QVERIFY(key->writeString(QStringLiteral("pw"), QStringLiteral("secret")));
    QVERIFY(key->writeString(QStringLiteral("protocol"), QStringLiteral("sftp")));

    m_prompts->answer(PromptAnswer::Ok);
    Tfrm_upload dialog;
    QCOMPARE(m_prompts->asked().size(), 1);
    QCOMPARE(m_prompts->asked().first().type, PromptType::Error);
    QCOMPARE(child<QLineEdit>(dialog, "sname")->text(), QStringLiteral("ftp.example.com"));
    QVERIFY(child<QLineEdit>(dialog, "uname")->text().isEmpty());
    QVERIFY(child<QLineEdit>(dialog, "pw")->text().isEmpty());
    QCOMPARE(child<QComboBox>(dialog, "protocol")->currentText(), QStringLiteral("FTP"));
}

void TestUploadDialog::upload_data() {
    QTest::addColumn<int>("protocol");
    QTest::addColumn<QString>("changeBy"); // "rpath", "tree" or "" (stay at the root)
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("storedAs");

    QTest::newRow("ftp, directory typed into rpath") << int(Server::Protocol::Ftp) << "rpath"
                                                     << "\\htdocs\\rss"
                                                     << "htdocs/rss/news.xml";
    QTest::newRow("ftp, directory picked in the tree") << int(Server::Protocol::Ftp) << "tree"
                                                       << "\\htdocs"
                                                       << "htdocs/news.xml";
    QTest::newRow("ftp, root") << int(Server::Protocol::Ftp) << ""
                               << ""
                               << "news.xml";
    QTest::newRow("sftp, first host key accepted") << int(Server::Protocol::Sftp) << "rpath"
                                                   << "/htdocs/rss"
                                                   << "htdocs/rss/news.xml";
    QTest::newRow("ftp over tls, certificate accepted") << int(Server::Protocol::Ftps) << "rpath"
                                                        << "\\htdocs"
                                                        << "htdocs/news.xml";
}

void TestUploadDialog::upload() {
    QFETCH(int, protocol);
    QFETCH(QString, changeBy);
    QFETCH(QString, directory);
    QFETCH(QString, storedAs);

    Server server{Server::Protocol(protocol)};
    QVERIFY2(server.started(), qPrintable(server.errorOutput()));
    QDir(server.root()).mkpath(QStringLiteral("htdocs/rss"));
    QDir(server.root()).mkpath(QStringLiteral(".hidden"));
    writeFile(server.filePath(QStringLiteral("readme.txt")), "not a folder");
    const QString feed = m_home->filePath(QStringLiteral("feeds/news.xml"));
    writeFile(feed, kFeed);

    Tfrm_upload dialog;
    StatusLog status(dialog);
    QStringList commands;
    connect(&dialog.ftp1, &TransferClient::commandSent, &dialog,
            [&commands](const QString &line) { commands << line; });
    dialog.setSelectedFeed(feed);
    typeLogin(dialog, hostAndPort(server), Server::password(),
              protocol == int(Server::Protocol::Ftp)    ? 0
              : protocol == int(Server::Protocol::Ftps) ? 1
                                                        : 2);
    if (protocol != int(Server::Protocol::Ftp)) {
        m_prompts->answer(PromptAnswer::Yes); // the unknown host key or certificate
    }

    // Enter released in the password field connects, and the wait ends logged in.
    QVERIFY(test::focusField(child<QLineEdit>(dialog, "pw")));
    test::pressEnter();
    QCOMPARE(dialog.ftp1.state(), TransferClient::State::Ready);
    QVERIFY(child<QToolButton>(dialog, "SpeedButton1")->isChecked());
    QVERIFY(!child<QToolButton>(dialog, "SpeedButton2")->isChecked());
    QVERIFY2(status.lines.contains(QStringLiteral("Connected to server")),
             qPrintable(status.lines.join(u'|')));
    if (protocol != int(Server::Protocol::Sftp)) {
        QVERIFY(status.lines.contains(QStringLiteral(" Info : 230 Login successful.")));
    }

    // The tree holds the server's folders, without hidden ones or files; rpath shows where it is.
    QTreeWidget *tree = child<QTreeWidget>(dialog, "ftpdir");
    QCOMPARE(tree->topLevelItemCount(), 1);
    QTreeWidgetItem *root = tree->topLevelItem(0);
    QCOMPARE(root->childCount(), 1);
    QCOMPARE(root->child(0)->text(0), QStringLiteral("htdocs"));
    QCOMPARE(child<QComboBox>(dialog, "rpath")->count(), 1);
    QCOMPARE(child<QComboBox>(dialog, "rpath")->currentText(), QString());

    if (changeBy == QLatin1String("rpath")) {
        QVERIFY(test::focusField(child<QComboBox>(dialog, "rpath")));
        QTest::keyClicks(QApplication::focusWidget(), directory);
        test::pressEnter();
    } else if (changeBy == QLatin1String("tree")) {
        const QRect place = tree->visualItemRect(root->child(0));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, place.center());
    }
    if (!changeBy.isEmpty()) {
        QTRY_COMPARE(child<QComboBox>(dialog, "rpath")->count(), 2);
        QVERIFY(!dialog.ftp1.isBusy());
        QCOMPARE(child<QComboBox>(dialog, "rpath")->currentText(), QString(directory).replace(u'/', u'\\'));
        QCOMPARE(tree->currentItem()->text(0),
                 directory.section(QRegularExpression(QStringLiteral("[/\\\\]")), -1));
        QCOMPARE(child<QComboBox>(dialog, "rpath")->itemText(0),
                 QString()); // the list keeps every directory shown
    }

    QTest::mouseClick(child<QPushButton>(dialog, "SpeedButton3"), Qt::LeftButton);
    QCOMPARE(readFile(server.filePath(storedAs)), kFeed);
    QCOMPARE(status.lines.last(), QStringLiteral("Operation completed.."));
    QVERIFY(status.lines.contains(QStringLiteral("Disconnected from server..")));
    QCOMPARE(dialog.ftp1.state(), TransferClient::State::Idle);
    QVERIFY(child<QToolButton>(dialog, "SpeedButton2")->isChecked());
    if (protocol != int(Server::Protocol::Sftp)) {
        QVERIFY2(commands.contains(QStringLiteral("STOR /") + storedAs), qPrintable(commands.join(u'|')));
    }

    // A second upload without Connect sends nothing and does not claim to have.
    QFile::remove(server.filePath(storedAs));
    QTest::mouseClick(child<QPushButton>(dialog, "SpeedButton3"), Qt::LeftButton);
    QVERIFY(status.lines.last().startsWith(QLatin1String("Error : ")));
    QVERIFY(!QFile::exists(server.filePath(storedAs)));
    QCOMPARE(m_prompts->unexpected(), 0);
}

void TestUploadDialog::failedLogin_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("boxesBefore"); // boxes the client shows before the login error box
    QTest::newRow("ftp wrong password") << "password" << 0;
    QTest::newRow("refused port") << "refused" << 0;
    QTest::newRow("sftp unknown host key, No") << "unknown key" << 1;
    QTest::newRow("sftp changed host key") << "changed key" << 1;
}

void TestUploadDialog::failedLogin() {
    QFETCH(QString, kind);
    QFETCH(int, boxesBefore);

    std::unique_ptr<Server> server;
    QString address;
    QString password = Server::password();
    int protocol = 0;
    if (kind == QLatin1String("refused")) {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        address = QStringLiteral("127.0.0.1:%1").arg(closed.serverPort());
    } else {
        const bool sftp = kind.endsWith(QLatin1String("key"));
        server = std::make_unique<Server>(sftp ? Server::Protocol::Sftp : Server::Protocol::Ftp);
        QVERIFY2(server->started(), qPrintable(server->errorOutput()));
        address = hostAndPort(*server);
        protocol = sftp ? 2 : 0;
        if (kind == QLatin1String("password")) {
            password = QStringLiteral("wrong");
        } else if (kind == QLatin1String("unknown key")) {
            m_prompts->answer(PromptAnswer::No);
        } else {
            writeFile(
                platform::KnownHosts::defaultFile(),
                QStringLiteral("[127.0.0.1]:%1 %2\n").arg(server->port()).arg(server->otherKey()).toLatin1());
            m_prompts->answer(PromptAnswer::Ok); // the warning
        }
    }
    m_prompts->answer(PromptAnswer::Ok); // the login error box

    Tfrm_upload dialog;
    StatusLog status(dialog);
    typeLogin(dialog, address, password, protocol);
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(child<QToolButton>(dialog, "SpeedButton1"), Qt::LeftButton);
    QVERIFY(timer.elapsed() < 30000); // the wait ended by itself

    QCOMPARE(m_prompts->asked().size(), boxesBefore + 1);
    const ScriptedPrompts::Asked box = m_prompts->asked().last();
    QCOMPARE(box.type, PromptType::Error);
    QCOMPARE(box.text, platform::loginErrorBoxText());
    QCOMPARE(box.buttons, platform::PromptButtons::Ok);
    QVERIFY2(std::any_of(status.lines.cbegin(), status.lines.cend(),
                         [](const QString &line) { return line.startsWith(QLatin1String("Error : ")); }),
             qPrintable(status.lines.join(u'|')));
    QCOMPARE(dialog.ftp1.state(), TransferClient::State::Idle);
    QVERIFY(child<QToolButton>(dialog, "SpeedButton2")->isChecked());
    QVERIFY(!child<QToolButton>(dialog, "SpeedButton1")->isChecked());
    QCOMPARE(m_prompts->unexpected(), 0);
}

void TestUploadDialog::refusedUpload_showsErrorNeverCompleted() {
    Server server(Server::Protocol::Ftp, {QStringLiteral("--readonly")});
    QVERIFY2(server.started(), qPrintable(server.errorOutput()));
    const QString feed = m_home->filePath(QStringLiteral("news.xml"));
    writeFile(feed, kFeed);

    Tfrm_upload dialog;
    StatusLog status(dialog);
    // No feed selected: a box, and nothing goes out.
    m_prompts->answer(PromptAnswer::Ok);
    QTest::mouseClick(child<QPushButton>(dialog, "SpeedButton3"), Qt::LeftButton);
    QCOMPARE(m_prompts->lastText(), QStringLiteral("You have no feed to upload"));
    QVERIFY(status.lines.isEmpty());

    dialog.setSelectedFeed(feed);
    typeLogin(dialog, hostAndPort(server), Server::password(), 0);
    QTest::mouseClick(child<QToolButton>(dialog, "SpeedButton1"), Qt::LeftButton);
    QCOMPARE(dialog.ftp1.state(), TransferClient::State::Ready);
    QTest::mouseClick(child<QPushButton>(dialog, "SpeedButton3"), Qt::LeftButton);
    QVERIFY(!status.lines.contains(QStringLiteral("Operation completed..")));
    QVERIFY2(status.lines.last().startsWith(QLatin1String("Error : ")), qPrintable(status.lines.join(u'|')));
    QVERIFY(std::any_of(status.lines.cbegin(), status.lines.cend(),
                        [](const QString &line) { return line.startsWith(QLatin1String("Error : 550")); }));
    QVERIFY(!QFile::exists(server.filePath(QStringLiteral("news.xml"))));
    QCOMPARE(dialog.ftp1.state(), TransferClient::State::Idle);
    QCOMPARE(m_prompts->unexpected(), 0);
}

void TestUploadDialog::closingDuringWait_cancelsIt_data() {
    QTest::addColumn<bool>("duringUpload");
    QTest::newRow("login to a server that never greets") << false;
    QTest::newRow("upload in progress") << true;
}

void TestUploadDialog::closingDuringWait_cancelsIt() {
    QFETCH(bool, duringUpload);

    std::unique_ptr<Server> server;
    QTcpServer silent; // accepts, then says nothing
    QString address;
    const QString big = m_home->filePath(QStringLiteral("big.xml"));
    if (duringUpload) {
        server = std::make_unique<Server>(Server::Protocol::Ftp,
                                          QStringList{QStringLiteral("--throttle"), QStringLiteral("65536")});
        QVERIFY2(server->started(), qPrintable(server->errorOutput()));
        address = hostAndPort(*server);
        writeFile(big, QByteArray(8 * 1024 * 1024, 'x'));
    } else {
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        address = QStringLiteral("127.0.0.1:%1").arg(silent.serverPort());
    }

    Tfrm_upload dialog;
    StatusLog status(dialog);
    dialog.setSelectedFeed(big);
    typeLogin(dialog, address, Server::password(), 0);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    if (duringUpload) {
        QTest::mouseClick(child<QToolButton>(dialog, "SpeedButton1"), Qt::LeftButton);
        QCOMPARE(dialog.ftp1.state(), TransferClient::State::Ready);
        connect(&dialog.ftp1, &TransferClient::storeProgress, &dialog, [&dialog](qint64 sent, qint64) {
            if (sent > 0 && dialog.isVisible()) {
                QTimer::singleShot(0, &dialog, [&dialog] { dialog.close(); });
            }
        });
    } else {
        QTimer::singleShot(300, &dialog, [&dialog] { dialog.close(); });
    }
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(duringUpload ? static_cast<QWidget *>(child<QPushButton>(dialog, "SpeedButton3"))
                                   : static_cast<QWidget *>(child<QToolButton>(dialog, "SpeedButton1")),
                      Qt::LeftButton);
    QVERIFY(timer.elapsed() < 20000);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.ftp1.state(), TransferClient::State::Idle);
    QVERIFY(!dialog.ftp1.isConnected());
    QVERIFY(!status.lines.contains(QStringLiteral("Operation completed..")));
    if (duringUpload) {
        QVERIFY(QFileInfo(server->filePath(QStringLiteral("big.xml"))).size() < 8 * 1024 * 1024);
    }
}

QTEST_MAIN(TestUploadDialog)
#include "tst_uploaddialog.moc"
