#include "feeds/feedfilename.h"

#include <QUrl>

namespace tidewell::feeds {

namespace {
bool usableFileName(const QString &name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) {
        return false;
    }
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c)) {
            return false;
        }
    }
    return true;
}

QString safeName(const QString &text) {
    QString out;
    for (const QChar c : text) {
        const bool safe = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                          (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                          (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.') ||
                          c == QLatin1Char('-');
        if (safe) {
            out += c;
        } else if (!out.endsWith(QLatin1Char('_'))) {
            out += QLatin1Char('_');
        }
    }
    while (out.startsWith(QLatin1Char('_')) || out.startsWith(QLatin1Char('.'))) {
        out.remove(0, 1);
    }
    while (out.endsWith(QLatin1Char('_'))) {
        out.chop(1);
    }
    return out.isEmpty() ? QStringLiteral("feed") : out;
}
} // namespace

QString feedFileName(const QString &address) {
    const QString text = address.trimmed();
    const qsizetype cut = std::max({text.lastIndexOf(QLatin1Char('/')), text.lastIndexOf(QLatin1Char('\\')),
                                    text.lastIndexOf(QLatin1Char(':'))});
    const QString last = text.mid(cut + 1);
    if (usableFileName(last) && !text.contains(QLatin1Char('?')) && !text.contains(QLatin1Char('#'))) {
        return last;
    }
    const QUrl url(text, QUrl::TolerantMode);
    QString base = url.host() + url.path();
    if (url.hasQuery()) {
        base += QLatin1Char('_') + url.query();
    }
    if (url.host().isEmpty()) {
        base = text;
    }
    return safeName(base) + QStringLiteral(".xml");
}

QString BatchFileNames::claim(const QString &name) {
    QString candidate = name;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    for (int n = 2; m_used.contains(candidate); ++n) {
        candidate = stem + QLatin1Char('-') + QString::number(n) + extension;
    }
    m_used.insert(candidate);
    return candidate;
}

QByteArray withCrLfLines(const QByteArray &body) {
    QByteArray out;
    out.reserve(body.size() + body.size() / 32 + 2);
    qsizetype i = 0;
    const qsizetype n = body.size();
    while (i < n) {
        qsizetype j = i;
        while (j < n && body[j] != '\n' && body[j] != '\r') {
            ++j;
        }
        out.append(body.constData() + i, j - i);
        out.append("\r\n");
        if (j < n && body[j] == '\r' && j + 1 < n && body[j + 1] == '\n') {
            ++j;
        }
        i = j + 1;
    }
    return out;
}

} // namespace tidewell::feeds
