#include "shell/standarddialogs.h"

#include "feeds/rss_iehistory.h"
#include "feeds/rss_validator.h"
#include "shell/rss_busy.h"
#include "transfer/rss_uploadblog.h"

namespace tidewell::shell {

QWidget *StandardDialogs::showBusyWindow(QWidget *parent) {
    auto *busy = new Tfrm_busy(parent);
    busy->show();
    return busy;
}

std::optional<QString> StandardDialogs::pickHistoryLink(QWidget *parent, const QString &historyHome) {
    feeds::Tfrm_iehistory picker(parent, historyHome);
    if (picker.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return feeds::chosenlink();
}

void StandardDialogs::runValidator(QWidget *parent, const QString &feedFile) {
    feeds::Tfrm_validator dialog(parent);
    dialog.setFeedname(feedFile);
    dialog.exec();
}

void StandardDialogs::runBlogUpload(QWidget *parent, const QString &publishedFolder) {
    transfer::Tfrm_uploadblog dialog(parent, publishedFolder);
    dialog.exec();
}

} // namespace tidewell::shell
