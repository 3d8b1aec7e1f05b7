#include "app/cli_transfer.h"

#include "app/printedprogress.h"
#include "platform/folders.h"
#include "platform/transferclient.h"
#include "platform/transferstatus.h"
#include "transfer/feedupload.h"
#include "transfer/folderupload.h"

#include <optional>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <variant>

namespace tidewell::app {

namespace {

using platform::TransferClient;

// The arguments of upload and upload-blog: one positional (FILE or FOLDER) and the login options.
struct TransferArguments {
    QString positional;
    QString server;
    QString user;
    QString passwordFile;
    QString directory;
    bool acceptNewHostKey = false;
};

// Fills arguments from args; the reason when they do not make one command.
QString parseArguments(const QStringList &args, TransferArguments &arguments) {
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
        } else if (arg.startsWith(QLatin1String("--")) || !arguments.positional.isEmpty()) {
            return QStringLiteral("unexpected argument '%1'.").arg(arg);
        } else {
            arguments.positional = arg;
        }
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

// The server to log in to, or the exit status when the arguments do not name one.
std::variant<platform::TransferServer, int> serverOf(const TransferArguments &arguments, QTextStream &err) {
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
    return *server;
}

// Answers the client's questions from the options and prints its events, one line each.
void attach(TransferClient &client, const TransferArguments &arguments, QTextStream &out, QTextStream &err) {
    client.onQuestion = [&arguments, &err](TransferClient::Question question, const QString &text) {
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
}

int upload(const TransferArguments &arguments, QTextStream &out, QTextStream &err) {
    const auto server = serverOf(arguments, err);
    if (const int *status = std::get_if<int>(&server)) {
        return *status;
    }
    if (!QFileInfo(arguments.positional).isFile()) {
        err << "Cannot open file " << arguments.positional << '\n';
        return 1;
    }

    TransferClient client;
    attach(client, arguments, out, err);
    const auto finish = [&](const platform::Status &result) {
        client.logout();
        out << platform::transferOutcomeText(result.ok(), result.error()) << '\n';
        return result.ok() ? 0 : 1;
    };
    client.login(std::get<platform::TransferServer>(server));
    if (const platform::Status loggedIn = client.waitWhileBusy(); !loggedIn) {
        return finish(loggedIn);
    }
    if (!arguments.directory.isEmpty()) {
        client.changeDirectory(arguments.directory);
        if (const platform::Status changed = client.waitWhileBusy(); !changed) {
            return finish(changed);
        }
    }
    return finish(transfer::FeedUpload::storeInCurrentDirectory(client, arguments.positional));
}

int uploadBlog(const TransferArguments &arguments, QTextStream &out, QTextStream &err) {
    const auto server = serverOf(arguments, err);
    if (const int *status = std::get_if<int>(&server)) {
        return *status;
    }
    const QString folder = arguments.positional.isEmpty()
                               ? QDir(platform::Folders::userFolder()).filePath(QStringLiteral("published"))
                               : arguments.positional;
    TransferClient client;
    attach(client, arguments, out, err);
    PrintedProgress<transfer::FolderUploadProgress> progress(out);
    const platform::Result<int> stored = transfer::FolderUpload::run(
        client, std::get<platform::TransferServer>(server), folder, arguments.directory, progress);
    out << transfer::FolderUpload::outcomeText(stored, arguments.directory) << '\n';
    return stored ? 0 : 1;
}

} // namespace

QString transferUsage() {
    return QStringLiteral(
        "  upload FILE --server [ftp|ftps|sftp]://HOST[:PORT] --user U [--password-file F] [--dir D]\n"
        "         [--accept-new-host-key]\n"
        "                         send FILE into the server's folder D (else the folder it starts in);\n"
        "                         ftps is FTP over explicit TLS. The password is the first line of F.\n"
        "                         A server's first SSH host key is refused unless --accept-new-host-key\n"
        "                         is given; accepted keys are kept in known_hosts in the user folder.\n"
        "  upload-blog --server [ftp|ftps|sftp]://HOST[:PORT] --user U [--password-file F] --dir D\n"
        "         [--accept-new-host-key] [FOLDER]\n"
        "                         send every file below FOLDER (else published/ in the user folder)\n"
        "                         to the same place below the server's folder D, creating missing\n"
        "                         folders; D without a leading / is below the folder the server starts\n"
        "                         in. Stops at the first file that is not stored.\n");
}

bool runTransferCommand(const QString &command, const QStringList &args, QTextStream &out, QTextStream &err,
                        int &status) {
    const bool blog = command == QLatin1String("upload-blog");
    if (!blog && command != QLatin1String("upload")) {
        return false;
    }
    TransferArguments arguments;
    QString problem = parseArguments(args, arguments);
    if (problem.isEmpty() && !blog &&
        (arguments.positional.isEmpty() || arguments.server.isEmpty() || arguments.user.isEmpty())) {
        problem = QStringLiteral("'upload' takes FILE, --server and --user.");
    }
    if (problem.isEmpty() && blog &&
        (arguments.server.isEmpty() || arguments.user.isEmpty() || arguments.directory.isEmpty())) {
        problem = QStringLiteral("'upload-blog' takes --server, --user and --dir.");
    }
    if (!problem.isEmpty()) {
        err << "tidewell-cli: " << problem << "\nTry 'tidewell-cli --help'.\n";
        status = 2;
        return true;
    }
    status = blog ? uploadBlog(arguments, out, err) : upload(arguments, out, err);
    return true;
}

} // namespace tidewell::app
