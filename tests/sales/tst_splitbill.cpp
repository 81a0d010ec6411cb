// A table's bill split between its guests: by items (part of a line too)
// and evenly, each bill paid with its own receipt, one receipt voided, and
// the cash-up of the evening as if nothing had been split. Checked in the
// database, the bills and receipts shown, and the Pay Table list.

#include "tests/sales/restauranttill.h"

#include "core/zkdb.h"
#include "documents/docprint.h"
#include "sales/combodialog.h"
#include "sales/splitentry.h"
#include "tests/posting/docparts.h"

#include <QLineEdit>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QString kSplit = QStringLiteral("Brevalon - Split Bill");

/** The rows of @p sql, columns joined by blanks, rows by commas; amounts
 *  with 2 decimals and quantities with 3 on every backend. */
QString row(const QString& sql)
{
    QSqlQuery q;
    if (!q.exec(sql))
        return QStringLiteral("failed: ") + sql;
    QStringList out;
    while (q.next()) {
        QStringList values;
        for (int c = 0; c < q.record().count(); ++c) {
            const QString field = q.record().fieldName(c).toLower();
            const int decimals = field.contains(QLatin1String("quantity")) ? 3
                : field.contains(QLatin1String("price")) || field.contains(QLatin1String("amount"))
                    || field.contains(QLatin1String("cost"))
                ? 2
                : -1;
            values << (decimals < 0 ? q.value(c).toString()
                                    : QString::number(q.value(c).toDouble(), 'f', decimals));
        }
        out << values.join(QLatin1Char(' '));
    }
    return out.join(QLatin1String(", "));
}

/** What a bill is: "amount crossref" of its ledger row. */
QString ledger(int bill)
{
    return row(QStringLiteral("SELECT Amount, CrossRef FROM Journal WHERE MyNumber=%1 AND Description='I'")
                   .arg(bill));
}

SaleLine priced(const QString& code, double quantity, double price)
{
    SaleLine line = SaleRows::item(code, quantity);
    line.price = price;
    line.printed = 2; // the kitchen has had it
    return line;
}

} // namespace

class SplitTill : public RestaurantTill
{
public:
    SplitTill()
    {
        // Receipts reach the scripted document window too.
        settings->writeEntry(QStringLiteral("/Global/PrintReceipt"), true);
        settings->writeEntry(QStringLiteral("/ReceiptPrinter/Preview"), QStringLiteral("ON"));
    }

    /** TABLE 4's printed bill: 4 lagers, a burger, a salad and a coke, 361.50. */
    int tableFour()
    {
        const int bill = SaleRows::invoice(table(4),
            { priced("1006", 4, 152), priced("3001", 1, 119), priced("2004", 1, 72),
                priced("1001", 1, 18.5) },
            QStringLiteral("JOHN"));
        printBill(bill);
        return bill;
    }
    /** TABLE 6's open order of 100.00 in two lines. */
    static int tableSix()
    {
        return SaleRows::invoice(
            table(6), { priced("1001", 2, 37), priced("3006", 1, 63) }, QStringLiteral("SUE"));
    }

    /** Expects @p count bills shown, keeping number and total of each. */
    void expectBills(int count, QStringList* shown)
    {
        for (int i = 0; i < count; ++i)
            prompts().expectExec(QStringLiteral("DocPrint"), [shown](QDialog* d) {
                const DocParts doc = DocParts::fromRoot(static_cast<DocPrint*>(d)->documentRoot());
                *shown << doc.head["number"] + QLatin1Char(' ') + doc.tail["total"];
                return 1;
            });
    }

