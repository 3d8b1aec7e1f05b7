#include "blog/blogpublisher.h"

#include "blog/blogdatabase.h"
#include "blog/blogpublisherpages.h"
#include "blog/blogpublisherrefs.h"
#include "channel/rss_global.h"
#include "platform/clock.h"
#include "platform/dbconnection.h"
#include "platform/dbcursor.h"
#include "platform/fileerrors.h"
#include "platform/folders.h"
#include "platform/progress.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace tidewell::blog {

using platform::DbConnection;
using platform::DbCursor;
using platform::Result;
using platform::Status;

namespace {

const QString kIndex = QStringLiteral("index.htm");
const QString kEntries = QStringLiteral("blogentries.htm");

Result<BlogInformation> readInformation(DbConnection &connection) {
    DbCursor cursor(connection);
    cursor.setTableName(kInformationTable);
    if (Status opened = cursor.open(); !opened) {
        return Result<BlogInformation>::failure(opened.error());
    }
    BlogInformation information;
    if (cursor.eof()) {
        return information;
    }
    const std::pair<const char *, QString *> fields[] = {{"blogname", &information.name},
                                                         {"blogowner", &information.owner},
                                                         {"blogemail", &information.email}};
    for (const auto &[column, target] : fields) {
        Result<QString> value = cursor.fieldText(QLatin1String(column));
        if (!value) {
            return Result<BlogInformation>::failure(value.error());
        }
        *target = std::move(*value);
    }
    return information;
}

Status connectToBlog(DbConnection &connection) {
    if (Status exists = BlogDatabase::ensureExists(); !exists) {
        return exists;
    }
    connection.setFile(BlogDatabase::path());
    return connection.connect();
}

// Deletes the plain files of folder (not subfolders, not hidden files), making the folder when needed.
Status emptyFolder(const QString &folder, platform::Progress &progress) {
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        return Status::failure(BlogPublisher::tr("Cannot create folder %1").arg(folder));
    }
    const QStringList files = dir.entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &name : files) {
        progress.status(BlogPublisher::tr("Removing old file called %1").arg(name));
        if (!dir.remove(name)) {
            return Status::failure(BlogPublisher::tr("Cannot delete file %1").arg(dir.filePath(name)));
        }
    }
    return {};
}

// The whole run on an open connection inside its read transaction.
class Run final {
public:
    Run(DbConnection &connection, platform::Progress &progress, const BlogPublisher::Hooks &hooks)
        : m_connection(connection), m_progress(progress), m_hooks(hooks),
          m_output(BlogPublisher::publishedFolder()), m_templates(BlogPublisher::templateFolder()),
          m_copier(m_templates.folder(), m_output) {}

    Result<BlogPublisher::Outcome> publish(const PublishOptions &options);

private:
    Status writeIndexAndEntries();
    QString outputPath(const QString &name) const { return m_output + QLatin1Char('/') + name; }

    DbConnection &m_connection;
    platform::Progress &m_progress;
    const BlogPublisher::Hooks &m_hooks;
    QString m_output;
    TemplateFiles m_templates;
    ReferencedFileCopier m_copier;
};

