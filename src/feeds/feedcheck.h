#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <string_view>

class QIODevice;

namespace tidewell::feeds {

// One finding of the feed check: the line it is about and what to change there.
struct FeedCheckRow {
    int line = 0;
    QString message;

    friend bool operator==(const FeedCheckRow &, const FeedCheckRow &) = default;
};

// The feed check: what the validator's text markers cannot see. It reads the feed with libxml2's reader as
// a stream (no DTD and no external entity is ever loaded, nothing is fetched) and reports, each with its
// line:
// - XML that is not well-formed, and namespace errors such as an undeclared prefix;
// - an rss root holding a channel with its title, link and description, and items with a title or a
//   description;
// - pubDate and lastBuildDate values that are not RFC 822 dates;
// - links (link, image url, comments, enclosure and source url) that are not absolute http or https
//   addresses;
// - a guid used by two items, and a guid taken as a permanent link (isPermaLink absent or "true") that is
//   not a web address;
// - enclosures without their url, length or type.
// Rows come in line order. Memory stays bounded whatever the shape of the feed: libxml2 frees what it
// has read, and a value is kept only up to a few kilobytes.
class FeedCheck final {
    Q_DECLARE_TR_FUNCTIONS(FeedCheck)

public:
    static QList<FeedCheckRow> run(QIODevice &device);
};

// True for a date-time of RFC 822 (as RSS 2.0 uses it, with two- or four-digit years): an optional day
// name and comma, day, month name, year, hh:mm[:ss] and a zone (UT, GMT, a US zone, a military letter
// or +hhmm / -hhmm), with values in range.
bool isRfc822Date(std::string_view text);

// True for an absolute http or https address with a host and no blanks.
bool isAbsoluteWebAddress(const QString &text);

} // namespace tidewell::feeds
