#pragma once

#include "channel/channeltree.h"

#include <QString>

namespace tidewell::channel {

// The RSS writer and the logic of the two commands of the channel window that run it.
//
// How the channel window calls them (ToolButton2Click, "Process, export,  & save feed information"):
//
//     if (m_exporting) return false;                        // no second export while one runs
//     const QString name = processExportFileName(windowTitle());
//     if (name.isEmpty()) return false;                     // cancelled
//     setWindowTitle(name);                                 // the chosen path names the document
//     m_exporting = true;                                   // and the tree must not change meanwhile:
//     ...disable the boxes and commands that edit the tree...
//     QString error;
//     const bool ok = export_rssfile(m_model->tree(), name, &error);
//     m_exporting = false; ...enable them again...
//     if (!ok) platform::Prompts::error(error);
//
// ToolButton4Click ("Save as") is the same with saveAsFileName() in place of processExportFileName().
// export_rssfile lets pending window events run while it works (the window keeps painting and the
// progress bar moves), which is why the window must refuse edits and a second export during the call.

// The generated item guid: "TW" and the 32 upper-case hex digits of a fresh platform::Guid (field order
// of the registry form, without braces and hyphens); "TW" alone when the generator gives no GUID.
QString make_guid();

// Writes the channel tree as <fileName>.rss and an identical <fileName>.xml (the file name's extension
// replaced, or added when it has none), then the tree itself as <fileName>.chf. Reports "Exporting and
// saving RSS file", then "File <name>.chf succesfully exported to RSS format, Data has been saved."
// through platform::StatusLine, and moves its progress bar through the stripping and item passes.
// Values are XML-escaped (& < >) and written as UTF-8; every line ends in CR LF. The tree is not
// changed. On failure returns false with "Cannot create file <path>" in error (may be null): files
// written before the failing one stay, later ones are not written.
bool export_rssfile(const ChannelTree &tree, const QString &fileName, QString *error = nullptr);

// The save dialog SaveDialog1 through platform::Prompts: caption "Save as", filter RSS files (*.rss) /
// XML file (*.xml), default extension "rss", no question before overwriting. Empty when cancelled.
QString askExportFileName();
// "Process, export,  & save feed information": the file name to export to for a window titled
// windowTitle. When the title, upper-cased, contains "UNTITLED" the save dialog asks for it (empty when
// cancelled); otherwise it is the title itself. The window takes the result as its new title.
QString processExportFileName(const QString &windowTitle);
// "Save as": always asks; empty when cancelled. The window takes the result as its new title.
QString saveAsFileName();

} // namespace tidewell::channel
