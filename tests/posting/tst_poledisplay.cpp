// What posting shows the customer on the pole display: the tender and change
// of a receipt as it is taken, the total due of an invoice, nothing for
// reprints and quotes. Needs the serial-port pairs of the test command.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "tests/posting/postingshop.h"
#include "tests/support/serialpeer.h"

#include <QTest>

class TestPoleDisplay : public QObject
{
    Q_OBJECT

private slots:
    void shown_data();
    void shown();
};

void TestPoleDisplay::shown_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QStringList>("display"); // the two texts, or none
    QTest::newRow("a receipt taken shows the tender and the change less the tip")
        << "receipt" << QStringList{"Tendered 120.00", "Change due 15.00"};
    QTest::newRow("a receipt reprinted shows nothing") << "receipt reprint" << QStringList{};
    QTest::newRow("an invoice shows its total due") << "invoice" << QStringList{"Total Due", "40.00"};
    QTest::newRow("a quote shows nothing") << "quote" << QStringList{};
}

void TestPoleDisplay::shown()
{
    QFETCH(QString, document);
    QFETCH(QStringList, display);
    if (qEnvironmentVariableIsEmpty("BREVALON_TEST_COM1"))
        QSKIP("needs the serial-port pairs that scripts/test.sh makes with socat (BREVALON_TEST_COM1)");
    qputenv("BREVALON_COM1", qgetenv("BREVALON_TEST_COM1"));
    PostingShop shop;
    SerialPeer pole(qEnvironmentVariable("BREVALON_TEST_COM1_PEER"));
    QVERIFY(pole.isOpen());
    settings->writeEntry(QStringLiteral("/Global/DisplayPole"), QStringLiteral("COM1"));
    QVERIFY(utils->initClass(true));
    QVERIFY(utils->polePort());
    shop.expectDocument(1);
    if (document.startsWith(QLatin1String("receipt"))) {
        ReceiptRow row;
        row.account = kBayside, row.cash = 95.00, row.tip = 5.00, row.tendered = 120.00, row.change = 20.00;
        utils->processReceipt(SaleRows::receipt(row), document == QLatin1String("receipt"), 120.00, 20.00, 5.00, false);
    } else {
        SaleLine l = SaleRows::item("6004");
        l.price = 40.00;
        PostingShop::setMode(document == QLatin1String("quote") ? 1 : 0);
        QVERIFY(utils->processInvoice(SaleRows::invoice(kBayside, {l}), false));
    }
    const QByteArray expected =
        display.isEmpty() ? QByteArray() : Utility::poleDisplayBytes(display.at(0), display.at(1));
    QCOMPARE(pole.read(int(expected.size())), expected);
    qunsetenv("BREVALON_COM1");
}

BREVALON_TEST_MAIN(TestPoleDisplay)
#include "tst_poledisplay.moc"
