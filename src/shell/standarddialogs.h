#pragma once

#include "platform/dialogseams.h"

namespace tidewell::shell {

// The real dialogs behind platform::DialogSeams: the busy window, the history picker, the validator and
// the blog upload.
// The main window installs one for its lifetime.
class StandardDialogs final : public platform::DialogSeams {
public:
    QWidget *showBusyWindow(QWidget *parent) override;
    std::optional<QString> pickHistoryLink(QWidget *parent, const QString &historyHome) override;
    void runValidator(QWidget *parent, const QString &feedFile) override;
    void runBlogUpload(QWidget *parent, const QString &publishedFolder) override;
};

} // namespace tidewell::shell
