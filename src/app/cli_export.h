#pragma once

#include <QStringList>

class QTextStream;

namespace tidewell::app {

// The database export command of tidewell-cli:
//   dbexport DOC.chf OUT.sqlite [--table NAME] [--format 30|40]
// prints the export's status lines; status 0 only when the whole database was written.
// Returns true when command is this one, with the exit status in status.
bool runExportCommand(const QString &command, const QStringList &args, QTextStream &out, QTextStream &err,
                      int &status);

// The usage lines of the export command, for --help.
QString exportUsage();

} // namespace tidewell::app
