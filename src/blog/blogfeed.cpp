#include "blog/blogfeed.h"

#include "blog/blogdatabase.h"
#include "blog/blogpublisherpages.h"
#include "channel/rss_global.h"
#include "channel/rssdate.h"
#include "platform/clock.h"
#include "platform/dbcursor.h"
#include "platform/markupescape.h"
#include "platform/progress.h"

#include <QDate>

namespace tidewell::blog {

using platform::Status;

const QString BlogFeed::kFileName = QStringLiteral("news.xml");
const QString BlogFeed::kHomePage = QStringLiteral("https://tidewell.invalid/");

namespace {

QString escaped(const QString &text) {
    return platform::escapeMarkup(text, platform::MarkupEscape::Text);
}

// One element line: indent, <name>, the escaped value, </name>.
void appendElement(QString &out, QLatin1String indent, QLatin1String name, const QString &value) {
    out += indent;
    out += QLatin1Char('<') + name + QLatin1Char('>');
    out += escaped(value);
    out += QLatin1String("</") + name + QLatin1String(">\r\n");
}

} // namespace

FeedOptions defaultFeedOptions(const QString &blogName, const QString &site) {
    return {blogName, QStringLiteral("Description of the contents of this channel"), remotePath(site)};
}

QString remotePath(const QString &site) {
    return site.isEmpty() || site.endsWith(QLatin1Char('/')) ? site : site + QLatin1Char('/');
}

Status BlogFeed::write(platform::DbConnection &connection, const QString &outputFolder,
                       const FeedOptions &options, platform::Progress &progress) {
    const QString now = channel::rssDate(platform::Clock::now());
    QString out;
    appendLine(out, QStringLiteral("<?xml version=\"1.0\"?>"));
    appendLine(out, QStringLiteral(" <rss version=\"2.0\">"));
    appendLine(out, QStringLiteral("  <channel>"));
    const QLatin1String channelIndent("  ");
    appendElement(out, channelIndent, QLatin1String("generator"),
                  channel::kVersionText + QLatin1String(", ") + kHomePage);
    appendElement(out, channelIndent, QLatin1String("lastBuildDate"), now);
    appendElement(out, channelIndent, QLatin1String("title"), options.title);
    appendElement(out, channelIndent, QLatin1String("link"), options.path);
    appendElement(out, channelIndent, QLatin1String("description"), options.description);
    appendElement(out, channelIndent, QLatin1String("pubDate"), now);

    platform::DbCursor cursor(connection);
    cursor.setTableName(kActiveTable);
    if (Status sorted = cursor.addSort(QStringLiteral("[date] DESC")); !sorted) {
        return sorted;
    }
    if (Status opened = cursor.open(); !opened) {
        return opened;
    }
    const QLatin1String itemIndent("    ");
    for (int number = 0; !cursor.eof(); ++number) {
        progress.status(tr("Publishing feeditem # %1").arg(number));
        const platform::Result<PublishedEntry> entry = PublishedEntry::read(cursor);
        if (!entry) {
            return Status::failure(entry.error());
        }
        const QDate day = QDate::fromString(entry->date, Qt::ISODate);
        if (!day.isValid()) {
            return Status::failure(tr("'%1' is not a valid date").arg(entry->date));
        }
        appendLine(out, QStringLiteral("   <item>"));
        appendElement(out, itemIndent, QLatin1String("title"), entry->title);
        appendElement(out, itemIndent, QLatin1String("link"),
                      options.path + entry->guid + QLatin1String(".htm"));
        appendElement(out, itemIndent, QLatin1String("description"),
                      entry->shortblogtext + QLatin1String(" ..."));
        // The day at midnight UTC: every item shows 00:00:00, and GMT is true.
        appendElement(out, itemIndent, QLatin1String("pubDate"),
                      channel::rssDate(QDateTime(day, QTime(0, 0), Qt::UTC)));
        appendLine(out, QStringLiteral("   </item>"));
        if (Status moved = cursor.next(); !moved) {
            return moved;
        }
    }
    appendLine(out, QStringLiteral("  </channel>"));
    appendLine(out, QStringLiteral(" </rss>"));
    return writeTextFile(outputFolder + QLatin1Char('/') + kFileName, out);
}

} // namespace tidewell::blog
