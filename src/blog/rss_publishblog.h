#pragma once

#include "blog/blogfeed.h"

#include <memory>
#include <QDialog>

namespace Ui {
class Tfrm_publishblog;
}

namespace tidewell::blog {

// The publishing wizard "Publish Blog": three pages (template, generator options, publish) that gather
// the options of one publishing run and show its progress; the run itself is BlogPublisher's. Closes
// after a run that published; stays open after a failure or with nothing to publish.
class Tfrm_publishblog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_publishblog)

public:
    explicit Tfrm_publishblog(QWidget *parent = nullptr);
    ~Tfrm_publishblog() override;

    // The wizard for the blog tool's Publish command: created, shown modally and destroyed.
    static void run(QWidget *parent);

    Ui::Tfrm_publishblog *ui() const { return m_ui.get(); }

    void nextstepClick();
    void prevstepClick();
    void gen_rssfeedClick(bool ticked);
    void Button2Click();

public Q_SLOTS:
    // Cancel, Escape and the frame: ignored while a run publishes, which cannot stop halfway.
    void reject() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void setRunning(bool running);

    std::unique_ptr<Ui::Tfrm_publishblog> m_ui;
    QString m_blogName; // of the first "bloginformation" record, read on creation
    QString m_site;     // the settings value "site", read on creation
    bool m_running = false;
};

} // namespace tidewell::blog
