#include "channel/rss_global.h"

namespace tidewell::channel {

const QStringList &monthNames()
{
    static const QStringList names = {QString(),
                                      QStringLiteral("January"),
                                      QStringLiteral("February"),
                                      QStringLiteral("March"),
                                      QStringLiteral("April"),
                                      QStringLiteral("May"),
                                      QStringLiteral("June"),
                                      QStringLiteral("July"),
                                      QStringLiteral("August"),
                                      QStringLiteral("September"),
                                      QStringLiteral("October"),
                                      QStringLiteral("November"),
                                      QStringLiteral("December")};
    return names;
}

} // namespace tidewell::channel

namespace tidewell::channel {

QString &filetoopen()
{
    static QString path;
    return path;
}

} // namespace tidewell::channel
