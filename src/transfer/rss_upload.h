#pragma once

#include "platform/transferclient.h"

#include <memory>
#include <QDialog>

class QTreeWidgetItem;

namespace Ui {
class Tfrm_upload;
}

namespace tidewell::transfer {

// The "Upload feed" dialog: logs in to a server (FTP, FTP over TLS or SFTP), shows its directories in
// the tree ftpdir, changes directory by the tree or by a path typed into rpath, and sends the selected
// feed (sfeed, preset by the main window) into the current directory, then logs out. Every event of the
// client shows on the status line sbar1. Connect and Upload wait while the client is busy, letting the
// dialog paint; closing the dialog logs out, which ends any wait. Created for one use, shown modally.
class Tfrm_upload final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_upload)

public:
    explicit Tfrm_upload(QWidget *parent = nullptr);
    ~Tfrm_upload() override;

    Ui::Tfrm_upload *ui() const { return m_ui.get(); }
    void setSelectedFeed(const QString &path);

    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void rpathKeyUp(int key);
    void ftpdirChanged();
    void ftpdirSelect(QTreeWidgetItem *item);
    void statusmsg(const QString &text);

    platform::TransferClient ftp1;

public Q_SLOTS:
    void reject() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void showListing(const QString &directory);
    // The tree's node of a remote directory, made with the nodes above it when missing.
    QTreeWidgetItem *directoryNode(const QString &directory);
    QTreeWidgetItem *subdirectoryNode(QTreeWidgetItem *node, const QString &name);
    void clientStateChanged(platform::TransferClient::State state);

    std::unique_ptr<Ui::Tfrm_upload> m_ui;
};

} // namespace tidewell::transfer
