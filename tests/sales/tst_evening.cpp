// A restaurant evening at the till, end to end: a waiter logs in on the
// touch layout, opens a table, orders twice while a second till orders onto
// the same table, moves the table's order, prints the bill, changes the
// printed bill and takes the payment by card with a tip. Each step is
// checked in the database and in what it printed: dockets and the receipt
// as the test command's printer queues received them, the bill as a PDF.

#include "tests/sales/restauranttill.h"

#include "documents/docprint.h"
#include "tests/posting/docparts.h"
#include "tests/support/slipout.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

QString env(const QByteArray& name)
{
    return QString::fromLocal8Bit(qgetenv(name.constData()));
}

/** A printer queue of the test command: what reached its printer. */
class Queue
{
public:
    explicit Queue(const char* role)
        : m_name(env(QByteArray("BREVALON_TEST_") + role + "PRINTER"))
        , m_out(env(QByteArray("BREVALON_TEST_") + role + "PRINTER_OUT"))
    {
        m_mark = size();
    }

    bool available() const { return !m_name.isEmpty() && !m_out.isEmpty(); }
    QString name() const { return m_name; }

    /** What arrived since the last take, once every word of @p words is in
     *  it and nothing more comes. */
    QByteArray take(const QStringList& words)
    {
        QElapsedTimer t;
        t.start();
        auto complete = [&] {
            const QByteArray got = since();
            for (const QString& w : words) {
                if (!got.contains(w.toLatin1()))
                    return false;
            }
            return true;
        };
        while (!complete() && t.elapsed() < 15000)
            QTest::qWait(50);
        // Whatever else was sent shows up before the next take.
        qint64 before = -1;
        while (before != size()) {
            before = size();
            QTest::qWait(300);
        }
        const QByteArray got = since();
        m_mark = size();
        return got;
    }

private:
    qint64 size() const { return QFileInfo(m_out).size(); }
    QByteArray since() const
    {
        QFile f(m_out);
        if (!f.open(QIODevice::ReadOnly))
            return QByteArray();
        f.seek(m_mark);
        return f.readAll();
    }

    QString m_name;
    QString m_out;
    qint64 m_mark = 0;
};

/** How often @p word stands in @p bytes. */
int times(const QByteArray& bytes, const char* word)
{
    return int(bytes.count(word));
}

QString text(const QString& sql)
{
    return TestShop::value(sql).toString();
}

double money(const QString& sql)
{
    return Utility::roundCents(TestShop::value(sql).toDouble());
}

} // namespace

