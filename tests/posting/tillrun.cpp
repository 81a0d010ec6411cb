#include "tests/posting/tillrun.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

QList<QVariantList> rows(const QString& sql, int columns)
{
    QList<QVariantList> out;
    QSqlQuery q;
    if (!q.exec(sql)) {
        out.append({QStringLiteral("query failed: ") + q.lastError().text() + QLatin1Char(' ') + sql});
        return out;
    }
    while (q.next()) {
        QVariantList row;
        for (int c = 0; c < columns; ++c)
            row << q.value(c);
        out << row;
    }
    return out;
}

QString money(double v)
{
    return QString::number(Utility::roundCents(v) + 0.0, 'f', 2);
}

} // namespace

TillLog TillLog::read(const QString& path)
{
    TillLog log;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return log;
    QMap<int, int> saleIndex; // sale number -> index in sales, for the tags
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw);
        const QStringList f = line.split(QLatin1Char(' '));
        const QString what = f.value(0);
        if (what == QLatin1String("LINE") && f.size() >= 6) {
            log.lines.insert(f[1], Line{f[2], f[3].toDouble(), f[4].toDouble(), f[5].toInt()});
        } else if (what == QLatin1String("SALE") && f.size() >= 8) {
            Sale s{f[1].toInt(), f[2], f[3].toInt(), f[4].toInt(), f[5].toInt(), f[6].toDouble(), f[7].toInt(), {}};
            for (auto it = log.lines.cbegin(); it != log.lines.cend(); ++it) {
                if (it->sale == s.sale && s.sale > 0)
                    s.tags << it.key();
            }
            log.sales << s;
        } else if (what == QLatin1String("DOCKET") && f.size() >= 3) {
            log.dockets[f[1].toInt()] += f[2].toInt();
        } else if (what == QLatin1String("ERROR")) {
            log.errors << line.mid(6);
        } else if (what == QLatin1String("INSIDE")) {
            log.inside << line.mid(7);
        } else if (what == QLatin1String("LOGIN")) {
            log.logins << line.mid(6);
        } else if (what == QLatin1String("STATEMENTS")) {
            log.statements = f.value(1).toInt();
        } else if (what == QLatin1String("DONE")) {
            log.done = true;
        }
    }
    Q_UNUSED(saleIndex)
    return log;
}

TillRun::TillRun() = default;

TillRun::~TillRun()
{
    for (auto& p : m_procs) {
        if (p->state() != QProcess::NotRunning) {
            p->kill();
            p->waitForFinished(5000);
        }
    }
}

QString TillRun::database() const
{
    return m_database.isEmpty() ? settings->readEntry(QStringLiteral("/Global/DBName")) : m_database;
}

int TillRun::start(const QString& user, const QString& code, const QStringList& args, const QString& home)
{
    const int i = int(m_procs.size());
    QString dir = home;
    if (dir.isEmpty()) {
        dir = m_dir.filePath(QStringLiteral("home%1").arg(i));
        QDir().mkpath(dir);
    }
    m_homes << dir;
    auto p = std::make_unique<QProcess>();
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p->setStandardOutputFile(QProcess::nullDevice());
    p->setProcessEnvironment(m_env);
    p->start(qEnvironmentVariable("BREVALON_BUILD_DIR") + QLatin1String("/tests/posting/brevalon_tillworker"),
             QStringList{QStringLiteral("--home"), dir, QStringLiteral("--db"), database(), QStringLiteral("--user"),
                         user, QStringLiteral("--code"), code, QStringLiteral("--log"), logPath(i)}
                 + args);
    m_procs.push_back(std::move(p));
    return i;
}

bool TillRun::wait(int seconds)
{
    bool all = true;
    for (auto& p : m_procs) {
        if (!p->waitForFinished(seconds * 1000) && p->state() != QProcess::NotRunning) {
            all = false;
            p->kill();
            p->waitForFinished(5000);
        }
    }
    return all;
}

TillLog TillRun::log(int i) const
{
    return TillLog::read(logPath(i));
}

QString TillRun::logPath(int i) const
{
    return m_dir.filePath(QStringLiteral("till%1.log").arg(i));
}

QString TillRun::home(int i) const
{
    return m_homes.value(i);
}

int TillRun::exitCode(int i) const
{
    const QProcess& p = *m_procs.at(size_t(i));
    return p.exitStatus() == QProcess::CrashExit ? -1 : p.exitCode();
}

QMap<QString, double> TillRun::stock()
{
    QMap<QString, double> s;
    for (const QVariantList& r : rows(QStringLiteral("SELECT Code, Quantity FROM Inventory WHERE ToQuantity<>0"), 2))
        s.insert(r.value(0).toString(), r.value(1).toDouble());
    return s;
}

