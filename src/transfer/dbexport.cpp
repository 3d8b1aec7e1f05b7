#include "transfer/dbexport.h"

#include "channel/rss_global.h"
#include "platform/clock.h"
#include "platform/dbconnection.h"
#include "platform/dbcursor.h"
#include "platform/dbsyntax.h"
#include "platform/folders.h"
#include "platform/regularfile.h"
#include "platform/textcodec.h"

#include <algorithm>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <vector>

namespace tidewell::transfer {

namespace {

using channel::ChannelTree;
using channel::TreeNode;
using platform::DbColumn;
using platform::DbConnection;
using platform::DbCursor;
using platform::Result;
using platform::Status;

const QString kFileInfo = QStringLiteral("FileInfo");
const QString kChannelInfo = QStringLiteral("ChannelInfo");
const QString kId = QStringLiteral("ID");
const QString kTitle = QStringLiteral("title");

// SQLite allows 2000 columns in a table; the column lists and the fields a channel carries stay well
// below this, and a document with more distinct field names is refused before anything is written.
constexpr qsizetype kMaxColumns = 1000;
// Column names made from nested sections grow with the nesting; past this length a name is refused.
constexpr qsizetype kMaxNameLength = 1024;
// Bounds on a column file: it names columns, so a few hundred short lines at most.
constexpr qint64 kMaxLineBytes = 4096;
constexpr qsizetype kMaxLines = kMaxColumns;

// Column names compare as SQLite compares them: the letters a to z without regard to case.
QString foldedName(const QString &name) {
    QString folded = name;
    for (QChar &c : folded) {
        if (c >= u'A' && c <= u'Z') {
            c = QChar(c.unicode() + (u'a' - u'A'));
        }
    }
    return folded;
}

// A node's text as a name or a value: the tree holds bytes, UTF-8 by convention.
QString textOf(const TreeNode *node) {
    return platform::displayText(node->text);
}

// A name usable as a column name: SQL text ends at a NUL character, so it cannot be part of one.
QString columnName(const QString &name) {
    QString column = name;
    column.replace(QChar(0), QChar(0xFFFD));
    return column;
}

bool isItem(const TreeNode *node) {
    return node->kind == channel::ItemNode ||
           channel::upperAscii(node->text).find("ITEM -") != std::string::npos;
}

// The names of a table's columns in order, each once whatever its letter case.
class ColumnSet final {
public:
    // False when the table would have too many columns.
    bool add(const QString &name) {
        const QString key = foldedName(name);
        if (m_seen.contains(key)) {
            return true;
        }
        if (m_names.size() >= kMaxColumns) {
            return false;
        }
        m_seen.insert(key, m_names.size());
        m_names.append(name);
        return true;
    }
    const QStringList &names() const { return m_names; }
    bool contains(const QString &name) const { return m_seen.contains(foldedName(name)); }
    QList<DbColumn> textColumns() const {
        QList<DbColumn> columns;
        for (const QString &name : m_names) {
            columns.append({name, DbColumn::Kind::Text, 254});
        }
        return columns;
    }

private:
    QStringList m_names;
    QHash<QString, qsizetype> m_seen;
};

// The values of one row by column; a column given twice keeps both values, one per line. A row stops
// taking fields once it would need more columns than a table can have, or a column name longer than a
// name can sensibly be (a hostile document nested thousands of levels deep), so its memory stays bounded.
class RowFields final {
public:
    enum class Problem { None, TooManyFields, NameTooLong };

