// Receipts: the document of every kind of payment, what an accepted,
// cancelled or repeated print leaves in the ledger, and voids.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "documents/docprint.h"
#include "tests/posting/postingshop.h"
#include "tests/support/actionrows.h"

#include <QTest>

namespace {

struct ReceiptCase
{
    ReceiptRow row;
    bool firstPrint = true;
    double tendered = 0, change = 0, tip = 0; // as the sales window hands them over
    double owed = 0;                          // the account's balance before
    bool semper = false;
    int userCashAccount = 1;
    QString type = QStringLiteral("receipt");
    QStringList lines; // "description|payment"
    QString outstanding, tender, change_, tipText;
};

QStringList lines(const DocParts& d)
{
    QStringList out;
    for (const DocElement& e : d.items)
        out << e[QStringLiteral("description")] + QLatin1Char('|') + e[QStringLiteral("payment")];
    return out;
}

ReceiptRow paid(int account, double cash, double card = 0, double cheque = 0, double coupon = 0, double eft = 0,
                double badDebt = 0)
{
    ReceiptRow r;
    r.account = account;
    r.cash = cash;
    r.card = card;
    r.cheque = cheque;
    r.coupon = coupon;
    r.eft = eft;
    r.badDebt = badDebt;
    return r;
}

} // namespace

Q_DECLARE_METATYPE(ReceiptCase)

class TestReceipts : public QObject
{
    Q_OBJECT

private slots:
    void document_data();
    void document();
    void fields_data();
    void fields();
    void posting_data();
    void posting();
    void voids_data();
    void voids();
    void secondVoidIsRefused();
};