Status Run::writeIndexAndEntries() {
    const Result<BlogInformation> information = readInformation(m_connection);
    if (!information) {
        return Status::failure(information.error());
    }
    DbCursor cursor(m_connection);
    cursor.setTableName(kActiveTable);
    if (Status sorted = cursor.addSort(QStringLiteral("[date] DESC")); !sorted) {
        return sorted;
    }
    if (Status opened = cursor.open(); !opened) {
        return opened;
    }

    const Result<QStringList> top = m_templates.lines(QStringLiteral("top.htm"));
    if (!top) {
        return Status::failure(top.error());
    }
    m_copier.copyFrom(top->join(QLatin1Char('\n')).toUtf8(), m_progress);

    const placeholders::Replacements blogValues = {
        {QStringLiteral("{$BLOG_NAME}"), information->name},
        {QStringLiteral("{$BLOG_OWNER}"), information->owner},
        {QStringLiteral("{$BLOG_MAIL}"), information->email},
        {QStringLiteral("{$BLOG_ARCHIVES}"), QString()},
        {QStringLiteral("{$BLOG_LASTUPDATE}"),
         platform::Clock::now().toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))},
    };
    QString index;
    for (QString line : *top) {
        placeholders::replaceAll(line, blogValues);
        appendLine(index, line);
    }
    appendLine(index, QStringLiteral("<!-- start of blogging data -->"));
    if (Status saved = writeTextFile(outputPath(kIndex), index); !saved) {
        return saved;
    }

    // The entries page holds every active entry: it goes to its file as it is made, so memory does not
    // grow with the blog. It is there whole or not at all.
    QSaveFile entries(outputPath(kEntries));
    if (!entries.open(QIODevice::WriteOnly)) {
        return Status::failure(platform::FileErrors::cannotCreate(entries));
    }
    for (int r = 0; !cursor.eof(); ++r) {
        const Result<PublishedEntry> entry = PublishedEntry::read(cursor);
        if (!entry) {
            return Status::failure(entry.error());
        }
        if (entry->archived == 0) {
            m_progress.status(BlogPublisher::tr("Publishing record # %1").arg(r));
            const Result<QStringList> blogs = m_templates.lines(QStringLiteral("blogs.htm"));
            if (!blogs) {
                return Status::failure(blogs.error());
            }
            QString summary;
            appendLine(summary,
                       QLatin1String("<!-- blogging data  #") + QString::number(r) + QLatin1String(" -->"));
            summary += placeholders::entryLines(*blogs, *entry, placeholders::shortText(*entry));
            if (entries.write(summary.toUtf8()) < 0) {
                return Status::failure(platform::FileErrors::cannotCreate(entries));
            }

            QString page;
            appendLine(page, QStringLiteral("<html>"));
            appendLine(page, QLatin1String("<title>") + entry->title + QLatin1String("</title>"));
            appendLine(page, QStringLiteral("<head></head>"));
            appendLine(page, QLatin1String("<!-- Blog data generated with ") + channel::kVersionText +
                                 QLatin1String(" -->"));
            page += placeholders::entryLines(*blogs, *entry, entry->blogtext);
            appendLine(page, QStringLiteral("<a href=\"javascript:history.go(-1)\"><--</a>"));
            appendLine(page, QStringLiteral("</html>"));
            const Result<QString> path = entryPagePath(m_output, entry->guid);
            if (!path) {
                return Status::failure(path.error());
            }
            const QByteArray bytes = page.toUtf8();
            if (Status saved = writeTextFile(*path, bytes); !saved) {
                return saved;
            }
            m_copier.copyFrom(bytes, m_progress);
        }
        if (Status moved = cursor.next(); !moved) {
            return moved;
        }
    }

    m_progress.status(BlogPublisher::tr("Publishing done.."));
    const Result<QStringList> bottom = m_templates.lines(QStringLiteral("bottom.htm"));
    if (!bottom) {
        return Status::failure(bottom.error());
    }
    for (const QString &line : *bottom) {
        appendLine(index, line);
    }
    if (!entries.commit()) {
        return Status::failure(platform::FileErrors::cannotCreate(entries));
    }
    return writeTextFile(outputPath(kIndex), index);
}

Result<BlogPublisher::Outcome> Run::publish(const PublishOptions &options) {
    using Outcome = BlogPublisher::Outcome;
    if (Status emptied = emptyFolder(m_output, m_progress); !emptied) {
        return Result<Outcome>::failure(emptied.error());
    }
    int count = 0;
    {
        DbCursor cursor(m_connection);
        cursor.setTableName(kActiveTable);
        if (Status opened = cursor.open(); !opened) {
            return Result<Outcome>::failure(opened.error());
        }
        count = cursor.recordCount();
    }
    if (m_hooks.showCount) {
        m_hooks.showCount(BlogPublisher::tr("%1 Records processed..").arg(count));
    }
    if (count == 0) {
        return Outcome::NothingToPublish;
    }
    if (Status written = writeIndexAndEntries(); !written) {
        return Result<Outcome>::failure(written.error());
    }
    if (options.feed) {
        if (Status feed = BlogFeed::write(m_connection, m_output, options.feedOptions, m_progress); !feed) {
            return Result<Outcome>::failure(feed.error());
        }
    }
    if (Status archives = BlogArchives::write(m_connection, m_templates, m_output, m_progress, m_hooks);
        !archives) {
        return Result<Outcome>::failure(archives.error());
    }
    return Outcome::Published;
}

} // namespace

Result<BlogInformation> BlogInformation::read() {
    DbConnection connection;
    if (Status connected = connectToBlog(connection); !connected) {
        return Result<BlogInformation>::failure(connected.error());
    }
    return readInformation(connection);
}

QString BlogPublisher::publishedFolder() {
    return QDir(platform::Folders::userFolder()).filePath(QStringLiteral("published"));
}

QString BlogPublisher::templateFolder() {
    const QString own = QDir(platform::Folders::userFolder()).filePath(QStringLiteral("template"));
    return QFileInfo(own).isDir() ? own : platform::Folders::programFile(QStringLiteral("template"));
}

QString BlogPublisher::nothingToPublishMessage() {
    return tr("Nothing to publish, please enter data first.");
}

Result<BlogPublisher::Outcome> BlogPublisher::run(const PublishOptions &options, platform::Progress &progress,
                                                  const Hooks &hooks) {
    DbConnection connection;
    if (Status connected = connectToBlog(connection); !connected) {
        return Result<Outcome>::failure(connected.error());
    }
    platform::DbTransaction transaction(connection, DbConnection::TransactionMode::Read);
    if (Status begun = transaction.begin(); !begun) {
        return Result<Outcome>::failure(begun.error());
    }
    return Run(connection, progress, hooks).publish(options);
}

} // namespace tidewell::blog
