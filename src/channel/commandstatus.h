#pragma once

#include <initializer_list>

class QObject;

namespace tidewell::channel {

// Makes each command (a button or an action) start on a clear status line, so no text of an earlier
// command stays behind a command that reports nothing itself. Connect this before the commands' own
// handlers: connections run in the order they were made.
void clearStatusLineBefore(std::initializer_list<QObject *> commands);

} // namespace tidewell::channel
