// The pole display and the cash drawer: the display's bytes, alignment and
// overflow rule; ports and their settings; the bytes on the wire through
// pseudo-terminal pairs made by the test command (COM1, COM2).

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "devices/serialports.h"
#include "tests/support/serialpeer.h"
#include "tests/support/testshop.h"

#include <QSerialPort>
#include <QTest>

namespace {

const QByteArray kHeader("\x1b\x3d\x00\x1b\x3d\x02\x0c\x1f\x43\x00\x1f\x58", 12);

QString env(const char* name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

} // namespace

class TestDevices : public QObject
{
    Q_OBJECT

private slots:
    void displayBytes_data();
    void displayBytes();
    void baudRates_data();
    void baudRates();
    void portNames_data();
    void portNames();
    void drawerPresence_data();
    void drawerPresence();
    void displayOnTheWire();
    void drawerSharingTheDisplayPort();
    void drawerOnItsOwnPort();
    void portSettings();
};

void TestDevices::displayBytes_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<char>("brightness");
    QTest::addColumn<QByteArray>("line1");
    QTest::addColumn<QByteArray>("line2");
    QTest::newRow("both right aligned") << "Total Due" << "125.50" << char(4) << QByteArray("           Total Due")
                                        << QByteArray("              125.50");
    QTest::newRow("till closed dims") << "Till Closed" << "" << char(1) << QByteArray("         Till Closed")
                                      << QByteArray(20, ' ');
    QTest::newRow("second text cut to 20") << "A" << "123456789012345678901234" << char(4)
                                           << QByteArray("                   A") << QByteArray("12345678901234567890");
    // 26 characters: the last six lead line 2, two blanks at least before the text.
    QTest::newRow("overflow moves to line 2") << "Welcome to Harbour Kitchen" << "9.50" << char(4)
                                              << QByteArray("Welcome to Harbour K") << QByteArray("itchen          9.50");
    QTest::newRow("overflow cut to leave two blanks")
        << "Tendered amount in cash today only" << "Change due 5.00" << char(4) << QByteArray("Tendered amount in c")
        << QByteArray("as   Change due 5.00");
    QTest::newRow("no room: line 2 unchanged") << "Tendered amount in cash" << "ChangeDue:123456789" << char(4)
                                               << QByteArray("Tendered amount in c") << QByteArray(" ChangeDue:123456789");
}

void TestDevices::displayBytes()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(char, brightness);
    QFETCH(QByteArray, line1);
    QFETCH(QByteArray, line2);
    TestShop shop(TestShop::Demo);
    QCOMPARE(Utility::poleDisplayBytes(first, second), kHeader + brightness + line1 + line2);
}

void TestDevices::baudRates_data()
{
    QTest::addColumn<QString>("speed");
    QTest::addColumn<int>("rate");
    for (const char* s : {"1200", "2400", "4800", "9600", "19200", "38400", "57600"})
        QTest::newRow(s) << QString::fromLatin1(s) << QString::fromLatin1(s).toInt();
    QTest::newRow("anything else is 115200") << "fast" << 115200;
    QTest::newRow("empty is 115200") << "" << 115200;
}

void TestDevices::baudRates()
{
    QFETCH(QString, speed);
    QFETCH(int, rate);
    QCOMPARE(SerialPorts::baudRate(speed), rate);
}

void TestDevices::portNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("device");
    QTest::newRow("COM1") << "COM1" << "/dev/ttyS0";
    QTest::newRow("COM2") << "COM2" << "/dev/ttyS1";
    QTest::newRow("None") << "None" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("drawer through the printer") << "SLIP40" << "";
}

void TestDevices::portNames()
{
    QFETCH(QString, name);
    QFETCH(QString, device);
    const QByteArray c1 = qgetenv("BREVALON_COM1");
    const QByteArray c2 = qgetenv("BREVALON_COM2");
    qunsetenv("BREVALON_COM1");
    qunsetenv("BREVALON_COM2");
    QCOMPARE(SerialPorts::deviceFor(name), device);
    qputenv("BREVALON_COM1", c1);
    qputenv("BREVALON_COM2", c2);
}

void TestDevices::drawerPresence_data()
{
    QTest::addColumn<QString>("drawer");
    QTest::addColumn<bool>("present");
    QTest::newRow("none") << "None" << false;
    QTest::newRow("kicked by the 80-column printer") << "SLIP80" << true;
    QTest::newRow("kicked by the 40-column printer") << "SLIP40" << true;
    QTest::newRow("unknown") << "LPT1" << false;
}

void TestDevices::drawerPresence()
{
    QFETCH(QString, drawer);
    QFETCH(bool, present);
    TestShop shop;
    settings->writeEntry(QStringLiteral("/Global/CashDraw"), drawer);
    utils->initClass(false);
    QCOMPARE(utils->hasCashDraw(), present);
    QVERIFY(!utils->drawerPort());
}

