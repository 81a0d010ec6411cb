// Room charges against the stand-in hotel system of the test command: the
// room is chosen from the lists it gives, the receipt is posted and printed,
// and the charge it receives is exactly the batch of the link's form. A
// refused or unanswered charge leaves the receipt standing, shown and
// logged; a hotel system that cannot be reached, or never answers, holds the
// till no longer than the wait allows.

#include "tests/sales/tendertill.h"

#include "forms/sempergui.h"

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

} // namespace

class TestSemper : public QObject
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
};

void TestSemper::initTestCase()
{
    if (requestLog().isEmpty())
        QSKIP("the hotel system stand-in of scripts/test.sh is not running");
    Sales::setSemperWait(std::chrono::milliseconds(1500));
}

void TestSemper::roomCharged_data()
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

void TestSemper::roomCharged()
{
    QFETCH(bool, newVersion);
    QFETCH(int, downs);
    QFETCH(QString, chosen);
    QFETCH(QString, batch);
    HotelTill till(newVersion);
    Sales& w = till.w();
    QCOMPARE(w.EFTLabel->text(), QStringLiteral("On Acc"));
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

void TestSemper::chargeNotTaken_data()
{
    QTest::addColumn<bool>("silentAfterChoice");
    QTest::addColumn<int>("downs");
    QTest::addColumn<QString>("room");
    QTest::newRow("the hotel system refuses the folio") << false << 3 << "104,5004,BLOCKED B";
    QTest::newRow("the hotel system stops answering") << true << 1 << "101,5001,SMITH J";
}

void TestSemper::chargeNotTaken()
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

void TestSemper::hotelUnreachable_data()
{
    QTest::addColumn<bool>("silent");
    QTest::addColumn<QString>("status");
    QTest::newRow("connection refused") << false << "Semper Interface Error number 0 occurred";
    QTest::newRow("accepts and never answers")
        << true << "Semper Interface Error number 5 occurred: no answer within 1.5 seconds";
}

void TestSemper::hotelUnreachable()
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

BREVALON_TEST_MAIN(TestSemper)
#include "tst_semper.moc"
