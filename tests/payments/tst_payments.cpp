// The payment links against the stand-ins of the test command. Room charges
// to the hotel system: the room is chosen from the lists it gives, the receipt
// is posted and printed, and the charge it receives is exactly the batch of
// the link's form; a refused or unanswered charge leaves the receipt standing,
// shown and logged; a hotel system that cannot be reached, or never answers,
// holds the till no longer than the wait allows. The QR payment (HTTPS, its
// own certificate): a paid invoice is tendered with its tip and its receipt
// posted; every answer short of a payment, and every way the service cannot
// be asked, leaves the sale untouched with a message.

#include "tests/sales/tendertill.h"

#include "forms/sempergui.h"
#include "payments/snapscan.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTcpServer>

namespace {

QString requestLog()
{
    return QString::fromLocal8Bit(qgetenv("BREVALON_TEST_SEMPER_LOG"));
}

/** The requests the stand-in received, one a line. */
QStringList requests()
{
    QFile f(requestLog());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

const QStringList kOffered = {"CASH SALE",          "101,5001,SMITH J",  "103,5003,NDLOVU T",
                              "104,5004,BLOCKED B", "A01,HOUSE ACCOUNT", "A02,STAFF MEALS"};

/** The till of a hotel's restaurant: the link on, the lunch billed to the
 *  cash account and waiting on the receipt tab. */
struct HotelTill : TenderTill
{
    explicit HotelTill(bool newVersion = true, const QByteArray& port = qgetenv("BREVALON_TEST_SEMPER_PORT"))
    {
        settings->writeEntry(QStringLiteral("/Global/Semper/Enabled"), true);
        settings->writeEntry(QStringLiteral("/Global/Semper/Host"), QStringLiteral("127.0.0.1"));
        settings->writeEntry(QStringLiteral("/Global/Semper/Port"), QString::fromLatin1(port).toInt());
        settings->writeEntry(QStringLiteral("/Global/Semper/NewVersion"), newVersion);
        w().i18nInit();
        ringLunch();
        expectPage(nullptr);
        QTest::mouseClick(w().PushButton5, Qt::LeftButton);
        invoice = TestShop::value(QStringLiteral("SELECT MAX(MyNumber) FROM Invoice")).toInt();
    }

    /** Charges the lunch "On Acc": the cashier picks the entry @p downs
     *  below "CASH SALE" (-1: cancels); @p offered gets the list and
     *  @p label what the label showed. @p then runs once the choice is made. */
    void chargeLunch(int downs, QStringList* offered, QString* label, std::function<void()> then = {})
    {
        Counter::retype(w().EFTAmountEdit, QStringLiteral("85.50"));
        shop.prompts().expectExec(QStringLiteral("SemperGui"), [=](QDialog* d) {
            auto* g = static_cast<SemperGui*>(d);
            for (int i = 0; i < g->RoomListBox->count(); ++i)
                *offered << g->RoomListBox->item(i)->text();
            g->UpButton->click(); // at the top already: stays
            for (int i = 0; i < downs; ++i)
                g->DownButton->click();
            *label = g->SelectionLabel->text();
            (downs < 0 ? g->CancelButton : g->ProcessButton)->click();
            if (then)
                then();
            return g->result();
        });
    }

    int invoice = 0;
};

int lastReceipt()
{
    return TestShop::value(QStringLiteral("SELECT MAX(MyNumber) FROM Receipt")).toInt();
}


const int kInvoice = 601;

QString standIn()
{
    return QString::fromLocal8Bit(qgetenv("BREVALON_TEST_SNAPSCAN_HOST"));
}

/** A till whose account 15 owes invoice 601 of 100.00, picked on the
 *  receipt tab, with the service set up for @p merchant. */
void owe(TenderTill& till, const QString& merchant, bool pick = true)
{
    settings->writeEntry(QStringLiteral("/Global/SnapScan/Enabled"), true);
    settings->writeEntry(QStringLiteral("/Global/SnapScan/Host"), standIn());
    settings->writeEntry(QStringLiteral("/Global/SnapScan/MerchantId"), merchant);
    qputenv("BREVALON_SNAPSCAN_CA_FILE", qgetenv("BREVALON_TEST_SNAPSCAN_CA"));
    // As after the preferences are saved: F12 is offered once the service is.
    till.w().i18nInit();
    till.window->probePayments = false;
    TenderTill::journal(15, "I", 100, kInvoice);
    till.choose(15);
    till.w().TabWidget2->setCurrentWidget(till.w().tab_4);
    if (pick)
        till.w().PayListView->topLevelItem(0)->setSelected(true);
}

int receipts()
{
    return TestShop::count(QStringLiteral("SELECT MyNumber FROM Receipt"));
}

int paidBy()
{
    return TestShop::value(QStringLiteral("SELECT CrossRef FROM Journal WHERE Description='I' AND MyNumber=%1")
                               .arg(kInvoice))
        .toInt();
}

} // namespace

class TestPayments : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void roomCharged_data();
    void roomCharged();
    void chargeNotTaken_data();
    void chargeNotTaken();
    void hotelUnreachable_data();
    void hotelUnreachable();
    void paidWithTip();
    void nothingTendered_data();
    void nothingTendered();
};

