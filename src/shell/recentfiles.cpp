#include "shell/recentfiles.h"

#include "platform/settingsstore.h"
#include "platform/settingsvalues.h"

namespace tidewell::shell {

using platform::SettingsStore;

void RecentFiles::add(const QString &path) {
    m_paths.removeIf([&](const QString &p) { return p.compare(path, Qt::CaseInsensitive) == 0; });
    m_paths.prepend(path);
    while (m_paths.size() > kMaxEntries) {
        m_paths.removeLast();
    }
}

bool RecentFiles::load(QString *error) {
    m_paths.clear();
    QString openError;
    const std::optional<platform::SettingsKey> key =
        SettingsStore().openKey(platform::settings::kRecentFilesKey, false, &openError);
    if (!key) {
        if (error) {
            *error = openError;
        }
        return openError.isEmpty();
    }
    const platform::SettingsRead<QList<platform::SettingsValue>> values = key->values();
    if (!values.ok()) {
        if (error) {
            *error = values.error;
        }
        return false;
    }
    for (const platform::SettingsValue &value : values.value) {
        if (value.type == platform::SettingsType::String && !value.text.isEmpty() &&
            m_paths.size() < kMaxEntries) {
            m_paths.append(value.text);
        }
    }
    return true;
}

bool RecentFiles::save(QString *error) const {
    const SettingsStore store;
    if (!store.eraseKey(platform::settings::kRecentFilesKey, error)) {
        return false;
    }
    const std::optional<platform::SettingsKey> key =
        store.openKey(platform::settings::kRecentFilesKey, true, error);
    if (!key) {
        return false;
    }
    for (qsizetype i = 0; i < m_paths.size(); ++i) {
        if (!key->writeString(QStringLiteral("F%1").arg(i), m_paths[i], error)) {
            return false;
        }
    }
    return true;
}

QString RecentFiles::menuCaption(int index, const QString &path, int maxChars) {
    QString shown = path;
    if (maxChars > 3 && shown.size() > maxChars) {
        const qsizetype keep = maxChars - 3;
        const qsizetype head = keep / 2;
        shown = shown.left(head) + QStringLiteral("...") + shown.right(keep - head);
    }
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

} // namespace tidewell::shell
