// The restaurant at its tables: an evening end to end on the touch layout and at the keyboard (waiter,
// table, orders from two tills, transfer, bill, a changed bill, a card payment with a tip: checked in the
// database, the dockets and receipt the printer queues received, and the bill printed as a PDF); what the
// chooser lists, refused transfers, waiter codes nobody has, lines lost unasked, printed bills that may not
// be changed; and a bill split between its guests, by items and evenly, paid, voided and cashed up.

#include "tests/sales/restauranttill.h"

#include "core/zkdb.h"
#include "documents/docprint.h"
#include "sales/combodialog.h"
#include "sales/splitentry.h"
#include "tests/posting/docparts.h"
#include "tests/support/printqueue.h"
#include "tests/support/slipout.h"

#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>

namespace {

/** What @p queue received once each of @p words is in it; kept for the
 *  ESC/POS check as @p what. */
QByteArray take(PrintQueue& queue, const QStringList& words, const QString& what)
{
    const QByteArray got = queue.take([&](const QByteArray& bytes) {
        return std::all_of(words.begin(), words.end(), [&](const QString& w) { return bytes.contains(w.toLatin1()); });
    });
    SlipOut::keep(got, true, what);
    return got;
}

/** How often each of @p words stands in @p bytes, summed. */
int times(const QByteArray& bytes, std::initializer_list<const char*> words)
{
    int n = 0;
    for (const char* w : words)
        n += int(bytes.count(w));
    return n;
}

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

double billed(int invoice)
{
    return row(QStringLiteral("SELECT Amount FROM Journal WHERE MyNumber=%1 AND Description='I'").arg(invoice))
        .toDouble();
}

/** What a receipt row says of card, tip, change and waiter. */
QString receiptRow(const QString& number)
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT CardAmount, TipAmount, ChangeDue, Waiter FROM Receipt WHERE MyNumber=") + number)
        || !q.next())
        return QString();
    auto m = [&](int c) { return Utility::numStr(Utility::roundCents(q.value(c).toDouble()), 2); };
    return QStringLiteral("card %1 tip %2 change %3 %4").arg(m(0), m(1), m(2), q.value(3).toString());
}

/** The lines of an invoice as "CODE:printed", in order. */
QStringList lines(int invoice)
{
    QStringList out;
    QSqlQuery q;
    q.exec(QStringLiteral("SELECT Code, Printed FROM InvoiceItem WHERE InvoiceNumber=%1 ORDER BY MyNumber").arg(invoice));
    while (q.next())
        out << q.value(0).toString() + QLatin1Char(':') + q.value(1).toString();
    return out;
}

} // namespace

/** The till of the evening: dockets and receipts print by themselves to the
 *  queues, the bill is shown before it prints. */
class EveningTill : public RestaurantTill
{
public:
    explicit EveningTill(const QString& user = QStringLiteral("JOHN"), bool touch = true)
        : RestaurantTill(user, touch, LoginLater)
        , kitchen("KITCHEN_")
        , label("LABEL_")
        , receipts("")
    {
        w().probeDocuments = false;
        for (const auto& [role, queue] : {std::pair<const char*, const PrintQueue&>{"Kitchen", kitchen},
                                          {"Label", label}, {"Receipt", receipts}}) {
            const QString group = QStringLiteral("/%1Printer/").arg(QLatin1String(role));
            settings->writeEntry(group + QLatin1String("Mode"), QStringLiteral("slip40"));
            settings->writeEntry(group + QLatin1String("PrinterName"), queue.name);
            settings->writeEntry(group + QLatin1String("Preview"), QString());
        }
        utils->initClass(true);
        utils->newDocPrint();
    }

    /** Why the evening cannot run here; empty when it can. */
    QString missing() const
    {
        if (!kitchen.available() || !label.available() || !receipts.available())
            return QStringLiteral("needs the private CUPS queues that scripts/test.sh starts");
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            return QStringLiteral("pdftotext (poppler-utils) is not installed");
        return QString();
    }

    /** The waiter's code on the keypad (none: closed), then @p chooser. */
    void expectWaiter(const QString& code, std::function<int(QDialog*)> chooser = {})
    {
        prompts().expectExec(QStringLiteral("NumEntry"), typeCode(code, code.isEmpty() ? Finish::Cancel : Finish::Ok));
        if (chooser)
            prompts().expectExec(QStringLiteral("TableEntry"), std::move(chooser));
    }

    /** Touches a department and one of its items on the touch page. */
    void touch(const QString& department, const QString& item)
    {
        w().touchButtonAt(0)->click(); // top level
        for (const QString& code : {department, item}) {
            int id = Sales::kFirstPlace;
            while (id < Sales::kFirstPlace + Sales::kPlaceCount && w().placeCode(id) != code)
                ++id;
            if (id == Sales::kFirstPlace + Sales::kPlaceCount)
                return QTest::qFail(qPrintable(code + QLatin1String(" is not on the touch page")), __FILE__, __LINE__);
            w().touchButtonAt(id)->click();
        }
    }

