#pragma once

#include "platform/prompts.h"

#include <QList>
#include <QString>
#include <QVariant>

namespace tidewell::test {

// Prompts for tests: records every question and answers from a queue. A question with no scripted
// answer is recorded as unexpected and answered Cancel / No / empty, so no test ever waits on a box.
class ScriptedPrompts final : public platform::Prompts {
public:
    struct Asked {
        QString kind; // "message", "openFile", "saveFile", "chooseDirectory", "inputText"
        platform::PromptType type = platform::PromptType::Information;
        QString caption;
        QString text;
        platform::PromptButtons buttons = platform::PromptButtons::Ok;
    };

    ScriptedPrompts();           // installs itself
    ~ScriptedPrompts() override; // restores the default

    // Queue answers: message answers, and file / folder / text results (strings).
    void answer(platform::PromptAnswer answer) { m_answers.append(QVariant::fromValue(int(answer))); }
    void answerText(const QString &text) { m_answers.append(text); }

    const QList<Asked> &asked() const { return m_asked; }
    int unexpected() const { return m_unexpected; }
    int pendingAnswers() const { return int(m_answers.size()); }
    QString lastText() const { return m_asked.isEmpty() ? QString() : m_asked.constLast().text; }
    void reset();

    platform::PromptAnswer message(platform::PromptType type, const QString &caption, const QString &text,
                                   platform::PromptButtons buttons) override;
    QString openFile(const QString &caption, const QString &directory, const QString &filter) override;
    QString saveFile(const QString &caption, const QString &directory, const QString &filter,
                     const QString &defaultSuffix, bool askOverwrite) override;
    QString chooseDirectory(const QString &caption, const QString &directory) override;
    std::optional<QString> inputText(const QString &caption, const QString &label,
                                     const QString &value) override;

private:
    QString nextText(const QString &kind, const QString &caption, const QString &text);

    QList<QVariant> m_answers;
    QList<Asked> m_asked;
    int m_unexpected = 0;
};

} // namespace tidewell::test
