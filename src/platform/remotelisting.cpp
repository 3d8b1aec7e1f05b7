#include "platform/remotelisting.h"

#include <optional>
#include <QRegularExpression>

namespace tidewell::platform {

namespace {

// Type letter, nine permission letters (an ACL mark may follow), link count, owner and optionally group,
// size, date (month day time-or-year, or ISO), one blank, name.
const QRegularExpression &unixLine() {
    static const QRegularExpression re(
        QStringLiteral("^([-dlbcpsD])[-rwxsStTl]{9}[+@.]?\\s+\\d+\\s+(?:\\S+\\s+){1,2}?(\\d+)\\s+"
                       "(?:[A-Za-z]{3}\\s+\\d{1,2}\\s+(?:\\d{1,2}:\\d{2}|\\d{4})|\\d{4}-\\d{2}-\\d{2}\\s+\\d{"
                       "2}:\\d{2})\\s(.+)$"));
    return re;
}

// Date, time with optional AM/PM, "<DIR>" or a size, name.
const QRegularExpression &dosLine() {
    static const QRegularExpression re(QStringLiteral(
        "^\\d{2}-\\d{2}-\\d{2,4}\\s+\\d{1,2}:\\d{2}\\s*(?:[AaPp][Mm])?\\s+(<DIR>|\\d+)\\s+(.+)$"));
    return re;
}

// The block count that "ls -l" prints first.
const QRegularExpression &totalLine() {
    static const QRegularExpression re(QStringLiteral("^total\\s+\\d+\\s*$"));
    return re;
}

std::optional<RemoteEntry> parseLine(const QString &line) {
    RemoteEntry entry;
    if (const auto m = unixLine().match(line); m.hasMatch()) {
        const QChar type = m.captured(1).at(0);
        entry.kind = type == QLatin1Char('d') || type == QLatin1Char('D') ? RemoteEntry::Kind::Directory
                     : type == QLatin1Char('l')                           ? RemoteEntry::Kind::Link
                                                                          : RemoteEntry::Kind::File;
        entry.size = m.captured(2).toLongLong();
        entry.name = m.captured(3);
        if (entry.kind == RemoteEntry::Kind::Link) {
            const qsizetype arrow = entry.name.indexOf(QLatin1String(" -> "));
            if (arrow > 0) {
                entry.linkTarget = entry.name.mid(arrow + 4);
                entry.name.truncate(arrow);
            }
        }
    } else if (const auto d = dosLine().match(line); d.hasMatch()) {
        const bool dir = d.captured(1) == QLatin1String("<DIR>");
        entry.kind = dir ? RemoteEntry::Kind::Directory : RemoteEntry::Kind::File;
        entry.size = dir ? -1 : d.captured(1).toLongLong();
        entry.name = d.captured(2);
    } else if (totalLine().match(line).hasMatch()) {
        return std::nullopt;
    } else {
        entry.name = line; // a plain name list
    }
    if (entry.name.isEmpty() || entry.name == QLatin1String(".") || entry.name == QLatin1String("..")) {
        return std::nullopt;
    }
    return entry;
}

} // namespace

QList<RemoteEntry> parseRemoteListing(const QByteArray &text) {
    QList<RemoteEntry> entries;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0) {
            end = text.size();
        }
        qsizetype lineEnd = end;
        while (lineEnd > start && (text.at(lineEnd - 1) == '\r')) {
            --lineEnd;
        }
        const QString line = QString::fromUtf8(text.constData() + start, lineEnd - start);
        start = end + 1;
        if (line.trimmed().isEmpty()) {
            continue;
        }
        if (auto entry = parseLine(line)) {
            entries.append(std::move(*entry));
        }
    }
    return entries;
}

} // namespace tidewell::platform