void TestPayments::initTestCase()
{
    if (requestLog().isEmpty() || standIn().isEmpty())
        QSKIP("the hotel system and payment service stand-ins of scripts/test.sh are not running");
    Sales::setSemperWait(std::chrono::milliseconds(1500));
    // Long enough for the stand-in on a loaded machine, short of its slow reply.
    SnapScan::setTimeout(std::chrono::milliseconds(2500));
}

void TestPayments::roomCharged_data()
{
    QTest::addColumn<bool>("newVersion");
    QTest::addColumn<int>("downs");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("batch"); // %1: the receipt; empty: none sent
    QTest::newRow("a guest's room, newer form")
        << true << 1 << "101,5001,SMITH J"
        << "<BATCH><GSTSALE>5001,05/12/2026, 10:30:00,%1,85.5,11.15,101, 0,0101,MARY,All,Meals<GSTSALEEOF><BATCHEOF>";
    QTest::newRow("a house account, older form")
        << false << 4 << "A01,HOUSE ACCOUNT" << "<ACCTRN>HOUSE ACCOUNT,05/12/2026, 10:30:00,%1,85.5,11.15,A01, 0,0101, 0<EOF>";
    QTest::newRow("cash sale: settled at the till") << true << 0 << "CASH SALE" << QString();
}

void TestPayments::roomCharged()
{
    QFETCH(bool, newVersion);
    QFETCH(int, downs);
    QFETCH(QString, chosen);
    QFETCH(QString, batch);
    HotelTill till(newVersion);
    Sales& w = till.w();
    const int before = requests().size();
    QStringList offered;
    QString label;
    till.chargeLunch(downs, &offered, &label);
    Printed slip;
    till.expectSlip(&slip);
    QTest::mouseClick(w.ProcessButton, Qt::LeftButton);
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending()));

    // Guests not in the house are not offered; the label shows the choice.
    QCOMPARE(offered, kOffered);
    QCOMPARE(label, chosen);
    const int number = lastReceipt();
    QCOMPARE(TenderTill::money(QStringLiteral("SELECT EFTAmount FROM Receipt WHERE MyNumber=%1").arg(number)), 85.5);
    QCOMPARE(TenderTill::money(QStringLiteral("SELECT Amount FROM Journal WHERE Description='R' AND MyNumber=%1")
                                   .arg(number)),
             -85.5);
    QCOMPARE(TestShop::value(QStringLiteral("SELECT CrossRef FROM Journal WHERE Description='I' AND MyNumber=%1")
                                 .arg(till.invoice))
                 .toInt(),
             number);
    QCOMPARE(slip.parts.column(QStringLiteral("description")), QStringList{"On Account - Thank you"});
    QCOMPARE(slip.parts.column(QStringLiteral("payment")), QStringList{"85.50"});

    // The lists were asked for before anything was written, the charge after.
    const QStringList sent = requests().mid(before);
    QStringList expected = {"<GST><EOF>", "<ACC><EOF>"};
    if (!batch.isEmpty())
        expected << batch.arg(number);
    QCOMPARE(sent, expected);
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab); // ready for the next guest
    QCOMPARE(w.status(), QStringLiteral("Change due 0.00"));
    QVERIFY(TenderTill::actions(QStringLiteral("ROOM CHARGE FAILED")).isEmpty());
}

