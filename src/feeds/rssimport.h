#pragma once

#include "channel/channeltree.h"
#include "feeds/indentedtext.h"
#include "platform/progress.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace tidewell::feeds {

// The RSS import's logic, shared by the import dialog Tfrm_import and `tidewell-cli import`: a feed file
// becomes a channel document (.chf) of the channel tree's shape.
//
// The steps: scan the file into the nodes of its tree (XML scanner): one section per element, its
// attributes as "@" sections with their values, the text of an element as one value node whatever its
// line breaks, markup inside a text element kept as its text; refuse it when no node is "rss"; drop the
// top-level declaration, comments and DTD and the channel's generator and lastBuildDate; drop the rss
// node (and any top-level nodes ahead of it, such as a style sheet instruction); lift the channel's
// content by two levels; read the nodes back as a tree; rename items "item - " + title; write the
// document. The nodes never pass through a file, so a failed import writes nothing at the output path;
// for the usual feed they are placed in the tree as they are made.
class RssImport final {
    Q_DECLARE_TR_FUNCTIONS(RssImport)

public:
    struct Result {
        bool ok = false;
        QString outputPath; // the document written (set once worked out, also when writing failed)
        QString error;      // why nothing was written
        QString warning;    // the feed was not well-formed and was imported as far as it could be read
    };

    // How the result tree is made. Direct builds it while the scan runs and takes the Lines road only for
    // a feed of unusual shape (no channel element, several, a level jump); Lines always collects the whole
    // nodes first and reshapes them. Both give the same result; Lines is there to show that.
    enum class Road { Direct, Lines };

    // Import of the file at path (Button1Click + cleanrss), reporting its steps to progress.
    static Result importFile(const QString &path, platform::Progress &progress, Road road = Road::Direct);

    // The steps after the scan: nodes of the pruned tree -> result tree (lines is consumed).
    static bool reshape(IndentedLines &lines, channel::ChannelTree &result, QString *error);

    // The source path with every ',' removed from its file name (never from the folder part, which
    // would name another folder) and its extension replaced by ".chf".
    static QString outputPathFor(const QString &source);

    // A fetched feed stored in the data directory under its file name (feedFileName), lines ended by
    // CR LF. Returns the path, or empty with error set when it cannot be written.
    static QString storeFetchedFeed(const QString &address, const QByteArray &body, QString *error);

    // A web address the import refuses (Tfrm_import's fetch): the empty address or a bare "http://"
    // gives the warning text, an address of the unsupported aggregator the information text; else empty.
    static QString refusedAddressWarning(const QString &address);
    static QString refusedAddressInformation(const QString &address);
};

} // namespace tidewell::feeds
