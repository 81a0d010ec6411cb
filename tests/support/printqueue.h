#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTest>
#include <functional>

/**
 * A printer queue of the test command's private CUPS (scripts/test.sh): its
 * name, from BREVALON_TEST_<role>PRINTER, and what reached its printer, the
 * file named by BREVALON_TEST_<role>PRINTER_OUT, read from a mark on. The
 * receipt printer's role is empty, the others end in an underscore
 * ("KITCHEN_").
 */
class PrintQueue
{
public:
    explicit PrintQueue(const QByteArray& role = QByteArray())
        : name(qEnvironmentVariable(("BREVALON_TEST_" + role + "PRINTER").constData()))
        , m_out(qEnvironmentVariable(("BREVALON_TEST_" + role + "PRINTER_OUT").constData()))
        , m_mark(size())
    {
    }

    /** Whether the test command runs this queue. */
    bool available() const { return !name.isEmpty() && !m_out.isEmpty(); }

    /** What reached the printer since the mark, once @p complete holds for
     *  it (or fifteen seconds passed) and nothing more comes; the mark then
     *  moves past it. */
    QByteArray take(const std::function<bool(const QByteArray&)>& complete)
    {
        QElapsedTimer t;
        t.start();
        while (!complete(since()) && t.elapsed() < 15000)
            QTest::qWait(50);
        // Anything more that was sent shows up as part of this take.
        for (qint64 before = -1; before != size(); QTest::qWait(300))
            before = size();
        const QByteArray got = since();
        m_mark = size();
        return got;
    }
    /** Skips what has reached the printer so far. */
    void mark() { m_mark = size(); }
    /** take() until at least @p bytes have come. */
    QByteArray take(qint64 bytes)
    {
        return take([bytes](const QByteArray& got) { return got.size() >= bytes; });
    }

    const QString name;

private:
    qint64 size() const { return QFileInfo(m_out).size(); }
    QByteArray since() const
    {
        QFile f(m_out);
        if (!f.open(QIODevice::ReadOnly) || !f.seek(m_mark))
            return QByteArray();
        return f.readAll();
    }

    const QString m_out;
    qint64 m_mark;
};