void TestReceipts::document_data()
{
    QTest::addColumn<ReceiptCase>("c");
    ReceiptCase c;

    c = ReceiptCase();
    c.row = paid(kCash, 85.50);
    c.tendered = 100;
    c.change = 14.50;
    c.owed = 85.50;
    c.lines = QStringList{"Payment - Thank you|85.50"};
    c.outstanding = "0.00", c.tender = "100.00", c.change_ = "14.50", c.tipText = "0.00";
    QTest::newRow("cash sale on the cash account owes nothing") << c;

    c = ReceiptCase();
    c.row = paid(kBayside, 0, 150);
    c.tendered = 150;
    c.owed = 200;
    c.lines = QStringList{"C/Card Payment - Thank you|150.00"};
    c.outstanding = "50.00", c.tender = "150.00", c.change_ = "0.00", c.tipText = "0.00";
    QTest::newRow("card part-payment leaves the rest outstanding") << c;

    c = ReceiptCase();
    c.row = paid(kBayside, 10, 20, 30, 40, 50);
    c.tendered = 150;
    c.owed = 150;
    c.lines = QStringList{"Payment - Thank you|10.00", "C/Card Payment - Thank you|20.00",
                          "Cheque Payment - Thank you|30.00", "Coupon Payment - Thank you|40.00",
                          "EFT Payment - Thank you|50.00"};
    c.outstanding = "0.00", c.tender = "150.00", c.change_ = "0.00", c.tipText = "0.00";
    QTest::newRow("each tender its own line, in column order") << c;

    c = ReceiptCase();
    c.row = paid(kBayside, 0, 0, 0, 0, 50);
    c.tendered = 50;
    c.owed = 50;
    c.semper = true;
    c.lines = QStringList{"On Account - Thank you|50.00"};
    c.outstanding = "0.00", c.tender = "50.00", c.change_ = "0.00", c.tipText = "0.00";
    QTest::newRow("EFT is a room charge when Semper is on") << c;

    c = ReceiptCase();
    c.row = paid(kBayside, -50);
    c.tip = 5;
    c.type = "refund";
    c.lines = QStringList{"Refund|-50.00"};
    c.outstanding = "50.00", c.tender = "0.00", c.change_ = "0.00", c.tipText = "5.00";
    QTest::newRow("a refund shows one Refund line, even with a tip") << c;

    c = ReceiptCase();
    c.row = paid(kBayside, -5);
    c.tip = 5;
    c.lines = QStringList{"Refund|-5.00"};
    c.outstanding = "5.00", c.tender = "0.00", c.change_ = "0.00", c.tipText = "5.00";
    QTest::newRow("cash and tip adding up to nothing is still a receipt") << c;

    c = ReceiptCase();
    c.row = paid(kBayside, 0, 0, 0, 0, 0, 120);
    c.owed = 120;
    c.lines = QStringList{"<b>Bad Debt Write Off</b>|120.00"};
    c.outstanding = "0.00", c.tender = "0.00", c.change_ = "0.00", c.tipText = "0.00";
    QTest::newRow("a bad-debt write-off alone") << c;

    c = ReceiptCase();
    c.row = paid(kBayside, 20);
    c.row.payRef = "EFT 4471  O'Brien & Son";
    c.tendered = 20;
    c.owed = 20;
    c.lines = QStringList{"Payment - Thank you|20.00", "Ref: EFT 4471 O'Brien & Son|"};
    c.outstanding = "0.00", c.tender = "20.00", c.change_ = "0.00", c.tipText = "0.00";
    QTest::newRow("the reference follows the payments") << c;

    c = ReceiptCase();
    c.row = paid(kObrien, 0, 30);
    c.tendered = 30;
    c.owed = 100;
    c.userCashAccount = kObrien;
    c.lines = QStringList{"C/Card Payment - Thank you|30.00"};
    c.outstanding = "0.00", c.tender = "30.00", c.change_ = "0.00", c.tipText = "0.00";
    QTest::newRow("the user's own cash account owes nothing") << c;

    c = ReceiptCase();
    c.row = paid(kBayside, 48);
    c.row.tendered = 60, c.row.change = 10, c.row.balance = 33.33, c.row.tip = 2;
    c.firstPrint = false;
    c.owed = 999;
    c.lines = QStringList{"Payment - Thank you|48.00"};
    c.outstanding = "33.33", c.tender = "60.00", c.change_ = "10.00", c.tipText = "2.00";
    QTest::newRow("a reprint shows the figures stored with it") << c;

    c = ReceiptCase();
    c.row = paid(kBayside, 45);
    c.row.tendered = 1, c.row.change = 1, c.row.balance = 1, c.row.tip = 1;
    c.tendered = 50, c.change = 5;
    c.owed = 45;
    c.lines = QStringList{"Payment - Thank you|45.00"};
    c.outstanding = "0.00", c.tender = "50.00", c.change_ = "5.00", c.tipText = "0.00";
    QTest::newRow("a first print shows the sale's figures, not the row's") << c;
}

void TestReceipts::document()
{
    QFETCH(ReceiptCase, c);
    PostingShop shop;
    TestShop::exec(QStringLiteral("UPDATE Personel SET CashAcc=%1 WHERE Name='MARY'").arg(c.userCashAccount));
    settings->writeEntry(QStringLiteral("/Global/Semper/Enabled"), c.semper);
    if (c.owed != 0)
        PostingShop::owe(c.row.account, c.owed);
    const int n = SaleRows::receipt(c.row);

    const DocParts d = DocParts::parse(utils->buildReceipt(n, c.firstPrint, c.tendered, c.change, c.tip));
    QVERIFY2(d.valid, qPrintable(d.error));
    QCOMPARE(d.head["type"], c.type);
    QCOMPARE(lines(d), c.lines);
    QCOMPARE(d.tail["outstanding"], c.outstanding);
    QCOMPARE(d.tail["tender"], c.tender);
    QCOMPARE(d.tail["change"], c.change_);
    QCOMPARE(d.tail["tip"], c.tipText);
    QCOMPARE(d.tail["firstprint"], QString(c.firstPrint ? "true" : "false"));
}

