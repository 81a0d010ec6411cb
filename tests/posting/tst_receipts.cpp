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

// A receipt row from its tenders: cash, card, cheque, coupon, EFT, bad debt.
ReceiptRow paid(int account, QList<double> tenders)
{
    tenders.resize(6);
    ReceiptRow r;
    r.account = account;
    r.cash = tenders[0], r.card = tenders[1], r.cheque = tenders[2], r.coupon = tenders[3], r.eft = tenders[4];
    r.badDebt = tenders[5];
    return r;
}

} // namespace

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
};

void TestReceipts::document_data()
{
    QTest::addColumn<ReceiptRow>("row");
    QTest::addColumn<QList<double>>("sale"); // tendered, change, tip as the sales window hands them; empty: a reprint
    QTest::addColumn<double>("owed");        // the account's balance before
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("lines"); // "description|payment"
    QTest::addColumn<QString>("tail");      // outstanding tender change tip
    ReceiptRow r = paid(kBayside, {20});
    r.payRef = "EFT 4471  O'Brien & Son";
    ReceiptRow stored = paid(kBayside, {48});
    stored.tendered = 60, stored.change = 10, stored.balance = 33.33, stored.tip = 2;
    ReceiptRow ignored = paid(kBayside, {45});
    ignored.tendered = 1, ignored.change = 1, ignored.balance = 1, ignored.tip = 1;
    QTest::newRow("cash sale on the cash account owes nothing")
        << paid(kCash, {85.50}) << QList<double>{100, 14.50, 0} << 85.50 << "receipt"
        << QStringList{"Payment - Thank you|85.50"} << "0.00 100.00 14.50 0.00";
    QTest::newRow("card part-payment leaves the rest outstanding")
        << paid(kBayside, {0, 150}) << QList<double>{150, 0, 0} << 200.0 << "receipt"
        << QStringList{"C/Card Payment - Thank you|150.00"} << "50.00 150.00 0.00 0.00";
    QTest::newRow("each tender its own line, in column order")
        << paid(kBayside, {10, 20, 30, 40, 50}) << QList<double>{150, 0, 0} << 150.0 << "receipt"
        << QStringList{"Payment - Thank you|10.00", "C/Card Payment - Thank you|20.00",
                       "Cheque Payment - Thank you|30.00", "Coupon Payment - Thank you|40.00",
                       "EFT Payment - Thank you|50.00"}
        << "0.00 150.00 0.00 0.00";
    QTest::newRow("a refund shows one Refund line, even with a tip")
        << paid(kBayside, {-50}) << QList<double>{0, 0, 5} << 0.0 << "refund" << QStringList{"Refund|-50.00"}
        << "50.00 0.00 0.00 5.00";
    QTest::newRow("cash and tip adding up to nothing is still a receipt")
        << paid(kBayside, {-5}) << QList<double>{0, 0, 5} << 0.0 << "receipt" << QStringList{"Refund|-5.00"}
        << "5.00 0.00 0.00 5.00";
    QTest::newRow("a bad-debt write-off alone")
        << paid(kBayside, {0, 0, 0, 0, 0, 120}) << QList<double>{0, 0, 0} << 120.0 << "receipt"
        << QStringList{"<b>Bad Debt Write Off</b>|120.00"} << "0.00 0.00 0.00 0.00";
    QTest::newRow("the reference follows the payments")
        << r << QList<double>{20, 0, 0} << 20.0 << "receipt"
        << QStringList{"Payment - Thank you|20.00", "Ref: EFT 4471 O'Brien & Son|"} << "0.00 20.00 0.00 0.00";
    QTest::newRow("the user's own cash account owes nothing")
        << paid(kObrien, {0, 30}) << QList<double>{30, 0, 0} << 100.0 << "receipt"
        << QStringList{"C/Card Payment - Thank you|30.00"} << "0.00 30.00 0.00 0.00";
    QTest::newRow("a reprint shows the figures stored with it")
        << stored << QList<double>{} << 999.0 << "receipt" << QStringList{"Payment - Thank you|48.00"}
        << "33.33 60.00 10.00 2.00";
    QTest::newRow("a first print shows the sale's figures, not the row's")
        << ignored << QList<double>{50, 5, 0} << 45.0 << "receipt" << QStringList{"Payment - Thank you|45.00"}
        << "0.00 50.00 5.00 0.00";
}

