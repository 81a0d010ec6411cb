#include "tests/posting/postingshop.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "documents/docprint.h"

#include <QPushButton>
#include <QSqlQuery>
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
    utils->setQuoteMode(false);
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
        if (answer == QLatin1String("<cancel>")) {
            prompts().expect(ZkPrompt::TextInput, caption, prompt, 0, QString(), false);
            prompts().expect(ZkPrompt::Information, caption, QStringLiteral("Operation cancelled"));
            return;
        }
        prompts().expect(ZkPrompt::TextInput, caption, prompt, 0, answer, true);
        if (answer.trimmed().isEmpty())
            prompts().expect(ZkPrompt::Warning, caption, refusal);
    }
}

void PostingShop::owe(int account, double amount, int number, int crossRef)
{
    exec(QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, Rounding, TipAmount, "
                        "MyNumber, Status, CrossRef) VALUES (%1, 'I', '2026-12-01 09:00:00', %2, 0, 0, %3, ' ', %4)")
             .arg(QString::number(account), QString::number(amount, 'f', 2), QString::number(number),
                  QString::number(crossRef)));
}

void PostingShop::setTaxRules(const QString& taxMode, int rounding)
{
    exec(QStringLiteral("UPDATE SysInfo SET TaxMode='%1', Rounding=%2").arg(taxMode).arg(rounding));
    if (!utils->initClass(true))
        QTest::qFail("initClass failed", __FILE__, __LINE__);
}

QStringList PostingShop::ledger(int number, const QString& codes)
{
    QStringList quoted;
    for (const QString& c : codes.split(QLatin1Char(',')))
        quoted << QLatin1Char('\'') + c + QLatin1Char('\'');
    QStringList rows;
    for (const char* table : {"Journal", "JournalArchive"}) {
        QSqlQuery q;
        if (!q.exec(QStringLiteral("SELECT Description, Amount, Rounding FROM %1 WHERE MyNumber=%2 AND "
                                   "Description IN (%3)")
                        .arg(QLatin1String(table), QString::number(number), quoted.join(QLatin1Char(','))))) {
            QTest::qFail("ledger query failed", __FILE__, __LINE__);
            return rows;
        }
        while (q.next())
            rows << QStringLiteral("%1 %2 %3")
                        .arg(q.value(0).toString(), QString::number(q.value(1).toDouble(), 'f', 2),
                             QString::number(q.value(2).toDouble(), 'f', 2));
    }
    return rows;
}

double PostingShop::number(const QString& sql)
{
    return Utility::roundCents(value(sql).toDouble());
}

double PostingShop::stock(const QString& code)
{
    return value(QStringLiteral("SELECT Quantity FROM Inventory WHERE Code='%1'").arg(code)).toDouble();
}