    /** Pays @p bill of @p account with @p amount typed into @p field; the
     *  receipt shown is kept as "number tender amounts". @p last: the table
     *  is paid up and the till asks for the next waiter. */
    void pay(int account, int bill, QLineEdit* field, const QString& amount, bool last, QStringList* receipts)
    {
        w().fillInDetails(QString::number(account), true);
        for (int i = 0; i < w().PayListView->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = w().PayListView->topLevelItem(i);
            item->setSelected(item->text(0).toInt() == bill);
        }
        QTest::keyClicks(field, amount);
        prompts().expectExec(QStringLiteral("DocPrint"), [receipts](QDialog* d) {
            const DocParts doc = DocParts::fromRoot(static_cast<DocPrint*>(d)->documentRoot());
            *receipts << QStringLiteral("%1 %2 tip %3 change %4")
                             .arg(doc.head["number"], doc.items.value(0)["payment"], doc.tail["tip"],
                                 doc.tail["change"]);
            return 1;
        });
        if (last)
            prompts().expectExec(QStringLiteral("NumEntry"), typeCode(QString(), Finish::Cancel));
        w().ProcessButton->click();
        allPromptsCame();
    }

    /** The labels of the Pay Table list. */
    static QStringList payList()
    {
        TableEntry chooser;
        chooser.payBill();
        QStringList labels;
        for (int i = 0; i < chooser.iconView1->count(); ++i)
            labels << chooser.iconView1->item(i)->text().section(QLatin1Char('\n'), 0, 0);
        return labels;
    }

    /** The closing figures of the five cash-up reports (previewed) and of
     *  JOHN's four waiter cash-up reports. */
    QStringList cashUpFigures()
    {
        QStringList figures;
        auto keep = [this, &figures](int count) {
            for (int i = 0; i < count; ++i)
                prompts().expectExec(QStringLiteral("DocPrint"), [&figures](QDialog* d) {
                    const DocParts doc = DocParts::fromRoot(static_cast<DocPrint*>(d)->documentRoot());
                    QStringList tail;
                    for (auto it = doc.tail.values.cbegin(); it != doc.tail.values.cend(); ++it)
                        if (!it.key().contains(QLatin1String("date"), Qt::CaseInsensitive)
                            && !it.key().contains(QLatin1String("time"), Qt::CaseInsensitive)
                            && it.key() != QLatin1String("number"))
                            tail << it.key() + QLatin1Char('=') + it.value();
                    figures << doc.head["type"] + QLatin1Char(':') + tail.join(QLatin1Char(' '));
                    return 1;
                });
        };
        prompts().expect(ZkPrompt::Question, QStringLiteral("Brevalon - Cash Up"),
            QStringLiteral("Please select the mode for cash up"), 1);
        keep(5);
        utils->cashUp();
        prompts().expectExec(QStringLiteral("DateDialog"), [](QDialog*) { return int(QDialog::Accepted); });
        prompts().expectExec(QStringLiteral("ComboDialog"), [](QDialog* d) {
            static_cast<ComboDialog*>(d)->comboBox1->setCurrentText(QStringLiteral("JOHN"));
            return int(QDialog::Accepted);
        });
        keep(4);
        utils->waiterCashUp();
        allPromptsCame();
        return figures;
    }
};

class TestSplitBill : public QObject
{
    Q_OBJECT

private slots:
    void splitByItemsAndPay();
    void splitEvenlyAndVoidOne();
    void cashUpAsIfUnsplit();
    void refused_data();
    void refused();
};

