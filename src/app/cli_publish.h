#pragma once

#include <QStringList>

class QTextStream;

namespace tidewell::app {

// The publishing command of tidewell-cli:
//   blog publish [--feed [--title T] [--description D] [--path URL]] [--preview]
// runs the publishing run of the wizard, printing its status texts. Returns true when command and args
// are this one, with the exit status in status; other "blog" commands are left to their handler.
bool runPublishCommand(const QString &command, const QStringList &args, QTextStream &out, QTextStream &err,
                       int &status);

// The usage lines of the publishing command, for --help.
QString publishUsage();

} // namespace tidewell::app