    /** Expects the bill: printed as a page to PDF; returns its number and text. */
    void expectBill(QString* number, QString* page)
    {
        prompts().expectExec(QStringLiteral("DocPrint"), [this, number, page](QDialog* d) {
            auto* dp = static_cast<DocPrint*>(d);
            *number = DocParts::fromRoot(dp->documentRoot()).head["number"];
            const QString pdf = m_files.filePath(QStringLiteral("bill%1.pdf").arg(++m_bills));
            dp->currentPrinter()->setOutputFileName(pdf);
            dp->printPage();
            QProcess p;
            p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
            p.waitForFinished();
            *page = QString::fromUtf8(p.readAllStandardOutput());
            return dp->result();
        });
    }

    /** At the keyboard: types @p text into @p field and presses Return. */
    static void enter(QWidget* field, const QString& text)
    {
        field->setFocus();
        if (auto* line = qobject_cast<QLineEdit*>(field))
            line->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }

    PrintQueue kitchen;
    PrintQueue label;
    PrintQueue receipts;

private:
    QTemporaryDir m_files;
    int m_bills = 0;
};

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

class TestTables : public QObject
{
    Q_OBJECT

private slots:
    void restaurantEvening();
    void eveningAtTheKeyboard();
    void chooserLists();
    void chooserButtons_data();
    void chooserButtons();
    void layouts_data();
    void layouts();
    void vanishedTableIsChosenAgain();
    void transferRefused_data();
    void transferRefused();
    void unknownWaiterCodes_data();
    void unknownWaiterCodes();
    void adminIsNeverAskedForAWaiter();
    void linesKeptUnlessConfirmed_data();
    void linesKeptUnlessConfirmed();
    void editBillRefused_data();
    void editBillRefused();
    void splitByItemsAndPay();
    void splitEvenlyAndVoidOne();
    void cashUpAsIfUnsplit();
    void refused_data();
    void refused();
};

