#include "feeds/historyrows.h"

#include <QCoreApplication>

namespace tidewell::feeds {

bool isLinkableAddress(const QString &url) {
    static const char *const kLeftOut[] = {"file:", "about:", "res:", "mailto:", "javascript:"};
    for (const char *marker : kLeftOut) {
        if (url.contains(QLatin1String(marker), Qt::CaseSensitive)) {
            return false;
        }
    }
    return true;
}

QList<HistoryRow> historyRows(const QList<platform::HistoryEntry> &entries) {
    QList<HistoryRow> rows;
    for (const platform::HistoryEntry &entry : entries) {
        if (!isLinkableAddress(entry.url)) {
            continue;
        }
        const QString title = entry.title.isEmpty()
                                  ? QCoreApplication::translate("Tfrm_iehistory", "No title found")
                                  : entry.title;
        rows.append({title, entry.url});
    }
    return rows;
}

} // namespace tidewell::feeds
