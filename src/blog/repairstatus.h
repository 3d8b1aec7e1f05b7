#pragma once

#include "blog/blogentries.h"

#include <QElapsedTimer>
#include <QString>

namespace tidewell::blog {

// Repair's progress on the main window's status line and progress bar: the record count at most every
// 50 ms (a text per record would cost more than the renumbering itself), with pending window events
// run in between so the window stays responsive; the compaction text without the time, then cleared.
class RepairStatus final : public RepairProgress {
public:
    void status(const QString &text) override;
    void setMaximum(int maximum) override;
    void setPosition(int position) override;
    void compactionText(const QString &text) override;

private:
    void show();

    QString m_text;
    int m_position = 0;
    QElapsedTimer m_shown;
};

} // namespace tidewell::blog
