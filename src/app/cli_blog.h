#pragma once

#include <QStringList>

class QTextStream;

namespace tidewell::app {

// The blog commands of tidewell-cli, on the blog database of the user folder (made on first use):
//   blog list | add --title T --text FILE [--category C] [--link L] [--link-description D]
//        | archive ID | restore ID | delete ID | repair | config [--name N] [--owner O] [--email E]
// Returns true when the command is one of these, with the exit status in status. Other blog
// subcommands are left to the handlers after this one (false).
bool runBlogCommand(const QString &command, const QStringList &args, QTextStream &out, QTextStream &err,
                    int &status);

// The usage lines of the blog commands, for --help.
QString blogUsage();

} // namespace tidewell::app
