#include "core/zkrowstream.h"

#include <QDate>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlRecord>
#include <QVariant>

#include <mysql.h>

// Qt's MySQL driver keeps a whole result in memory before it hands over the
// first row; the client library can hand the rows over as they arrive
// instead, on the very connection Qt opened.
struct ZkRowStream::Native
{
    MYSQL* mysql = nullptr;
    MYSQL_RES* result = nullptr;
    MYSQL_ROW row = nullptr;
    unsigned long* lengths = nullptr;

    QSqlError error(const QString& what) const
    {
        return QSqlError(what, QString::fromUtf8(mysql_error(mysql)), QSqlError::StatementError,
                         QString::number(mysql_errno(mysql)));
    }
};

namespace {

MYSQL* mysqlHandle()
{
    // Qt names the handle's type after the client library's struct.
    const QVariant handle = QSqlDatabase::database().driver()->handle();
    if (!handle.isValid()
        || (qstrcmp(handle.typeName(), "MYSQL*") != 0 && qstrcmp(handle.typeName(), "st_mysql*") != 0))
        return nullptr;
    return *static_cast<MYSQL* const*>(handle.constData());
}

QByteArray text(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::QString:
        return v.toString().toUtf8();
    case QMetaType::QByteArray:
        return v.toByteArray();
    case QMetaType::Double:
        return QByteArray::number(v.toDouble(), 'g', QLocale::FloatingPointShortest);
    case QMetaType::QDateTime:
        return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")).toUtf8();
    case QMetaType::QDate:
        return v.toDate().toString(QStringLiteral("yyyy-MM-dd")).toUtf8();
    default:
        return v.toString().toUtf8();
    }
}

} // namespace

ZkRowStream::ZkRowStream() = default;

ZkRowStream::~ZkRowStream()
{
    close();
}

void ZkRowStream::close()
{
    if (m_native) {
        // Freeing reads whatever rows are left, so the connection is free again.
        if (m_native->result)
            mysql_free_result(m_native->result);
        m_native.reset();
    }
    m_query.finish();
}

bool ZkRowStream::exec(const QString& sql)
{
    close();
    m_sql = sql;
    m_error = QSqlError();
    m_columns = 0;
    if (MYSQL* mysql = mysqlHandle()) {
        m_native.reset(new Native);
        m_native->mysql = mysql;
        const QByteArray statement = sql.toUtf8();
        if (mysql_real_query(mysql, statement.constData(), statement.size()) != 0) {
            m_error = m_native->error(QStringLiteral("Unable to execute query"));
            m_native.reset();
            return false;
        }
        m_native->result = mysql_use_result(mysql);
        if (!m_native->result) {
            m_error = m_native->error(QStringLiteral("Unable to read the result"));
            m_native.reset();
            return false;
        }
        m_columns = int(mysql_num_fields(m_native->result));
        return true;
    }
    m_query = QSqlQuery();
    m_query.setForwardOnly(true);
    if (!m_query.exec(sql)) {
        m_error = m_query.lastError();
        return false;
    }
    m_columns = m_query.record().count();
    return true;
}

bool ZkRowStream::next()
{
    if (m_native) {
        if (!m_native->result)
            return false;
        m_native->row = mysql_fetch_row(m_native->result);
        if (!m_native->row) {
            if (mysql_errno(m_native->mysql) != 0)
                m_error = m_native->error(QStringLiteral("Unable to fetch a row"));
            close();
            return false;
        }
        m_native->lengths = mysql_fetch_lengths(m_native->result);
        return true;
    }
    if (!m_query.isActive() || !m_query.next()) {
        if (m_query.lastError().type() != QSqlError::NoError)
            m_error = m_query.lastError();
        return false;
    }
    m_row.clear();
    m_offsets.resize(m_columns);
    m_sizes.resize(m_columns);
    for (int i = 0; i < m_columns; ++i) {
        const QVariant v = m_query.value(i);
        m_offsets[i] = int(m_row.size());
        if (v.isNull()) {
            m_sizes[i] = -1;
            continue;
        }
        const QByteArray t = text(v);
        m_row += t;
        m_sizes[i] = int(t.size());
    }
    return true;
}

bool ZkRowStream::isNull(int column) const
{
    if (m_native)
        return m_native->row[column] == nullptr;
    return m_sizes.at(column) < 0;
}

const char* ZkRowStream::data(int column) const
{
    if (m_native)
        return m_native->row[column];
    return m_row.constData() + m_offsets.at(column);
}

int ZkRowStream::size(int column) const
{
    if (m_native)
        return int(m_native->lengths[column]);
    return qMax(0, m_sizes.at(column));
}
