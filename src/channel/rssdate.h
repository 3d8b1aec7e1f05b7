#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace tidewell::channel {

// The RSS date format: the time in UTC with English day and month names, ending in "GMT", so the letters
// GMT are true and feed readers can parse the date: "Tue, 09 Dec 2003 14:05:09 GMT".
inline QString rssDate(const QDateTime &time) {
    return QLocale::c().toString(time.toUTC(), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"));
}

} // namespace tidewell::channel
