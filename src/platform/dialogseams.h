#pragma once

#include <optional>
#include <QString>

class QWidget;

namespace tidewell::platform {

// Dialogs of a higher folder that windows of a lower one open: the channel window opens the validator
// and the browser-history picker, the article editors show the busy window, the publishing run opens the
// blog upload. The main window installs the
// real dialogs; with none installed (tidewell-cli, tests that need none) nothing is shown.
class DialogSeams {
public:
    virtual ~DialogSeams() = default;

    // A busy window, shown at once while something loads; the caller deletes it (it may be nullptr).
    virtual QWidget *showBusyWindow(QWidget *parent) = 0;
    // The browser-history link picker over the histories below historyHome (empty: the user's home).
    // The chosen address, or nullopt when cancelled.
    virtual std::optional<QString> pickHistoryLink(QWidget *parent, const QString &historyHome) = 0;
    // The feed validator, modal, opened on a feed file.
    virtual void runValidator(QWidget *parent, const QString &feedFile) = 0;
    // The "Upload blog" window, modal, uploading every file below publishedFolder. Nothing by default.
    virtual void runBlogUpload(QWidget *parent, const QString &publishedFolder) {
        (void)parent;
        (void)publishedFolder;
    }

    static DialogSeams &current();
    static void install(DialogSeams *seams); // not owned; nullptr restores the silent one
};

} // namespace tidewell::platform
