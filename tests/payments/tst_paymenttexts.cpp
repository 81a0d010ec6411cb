// The texts of the payment links. JSON: what it allows is read and written
// back in one canonical form, what it does not is refused. The hotel link:
// which entries a reply of the guest and account lists offers, and the batch
// that posts a charge, in the newer and the older form (the awkward values
// included).

#include "payments/json.h"
#include "payments/sempermessages.h"

#include <QTest>

Q_DECLARE_METATYPE(SemperEntry)

class TestPaymentTexts : public QObject
{
    Q_OBJECT

private slots:
    void readAndWritten_data();
    void readAndWritten();
    void refused_data();
    void refused();
    void entriesOffered_data();
    void entriesOffered();
    void batchText_data();
    void batchText();
};

void TestPaymentTexts::readAndWritten_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("written");
    QTest::newRow("null with white space") << QByteArray(" \t\r\nnull \n") << "null";
    QTest::newRow("true") << QByteArray("true") << "true";
    QTest::newRow("zero") << QByteArray("0") << "0";
    QTest::newRow("minus zero") << QByteArray("-0") << "0";
    QTest::newRow("fraction") << QByteArray("12.5") << "12.5";
    QTest::newRow("exponent") << QByteArray("1e3") << "1000";
    QTest::newRow("largest double") << QByteArray("1.7976931348623157e308") << "1.7976931348623157e+308";
    QTest::newRow("cents beyond 32 bits") << QByteArray("9999999999") << "9999999999";
    QTest::newRow("escapes that stay") << QByteArray(R"("a\"b\\c\b\f\n\r\t")") << R"("a\"b\\c\b\f\n\r\t")";
    QTest::newRow("control characters and a quoted key") << QByteArray(R"({"k\"ey":"c\u0001 e\u001F"})")
                                                         << R"({"k\"ey":"c\u0001 e\u001f"})";
    QTest::newRow("unicode escape") << QByteArray(R"("caf\u00e9")") << QStringLiteral("\"caf\u00e9\"");
    QTest::newRow("surrogate pair") << QByteArray(R"("\ud83d\ude00")") << QStringLiteral("\"\U0001F600\"");
    QTest::newRow("UTF-8 as it is") << QByteArray("\"Z\xc3\xbcrich\"") << QStringLiteral("\"Z\u00fcrich\"");
    QTest::newRow("empty array and object") << QByteArray("[ [ ] , { } ]") << "[[],{}]";
    QTest::newRow("members in key order") << QByteArray(R"({"b":1,"a":[true,null],"A":"x"})")
                                          << R"({"A":"x","a":[true,null],"b":1})";
}

void TestPaymentTexts::readAndWritten()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, written);
    const std::unique_ptr<JSONValue> value = JSON::Parse(text.constData());
    QVERIFY2(value, text.constData());
    QCOMPARE(JSON::Stringify(value.get()), written);
    // What is written reads back to itself.
    const std::unique_ptr<JSONValue> again = JSON::Parse(written.toUtf8());
    QVERIFY(again);
    QCOMPARE(again->Stringify(), written);
}

void TestPaymentTexts::refused_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("nothing") << QByteArray("");
    QTest::newRow("literal cut short") << QByteArray("tru");
    QTest::newRow("leading zero") << QByteArray("01");
    QTest::newRow("no integer part") << QByteArray(".5");
    QTest::newRow("no fraction digits") << QByteArray("1.");
    QTest::newRow("not a number") << QByteArray("NaN");
    QTest::newRow("beyond a double") << QByteArray("1e999");
    QTest::newRow("unterminated string") << QByteArray("\"abc");
    QTest::newRow("unknown escape") << QByteArray(R"("\x41")");
    QTest::newRow("short unicode escape") << QByteArray(R"("\u12")");
    QTest::newRow("unicode escape not hex") << QByteArray(R"("\u12g4")");
    QTest::newRow("raw tab in a string") << QByteArray("\"a\tb\"");
    QTest::newRow("not UTF-8") << QByteArray("\"\xff\xfe\"");
    QTest::newRow("trailing comma in an array") << QByteArray("[1,]");
    QTest::newRow("two values with a comma") << QByteArray("1,2");
    QTest::newRow("bracket too many") << QByteArray("[1]]");
    QTest::newRow("brackets that close the wrapper") << QByteArray("1],[2");
    QTest::newRow("nested beyond reason") << QByteArray(5000, '[') + QByteArray(5000, ']');
}

void TestPaymentTexts::refused()
{
    QFETCH(QByteArray, text);
    QVERIFY(!JSON::Parse(text));
}

void TestPaymentTexts::entriesOffered_data()
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
    QTest::newRow("a failed conversation") << QStringLiteral("ERROR") << QStringList{};
}

void TestPaymentTexts::entriesOffered()
{
    QFETCH(QString, reply);
    QFETCH(QStringList, entries);
    QStringList found;
    for (const SemperEntry& e : SemperMessages::entries(reply))
        found << (e.account ? QLatin1Char('@') + e.text : e.text);
    QCOMPARE(found, entries);
}

void TestPaymentTexts::batchText_data()
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

void TestPaymentTexts::batchText()
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

QTEST_APPLESS_MAIN(TestPaymentTexts)
#include "tst_paymenttexts.moc"
