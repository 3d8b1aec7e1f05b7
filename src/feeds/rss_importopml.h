#pragma once

#include "feeds/opmlimport.h"
#include "platform/httpclient.h"

#include <memory>
#include <QDialog>
#include <QIcon>
#include <QStringList>

class QIODevice;
class QLabel;
class QStatusBar;

namespace Ui {
class Tfrm_importopml;
}

namespace tidewell::feeds {

// The OPML import dialog: reads a list of feeds in OPML form, from disk or from a web address, stores
// a copy of it in the output folder and downloads every listed feed into the data directory through
// OpmlImport's batch, one row per feed. Created for one showing; nothing is returned to the caller.
// Closing it ends a batch in progress after cancelling the current fetch.
class Tfrm_importopml final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_importopml)

public:
    explicit Tfrm_importopml(QWidget *parent = nullptr);
    ~Tfrm_importopml() override;

    Ui::Tfrm_importopml *ui() const { return m_ui.get(); }
    // The four panels of StatusBar1: "Status", the message, "Files", the number of addresses less one.
    QString panelText(int panel) const;
    // The icons of the rows' marks: the stored mark and the failed mark.
    const QIcon &markIcon(int mark) const { return mark == OpmlImport::StoredMark ? m_stored : m_failed; }

    void localresourceAfterDialog(const QString &name);
    void remoteresourceKeyUp(int key);
    void http2Success();
    void Button1Click();
    void processurls(const QStringList &addresses);
    void outdirAfterDialog(const QString &folder);

    void http1Connect();
    void http1ConnectionFailed();
    void http1Failure();
    void http1InvalidHost(bool &handled);
    void http1Status(const QString &text);

    QStatusBar *StatusBar1 = nullptr;
    platform::HttpClient http1; // the feeds
    platform::HttpClient http2; // a remote OPML document

public Q_SLOTS:
    void reject() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void statusmsg(const QString &text);
    // Reads the OPML list, writing its source copy under name as it goes and keeping its outline lines in
    // memo1, then starts the batch (an error box when the copy cannot be written).
    void storeSourceAndRun(QIODevice &list, const QString &name);
    void showRow(int row, bool focused);

    std::unique_ptr<Ui::Tfrm_importopml> m_ui;
    QLabel *m_panels[4] = {};
    QIcon m_stored;
    QIcon m_failed;
    QStringList m_memo1; // the list's outline lines, then the addresses taken from them
    OpmlImport m_batch;
};

} // namespace tidewell::feeds