QStringList TillRun::checkBooks(const QList<TillLog>& logs, const QMap<QString, double>& stockBefore)
{
    QStringList wrong;
    QMap<QString, TillLog::Line> rung;
    QMap<int, int> docketLines;
    for (int i = 0; i < logs.size(); ++i) {
        const TillLog& l = logs.at(i);
        if (!l.done)
            wrong << QStringLiteral("till %1 did not finish").arg(i);
        for (const QString& e : l.errors)
            wrong << QStringLiteral("till %1 showed an error box: %2").arg(i).arg(e);
        for (const QString& e : l.inside)
            wrong << QStringLiteral("till %1 asked inside a unit: %2").arg(i).arg(e);
        for (auto it = l.lines.cbegin(); it != l.lines.cend(); ++it)
            rung.insert(QString::number(i) + QLatin1Char('/') + it.key(), it.value());
        for (auto it = l.dockets.cbegin(); it != l.dockets.cend(); ++it)
            docketLines[it.key()] += it.value();
    }

    // Every line rung up is on exactly one invoice, at the price rung up.
    QMap<QString, QList<QVariantList>> stored; // tag -> rows
    for (const QVariantList& r : rows(QStringLiteral("SELECT SerialNo, InvoiceNumber, Price FROM InvoiceItem WHERE "
                                                     "SerialNo<>''"),
                                      3))
        stored[r.value(0).toString()] << r;
    int lineCount = 0;
    for (const TillLog& l : logs) {
        for (auto it = l.lines.cbegin(); it != l.lines.cend(); ++it) {
            ++lineCount;
            const QList<QVariantList> found = stored.value(it.key());
            if (found.size() != 1)
                wrong << QStringLiteral("line %1 is on %2 invoices").arg(it.key()).arg(found.size());
            else if (money(found.first().value(2).toDouble()) != money(it->amount))
                wrong << QStringLiteral("line %1 stored at %2, rung up at %3")
                             .arg(it.key(), money(found.first().value(2).toDouble()), money(it->amount));
        }
    }
    if (stored.size() != lineCount)
        wrong << QStringLiteral("%1 tagged lines stored for %2 rung up").arg(stored.size()).arg(lineCount);

    // A cash customer's invoice holds that sale's lines and no other, and
    // the receipt paid exactly its amount.
    for (const TillLog& l : logs) {
        for (const TillLog::Sale& s : l.sales) {
            if (s.kind != QLatin1String("cash"))
                continue;
            QStringList onInvoice;
            for (const QVariantList& r : rows(QStringLiteral("SELECT SerialNo FROM InvoiceItem WHERE InvoiceNumber=%1")
                                                  .arg(s.invoice),
                                              1))
                onInvoice << r.value(0).toString();
            QStringList tags = s.tags;
            onInvoice.sort();
            tags.sort();
            if (onInvoice != tags)
                wrong << QStringLiteral("invoice %1 holds %2, the sale was %3")
                             .arg(s.invoice)
                             .arg(onInvoice.join(QLatin1Char(',')), tags.join(QLatin1Char(',')));
            const QList<QVariantList> ledger = rows(
                QStringLiteral("SELECT Amount, CrossRef FROM Journal WHERE MyNumber=%1 AND Description='I'").arg(s.invoice),
                2);
            if (ledger.size() != 1 || money(ledger.first().value(0).toDouble()) != money(s.total)
                || ledger.first().value(1).toInt() != s.receipt)
                wrong << QStringLiteral("sale of %1 (invoice %2, receipt %3): ledger %4")
                             .arg(money(s.total))
                             .arg(s.invoice)
                             .arg(s.receipt)
                             .arg(ledger.isEmpty() ? QStringLiteral("none")
                                                   : money(ledger.first().value(0).toDouble()) + QLatin1Char('/')
                                                       + ledger.first().value(1).toString());
            const QList<QVariantList> paid =
                rows(QStringLiteral("SELECT Amount FROM Journal WHERE MyNumber=%1 AND Description='R'").arg(s.receipt), 1);
            if (paid.size() != 1 || money(-paid.first().value(0).toDouble()) != money(s.total))
                wrong << QStringLiteral("receipt %1 of a sale of %2 posted %3 times")
                             .arg(s.receipt)
                             .arg(money(s.total))
                             .arg(paid.size());
        }
    }

    // Every document posted once and every line on a closed, posted invoice.
    for (const QVariantList& r :
         rows(QStringLiteral("SELECT MyNumber, Status FROM Invoice WHERE Status<>'C'"), 2))
        wrong << QStringLiteral("invoice %1 is still %2").arg(r.value(0).toString(), r.value(1).toString());
    for (const QVariantList& r : rows(QStringLiteral("SELECT Invoice.MyNumber, COUNT(Journal.MyNumber) FROM Invoice "
                                                     "LEFT JOIN Journal ON Journal.MyNumber=Invoice.MyNumber AND "
                                                     "Journal.Description='I' GROUP BY Invoice.MyNumber"),
                                      2)) {
        if (r.value(1).toInt() != 1)
            wrong << QStringLiteral("invoice %1 has %2 ledger rows").arg(r.value(0).toString(), r.value(1).toString());
    }
    for (const QVariantList& r : rows(QStringLiteral("SELECT Receipt.MyNumber, COUNT(Journal.MyNumber) FROM Receipt "
                                                     "LEFT JOIN Journal ON Journal.MyNumber=Receipt.MyNumber AND "
                                                     "Journal.Description='R' GROUP BY Receipt.MyNumber"),
                                      2)) {
        if (r.value(1).toInt() != 1)
            wrong << QStringLiteral("receipt %1 has %2 ledger rows").arg(r.value(0).toString(), r.value(1).toString());
    }
    for (const QVariantList& r : rows(QStringLiteral("SELECT MyNumber, Description FROM Journal WHERE "
                                                     "(Description='I' AND MyNumber NOT IN (SELECT MyNumber FROM "
                                                     "Invoice)) OR (Description='R' AND MyNumber NOT IN (SELECT "
                                                     "MyNumber FROM Receipt))"),
                                      2))
        wrong << QStringLiteral("ledger row %1 %2 without its document").arg(r.value(1).toString(), r.value(0).toString());
    for (const QVariantList& r : rows(QStringLiteral("SELECT Journal.MyNumber, Journal.Amount, SUM(InvoiceItem.Price) "
                                                     "FROM Journal, InvoiceItem WHERE Journal.Description='I' AND "
                                                     "InvoiceItem.InvoiceNumber=Journal.MyNumber GROUP BY "
                                                     "Journal.MyNumber, Journal.Amount"),
                                      3)) {
        if (money(r.value(1).toDouble()) != money(r.value(2).toDouble()))
            wrong << QStringLiteral("invoice %1 posted %2 for lines of %3")
                         .arg(r.value(0).toString(), money(r.value(1).toDouble()), money(r.value(2).toDouble()));
    }
    for (const QVariantList& r :
         rows(QStringLiteral("SELECT MyNumber FROM Journal WHERE Description='I' AND CrossRef=0"), 1))
        wrong << QStringLiteral("invoice %1 was never paid").arg(r.value(0).toString());

    // Every balance equal to its documents: all paid, nothing owed.
    for (const QVariantList& r : rows(QStringLiteral("SELECT AccountNumber, SUM(Amount-Rounding) FROM Journal WHERE "
                                                     "Description NOT IN ('Q','VI','VR') GROUP BY AccountNumber"),
                                      2)) {
        if (money(r.value(1).toDouble()) != QLatin1String("0.00"))
            wrong << QStringLiteral("account %1 has a balance of %2").arg(r.value(0).toString(), money(r.value(1).toDouble()));
    }

    // Every docket number distinct.
    for (const QVariantList& r : rows(QStringLiteral("SELECT SequenceNo, COUNT(*) FROM Invoice WHERE SequenceNo>0 "
                                                     "GROUP BY SequenceNo HAVING COUNT(*)>1"),
                                      2))
        wrong << QStringLiteral("sequence number %1 given to %2 invoices").arg(r.value(0).toString(), r.value(1).toString());

    // Every kitchen line printed once.
    QMap<int, int> kitchen;
    for (const QVariantList& r : rows(QStringLiteral("SELECT InvoiceItem.InvoiceNumber, InvoiceItem.Printed FROM "
                                                     "InvoiceItem, Departments WHERE Departments.Department="
                                                     "InvoiceItem.Department AND (Departments.Printer=2 OR "
                                                     "Departments.Printer=3)"),
                                      2)) {
        ++kitchen[r.value(0).toInt()];
        if ((r.value(1).toInt() & 2) == 0)
            wrong << QStringLiteral("a kitchen line of invoice %1 never reached the kitchen").arg(r.value(0).toString());
    }
    for (auto it = kitchen.cbegin(); it != kitchen.cend(); ++it) {
        if (docketLines.value(it.key()) != it.value())
            wrong << QStringLiteral("invoice %1: %2 kitchen lines, %3 printed")
                         .arg(it.key())
                         .arg(it.value())
                         .arg(docketLines.value(it.key()));
    }
    for (auto it = docketLines.cbegin(); it != docketLines.cend(); ++it) {
        if (!kitchen.contains(it.key()))
            wrong << QStringLiteral("a docket of invoice %1 that has no kitchen line").arg(it.key());
    }

    // The stock is off by exactly what was sold.
    QMap<QString, double> sold;
    for (const TillLog::Line& l : qAsConst(rung))
        sold[l.code] += l.quantity;
    const QMap<QString, double> now = stock();
    for (auto it = stockBefore.cbegin(); it != stockBefore.cend(); ++it) {
        const double expected = it.value() - sold.value(it.key());
        if (qAbs(now.value(it.key()) - expected) > 0.0005)
            wrong << QStringLiteral("stock of %1 is %2, expected %3")
                         .arg(it.key())
                         .arg(now.value(it.key()))
                         .arg(expected);
    }
    return wrong;
}
