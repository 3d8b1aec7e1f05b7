#include "platform/qtprompts.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace tidewell::platform {

namespace {
QWidget *dialogParent() {
    return QApplication::activeWindow();
}

QMessageBox::Icon iconFor(PromptType type) {
    switch (type) {
    case PromptType::Warning:
        return QMessageBox::Warning;
    case PromptType::Error:
        return QMessageBox::Critical;
    case PromptType::Information:
        return QMessageBox::Information;
    case PromptType::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsFor(PromptButtons buttons) {
    switch (buttons) {
    case PromptButtons::Ok:
        return QMessageBox::Ok;
    case PromptButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case PromptButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}
} // namespace

std::unique_ptr<QMessageBox> QtPrompts::messageBox(PromptType type, const QString &caption,
                                                   const QString &text, PromptButtons buttons,
                                                   QWidget *parent) {
    auto box = std::make_unique<QMessageBox>(iconFor(type), caption, text, buttonsFor(buttons), parent);
    // Messages quote feed text and file names: markup in them is shown as written, never rendered.
    box->setTextFormat(Qt::PlainText);
    return box;
}

PromptAnswer QtPrompts::message(PromptType type, const QString &caption, const QString &text,
                                PromptButtons buttons) {
    const auto box = messageBox(type, caption, text, buttons, dialogParent());
    switch (box->exec()) {
    case QMessageBox::Ok:
        return PromptAnswer::Ok;
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    default:
        return buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Cancel;
    }
}

QString QtPrompts::startPath(const QString &directory) const {
    if (m_lastFolder.isEmpty() || directory.contains(QLatin1Char('/'))) {
        return directory;
    }
    return directory.isEmpty() ? m_lastFolder : QDir(m_lastFolder).filePath(directory);
}

void QtPrompts::remember(const QString &chosen, bool isFolder) {
    if (!chosen.isEmpty()) {
        m_lastFolder = isFolder ? chosen : QFileInfo(chosen).absolutePath();
    }
}

QString QtPrompts::openFile(const QString &caption, const QString &directory, const QString &filter) {
    const QString chosen =
        QFileDialog::getOpenFileName(dialogParent(), caption, startPath(directory), filter);
    remember(chosen, false);
    return chosen;
}

QString QtPrompts::saveFile(const QString &caption, const QString &directory, const QString &filter,
                            const QString &defaultSuffix, bool askOverwrite) {
    QFileDialog dialog(dialogParent(), caption, startPath(directory), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (!askOverwrite) {
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    const QString chosen = dialog.selectedFiles().constFirst();
    remember(chosen, false);
    return chosen;
}

QString QtPrompts::chooseDirectory(const QString &caption, const QString &directory) {
    const QString chosen = QFileDialog::getExistingDirectory(dialogParent(), caption, startPath(directory));
    remember(chosen, true);
    return chosen;
}

std::unique_ptr<QInputDialog> QtPrompts::inputBox(const QString &caption, const QString &label,
                                                  const QString &value, QWidget *parent) {
    auto box = std::make_unique<QInputDialog>(parent);
    box->setWindowTitle(caption);
    box->setLabelText(label);
    box->setTextValue(value);
    // Wide enough for a long web address to be read whole. The box's layout sets the box's own minimum
    // size from its contents whenever it is shown, so the width goes on the text field.
    if (auto *field = box->findChild<QLineEdit *>()) {
        field->setMinimumWidth(field->fontMetrics().averageCharWidth() * 70);
    }
    return box;
}

std::optional<QString> QtPrompts::inputText(const QString &caption, const QString &label,
                                            const QString &value) {
    const auto box = inputBox(caption, label, value, dialogParent());
    if (box->exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return box->textValue();
}

} // namespace tidewell::platform