void TestTables::restaurantEvening()
{
    EveningTill till;
    if (!till.missing().isEmpty())
        QSKIP(qPrintable(till.missing()));
    RestaurantSales& w = till.w();
    const int table3 = RestaurantTill::table(3);
    const int table8 = RestaurantTill::table(8);

    // JOHN logs in; his till asks who serves, then where: JOHN has no open
    // table yet, so the chooser offers the free ones.
    till.expectWaiter(QStringLiteral("2222"), RestaurantTill::pick(QString(), QStringLiteral("TABLE 3")));
    till.start();
    till.allPromptsCame();
    QVERIFY(RestaurantTill::atTable(3));
    QCOMPARE(utils->getWaiter(), QStringLiteral("JOHN"));

    // The first order: starters and mains for the kitchen, coffee for the
    // label printer, a cold drink for neither. Meanwhile the bar's till
    // orders onto the same table a curry and a brownie, which its own
    // dockets have taken (printed marks 2 and 3).
    till.touch(QStringLiteral("STARTERS"), QStringLiteral("2001"));
    till.touch(QStringLiteral("MAINS"), QStringLiteral("3001"));
    till.touch(QStringLiteral("HOT DRINKS"), QStringLiteral("1101"));
    till.touch(QStringLiteral("DRINKS"), QStringLiteral("1001"));
    QCOMPARE(w.VendListView->topLevelItemCount(), 4);
    auto barOrder = [&](QDialog* d) {
        SaleLine curry = SaleRows::item(QStringLiteral("3005")), brownie = SaleRows::item(QStringLiteral("4001"));
        curry.printed = 2;
        brownie.printed = 3;
        const int open = Sales::pendingInvoice(table3);
        if (open <= 0)
            QTest::qFail("the bar till finds no open order of TABLE 3", __FILE__, __LINE__);
        SaleRows::addLines(open, {curry, brownie});
        return RestaurantTill::pick(QString(), QStringLiteral("TABLE 3"))(d);
    };
    till.expectWaiter(QStringLiteral("2222"), barOrder);
    w.OrderButton->click();
    till.allPromptsCame();
    const int order = Sales::pendingInvoice(table3);
    QVERIFY(order > 0);
    QCOMPARE(row(QStringLiteral("SELECT Waiter FROM Invoice WHERE MyNumber=%1").arg(order)), QStringLiteral("JOHN"));
    QByteArray docket = take(till.kitchen, {QStringLiteral("GARLIC"), QStringLiteral("BURGER")}, "kitchen-1");
    QCOMPARE(times(docket, {"GARLIC"}), 1);
    QCOMPARE(times(docket, {"BURGER"}), 1);
    QCOMPARE(times(docket, {"ESPRESSO", "COCA"}), 0);
    QVERIFY(docket.contains("TABLE 3") && docket.contains("JOHN"));
    QByteArray labels = take(till.label, {QStringLiteral("ESPRESSO")}, "label-1");
    QCOMPARE(times(labels, {"ESPRESSO"}), 1);
    QCOMPARE(times(labels, {"GARLIC", "BURGER", "COCA"}), 0);
    // Back at TABLE 3: the total holds both tills' orders.
    QVERIFY(RestaurantTill::atTable(3));
    QCOMPARE(lines(order), (QStringList{"2001:2", "3001:2", "1101:1", "1001:0", "3005:2", "4001:3"}));
    QCOMPARE(w.TotalLCD->text(), QStringLiteral("368.50"));

    // The second order: each line reaches its printers once; what either
    // till printed before stays off the dockets.
    till.touch(QStringLiteral("MAINS"), QStringLiteral("3003"));
    till.touch(QStringLiteral("DESSERTS"), QStringLiteral("4001"));
    till.touch(QStringLiteral("HOT DRINKS"), QStringLiteral("1102"));
    till.expectWaiter(QStringLiteral("2222"), RestaurantTill::pick(QString(), QStringLiteral("TABLE 3")));
    w.OrderButton->click();
    till.allPromptsCame();
    QCOMPARE(Sales::pendingInvoice(table3), order);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Invoice WHERE Status='P'")), 1);
    docket = take(till.kitchen, {QStringLiteral("RUMP"), QStringLiteral("BROWNIE")}, "kitchen-2");
    QCOMPARE(times(docket, {"RUMP"}), 1);
    QCOMPARE(times(docket, {"BROWNIE"}), 1);
    QCOMPARE(times(docket, {"GARLIC", "BURGER", "CURRY", "CAPPUCCINO"}), 0);
    labels = take(till.label, {QStringLiteral("BROWNIE"), QStringLiteral("CAPPUCCINO")}, "label-2");
    QCOMPARE(times(labels, {"BROWNIE"}), 1);
    QCOMPARE(times(labels, {"CAPPUCCINO"}), 1);
    QCOMPARE(times(labels, {"ESPRESSO", "RUMP"}), 0);

    // The party moves to the window: TABLE 3's order goes to TABLE 8.
    bool buttonDuring = true;
    till.prompts().expectExec(QStringLiteral("TableEntry"),
                              RestaurantTill::pick(QStringLiteral("new"), QStringLiteral("TABLE 8"), [&](TableEntry*) {
                                  buttonDuring = w.pushButton30->isEnabled();
                              }));
    w.pushButton30->click();
    till.allPromptsCame();
    QVERIFY(!buttonDuring);
    QVERIFY(RestaurantTill::atTable(8));
    QCOMPARE(w.VendListView->topLevelItemCount(), 9);
    // A second transfer waits until this one is ordered.
    const int beeps = till.prompts().beeps();
    w.transferTable();
    QCOMPARE(till.prompts().beeps(), beeps + 1);
    till.expectWaiter(QStringLiteral("2222"), RestaurantTill::pick(QString(), QStringLiteral("TABLE 8")));
    w.OrderButton->click();
    till.allPromptsCame();
    // The order keeps its number; TABLE 3 is free; nothing printed again.
    QCOMPARE(Sales::pendingInvoice(table3), 0);
    QCOMPARE(Sales::pendingInvoice(table8), order);
    QCOMPARE(lines(order),
             (QStringList{"2001:2", "3001:2", "1101:1", "1001:0", "3005:2", "4001:3", "3003:2", "4001:3", "1102:1"}));
    QVERIFY(w.pushButton30->isEnabled());
    QCOMPARE(w.transferSource(), -1);

    // The bill, printed as a page; the table's order is closed.
    QString number, page;
    till.expectBill(&number, &page);
    till.expectWaiter(QString());
    w.PushButton5->click();
    till.allPromptsCame();
    QCOMPARE(number, QString::number(order));
    QCOMPARE(row(QStringLiteral("SELECT Status FROM Invoice WHERE MyNumber=%1").arg(order)), QStringLiteral("C"));
    QCOMPARE(billed(order), 644.50);
    for (const char* shown : {"TABLE 8", "GARLIC BREAD", "ESPRESSO", "VEGETABLE CURRY", "RUMP STEAK 300G", "644.50"})
        QVERIFY2(page.contains(QLatin1String(shown)), qPrintable(QLatin1String(shown) + QLatin1String(" not on\n") + page));

    // The guests never had the espresso, want a cheesecake, and had a
    // cappuccino from the bar after the bill came: the printed bill is
    // changed, takes the later order in, and is printed again under its number.
    SaleLine cappuccino = SaleRows::item(QStringLiteral("1102"));
    cappuccino.printed = 3;
    const int later = SaleRows::invoice(table8, {cappuccino}, QStringLiteral("JOHN"));
    till.prompts().expect(ZkPrompt::IntegerInput, QStringLiteral("Brevalon - Edit Invoice"),
                          QStringLiteral("Enter Invoice number."), 0, QString::number(order));
    // The choosers shown by the scripted operator took the activation away.
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_F12, Qt::ControlModifier);
    till.allPromptsCame();
    QVERIFY(RestaurantTill::atTable(8));
    QCOMPARE(Sales::pendingInvoice(table8), order);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Invoice WHERE MyNumber=%1 OR Status='P'").arg(later)), 1);
    QCOMPARE(billed(order), 0.0);
    QCOMPARE(utils->getWaiter(), QStringLiteral("JOHN"));
    QVERIFY(RestaurantTill::actions().contains(QStringLiteral("EDIT BILL|INV #: %1").arg(order)));
    w.EditPushButton->click();
    QCOMPARE(w.VendListView->topLevelItemCount(), 10);
    const QList<QTreeWidgetItem*> espresso = w.VendListView->findItems(QStringLiteral("1101"), Qt::MatchExactly, Sales::ColCode);
    QCOMPARE(espresso.size(), 1);
    w.VendListView->setCurrentItem(espresso.first());
    w.touchButtonAt(1)->click(); // delete the line
    till.touch(QStringLiteral("DESSERTS"), QStringLiteral("4003"));
    QCOMPARE(w.VendListView->topLevelItemCount(), 10);
    till.expectBill(&number, &page);
    till.expectWaiter(QString());
    w.PushButton5->click();
    till.allPromptsCame();
    QCOMPARE(number, QString::number(order));
    QCOMPARE(billed(order), 716.50);
    QVERIFY(page.contains(QLatin1String("CHEESECAKE")) && page.contains(QLatin1String("716.50")));
    QVERIFY(!page.contains(QLatin1String("ESPRESSO")));
    // Only the cheesecake went to the kitchen and the label printer.
    docket = take(till.kitchen, {QStringLiteral("CHEESECAKE")}, "kitchen-3");
    QCOMPARE(times(docket, {"CHEESECAKE"}), 1);
    QCOMPARE(times(docket, {"RUMP", "BROWNIE", "GARLIC"}), 0);
    labels = take(till.label, {QStringLiteral("CHEESECAKE")}, "label-3");
    QCOMPARE(times(labels, {"BROWNIE", "CAPPUCCINO"}), 0);

    // Payment: TABLE 8 chosen to pay, 750.00 by card; the rest is the tip.
    till.expectWaiter(QStringLiteral("2222"), RestaurantTill::pick(QStringLiteral("pay"), QStringLiteral("TABLE 8")));
    w.clear();
    till.allPromptsCame();
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab_4);
    QCOMPARE(till.focus(), w.CashAmountEdit);
    QCOMPARE(w.CurBalEdit->text(), QStringLiteral("716.50"));
    QTest::keyClicks(w.CardAmountEdit, QStringLiteral("750"));
    QCOMPARE(w.TipAmountEdit->text(), QStringLiteral("33.50"));
    till.expectWaiter(QString());
    w.ProcessButton->click();
    till.allPromptsCame();
    const QString receipt = row(QStringLiteral("SELECT max(MyNumber) FROM Receipt"));
    QCOMPARE(row(QStringLiteral("SELECT CrossRef FROM Journal WHERE MyNumber=%1 AND Description='I'").arg(order)), receipt);
    QCOMPARE(receiptRow(receipt), QStringLiteral("card 750.00 tip 33.50 change 0.00 JOHN"));
    QCOMPARE(utils->getBalBF(table8, true), 0.0);
    const QByteArray slip = take(till.receipts, {QStringLiteral("C/Card"), QStringLiteral("33.50")}, "receipt");
    QVERIFY(slip.contains("TABLE 8") && slip.contains("750.00") && slip.contains("Served by JOHN"));
    // The table is free again and waits for nobody's payment.
    TableEntry chooser;
    chooser.payBill();
    QVERIFY(!RestaurantTill::shown(&chooser).contains(QStringLiteral("TABLE 8")));
    chooser.newTable();
    QVERIFY(RestaurantTill::shown(&chooser).contains(QStringLiteral("TABLE 8")));
}

