#include "platform/browserhistory.h"

#include "platform/dbconnection.h"

#include <algorithm>
#include <QDir>
#include <QFileInfo>
#include <sqlite3.h>

namespace tidewell::platform {

namespace {

// Profiles are the subfolders of root that hold a file named fileName.
QStringList profileFiles(const QString &root, const QString &fileName) {
    QStringList files;
    const QDir dir(root);
    const QStringList profiles = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    for (const QString &profile : profiles) {
        const QString path = dir.filePath(profile + QLatin1Char('/') + fileName);
        if (QFileInfo(path).isFile()) {
            files.append(path);
        }
    }
    return files;
}

// Appends the rows of query (url, title) from the database at path; a database that cannot be opened
// or queried adds nothing.
void readDatabase(const QString &path, const char *query, QList<HistoryEntry> &entries) {
    DbConnection connection;
    connection.setFile(path);
    if (!connection.connect(DbConnection::OpenMode::ReadOnlySnapshot)) {
        return;
    }
    Result<DbStatement> statement = connection.statement(QString::fromLatin1(query));
    if (!statement) {
        return;
    }
    QList<HistoryEntry> read;
    int rc = SQLITE_ROW;
    while ((rc = statement->step()) == SQLITE_ROW) {
        const QString url = statement->value(0).toString();
        if (!url.isEmpty()) {
            read.append({url, statement->value(1).toString()});
        }
    }
    // A database damaged halfway adds nothing rather than a part.
    if (rc == SQLITE_DONE) {
        entries.append(read);
    }
}

constexpr const char *kFirefoxQuery = "SELECT url, title FROM moz_places WHERE visit_count > 0";
constexpr const char *kChromiumQuery = "SELECT url, title FROM urls";

} // namespace

BrowserHistory::BrowserHistory(const QString &homeFolder)
    : m_home(homeFolder.isEmpty() ? QDir::homePath() : homeFolder) {}

QStringList BrowserHistory::searchedFolders() const {
    const QDir home(m_home);
    return {home.filePath(QStringLiteral(".mozilla/firefox")),
            home.filePath(QStringLiteral(".config/chromium")),
            home.filePath(QStringLiteral(".config/google-chrome"))};
}

QStringList BrowserHistory::databaseFiles() const {
    const QStringList folders = searchedFolders();
    QStringList files = profileFiles(folders[0], QStringLiteral("places.sqlite"));
    files += profileFiles(folders[1], QStringLiteral("History"));
    files += profileFiles(folders[2], QStringLiteral("History"));
    return files;
}

int BrowserHistory::refresh() {
    m_entries.clear();
    for (const QString &file : databaseFiles()) {
        const bool firefox = file.endsWith(QLatin1String("places.sqlite"));
        readDatabase(file, firefox ? kFirefoxQuery : kChromiumQuery, m_entries);
    }
    // Character codes, not the locale: QString compares UTF-16 code units.
    std::stable_sort(m_entries.begin(), m_entries.end(), [](const HistoryEntry &a, const HistoryEntry &b) {
        return QString::compare(a.title, b.title, Qt::CaseSensitive) < 0;
    });
    return int(m_entries.size());
}

} // namespace tidewell::platform
