#pragma once

#include "platform/result.h"
#include "platform/transferclient.h"

#include <memory>
#include <QWidget>

namespace Ui {
class ServerFields;
}

namespace tidewell::transfer {

// The login fields of the upload windows: "Protocol" (FTP, FTP over TLS, SFTP), "Server address"
// (sname), "Username" (uname) and "Password" (pw, masked). Filled from the settings store when created
// (a value that cannot be read is shown in an error box; it and the fields after it stay empty) and
// written back by saveSettings(). Enter released in the password field raises passwordEntered().
class ServerFields final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ServerFields)

public:
    explicit ServerFields(QWidget *parent = nullptr);
    ~ServerFields() override;

    // Writes the four values under the FTP settings key; an error box when the store refuses.
    void saveSettings();
    // The server the fields name, or what is wrong with the address.
    platform::Result<platform::TransferServer> server() const;
    platform::TransferProtocol protocol() const;

Q_SIGNALS:
    void passwordEntered();

protected:
    void changeEvent(QEvent *event) override;

private:
    void loadSettings();

    std::unique_ptr<Ui::ServerFields> m_ui;
};

} // namespace tidewell::transfer