void TestTables::eveningAtTheKeyboard()
{
    EveningTill till(QStringLiteral("MARY"), false);
    if (!till.missing().isEmpty())
        QSKIP(qPrintable(till.missing()));
    RestaurantSales& w = till.w();
    QLineEdit* name = w.NameComboBox->lineEdit();
    // At the keyboard nothing is asked after the login: the table is typed,
    // then the waiter's code, whose lines carry her initials. The price
    // tiers, renamed at another station meanwhile, are read again.
    till.start();
    till.allPromptsCame();
    EveningTill::enter(name, QStringLiteral("TABLE 5"));
    QVERIFY(RestaurantTill::atTable(5));
    TestShop::exec(QStringLiteral("UPDATE SysInfo SET Tier1Name='Happy Hour'"));
    EveningTill::enter(w.WaiterEdit, QStringLiteral("3333"));
    QCOMPARE(utils->getWaiter(), QStringLiteral("SUE"));
    QCOMPARE(w.SalesGuiPersonEdit->text(), QStringLiteral("SB"));
    QCOMPARE(w.PriceComboBox->itemText(1), QStringLiteral("Happy Hour"));
    QCOMPARE(till.focus(), w.ItemComboBox);
    for (const auto& [code, quantity] : {std::pair<const char*, const char*>{"2002", "2"}, {"3004", "1"}, {"1007", "2"}}) {
        EveningTill::enter(w.ItemComboBox, QLatin1String(code));
        QVERIFY2(w.itemValidated(), code);
        EveningTill::enter(w.QuantityEdit, QLatin1String(quantity));
    }
    QCOMPARE(w.VendListView->topLevelItemCount(), 3);
    w.OrderButton->click();
    till.allPromptsCame();
    const int order = Sales::pendingInvoice(RestaurantTill::table(5));
    QVERIFY(order > 0);
    QCOMPARE(row(QStringLiteral("SELECT Waiter FROM Invoice WHERE MyNumber=%1").arg(order)), QStringLiteral("SUE"));
    QCOMPARE(utils->getAccountNumber(), -1);
    const QByteArray docket = take(till.kitchen, {QStringLiteral("SOUP"), QStringLiteral("FISH")}, "kitchen");
    QVERIFY(docket.contains("  2.00 SOUP OF THE"));
    QCOMPARE(times(docket, {"FISH"}), 1);
    QCOMPARE(times(docket, {"RED"}), 0);

    // The order moves from TABLE 5 to TABLE 6: typed over the old name.
    EveningTill::enter(name, QStringLiteral("TABLE 5"));
    EveningTill::enter(w.WaiterEdit, QStringLiteral("3333"));
    QCOMPARE(w.TotalLCD->text(), QStringLiteral("355.00"));
    w.pushButton30->click();
    QVERIFY(!w.salesTabOpen());
    QVERIFY(!w.pushButton30->isEnabled());
    QCOMPARE(till.focus(), w.NameComboBox);
    QCOMPARE(w.VendListView->topLevelItemCount(), 3);
    EveningTill::enter(name, QStringLiteral("TABLE 6"));
    QVERIFY(RestaurantTill::atTable(6));
    QVERIFY(w.salesTabOpen());
    w.OrderButton->click();
    till.allPromptsCame();
    QCOMPARE(Sales::pendingInvoice(RestaurantTill::table(5)), 0);
    QCOMPARE(Sales::pendingInvoice(RestaurantTill::table(6)), order);
    QCOMPARE(lines(order), (QStringList{"2002:2", "3004:2", "1007:0"}));

    // The bill of TABLE 6, then its payment by card with a tip.
    EveningTill::enter(name, QStringLiteral("TABLE 6"));
    EveningTill::enter(w.WaiterEdit, QStringLiteral("3333"));
    QString number, page;
    till.expectBill(&number, &page);
    w.PushButton5->click();
    till.allPromptsCame();
    QCOMPARE(number, QString::number(order));
    QVERIFY(page.contains(QLatin1String("TABLE 6")) && page.contains(QLatin1String("HOUSE RED WINE"))
            && page.contains(QLatin1String("355.00")));
    QCOMPARE(billed(order), 355.0);
    EveningTill::enter(name, QStringLiteral("TABLE 6"));
    QTest::keyClick(&w, Qt::Key_F10);
    QCOMPARE(w.CurBalEdit->text(), QStringLiteral("355.00"));
    QTest::keyClicks(w.CardAmountEdit, QStringLiteral("400"));
    QCOMPARE(w.TipAmountEdit->text(), QStringLiteral("45.00"));
    w.ProcessButton->click();
    till.allPromptsCame();
    const QString receipt = row(QStringLiteral("SELECT max(MyNumber) FROM Receipt"));
    QCOMPARE(row(QStringLiteral("SELECT CrossRef FROM Journal WHERE MyNumber=%1 AND Description='I'").arg(order)), receipt);
    // Where the menus are, the receipt carries the operator.
    QCOMPARE(receiptRow(receipt), QStringLiteral("card 400.00 tip 45.00 change 0.00 MARY"));
    const QByteArray slip = take(till.receipts, {QStringLiteral("C/Card"), QStringLiteral("45.00")}, "receipt");
    QVERIFY(slip.contains("400.00") && slip.contains("TABLE 6"));
}

