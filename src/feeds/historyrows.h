#pragma once

#include "platform/browserhistory.h"

#include <QList>
#include <QString>

namespace tidewell::feeds {

// One row of the history link picker: what the list shows as the title, and the address.
struct HistoryRow {
    QString title;
    QString url;
};

// True for an address the picker offers as a link: not a local file, a browser page, a resource, a mail
// address or a script (an address containing "file:", "about:", "res:", "mailto:" or "javascript:").
bool isLinkableAddress(const QString &url);

// The rows of the picker for history entries, in their order: unlinkable addresses left out, an empty
// title shown as "No title found".
QList<HistoryRow> historyRows(const QList<platform::HistoryEntry> &entries);

} // namespace tidewell::feeds
