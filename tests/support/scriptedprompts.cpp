#include "scriptedprompts.h"

namespace tidewell::test {

using platform::PromptAnswer;
using platform::PromptButtons;
using platform::PromptType;

ScriptedPrompts::ScriptedPrompts() {
    platform::Prompts::install(this);
}

ScriptedPrompts::~ScriptedPrompts() {
    platform::Prompts::install(nullptr);
}

void ScriptedPrompts::reset() {
    m_answers.clear();
    m_asked.clear();
    m_unexpected = 0;
}

PromptAnswer ScriptedPrompts::message(PromptType type, const QString &caption, const QString &text,
                                      PromptButtons buttons) {
    m_asked.append({QStringLiteral("message"), type, caption, text, buttons});
    if (buttons == PromptButtons::Ok) {
        // A box with only OK needs no script, but a queued OK is taken if it is next.
        if (!m_answers.isEmpty() && m_answers.constFirst().typeId() == QMetaType::Int &&
            m_answers.constFirst().toInt() == int(PromptAnswer::Ok)) {
            m_answers.removeFirst();
        }
        return PromptAnswer::Ok;
    }
    if (m_answers.isEmpty() || m_answers.constFirst().typeId() != QMetaType::Int) {
        ++m_unexpected;
        return buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Cancel;
    }
    return PromptAnswer(m_answers.takeFirst().toInt());
}

QString ScriptedPrompts::nextText(const QString &kind, const QString &caption, const QString &text) {
    m_asked.append({kind, PromptType::Information, caption, text, PromptButtons::Ok});
    if (m_answers.isEmpty() || m_answers.constFirst().typeId() != QMetaType::QString) {
        ++m_unexpected;
        return {};
    }
    return m_answers.takeFirst().toString();
}

QString ScriptedPrompts::openFile(const QString &caption, const QString &, const QString &filter) {
    return nextText(QStringLiteral("openFile"), caption, filter);
}

QString ScriptedPrompts::saveFile(const QString &caption, const QString &, const QString &filter,
                                  const QString &, bool) {
    return nextText(QStringLiteral("saveFile"), caption, filter);
}

QString ScriptedPrompts::chooseDirectory(const QString &caption, const QString &) {
    return nextText(QStringLiteral("chooseDirectory"), caption, QString());
}

std::optional<QString> ScriptedPrompts::inputText(const QString &caption, const QString &label,
                                                  const QString &) {
    const bool scripted = !m_answers.isEmpty() && m_answers.constFirst().typeId() == QMetaType::QString;
    const QString text = nextText(QStringLiteral("inputText"), caption, label);
    if (!scripted) {
        return std::nullopt;
    }
    return text;
}

} // namespace tidewell::test
