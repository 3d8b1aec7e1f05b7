#pragma once

#include "platform/result.h"

#include <QString>

namespace tidewell::platform {

// Every reader asks this before it opens a path: a device hands out endless bytes and a FIFO blocks the
// open until a writer comes, while both report a size of 0. Fails with "%1 is not a regular file" for
// anything but a regular file (or a link to one); a path that does not exist passes, so the reader's own
// open reports it as before.
Status requireRegularFile(const QString &path);

} // namespace tidewell::platform
