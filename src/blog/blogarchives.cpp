#include "blog/blogarchives.h"

#include "blog/blogdatabase.h"
#include "blog/blogpublisherpages.h"
#include "channel/rss_global.h"
#include "platform/dbcursor.h"
#include "platform/progress.h"

namespace tidewell::blog {

using platform::Result;
using platform::Status;

namespace {

const QString kMonthList = QStringLiteral("months.htm");

QString monthFilter(const QString &month) {
    return QLatin1String("[month] like \"") + month + QLatin1Char('"');
}

// The head lines of a generated page titled title.
void appendPageHead(QString &out, const QString &title) {
    appendLine(out, QStringLiteral("<html>"));
    appendLine(out, QLatin1String("<title>") + title + QLatin1String("</title>"));
    appendLine(out, QStringLiteral("<head></head>"));
    appendLine(out, QLatin1String("<!-- Blog data generated with ") + channel::kVersionText +
                        QLatin1String(" -->"));
}

} // namespace

Status BlogArchives::write(platform::DbConnection &connection, TemplateFiles &templates,
                           const QString &outputFolder, platform::Progress &progress, const Hooks &hooks) {
    const Result<QStringList> head = templates.lines(kMonthList);
    if (!head) {
        return Status::failure(head.error());
    }
    QString monthList;
    for (const QString &line : *head) {
        appendLine(monthList, line);
    }

    platform::DbCursor cursor(connection);
    cursor.setTableName(kArchivedTable);
    if (Status opened = cursor.open(); !opened) {
        return opened;
    }
    if (hooks.showCount) {
        hooks.showCount(tr("%1 archived records processed..").arg(cursor.recordCount()));
    }
    cursor.close();
    if (Status sorted = cursor.addSort(QStringLiteral("[date] DESC")); !sorted) {
        return sorted;
    }

    const QString folder = outputFolder + QLatin1Char('/');
    const QStringList &months = channel::monthNames();
    for (int i = 1; i <= 12; ++i) {
        const QString &month = months.at(i);
        progress.status(tr("Scanning month #%1").arg(i));
        QString page;
        appendPageHead(page, month);
        if (Status filtered = cursor.setFilter(monthFilter(month)); !filtered) {
            return filtered;
        }
        if (Status on = cursor.setFiltered(true); !on) {
            return on;
        }
        cursor.close();
        if (Status opened = cursor.open(); !opened) {
            return opened;
        }
        const int count = cursor.recordCount();
        if (count == 0) {
            appendLine(monthList, month + QLatin1String("<br>"));
        } else {
            progress.status(tr("Processing %1").arg(month));
            if (hooks.beep) {
                hooks.beep();
            }
            appendLine(monthList, QLatin1String("<a href=\"") + month + QLatin1String(".htm\" title=\"") +
                                      QString::number(count) +
                                      QLatin1String(" Entries in this archive\" target=\"blogframe\">") +
                                      month + QLatin1String("</a><br>"));
            for (int j = 0; !cursor.eof(); ++j) {
                progress.status(tr("Publishing record # %1").arg(j));
                const Result<PublishedEntry> entry = PublishedEntry::read(cursor);
                if (!entry) {
                    return Status::failure(entry.error());
                }
                const Result<QStringList> archives = templates.lines(QStringLiteral("archives.htm"));
                if (!archives) {
                    return Status::failure(archives.error());
                }
                const placeholders::Replacements values = {
                    {QStringLiteral("{$BLOG_DATE}"), entry->date},
                    {QStringLiteral("{$BLOG_TITLE}"), placeholders::titleLink(*entry)},
                };
                for (QString line : *archives) {
                    placeholders::replaceFiveTimes(line, values);
                    appendLine(page, line);
                }
                const Result<QStringList> blogs = templates.lines(QStringLiteral("blogs.htm"));
                if (!blogs) {
                    return Status::failure(blogs.error());
                }
                const QString entryPage = placeholders::entryLines(*blogs, *entry, entry->blogtext);
                const Result<QString> path = entryPagePath(outputFolder, entry->guid);
                if (!path) {
                    return Status::failure(path.error());
                }
                if (Status saved = writeTextFile(*path, entryPage); !saved) {
                    return saved;
                }
                if (Status moved = cursor.next(); !moved) {
                    return moved;
                }
            }
        }
        if (Status saved = writeTextFile(folder + kMonthList, monthList); !saved) {
            return saved;
        }
        appendLine(page, QStringLiteral("</html>"));
        appendLine(page, QStringLiteral("<br>"));
        appendLine(page, QStringLiteral("<a href=\"javascript:history.go(-1)\">Back to previous page.</a>"));
        if (Status saved = writeTextFile(folder + month + QLatin1String(".htm"), page); !saved) {
            return saved;
        }
    }
    progress.status(tr("Publishing done.."));
    return {};
}

} // namespace tidewell::blog
