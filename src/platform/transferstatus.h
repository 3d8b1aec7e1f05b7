#pragma once

#include <functional>
#include <QString>

class QObject;

namespace tidewell::platform {

class TransferClient;

// The status line of an upload: each event of the client becomes the text the upload windows show
// ("Connected to server", "Error : " and the reply, " Info : " and each reply line ...), handed to show
// as it happens. The upload dialogs show it in their status line, tidewell-cli prints it.
void showTransferEvents(TransferClient &client, QObject *context, std::function<void(const QString &)> show);

// The last line of an upload: "Operation completed.." when the file was stored, else "Error : " and
// the reason.
QString transferOutcomeText(bool stored, const QString &reason);

// The box shown when a login fails.
QString loginErrorBoxText();

} // namespace tidewell::platform
