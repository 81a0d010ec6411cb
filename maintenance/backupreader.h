#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class QIODevice;

/**
 * Reads a .zbk backup (see BackupWriter) one statement at a time, checking
 * that each line has the form the backup writes. The values come back
 * unescaped; NULL as a null QVariant. The MySQL escapes that the mysql
 * client would read in the same places are understood too.
 */
class BackupReader
{
public:
    explicit BackupReader(QIODevice* in);

    /** Reads the next line; false at the end of the file or at a line that
     *  is not a backup line (error() then says which and why). */
    bool next();
    /** Empty unless next() met a line that is not a backup line. */
    QString error() const { return m_error; }

    QString table() const { return m_table; }
    QStringList columns() const { return m_columns; }
    const QVector<QVariant>& values() const { return m_values; }
    /** The line as read, without its line feed. */
    QByteArray line() const { return m_line; }
    qint64 lineNumber() const { return m_lineNumber; }

private:
    bool parse();
    bool fail(const QString& why);

    QIODevice* m_in;
    QByteArray m_line;
    qint64 m_lineNumber = 0;
    QString m_table;
    QStringList m_columns;
    QVector<QVariant> m_values;
    QString m_error;
};

/** Loading a backup into the configured database (brevalon-db restore). */
namespace BackupRestore {

/** Reads the whole file and checks that it is a Brevalon backup of rows
 *  of the tables @p tables (Login never among them); nothing is changed.
 *  On false @p error says why. */
bool check(const QString& fileName, const QStringList& tables, QString* error);

/** Loads the rows into the program's connection with the program's own
 *  reader, all in one transaction. */
bool loadDirect(const QString& fileName, QString* error);

/** Feeds the rows to the mysql client, connected as the settings say, in
 *  one transaction: a failure leaves the database as it was. */
bool loadWithClient(const QString& fileName, QString* error);

} // namespace BackupRestore