void TestSplitBill::splitByItemsAndPay()
{
    SplitTill till;
    RestaurantSales& w = till.w();
    const int bill = till.tableFour();
    const QString stock = row(QStringLiteral("SELECT Quantity FROM Inventory WHERE Code='1001'"));
    QVERIFY(till.choose(QStringLiteral("TABLE 4")));

    // Two of the four lagers and the burger go to the new bill.
    QStringList bills;
    till.prompts().expect(
        ZkPrompt::Question, kSplit, QStringLiteral("Split bill # %1 of TABLE 4").arg(bill), 0);
    till.prompts().expectExec(QStringLiteral("SplitEntry"), [](QDialog* d) {
        auto* entry = static_cast<SplitEntry*>(d);
        entry->show();
        for (int touch = 0; touch < 2; ++touch) // a finger on the lagers, twice
            QTest::mouseClick(entry->linesView()->viewport(), Qt::LeftButton, {},
                entry->linesView()->visualItemRect(entry->linesView()->topLevelItem(0)).center());
        entry->setMoving(1, 1);
        entry->splitButton()->click();
        return entry->result();
    });
    till.expectBills(2, &bills);
    w.SplitBillButton->click();
    till.allPromptsCame();
    const int other = bill + 1;
    QCOMPARE(bills,
        (QStringList { QStringLiteral("%1 166.50").arg(bill), QStringLiteral("%1 195.00").arg(other) }));
    QCOMPARE(
        row(QStringLiteral("SELECT InvoiceNumber, Code, Quantity, Price, Printed FROM InvoiceItem ORDER BY "
                           "InvoiceNumber, Code")),
        QStringLiteral("%1 1001 1.000 18.50 2, %1 1006 2.000 76.00 2, %1 2004 1.000 72.00 2, "
                       "%2 1006 2.000 76.00 2, %2 3001 1.000 119.00 2")
            .arg(bill)
            .arg(other));
    QCOMPARE(ledger(bill), QStringLiteral("166.50 0"));
    QCOMPARE(ledger(other), QStringLiteral("195.00 0"));
    QCOMPARE(row(QStringLiteral("SELECT Quantity FROM Inventory WHERE Code='1001'")), stock);
    QCOMPARE(SplitTill::payList(),
        (QStringList { QStringLiteral("TABLE 4 \u00b7 1/2"), QStringLiteral("TABLE 4 \u00b7 2/2") }));
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab_4);

    // The guest of the new bill pays by card with a tip, chosen in the Pay
    // Table list; the other pays cash and gets change.
    till.prompts().expectExec(QStringLiteral("TableEntry"), [](QDialog* d) {
        auto* chooser = static_cast<TableEntry*>(d);
        chooser->pushButton3->click();
        for (int i = 0; i < chooser->iconView1->count(); ++i)
            if (chooser->iconView1->item(i)->text().startsWith(QStringLiteral("TABLE 4 \u00b7 2/2")))
                chooser->tableSelected(chooser->iconView1->item(i));
        return chooser->result();
    });
    w.guiTable();
    till.allPromptsCame();
    QCOMPARE(w.CurBalEdit->text(), QStringLiteral("195.00"));
    QStringList receipts;
    till.pay(RestaurantTill::table(4), other, w.CardAmountEdit, QStringLiteral("220"), false, &receipts);
    QCOMPARE(SplitTill::payList(), QStringList { QStringLiteral("TABLE 4 \u00b7 1/2") });
    QCOMPARE(w.PayListView->topLevelItemCount(), 1);
    till.pay(RestaurantTill::table(4), bill, w.CashAmountEdit, QStringLiteral("200"), true, &receipts);

    const QString first = row(QStringLiteral("SELECT min(MyNumber) FROM Receipt"));
    const QString second = row(QStringLiteral("SELECT max(MyNumber) FROM Receipt"));
    QCOMPARE(receipts,
        (QStringList { first + QStringLiteral(" 220.00 tip 25.00 change 0.00"),
            second + QStringLiteral(" 166.50 tip 0.00 change 33.50") }));
    QCOMPARE(ledger(other), QStringLiteral("195.00 ") + first);
    QCOMPARE(ledger(bill), QStringLiteral("166.50 ") + second);
    QCOMPARE(utils->getBalBF(RestaurantTill::table(4), true), 0.0);
    QVERIFY(SplitTill::payList().isEmpty());
    QVERIFY(RestaurantTill::actions().contains(
        QStringLiteral("SPLIT BILL|INV #: %1 INTO %1 %2").arg(bill).arg(other)));
}

