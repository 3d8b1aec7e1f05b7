#pragma once

#include <optional>
#include <QString>
#include <QStringList>

namespace tidewell::platform {

enum class PromptType { Warning, Error, Information, Confirmation };
enum class PromptButtons { Ok, YesNo, YesNoCancel, OkCancel };
enum class PromptAnswer { Ok, Yes, No, Cancel };

// Every message box, file or folder chooser and input box of the program goes through this interface.
// The desktop program installs one that shows real dialogs; tests install a scripted one.
class Prompts {
public:
    virtual ~Prompts() = default;

    virtual PromptAnswer message(PromptType type, const QString &caption, const QString &text,
                                 PromptButtons buttons) = 0;
    // filter uses Qt's form: "Tidewell files (*.chf)"; an empty result means cancelled.
    virtual QString openFile(const QString &caption, const QString &directory, const QString &filter) = 0;
    // defaultSuffix (without dot) is appended to a typed name without extension; askOverwrite asks
    // before an existing file is chosen.
    virtual QString saveFile(const QString &caption, const QString &directory, const QString &filter,
                             const QString &defaultSuffix, bool askOverwrite = true) = 0;
    virtual QString chooseDirectory(const QString &caption, const QString &directory) = 0;
    // nullopt when cancelled.
    virtual std::optional<QString> inputText(const QString &caption, const QString &label,
                                             const QString &value) = 0;

    // The prompts in force; the program installs its own at start.
    static Prompts &current();
    // Installs prompts (not owned); nullptr restores the default, which answers Cancel / No / empty.
    static void install(Prompts *prompts);

    // Shorthands for the common boxes.
    static void error(const QString &text);
    static void warning(const QString &text);
    static void information(const QString &text);
};

} // namespace tidewell::platform
