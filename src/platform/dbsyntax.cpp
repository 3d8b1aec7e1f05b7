#include "platform/dbsyntax.h"

namespace tidewell::platform {

namespace {

char16_t asciiLower(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c;
}

// Reads the text at pos: blanks are skipped by the caller.
class Scanner final {
public:
    explicit Scanner(const QString &text) : m_text(text) {}

    void skipBlanks() {
        while (m_pos < m_text.size() && m_text.at(m_pos).isSpace()) {
            ++m_pos;
        }
    }
    bool atEnd() const { return m_pos >= m_text.size(); }

    // "[...]" with "]]" for ']'; false when the text does not start with a complete, non-empty name.
    bool bracketedName(QString &name) {
        if (atEnd() || m_text.at(m_pos) != u'[') {
            return false;
        }
        name.clear();
        for (qsizetype i = m_pos + 1; i < m_text.size(); ++i) {
            if (m_text.at(i) != u']') {
                name.append(m_text.at(i));
            } else if (i + 1 < m_text.size() && m_text.at(i + 1) == u']') {
                name.append(u']');
                ++i;
            } else {
                m_pos = i + 1;
                return !name.isEmpty();
            }
        }
        return false;
    }

    // A word of letters, compared without case.
    bool keyword(QStringView word) {
        qsizetype end = m_pos;
        while (end < m_text.size() && m_text.at(end).isLetter()) {
            ++end;
        }
        if (!DbSyntax::sameName(QStringView(m_text).mid(m_pos, end - m_pos), word)) {
            return false;
        }
        m_pos = end;
        return true;
    }

    // "..." or '...' with the quote doubled inside.
    bool quoted(QString &value) {
        if (atEnd() || (m_text.at(m_pos) != u'"' && m_text.at(m_pos) != u'\'')) {
            return false;
        }
        const QChar quote = m_text.at(m_pos);
        value.clear();
        for (qsizetype i = m_pos + 1; i < m_text.size(); ++i) {
            if (m_text.at(i) != quote) {
                value.append(m_text.at(i));
            } else if (i + 1 < m_text.size() && m_text.at(i + 1) == quote) {
                value.append(quote);
                ++i;
            } else {
                m_pos = i + 1;
                return true;
            }
        }
        return false;
    }

private:
    const QString &m_text;
    qsizetype m_pos = 0;
};

// The engine's wildcards '*' and '?' as LIKE's '%' and '_'; LIKE's own wildcards and the escape
// character are escaped so that they match themselves.
QString likePattern(const QString &value) {
    QString pattern;
    pattern.reserve(value.size());
    for (const QChar c : value) {
        if (c == u'*') {
            pattern.append(u'%');
        } else if (c == u'?') {
            pattern.append(u'_');
        } else {
            if (c == u'%' || c == u'_' || c == u'\\') {
                pattern.append(u'\\');
            }
            pattern.append(c);
        }
    }
    return pattern;
}

} // namespace

QString DbSyntax::quoteIdentifier(const QString &name) {
    QString quoted = name;
    quoted.replace(u'"', QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool DbSyntax::sameName(QStringView a, QStringView b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (asciiLower(a.at(i).unicode()) != asciiLower(b.at(i).unicode())) {
            return false;
        }
    }
    return true;
}

Result<DbSortTerm> DbSyntax::parseSortTerm(const QString &term) {
    Scanner scanner(term);
    DbSortTerm parsed;
    scanner.skipBlanks();
    if (scanner.bracketedName(parsed.column)) {
        scanner.skipBlanks();
        if (scanner.keyword(u"DESC")) {
            parsed.descending = true;
        } else {
            (void)scanner.keyword(u"ASC");
        }
        scanner.skipBlanks();
        if (scanner.atEnd()) {
            return parsed;
        }
    }
    return Result<DbSortTerm>::failure(tr("Invalid sort term: %1").arg(term));
}

Result<DbFilter> DbSyntax::parseFilter(const QString &condition) {
    Scanner scanner(condition);
    DbFilter parsed;
    QString value;
    scanner.skipBlanks();
    if (scanner.bracketedName(parsed.column)) {
        scanner.skipBlanks();
        if (scanner.keyword(u"like")) {
            scanner.skipBlanks();
            if (scanner.quoted(value)) {
                scanner.skipBlanks();
                if (scanner.atEnd()) {
                    parsed.likePattern = likePattern(value);
                    return parsed;
                }
            }
        }
    }
    return Result<DbFilter>::failure(tr("Invalid filter: %1").arg(condition));
}

} // namespace tidewell::platform