void TestSplitBill::splitEvenlyAndVoidOne()
{
    SplitTill till;
    RestaurantSales& w = till.w();
    const int bill = SplitTill::tableSix();
    QVERIFY(till.choose(QStringLiteral("TABLE 6")));

    // The open order itself is split three ways: it becomes three bills.
    QStringList bills;
    till.prompts().expect(ZkPrompt::Question, kSplit, QStringLiteral("Split bill # %1").arg(bill), 1);
    till.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(QStringLiteral("3")));
    till.expectBills(3, &bills);
    w.SplitBillButton->click();
    till.allPromptsCame();
    QCOMPARE(bills,
        (QStringList { QStringLiteral("%1 33.33").arg(bill), QStringLiteral("%1 33.33").arg(bill + 1),
            QStringLiteral("%1 33.34").arg(bill + 2) }));
    QCOMPARE(Sales::pendingInvoice(RestaurantTill::table(6)), 0);
    // Each line is shared out; together the shares are the line.
    QCOMPARE(row(QStringLiteral(
                 "SELECT Code, SUM(Quantity), SUM(Price) FROM InvoiceItem GROUP BY Code ORDER BY Code")),
        QStringLiteral("1001 2.000 37.00, 3006 1.000 63.00"));
    QCOMPARE(row(QStringLiteral(
                 "SELECT Quantity, Price FROM InvoiceItem WHERE Code='3006' ORDER BY InvoiceNumber")),
        QStringLiteral("0.333 21.00, 0.333 21.00, 0.334 21.00"));
    QCOMPARE(SplitTill::payList(),
        (QStringList { QStringLiteral("TABLE 6 \u00b7 1/3"), QStringLiteral("TABLE 6 \u00b7 2/3"),
            QStringLiteral("TABLE 6 \u00b7 3/3") }));

    QStringList receipts;
    till.pay(RestaurantTill::table(6), bill, w.CashAmountEdit, QStringLiteral("40"), false, &receipts);
    till.pay(RestaurantTill::table(6), bill + 1, w.CardAmountEdit, QStringLiteral("33.33"), false, &receipts);
    till.pay(RestaurantTill::table(6), bill + 2, w.CashAmountEdit, QStringLiteral("33.34"), true, &receipts);
    QCOMPARE(receipts.size(), 3);
    QVERIFY(receipts.at(0).endsWith(QLatin1String(" 33.33 tip 0.00 change 6.67")));
    QVERIFY(SplitTill::payList().isEmpty());

    // The card payment of the second part is voided: that part alone is
    // owed again and waits in the Pay Table list.
    const int card = row(QStringLiteral("SELECT MyNumber FROM Receipt WHERE CardAmount>0")).toInt();
    till.prompts().expect(
        ZkPrompt::TextInput, QStringLiteral("Void Receipt"), QString(), 0, QStringLiteral("wrong card"));
    QVERIFY(utils->voidReceipt(card));
    till.allPromptsCame();
    QCOMPARE(
        ledger(bill).section(QLatin1Char(' '), 1), row(QStringLiteral("SELECT min(MyNumber) FROM Receipt")));
    QCOMPARE(ledger(bill + 1), QStringLiteral("33.33 0"));
    QCOMPARE(ledger(bill + 2).section(QLatin1Char(' '), 1),
        row(QStringLiteral("SELECT max(MyNumber) FROM Receipt")));
    QCOMPARE(utils->getBalBF(RestaurantTill::table(6), true), 33.33);
    QCOMPARE(SplitTill::payList(), QStringList { QStringLiteral("TABLE 6 \u00b7 2/3") });
}

void TestSplitBill::cashUpAsIfUnsplit()
{
    // The same evening twice, paid in cash to the cent: once split, once
    // not. The cash-up sees the same figures.
    QList<QStringList> evenings;
    for (const bool split : { true, false }) {
        SplitTill till;
        const int four = till.tableFour();
        const int six = SplitTill::tableSix();
        till.printBill(six);
        QList<int> bills { four, six };
        QStringList ignored;
        if (split) {
            QString refusal;
            const int lagers = TestShop::value(
                QStringLiteral("SELECT min(MyNumber) FROM InvoiceItem WHERE InvoiceNumber=%1").arg(four))
                                   .toInt();
            bills = utils->splitInvoice(four, { { lagers, 2 }, { lagers + 1, 1 } }, &refusal)
                + utils->splitInvoiceEvenly(six, 3, &refusal);
            QCOMPARE(bills.size(), 5);
        }
        for (int i = 0; i < bills.size(); ++i) {
            const int bill = bills.at(i);
            const int account = TestShop::value(
                QStringLiteral("SELECT AccountNumber FROM Invoice WHERE MyNumber=%1").arg(bill))
                                    .toInt();
            const QString owed = ledger(bill).section(QLatin1Char(' '), 0, 0);
            const bool last
                = TestShop::value(QStringLiteral("SELECT COUNT(*) FROM Journal WHERE AccountNumber=%1 AND "
                                                 "Description='I' AND CrossRef=0")
                                      .arg(account))
                      .toInt()
                == 1;
            till.pay(account, bill, till.w().CashAmountEdit, owed, last, &ignored);
        }
        evenings << till.cashUpFigures();
    }
    QCOMPARE(evenings.at(0).size(), 9);
    QCOMPARE(evenings.at(0), evenings.at(1));
}

