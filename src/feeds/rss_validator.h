#pragma once

#include "feeds/feedvalidator.h"
#include "platform/httpclient.h"

#include <memory>
#include <QDialog>

class QLabel;
class QStatusBar;

namespace Ui {
class Tfrm_validator;
}

namespace tidewell::feeds {

// The feed validator dialog: checks a feed file, or a feed fetched when Enter is released in feedname,
// and lists every problem of the marker checks as a numbered row (ListView1) and every finding of the
// feed check with its line (FeedCheck). Created for one showing; closing it cancels a fetch.
class Tfrm_validator final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_validator)

public:
    explicit Tfrm_validator(QWidget *parent = nullptr);
    ~Tfrm_validator() override;

    Ui::Tfrm_validator *ui() const { return m_ui.get(); }
    QString feedname() const;
    void setFeedname(const QString &text);
    bool remoteMode() const { return m_remote; }

    void Button1Click();
    void processfile();
    void adderror(const QString &message);
    void endvalidation(const ValidationReport &report);
    void statmsg(const QString &text);
    void feednameKeyUp(int key);
    void http1Success();
    void http1Status(const QString &text);

    QStatusBar *StatusBar1 = nullptr;
    platform::HttpClient http1;

public Q_SLOTS:
    // Escape, Close and the frame all end here: a fetch in progress is cancelled with the dialog.
    void reject() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::Tfrm_validator> m_ui;
    QLabel *m_panel0 = nullptr;
    QLabel *m_panel1 = nullptr;
    QByteArray m_memo1; // the fetched body, validated in remote mode
    bool m_remote = false;
};

} // namespace tidewell::feeds
