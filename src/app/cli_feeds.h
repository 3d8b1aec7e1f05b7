#pragma once

#include <QStringList>

class QTextStream;

namespace tidewell::app {

// The feed commands of tidewell-cli:
//   validate FILE|URL        the validator's numbered marker rows, then the feed check's rows by line, then
//                            the verdict; status 0 when both lists are empty
//   import FILE|URL          the RSS import; prints the path of the .chf written
//   opml FILE|URL [OUTDIR]   fetches every feed of an OPML list; one line per row with its final status
// Returns true when command is one of these, with the exit status in status.
bool runFeedsCommand(const QString &command, const QStringList &args, QTextStream &out, QTextStream &err,
                     int &status);

// The usage lines of the feed commands, for --help.
QString feedsUsage();

} // namespace tidewell::app