void TestReceipts::fields_data()
{
    QTest::addColumn<bool>("firstPrint");
    QTest::addColumn<QString>("preview");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("head");
    const QStringList before{"type", "printer"};
    const QStringList after{"number", "date",   "datetime", "shortdate", "time",   "acc",    "client",
                            "postal", "shipping", "phone",  "cell",      "email",  "aline1", "aline2",
                            "aline3", "aline4", "aline5",   "aline6",    "aline7", "printtime", "printdate"};
    QTest::newRow("first print, previewed") << true << "ON" << "" << before + after;
    QTest::newRow("first print printing by itself") << true << "OFF" << "" << before + after + QStringList{"auto"};
    QTest::newRow("a reprint never prints by itself") << false << "OFF" << "" << before + after;
    QTest::newRow("logo printer") << true << "ON" << "logo" << before + QStringList{"logo"} + after;
}

void TestReceipts::fields()
{
    QFETCH(bool, firstPrint);
    QFETCH(QString, preview);
    QFETCH(QString, mode);
    QFETCH(QStringList, head);
    PostingShop shop;
    settings->writeEntry(QStringLiteral("/ReceiptPrinter/Preview"), preview);
    settings->writeEntry(QStringLiteral("/ReceiptPrinter/Mode"), mode);
    ReceiptRow row = paid(kBayside, 25);
    row.waiter = "SUE";
    row.email = "stored@bayside.example";
    const int n = SaleRows::receipt(row);

    const DocParts d = DocParts::parse(utils->buildReceipt(n, firstPrint, 25, 0, 0));
    QVERIFY2(d.valid, qPrintable(d.error));
    QCOMPARE(d.head.names, head);
    QCOMPARE(d.tail.names, (QStringList{"tip", "tender", "change", "outstanding", "firstprint", "recfoot", "cashier",
                                        "date", "datetime", "shortdate", "time"}));
    QCOMPARE(d.head["printer"], QStringLiteral("Receipt"));
    QCOMPARE(d.head["number"], QString::number(n));
    QCOMPARE(d.head["acc"], QStringLiteral("14"));
    // The VAT number goes under the name, by the document's line break.
    QCOMPARE(d.head["client"], QStringLiteral("BAYSIDE CATERING\\nVAT No. 4987654321"));
    QCOMPARE(d.head["postal"], QStringLiteral("PO Box 77\\nHarbour Bay\\n8001"));
    QCOMPARE(d.head["phone"], QStringLiteral("021 555 0199"));
    QCOMPARE(d.head["email"], firstPrint ? QStringLiteral("accounts@bayside.example") : row.email);
    QCOMPARE(d.head["aline1"], QStringLiteral("The Harbour Kitchen"));
    QCOMPARE(d.head["aline7"], QStringLiteral("VAT No 4123456789"));
    QCOMPARE(d.head["shortdate"], QStringLiteral("2026-12-05"));
    QCOMPARE(d.head["time"], QStringLiteral("10:30:00"));
    QVERIFY(d.head["date"].contains(QLatin1String("2026")));
    QCOMPARE(d.head["printdate"], QStringLiteral("2026-12-05"));
    if (head.contains(QLatin1String("logo")))
        QCOMPARE(d.head["logo"], QStringLiteral("<img src=PrintLogo>"));
    if (head.contains(QLatin1String("auto")))
        QCOMPARE(d.head["auto"], QStringLiteral("print"));
    QCOMPARE(d.tail["recfoot"], QStringLiteral("Thank you - please come again!"));
    QCOMPARE(d.tail["cashier"], QStringLiteral("SUE"));
    QCOMPARE(d.tail["shortdate"], QStringLiteral("2026-12-05"));
}

