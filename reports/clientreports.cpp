// The reports on client accounts: debt by age, the unpaid invoices, the
// client list, and a month's purchases and expenditure per client.

#include "sales/sales.h"

#include "accounts/ageing.h"
#include "core/archivedrows.h"
#include "core/globals.h"
#include "core/utility.h"
#include "core/zkclock.h"
#include "core/zkprompt.h"
#include "reports/clientdirectory.h"
#include "reports/reportdates.h"
#include "sales/datedialog.h"
#include "reports/reporter.h"
#include "reports/reportwriter.h"

#include <QSet>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace {

constexpr int kTotalVisual = ReportWriter::Green;

/** Accounts owing no more than this are left out of the debt reports. */
constexpr double kLeastDebt = 1.00;

/** Orders rows by client name, then account. */
template <typename Row>
void byName(QList<Row>& rows)
{
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        const int c = QString::compare(a.client.name, b.client.name, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.account < b.account;
    });
}

} // namespace

void Sales::clientDebtReport()
{
    // The ageing limits: before the first of the month four, three and two
    // months back and of this month; what is owed before this month and
    // after the two-months limit is "30".
    const QDate thisMonth = ReportDates::monthOf(ZkClock::today());
    const QDate limits[4] = {thisMonth, thisMonth.addMonths(-2), thisMonth.addMonths(-3), thisMonth.addMonths(-4)};
    QString sums = QStringLiteral("SELECT AccountNumber, "
                                  "SUM(CASE WHEN Description NOT IN ('Q','VI','VR') THEN Amount-Rounding ELSE 0 END), "
                                  "SUM(CASE WHEN Description='R' THEN Amount ELSE 0 END)");
    for (const QDate& limit : limits)
        sums += QStringLiteral(", SUM(CASE WHEN Description='I' AND MyDate<'%1' THEN Amount-Rounding ELSE 0 END)")
                    .arg(ReportDates::text(limit));
    QSqlQuery q;
    q.setForwardOnly(true);
    if (!q.exec(sums + QStringLiteral(" FROM ")
                + ArchivedRows::from(QStringLiteral("AccountNumber,Description,MyDate,Amount,Rounding"),
                                     {QStringLiteral("Journal")}, QString(), QStringLiteral("Ledger"))
                + QStringLiteral(" GROUP BY AccountNumber"))) {
        Utility::showDBError(q);
        return;
    }
    ClientDirectory clients;
    if (!clients.load())
        return;
    struct Row
    {
        int account;
        ClientDirectory::Client client;
        Ageing ageing;
        double balance;
    };
    QList<Row> rows;
    while (q.next()) {
        const double balance = Utility::roundCents(q.value(1).toDouble());
        if (balance <= kLeastDebt)
            continue;
        double before[4];
        for (int i = 0; i < 4; ++i)
            before[i] = Utility::roundCents(q.value(3 + i).toDouble());
        const int account = q.value(0).toInt();
        rows << Row{account, clients.client(account),
                    AccountAgeing::buckets(Utility::roundCents(q.value(2).toDouble()), before), balance};
    }
    byName(rows);

    ReportWriter report(tr("Clients Debt Report"));
    report.setSorting(false).column(tr("Client")).column(tr("Account No.")).column(tr("Phone No.")).column(tr("Cell No."));
    for (const char* heading : {"120+", "90", "60", "30", "Current", "Total"})
        report.column(tr(heading), ReportWriter::Right);
    double total[6] = {0, 0, 0, 0, 0, 0};
    for (const Row& r : rows) {
        const Ageing& a = r.ageing;
        const double amounts[6] = {a.day120, a.day90, a.day60, a.day30, Utility::roundCents(r.balance - a.overdue()),
                                   r.balance};
        QStringList cells{r.client.name, QString::number(r.account), r.client.phone, r.client.cell};
        for (int i = 0; i < 6; ++i) {
            cells << ReportWriter::money(amounts[i]);
            total[i] += amounts[i];
        }
        report.row(cells, a.day120 > 0 ? ReportWriter::Red : ReportWriter::Normal);
    }
    if (!rows.isEmpty()) {
        QStringList cells{tr("Total"), QString(), QString(), QString()};
        for (double t : total)
            cells << ReportWriter::money(t);
        report.row(cells, kTotalVisual);
    }
    utils->logAction(tr("Client Debt"), tr("Report"), QString(), '0');
    m_reporter->parseXml(report.finish());
}