void TestReceipts::document()
{
    QFETCH(ReceiptRow, row);
    QFETCH(QList<double>, sale);
    QFETCH(double, owed);
    PostingShop shop;
    const int cashAccount = row.account == kObrien ? kObrien : 1;
    TestShop::exec(QStringLiteral("UPDATE Personel SET CashAcc=%1 WHERE Name='MARY'").arg(cashAccount));
    if (owed != 0)
        PostingShop::owe(row.account, owed);
    const bool firstPrint = !sale.isEmpty();
    sale.resize(3);
    const int n = SaleRows::receipt(row);
    const DocParts d = DocParts::parse(utils->buildReceipt(n, firstPrint, sale[0], sale[1], sale[2]));
    QVERIFY2(d.valid, qPrintable(d.error));
    QTEST(d.head["type"], "type");
    QStringList lines;
    for (const DocElement& e : d.items)
        lines << e["description"] + '|' + e["payment"];
    QTEST(lines, "lines");
    QTEST(QStringList({d.tail["outstanding"], d.tail["tender"], d.tail["change"], d.tail["tip"]}).join(' '), "tail");
    QCOMPARE(d.tail["firstprint"], QString(firstPrint ? "true" : "false"));

    if (row.eft != 0) { // EFT is a room charge where Semper is on
        settings->writeEntry(QStringLiteral("/Global/Semper/Enabled"), true);
        const DocParts room = DocParts::parse(utils->buildReceipt(n, firstPrint, sale[0], sale[1], sale[2]));
        QCOMPARE(room.column("description").at(4), QStringLiteral("On Account - Thank you"));
    }
}

void TestReceipts::fields_data()
{
    QTest::addColumn<bool>("firstPrint");
    QTest::addColumn<QString>("preview");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("extra");
    QTest::newRow("first print, previewed") << true << "ON" << "" << QStringList{"auto=", "logo="};
    QTest::newRow("first print printing by itself") << true << "OFF" << "" << QStringList{"auto=print"};
    QTest::newRow("a reprint never prints by itself") << false << "OFF" << "" << QStringList{"auto="};
    QTest::newRow("logo printer") << true << "ON" << "logo" << QStringList{"logo=<img src=PrintLogo>"};
}

void TestReceipts::fields()
{
    QFETCH(bool, firstPrint);
    QFETCH(QString, preview);
    QFETCH(QString, mode);
    QFETCH(QStringList, extra);
    PostingShop shop;
    settings->writeEntry(QStringLiteral("/ReceiptPrinter/Preview"), preview);
    settings->writeEntry(QStringLiteral("/ReceiptPrinter/Mode"), mode);
    ReceiptRow row = paid(kBayside, {25});
    row.waiter = "SUE";
    row.email = "stored@bayside.example";
    const int n = SaleRows::receipt(row);
    const DocParts d = DocParts::parse(utils->buildReceipt(n, firstPrint, 25, 0, 0));
    QVERIFY2(d.valid, qPrintable(d.error));
    QCOMPARE(d.head.pick(extra), extra);
    // The VAT number goes under the name, by the document's line break; a
    // reprint shows the address the receipt went to.
    const QStringList shown{"printer=Receipt", "number=" + QString::number(n), "acc=14",
                            "client=BAYSIDE CATERING\\nVAT No. 4987654321", "postal=PO Box 77\\nHarbour Bay\\n8001",
                            "phone=021 555 0199", firstPrint ? "email=accounts@bayside.example" : "email=" + row.email,
                            "aline1=The Harbour Kitchen", "aline7=VAT No 4123456789", "shortdate=2026-12-05",
                            "time=10:30:00", "printdate=2026-12-05"};
    QCOMPARE(d.head.pick(shown), shown);
    const QStringList tail{"recfoot=Thank you - please come again!", "cashier=SUE", "shortdate=2026-12-05"};
    QCOMPARE(d.tail.pick(tail), tail);
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
    QTest::newRow("receipts off: a sale posts without the window") << false << true << false << -1 << true << true
                                                                   << true;
    QTest::newRow("receipts off: a reprint is still shown") << false << false << false << 1 << false << false << true;
    QTest::newRow("receipts off: a room-charge reprint is not shown") << false << false << true << -1 << false << false
                                                                      << true;
    QTest::newRow("receipts on: a room charge is shown and may be cancelled")
        << true << true << true << 0 << false << false << false;
}

void TestReceipts::posting()
{
    QFETCH(bool, printReceipt);
    QFETCH(bool, firstPrint);
    QFETCH(bool, semper);
    QFETCH(int, window);
    QFETCH(bool, posted);
    QFETCH(bool, kept);
    PostingShop shop;
    settings->writeEntry(QStringLiteral("/Global/PrintReceipt"), printReceipt);
    PostingShop::owe(kBayside, 100);
    ReceiptRow row = paid(kBayside, {40, 10});
    row.tip = 3;
    const int n = SaleRows::receipt(row);
    // The window still holds the address of the document it showed before.
    utils->docPrint()->parseXml("<zendrik><head type=\"receipt\" email=\"earlier@example.com\"/></zendrik>");
    if (window >= 0)
        shop.expectDocument(window);
    QTEST(utils->processReceipt(n, firstPrint, 55, 2, 3, semper), "result");
    QCOMPARE(PostingShop::ledger(n, "R,VR"), posted ? QStringList{"R -50.00 0.00"} : QStringList{});
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Receipt WHERE MyNumber=%1").arg(n)), kept ? 1 : 0);
    QCOMPARE(utils->getBalBF(kBayside, true), posted ? 50.0 : 100.0);
    if (posted) {
        // The address of the document the window showed; none without it.
        const QString email = window >= 0 ? "accounts@bayside.example" : "";
        QCOMPARE(TestShop::value("SELECT AccountNumber FROM Journal WHERE Description='R'").toInt(), int(kBayside));
        QCOMPARE(TestShop::value("SELECT TipAmount FROM Journal WHERE Description='R'").toDouble(), 3.0);
        const QString date = TestShop::value("SELECT MyDate FROM Journal WHERE Description='R'").toString();
        QCOMPARE(date.left(19).replace('T', ' '), QStringLiteral("2026-12-05 10:30:00"));
        QCOMPARE(TestShop::value(QStringLiteral("SELECT Email FROM Receipt WHERE MyNumber=%1").arg(n)).toString(),
                 email);
    }
}