void TestTables::chooserLists()
{
    TestShop shop;
    auto invoice = [](int account, const char* waiter, const char* status) {
        TestShop::exec(QStringLiteral("INSERT INTO Invoice (MyDate, AccountNumber, Status, Waiter) VALUES "
                                      "('2026-12-05 19:42:00', %1, '%2', '%3')")
                           .arg(account)
                           .arg(QLatin1String(status), Utility::escapeSQL(QLatin1String(waiter))));
        return TestShop::value(QStringLiteral("SELECT MAX(MyNumber) FROM Invoice")).toInt();
    };
    auto bill = [&](int account, const char* waiter, int paidBy) {
        TestShop::exec(QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, MyNumber, "
                                      "CrossRef) VALUES (%1, 'I', '2026-12-05 20:00:00', 250, %2, %3)")
                           .arg(account)
                           .arg(invoice(account, waiter, "C"))
                           .arg(paidBy));
    };
    using RT = RestaurantTill;
    invoice(RT::table(3), "JOHN", "P");
    invoice(RT::table(5), "SUE", "P");
    invoice(RT::table(8), "O'NEIL", "P");
    invoice(14, "JOHN", "P"); // a client's pending order is no table
    bill(RT::table(2), "SUE", 0);
    bill(RT::table(7), "JOHN", 0);
    bill(RT::table(6), "JOHN", 17); // paid by receipt 17
    bill(14, "JOHN", 0);
    TestShop::exec(QStringLiteral("INSERT INTO Clients (Name) VALUES ('ROOM 101'), ('TABLESPOON TRADERS')"));

    // A cashier at the counter sees every open table, with its time.
    utils->setUserName(QStringLiteral("MARY"));
    settings->writeEntry(QStringLiteral("/Personal/VendPage/MARY"), false);
    TableEntry chooser;
    QCOMPARE(RT::shown(&chooser), (QStringList{"TABLE 3", "TABLE 5", "TABLE 8"}));
    QVERIFY(chooser.iconView1->item(0)->text().contains(QLatin1String("19:42")));
    // A waiter on the touch layout sees his own; a quote in a name is escaped.
    for (const char* waiter : {"JOHN", "O'NEIL"}) {
        utils->setWaiter(QLatin1String(waiter));
        settings->writeEntry(QStringLiteral("/Personal/VendPage/") + QLatin1String(waiter), true);
        chooser.init();
        QCOMPARE(RT::shown(&chooser), QStringList{waiter == QLatin1String("JOHN") ? "TABLE 3" : "TABLE 8"});
    }
    // The free tables in room order, rooms too; a closed or paid bill frees its table.
    chooser.newTable();
    QCOMPARE(RT::shown(&chooser), (QStringList{"ROOM 101", "TABLE 1", "TABLE 2", "TABLE 4", "TABLE 6", "TABLE 7",
                                               "TABLE 9", "TABLE 10", "TABLE 11", "TABLE 12"}));
    // Return on the current icon chooses it.
    chooser.show();
    chooser.iconView1->setCurrentRow(2);
    QTest::keyClick(chooser.iconView1, Qt::Key_Return);
    QCOMPARE(chooser.result(), int(QDialog::Accepted));
    QCOMPARE(chooser.getValue(), QStringLiteral("TABLE 2"));
    // The unpaid bills of tables, with their waiters; one chosen ends pay mode.
    QCOMPARE(RT::pick(QStringLiteral("pay"), QStringLiteral("TABLE 7"), [](TableEntry* c) {
                 QVERIFY(c->payMode());
                 QCOMPARE(RT::shown(c), (QStringList{"TABLE 2", "TABLE 7"}));
                 QVERIFY(c->iconView1->item(0)->text().contains(QLatin1String("SUE")));
             })(&chooser),
             int(TableEntry::PayTable));
    QCOMPARE(chooser.getValue(), QStringLiteral("TABLE 7"));
    QVERIFY(!chooser.payMode());
}

