#include "platform/prompts.h"

#include <QCoreApplication>

namespace tidewell::platform {

namespace {
// Used where no prompts were installed (tidewell-cli): answers every question negatively and prints
// messages on standard error, so nothing waits on a box that nobody can see.
class SilentPrompts final : public Prompts {
public:
    PromptAnswer message(PromptType, const QString &caption, const QString &text,
                         PromptButtons buttons) override {
        fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
        switch (buttons) {
        case PromptButtons::Ok:
            return PromptAnswer::Ok;
        case PromptButtons::YesNo:
            return PromptAnswer::No;
        case PromptButtons::YesNoCancel:
        case PromptButtons::OkCancel:
            return PromptAnswer::Cancel;
        }
        return PromptAnswer::Cancel;
    }
    QString openFile(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFile(const QString &, const QString &, const QString &, const QString &, bool) override {
        return {};
    }
    QString chooseDirectory(const QString &, const QString &) override { return {}; }
    std::optional<QString> inputText(const QString &, const QString &, const QString &) override {
        return std::nullopt;
    }
};

Prompts *&installed() {
    static Prompts *prompts = nullptr;
    return prompts;
}

QString applicationCaption() {
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("Tidewell") : name;
}
} // namespace

Prompts &Prompts::current() {
    static SilentPrompts silent;
    return installed() ? *installed() : silent;
}

void Prompts::install(Prompts *prompts) {
    installed() = prompts;
}

void Prompts::error(const QString &text) {
    current().message(PromptType::Error, applicationCaption(), text, PromptButtons::Ok);
}

void Prompts::warning(const QString &text) {
    current().message(PromptType::Warning, applicationCaption(), text, PromptButtons::Ok);
}

void Prompts::information(const QString &text) {
    current().message(PromptType::Information, applicationCaption(), text, PromptButtons::Ok);
}

} // namespace tidewell::platform
