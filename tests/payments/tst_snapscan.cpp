// The QR payment against the stand-in payment service of the test command
// (HTTPS, its own certificate): a paid invoice is tendered with its tip and
// its receipt posted; every answer short of a payment, and every way the
// service cannot be asked, leaves the sale untouched with a message.

#include "tests/sales/tendertill.h"

#include "payments/snapscan.h"

#include <QElapsedTimer>
#include <QTcpServer>

namespace {

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

class TestSnapScan : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void paidWithTip();
    void nothingTendered_data();
    void nothingTendered();
};

void TestSnapScan::initTestCase()
{
    if (standIn().isEmpty())
        QSKIP("the payment service stand-in of scripts/test.sh is not running");
    // Long enough for the stand-in on a loaded machine, short of its slow reply.
    SnapScan::setTimeout(std::chrono::milliseconds(2500));
}

void TestSnapScan::paidWithTip()
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

void TestSnapScan::nothingTendered_data()
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
    row("failed", "failed", QStringLiteral("SnapScan payment failed, please try again shortly"));
    row("any other status is a failure", "declined", QStringLiteral("SnapScan payment failed, please try again shortly"));
    row("merchant unknown (400)", "nobody", QStringLiteral("SnapScan your Merchant information is incorrect\nPlease check preferences"));
    row("not paid yet (404)", "unpaid", QStringLiteral("SnapScan Invoice (601) not yet paid"));
    row("a page that is not JSON", "not-json", comms);
    row("JSON cut short", "cut-short", comms);
    row("a status that is no text", "status-number", comms);
    row("a server error, whatever its body", "server-error",
        QStringLiteral("SnapScan Communication Error, payment not verified (500)"));
    row("no status", "no-status", comms);
    row("no total", "no-total", comms);
    row("no required amount", "no-required", comms);
    row("no authorisation", "no-auth", comms);
    row("negative amounts", "negative", refusal + QStringLiteral(": the amounts paid and required (-11000/-10000)"));
    row("an enormous amount", "enormous", refusal);
    row("an amount as text", "text-amount", refusal + QStringLiteral(": the amounts paid and required (\"11000\"/10000)"));
    row("an amount that is null", "null-amount", refusal);
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

void TestSnapScan::nothingTendered()
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

BREVALON_TEST_MAIN(TestSnapScan)
#include "tst_snapscan.moc"
