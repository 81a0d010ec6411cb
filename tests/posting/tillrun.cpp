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
        } else if (what == QLatin1String("REPORT")) {
            log.reports << DocParts::parse(line.mid(7));
        } else if (what == QLatin1String("INFO")) {
            log.infos << line.mid(5);
        } else if (what == QLatin1String("STATEMENTS")) {
            log.statements = f.value(1).toInt();
        } else if (what == QLatin1String("DONE")) {
            log.done = true;
        }
    }
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
    QMap<QString, double> sold;
    QMap<int, int> docketLines;
    QMap<QString, double> rungAt; // tag -> amount rung up
    for (int i = 0; i < logs.size(); ++i) {
        const TillLog& l = logs.at(i);
        if (!l.done)
            wrong << QStringLiteral("till %1 did not finish").arg(i);
        for (const QString& e : l.errors)
            wrong << QStringLiteral("till %1 showed an error box: %2").arg(i).arg(e);
        for (const QString& e : l.inside)
            wrong << QStringLiteral("till %1 asked inside a unit: %2").arg(i).arg(e);
        for (auto it = l.lines.cbegin(); it != l.lines.cend(); ++it) {
            sold[it->code] += it->quantity;
            rungAt.insert(it.key(), it->amount);
        }
        for (auto it = l.dockets.cbegin(); it != l.dockets.cend(); ++it)
            docketLines[it.key()] += it.value();
    }

    // Every line rung up is on exactly one invoice, at the price rung up.
    QMap<QString, QList<QVariantList>> stored;
    for (const QVariantList& r : rows(QStringLiteral("SELECT SerialNo, Price FROM InvoiceItem WHERE SerialNo<>''"), 2))
        stored[r.value(0).toString()] << r;
    for (auto it = rungAt.cbegin(); it != rungAt.cend(); ++it) {
        const QList<QVariantList> found = stored.value(it.key());
        const QString price = found.isEmpty() ? QString() : money(found.first().value(1).toDouble());
        if (found.size() != 1 || price != money(it.value()))
            wrong << QStringLiteral("line %1 rung up at %2 is stored %3 times, at %4")
                         .arg(it.key(), money(it.value()))
                         .arg(found.size())
                         .arg(price);
    }
    if (stored.size() != rungAt.size())
        wrong << QStringLiteral("%1 tagged lines stored for %2 rung up").arg(stored.size()).arg(rungAt.size());

    // A cash customer's invoice holds that sale's lines and no other, and
    // the receipt paid exactly its amount.
    for (const TillLog& l : logs) {
        for (const TillLog::Sale& s : l.sales) {
            if (s.kind != QLatin1String("cash"))
                continue;
            QStringList onInvoice, tags = s.tags;
            for (const QVariantList& r :
                 rows(QStringLiteral("SELECT SerialNo FROM InvoiceItem WHERE InvoiceNumber=%1").arg(s.invoice), 1))
                onInvoice << r.value(0).toString();
            onInvoice.sort();
            tags.sort();
            QStringList posted;
            for (const QVariantList& r : rows(QStringLiteral("SELECT Amount, CrossRef FROM Journal WHERE MyNumber=%1 "
                                                             "AND Description='I'")
                                                  .arg(s.invoice),
                                              2))
                posted << money(r.value(0).toDouble()) + QLatin1Char('/') + r.value(1).toString();
            const QString paid = QStringLiteral("SELECT Amount FROM Journal WHERE MyNumber=%1 AND Description='R'");
            for (const QVariantList& r : rows(paid.arg(s.receipt), 1))
                posted << money(r.value(0).toDouble());
            const QStringList expected{money(s.total) + QLatin1Char('/') + QString::number(s.receipt), money(-s.total)};
            if (onInvoice != tags || posted != expected)
                wrong << QStringLiteral("sale of %1 (invoice %2 holding %3, receipt %4): ledger %5")
                             .arg(tags.join(QLatin1Char(',')))
                             .arg(s.invoice)
                             .arg(onInvoice.join(QLatin1Char(',')))
                             .arg(s.receipt)
                             .arg(posted.join(QLatin1Char(' ')));
        }
    }

    // Each query returns the rows that break a rule of the books.
    const struct
    {
        const char* sql;
        const char* what;
    } rules[] = {
        {"SELECT MyNumber, Status FROM Invoice WHERE Status<>'C'", "invoice %1 is still %2"},
        {"SELECT Invoice.MyNumber, COUNT(Journal.MyNumber) FROM Invoice LEFT JOIN Journal ON "
         "Journal.MyNumber=Invoice.MyNumber AND Journal.Description='I' GROUP BY Invoice.MyNumber "
         "HAVING COUNT(Journal.MyNumber)<>1",
         "invoice %1 has %2 ledger rows"},
        {"SELECT Receipt.MyNumber, COUNT(Journal.MyNumber) FROM Receipt LEFT JOIN Journal ON "
         "Journal.MyNumber=Receipt.MyNumber AND Journal.Description='R' GROUP BY Receipt.MyNumber "
         "HAVING COUNT(Journal.MyNumber)<>1",
         "receipt %1 has %2 ledger rows"},
        {"SELECT Description, MyNumber FROM Journal WHERE (Description='I' AND MyNumber NOT IN (SELECT MyNumber "
         "FROM Invoice)) OR (Description='R' AND MyNumber NOT IN (SELECT MyNumber FROM Receipt))",
         "ledger row %1 %2 without its document"},
        {"SELECT Journal.MyNumber, Journal.Amount, SUM(InvoiceItem.Price) FROM Journal, InvoiceItem WHERE "
         "Journal.Description='I' AND InvoiceItem.InvoiceNumber=Journal.MyNumber GROUP BY Journal.MyNumber, "
         "Journal.Amount HAVING ABS(Journal.Amount-SUM(InvoiceItem.Price))>=0.005",
         "invoice %1 posted %2 for lines of %3"},
        {"SELECT MyNumber FROM Journal WHERE Description='I' AND CrossRef=0", "invoice %1 was never paid"},
        // All paid, nothing owed.
        {"SELECT AccountNumber, SUM(Amount-Rounding) FROM Journal WHERE Description NOT IN ('Q','VI','VR') GROUP "
         "BY AccountNumber HAVING ABS(SUM(Amount-Rounding))>=0.005",
         "account %1 has a balance of %2"},
        {"SELECT SequenceNo, COUNT(*) FROM Invoice WHERE SequenceNo>0 GROUP BY SequenceNo HAVING COUNT(*)>1",
         "sequence number %1 given to %2 invoices"},
        {"SELECT InvoiceItem.InvoiceNumber FROM InvoiceItem, Departments WHERE Departments.Department="
         "InvoiceItem.Department AND Departments.Printer IN (2,3) AND (InvoiceItem.Printed & 2)=0",
         "a kitchen line of invoice %1 never reached the kitchen"},
    };
    for (const auto& rule : rules) {
        for (const QVariantList& r : rows(QLatin1String(rule.sql), 3)) {
            QString text = QLatin1String(rule.what);
            for (int c = 0; c < 3 && text.contains(QLatin1Char('%')); ++c)
                text = text.arg(r.value(c).toString());
            wrong << text;
        }
    }

    // Every kitchen line printed once, by whichever till.
    QMap<int, int> kitchen;
    for (const QVariantList& r : rows(QStringLiteral("SELECT InvoiceItem.InvoiceNumber FROM InvoiceItem, Departments "
                                                     "WHERE Departments.Department=InvoiceItem.Department AND "
                                                     "Departments.Printer IN (2,3)"),
                                      1))
        ++kitchen[r.value(0).toInt()];
    QMap<int, int> all = kitchen;
    all.insert(docketLines);
    for (auto it = all.cbegin(); it != all.cend(); ++it) {
        if (docketLines.value(it.key()) != kitchen.value(it.key()))
            wrong << QStringLiteral("invoice %1: %2 kitchen lines, %3 printed")
                         .arg(it.key())
                         .arg(kitchen.value(it.key()))
                         .arg(docketLines.value(it.key()));
    }

    // The stock is off by exactly what was sold.
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
