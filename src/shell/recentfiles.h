#pragma once

#include <QString>
#include <QStringList>

namespace tidewell::shell {

// The recent-files list of the main window: at most five full paths, most recent first, compared without
// letter case. Kept in the settings store under kRecentFilesKey as "F0" (most recent) to "F4".
class RecentFiles final {
public:
    static constexpr int kMaxEntries = 5;

    const QStringList &paths() const { return m_paths; }
    // Puts path at the top; the same path in any letter case moves there instead of appearing twice.
    void add(const QString &path);

    // Reads every string value of the key in stored order (other values are skipped). False with the
    // store's error when the store cannot be read; the list is then empty.
    bool load(QString *error);
    // Erases the key and writes one value per entry.
    bool save(QString *error) const;

    // The menu caption of entry index (0-based): "&1 path", the path shortened in the middle when longer
    // than maxChars, and '&' doubled so it shows as itself.
    static QString menuCaption(int index, const QString &path, int maxChars = 60);

private:
    QStringList m_paths;
};

} // namespace tidewell::shell
