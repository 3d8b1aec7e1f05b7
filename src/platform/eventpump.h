#pragma once

namespace tidewell::platform {

// "Let pending window events run": processes pending events at most every ~20 ms, so a loop over a
// million nodes stays fast and the window still paints.
void letPendingEventsRun();
// Processes pending events now, whatever the time since the last call.
void letPendingEventsRunNow();

} // namespace tidewell::platform