    void add(const QString &column, const QString &value) {
        if (m_problem != Problem::None) {
            return;
        }
        const QString key = foldedName(column);
        const auto found = m_index.constFind(key);
        if (found != m_index.cend()) {
            if (!value.isEmpty()) {
                QString &joined = m_fields[*found].second;
                if (!joined.isEmpty()) {
                    joined.append(QLatin1Char('\n'));
                }
                joined.append(value);
            }
        } else if (column.size() > kMaxNameLength) {
            m_problem = Problem::NameTooLong;
        } else if (m_fields.size() >= kMaxColumns) {
            m_problem = Problem::TooManyFields;
        } else {
            m_index.insert(key, m_fields.size());
            m_fields.append({column, value});
        }
    }
    const QList<std::pair<QString, QString>> &fields() const { return m_fields; }
    Problem problem() const { return m_problem; }

private:
    QList<std::pair<QString, QString>> m_fields;
    QHash<QString, qsizetype> m_index;
    Problem m_problem = Problem::None;
};

// A section and what it holds as columns: the column itself gets the section's value (its text
// children), then each attribute or nested element section its own column below it, in pre-order.
// Iterative, so a deeply nested document cannot exhaust the stack.
void addSection(const TreeNode *section, const QString &column, RowFields &row) {
    struct Step {
        const TreeNode *node;
        QString column;
    };
    std::vector<Step> stack{{section, column}};
    while (!stack.empty() && row.problem() == RowFields::Problem::None) {
        Step step = std::move(stack.back());
        stack.pop_back();
        QString value;
        bool hasValue = false;
        for (int i = 0; i < step.node->childCount(); ++i) {
            const TreeNode *child = step.node->child(i);
            if (child->childCount() == 0) {
                if (hasValue) {
                    value.append(QLatin1Char('\n'));
                }
                value.append(textOf(child));
                hasValue = true;
            }
        }
        // A section that holds only attributes or elements (an enclosure) has no column of its own.
        if (hasValue || step.node == section) {
            row.add(step.column, value);
        }
        for (int i = step.node->childCount() - 1; i >= 0; --i) {
            const TreeNode *child = step.node->child(i);
            if (child->childCount() > 0) {
                const bool attribute = child->text.starts_with('@');
                QString below =
                    step.column + (attribute ? QString() : QStringLiteral("/")) + columnName(textOf(child));
                if (below.size() > kMaxNameLength) {
                    row.add(below, QString()); // records the problem
                    return;
                }
                stack.push_back({child, std::move(below)});
            }
        }
    }
}

// The item table's column for a node's text; a field named like the row number gets a column of its
// own rather than overwrite the number.
QString itemColumn(const TreeNode *node) {
    const QString name = columnName(textOf(node));
    return platform::DbSyntax::sameName(name, kId) ? name + QLatin1Char('_') : name;
}

// The row of a top-level node in the item table (without its number): an item gives a column per field
// section; any other node (a channel section channel.dat does not name) is one section itself, its value
// in the column named by it.
RowFields itemRow(const TreeNode *node) {
    RowFields row;
    if (!isItem(node)) {
        addSection(node, itemColumn(node), row);
        return row;
    }
    for (int i = 0; i < node->childCount(); ++i) {
        const TreeNode *child = node->child(i);
        if (child->childCount() > 0) {
            addSection(child, itemColumn(child), row);
        } else {
            row.add(itemColumn(child), QString()); // a field section left empty
        }
    }
    return row;
}

// Everything decided before the file is made: the tables' columns, the channel row, and which
// top-level nodes went into it.
struct Plan {
    ColumnSet channelColumns;
    ColumnSet itemColumns;
    RowFields channelRow;
    std::vector<bool> inChannelRow;
};

// Reads a column file: one name per line, a line end CR LF or LF, blank lines passed over.
Result<QStringList> readColumnFile(const QString &name) {
    const QString path = platform::Folders::programFile(name);
    if (const Status regular = platform::requireRegularFile(path); !regular) {
        return Result<QStringList>::failure(regular.error());
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Result<QStringList>::failure(DbExport::missingDataFileMessage());
    }
    QStringList names;
    while (!file.atEnd()) {
        QByteArray line = file.readLine(kMaxLineBytes);
        if (!line.endsWith('\n') && !file.atEnd()) {
            return Result<QStringList>::failure(
                DbExport::tr("The column file %1 has a line longer than %2 bytes.")
                    .arg(path)
                    .arg(kMaxLineBytes));
        }
        while (line.endsWith('\n') || line.endsWith('\r')) {
            line.chop(1);
        }
        if (line.isEmpty()) {
            continue;
        }
        if (names.size() >= kMaxLines) {
            return Result<QStringList>::failure(
                DbExport::tr("The column file %1 has more than %2 lines.").arg(path).arg(kMaxLines));
        }
        names.append(columnName(QString::fromUtf8(line)));
    }
    return names;
}

QString tooManyColumns(const QString &table) {
    return DbExport::tr("The channel holds more than %1 different field names; the table %2 cannot have "
                        "that many columns.")
        .arg(kMaxColumns)
        .arg(table);
}

// Why a row could not be made, or empty.
QString rowProblem(const RowFields &row, const QString &table) {
    switch (row.problem()) {
    case RowFields::Problem::None:
        return {};
    case RowFields::Problem::TooManyFields:
        return tooManyColumns(table);
    case RowFields::Problem::NameTooLong:
        break;
    }
    return DbExport::tr(
               "The channel nests its fields too deeply, or names them too long, for the columns of the "
               "table %1 (more than %2 characters).")
        .arg(table)
        .arg(kMaxNameLength);
}

Result<Plan> makePlan(const ChannelTree &tree, const DbExportColumns &columns, const QString &itemTable) {
    Plan plan;
    plan.inChannelRow.assign(size_t(tree.topLevelCount()), false);
    for (const QString &name : columns.channel) {
        if (!plan.channelColumns.add(name)) {
            return Result<Plan>::failure(tooManyColumns(kChannelInfo));
        }
    }
    // The channel row: each listed name from the first top-level section of that name.
    for (const QString &name : plan.channelColumns.names()) {
        const std::string wanted = platform::storedText(name);
        for (int row = 0; row < tree.topLevelCount(); ++row) {
            const TreeNode *node = tree.topLevel(row);
            if (!plan.inChannelRow[size_t(row)] && !isItem(node) &&
                channel::equalsIgnoringCase(node->text, wanted)) {
                plan.inChannelRow[size_t(row)] = true;
                addSection(node, name, plan.channelRow);
                break;
            }
        }
    }
    if (const QString problem = rowProblem(plan.channelRow, kChannelInfo); !problem.isEmpty()) {
        return Result<Plan>::failure(problem);
    }
    for (const auto &field : plan.channelRow.fields()) {
        if (!plan.channelColumns.add(field.first)) {
            return Result<Plan>::failure(tooManyColumns(kChannelInfo));
        }
    }

    (void)plan.itemColumns.add(kId);
    for (const QString &name : columns.items) {
        if (!plan.itemColumns.add(name)) {
            return Result<Plan>::failure(tooManyColumns(itemTable));
        }
    }
    for (int row = 0; row < tree.topLevelCount(); ++row) {
        if (plan.inChannelRow[size_t(row)]) {
            continue;
        }
        const RowFields fields = itemRow(tree.topLevel(row));
        if (const QString problem = rowProblem(fields, itemTable); !problem.isEmpty()) {
            return Result<Plan>::failure(problem);
        }
        for (const auto &field : fields.fields()) {
            if (!plan.itemColumns.add(field.first)) {
                return Result<Plan>::failure(tooManyColumns(itemTable));
            }
        }
    }
    return plan;
}

Status writeFields(DbCursor &cursor, const RowFields &row) {
    for (const auto &[column, value] : row.fields()) {
        if (const Status set = cursor.setFieldText(column, value); !set) {
            return set;
        }
    }
    return {};
}

// The export once the file exists: tables, indexes and rows in one transaction.
Status fill(DbConnection &db, const ChannelTree &tree, const Plan &plan, const QString &itemTable,
            platform::Progress &progress) {
    platform::DbTransaction transaction(db);
    Status status = transaction.begin();

    const QList<DbColumn> fileInfo{{QStringLiteral("id"), DbColumn::Kind::Integer, 0},
                                   {QStringLiteral("rss"), DbColumn::Kind::Text, 254},
                                   {QStringLiteral("date"), DbColumn::Kind::Text, 254},
                                   {QStringLiteral("generator"), DbColumn::Kind::Text, 254}};
    if (status) {
        status = db.createTable(kFileInfo, fileInfo);
    }
    if (status) {
        status = db.createIndex(kFileInfo, QStringLiteral("rss"), DbConnection::IndexKind::PrimaryKey);
    }
    if (status) {
        status = db.createTable(kChannelInfo, plan.channelColumns.textColumns());
    }
    // Without a title column there is nothing to index; the export goes on.
    if (status && plan.channelColumns.contains(kTitle)) {
        status = db.createIndex(kChannelInfo, kTitle, DbConnection::IndexKind::PrimaryKey);
    }
    if (!status) {
        return status;
    }
    progress.status(DbExport::tr("Channel table created.."));

    QList<DbColumn> itemColumns = plan.itemColumns.textColumns();
    itemColumns.first() = {kId, DbColumn::Kind::Integer, 0};
    status = db.createTable(itemTable, itemColumns);
    if (status && plan.itemColumns.contains(kTitle)) {
        status = db.createIndex(itemTable, kTitle, DbConnection::IndexKind::Plain);
    }
    if (!status) {
        return status;
    }
    progress.status(DbExport::tr("Item table created.."));

    DbCursor cursor(db);
    cursor.setTableName(kFileInfo);
    status = cursor.open();
    const auto set = [&](const QString &column, const QString &value) {
        if (status) {
            status = cursor.setFieldText(column, value);
        }
    };
    if (status) {
        status = cursor.append();
    }
    set(QStringLiteral("rss"), QStringLiteral("2.0"));
    set(QStringLiteral("date"),
        QLocale::system().toString(platform::Clock::now().date(), QLocale::ShortFormat));
    set(QStringLiteral("generator"), channel::kVersionText);
    if (status) {
        status = cursor.post();
    }
    cursor.close();

    if (status) {
        cursor.setTableName(kChannelInfo);
        status = cursor.open();
    }
    if (status) {
        status = cursor.append();
    }
    if (!status) {
        return status;
    }
    progress.status(DbExport::tr("Parsing && adding channel data.."));
    status = writeFields(cursor, plan.channelRow);
    if (status) {
        status = cursor.post();
    }
    cursor.close();

    if (status) {
        cursor.setTableName(itemTable);
        status = cursor.open();
    }
    if (!status) {
        return status;
    }
    progress.status(DbExport::tr("Parsing && adding item data.."));
    const int rows =
        tree.topLevelCount() - int(std::count(plan.inChannelRow.cbegin(), plan.inChannelRow.cend(), true));
    progress.setMaximum(rows);
    qint64 number = 0;
    for (int row = 0; row < tree.topLevelCount() && status; ++row) {
        if (plan.inChannelRow[size_t(row)]) {
            continue;
        }
        status = cursor.append();
        if (status) {
            status = cursor.setFieldInteger(kId, number);
        }
        if (status) {
            status = writeFields(cursor, itemRow(tree.topLevel(row)));
        }
        if (status) {
            status = cursor.post();
        }
        ++number;
        progress.setPosition(int(number));
    }
    cursor.close();
    if (status) {
        status = transaction.commit();
    }
    return status;
}

void removeDatabaseFile(const QString &path) {
    for (const char *suffix : {"", "-wal", "-shm", "-journal"}) {
        QFile::remove(path + QLatin1String(suffix));
    }
}

} // namespace

QString DbExport::missingDataFileMessage() {
    return tr("Serious error: data file not found, please reinstall program");
}

QString DbExport::nothingToExportMessage() {
    return tr("There is nothing to export at this time");
}

Result<DbExportColumns> DbExport::readColumnFiles() {
    DbExportColumns columns;
    Result<QStringList> channelNames = readColumnFile(QStringLiteral("channel.dat"));
    if (!channelNames) {
        return Result<DbExportColumns>::failure(channelNames.error());
    }
    Result<QStringList> itemNames = readColumnFile(QStringLiteral("items.dat"));
    if (!itemNames) {
        return Result<DbExportColumns>::failure(itemNames.error());
    }
    columns.channel = std::move(*channelNames);
    columns.items = std::move(*itemNames);
    return columns;
}

Status DbExport::run(const ChannelTree &tree, const DbExportColumns &columns, const DbExportOptions &options,
                     platform::Progress &progress) {
    if (tree.isEmpty()) {
        return Status::failure(nothingToExportMessage());
    }
    if (options.path.isEmpty()) {
        return Status::failure(tr("Enter the path and name of the database file."));
    }
    const QString itemTable = columnName(options.itemTable);
    if (itemTable.trimmed().isEmpty()) {
        return Status::failure(tr("Enter the name of the item table."));
    }
    if (platform::DbSyntax::sameName(itemTable, kFileInfo) ||
        platform::DbSyntax::sameName(itemTable, kChannelInfo)) {
        return Status::failure(
            tr("The item table cannot be named %1: the database has a table of that name already.")
                .arg(itemTable));
    }
    Result<Plan> plan = makePlan(tree, columns, itemTable);
    if (!plan) {
        return Status::failure(plan.error());
    }

    if (const Status created =
            DbConnection::createDatabase(options.path, platform::DbLocale{}, options.formatVersion);
        !created) {
        return created;
    }
    progress.status(tr("Database created.."));
    Status status;
    {
        DbConnection db;
        db.setFile(options.path);
        status = db.connect();
        if (status) {
            status = fill(db, tree, *plan, itemTable, progress);
        }
        // The file is handed to other programs: a plain single file, without the write-ahead log the
        // program's own databases use.
        if (status) {
            status = db.executeScript(QStringLiteral("PRAGMA journal_mode = DELETE"));
        }
        db.disconnect();
    }
    if (!status) {
        // The file was made by this export a moment ago: it goes, so no half export stays behind.
        removeDatabaseFile(options.path);
        return status;
    }
    progress.status(tr("Done.. data exported.."));
    return {};
}

} // namespace tidewell::transfer
