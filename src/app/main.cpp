#include "platform/qtprompts.h"
#include "platform/settingsvalues.h"
#include "platform/shellopen.h"
#include "shell/rss_main.h"
#include "shell/tklocalizeronfly.h"

#include <QApplication>
#include <QDesktopServices>
#include <QTimer>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    // No display name: the toolkit would append it to every window title.
    QApplication::setApplicationName(QStringLiteral("Tidewell"));
    QApplication::setOrganizationName(QStringLiteral("hollicore"));

    tidewell::platform::QtPrompts prompts;
    tidewell::platform::Prompts::install(&prompts);
    tidewell::platform::ShellOpen::setOpener([](const QUrl &url) { return QDesktopServices::openUrl(url); });

    // The interface language is chosen before any window exists, so every window starts in it.
    tidewell::shell::TKLocalizerOnFly localizer;
    localizer.initialise(tidewell::platform::settings::kLanguageKey);

    const QStringList arguments = QApplication::arguments().mid(1);
    tidewell::shell::Tmain window(arguments);
    window.show();

    // Test hook for the smoke run: TIDEWELL_QUIT_AFTER_MS ends the program through "&Exit" after that many
    // milliseconds. Not a user option.
    bool ok = false;
    const int quitAfter = qEnvironmentVariableIntValue("TIDEWELL_QUIT_AFTER_MS", &ok);
    if (ok && quitAfter >= 0) {
        QTimer::singleShot(quitAfter, &window, &tidewell::shell::Tmain::Close1Click);
    }

    const int status = QApplication::exec();
    tidewell::platform::Prompts::install(nullptr);
    return status;
}