void TestSplitBill::refused_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty order") << "empty"
                                 << "There is nothing on bill # %1 to split";
    QTest::newRow("no parts") << "even 0"
                              << "A bill is split into 2 parts or more";
    QTest::newRow("one part") << "even 1"
                              << "A bill is split into 2 parts or more";
    QTest::newRow("more parts than cents") << "cents 6"
                                           << "A bill of 0.05 cannot be split into 6 parts";
    QTest::newRow("more of a line than it has") << "move 5"
                                                << "A line of 4.000 cannot give 5.000 to the new bill";
    QTest::newRow("nothing chosen") << "move 0"
                                    << "Choose what goes to the new bill";
    QTest::newRow("everything") << "all"
                                << "Something must stay on bill # %1";
    QTest::newRow("paid bill") << "paid"
                               << "Invoice # %1 is paid or voided and can no longer be split";
    QTest::newRow("failure half way") << "fault"
                                      << "";
}

void TestSplitBill::refused()
{
    QFETCH(QString, how);
    QFETCH(QString, message);
    SplitTill till;
    int bill = 0;
    if (how == QLatin1String("empty"))
        bill = SaleRows::newInvoice(RestaurantTill::table(5));
    else if (how.startsWith(QLatin1String("cents")))
        bill = SaleRows::invoice(RestaurantTill::table(5), { priced("1001", 1, 0.05) });
    else
        bill = till.tableFour();
    if (how == QLatin1String("paid"))
        TestShop::exec(QStringLiteral("UPDATE Journal SET CrossRef=77 WHERE MyNumber=%1").arg(bill));
    const int lagers = TestShop::value(
        QStringLiteral("SELECT min(MyNumber) FROM InvoiceItem WHERE InvoiceNumber=%1").arg(bill))
                           .toInt();
    QList<Utility::SplitMove> moves { { lagers, how == QLatin1String("move 0") ? 0.0 : 5.0 } };
    if (how == QLatin1String("all") || how == QLatin1String("fault") || how == QLatin1String("paid")) {
        moves.clear();
        QSqlQuery q;
        QVERIFY(q.exec(
            QStringLiteral("SELECT MyNumber, Quantity FROM InvoiceItem WHERE InvoiceNumber=%1").arg(bill)));
        while (q.next())
            moves.append({ q.value(0).toInt(), q.value(1).toDouble() });
        if (how == QLatin1String("fault"))
            moves.removeLast();
    }
    const QStringList before = TestShop::snapshot();
    if (how == QLatin1String("fault")) {
        // The due-back records are gone: the split fails after moving lines.
        TestShop::exec(QStringLiteral("ALTER TABLE Returns RENAME TO ReturnsAway"));
        till.prompts().expect(ZkPrompt::Warning, QString(), QStringLiteral("Returns"));
    }
    QString refusal;
    const QList<int> bills = how.startsWith(QLatin1String("even")) || how.startsWith(QLatin1String("cents"))
            || how == QLatin1String("empty")
        ? utils->splitInvoiceEvenly(bill,
            how.section(QLatin1Char(' '), 1).toInt() + (how == QLatin1String("empty") ? 2 : 0), &refusal)
        : utils->splitInvoice(bill, moves, &refusal);
    if (how == QLatin1String("fault"))
        TestShop::exec(QStringLiteral("ALTER TABLE ReturnsAway RENAME TO Returns"));
    till.allPromptsCame();
    QVERIFY(bills.isEmpty());
    QCOMPARE(refusal, message.contains(QLatin1String("%1")) ? message.arg(bill) : message);
    QCOMPARE(TestShop::snapshot(), before);
}

QTEST_MAIN(TestSplitBill)
#include "tst_splitbill.moc"
