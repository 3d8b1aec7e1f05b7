#pragma once

#include <QString>

namespace tidewell::platform {

// What a long operation reports while it runs: status texts and a position within a maximum. Windows
// pass one that drives their status line and progress bar, the command line one that prints the texts,
// tests one that records them. An operation takes it as a parameter rather than reaching for a global.
class Progress {
public:
    virtual ~Progress() = default;

    virtual void status(const QString &text) = 0;
    virtual void setMaximum(int maximum) { (void)maximum; }
    virtual void setPosition(int position) { (void)position; }
    // True when the user asked to stop; the operation then ends as soon as it safely can.
    virtual bool cancelled() const { return false; }

    // A Progress that reports nowhere.
    static Progress &silent();
    // A Progress that reports to the main window's status line and progress bar (StatusLine::current()).
    static Progress &mainStatusLine();
};

} // namespace tidewell::platform
