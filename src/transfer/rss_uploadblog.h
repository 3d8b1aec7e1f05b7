#pragma once

#include "platform/transferclient.h"

#include <memory>
#include <QDialog>

namespace Ui {
class Tfrm_uploadblog;
}

namespace tidewell::transfer {

// The "Upload blog" window of the publishing run: sends every file of the published folder into a remote
// folder the user names, over the same login as the feed upload (the fields come filled from the
// settings and are written back on Upload). It shows the file being sent with a bar for its bytes and one
// for the files, and ends with a line saying how many files were stored or what failed. Cancel, or
// closing the window, stops the upload at once. Created for one use, shown modally.
class Tfrm_uploadblog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_uploadblog)

public:
    Tfrm_uploadblog(QWidget *parent, const QString &publishedFolder);
    ~Tfrm_uploadblog() override;

    Ui::Tfrm_uploadblog *ui() const { return m_ui.get(); }
    bool uploading() const { return m_uploading; }

    void Button1Click(); // upload
    void Button2Click(); // cancel

    platform::TransferClient ftp1;

public Q_SLOTS:
    void reject() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    class WindowProgress;

    void setUploading(bool uploading);

    std::unique_ptr<Ui::Tfrm_uploadblog> m_ui;
    QString m_publishedFolder;
    bool m_uploading = false;
    bool m_cancelled = false;
};

} // namespace tidewell::transfer
