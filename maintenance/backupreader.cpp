#include "maintenance/backupreader.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "core/zktransaction.h"

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>

namespace {

const QByteArray kReplace = "REPLACE INTO ";
const QByteArray kValues = ") VALUES (";

bool isNameChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// Characters after a backslash, as MySQL reads them in a quoted string.
char unescaped(char c)
{
    switch (c) {
    case 'n':
        return '\n';
    case '0':
        return '\0';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'b':
        return '\b';
    case 'Z':
        return '\x1a';
    default:
        return c;
    }
}

} // namespace

BackupReader::BackupReader(QIODevice* in)
    : m_in(in)
{
}

bool BackupReader::fail(const QString& why)
{
    m_error = QStringLiteral("line %1: %2").arg(m_lineNumber).arg(why);
    return false;
}

bool BackupReader::next()
{
    m_error.clear();
    if (m_in->atEnd())
        return false;
    m_line = m_in->readLine();
    ++m_lineNumber;
    if (!m_line.endsWith('\n'))
        return fail(QStringLiteral("the line does not end (the file is cut short)"));
    m_line.chop(1);
    return parse();
}

bool BackupReader::parse()
{
    const char* p = m_line.constData();
    const char* end = p + m_line.size();
    if (!m_line.startsWith(kReplace))
        return fail(QStringLiteral("it does not begin with REPLACE INTO"));
    p += kReplace.size();
    auto name = [&](QString* out) {
        const char* start = p;
        while (p < end && isNameChar(*p))
            ++p;
        *out = QString::fromLatin1(start, int(p - start));
        return p > start;
    };
    if (!name(&m_table) || p + 2 > end || p[0] != ' ' || p[1] != '(')
        return fail(QStringLiteral("no table name and column list"));
    p += 2;
    m_columns.clear();
    for (;;) {
        QString column;
        if (!name(&column))
            return fail(QStringLiteral("a column name is missing"));
        m_columns << column;
        if (p < end && *p == ',') {
            ++p;
            continue;
        }
        break;
    }
    if (end - p < kValues.size() || qstrncmp(p, kValues.constData(), kValues.size()) != 0)
        return fail(QStringLiteral("VALUES does not follow the column list"));
    p += kValues.size();

    m_values.clear();
    QByteArray value;
    for (;;) {
        if (end - p >= 4 && qstrncmp(p, "NULL", 4) == 0) {
            p += 4;
            m_values << QVariant();
        } else if (p < end && *p == '\'') {
            ++p;
            value.clear();
            bool closed = false;
            while (p < end) {
                const char c = *p++;
                if (c == '\'') {
                    if (p < end && *p == '\'') {
                        value.append('\'');
                        ++p;
                        continue;
                    }
                    closed = true;
                    break;
                }
                if (c == '\\') {
                    if (p == end)
                        break;
                    value.append(unescaped(*p++));
                    continue;
                }
                value.append(c);
            }
            if (!closed)
                return fail(QStringLiteral("a quoted value does not end"));
            // An empty text is not NULL: the drivers bind a null QString as NULL.
            m_values << QVariant(value.isEmpty() ? QString::fromLatin1("", 0) : QString::fromUtf8(value));
        } else {
            return fail(QStringLiteral("value %1 is neither quoted nor NULL").arg(m_values.size() + 1));
        }
        if (p < end && *p == ',') {
            ++p;
            continue;
        }
        break;
    }
    if (p + 1 != end || *p != ')')
        return fail(QStringLiteral("the values do not end with a closing bracket"));
    if (m_values.size() != m_columns.size())
        return fail(QStringLiteral("%1 values for %2 columns").arg(m_values.size()).arg(m_columns.size()));
    return true;
}

