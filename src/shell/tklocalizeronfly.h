#pragma once

#include <memory>
#include <QCoreApplication>
#include <QList>
#include <QPointer>
#include <QString>

class QActionGroup;
class QMenu;
class QTranslator;

namespace tidewell::shell {

// The interface language layer. The languages are the compiled translation files tidewell.<code>.lng of a
// folder; "ntv" is the built-in English and must be present. Each file names its own language (the
// translation of LANGUAGE_NAME in this class's context). Switching installs the file's translator in the
// application, so every open window gets QEvent::LanguageChange and retranslates, later windows start in
// the language, and tr() follows. The choice is kept in the settings store: "EXE" for the built-in
// language, otherwise the code. Stored data is never touched: only what is shown changes.
class TKLocalizerOnFly final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKLocalizerOnFly)

public:
    struct Language {
        QString code;
        QString name;
    };

    static inline const QString kNativeCode = QStringLiteral("ntv");
    static inline const QString kStoredNative = QStringLiteral("EXE");

    // The one layer of the program (the latest created), or nullptr when there is none.
    static TKLocalizerOnFly *current();

    explicit TKLocalizerOnFly(QObject *parent = nullptr);
    ~TKLocalizerOnFly() override;

    // Collects the languages of folder (empty: the program folder) and switches to the choice stored as
    // "LocalizerExt" under keyPath. Errors are shown in a "Localizer Error" box; false leaves the layer
    // unstarted.
    bool initialise(const QString &keyPath, const QString &folder = QString());
    bool started() const { return m_started; }

    // The available languages in file-name order, and the current one's code.
    const QList<Language> &languages() const { return m_languages; }
    const QString &currentCode() const { return m_current; }
    // The path of a language's file.
    QString languageFile(const QString &code) const;

    // Adds one exclusive, checkable entry per language to menu, the current one checked; choosing an
    // entry switches to its language. An unstarted layer reports it and leaves the menu empty.
    void fillMenu(QMenu *menu);

    // Switches to the language of code; false (after the error box) leaves everything as it was.
    bool switchTo(const QString &code);

private:
    void showError(const QString &text) const;
    void updateMenus();

    QString m_folder;
    QString m_keyPath;
    QList<Language> m_languages;
    QString m_current;
    bool m_started = false;
    std::unique_ptr<QTranslator> m_translator;
    QList<QPointer<QActionGroup>> m_groups;
};

} // namespace tidewell::shell