void TestReceipts::voids_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("voided");
    QTest::addColumn<bool>("archived"); // a cash-up moved the ledger rows before the void
    QTest::newRow("a reason voids it") << QStringList{"Paid twice"} << true << false;
    QTest::newRow("an empty reason is asked again") << QStringList{"", "   ", "Wrong account"} << true << false;
    QTest::newRow("a reason like a placeholder is kept as typed") << QStringList{"Keyed 100%3 by mistake"} << true
                                                                   << false;
    QTest::newRow("cancel changes nothing") << QStringList{"<cancel>"} << false << false;
    QTest::newRow("cancel after an empty reason") << QStringList{"", "<cancel>"} << false << false;
    QTest::newRow("an archived receipt is voided in the archive") << QStringList{"Paid twice"} << true << true;
}

void TestReceipts::voids()
{
    QFETCH(QStringList, answers);
    QFETCH(bool, voided);
    QFETCH(bool, archived);
    PostingShop shop;
    const int n = SaleRows::receipt(paid(kBayside, {100}));
    PostingShop::owe(kBayside, 100, 500, n); // paid by this receipt
    PostingShop::owe(kBayside, 40, 501, 77); // paid by another one
    shop.expectDocument(1);
    QVERIFY(utils->processReceipt(n, true, 100, 0, 0, false));
    QCOMPARE(utils->getBalBF(kBayside, true), 40.0);
    const QString ledgerTable = archived ? QStringLiteral("JournalArchive") : QStringLiteral("Journal");
    if (archived) {
        TestShop::exec(QStringLiteral("INSERT INTO JournalArchive SELECT * FROM Journal"));
        TestShop::exec(QStringLiteral("DELETE FROM Journal"));
    }
    utils->setDetails(kBayside);
    utils->setWaiter(QStringLiteral("SUE"));
    const int actionsBefore = int(actionRows().size());

    shop.expectReasons(QStringLiteral("Void Receipt"),
                       QStringLiteral("Enter the reason why you will void receipt number %1").arg(n),
                       QStringLiteral("You must give a reason you are trying to void this Receipt"), answers);
    QCOMPARE(utils->voidReceipt(n), voided);
    if (voided) {
        shop.prompts().expect(ZkPrompt::Information, QStringLiteral("Void Receipt"),
                              QStringLiteral("Receipt # %1 has already been voided").arg(n));
        QVERIFY(!utils->voidReceipt(n));
    }
    QCOMPARE(PostingShop::ledger(n, "R,VR"), QStringList{voided ? "VR -100.00 0.00" : "R -100.00 0.00"});
    if (!archived)
        QCOMPARE(utils->getBalBF(kBayside, true), voided ? 140.0 : 40.0);
    // The invoice it paid is unpaid again; the other one is not touched.
    QCOMPARE(PostingShop::row(QStringLiteral("SELECT a.CrossRef, b.CrossRef FROM %1 a, %1 b WHERE a.MyNumber=500 AND "
                                             "b.MyNumber=501")
                                  .arg(ledgerTable)),
             QStringLiteral("%1|77").arg(voided ? 0 : n));
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Receipt WHERE MyNumber=%1").arg(n)), 1);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Voids")), voided ? 1 : 0);
    const QList<ActionRow> actions = actionRows();
    QCOMPARE(int(actions.size()), actionsBefore + (voided ? 1 : 0));
    if (voided) {
        QCOMPARE(PostingShop::row("SELECT Reason, DocType, Number, Who FROM Voids"),
                 QStringLiteral("%1|R|%2|SUE").arg(answers.last(), QString::number(n)));
        QCOMPARE(TestShop::value("SELECT MyDate FROM Voids").toString().left(10), QStringLiteral("2026-12-05"));
        QCOMPARE(actions.last().action + '|' + actions.last().info + '|' + actions.last().status,
                 QStringLiteral("VOID RECEIPT|ACC: 14|0"));
        QVERIFY(actions.last().who.startsWith(QStringLiteral("REC #: %1").arg(n)));
    }
}

BREVALON_TEST_MAIN(TestReceipts)
#include "tst_receipts.moc"