void TestTables::chooserButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("pay by invoice: the invoice search") << "invoice" << QStringList{"findInvoice@10"};
    QTest::newRow("cancel: the till starts again with the waiter") << "cancel" << QStringList{};
}

void TestTables::chooserButtons()
{
    QFETCH(QString, button);
    QFETCH(QStringList, calls);
    RestaurantTill till(QStringLiteral("JOHN"));
    RestaurantSales& w = till.w();
    // A table chosen before is forgotten by a cancel.
    QVERIFY(till.choose(QStringLiteral("TABLE 9")));
    utils->setWaiter(QStringLiteral("JOHN"));
    till.prompts().expectExec(QStringLiteral("TableEntry"), RestaurantTill::press(button));
    if (button == QLatin1String("cancel"))
        till.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(QString(), Finish::Cancel));
    w.guiTable();
    till.allPromptsCame();
    QCOMPARE(w.documentCalls, calls);
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab);
    if (button == QLatin1String("cancel")) {
        QCOMPARE(utils->getAccountNumber(), -1);
        QCOMPARE(w.NameComboBox->currentText(), QString());
        QVERIFY(!utils->hasWaiter());
        QVERIFY(!w.salesTabOpen());
    }
}

void TestTables::layouts_data()
{
    QTest::addColumn<bool>("touch");
    QTest::newRow("touch: F1 chooses a table, no title bar; the waiter field opens the keypad") << true;
    QTest::newRow("keyboard: F1 goes to the name entry; the waiter field is only focused") << false;
}

void TestTables::layouts()
{
    QFETCH(bool, touch);
    RestaurantTill till(QStringLiteral("SUE"), touch);
    RestaurantSales& w = till.w();
    // The table was chosen without a waiter; a line is rung up already.
    QVERIFY(till.choose(QStringLiteral("TABLE 2")));
    till.addLine(QStringLiteral("2"), QStringLiteral("CAPPUCCINO"), QStringLiteral("64.00"));
    if (touch)
        till.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(QStringLiteral("3333")));
    QTest::mouseClick(w.WaiterEdit, Qt::LeftButton);
    till.allPromptsCame();
    // The first waiter takes the lines over: nothing to ask, nothing lost.
    QCOMPARE(utils->hasWaiter(), touch);
    QCOMPARE(w.VendListView->topLevelItemCount(), 1);
    QVERIFY(RestaurantTill::atTable(2));
    if (!touch)
        QCOMPARE(till.focus(), w.WaiterEdit);

    bool frameless = false;
    if (touch)
        till.prompts().expectExec(QStringLiteral("TableEntry"), RestaurantTill::pick("", "TABLE 4", [&](TableEntry* c) {
            frameless = c->windowFlags().testFlag(Qt::FramelessWindowHint);
        }));
    QTest::keyClick(&w, Qt::Key_F1);
    till.allPromptsCame();
    QCOMPARE(frameless, touch);
    QVERIFY(RestaurantTill::atTable(touch ? 4 : 2));
    QCOMPARE(till.focus(), touch ? static_cast<QWidget*>(w.ItemComboBox) : w.NameComboBox);
    QVERIFY(touch || w.NameComboBox->lineEdit()->hasSelectedText());
}

void TestTables::vanishedTableIsChosenAgain()
{
    RestaurantTill till(QStringLiteral("SUE"));
    RestaurantSales& w = till.w();
    // TABLE 6 is taken off the floor plan while the chooser is up.
    till.prompts()
        .expectExec(QStringLiteral("TableEntry"), RestaurantTill::pick("new", "TABLE 6", [](TableEntry*) {
            TestShop::exec(QStringLiteral("DELETE FROM Clients WHERE AccountNumber=7"));
        }))
        .expect(ZkPrompt::Warning, QStringLiteral("Error"), QStringLiteral("Could not find any match for search"))
        .expectExec(QStringLiteral("TableEntry"), RestaurantTill::pick("new", "TABLE 8"));
    const int beeps = till.prompts().beeps();
    w.guiTable();
    till.allPromptsCame();
    QCOMPARE(till.prompts().beeps(), beeps + 1);
    QVERIFY(RestaurantTill::atTable(8));
    QCOMPARE(w.documentCalls, QStringList{"historyPeriod(0)@9"});
}