namespace BackupRestore {

namespace {

bool openFile(QFile& file, QString* error)
{
    if (file.open(QIODevice::ReadOnly))
        return true;
    *error = QStringLiteral("cannot read %1: %2").arg(file.fileName(), file.errorString());
    return false;
}

} // namespace

bool check(const QString& fileName, const QStringList& tables, QString* error)
{
    QFile file(fileName);
    if (!openFile(file, error))
        return false;
    const QSet<QString> known(tables.begin(), tables.end());
    BackupReader reader(&file);
    qint64 rows = 0;
    while (reader.next()) {
        if (!known.contains(reader.table())) {
            *error = QStringLiteral("%1 is not a Brevalon backup: line %2: no table %3 in Brevalon's database")
                         .arg(fileName)
                         .arg(reader.lineNumber())
                         .arg(reader.table());
            return false;
        }
        ++rows;
    }
    if (!reader.error().isEmpty()) {
        *error = QStringLiteral("%1 is not a Brevalon backup: %2").arg(fileName, reader.error());
        return false;
    }
    if (rows == 0) {
        *error = QStringLiteral("%1 is not a Brevalon backup: it holds no rows").arg(fileName);
        return false;
    }
    return true;
}

bool loadDirect(const QString& fileName, QString* error)
{
    QFile file(fileName);
    if (!openFile(file, error))
        return false;
    ZkTransaction unit;
    if (!unit.isOpen()) {
        *error = QStringLiteral("cannot begin a transaction");
        return false;
    }
    BackupReader reader(&file);
    // One prepared statement per table and column list, reused row after row.
    QHash<QString, QSqlQuery> statements;
    while (reader.next()) {
        const QString head = reader.table() + QLatin1Char(' ') + reader.columns().join(QLatin1Char(','));
        auto it = statements.find(head);
        if (it == statements.end()) {
            QSqlQuery q;
            QStringList marks;
            for (int i = 0; i < reader.columns().size(); ++i)
                marks << QStringLiteral("?");
            if (!q.prepare(QStringLiteral("REPLACE INTO %1 (%2) VALUES (%3)")
                               .arg(reader.table(), reader.columns().join(QLatin1Char(',')),
                                    marks.join(QLatin1Char(','))))) {
                *error = QStringLiteral("line %1: %2").arg(reader.lineNumber()).arg(q.lastError().text());
                return false;
            }
            it = statements.insert(head, q);
        }
        QSqlQuery& q = it.value();
        const QVector<QVariant>& values = reader.values();
        for (int i = 0; i < values.size(); ++i)
            q.bindValue(i, values.at(i));
        if (!q.exec()) {
            *error = QStringLiteral("line %1: %2").arg(reader.lineNumber()).arg(q.lastError().text());
            return false;
        }
    }
    if (!reader.error().isEmpty()) {
        *error = reader.error();
        return false;
    }
    statements.clear();
    if (!unit.commit()) {
        *error = QStringLiteral("the rows could not be committed");
        return false;
    }
    return true;
}

bool loadWithClient(const QString& fileName, QString* error)
{
    QFile file(fileName);
    if (!openFile(file, error))
        return false;
    // The password goes to the client in an options file only we can read,
    // not on its command line where every user could see it.
    QTemporaryFile options;
    if (!options.open()) {
        *error = QStringLiteral("cannot write the client's options: %1").arg(options.errorString());
        return false;
    }
    QString password = settings->readEntry(QStringLiteral("/Global/DBPassword"));
    password.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    options.write("[client]\npassword=\"" + password.toUtf8() + "\"\n");
    options.flush();

    QStringList args{QStringLiteral("--defaults-extra-file=") + options.fileName(), QStringLiteral("--batch"),
                     QStringLiteral("--default-character-set=utf8mb4"),
                     QStringLiteral("--host=") + settings->readEntry(QStringLiteral("/Global/DBServer")),
                     QStringLiteral("--user=") + settings->readEntry(QStringLiteral("/Global/DBUser"))};
    const int port = settings->readNumEntry(QStringLiteral("/Global/DBPport"));
    if (port > 0)
        args << QStringLiteral("--port=%1").arg(port);
    args << settings->readEntry(QStringLiteral("/Global/DBName"));

    QProcess client;
    client.setProcessChannelMode(QProcess::MergedChannels);
    client.start(QStringLiteral("mysql"), args);
    if (!client.waitForStarted(-1)) {
        *error = QStringLiteral("cannot run the mysql client: %1").arg(client.errorString());
        return false;
    }
    // The file's lines have no statement ends; the client needs them. The
    // program's own sessions do without backslash escapes; the file has them.
    client.write("SET SESSION sql_mode = REPLACE(@@SESSION.sql_mode, 'NO_BACKSLASH_ESCAPES', '');\n"
                 "SET autocommit = 0;\n");
    QByteArray chunk;
    bool fed = true;
    while (fed && !file.atEnd()) {
        QByteArray line = file.readLine();
        if (line.endsWith('\n'))
            line.chop(1);
        chunk += line;
        chunk += ";\n";
        if (chunk.size() >= (1 << 20) || file.atEnd()) {
            client.write(chunk);
            chunk.clear();
            // Keeps no more than a few chunks on their way to the client.
            while (fed && client.bytesToWrite() > (4 << 20))
                fed = client.waitForBytesWritten(-1);
        }
    }
    if (fed)
        client.write("COMMIT;\n");
    client.closeWriteChannel();
    client.waitForFinished(-1);
    if (client.exitStatus() != QProcess::NormalExit || client.exitCode() != 0) {
        *error = QStringLiteral("the mysql client failed (exit status %1): %2")
                     .arg(client.exitCode())
                     .arg(QString::fromLocal8Bit(client.readAll()).trimmed());
        return false;
    }
    return true;
}

} // namespace BackupRestore