/** The till of the evening: JOHN's on the touch layout unless told
 *  otherwise, the dockets and the receipt printing by themselves to the
 *  queues, the bill shown before it prints. */
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
        const struct
        {
            const char* role;
            const Queue& queue;
        } slips[] = {{"Kitchen", kitchen}, {"Label", label}, {"Receipt", receipts}};
        for (const auto& s : slips) {
            const QString group = QStringLiteral("/%1Printer/").arg(QLatin1String(s.role));
            settings->writeEntry(group + QLatin1String("Mode"), QStringLiteral("slip40"));
            settings->writeEntry(group + QLatin1String("PrinterName"), s.queue.name());
            settings->writeEntry(group + QLatin1String("Preview"), QString());
        }
        settings->writeEntry(QStringLiteral("/InvoicePrinter/Preview"), QStringLiteral("ON"));
        utils->initClass(true);
        utils->newDocPrint();
    }

    /** Why the evening cannot run here; empty when it can. */
    QString missing() const
    {
        if (!kitchen.available() || !label.available() || !receipts.available())
            return QStringLiteral("needs the private CUPS queues that scripts/test.sh starts "
                                  "(BREVALON_TEST_KITCHEN_PRINTER, BREVALON_TEST_LABEL_PRINTER, BREVALON_TEST_PRINTER)");
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            return QStringLiteral("pdftotext (poppler-utils) is not installed");
        return QString();
    }

    /** The waiter's code on the keypad, then @p chooser on the tables. */
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
            if (id == Sales::kFirstPlace + Sales::kPlaceCount) {
                QTest::qFail(qPrintable(code + QLatin1String(" is not on the touch page")), __FILE__, __LINE__);
                return;
            }
            w().touchButtonAt(id)->click();
        }
    }

    /** Expects the bill: printed as a page to PDF, its text kept in @p page. */
    void expectBill(QString* page, DocParts* parts)
    {
        prompts().expectExec(QStringLiteral("DocPrint"), [this, page, parts](QDialog* d) {
            auto* dp = static_cast<DocPrint*>(d);
            *parts = DocParts::fromRoot(dp->documentRoot());
            const QString pdf = m_files.filePath(QStringLiteral("bill%1.pdf").arg(++m_bills));
            dp->currentPrinter()->setOutputFileName(pdf);
            dp->printPage();
            QProcess p;
            p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
            p.waitForFinished();
            *page = QString::fromUtf8(p.readAllStandardOutput());
            // With BREVALON_KEEP_OUTPUT set the bills are kept to look at.
            const QString keep = env("BREVALON_KEEP_OUTPUT");
            if (!keep.isEmpty()) {
                const QString name = keep + QStringLiteral("/evening-%1-%2").arg(env("BREVALON_TEST_BACKEND"),
                                                                                   QFileInfo(pdf).fileName());
                QFile::remove(name);
                QFile::copy(pdf, name);
            }
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

    /** At the keyboard: an item by its code, then its quantity. */
    void ring(const QString& code, const QString& quantity)
    {
        enter(w().ItemComboBox, code);
        if (!w().itemValidated())
            QTest::qFail(qPrintable(code + QLatin1String(" did not load")), __FILE__, __LINE__);
        enter(w().QuantityEdit, quantity);
    }

    /** The table's open order: its number, 0 when it has none. */
    static int openOrder(int account)
    {
        return TestShop::value(QStringLiteral("SELECT max(MyNumber) FROM Invoice WHERE AccountNumber=%1 AND Status='P'")
                                   .arg(account))
            .toInt();
    }

    /** The lines of an invoice as "CODE:printed", in order. */
    static QStringList lines(int invoice)
    {
        QStringList out;
        QSqlQuery q;
        q.exec(QStringLiteral("SELECT Code, Printed FROM InvoiceItem WHERE InvoiceNumber=%1 ORDER BY MyNumber").arg(invoice));
        while (q.next())
            out << q.value(0).toString() + QLatin1Char(':') + QString::number(q.value(1).toInt());
        return out;
    }

    Queue kitchen;
    Queue label;
    Queue receipts;

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

    // JOHN logs in; his till asks who serves and where.
    till.expectWaiter(QStringLiteral("2222"), RestaurantTill::pick(QString(), QStringLiteral("TABLE 3")));
    till.start();
    till.allPromptsCame();
    QVERIFY(RestaurantTill::atTable(3));
    QCOMPARE(utils->getWaiter(), QStringLiteral("JOHN"));
    QCOMPARE(w.BannerLabel->text(), QStringLiteral("<center><h2>TABLE 3 - Served by JOHN</h2></center>"));

    // The first order: starters and mains for the kitchen, coffee for the
    // label printer, a cold drink for neither.
    till.touch(QStringLiteral("STARTERS"), QStringLiteral("2001"));
    till.touch(QStringLiteral("MAINS"), QStringLiteral("3001"));
    till.touch(QStringLiteral("HOT DRINKS"), QStringLiteral("1101"));
    till.touch(QStringLiteral("DRINKS"), QStringLiteral("1001"));
    QCOMPARE(w.VendListView->topLevelItemCount(), 4);

    // Meanwhile SUE, at the bar's till, orders onto the same table: a
    // curry for the kitchen and a brownie for both printers, which her
    // till's dockets have taken.
    const QString bar = till.shop.openSecondStation();
    auto barOrder = [&](QDialog* d) {
        QSqlQuery q(QSqlDatabase::database(bar));
        const int open = TestShop::value(QStringLiteral("SELECT max(MyNumber) FROM Invoice WHERE AccountNumber=%1 "
                                                        "AND Status='P'")
                                             .arg(table3),
                                         bar)
                             .toInt();
        if (open <= 0)
            QTest::qFail("the bar till finds no open order of TABLE 3", __FILE__, __LINE__);
        for (const auto& [code, desc, dept, price, printed] :
             {std::make_tuple("3005", "VEGETABLE CURRY", "MAINS", "112.00", 2),
              std::make_tuple("4001", "CHOCOLATE BROWNIE", "DESSERTS", "55.00", 3)}) {
            if (!q.exec(QStringLiteral("INSERT INTO InvoiceItem (MyDate, InvoiceNumber, SP, Quantity, Category, "
                                       "Department, Code, UnitOfMEasure, Price, Cost, Discount, Description, Tax1, "
                                       "Tax2, SerialNo, Returnable, DTR, Printed) VALUES ('2026-12-05 10:30:00', %1, "
                                       "'SB', 1, 'Inventory', '%2', '%3', 'PLATE', %4, 0, 0, '%5', 'Y', 'N', '', "
                                       "'N', 0, %6)")
                            .arg(open)
                            .arg(QLatin1String(dept), QLatin1String(code), QLatin1String(price), QLatin1String(desc))
                            .arg(printed)))
                QTest::qFail("the bar till's order failed", __FILE__, __LINE__);
        }
        return RestaurantTill::pick(QString(), QStringLiteral("TABLE 3"))(d);
    };
    till.expectWaiter(QStringLiteral("2222"), barOrder);
    w.OrderButton->click();
    till.allPromptsCame();

    const int order = EveningTill::openOrder(table3);
    QVERIFY(order > 0);
    QCOMPARE(text(QStringLiteral("SELECT Waiter FROM Invoice WHERE MyNumber=%1").arg(order)), QStringLiteral("JOHN"));
    QByteArray docket = till.kitchen.take({QStringLiteral("GARLIC"), QStringLiteral("BURGER")});
    SlipOut::keep(docket, true, QStringLiteral("kitchen-1"));
    QCOMPARE(times(docket, "GARLIC"), 1);
    QCOMPARE(times(docket, "BURGER"), 1);
    QCOMPARE(times(docket, "ESPRESSO") + times(docket, "COCA"), 0);
    QVERIFY(docket.contains("TABLE 3") && docket.contains("JOHN"));
    QByteArray labels = till.label.take({QStringLiteral("ESPRESSO")});
    SlipOut::keep(labels, true, QStringLiteral("label-1"));
    QCOMPARE(times(labels, "ESPRESSO"), 1);
    QCOMPARE(times(labels, "GARLIC") + times(labels, "BURGER") + times(labels, "COCA"), 0);

    // Back at TABLE 3 (the keypad and the chooser came after the order):
    // the total holds both tills' orders.
    QVERIFY(RestaurantTill::atTable(3));
    QCOMPARE(EveningTill::lines(order),
             (QStringList{"2001:2", "3001:2", "1101:1", "1001:0", "3005:2", "4001:3"}));
    QCOMPARE(w.TotalLCD->text(), QStringLiteral("368.50"));

    // The second order: each line reaches its printers once; what either
    // till printed before stays off the dockets.
    till.touch(QStringLiteral("MAINS"), QStringLiteral("3003"));
    till.touch(QStringLiteral("DESSERTS"), QStringLiteral("4001"));
    till.touch(QStringLiteral("HOT DRINKS"), QStringLiteral("1102"));
    till.expectWaiter(QStringLiteral("2222"), RestaurantTill::pick(QString(), QStringLiteral("TABLE 3")));
    w.OrderButton->click();
    till.allPromptsCame();
    QCOMPARE(EveningTill::openOrder(table3), order);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Invoice WHERE Status='P'")), 1);
    docket = till.kitchen.take({QStringLiteral("RUMP"), QStringLiteral("BROWNIE")});
    SlipOut::keep(docket, true, QStringLiteral("kitchen-2"));
    QCOMPARE(times(docket, "RUMP"), 1);
    QCOMPARE(times(docket, "BROWNIE"), 1);
    QCOMPARE(times(docket, "GARLIC") + times(docket, "BURGER") + times(docket, "CURRY") + times(docket, "CAPPUCCINO"), 0);
    labels = till.label.take({QStringLiteral("BROWNIE"), QStringLiteral("CAPPUCCINO")});
    SlipOut::keep(labels, true, QStringLiteral("label-2"));
    QCOMPARE(times(labels, "BROWNIE"), 1);
    QCOMPARE(times(labels, "CAPPUCCINO"), 1);
    QCOMPARE(times(labels, "ESPRESSO") + times(labels, "RUMP"), 0);

    // The party moves to the window: TABLE 3's order goes to TABLE 8.
    QString during;
    till.prompts().expectExec(QStringLiteral("TableEntry"),
                              RestaurantTill::pick(QStringLiteral("new"), QStringLiteral("TABLE 8"),
                                                   [&](TableEntry*) { during = w.status(); }));
    w.pushButton30->click();
    till.allPromptsCame();
    QCOMPARE(during, QStringLiteral("Transfer from Table TABLE 3"));
    QVERIFY(RestaurantTill::atTable(8));
    QCOMPARE(w.status(), QStringLiteral("Now process pending order"));
    QCOMPARE(w.VendListView->topLevelItemCount(), 9);
    till.expectWaiter(QStringLiteral("2222"), RestaurantTill::pick(QString(), QStringLiteral("TABLE 8")));
    w.OrderButton->click();
    till.allPromptsCame();
    // The order keeps its number; TABLE 3 is free; nothing printed again.
    QCOMPARE(EveningTill::openOrder(table3), 0);
    QCOMPARE(EveningTill::openOrder(table8), order);
    QCOMPARE(EveningTill::lines(order), (QStringList{"2001:2", "3001:2", "1101:1", "1001:0", "3005:2", "4001:3",
                                                      "3003:2", "4001:3", "1102:1"}));
    QVERIFY(w.pushButton30->isEnabled());

    // The bill, printed as a page; the table's order is closed.
    QString page;
    DocParts bill;
    till.expectBill(&page, &bill);
    till.expectWaiter(QString());
    w.PushButton5->click();
    till.allPromptsCame();
    QCOMPARE(bill.head["number"], QString::number(order));
    QCOMPARE(text(QStringLiteral("SELECT Status FROM Invoice WHERE MyNumber=%1").arg(order)), QStringLiteral("C"));
    QCOMPARE(money(QStringLiteral("SELECT Amount FROM Journal WHERE MyNumber=%1 AND Description='I'").arg(order)), 644.50);
    for (const char* shown : {"TABLE 8", "GARLIC BREAD", "ESPRESSO", "VEGETABLE CURRY", "RUMP STEAK 300G", "644.50"})
        QVERIFY2(page.contains(QLatin1String(shown)), qPrintable(QLatin1String(shown) + QLatin1String(" not on\n") + page));

    // The guests never had the espresso and want a cheesecake: the printed
    // bill is changed and printed again under its number.
    till.prompts().expect(ZkPrompt::IntegerInput, QStringLiteral("Brevalon - Edit Invoice"),
                          QStringLiteral("Enter Invoice number."), 0, QString::number(order));
    // The choosers shown by the scripted operator took the activation away.
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_F12, Qt::ControlModifier);
    till.allPromptsCame();
    QVERIFY(RestaurantTill::atTable(8));
    QCOMPARE(EveningTill::openOrder(table8), order);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Journal WHERE MyNumber=%1 AND Description='I'").arg(order)), 0);
    w.EditPushButton->click();
    QCOMPARE(w.VendListView->topLevelItemCount(), 9);
    QTreeWidgetItem* espresso = nullptr;
    for (int i = 0; i < w.VendListView->topLevelItemCount(); ++i) {
        if (w.VendListView->topLevelItem(i)->text(Sales::ColCode) == QLatin1String("1101"))
            espresso = w.VendListView->topLevelItem(i);
    }
    QVERIFY(espresso);
    w.VendListView->setCurrentItem(espresso);
    w.touchButtonAt(1)->click(); // delete the line
    till.touch(QStringLiteral("DESSERTS"), QStringLiteral("4003"));
    QCOMPARE(w.VendListView->topLevelItemCount(), 9);
    till.expectBill(&page, &bill);
    till.expectWaiter(QString());
    w.PushButton5->click();
    till.allPromptsCame();
    QCOMPARE(bill.head["number"], QString::number(order));
    QCOMPARE(money(QStringLiteral("SELECT Amount FROM Journal WHERE MyNumber=%1 AND Description='I'").arg(order)), 684.50);
    QVERIFY(page.contains(QLatin1String("CHEESECAKE")));
    QVERIFY(!page.contains(QLatin1String("ESPRESSO")));
    QVERIFY(page.contains(QLatin1String("684.50")));
    // Only the cheesecake went to the kitchen and the label printer.
    docket = till.kitchen.take({QStringLiteral("CHEESECAKE")});
    SlipOut::keep(docket, true, QStringLiteral("kitchen-3"));
    QCOMPARE(times(docket, "CHEESECAKE"), 1);
    QCOMPARE(times(docket, "RUMP") + times(docket, "BROWNIE") + times(docket, "GARLIC"), 0);
    labels = till.label.take({QStringLiteral("CHEESECAKE")});
    QCOMPARE(times(labels, "BROWNIE") + times(labels, "CAPPUCCINO"), 0);

    // Payment: TABLE 8 chosen to pay, 750.00 by card; the rest is the tip.
    till.expectWaiter(QStringLiteral("2222"), RestaurantTill::pick(QStringLiteral("pay"), QStringLiteral("TABLE 8")));
    w.clear();
    till.allPromptsCame();
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab_4);
    QCOMPARE(till.focus(), w.CashAmountEdit);
    QCOMPARE(w.CurBalEdit->text(), QStringLiteral("684.50"));
    QTest::keyClicks(w.CardAmountEdit, QStringLiteral("750"));
    QCOMPARE(w.TipAmountEdit->text(), QStringLiteral("65.50"));
    till.expectWaiter(QString());
    w.ProcessButton->click();
    till.allPromptsCame();

    const int receipt = TestShop::value(QStringLiteral("SELECT max(MyNumber) FROM Receipt")).toInt();
    QCOMPARE(money(QStringLiteral("SELECT CardAmount FROM Receipt WHERE MyNumber=%1").arg(receipt)), 750.0);
    QCOMPARE(money(QStringLiteral("SELECT TipAmount FROM Receipt WHERE MyNumber=%1").arg(receipt)), 65.5);
    QCOMPARE(money(QStringLiteral("SELECT ChangeDue FROM Receipt WHERE MyNumber=%1").arg(receipt)), 0.0);
    QCOMPARE(text(QStringLiteral("SELECT Waiter FROM Receipt WHERE MyNumber=%1").arg(receipt)), QStringLiteral("JOHN"));
    QCOMPARE(TestShop::value(QStringLiteral("SELECT CrossRef FROM Journal WHERE MyNumber=%1 AND Description='I'").arg(order))
                 .toInt(),
             receipt);
    QCOMPARE(utils->getBalBF(table8, true), 0.0);
    const QByteArray slip = till.receipts.take({QStringLiteral("C/Card"), QStringLiteral("65.50")});
    SlipOut::keep(slip, true, QStringLiteral("receipt"));
    QVERIFY(slip.contains("TABLE 8"));
    QVERIFY(slip.contains("750.00"));
    QVERIFY(slip.contains("Served by JOHN"));
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
    // then the waiter's code.
    till.start();
    till.allPromptsCame();
    EveningTill::enter(name, QStringLiteral("TABLE 5"));
    QVERIFY(RestaurantTill::atTable(5));
    EveningTill::enter(w.WaiterEdit, QStringLiteral("3333"));
    QCOMPARE(utils->getWaiter(), QStringLiteral("SUE"));
    QCOMPARE(till.focus(), w.ItemComboBox);
    till.ring(QStringLiteral("2002"), QStringLiteral("2"));
    till.ring(QStringLiteral("3004"), QStringLiteral("1"));
    till.ring(QStringLiteral("1007"), QStringLiteral("2"));
    QCOMPARE(w.VendListView->topLevelItemCount(), 3);
    w.OrderButton->click();
    till.allPromptsCame();
    const int order = EveningTill::openOrder(RestaurantTill::table(5));
    QVERIFY(order > 0);
    QCOMPARE(text(QStringLiteral("SELECT Waiter FROM Invoice WHERE MyNumber=%1").arg(order)), QStringLiteral("SUE"));
    QCOMPARE(utils->getAccountNumber(), -1);
    const QByteArray docket = till.kitchen.take({QStringLiteral("SOUP"), QStringLiteral("FISH")});
    SlipOut::keep(docket, true, QStringLiteral("kitchen"));
    QVERIFY(docket.contains("  2.00 SOUP OF THE"));
    QCOMPARE(times(docket, "FISH"), 1);
    QCOMPARE(times(docket, "RED"), 0);

    // The order moves from TABLE 5 to TABLE 6: typed over the old name.
    EveningTill::enter(name, QStringLiteral("TABLE 5"));
    EveningTill::enter(w.WaiterEdit, QStringLiteral("3333"));
    QCOMPARE(w.TotalLCD->text(), QStringLiteral("355.00"));
    w.pushButton30->click();
    QCOMPARE(w.status(), QStringLiteral("Select new Table then Process pending order"));
    QVERIFY(!w.salesTabOpen());
    QCOMPARE(w.VendListView->topLevelItemCount(), 3);
    EveningTill::enter(name, QStringLiteral("TABLE 6"));
    QVERIFY(RestaurantTill::atTable(6));
    QVERIFY(w.salesTabOpen());
    w.OrderButton->click();
    till.allPromptsCame();
    QCOMPARE(EveningTill::openOrder(RestaurantTill::table(5)), 0);
    QCOMPARE(EveningTill::openOrder(RestaurantTill::table(6)), order);
    QCOMPARE(EveningTill::lines(order), (QStringList{"2002:2", "3004:2", "1007:0"}));

    // The bill of TABLE 6, then its payment by card with a tip.
    EveningTill::enter(name, QStringLiteral("TABLE 6"));
    EveningTill::enter(w.WaiterEdit, QStringLiteral("3333"));
    QString page;
    DocParts bill;
    till.expectBill(&page, &bill);
    w.PushButton5->click();
    till.allPromptsCame();
    QCOMPARE(bill.head["number"], QString::number(order));
    QVERIFY(page.contains(QLatin1String("TABLE 6")) && page.contains(QLatin1String("HOUSE RED WINE"))
            && page.contains(QLatin1String("355.00")));
    QCOMPARE(money(QStringLiteral("SELECT Amount FROM Journal WHERE MyNumber=%1 AND Description='I'").arg(order)), 355.0);

    EveningTill::enter(name, QStringLiteral("TABLE 6"));
    QTest::keyClick(&w, Qt::Key_F10);
    QCOMPARE(w.CurBalEdit->text(), QStringLiteral("355.00"));
    QTest::keyClicks(w.CardAmountEdit, QStringLiteral("400"));
    QCOMPARE(w.TipAmountEdit->text(), QStringLiteral("45.00"));
    w.ProcessButton->click();
    till.allPromptsCame();
    const int receipt = TestShop::value(QStringLiteral("SELECT max(MyNumber) FROM Receipt")).toInt();
    QCOMPARE(money(QStringLiteral("SELECT TipAmount FROM Receipt WHERE MyNumber=%1").arg(receipt)), 45.0);
    // Where the menus are, the receipt carries the operator.
    QCOMPARE(text(QStringLiteral("SELECT Waiter FROM Receipt WHERE MyNumber=%1").arg(receipt)), QStringLiteral("MARY"));
    QCOMPARE(TestShop::value(QStringLiteral("SELECT CrossRef FROM Journal WHERE MyNumber=%1 AND Description='I'").arg(order))
                 .toInt(),
             receipt);
    const QByteArray slip = till.receipts.take({QStringLiteral("C/Card"), QStringLiteral("45.00")});
    SlipOut::keep(slip, true, QStringLiteral("receipt"));
    QVERIFY(slip.contains("400.00") && slip.contains("TABLE 6"));
}

BREVALON_TEST_MAIN(TestEvening)
#include "tst_evening.moc"