void TestTables::transferRefused_data()
{
    QTest::addColumn<QString>("account"); // what is chosen before the transfer
    QTest::addColumn<bool>("order");
    QTest::addColumn<int>("beeps");
    QTest::newRow("no account chosen") << "" << false << 1;
    QTest::newRow("a client is no table") << "BAYSIDE CATERING" << true << 1;
    QTest::newRow("a table with nothing to move") << "TABLE 4" << false << 1;
    QTest::newRow("the new table not chosen: the order stays") << "TABLE 3" << true << 0;
}

void TestTables::transferRefused()
{
    QFETCH(QString, account);
    QFETCH(bool, order);
    QFETCH(int, beeps);
    RestaurantTill till(QStringLiteral("JOHN"));
    RestaurantSales& w = till.w();
    utils->setWaiter(QStringLiteral("JOHN"));
    if (!account.isEmpty())
        QVERIFY(till.choose(account));
    const int before = utils->getAccountNumber();
    if (order)
        RestaurantTill::order(before, QStringLiteral("JOHN"));
    const QStringList rows = TestShop::snapshot();
    if (beeps == 0)
        till.prompts().expectExec(QStringLiteral("TableEntry"), RestaurantTill::press("cancel"));
    const int beepsBefore = till.prompts().beeps();
    w.transferTable();
    till.allPromptsCame();
    QCOMPARE(till.prompts().beeps(), beepsBefore + beeps);
    QCOMPARE(utils->getAccountNumber(), before);
    QCOMPARE(w.documentCalls, QStringList{});
    QCOMPARE(TestShop::snapshot(), rows);
    QVERIFY(w.pushButton30->isEnabled());
    QCOMPARE(w.transferSource(), -1);
    QCOMPARE(w.status(), QString());
}

void TestTables::unknownWaiterCodes_data()
{
    QTest::addColumn<bool>("touch");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("closed"); // the keypad closed without OK
    QTest::newRow("keyboard: a quote in the code is only a wrong code") << false << "22'2" << false;
    QTest::newRow("keyboard: an empty field") << false << "" << false;
    QTest::newRow("keypad: a code nobody has") << true << "5150" << false;
    QTest::newRow("keypad closed: no beep") << true << "2222" << true;
}

void TestTables::unknownWaiterCodes()
{
    QFETCH(bool, touch);
    QFETCH(QString, code);
    QFETCH(bool, closed);
    RestaurantTill till(QStringLiteral("SUE"), touch);
    RestaurantSales& w = till.w();
    QVERIFY(till.choose(QStringLiteral("TABLE 2")));
    const QString banner = w.BannerLabel->text();
    const int beeps = till.prompts().beeps();
    if (touch) {
        till.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(code, closed ? Finish::Cancel : Finish::Ok));
        w.guiWaiter();
    } else {
        w.WaiterEdit->setFocus();
        QTest::keyClicks(w.WaiterEdit, code);
        QTest::keyClick(w.WaiterEdit, Qt::Key_Return);
    }
    till.allPromptsCame();
    // Beeped and cleared; nothing else changed.
    QCOMPARE(till.prompts().beeps(), beeps + (closed ? 0 : 1));
    QVERIFY(!utils->hasWaiter());
    QCOMPARE(w.WaiterEdit->text(), QString());
    QCOMPARE(w.BannerLabel->text(), banner);
    QCOMPARE(w.status(), QString());
    QVERIFY(RestaurantTill::atTable(2));
}

void TestTables::adminIsNeverAskedForAWaiter()
{
    RestaurantTill till(QStringLiteral("Admin"), true, RestaurantTill::LoginLater);
    RestaurantSales& w = till.w();
    till.start(); // no keypad is expected
    till.allPromptsCame();
    QVERIFY(!utils->hasWaiter());
    w.WaiterEdit->setText(QStringLiteral("2222"));
    w.waiterSelected();
    QVERIFY(!utils->hasWaiter());
    QCOMPARE(w.WaiterEdit->text(), QString());
}

void TestTables::linesKeptUnlessConfirmed_data()
{
    QTest::addColumn<bool>("chooser"); // the chooser cancelled, else another waiter's code
    QTest::addColumn<int>("answer");   // to "There are items in the Sales tab": 0 yes, 1 no
    QTest::newRow("chooser cancelled, No: the lines stay") << true << 1;
    QTest::newRow("chooser cancelled, Yes: cleared, asked once, the waiter asked again") << true << 0;
    QTest::newRow("another waiter, No: JOHN keeps his lines") << false << 1;
    QTest::newRow("another waiter, Yes: afresh with SUE, who chooses her table next") << false << 0;
}