void TestPayments::chargeNotTaken_data()
{
    QTest::addColumn<bool>("silentAfterChoice");
    QTest::addColumn<int>("downs");
    QTest::addColumn<QString>("room");
    QTest::newRow("the hotel system refuses the folio") << false << 3 << "104,5004,BLOCKED B";
    QTest::newRow("the hotel system stops answering") << true << 1 << "101,5001,SMITH J";
}

void TestPayments::chargeNotTaken()
{
    QFETCH(bool, silentAfterChoice);
    QFETCH(int, downs);
    QFETCH(QString, room);
    HotelTill till;
    Sales& w = till.w();
    QStringList offered;
    QString label;
    till.chargeLunch(downs, &offered, &label, [&] {
        if (silentAfterChoice)
            settings->writeEntry(QStringLiteral("/Global/Semper/Port"),
                                 QString::fromLatin1(qgetenv("BREVALON_TEST_SEMPER_SILENT_PORT")).toInt());
    });
    till.expectSlip(nullptr);
    till.shop.prompts().expect(ZkPrompt::Critical, QStringLiteral("Brevalon"),
                               QStringLiteral("Semper Interface failure, please contact support"));
    till.shop.prompts().expect(ZkPrompt::Warning, QStringLiteral("Brevalon - Receipt"),
                               QStringLiteral("is posted, but the hotel system did not take its charge of 85.50 to ")
                                   + room + QStringLiteral(".\n\nCheck the hotel system and make the charge there by hand."));
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(w.ProcessButton, Qt::LeftButton);
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending() + till.shop.prompts().seen().join('\n')));
    QVERIFY2(clock.elapsed() < 6000, qPrintable(QString::number(clock.elapsed())));

    // The receipt stands; what was not charged is in the log.
    const int number = lastReceipt();
    QCOMPARE(TestShop::count(QStringLiteral("SELECT MyNumber FROM Journal WHERE Description='R' AND MyNumber=%1").arg(number)), 1);
    QCOMPARE(TestShop::value(QStringLiteral("SELECT CrossRef FROM Journal WHERE Description='I' AND MyNumber=%1")
                                 .arg(till.invoice))
                 .toInt(),
             number);
    QCOMPARE(TenderTill::actions(QStringLiteral("ROOM CHARGE FAILED")),
             QStringList{QStringLiteral("REC #%1: 85.50 TO %2").arg(QString::number(number), room)});
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab);
    QVERIFY(w.isEnabled());
}

void TestPayments::hotelUnreachable_data()
{
    QTest::addColumn<bool>("silent");
    QTest::addColumn<QString>("status");
    QTest::newRow("connection refused") << false << "Semper Interface Error number 0 occurred";
    QTest::newRow("accepts and never answers")
        << true << "Semper Interface Error number 5 occurred: no answer within 1.5 seconds";
}

