#include "app/cli_transfer.h"

#include "platform/transferclient.h"
#include "platform/transferstatus.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace tidewell::app {

namespace {

using platform::TransferClient;

struct UploadArguments {
    QString file;
    QString server;
    QString user;
    QString passwordFile;
    QString directory;
    bool acceptNewHostKey = false;
};

// Fills arguments from args; the reason when they do not make one upload.
QString parseArguments(const QStringList &args, UploadArguments &arguments) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--accept-new-host-key")) {
            arguments.acceptNewHostKey = true;
            continue;
        }
        QString *value = arg == QLatin1String("--server")          ? &arguments.server
                         : arg == QLatin1String("--user")          ? &arguments.user
                         : arg == QLatin1String("--password-file") ? &arguments.passwordFile
                         : arg == QLatin1String("--dir")           ? &arguments.directory
                                                                   : nullptr;
        if (value) {
            if (i + 1 >= args.size()) {
                return QStringLiteral("'%1' needs a value.").arg(arg);
            }
            *value = args[++i];
        } else if (arg.startsWith(QLatin1String("--")) || !arguments.file.isEmpty()) {
            return QStringLiteral("unexpected argument '%1'.").arg(arg);
        } else {
            arguments.file = arg;
        }
    }
    if (arguments.file.isEmpty() || arguments.server.isEmpty() || arguments.user.isEmpty()) {
        return QStringLiteral("'upload' takes FILE, --server and --user.");
    }
    return {};
}

// The first line of the password file, without its line end.
std::optional<QString> readPassword(const QString &path, QTextStream &err) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        err << "Cannot open file " << path << '\n';
        return std::nullopt;
    }
    QByteArray line = file.readLine(64 * 1024);
    while (line.endsWith('\n') || line.endsWith('\r')) {
        line.chop(1);
    }
    return QString::fromUtf8(line);
}

int upload(const UploadArguments &arguments, QTextStream &out, QTextStream &err) {
    auto server = platform::TransferServer::parse(arguments.server);
    if (!server) {
        err << "tidewell-cli: " << server.error() << '\n';
        return 2;
    }
    server->user = arguments.user;
    if (!arguments.passwordFile.isEmpty()) {
        const auto password = readPassword(arguments.passwordFile, err);
        if (!password) {
            return 1;
        }
        server->password = *password;
    }
    if (!QFileInfo(arguments.file).isFile()) {
        err << "Cannot open file " << arguments.file << '\n';
        return 1;
    }

    TransferClient client;
    client.onQuestion = [&](TransferClient::Question question, const QString &text) {
        const bool accept =
            question == TransferClient::Question::UnknownHostKey && arguments.acceptNewHostKey;
        err << text << '\n'
            << (accept ? "Accepted (--accept-new-host-key).\n"
                : question == TransferClient::Question::UnknownHostKey
                    ? "Refused: give --accept-new-host-key to accept a server's first key.\n"
                    : "Refused.\n");
        err.flush();
        return accept;
    };
    platform::showTransferEvents(client, &client, [&out](const QString &line) {
        out << line << '\n';
        out.flush();
    });

    const auto finish = [&](bool stored, const QString &reason) {
        client.logout();
        out << platform::transferOutcomeText(stored, reason) << '\n';
        return stored ? 0 : 1;
    };
    client.login(*server);
    if (const platform::Status loggedIn = client.waitWhileBusy(); !loggedIn) {
        return finish(false, loggedIn.error());
    }
    if (!arguments.directory.isEmpty()) {
        client.changeDirectory(arguments.directory);
        if (const platform::Status changed = client.waitWhileBusy(); !changed) {
            return finish(false, changed.error());
        }
    }
    const QString remote = TransferClient::remoteFilePath(client.currentDirectory(), arguments.file);
    if (!client.store(remote, arguments.file)) {
        return finish(false, QStringLiteral("Cannot open file %1").arg(arguments.file));
    }
    const platform::Status stored = client.waitWhileBusy();
    return finish(stored.ok(), stored.error());
}

} // namespace

QString transferUsage() {
    return QStringLiteral(
        "  upload FILE --server [ftp|ftps|sftp]://HOST[:PORT] --user U [--password-file F] [--dir D]\n"
        "         [--accept-new-host-key]\n"
        "                         send FILE into the server's folder D (else the folder it starts in);\n"
        "                         ftps is FTP over explicit TLS. The password is the first line of F.\n"
        "                         A server's first SSH host key is refused unless --accept-new-host-key\n"
        "                         is given; accepted keys are kept in known_hosts in the user folder.\n");
}

bool runTransferCommand(const QString &command, const QStringList &args, QTextStream &out, QTextStream &err,
                        int &status) {
    if (command != QLatin1String("upload")) {
        return false;
    }
    UploadArguments arguments;
    if (const QString problem = parseArguments(args, arguments); !problem.isEmpty()) {
        err << "tidewell-cli: " << problem << "\nTry 'tidewell-cli --help'.\n";
        status = 2;
        return true;
    }
    status = upload(arguments, out, err);
    return true;
}

} // namespace tidewell::app
