#pragma once

#include "platform/prompts.h"

#include <memory>

class QInputDialog;
class QMessageBox;
class QWidget;

namespace tidewell::platform {

// Prompts shown as real Qt dialogs, parented to the active window. File and folder choosers start in the
// folder the user last chose from (for this run of the program) unless the caller names a folder; a bare
// file name the caller proposes is placed in that folder.
class QtPrompts final : public Prompts {
public:
    PromptAnswer message(PromptType type, const QString &caption, const QString &text,
                         PromptButtons buttons) override;
    QString openFile(const QString &caption, const QString &directory, const QString &filter) override;
    QString saveFile(const QString &caption, const QString &directory, const QString &filter,
                     const QString &defaultSuffix, bool askOverwrite) override;
    QString chooseDirectory(const QString &caption, const QString &directory) override;
    std::optional<QString> inputText(const QString &caption, const QString &label,
                                     const QString &value) override;

    // The box message() shows: text in plain text form, so markup a message quotes stays as written.
    static std::unique_ptr<QMessageBox> messageBox(PromptType type, const QString &caption,
                                                   const QString &text, PromptButtons buttons,
                                                   QWidget *parent = nullptr);
    // The box inputText() shows: wide enough for a long web address.
    static std::unique_ptr<QInputDialog> inputBox(const QString &caption, const QString &label,
                                                  const QString &value, QWidget *parent = nullptr);

    // Where a chooser starts for the caller's directory argument (empty, a bare name, or a path).
    QString startPath(const QString &directory) const;
    // What a chooser returned (a file, or a folder when isFolder); empty when cancelled.
    void remember(const QString &chosen, bool isFolder);

private:
    QString m_lastFolder;
};

} // namespace tidewell::platform
