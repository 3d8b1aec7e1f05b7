#include "platform/dbstatement.h"

#include <sqlite3.h>
#include <utility>

namespace tidewell::platform {

DbStatement::~DbStatement() {
    if (m_owned) {
        sqlite3_finalize(m_statement);
    } else if (m_statement) {
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
    }
}

DbStatement::DbStatement(DbStatement &&other) noexcept
    : m_statement(std::exchange(other.m_statement, nullptr)), m_owned(std::exchange(other.m_owned, false)) {}

DbStatement &DbStatement::operator=(DbStatement &&other) noexcept {
    if (this != &other) {
        DbStatement gone(std::move(*this));
        m_statement = std::exchange(other.m_statement, nullptr);
        m_owned = std::exchange(other.m_owned, false);
    }
    return *this;
}

void DbStatement::bind(int parameter, const QVariant &value) {
    if (value.isNull()) {
        sqlite3_bind_null(m_statement, parameter);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
        bindInteger(parameter, value.toLongLong());
        break;
    case QMetaType::Double:
        sqlite3_bind_double(m_statement, parameter, value.toDouble());
        break;
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        sqlite3_bind_blob64(m_statement, parameter, bytes.constData(), sqlite3_uint64(bytes.size()),
                            SQLITE_TRANSIENT);
        break;
    }
    default:
        bindText(parameter, value.toString());
        break;
    }
}

void DbStatement::bindInteger(int parameter, qint64 value) {
    sqlite3_bind_int64(m_statement, parameter, value);
}

void DbStatement::bindText(int parameter, const QString &value) {
    // A null QString would bind NULL; an empty text stays an empty text.
    static const char16_t empty = 0;
    const void *data = value.isNull() ? &empty : static_cast<const void *>(value.utf16());
    sqlite3_bind_text64(m_statement, parameter, static_cast<const char *>(data),
                        sqlite3_uint64(value.size()) * sizeof(char16_t), SQLITE_TRANSIENT, SQLITE_UTF16);
}

int DbStatement::step() {
    return sqlite3_step(m_statement);
}

int DbStatement::columnCount() const {
    return sqlite3_column_count(m_statement);
}

QString DbStatement::columnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(m_statement, column));
}

QVariant DbStatement::value(int column) const {
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(m_statement, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_statement, column));
    case SQLITE_BLOB: {
        const auto *data = static_cast<const char *>(sqlite3_column_blob(m_statement, column));
        return QVariant(QByteArray(data, sqlite3_column_bytes(m_statement, column)));
    }
    case SQLITE_TEXT: {
        const auto *text = static_cast<const QChar *>(sqlite3_column_text16(m_statement, column));
        return QVariant(QString(text, sqlite3_column_bytes16(m_statement, column) / 2));
    }
    default:
        return {};
    }
}

qint64 DbStatement::integer(int column) const {
    return sqlite3_column_int64(m_statement, column);
}

} // namespace tidewell::platform
