#pragma once

#include <QMargins>
#include <QRect>
#include <QString>
#include <QStringList>

namespace tidewell::shell {

// The decisions the main window's commands take from titles and arguments, kept apart from the window so
// they can be checked on their own.

// The splash shows unless one argument is exactly "/NOSPLASH" (letter case counts).
bool splashWanted(const QStringList &arguments);

enum class ArgumentKind { Ignored, ChannelDocument, RssFeed };
// ".chf" arguments are opened, ".rss" ones imported (extension compared in upper case), others ignored.
ArgumentKind argumentKind(const QString &argument);

// "Untitled N" where N counts the open child windows, the new one included.
QString newChannelTitle(int openChildWindows);
// "Untitled Article - N", counted the same way.
QString newArticleTitle(int openChildWindows);

// The database export and the upload work on a window whose title's extension is ".CHF" in upper case.
bool isChannelDocumentTitle(const QString &title);
// The upload dialog's "Selected feed": the document's ".xml" copy, or empty for any other title.
QString uploadPreset(const QString &activeTitle);

// Where the main window goes so that it and its frame lie on the screen's available area: the wanted
// place when it fits, else no larger than the area and moved onto it (a size saved on a larger screen, or
// the first-start size on a small or scaled one). Rectangles hold the frame's top-left corner, as move()
// takes it, and the size inside the frame, as resize() takes it.
QRect fittedPlacement(const QRect &wanted, const QRect &available, const QMargins &frame);

} // namespace tidewell::shell
