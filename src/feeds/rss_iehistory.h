#pragma once

#include "platform/browserhistory.h"

#include <memory>
#include <QDialog>

namespace Ui {
class Tfrm_iehistory;
}

namespace tidewell::feeds {

// The link chosen in the last history picker: emptied when a picker is created, set when the user picks
// a row. Callers read it after the picker returned Accepted.
QString chosenlink();

// "Insert link from browser history": lists the pages of the user's browser history by title and address
// and hands the picked address back through chosenlink(). Created for one modal showing.
class Tfrm_iehistory final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_iehistory)

public:
    // homeFolder: whose history is read; empty means the current user's (tests pass a fixture home).
    explicit Tfrm_iehistory(QWidget *parent = nullptr, const QString &homeFolder = QString());
    ~Tfrm_iehistory() override;

    // "&Refresh": reads the history again and lists it (the list is emptied first).
    void Button1Click();
    // "&OK": picks the selected row (none selected: the link stays empty) and closes with OK.
    void Button2Click();
    // Double-click on a row: picks it and closes with OK.
    void ListView1DblClick();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void FormCreate();

    std::unique_ptr<Ui::Tfrm_iehistory> m_ui;
    platform::BrowserHistory m_history; // UrlHistory1
};

} // namespace tidewell::feeds
