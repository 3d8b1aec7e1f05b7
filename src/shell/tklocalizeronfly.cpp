#include "shell/tklocalizeronfly.h"

#include "platform/folders.h"
#include "platform/prompts.h"
#include "platform/settingvalue.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QTranslator>

namespace tidewell::shell {

namespace {
TKLocalizerOnFly *g_current = nullptr;

const QString kFilePrefix = QStringLiteral("tidewell.");
const QString kFileSuffix = QStringLiteral(".lng");
const char *const kNameContext = "TKLocalizerOnFly";
// The text whose translation in a language file is that language's own name.
const char *const kNameKey = QT_TRANSLATE_NOOP("TKLocalizerOnFly", "LANGUAGE_NAME");

platform::SettingValue<QString> storedChoice(const QString &keyPath) {
    return {keyPath, QStringLiteral("LocalizerExt")};
}

QString menuEscaped(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}
} // namespace

TKLocalizerOnFly *TKLocalizerOnFly::current() {
    return g_current;
}

TKLocalizerOnFly::TKLocalizerOnFly(QObject *parent) : QObject(parent) {
    g_current = this;
}

TKLocalizerOnFly::~TKLocalizerOnFly() {
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
    }
    if (g_current == this) {
        g_current = nullptr;
    }
}

QString TKLocalizerOnFly::languageFile(const QString &code) const {
    return QDir(m_folder).filePath(kFilePrefix + code + kFileSuffix);
}

void TKLocalizerOnFly::showError(const QString &text) const {
    platform::Prompts::current().message(platform::PromptType::Error, QStringLiteral("Localizer Error"), text,
                                         platform::PromptButtons::Ok);
}

bool TKLocalizerOnFly::initialise(const QString &keyPath, const QString &folder) {
    m_keyPath = keyPath;
    m_folder = folder.isEmpty() ? platform::Folders::programFolder() : folder;
    m_started = false;
    m_languages.clear();
    m_current = kNativeCode;

    if (!QFileInfo(m_folder).isDir()) {
        showError(tr("Specified path \"%1\" does not exist").arg(QDir::toNativeSeparators(m_folder)));
        return false;
    }
    if (!QFileInfo(languageFile(kNativeCode)).isFile()) {
        showError(
            tr("Language file \"%1\" not found").arg(QDir::toNativeSeparators(languageFile(kNativeCode))));
        return false;
    }

    const QStringList files = QDir(m_folder).entryList({kFilePrefix + QLatin1Char('*') + kFileSuffix},
                                                       QDir::Files | QDir::Readable, QDir::Name);
    for (const QString &file : files) {
        const QString code =
            file.mid(kFilePrefix.size(), file.size() - kFilePrefix.size() - kFileSuffix.size());
        if (code.isEmpty() || code.contains(QLatin1Char('.'))) {
            continue;
        }
        QTranslator translator;
        QString name;
        if (translator.load(QDir(m_folder).filePath(file))) {
            name = translator.translate(kNameContext, kNameKey);
        }
        m_languages.append({code, name.isEmpty() ? code : name});
    }
    m_started = true;

    const QString stored = storedChoice(m_keyPath).value();
    if (!stored.isEmpty() && stored != kStoredNative) {
        switchTo(stored);
    }
    return true;
}

bool TKLocalizerOnFly::switchTo(const QString &code) {
    const QString path = languageFile(code);
    if (!QFileInfo(path).isFile()) {
        showError(tr("Language file \"%1\" not found").arg(QDir::toNativeSeparators(path)));
        updateMenus();
        return false;
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(path)) {
        showError(tr("Language file \"%1\" cannot be read").arg(QDir::toNativeSeparators(path)));
        updateMenus();
        return false;
    }
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
    }
    m_translator = std::move(translator);
    QCoreApplication::installTranslator(m_translator.get());
    // The application posts LanguageChange to every window; deliver it now, so that the windows are
    // retranslated before anything else happens.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    m_current = code;

    QString error;
    if (!storedChoice(m_keyPath).write(code == kNativeCode ? kStoredNative : code, &error)) {
        platform::Prompts::error(error);
    }
    updateMenus();
    return true;
}

void TKLocalizerOnFly::fillMenu(QMenu *menu) {
    if (!m_started) {
        showError(tr("Localizer is not initialized"));
        return;
    }
    auto *group = new QActionGroup(menu);
    group->setExclusive(true);
    for (const Language &language : std::as_const(m_languages)) {
        QAction *action = group->addAction(menuEscaped(language.name));
        action->setObjectName(QStringLiteral("language_") + language.code);
        action->setCheckable(true);
        action->setChecked(language.code == m_current);
        action->setData(language.code);
        menu->addAction(action);
    }
    connect(group, &QActionGroup::triggered, this, [this](QAction *action) {
        const QString code = action->data().toString();
        if (code != m_current) {
            switchTo(code);
        }
    });
    m_groups.append(group);
}

void TKLocalizerOnFly::updateMenus() {
    m_groups.removeAll(nullptr);
    for (const QPointer<QActionGroup> &group : std::as_const(m_groups)) {
        for (QAction *action : group->actions()) {
            action->setChecked(action->data().toString() == m_current);
        }
    }
}

} // namespace tidewell::shell
