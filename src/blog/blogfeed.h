#pragma once

#include "platform/result.h"

#include <QCoreApplication>
#include <QString>

namespace tidewell::platform {
class DbConnection;
class Progress;
} // namespace tidewell::platform

namespace tidewell::blog {

// What the wizard's generator options give the feed.
struct FeedOptions {
    QString title;       // chan_title
    QString description; // chan_des
    QString path;        // blogpath: the blog's address, ending in "/"
};

// The fields as ticking "Generate RSS feed from blogs" fills them: the blog's name, the usual
// description, and the "site" setting as the remote path (see remotePath).
FeedOptions defaultFeedOptions(const QString &blogName, const QString &site);
// site with "/" appended when it is not empty and does not end in one.
QString remotePath(const QString &site);

// The blog feed: "news.xml", an RSS 2.0 file of the active entries, newest first. Values are escaped for
// XML and dates are UTC, so the file is well-formed and its dates are true.
class BlogFeed final {
    Q_DECLARE_TR_FUNCTIONS(BlogFeed)

public:
    static const QString kFileName;
    // The program's home page, named in the feed's generator line.
    static const QString kHomePage;

    // Reads "blogtable" newest first and writes news.xml into outputFolder, whole or not at all. An entry
    // date that is not a date ("'%1' is not a valid date") ends the run with no file written.
    static platform::Status write(platform::DbConnection &connection, const QString &outputFolder,
                                  const FeedOptions &options, platform::Progress &progress);
};

} // namespace tidewell::blog