void TestReceipts::posting_data()
{
    QTest::addColumn<bool>("printReceipt");
    QTest::addColumn<bool>("firstPrint");
    QTest::addColumn<bool>("semper");
    QTest::addColumn<int>("window"); // -1: not shown; else the window's answer
    QTest::addColumn<bool>("result");
    QTest::addColumn<bool>("posted");
    QTest::addColumn<bool>("kept");
    QTest::newRow("an accepted sale is posted") << true << true << false << 1 << true << true << true;
    QTest::newRow("a cancelled sale leaves no receipt") << true << true << false << 0 << false << false << false;
    QTest::newRow("an accepted reprint writes nothing") << true << false << false << 1 << false << false << true;
    QTest::newRow("a cancelled reprint keeps the receipt") << true << false << false << 0 << false << false << true;
    QTest::newRow("receipts off: a sale posts without the window")
        << false << true << false << -1 << true << true << true;
    QTest::newRow("receipts off: a reprint is still shown") << false << false << false << 1 << false << false << true;
    QTest::newRow("receipts off: a room-charge reprint is not shown")
        << false << false << true << -1 << false << false << true;
    QTest::newRow("receipts on: a room charge is shown and may be cancelled")
        << true << true << true << 0 << false << false << false;
}

void TestReceipts::posting()
{
    QFETCH(bool, printReceipt);
    QFETCH(bool, firstPrint);
    QFETCH(bool, semper);
    QFETCH(int, window);
    QFETCH(bool, result);
    QFETCH(bool, posted);
    QFETCH(bool, kept);
    PostingShop shop;
    settings->writeEntry(QStringLiteral("/Global/PrintReceipt"), printReceipt);
    PostingShop::owe(kBayside, 100);
    ReceiptRow row = paid(kBayside, 40, 10);
    row.tip = 3;
    const int n = SaleRows::receipt(row);
    // The window still holds the address of the document it showed before.
    utils->docPrint()->parseXml(QStringLiteral("<zendrik><head type=\"receipt\" email=\"earlier@example.com\"/></zendrik>"));
    if (window >= 0)
        shop.expectDocument(window);

    QCOMPARE(utils->processReceipt(n, firstPrint, 55, 2, 3, semper), result);
    QCOMPARE(PostingShop::ledger(n, "R,VR"), posted ? QStringList{"R -50.00 0.00"} : QStringList{});
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Receipt WHERE MyNumber=%1").arg(n)), kept ? 1 : 0);
    QCOMPARE(utils->getBalBF(kBayside, true), posted ? 50.0 : 100.0);
    if (posted) {
        QCOMPARE(TestShop::value(QStringLiteral("SELECT AccountNumber FROM Journal WHERE Description='R'")).toInt(),
                 int(kBayside));
        QCOMPARE(PostingShop::number(QStringLiteral("SELECT TipAmount FROM Journal WHERE Description='R'")), 3.0);
        QCOMPARE(TestShop::value(QStringLiteral("SELECT MyDate FROM Journal WHERE Description='R'")).toString().left(19)
                     .replace(QLatin1Char('T'), QLatin1Char(' ')),
                 QStringLiteral("2026-12-05 10:30:00"));
        // The address of the document the window showed; none without it.
        QCOMPARE(TestShop::value(QStringLiteral("SELECT Email FROM Receipt WHERE MyNumber=%1").arg(n)).toString(),
                 window >= 0 ? QStringLiteral("accounts@bayside.example") : QString());
    }
}

void TestReceipts::voids_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("voided");
    QTest::newRow("a reason voids it") << QStringList{"Paid twice"} << true;
    QTest::newRow("an empty reason is asked again") << QStringList{"", "   ", "Wrong account"} << true;
    QTest::newRow("cancel changes nothing") << QStringList{"<cancel>"} << false;
    QTest::newRow("cancel after an empty reason") << QStringList{"", "<cancel>"} << false;
}

