// The pole display and the cash drawer: the display's bytes (alignment,
// overflow), which ports open and how, and the bytes on the wire in order
// through the pseudo-terminal pairs made by the test command (COM1, COM2).

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "devices/serialports.h"
#include "tests/support/keypadinput.h"
#include "tests/support/serialpeer.h"
#include "tests/support/testshop.h"

#include <QSerialPort>
#include <QTest>

namespace {

QString env(const char* name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

// Points COM1 and COM2 at the test command's pairs; false when it made none.
bool usePairs()
{
    if (env("BREVALON_TEST_COM1").isEmpty() || env("BREVALON_TEST_COM2").isEmpty())
        return false;
    qputenv("BREVALON_COM1", qgetenv("BREVALON_TEST_COM1"));
    qputenv("BREVALON_COM2", qgetenv("BREVALON_TEST_COM2"));
    return true;
}

} // namespace

class TestDevices : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        qunsetenv("BREVALON_COM1");
        qunsetenv("BREVALON_COM2");
    }

    void displayBytes_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<char>("brightness");
        QTest::addColumn<QByteArray>("lines");
        QTest::newRow("both right aligned")
            << "Total Due" << "125.50" << char(4) << QByteArray("           Total Due              125.50");
        QTest::newRow("till closed dims")
            << "Till Closed" << "" << char(1) << QByteArray("         Till Closed") + QByteArray(20, ' ');
        QTest::newRow("second text cut to 20")
            << "A" << "123456789012345678901234" << char(4) << QByteArray("                   A12345678901234567890");
        // 26 characters: the last six lead line 2, two blanks at least before the text.
        QTest::newRow("overflow moves to line 2") << "Welcome to Harbour Kitchen" << "9.50" << char(4)
                                                  << QByteArray("Welcome to Harbour Kitchen          9.50");
        QTest::newRow("overflow cut to leave two blanks") << "Tendered amount in cash today only" << "Change due 5.00"
                                                          << char(4) << QByteArray("Tendered amount in cas   Change due 5.00");
        QTest::newRow("no room: line 2 unchanged") << "Tendered amount in cash" << "ChangeDue:123456789" << char(4)
                                                   << QByteArray("Tendered amount in c ChangeDue:123456789");
    }

    void displayBytes()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(char, brightness);
        QFETCH(QByteArray, lines);
        TestShop shop;
        // Deselect, select the display, clear, cursor off, then the brightness.
        const QByteArray header("\x1b\x3d\x00\x1b\x3d\x02\x0c\x1f\x43\x00\x1f\x58", 12);
        QCOMPARE(Utility::poleDisplayBytes(first, second), header + brightness + lines);
    }

    void portsAndDrawers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("drawer"); // as the drawer setting, without a port of its own
        QTest::newRow("COM1") << "COM1" << "/dev/ttyS0" << false;
        QTest::newRow("None") << "None" << "" << false;
        QTest::newRow("unknown") << "LPT1" << "" << false;
        QTest::newRow("kicked by the 80-column printer") << "SLIP80" << "" << true;
        QTest::newRow("kicked by the 40-column printer") << "SLIP40" << "" << true;
    }

    void portsAndDrawers()
    {
        QFETCH(QString, name);
        QFETCH(QString, device);
        QFETCH(bool, drawer);
        QCOMPARE(SerialPorts::deviceFor(name), device);
        if (!device.isEmpty())
            return;
        TestShop shop;
        settings->writeEntry(QStringLiteral("/Global/CashDraw"), name);
        utils->initClass(false);
        QCOMPARE(utils->hasCashDraw(), drawer);
        QVERIFY(!utils->drawerPort());
    }

    void onTheWire_data()
    {
        QTest::addColumn<QString>("drawer");
        QTest::addColumn<QByteArray>("onDisplayPort");
        QTest::addColumn<QByteArray>("onDrawerPort");
        const QByteArray pulse(6, '\r');
        QTest::newRow("display, no drawer") << "None" << QByteArray() << QByteArray();
        // A shared port first selects the device's printer side.
        QTest::newRow("drawer sharing the display's port")
            << "COM1" << QByteArray("\x1b\x3d\x00\x1b\x3d\x01", 6) + pulse << QByteArray();
        QTest::newRow("drawer on its own port") << "COM2" << QByteArray() << pulse;
    }

    void onTheWire()
    {
        QFETCH(QString, drawer);
        QFETCH(QByteArray, onDisplayPort);
        QFETCH(QByteArray, onDrawerPort);
        if (!usePairs())
            QSKIP("needs the serial-port pairs that scripts/test.sh makes with socat (BREVALON_TEST_COM1, COM2)");
        TestShop shop;
        SerialPeer display(env("BREVALON_TEST_COM1_PEER"));
        SerialPeer drawerEnd(env("BREVALON_TEST_COM2_PEER"));
        QVERIFY(display.isOpen() && drawerEnd.isOpen());
        settings->writeEntry(QStringLiteral("/Global/DisplayPole"), QStringLiteral("COM1"));
        settings->writeEntry(QStringLiteral("/Global/DisplaySpeed"), QStringLiteral("9600"));
        settings->writeEntry(QStringLiteral("/Global/CashDraw"), drawer);
        settings->writeEntry(QStringLiteral("/Global/CashDrawSpeed"), QStringLiteral("fast"));
        settings->writeEntry(QStringLiteral("/Global/CashDrawDSR"), QStringLiteral("Yes"));
        utils->initClass(false);
        QSerialPort* pole = utils->polePort();
        QVERIFY(pole && pole->isOpen());
        QCOMPARE(pole->portName(), env("BREVALON_TEST_COM1"));
        QCOMPARE(pole->baudRate(), 9600);
        QCOMPARE(pole->flowControl(), QSerialPort::NoFlowControl);
        QCOMPARE(pole->dataBits(), QSerialPort::Data8);
        QCOMPARE(pole->parity(), QSerialPort::NoParity);
        QCOMPARE(pole->stopBits(), QSerialPort::OneStop);
        QCOMPARE(utils->hasCashDraw(), drawer != QLatin1String("None"));
        QCOMPARE(utils->drawerPort() == pole, drawer == QLatin1String("COM1"));
        if (drawer == QLatin1String("COM2")) {
            // A speed not in the list is the fastest; any DSR but "No" is hardware flow control.
            QCOMPARE(utils->drawerPort()->baudRate(), 115200);
            QCOMPARE(utils->drawerPort()->flowControl(), QSerialPort::HardwareControl);
        }
        // A closed till says so while it waits for the next login.
        shop.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(QString(), Finish::Cancel));
        QVERIFY(!utils->validateLoginId());
        utils->poleDisplay(QStringLiteral("Total Due"), QStringLiteral("12.00"));
        utils->openDrawer();
        const QByteArray shown
            = Utility::poleDisplayBytes(QStringLiteral("Till Closed"), QLatin1String("Brevalon " BREVALON_VERSION))
            + Utility::poleDisplayBytes(QStringLiteral("Total Due"), QStringLiteral("12.00")) + onDisplayPort;
        QCOMPARE(display.read(int(shown.size())), shown);
        QCOMPARE(drawerEnd.read(int(onDrawerPort.size())), onDrawerPort);
        // Opening the ports again lets go of a shared one once, not twice.
        utils->initClass(false);
        QCOMPARE(utils->drawerPort() == utils->polePort(), drawer == QLatin1String("COM1"));
    }
};

BREVALON_TEST_MAIN(TestDevices)
#include "tst_devices.moc"
