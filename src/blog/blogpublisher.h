#pragma once

#include "blog/blogarchives.h"
#include "blog/blogfeed.h"
#include "platform/result.h"

#include <QCoreApplication>
#include <QString>

namespace tidewell::platform {
class Progress;
}

namespace tidewell::blog {

// The first "bloginformation" record: what the blog placeholders of the index page show.
struct BlogInformation {
    QString name;
    QString owner;
    QString email;

    static platform::Result<BlogInformation> read();
};

// What a publishing run is asked to do besides the pages.
struct PublishOptions {
    bool feed = false; // also write news.xml
    FeedOptions feedOptions;
};

// One publishing run, shared by the wizard and tidewell-cli: empties "published/" in the user folder,
// writes the index page, the entries page and a page per active entry from the templates, copies the
// files they refer to, writes the feed when asked, then the archive pages. The database is read in one
// read transaction, so the run sees one state of the blog.
class BlogPublisher final {
    Q_DECLARE_TR_FUNCTIONS(BlogPublisher)

public:
    enum class Outcome { Published, NothingToPublish };
    using Hooks = BlogArchives::Hooks;

    // "published" in the user folder.
    static QString publishedFolder();
    // The templates: "template" in the user folder when the user has one, else the shipped one.
    static QString templateFolder();
    static QString nothingToPublishMessage();

    // A failure (a template that cannot be read, a file that cannot be written, the engine) ends the run
    // with its message; what was written before stays.
    static platform::Result<Outcome> run(const PublishOptions &options, platform::Progress &progress,
                                         const Hooks &hooks = {});
};

} // namespace tidewell::blog
