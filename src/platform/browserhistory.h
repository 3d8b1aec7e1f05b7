#pragma once

#include <QList>
#include <QString>

namespace tidewell::platform {

// One visited page as the browser history gives it.
struct HistoryEntry {
    QString url;
    QString title; // may be empty
};

// The current user's browser history, read-only: Firefox (places.sqlite, table moz_places, in every
// profile under ~/.mozilla/firefox) and Chromium / Chrome (History, table urls, in every profile under
// ~/.config/chromium and ~/.config/google-chrome). The databases are opened immutable, so a running
// browser's lock does not matter and nothing is ever written. A history that is missing or cannot be
// read adds nothing; refresh never fails.
class BrowserHistory final {
public:
    // homeFolder: the user's home; empty means the real one (tests pass a fixture folder).
    explicit BrowserHistory(const QString &homeFolder = QString());

    // Reads every history afresh, sorted by title, ascending, comparing character codes (so "B" comes
    // before "a", and untitled pages first). Returns the number of entries.
    int refresh();
    const QList<HistoryEntry> &entries() const { return m_entries; }

    // The history database files found under the home folder, in the order they are read.
    QStringList databaseFiles() const;
    // The folders whose profiles databaseFiles() looks into.
    QStringList searchedFolders() const;

private:
    QString m_home;
    QList<HistoryEntry> m_entries;
};

} // namespace tidewell::platform
