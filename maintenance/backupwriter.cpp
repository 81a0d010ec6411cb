#include "maintenance/backupwriter.h"

#include "core/zkdb.h"
#include "core/zkrowstream.h"

#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlRecord>

#include <cstring>

namespace {

// Lines gather in memory up to this size before they go to the file.
constexpr int kChunk = 1 << 18;

// What each byte becomes in the file; null for the bytes that stay.
struct EscapeTable
{
    const char* replacement[256] = {};
    EscapeTable()
    {
        replacement[uchar('\'')] = "''";
        replacement[uchar('\\')] = "\\\\";
        replacement[uchar('\n')] = "\\n";
        // The mysql client refuses a raw NUL in its input.
        replacement[0] = "\\0";
    }
};
const EscapeTable kEscapes;

// Writes the escaped value at @p out, which has room for twice its size;
// returns the end. Runs of plain bytes are copied whole.
char* escapeInto(char* out, const char* data, int size)
{
    int start = 0;
    for (int i = 0; i < size; ++i) {
        const char* replacement = kEscapes.replacement[uchar(data[i])];
        if (!replacement)
            continue;
        std::memcpy(out, data + start, size_t(i - start));
        out += i - start;
        *out++ = replacement[0];
        *out++ = replacement[1];
        start = i + 1;
    }
    std::memcpy(out, data + start, size_t(size - start));
    return out + (size - start);
}

} // namespace

BackupWriter::BackupWriter(QIODevice* out)
    : m_out(out)
{
    m_buffer.resize(kChunk);
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
    const qsizetype at = line.size();
    line.resize(at + 2 * qsizetype(size));
    char* end = escapeInto(line.data() + at, data, size);
    line.resize(end - line.constData());
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
        m_outcome = { DatabaseFailed, rows.error(), rows.lastQuery(), QString() };
        return false;
    }
    const int count = rows.columnCount();
    // A million rows go through here: each is written straight into the
    // buffer, sized beforehand for the worst case, every value escaped.
    while (rows.next()) {
        qsizetype room = prefix.size() + 2;
        for (int i = 0; i < count; ++i)
            room += rows.isNull(i) ? 5 : 2 * qsizetype(rows.size(i)) + 3;
        if (m_used + room > m_buffer.size()) {
            if (!flush())
                return false;
            if (room > m_buffer.size())
                m_buffer.resize(room);
        }
        char* out = m_buffer.data() + m_used;
        std::memcpy(out, prefix.constData(), size_t(prefix.size()));
        out += prefix.size();
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                *out++ = ',';
            if (rows.isNull(i)) {
                std::memcpy(out, "NULL", 4);
                out += 4;
                continue;
            }
            *out++ = '\'';
            out = escapeInto(out, rows.data(i), rows.size(i));
            *out++ = '\'';
        }
        *out++ = ')';
        *out++ = '\n';
        m_used = out - m_buffer.constData();
    }
    if (rows.error().type() != QSqlError::NoError) {
        m_outcome = { DatabaseFailed, rows.error(), rows.lastQuery(), QString() };
        return false;
    }
    return true;
}

bool BackupWriter::flush()
{
    if (m_used == 0)
        return true;
    // A write cut short is tried again for the rest, which then fails
    // with the reason (a full disk, say).
    qint64 done = 0;
    while (done < m_used) {
        const qint64 n = m_out->write(m_buffer.constData() + done, m_used - done);
        if (n <= 0)
            break;
        done += n;
    }
    bool ok = done == m_used;
    m_used = 0;
    // A full disk shows when the bytes reach it, not when they are buffered.
    if (auto* file = qobject_cast<QFileDevice*>(m_out))
        ok = ok && file->flush() && file->error() == QFileDevice::NoError;
    if (!ok)
        m_outcome = { FileFailed, QSqlError(), QString(), m_out->errorString() };
    return ok;
}

BackupWriter::Outcome BackupWriter::writeFile(
    const QString& fileName, const std::function<void(const QString&)>& progress)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return { CannotCreate, QSqlError(), QString(), file.errorString() };
    BackupWriter writer(&file);
    const QStringList names = tables();
    if (!ZkDb::beginSnapshot())
        return { DatabaseFailed, QSqlError(), QString(), QString() };
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
        outcome = { FileFailed, QSqlError(), QString(), file.errorString() };
    // Dropping the unfinished temporary file leaves the destination as it was.
    file.cancelWriting();
    return outcome;
}