void Sales::outstandingInvoices()
{
    // The accounts that owe, and the unpaid invoices of them; refunds are
    // left out of what they owe here.
    QSqlQuery q;
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT AccountNumber, SUM(Amount-Rounding) FROM ")
                + ArchivedRows::from(QStringLiteral("AccountNumber,Amount,Rounding"), {QStringLiteral("Journal")},
                                     QStringLiteral("Description NOT IN ('Q','RF','VI','VR')"), QStringLiteral("Ledger"))
                + QStringLiteral(" GROUP BY AccountNumber"))) {
        Utility::showDBError(q);
        return;
    }
    QSet<int> owing;
    while (q.next())
        if (Utility::roundCents(q.value(1).toDouble()) > kLeastDebt)
            owing.insert(q.value(0).toInt());
    if (!q.exec(ArchivedRows::ordered(QStringLiteral("AccountNumber, MyNumber, Amount-Rounding AS Owed"),
                                      {QStringLiteral("Journal")}, QStringLiteral("Description='I' AND CrossRef=0"),
                                      QStringLiteral("AccountNumber, MyNumber")))) {
        Utility::showDBError(q);
        return;
    }
    ClientDirectory clients;
    if (!clients.load())
        return;
    struct Row
    {
        int account;
        ClientDirectory::Client client;
        int invoice;
        double owed;
    };
    QList<Row> rows;
    while (q.next()) {
        const int account = q.value(0).toInt();
        if (owing.contains(account))
            rows << Row{account, clients.client(account), q.value(1).toInt(),
                        Utility::roundCents(q.value(2).toDouble())};
    }
    if (rows.isEmpty()) {
        ZkPrompt::information(this, tr("Brevalon - Outstanding Invoices"), tr("There are no Outstanding Invoices"));
        return;
    }
    byName(rows);

    ReportWriter report(tr("Outstanding Invoice Report"));
    report.setSorting(false)
        .column(tr("Client"))
        .column(tr("Account No."))
        .column(tr("Phone No."))
        .column(tr("Cell No."))
        .column(tr("Invoice #"), ReportWriter::Right)
        .column(tr("Amount"), ReportWriter::Right);
    double total = 0;
    for (const Row& r : rows) {
        total += r.owed;
        report.row({r.client.name, QString::number(r.account), r.client.phone, r.client.cell,
                    QString::number(r.invoice), ReportWriter::money(r.owed)});
    }
    report.row({tr("Total"), QString(), QString(), QString(), QString(), ReportWriter::money(total)}, kTotalVisual);
    utils->logAction(tr("Outstanding Invoices"), tr("Report"), QString(), '0');
    m_reporter->parseXml(report.finish());
}

void Sales::allClientsReport()
{
    QSqlQuery q;
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT Name, AccountNumber, IDno, Phone, Fax, Cell, ShippingAddr, PostalAddr FROM Clients "
                               "ORDER BY Name"))) {
        Utility::showDBError(q);
        return;
    }
    ReportWriter report(tr("All Clients"));
    for (const char* heading : {"Client", "Acc. #", "Identity No.", "Telephone", "Fax", "Mobile", "Shipping Address",
                                "Postal Address"})
        report.column(tr(heading));
    while (q.next()) {
        QStringList cells;
        for (int c = 0; c < 8; ++c)
            cells << q.value(c).toString();
        report.row(cells);
    }
    m_reporter->parseXml(report.finish());
}

void Sales::clientPurchasesReport()
{
    QDate month;
    if (!DateDialog::ask(this, tr("Report For"), false, &month))
        return;
    QSqlQuery q;
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT Account, Description, SUM(Quantity) AS Bought FROM ")
                + ArchivedRows::from(
                    QStringLiteral("Journal.AccountNumber AS Account, InvoiceItem.Description AS Description, "
                                   "InvoiceItem.Quantity AS Quantity"),
                    {QStringLiteral("InvoiceItem"), QStringLiteral("Journal")},
                    QStringLiteral("InvoiceItem.InvoiceNumber=Journal.MyNumber AND Journal.Description='I' AND "
                                   "InvoiceItem.Category='Inventory' AND ")
                        + ReportDates::inMonth(QStringLiteral("InvoiceItem.MyDate"), month),
                    QStringLiteral("Bought"))
                + QStringLiteral(" GROUP BY Account, Description ORDER BY Description, Bought"))) {
        Utility::showDBError(q);
        return;
    }
    ClientDirectory clients;
    if (!clients.load())
        return;
    ReportWriter report(tr("Clients Purchases Report"));
    report.setSorting(false)
        .column(tr("Client"))
        .column(tr("Account No."))
        .column(tr("Description"))
        .column(tr("Quantity"), ReportWriter::Right);
    while (q.next()) {
        const int account = q.value(0).toInt();
        report.row({clients.client(account).name, QString::number(account), q.value(1).toString(),
                    ReportWriter::quantity(q.value(2).toDouble())});
    }
    utils->logAction(tr("Client Purchases"), tr("Report"), QString(), '0');
    m_reporter->parseXml(report.finish());
}

void Sales::clientExpenditureReport()
{
    QDate month;
    if (!DateDialog::ask(this, tr("Report For"), false, &month))
        return;
    QSqlQuery q;
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT AccountNumber, SUM(Amount) FROM ")
                + ArchivedRows::from(QStringLiteral("AccountNumber,Amount"), {QStringLiteral("Journal")},
                                     QStringLiteral("Description IN ('I','RF') AND ")
                                         + ReportDates::inMonth(QStringLiteral("MyDate"), month),
                                     QStringLiteral("Spent"))
                + QStringLiteral(" GROUP BY AccountNumber"))) {
        Utility::showDBError(q);
        return;
    }
    ClientDirectory clients;
    if (!clients.load())
        return;
    struct Row
    {
        int account;
        ClientDirectory::Client client;
        double spent;
    };
    QList<Row> rows;
    while (q.next()) {
        const int account = q.value(0).toInt();
        rows << Row{account, clients.client(account), Utility::roundCents(q.value(1).toDouble())};
    }
    byName(rows);
    ReportWriter report(tr("Clients Expenditure Report"));
    report.setSorting(false).column(tr("Client")).column(tr("Account No.")).column(tr("Expenditure"), ReportWriter::Right);
    double total = 0;
    for (const Row& r : rows) {
        total += r.spent;
        report.row({r.client.name, QString::number(r.account), ReportWriter::money(r.spent)});
    }
    if (!rows.isEmpty())
        report.row({tr("Total"), QString(), ReportWriter::money(total)}, kTotalVisual);
    utils->logAction(tr("Client Expenditure"), tr("Report"), QString(), '0');
    m_reporter->parseXml(report.finish());
}
