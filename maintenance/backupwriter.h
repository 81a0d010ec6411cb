#pragma once

#include <QByteArray>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <functional>

class QIODevice;

/**
 * The database backup file (".zbk"): one line per row of every table but
 * the session table Login,
 *
 *     REPLACE INTO Table (Col1,Col2) VALUES ('value 1','value 2')
 *
 * with the column names as the database reports them. A value is quoted
 * with its quotes doubled, its backslashes doubled, a line feed written as
 * backslash-n and a NUL as backslash-0; NULL is written as NULL. The file is
 * plain SQL for the mysql client, and brevalon-db restore reads it back on
 * any server. Rows are streamed: no table is ever held in memory.
 */
class BackupWriter
{
public:
    enum Result { Written, CannotCreate, DatabaseFailed, FileFailed };

    /** What a backup run ended with; the texts say why it failed. */
    struct Outcome
    {
        Result result = Written;
        QSqlError databaseError;
        QString statement; ///< the statement that failed
        QString fileError; ///< the file's error text
    };

    explicit BackupWriter(QIODevice* out);

    /** The tables a backup holds, in the database's order: all but Login
     *  (stale sessions must not come back) and the scratch table "temp". */
    static QStringList tables();

    /** Appends every row of @p table; false after a database or file
     *  failure, which outcome() describes. */
    bool writeTable(const QString& table);
    /** Hands the lines still buffered to the file; false when it failed. */
    bool flush();
    Outcome outcome() const { return m_outcome; }

    /** Appends @p size bytes of a value, escaped as the file wants it. */
    static void appendEscaped(QByteArray& line, const char* data, int size);

    /**
     * Writes the whole database to @p fileName as one consistent snapshot.
     * The rows go to a temporary file beside it that takes the name only
     * when complete, so a failure never leaves a partial backup behind.
     * @p progress is told each table before it is read.
     */
    static Outcome writeFile(const QString& fileName, const std::function<void(const QString&)>& progress = {});

private:
    QIODevice* m_out;
    QByteArray m_buffer; ///< holds m_used bytes of lines not yet written
    qsizetype m_used = 0;
    Outcome m_outcome;
};
