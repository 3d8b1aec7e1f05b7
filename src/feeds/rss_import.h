#pragma once

#include "platform/httpclient.h"

#include <memory>
#include <QByteArray>
#include <QDialog>
#include <QTimer>

namespace Ui {
class Tfrm_import;
}

namespace tidewell::feeds {

// The RSS import dialog: a feed chosen on disk, or fetched from a web address, becomes a channel
// document through RssImport. Created for one use and shown modally; it closes with Accepted once a
// document was written, and Edit2() then holds its path. The command-line road presets the source with
// presetSource() (localresource, Edit1, CheckBox1): the dialog processes it 250 ms after it is shown.
// Closing the dialog cancels a fetch in progress.
class Tfrm_import final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_import)

public:
    explicit Tfrm_import(QWidget *parent = nullptr);
    ~Tfrm_import() override;

    Ui::Tfrm_import *ui() const { return m_ui.get(); }

    // The caller's contract: localresource's text, the hidden source path and the automatic-processing
    // flag, then exec(); after Accepted, Edit2() is the channel document written.
    void presetSource(const QString &path);
    QString Edit1() const;
    QString Edit2() const;
    bool CheckBox1() const;

    void Timer1Timer();
    void localresourceAfterDialog(const QString &name);
    void SpeedButton1Click();
    void remoteresourceKeyUp(int key);
    void Button1Click();

    void http1Connect();
    void http1ConnectionFailed();
    void http1InvalidHost(bool &handled);
    void http1Redirect(bool &handled);
    void http1Success();
    void http1Failure();

    platform::HttpClient http1;
    QTimer Timer1;

public Q_SLOTS:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fetch();

    std::unique_ptr<Ui::Tfrm_import> m_ui;
    QByteArray m_memo1; // the fetched body
    bool m_shown = false;
};

// The import as the main window runs it: the dialog, preset with a command-line file when presetFile is
// not empty. Returns the channel document written, empty when the dialog closed without one.
QString importRssResource(QWidget *parent, const QString &presetFile = QString());

} // namespace tidewell::feeds