void TestPayments::hotelUnreachable()
{
    QFETCH(bool, silent);
    QFETCH(QString, status);
    QByteArray port = qgetenv("BREVALON_TEST_SEMPER_SILENT_PORT");
    if (!silent) {
        QTcpServer probe; // a port that was free a moment ago refuses
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        port = QByteArray::number(probe.serverPort());
    }
    HotelTill till(true, port);
    Sales& w = till.w();
    // One failure message: the accounts are not asked for after the guests failed.
    till.shop.prompts().expect(ZkPrompt::Critical, QStringLiteral("Brevalon"),
                               QStringLiteral("Semper Interface failure, please contact support"));
    QStringList offered;
    QString label;
    till.chargeLunch(-1, &offered, &label);
    const QStringList before = TestShop::snapshot();
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(w.ProcessButton, Qt::LeftButton);
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending() + till.shop.prompts().seen().join('\n')));
    QVERIFY2(clock.elapsed() < 4000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(offered, QStringList{"CASH SALE"});
    QCOMPARE(w.status(), status);
    QCOMPARE(w.semperReply(), QString());
    QVERIFY(w.isEnabled());

    // No room chosen: nothing written, the charge taken off, the bill still owed.
    QCOMPARE(TestShop::snapshot(), before);
    QCOMPARE(w.EFTAmountEdit->text(), QString());
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab_4);
    QCOMPARE(w.CurBalEdit->text(), QStringLiteral("85.50"));

    // The conversation itself: a failure is "ERROR" until its message was shown.
    till.shop.prompts().expect(ZkPrompt::Critical, QStringLiteral("Brevalon"),
                               QStringLiteral("Semper Interface failure, please contact support"));
    w.setSemperRequest(QStringLiteral("<GST><EOF>"));
    w.semperComms();
    QVERIFY(till.shop.prompts().done());
    QCOMPARE(w.semperReply(), QString());
}

void TestPayments::paidWithTip()
{
    TenderTill till;
    Sales& w = till.w();
    owe(till, QStringLiteral("paid-tip"));
    QCOMPARE(w.CurBalEdit->text(), QStringLiteral("100.00"));
    // A cash amount typed before the patron paid by phone does not count.
    Counter::retype(w.CashAmountEdit, QStringLiteral("20"));

    till.shop.prompts().expect(ZkPrompt::Information, QStringLiteral("MARY"),
                               QStringLiteral("Patron left 10.00 (9.09%) tip via SnapScan"));
    Printed slip;
    till.expectSlip(&slip);
    w.F12Action->trigger();
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending()));

    // The patron's 110.00 paid the 100.00 and left 10.00 for the waiter.
    const int number = TestShop::value(QStringLiteral("SELECT MAX(MyNumber) FROM Receipt")).toInt();
    QCOMPARE(receipts(), 1);
    QSqlQuery q;
    QVERIFY(q.exec(QStringLiteral("SELECT CashAmount, CardAmount, TipAmount, ChangeDue, Tendered, Balance, PayRef "
                                  "FROM Receipt WHERE MyNumber=%1")
                       .arg(number)));
    QVERIFY(q.next());
    QStringList row;
    for (int c = 0; c < 6; ++c)
        row << Utility::numStr(Utility::roundCents(q.value(c).toDouble()), 2);
    row << q.value(6).toString();
    QCOMPARE(row.join(QLatin1Char(' ')), QStringLiteral("-10.00 110.00 10.00 0.00 110.00 0.00 SnapScan AUTH-7731"));
    QCOMPARE(TenderTill::money(QStringLiteral("SELECT Amount FROM Journal WHERE Description='R' AND MyNumber=%1")
                                   .arg(number)),
             -100.0);
    QCOMPARE(paidBy(), number);
    QCOMPARE(utils->getBalBF(15, true), 0.0);

    QCOMPARE(slip.parts.column(QStringLiteral("description")),
             QStringList({"C/Card Payment - Thank you", "Ref: SnapScan AUTH-7731"}));
    QCOMPARE(QStringList({slip.parts.tail["tender"], slip.parts.tail["change"], slip.parts.tail["tip"]}),
             QStringList({"110.00", "0.00", "10.00"}));
    QVERIFY2(slip.text.contains(QLatin1String("SnapScan AUTH-7731")), qPrintable(slip.text));
    QCOMPARE(w.status(), QStringLiteral("Change due 0.00    Tip for MARY 10.00"));

    // Paid is paid: the service is not asked again.
    till.choose(15);
    w.TabWidget2->setCurrentWidget(w.tab_4);
    till.shop.prompts().expect(ZkPrompt::Information, QStringLiteral("Notice"), QStringLiteral("No outstanding payments"));
    w.F12Action->trigger();
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending()));
    QCOMPARE(receipts(), 1);
}