void TestDevices::displayOnTheWire()
{
    if (env("BREVALON_TEST_COM1").isEmpty())
        QSKIP("needs the serial-port pairs that scripts/test.sh makes with socat (BREVALON_TEST_COM1)");
    qputenv("BREVALON_COM1", qgetenv("BREVALON_TEST_COM1"));
    TestShop shop;
    SerialPeer display(env("BREVALON_TEST_COM1_PEER"));
    QVERIFY(display.isOpen());
    settings->writeEntry(QStringLiteral("/Global/DisplayPole"), QStringLiteral("COM1"));
    utils->initClass(false);
    QVERIFY(utils->polePort() && utils->polePort()->isOpen());
    QVERIFY(!utils->hasCashDraw());
    utils->poleDisplay(QStringLiteral("Tendered 200.00"), QStringLiteral("Change due 40.00"));
    utils->poleDisplay(QStringLiteral("Till Closed"), QString());
    const QByteArray expected = Utility::poleDisplayBytes(QStringLiteral("Tendered 200.00"),
                                                          QStringLiteral("Change due 40.00"))
                                + Utility::poleDisplayBytes(QStringLiteral("Till Closed"), QString());
    QCOMPARE(display.read(int(expected.size())), expected);
    qunsetenv("BREVALON_COM1");
}

void TestDevices::drawerSharingTheDisplayPort()
{
    if (env("BREVALON_TEST_COM1").isEmpty())
        QSKIP("needs the serial-port pairs that scripts/test.sh makes with socat (BREVALON_TEST_COM1)");
    qputenv("BREVALON_COM1", qgetenv("BREVALON_TEST_COM1"));
    TestShop shop;
    SerialPeer device(env("BREVALON_TEST_COM1_PEER"));
    QVERIFY(device.isOpen());
    settings->writeEntry(QStringLiteral("/Global/DisplayPole"), QStringLiteral("COM1"));
    settings->writeEntry(QStringLiteral("/Global/CashDraw"), QStringLiteral("COM1"));
    utils->initClass(false);
    QVERIFY(utils->drawerPort());
    QCOMPARE(utils->drawerPort(), utils->polePort());
    QVERIFY(utils->hasCashDraw());
    utils->poleDisplay(QStringLiteral("Total Due"), QStringLiteral("12.00"));
    utils->openDrawer();
    const QByteArray expected = Utility::poleDisplayBytes(QStringLiteral("Total Due"), QStringLiteral("12.00"))
                                + QByteArray("\x1b\x3d\x00\x1b\x3d\x01\r\r\r\r\r\r", 12);
    QCOMPARE(device.read(int(expected.size())), expected);
    // Opening again releases the shared port once, not twice.
    utils->initClass(false);
    QCOMPARE(utils->drawerPort(), utils->polePort());
    qunsetenv("BREVALON_COM1");
}

void TestDevices::drawerOnItsOwnPort()
{
    if (env("BREVALON_TEST_COM2").isEmpty())
        QSKIP("needs the serial-port pairs that scripts/test.sh makes with socat (BREVALON_TEST_COM2)");
    qputenv("BREVALON_COM1", qgetenv("BREVALON_TEST_COM1"));
    qputenv("BREVALON_COM2", qgetenv("BREVALON_TEST_COM2"));
    TestShop shop;
    SerialPeer display(env("BREVALON_TEST_COM1_PEER"));
    SerialPeer drawer(env("BREVALON_TEST_COM2_PEER"));
    settings->writeEntry(QStringLiteral("/Global/DisplayPole"), QStringLiteral("COM1"));
    settings->writeEntry(QStringLiteral("/Global/CashDraw"), QStringLiteral("COM2"));
    utils->initClass(false);
    QVERIFY(utils->drawerPort() != utils->polePort());
    utils->openDrawer();
    QCOMPARE(drawer.read(6), QByteArray("\r\r\r\r\r\r"));
    QCOMPARE(display.read(1), QByteArray());
    qunsetenv("BREVALON_COM1");
    qunsetenv("BREVALON_COM2");
}

void TestDevices::portSettings()
{
    if (env("BREVALON_TEST_COM1").isEmpty())
        QSKIP("needs the serial-port pairs that scripts/test.sh makes with socat (BREVALON_TEST_COM1)");
    qputenv("BREVALON_COM1", qgetenv("BREVALON_TEST_COM1"));
    qputenv("BREVALON_COM2", qgetenv("BREVALON_TEST_COM2"));
    TestShop shop;
    settings->writeEntry(QStringLiteral("/Global/DisplayPole"), QStringLiteral("COM1"));
    settings->writeEntry(QStringLiteral("/Global/DisplaySpeed"), QStringLiteral("9600"));
    settings->writeEntry(QStringLiteral("/Global/CashDraw"), QStringLiteral("COM2"));
    settings->writeEntry(QStringLiteral("/Global/CashDrawSpeed"), QStringLiteral("115200"));
    settings->writeEntry(QStringLiteral("/Global/CashDrawDSR"), QStringLiteral("Yes"));
    utils->initClass(false);
    QSerialPort* pole = utils->polePort();
    QSerialPort* drawer = utils->drawerPort();
    QVERIFY(pole && drawer);
    QCOMPARE(pole->portName(), env("BREVALON_TEST_COM1"));
    QCOMPARE(pole->baudRate(), 9600);
    QCOMPARE(pole->flowControl(), QSerialPort::NoFlowControl);
    QCOMPARE(pole->dataBits(), QSerialPort::Data8);
    QCOMPARE(pole->parity(), QSerialPort::NoParity);
    QCOMPARE(pole->stopBits(), QSerialPort::OneStop);
    QCOMPARE(drawer->baudRate(), 115200);
    QCOMPARE(drawer->flowControl(), QSerialPort::HardwareControl);
    qunsetenv("BREVALON_COM1");
    qunsetenv("BREVALON_COM2");
}

BREVALON_TEST_MAIN(TestDevices)
#include "tst_devices.moc"