void TestTables::linesKeptUnlessConfirmed()
{
    QFETCH(bool, chooser);
    QFETCH(int, answer);
    RestaurantTill till(QStringLiteral("MARY"), chooser);
    RestaurantSales& w = till.w();
    QVERIFY(till.choose(QStringLiteral("TABLE 3")));
    w.WaiterEdit->setText(QStringLiteral("2222"));
    w.waiterSelected();
    till.addLine(QStringLiteral("1"), QStringLiteral("ESPRESSO"), QStringLiteral("22.00"));
    if (chooser) {
        till.prompts().expectExec(QStringLiteral("TableEntry"), RestaurantTill::press("cancel"));
    } else {
        // The same waiter again: nothing to ask.
        w.waiterSelected();
        till.allPromptsCame();
        w.WaiterEdit->setText(QStringLiteral("3333"));
    }
    till.prompts().expect(ZkPrompt::Question, QStringLiteral("Sales"), QStringLiteral("There are items in the Sales tab"),
                          answer);
    if (chooser && answer == 0)
        till.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(QString(), Finish::Cancel));
    if (chooser)
        w.guiTable();
    else
        w.waiterSelected();
    till.allPromptsCame();

    QCOMPARE(w.VendListView->topLevelItemCount(), answer);
    QCOMPARE(utils->getAccountNumber(), answer ? RestaurantTill::table(3) : -1);
    QCOMPARE(utils->hasWaiter() ? utils->getWaiter() : QString(),
             answer ? QStringLiteral("JOHN") : chooser ? QString() : QStringLiteral("SUE"));
    if (!chooser && answer) {
        QCOMPARE(w.WaiterEdit->text(), QString());
    } else if (!chooser) {
        QCOMPARE(w.BannerLabel->text(), QStringLiteral("<center>Please select table / client</center>"));
        QCOMPARE(till.focus(), w.NameComboBox);
    }
}

void TestTables::editBillRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message"); // %1: the number asked
    QTest::addColumn<bool>("logged");
    QTest::newRow("a sale is open") << "sale" << "PLEASE COMPLETE YOUR CURRENT ORDER FIRST" << false;
    QTest::newRow("asking cancelled") << "cancel" << "" << false;
    QTest::newRow("no such number") << "none" << "Could not find any matching Invoice # %1" << true;
    QTest::newRow("an open order is no printed bill") << "order" << "Could not find any matching Invoice # %1" << true;
    QTest::newRow("a voided bill") << "voided" << "Could not find any matching Invoice # %1" << true;
    QTest::newRow("a paid bill") << "paid" << "Invoice # %1 has been paid and can no longer be changed" << true;
}

void TestTables::editBillRefused()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QFETCH(bool, logged);
    RestaurantTill till(QStringLiteral("MARY"), false);
    RestaurantSales& w = till.w();
    int number = 4711;
    if (kind == QLatin1String("sale")) {
        QVERIFY(till.choose(QStringLiteral("TABLE 2")));
        till.addLine(QStringLiteral("1"), QStringLiteral("ESPRESSO"), QStringLiteral("22.00"));
    } else if (kind != QLatin1String("none") && kind != QLatin1String("cancel")) {
        number = RestaurantTill::order(RestaurantTill::table(3), QStringLiteral("JOHN"));
        if (kind == QLatin1String("paid")) {
            till.printBill(number);
            TestShop::exec(QStringLiteral("UPDATE Journal SET CrossRef=12 WHERE MyNumber=%1").arg(number));
        } else if (kind == QLatin1String("voided")) {
            TestShop::exec(QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, MyNumber, "
                                          "CrossRef) VALUES (4, 'VI', '2026-12-05 10:00:00', 119, %1, 0)")
                               .arg(number));
        }
    }
    const QStringList before = TestShop::snapshot();
    const int account = utils->getAccountNumber();
    QStringList log = RestaurantTill::actions();
    if (kind != QLatin1String("sale"))
        till.prompts().expect(ZkPrompt::IntegerInput, QStringLiteral("Brevalon - Edit Invoice"),
                              QStringLiteral("Enter Invoice number."), 0, QString::number(number),
                              kind != QLatin1String("cancel"));
    if (!message.isEmpty())
        till.prompts().expect(kind == QLatin1String("sale") ? ZkPrompt::Critical : ZkPrompt::Warning,
                              QStringLiteral("Error"), message.arg(number));
    w.editEdit_Bill_CtrlF12Action->trigger();
    till.allPromptsCame();

    if (logged)
        log << QStringLiteral("EDIT BILL|INV #: %1").arg(number);
    if (message.startsWith(QLatin1String("Could not")))
        log << QStringLiteral("EDIT BILL|INV #: %1 NOT FOUND").arg(number);
    QCOMPARE(RestaurantTill::actions(), log);
    QCOMPARE(utils->getAccountNumber(), account);
    QCOMPARE(w.VendListView->topLevelItemCount(), kind == QLatin1String("sale") ? 1 : 0);
    QCOMPARE(TestShop::snapshot(), before);
}

void TestTables::splitByItemsAndPay()
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

void TestTables::splitEvenlyAndVoidOne()
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

void TestTables::cashUpAsIfUnsplit()
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

void TestTables::refused_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty order") << "empty"
                                 << "There is nothing on bill # %1 to split";
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

void TestTables::refused()
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

BREVALON_TEST_MAIN(TestTables)
#include "tst_tables.moc"
