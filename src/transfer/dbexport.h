#pragma once

#include "channel/channeltree.h"
#include "platform/progress.h"
#include "platform/result.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace tidewell::transfer {

// The column lists shipped in the program folder: "channel.dat" names the channel sections that make
// the channel row, "items.dat" the item fields that head the item table. One name per line.
struct DbExportColumns {
    QStringList channel;
    QStringList items;
};

// What the user chose in the export dialog (or on the command line).
struct DbExportOptions {
    QString path;           // the database file to create; it must not exist yet
    QString itemTable;      // the name of the item table
    int formatVersion = 40; // 30 or 40, stored as the file's user_version
};

// The database export: one channel written into a new SQLite file with three tables.
//
//   "FileInfo"    id, rss, date, generator; one row: "2.0", today's date, the version text.
//   "ChannelInfo" one text column per line of channel.dat; one row: the channel's values.
//   item table    "ID", then one text column per line of items.dat; one row per top-level node that
//                 did not go into the channel row (the items, and any channel section channel.dat does
//                 not name), numbered from 0 in tree order.
//
// How a node becomes values: a child section gives the column named by its text the text of its value
// node; its attribute sections ("@url") give columns named section + attribute ("enclosure@url"), its
// nested element sections columns named section + "/" + element ("media:content/media:title"), so
// nothing the document holds is dropped. A node with a value of its own (a channel section channel.dat
// does not name) gives that value to the column named by the node. The fields a document carries
// beyond the column lists become further columns after the listed ones, and a field that occurs more
// than once in a row keeps every value, one per line.
//
// ChannelInfo has a primary key on "title" and the item table a plain index on "title" when the table
// has that column; without one the index is left out and the export goes on.
//
// Channel values come from the channel's own top-level sections only (never from inside an item). Table
// and column names are always quoted and values always bound by the engine, so no text of the document
// becomes SQL. Everything is written in one transaction, and an export that fails after the file was
// created removes that file: the file holds the whole export or is not there. An existing file is never
// touched.
class DbExport final {
    Q_DECLARE_TR_FUNCTIONS(DbExport)

public:
    static QString defaultFileName() { return QStringLiteral("tw_export.sqlite"); }
    static QString defaultItemTable() { return QStringLiteral("tw_feeditems"); }

    // channel.dat and items.dat from the program folder; missingDataFileMessage() when one is missing.
    static platform::Result<DbExportColumns> readColumnFiles();
    static QString missingDataFileMessage();
    static QString nothingToExportMessage();

    // The export step by step; every status text goes to progress, the last one "Done.. data exported..".
    static platform::Status run(const channel::ChannelTree &tree, const DbExportColumns &columns,
                                const DbExportOptions &options, platform::Progress &progress);
};

} // namespace tidewell::transfer
