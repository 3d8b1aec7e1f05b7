#pragma once

#include <QStringList>

class QTextStream;

namespace tidewell::app {

// Exit statuses of tidewell-cli.
enum CliStatus : int { CliOk = 0, CliFailed = 1, CliUsage = 2 };

// tidewell-cli: runs the command named by args (without the program name), writing results to out and
// messages to err. Shares its logic with the channel window: the new-channel defaults, opening a
// document and the RSS writer.
int runCli(const QStringList &args, QTextStream &out, QTextStream &err);

// The usage text of --help.
QString cliUsage();

} // namespace tidewell::app
