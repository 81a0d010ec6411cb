// A restaurant evening end to end, on the touch layout and at the keyboard:
// waiter, table, orders from two tills, transfer, bill, a changed bill and a
// card payment with a tip, checked in the database, in the dockets and the
// receipt the printer queues received, and in the bill printed as a PDF.

#include "tests/sales/restauranttill.h"

#include "documents/docprint.h"
#include "tests/posting/docparts.h"
#include "tests/support/printqueue.h"
#include "tests/support/slipout.h"

#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QSqlQuery>
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

QString text(const QString& sql)
{
    return TestShop::value(sql).toString();
}

double billed(int invoice)
{
    return Utility::roundCents(
        TestShop::value(QStringLiteral("SELECT Amount FROM Journal WHERE MyNumber=%1 AND Description='I'").arg(invoice))
            .toDouble());
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

class TestEvening : public QObject
{
    Q_OBJECT

private slots:
    void restaurantEvening();
    void eveningAtTheKeyboard();
};

void TestEvening::restaurantEvening()
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
    QCOMPARE(w.BannerLabel->text(), QStringLiteral("<center><h2>TABLE 3 - Served by JOHN</h2></center>"));

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
    QCOMPARE(text(QStringLiteral("SELECT Waiter FROM Invoice WHERE MyNumber=%1").arg(order)), QStringLiteral("JOHN"));
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
    QString during;
    bool buttonDuring = true;
    till.prompts().expectExec(QStringLiteral("TableEntry"),
                              RestaurantTill::pick(QStringLiteral("new"), QStringLiteral("TABLE 8"), [&](TableEntry*) {
                                  during = w.status();
                                  buttonDuring = w.pushButton30->isEnabled();
                              }));
    w.pushButton30->click();
    till.allPromptsCame();
    QCOMPARE(during, QStringLiteral("Transfer from Table TABLE 3"));
    QVERIFY(!buttonDuring);
    QVERIFY(RestaurantTill::atTable(8));
    QCOMPARE(w.status(), QStringLiteral("Now process pending order"));
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
    QCOMPARE(text(QStringLiteral("SELECT Status FROM Invoice WHERE MyNumber=%1").arg(order)), QStringLiteral("C"));
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
    const QString receipt = text(QStringLiteral("SELECT max(MyNumber) FROM Receipt"));
    QCOMPARE(text(QStringLiteral("SELECT CrossRef FROM Journal WHERE MyNumber=%1 AND Description='I'").arg(order)), receipt);
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

void TestEvening::eveningAtTheKeyboard()
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
    QCOMPARE(w.status(), QStringLiteral("Waiter: SUE"));
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
    QCOMPARE(text(QStringLiteral("SELECT Waiter FROM Invoice WHERE MyNumber=%1").arg(order)), QStringLiteral("SUE"));
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
    QCOMPARE(w.status(), QStringLiteral("Select new Table then Process pending order"));
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
    const QString receipt = text(QStringLiteral("SELECT max(MyNumber) FROM Receipt"));
    QCOMPARE(text(QStringLiteral("SELECT CrossRef FROM Journal WHERE MyNumber=%1 AND Description='I'").arg(order)), receipt);
    // Where the menus are, the receipt carries the operator.
    QCOMPARE(receiptRow(receipt), QStringLiteral("card 400.00 tip 45.00 change 0.00 MARY"));
    const QByteArray slip = take(till.receipts, {QStringLiteral("C/Card"), QStringLiteral("45.00")}, "receipt");
    QVERIFY(slip.contains("400.00") && slip.contains("TABLE 6"));
}

BREVALON_TEST_MAIN(TestEvening)
#include "tst_evening.moc"
