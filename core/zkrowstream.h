#pragma once

#include <QByteArray>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVector>
#include <memory>

/**
 * The rows of one SELECT on the program's connection, taken one at a time
 * as the server sends them, so that a table of any size passes through in
 * the same small memory. Each value comes as the UTF-8 text of what is
 * stored, NULL told apart: date-times as "yyyy-MM-dd hh:mm:ss", decimals as
 * the server writes them, real numbers in their shortest exact form.
 *
 * While a stream is open nothing else may use the program's connection
 * (MySQL hands the rows over on it).
 */
class ZkRowStream
{
public:
    ZkRowStream();
    ~ZkRowStream();
    ZkRowStream(const ZkRowStream&) = delete;
    ZkRowStream& operator=(const ZkRowStream&) = delete;

    /** Runs the statement; false when it failed (see error()). */
    bool exec(const QString& sql);
    /** Moves to the next row; false after the last one or on a failure
     *  half way (error() is then set). */
    bool next();
    int columnCount() const { return m_columns; }
    bool isNull(int column) const;
    /** The value's text; valid until the next call of next(). */
    const char* data(int column) const;
    int size(int column) const;

    /** The failure of exec() or next(); NoError otherwise. */
    QSqlError error() const { return m_error; }
    QString lastQuery() const { return m_sql; }

private:
    struct Native;
    void close();

    std::unique_ptr<Native> m_native; ///< MySQL: the client library's result
    QSqlQuery m_query;                ///< elsewhere: a forward-only query
    QByteArray m_row;                 ///< elsewhere: the row's texts, packed
    QVector<int> m_offsets;
    QVector<int> m_sizes;             ///< -1 for NULL
    int m_columns = 0;
    QString m_sql;
    QSqlError m_error;
};
