#include "tests/posting/postingshop.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "documents/docprint.h"

#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

PostingShop::PostingShop()
{
    for (const char* role : {"Receipt", "Invoice", "Label", "Kitchen", "Mail"})
        settings->writeEntry(QStringLiteral("/%1Printer/Preview").arg(QLatin1String(role)), QStringLiteral("ON"));
    settings->writeEntry(QStringLiteral("/LabelPrinter/Mode"), QStringLiteral("off"));
    settings->writeEntry(QStringLiteral("/KitchenPrinter/Mode"), QStringLiteral("off"));
    settings->writeEntry(QStringLiteral("/Global/LogActions"), true);
    utils->setUserName(QStringLiteral("MARY"));
    utils->setWaiter(QString());
    utils->setDetails(-1);
    setMode(0);
    if (!utils->initClass(true))
        qFatal("initClass failed");
}

void PostingShop::expectDocument(int result, DocParts* shown, bool* viewOnly)
{
    prompts().expectExec(QStringLiteral("DocPrint"), [=](QDialog* d) {
        auto* dp = static_cast<DocPrint*>(d);
        if (shown)
            *shown = DocParts::fromRoot(dp->documentRoot());
        if (viewOnly)
            *viewOnly = !dp->ProcessButton->isEnabled();
        return result;
    });
}

void PostingShop::expectReasons(const QString& caption, const QString& prompt, const QString& refusal,
                                const QStringList& answers)
{
    for (const QString& answer : answers) {
        const bool cancel = answer == QLatin1String("<cancel>");
        prompts().expect(ZkPrompt::TextInput, caption, prompt, 0, cancel ? QString() : answer, !cancel);
        if (cancel)
            prompts().expect(ZkPrompt::Information, caption, QStringLiteral("Operation cancelled"));
        else if (answer.trimmed().isEmpty())
            prompts().expect(ZkPrompt::Warning, caption, refusal);
    }
}

void PostingShop::setMode(int mode)
{
    mode == 1 ? utils->setQuoteMode(true) : mode == 2 ? utils->setRefundMode(true) : utils->setOrderMode(mode == 3);
}

void PostingShop::owe(int account, double amount, int number, int crossRef)
{
    exec(QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, Rounding, TipAmount, "
                        "MyNumber, Status, CrossRef) VALUES (%1, 'I', '2026-12-01 09:00:00', %2, 0, 0, %3, ' ', %4)")
             .arg(account).arg(amount, 0, 'f', 2).arg(number).arg(crossRef));
}

void PostingShop::setTaxRules(const QString& taxMode, int rounding)
{
    exec(QStringLiteral("UPDATE SysInfo SET TaxMode='%1', Rounding=%2").arg(taxMode).arg(rounding));
    if (!utils->initClass(true))
        QTest::qFail("initClass failed", __FILE__, __LINE__);
}

QStringList PostingShop::ledger(int number, const QString& codes)
{
    const QString in = "'" + QString(codes).replace(QLatin1Char(','), QLatin1String("','")) + "'";
    QStringList rows;
    for (const char* table : {"Journal", "JournalArchive"}) {
        QSqlQuery q;
        if (!q.exec(QStringLiteral("SELECT Description, Amount, Rounding FROM %1 WHERE MyNumber=%2 AND "
                                   "Description IN (%3)")
                        .arg(QLatin1String(table)).arg(number).arg(in)))
            QTest::qFail("ledger query failed", __FILE__, __LINE__);
        while (q.next())
            rows << QStringLiteral("%1 %2 %3").arg(q.value(0).toString()).arg(q.value(1).toDouble(), 0, 'f', 2)
                        .arg(q.value(2).toDouble(), 0, 'f', 2);
    }
    return rows;
}

double PostingShop::stock(const QString& code)
{
    return value(QStringLiteral("SELECT Quantity FROM Inventory WHERE Code='%1'").arg(code)).toDouble();
}

QString PostingShop::row(const QString& sql)
{
    QSqlQuery q;
    if (!q.exec(sql) || !q.next())
        return QStringLiteral("no row: ") + sql;
    QStringList columns;
    for (int i = 0; i < q.record().count(); ++i)
        columns << q.value(i).toString();
    return columns.join(QLatin1Char('|'));
}
