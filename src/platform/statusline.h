#pragma once

#include <QString>

namespace tidewell::platform {

// The main window's status line and progress bar as long-running logic sees them. The main window
// installs itself; with none installed (tidewell-cli, tests) reports go nowhere.
class StatusLine {
public:
    virtual ~StatusLine() = default;

    // "hh:mm AM/PM - message" in the status line.
    virtual void statusmsg(const QString &message) = 0;
    // The status line's text as given, without the time (empty clears it).
    virtual void setStatusText(const QString &text) = 0;
    virtual void setProgressMaximum(int maximum) = 0;
    virtual void setProgressPosition(int position) = 0;

    static StatusLine &current();
    static void install(StatusLine *line); // not owned; nullptr restores the silent one

    // The text statusmsg shows for a message at a time: "09:05 PM - Parsing RSS file".
    static QString timedMessage(const QString &message);
};

} // namespace tidewell::platform
