// The texts of the hotel link: which entries a reply of the guest and
// account lists offers, and the batch that posts a charge, exactly, in the
// newer and the older form of the link (the forms the hotel test does not
// send, and the awkward values).

#include "payments/sempermessages.h"

#include <QTest>

Q_DECLARE_METATYPE(SemperEntry)

class TestSemperMessages : public QObject
{
    Q_OBJECT

private slots:
    void entriesOffered_data();
    void entriesOffered();
    void batchText_data();
    void batchText();
};

void TestSemperMessages::entriesOffered_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QStringList>("entries"); // accounts marked with a leading "@"
    const QString guests = QStringLiteral("<GST>101,5001,SMITH J,In House,01/12/2026,08/12/2026,"
                                          "102,5002,JONES A,Departed,28/11/2026,04/12/2026,"
                                          "103,5003,NDLOVU T,In House,03/12/2026,06/12/2026,"
                                          "105,5005,PATEL R,Reserved,10/12/2026,12/12/2026,,,,,,,<EOF>");
    const QString accounts = QStringLiteral("<ACC>A01,HOUSE ACCOUNT,0,0,A02,STAFF MEALS,0,0,<EOF>");
    QTest::newRow("guests in the house, then the accounts")
        << guests + accounts
        << QStringList{"101,5001,SMITH J", "103,5003,NDLOVU T", "@A01,HOUSE ACCOUNT", "@A02,STAFF MEALS"};
    QTest::newRow("accounts first stay first")
        << accounts + guests
        << QStringList{"@A01,HOUSE ACCOUNT", "@A02,STAFF MEALS", "101,5001,SMITH J", "103,5003,NDLOVU T"};
    QTest::newRow("the list ends at an empty first field")
        << QStringLiteral("<GST>101,5001,SMITH J,In House,a,b,,5009,GHOST G,In House,a,b<EOF>")
        << QStringList{"101,5001,SMITH J"};
    QTest::newRow("a guest cut short is not offered")
        << QStringLiteral("<GST>101,5001,SMITH J,In House,a,b,106,5006,LATE L<EOF>") << QStringList{"101,5001,SMITH J"};
    QTest::newRow("only the state In House is in the house")
        << QStringLiteral("<GST>101,5001,A,in house,a,b,102,5002,B,In-House,a,b,103,5003,C,InHouse,a,b<EOF>")
        << QStringList{};
    QTest::newRow("blanks and line breaks around fields")
        << QStringLiteral("<GST> 101 , 5001 ,SMITH J, In House ,a,b\r\n<EOF><ACC>\nA01 , HOUSE ,0,0<EOF>")
        << QStringList{"101,5001,SMITH J", "@A01,HOUSE"};
    QTest::newRow("an empty section ends the reply")
        << guests + QStringLiteral("<EOF>") + accounts << QStringList{"101,5001,SMITH J", "103,5003,NDLOVU T"};
    QTest::newRow("a section of another kind is passed over")
        << QStringLiteral("<MSG>hello<EOF>") + accounts << QStringList{"@A01,HOUSE ACCOUNT", "@A02,STAFF MEALS"};
    QTest::newRow("nothing") << QString() << QStringList{};
    QTest::newRow("a failed conversation") << QStringLiteral("ERROR") << QStringList{};
}

void TestSemperMessages::entriesOffered()
{
    QFETCH(QString, reply);
    QFETCH(QStringList, entries);
    QStringList found;
    for (const SemperEntry& e : SemperMessages::entries(reply))
        found << (e.account ? QLatin1Char('@') + e.text : e.text);
    QCOMPARE(found, entries);
}

void TestSemperMessages::batchText_data()
{
    QTest::addColumn<SemperEntry>("entry");
    QTest::addColumn<bool>("newVersion");
    QTest::addColumn<QString>("terminal");
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("tax");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("batch");
    const SemperEntry guest{QStringLiteral("101,5001,SMITH J"), false};
    const SemperEntry account{QStringLiteral("A01,HOUSE ACCOUNT"), true};
    const QString mary = QStringLiteral("MARY");
    QTest::newRow("account, newer form")
        << account << true << "0101" << 85.5 << 11.152173913 << mary
        << "<BATCH><ACCSALE>HOUSE ACCOUNT,05/12/2026, 10:30:07,42,85.5,11.15,A01, 0,0101,MARY,All,Meals<ACCSALEEOF>"
           "<BATCHEOF>";
    QTest::newRow("guest, older form")
        << guest << false << "0101" << 85.5 << 11.152173913 << mary
        << "<GSTTRN>5001,05/12/2026, 10:30:07,42,85.5,11.15,101, 0,0101, 0<EOF>";
    QTest::newRow("newer form, the code with its comma")
        << guest << true << "0101," << 100.0 << 0.0 << mary
        << "<BATCH><GSTSALE>5001,05/12/2026, 10:30:07,42,100,0,101, 0,0101,MARY,All,Meals<GSTSALEEOF><BATCHEOF>";
    QTest::newRow("newer form, no code set")
        << guest << true << "" << 100.0 << 0.0 << mary
        << "<BATCH><GSTSALE>5001,05/12/2026, 10:30:07,42,100,0,101, 0,0101,MARY,All,Meals<GSTSALEEOF><BATCHEOF>";
    QTest::newRow("older form, a code set for the newer")
        << guest << false << "0202," << 100.0 << 0.0 << mary << "<GSTTRN>5001,05/12/2026, 10:30:07,42,100,0,101, 0,0202, 0<EOF>";
    QTest::newRow("large amounts whole, a comma in the name")
        << account << true << "0101" << 1234567.891 << 0.1 << "SMITH, J <SUE>"
        << "<BATCH><ACCSALE>HOUSE ACCOUNT,05/12/2026, 10:30:07,42,1234567.89,0.1,A01, 0,0101,SMITH  J  SUE ,All,Meals"
           "<ACCSALEEOF><BATCHEOF>";
}

void TestSemperMessages::batchText()
{
    QFETCH(SemperEntry, entry);
    QFETCH(bool, newVersion);
    QFETCH(QString, terminal);
    QFETCH(double, amount);
    QFETCH(double, tax);
    QFETCH(QString, user);
    QFETCH(QString, batch);
    SemperCharge charge;
    charge.entry = entry;
    charge.when = QDateTime(QDate(2026, 12, 5), QTime(10, 30, 7));
    charge.receipt = 42;
    charge.amount = amount;
    charge.tax = tax;
    charge.user = user;
    QCOMPARE(SemperMessages::batch(charge, newVersion, terminal), batch);
}

QTEST_APPLESS_MAIN(TestSemperMessages)
#include "tst_sempermessages.moc"
