#include "maintenance/backupwriter.h"

#include "core/zkdb.h"
#include "core/zkrowstream.h"

#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlRecord>

namespace {

// Lines gather in memory up to this size before they go to the file.
constexpr int kChunk = 1 << 18;

} // namespace

BackupWriter::BackupWriter(QIODevice* out)
    : m_out(out)
{
    m_buffer.reserve(kChunk + 4096);
}

QStringList BackupWriter::tables()
{
    QStringList names = ZkDb::tableNames();
    names.removeAll(QStringLiteral("Login"));
    names.removeAll(QStringLiteral("temp"));
    return names;
}

void BackupWriter::appendEscaped(QByteArray& line, const char* data, int size)
{
    int start = 0;
    for (int i = 0; i < size; ++i) {
        const char* replacement;
        switch (data[i]) {
        case '\'':
            replacement = "''";
            break;
        case '\\':
            replacement = "\\\\";
            break;
        case '\n':
            replacement = "\\n";
            break;
        case '\0':
            // The mysql client refuses a raw NUL in its input.
            replacement = "\\0";
            break;
        default:
            continue;
        }
        line.append(data + start, i - start);
        line.append(replacement);
        start = i + 1;
    }
    line.append(data + start, size - start);
}

bool BackupWriter::writeTable(const QString& table)
{
    const QSqlRecord record = QSqlDatabase::database().record(table);
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    const QString columns = names.join(QLatin1Char(','));
    const QByteArray prefix = (QStringLiteral("REPLACE INTO ") + table + QLatin1String(" (") + columns
                               + QLatin1String(") VALUES ("))
                                  .toUtf8();

    ZkRowStream rows;
    if (!rows.exec(QStringLiteral("SELECT ") + columns + QLatin1String(" FROM ") + table)) {
        m_outcome = {DatabaseFailed, rows.error(), rows.lastQuery(), QString()};
        return false;
    }
    const int count = rows.columnCount();
    while (rows.next()) {
        m_buffer.append(prefix);
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                m_buffer.append(',');
            if (rows.isNull(i)) {
                m_buffer.append("NULL");
                continue;
            }
            m_buffer.append('\'');
            appendEscaped(m_buffer, rows.data(i), rows.size(i));
            m_buffer.append('\'');
        }
        m_buffer.append(")\n");
        if (m_buffer.size() >= kChunk && !flush())
            return false;
    }
    if (rows.error().type() != QSqlError::NoError) {
        m_outcome = {DatabaseFailed, rows.error(), rows.lastQuery(), QString()};
        return false;
    }
    return true;
}

bool BackupWriter::flush()
{
    if (m_buffer.isEmpty())
        return true;
    // A write cut short is tried again for the rest, which then fails
    // with the reason (a full disk, say).
    qint64 done = 0;
    while (done < m_buffer.size()) {
        const qint64 n = m_out->write(m_buffer.constData() + done, m_buffer.size() - done);
        if (n <= 0)
            break;
        done += n;
    }
    bool ok = done == m_buffer.size();
    m_buffer.clear();
    // A full disk shows when the bytes reach it, not when they are buffered.
    if (auto* file = qobject_cast<QFileDevice*>(m_out))
        ok = ok && file->flush() && file->error() == QFileDevice::NoError;
    if (!ok)
        m_outcome = {FileFailed, QSqlError(), QString(), m_out->errorString()};
    return ok;
}

BackupWriter::Outcome BackupWriter::writeFile(const QString& fileName,
                                              const std::function<void(const QString&)>& progress)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return {CannotCreate, QSqlError(), QString(), file.errorString()};
    BackupWriter writer(&file);
    const QStringList names = tables();
    if (!ZkDb::beginSnapshot())
        return {DatabaseFailed, QSqlError(), QString(), QString()};
    bool ok = true;
    for (const QString& table : names) {
        if (progress)
            progress(table);
        if (!writer.writeTable(table)) {
            ok = false;
            break;
        }
    }
    ZkDb::endSnapshot();
    if (ok && writer.flush() && file.error() == QFileDevice::NoError && file.commit())
        return {};
    Outcome outcome = writer.outcome();
    if (outcome.result == Written)
        outcome = {FileFailed, QSqlError(), QString(), file.errorString()};
    // Dropping the unfinished temporary file leaves the destination as it was.
    file.cancelWriting();
    return outcome;
}
