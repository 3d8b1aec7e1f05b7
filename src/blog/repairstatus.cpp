#include "blog/repairstatus.h"

#include "platform/eventpump.h"
#include "platform/statusline.h"

namespace tidewell::blog {

namespace {
constexpr int kStatusIntervalMs = 50;
}

void RepairStatus::status(const QString &text) {
    m_text = text;
    if (!m_shown.isValid() || m_shown.elapsed() >= kStatusIntervalMs) {
        show();
    }
    platform::letPendingEventsRun();
}

void RepairStatus::setMaximum(int maximum) {
    platform::StatusLine::current().setProgressMaximum(maximum);
}

void RepairStatus::setPosition(int position) {
    m_position = position;
    if (position == 0) {
        platform::StatusLine::current().setProgressPosition(0);
    }
}

void RepairStatus::compactionText(const QString &text) {
    // The last count is shown before the compaction starts.
    if (!m_text.isEmpty()) {
        show();
    }
    platform::StatusLine::current().setStatusText(text);
    platform::letPendingEventsRunNow();
}

void RepairStatus::show() {
    platform::StatusLine::current().statusmsg(m_text);
    platform::StatusLine::current().setProgressPosition(m_position);
    m_text.clear();
    m_shown.start();
}

} // namespace tidewell::blog
