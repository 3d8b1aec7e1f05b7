#pragma once

#include "platform/result.h"

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QStringList>
#include <utility>

namespace tidewell::platform {
class DbCursor;
}

namespace tidewell::blog {

// One blog entry as the publishing run reads it from "blogtable" or "archived".
struct PublishedEntry {
    QString date; // yyyy-MM-dd
    QString time; // HH:mm:ss
    QString author;
    QString title;
    QString link;
    QString linkdes;
    QString blogtext;
    QString shortblogtext;
    QString guid;
    QString month;
    qint64 archived = 0;

    // The current record of an open cursor.
    static platform::Result<PublishedEntry> read(platform::DbCursor &cursor);
};

// The template files of one publishing run: read once each, on first use, line by line.
class TemplateFiles final {
    Q_DECLARE_TR_FUNCTIONS(TemplateFiles)

public:
    explicit TemplateFiles(QString folder) : m_folder(std::move(folder)) {}

    const QString &folder() const { return m_folder; }
    // The lines of a template ("top.htm" ...), without their line ends; "Cannot open file <path>" when
    // it is missing, not a regular file or unreadable.
    platform::Result<QStringList> lines(const QString &name);

private:
    QString m_folder;
    QHash<QString, QStringList> m_loaded;
};

// Replacement of placeholders in template lines, and the values the pages show for an entry.
namespace placeholders {

using Replacements = QList<std::pair<QString, QString>>;

// Every placeholder of the list replaced in its order, every occurrence on the line, exactly as written.
void replaceAll(QString &line, const Replacements &replacements);
// The list applied five times over the line, so that placeholders a value brings in are replaced too,
// up to five levels deep.
void replaceFiveTimes(QString &line, const Replacements &replacements);

// The first 44 characters and suffix, when text has 45 or more; else text.
QString shortened(const QString &text, const QString &suffix);
// <a href="GUID.htm" title="TITLE">SHOWN</a>; the title attribute-escaped, the shown title shortened.
QString titleLink(const PublishedEntry &entry);
// The short text, with the read-more link when it has 200 or more characters.
QString shortText(const PublishedEntry &entry);
// The entry placeholders but "{$BLOG_TEXT}", in their order. dateWithTime: "{$BLOG_DATE}" is the date,
// " - " and the time; else the date alone.
Replacements entryValues(const PublishedEntry &entry, bool dateWithTime = true);

// The lines of a template for one entry: the entry placeholders in five passes, then "{$BLOG_TEXT}" once.
QString entryLines(const QStringList &lines, const PublishedEntry &entry, const QString &text);

} // namespace placeholders

// The path of an entry's page, guid.htm in folder; a guid that would name a file elsewhere (a
// separator, a leading dot, empty) gives "Cannot create file".
platform::Result<QString> entryPagePath(const QString &folder, const QString &guid);

// A text file of the output: lines each followed by CR LF, written whole or not at all.
platform::Status writeTextFile(const QString &path, const QString &text);
// The same for text already encoded as UTF-8.
platform::Status writeTextFile(const QString &path, const QByteArray &bytes);
// Appends line and CR LF.
void appendLine(QString &out, const QString &line);

} // namespace tidewell::blog
