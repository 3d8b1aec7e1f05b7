#pragma once

#include "channel/channeltree.h"
#include "platform/progress.h"

#include <QString>
#include <string_view>

namespace tidewell::channel {

// The RSS writer and the logic of the two commands of the channel window that run it.
//
// How the channel window calls them (ToolButton2Click, "Process, export,  & save feed information"):
//
//     if (m_exporting) return false;                        // no second export while one runs
//     const QString name = processExportFileName(windowTitle(), channelTitle);
//     if (name.isEmpty()) return false;                     // cancelled
//     setWindowTitle(name);                                 // the chosen path names the document
//     m_exporting = true;                                   // and the tree must not change meanwhile:
//     ...disable the boxes and commands that edit the tree...
//     QString error;
//     const bool ok = export_rssfile(channelModel()->tree(), name, &error);
//     m_exporting = false; ...enable them again...
//     if (!ok) platform::Prompts::error(error);
//
// ToolButton4Click ("Save as") is the same with saveAsFileName() in place of processExportFileName().
// export_rssfile lets pending window events run while it works (the window keeps painting and the
// progress bar moves), which is why the window must refuse edits and a second export during the call.

// The generated item guid: "TW" and the 32 upper-case hex digits of a name-based UUID (version 5, a fixed
// namespace of this program) of the channel link, the item's link and the item's title. The same channel
// exported again gives the same guid, so feed readers do not show the item as new.
QString make_guid(std::string_view channelLink, std::string_view itemLink, std::string_view itemTitle);

// Writes the channel tree as <fileName>.rss and an identical <fileName>.xml (the file name's extension
// replaced, or added when it has none), and the tree itself as <fileName>.chf. Reports "Exporting and
// saving RSS file", then "File <name>.chf succesfully exported to RSS format, Data has been saved."
// to progress, and moves its position through the item pass.
//
// The feed: channel lines from the channel's own top-level sections only, then every other channel
// section in tree order, then the items. Sections named "@name" are written as attributes of their
// element, top-level "@xmlns..." sections as namespace declarations of the rss element; every prefix used
// and not declared is declared with its usual namespace (rss_global's table) or, when the table does not
// know it, with "urn:x-undeclared-prefix:<prefix>", so the output is always namespace-well-formed. Values
// are XML-escaped and written as UTF-8; every line ends in CR LF, line breaks inside values too.
//
// All three files are written to temporary files first and committed at the end, the .chf first: a failed
// export leaves the three files as they were, and the document is never older than the feed beside it.
// A replaced file keeps its permissions. The tree is not changed. On failure returns false with the
// reason in error (may be null): "Cannot create file <path>: <system's reason>", or a refusal of a file
// name without a base name (empty, or only an extension), for which nothing is written.
bool export_rssfile(const ChannelTree &tree, const QString &fileName, platform::Progress &progress,
                    QString *error = nullptr);

// The file name the save dialog proposes for a channel: its title with characters that do not belong in
// a file name replaced by "_", and ".rss"; "news.rss" for a channel without a title.
QString proposedFeedFileName(const QString &channelTitle);
// The save dialog SaveDialog1 through platform::Prompts: caption "Save as", filter RSS files (*.rss) /
// XML file (*.xml), default extension "rss", no question before overwriting, the name proposed from the
// channel title. Empty when cancelled.
QString askExportFileName(const QString &channelTitle);
// "Process, export,  & save feed information": the file name to export to for a window titled
// windowTitle. When the title, upper-cased, contains "UNTITLED" the save dialog asks for it (empty when
// cancelled); otherwise it is the title itself. The window takes the result as its new title.
QString processExportFileName(const QString &windowTitle, const QString &channelTitle);
// "Save as": always asks; empty when cancelled. The window takes the result as its new title.
QString saveAsFileName(const QString &channelTitle);

} // namespace tidewell::channel