void TestReceipts::voids()
{
    QFETCH(QStringList, answers);
    QFETCH(bool, voided);
    PostingShop shop;
    const int n = SaleRows::receipt(paid(kBayside, 100));
    PostingShop::owe(kBayside, 100, 500, n);  // paid by this receipt
    PostingShop::owe(kBayside, 40, 501, 77);  // paid by another one
    shop.expectDocument(1);
    QVERIFY(utils->processReceipt(n, true, 100, 0, 0, false));
    QCOMPARE(utils->getBalBF(kBayside, true), 40.0);
    utils->setDetails(kBayside);
    utils->setWaiter(QStringLiteral("SUE"));
    const int actionsBefore = int(actionRows().size());

    shop.expectReasons(QStringLiteral("Void Receipt"),
                       QStringLiteral("Enter the reason why you will void receipt number %1").arg(n),
                       QStringLiteral("You must give a reason you are trying to void this Receipt"), answers);
    QCOMPARE(utils->voidReceipt(n), voided);

    QCOMPARE(PostingShop::ledger(n, "R,VR"), QStringList{voided ? "VR -100.00 0.00" : "R -100.00 0.00"});
    QCOMPARE(utils->getBalBF(kBayside, true), voided ? 140.0 : 40.0);
    QCOMPARE(TestShop::value(QStringLiteral("SELECT CrossRef FROM Journal WHERE MyNumber=500")).toInt(), voided ? 0 : n);
    QCOMPARE(TestShop::value(QStringLiteral("SELECT CrossRef FROM Journal WHERE MyNumber=501")).toInt(), 77);
    // The receipt row itself stays.
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Receipt WHERE MyNumber=%1").arg(n)), 1);
    const QList<ActionRow> actions = actionRows();
    QCOMPARE(int(actions.size()), actionsBefore + (voided ? 1 : 0));
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Voids")), voided ? 1 : 0);
    if (voided) {
        QCOMPARE(TestShop::value(QStringLiteral("SELECT Reason FROM Voids")).toString(), answers.last());
        QCOMPARE(TestShop::value(QStringLiteral("SELECT DocType FROM Voids")).toString(), QStringLiteral("R"));
        QCOMPARE(TestShop::value(QStringLiteral("SELECT Number FROM Voids")).toInt(), n);
        QCOMPARE(TestShop::value(QStringLiteral("SELECT MyDate FROM Voids")).toString().left(10),
                 QStringLiteral("2026-12-05"));
        QCOMPARE(TestShop::value(QStringLiteral("SELECT Who FROM Voids")).toString(), QStringLiteral("SUE"));
        QCOMPARE(actions.last().action, QStringLiteral("VOID RECEIPT"));
        QCOMPARE(actions.last().info, QStringLiteral("ACC: 14"));
        QVERIFY(actions.last().who.startsWith(QStringLiteral("REC #: %1").arg(n)));
        QCOMPARE(actions.last().status, QStringLiteral("0"));
    }
}

void TestReceipts::secondVoidIsRefused()
{
    PostingShop shop;
    const int n = SaleRows::receipt(paid(kBayside, 30));
    shop.expectDocument(1);
    QVERIFY(utils->processReceipt(n, true, 30, 0, 0, false));
    const QString prompt = QStringLiteral("Enter the reason why you will void receipt number %1").arg(n);
    // A reason holding what looks like a placeholder is kept as typed.
    shop.expectReasons(QStringLiteral("Void Receipt"), prompt, QString(), {"Keyed 100%3 by mistake"});
    QVERIFY(utils->voidReceipt(n));
    shop.prompts().expect(ZkPrompt::Information, QStringLiteral("Void Receipt"),
                          QStringLiteral("Receipt # %1 has already been voided").arg(n));
    QVERIFY(!utils->voidReceipt(n));
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Voids")), 1);
    QCOMPARE(TestShop::value(QStringLiteral("SELECT Reason FROM Voids")).toString(),
             QStringLiteral("Keyed 100%3 by mistake"));
}

BREVALON_TEST_MAIN(TestReceipts)
#include "tst_receipts.moc"
