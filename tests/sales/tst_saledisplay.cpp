// What the customer sees on the pole display while the cashier rings up:
// each line as it goes in, the line shown after one is taken out, and the
// total. Needs the serial-port pairs of the test command.

#include "tests/sales/counter.h"

#include "tests/support/serialpeer.h"

class TestSaleDisplay : public QObject
{
    Q_OBJECT

private slots:
    void theCustomerSeesEachLineAndTheTotal();
};

void TestSaleDisplay::theCustomerSeesEachLineAndTheTotal()
{
    if (qEnvironmentVariableIsEmpty("BREVALON_TEST_COM1"))
        QSKIP("needs the serial-port pairs that scripts/test.sh makes with socat (BREVALON_TEST_COM1)");
    qputenv("BREVALON_COM1", qgetenv("BREVALON_TEST_COM1"));
    Counter till;
    Sales& w = till.w();
    SerialPeer display(QString::fromLocal8Bit(qgetenv("BREVALON_TEST_COM1_PEER")));
    QVERIFY(display.isOpen());
    settings->writeEntry(QStringLiteral("/Global/DisplayPole"), QStringLiteral("COM1"));
    QVERIFY(utils->initClass(true));

    till.type(QStringLiteral("1006"));
    w.QuantityEdit->setText(QStringLiteral("2"));
    till.enter();
    till.scan(QStringLiteral("1102"));
    w.VendListView->setCurrentItem(w.VendListView->topLevelItem(1));
    w.F6DeleteItem();
    w.F6DeleteItem();

    const QByteArray expected =
        Utility::poleDisplayBytes(QStringLiteral("2 LAGER DRAUGHT 500ML"), QStringLiteral("76.00"))
        + Utility::poleDisplayBytes(QStringLiteral("CAPPUCCINO"), QStringLiteral("32.00"))
        // The line above the one taken out, then the total.
        + Utility::poleDisplayBytes(QStringLiteral("2 LAGER DRAUGHT 500ML"), QStringLiteral("76.00"))
        + Utility::poleDisplayBytes(QString(), QStringLiteral("76.00"))
        // The last one out: the program's greeting, then nothing to pay.
        + Utility::poleDisplayBytes(Sales::programName(), Sales::programVersion())
        + Utility::poleDisplayBytes(QString(), QStringLiteral("0.00"));
    QCOMPARE(display.read(int(expected.size())), expected);
    qunsetenv("BREVALON_COM1");
}

BREVALON_TEST_MAIN(TestSaleDisplay)
#include "tst_saledisplay.moc"
