#include "platform/transferstatus.h"

#include "platform/transferclient.h"

#include <QCoreApplication>

namespace tidewell::platform {

namespace {
// The texts belong to the upload dialog, so they are translated in its context.
QString trUpload(const char *text) {
    return QCoreApplication::translate("Tfrm_upload", text);
}
} // namespace

void showTransferEvents(TransferClient &client, QObject *context, std::function<void(const QString &)> show) {
    QObject::connect(&client, &TransferClient::connected, context,
                     [show] { show(trUpload("Connected to server")); });
    QObject::connect(&client, &TransferClient::disconnected, context,
                     [show] { show(trUpload("Disconnected from server..")); });
    QObject::connect(&client, &TransferClient::errorReply, context,
                     [show](int, const QString &line) { show(trUpload("Error : ") + line); });
    QObject::connect(&client, &TransferClient::loginError, context,
                     [show](int, const QString &text) { show(trUpload("Error : ") + text); });
    QObject::connect(&client, &TransferClient::status, context,
                     [show](int, const QString &info) { show(trUpload("Info : ") + info); });
    QObject::connect(&client, &TransferClient::reply, context,
                     [show](int, const QString &line) { show(trUpload(" Info : ") + line); });
}

QString transferOutcomeText(bool stored, const QString &reason) {
    return stored ? trUpload("Operation completed..") : trUpload("Error : ") + reason;
}

QString loginErrorBoxText() {
    return trUpload("Login error, please check servername and user details, then try \r\nagain.");
}

} // namespace tidewell::platform
