#pragma once

#include "platform/result.h"

#include <QCoreApplication>
#include <QString>

namespace tidewell::platform {

// One order term of a table cursor: a column and its direction.
struct DbSortTerm {
    QString column;
    bool descending = false;
};

// The record condition a table cursor filters with: the column's text is like the pattern (an SQL LIKE
// pattern using '\' as its escape character, ready to be bound).
struct DbFilter {
    QString column;
    QString likePattern;
};

// The small texts the database engine takes from its callers, turned into pieces of SQL that cannot
// change the statement's shape: names become quoted identifiers, values stay values to be bound.
class DbSyntax final {
    Q_DECLARE_TR_FUNCTIONS(DbSyntax)

public:
    // "name" with every '"' doubled: usable as a table, column or index name in SQL text, whatever it holds.
    static QString quoteIdentifier(const QString &name);

    // Column names compare without regard to the case of the letters a to z, as SQLite compares them.
    static bool sameName(QStringView a, QStringView b);

    // "[name]", "[name] ASC" or "[name] DESC" (keywords in any case, blanks around the parts; "]]" inside
    // the brackets stands for one ']'). Anything else is refused.
    static Result<DbSortTerm> parseSortTerm(const QString &term);

    // "[name] like "value"" (the keyword in any case; the value in double or single quotes, a doubled
    // quote standing for one). In the value '*' matches any run of characters and '?' any one character;
    // every other character matches itself, letters without regard to case. Anything else is refused.
    static Result<DbFilter> parseFilter(const QString &condition);
};

} // namespace tidewell::platform