void TestPayments::nothingTendered_data()
{
    QTest::addColumn<QString>("merchant");
    QTest::addColumn<QString>("host"); // empty: the stand-in
    QTest::addColumn<bool>("trusted"); // the stand-in's certificate is named
    QTest::addColumn<bool>("pick");    // the invoice is picked
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("message");
    const QString comms = QStringLiteral("SnapScan Communication Error, payment not verified (200)");
    const QString refusal = QStringLiteral("SnapScan reply refused, payment not verified");
    const int warning = ZkPrompt::Warning;
    auto row = [&](const char* name, const char* merchant, const QString& message) {
        QTest::newRow(name) << merchant << QString() << true << true << warning << "Error" << message;
    };
    row("pending", "pending", QStringLiteral("SnapScan payment pending please try again shortly"));
    row("any other status is a failure", "declined", QStringLiteral("SnapScan payment failed, please try again shortly"));
    row("merchant unknown (400)", "nobody", QStringLiteral("SnapScan your Merchant information is incorrect\nPlease check preferences"));
    row("not paid yet (404)", "unpaid", QStringLiteral("SnapScan Invoice (601) not yet paid"));
    row("a page that is not JSON", "not-json", comms);
    row("a status that is no text", "status-number", comms);
    row("a server error, whatever its body", "server-error",
        QStringLiteral("SnapScan Communication Error, payment not verified (500)"));
    row("no total", "no-total", comms);
    row("no authorisation", "no-auth", comms);
    row("negative amounts", "negative", refusal + QStringLiteral(": the amounts paid and required (-11000/-10000)"));
    row("an enormous amount", "enormous", refusal);
    row("an amount as text", "text-amount", refusal + QStringLiteral(": the amounts paid and required (\"11000\"/10000)"));
    row("paid less than required", "short-paid", refusal);
    row("paid for another amount", "other-invoice",
        QStringLiteral("SnapScan Invoice (601) was paid for 50.00, but 100.00 is due: payment not taken"));
    row("a reply slower than the time-out", "slow",
        QStringLiteral("SnapScan did not answer within 2.5 seconds, payment not verified"));
    QTest::newRow("certificate not trusted") << "paid-tip" << QString() << false << true << warning << "Error"
                                             << "SnapScan could not be reached, payment not verified:\nSSL certificate";
    QTest::newRow("service unreachable") << "paid-tip" << "closed" << true << true << warning << "Error"
                                         << "SnapScan could not be reached, payment not verified:\nFailed to connect";
    QTest::newRow("no invoice picked") << "paid-tip" << QString() << true << false << int(ZkPrompt::Information)
                                       << "Notice" << "No invoice selected for payment";
}

void TestPayments::nothingTendered()
{
    QFETCH(QString, merchant);
    QFETCH(QString, host);
    QFETCH(bool, trusted);
    QFETCH(bool, pick);
    QFETCH(int, kind);
    QFETCH(QString, caption);
    QFETCH(QString, message);
    TenderTill till;
    Sales& w = till.w();
    owe(till, merchant, pick);
    if (!trusted)
        qunsetenv("BREVALON_SNAPSCAN_CA_FILE");
    if (host == QLatin1String("closed")) {
        QTcpServer probe; // a port that was free a moment ago refuses
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        const quint16 port = probe.serverPort();
        probe.close();
        settings->writeEntry(QStringLiteral("/Global/SnapScan/Host"), QStringLiteral("127.0.0.1:%1").arg(port));
    }
    till.shop.prompts().expect(ZkPrompt::Kind(kind), caption, message);
    const QStringList before = TestShop::snapshot();
    QElapsedTimer clock;
    clock.start();
    w.F12Action->trigger();
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending() + till.shop.prompts().seen().join('\n')));
    QVERIFY2(clock.elapsed() < 4500, qPrintable(QString::number(clock.elapsed())));

    QCOMPARE(TestShop::snapshot(), before);
    QCOMPARE(w.CardAmountEdit->text() + w.TipAmountEdit->text() + w.PayRefEdit->text(), QString());
    QCOMPARE(w.CurBalEdit->text(), QStringLiteral("100.00"));
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab_4);
}

BREVALON_TEST_MAIN(TestPayments)
#include "tst_payments.moc"
