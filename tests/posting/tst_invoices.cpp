// Posting at the counter. Receipts: the document of every kind of payment
// and what an accepted, cancelled or repeated print leaves in the ledger.
// Invoices, quotes, refunds and orders: lines and totals in both tax modes
// with cash rounding, posted once whatever happens in between, sequence
// numbers, due-back records, take-out change, retracting, previews. Voids of
// both. A day of all of these, after which every account owes what a person
// adding up its documents would say. What goes wrong: documents that do not
// exist, another station on the scratch table, a statement failing inside a
// posting unit. Refund receipts, quotes and refunds on paper.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "documents/docprint.h"
#include "sales/change.h"
#include "tests/posting/paper.h"
#include "tests/posting/postingshop.h"
#include "tests/support/actionrows.h"

#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
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

SaleLine line(double price, const QString& tax1 = "Y", const QString& tax2 = "N", double quantity = 1)
{
    SaleLine l;
    l.code = "6004", l.description = "HONEY 500G", l.department = "GROCERY";
    l.price = price, l.quantity = quantity, l.tax1 = tax1, l.tax2 = tax2;
    return l;
}

QVariant invoiceField(int invoice, const char* column)
{
    return TestShop::value(QStringLiteral("SELECT %1 FROM Invoice WHERE MyNumber=%2").arg(column).arg(invoice));
}

int shopSequence()
{
    return TestShop::value(QStringLiteral("SELECT SequenceNo FROM SysInfo")).toInt();
}

const QList<SaleLine> kMixed{line(115.00, "Y", "N"), line(38.00, "Y", "Y"), line(12.37, "N", "N")};

qint64 cents(double amount)
{
    return qRound64(amount * 100);
}

// A rate times cents, to the nearest cent, halves away from nothing; in
// whole numbers so no binary fraction can tip it.
qint64 taxOn(qint64 amountCents, double rate)
{
    const qint64 product = amountCents * qRound64(rate * 10000);
    const qint64 whole = (qAbs(product) + 5000) / 10000;
    return product < 0 ? -whole : whole;
}

// What the customer owes for a document: its lines, the tax on top when
// prices exclude it, less what cash rounding takes off.
qint64 owedFor(const QList<SaleLine>& lines, bool taxOnTop, int unit)
{
    qint64 sum = 0, taxed1 = 0, taxed2 = 0;
    for (const SaleLine& l : lines) {
        sum += cents(l.price);
        taxed1 += l.tax1 == QLatin1String("Y") ? cents(l.price) : 0;
        taxed2 += l.tax2 == QLatin1String("Y") ? cents(l.price) : 0;
    }
    if (taxOnTop)
        sum += taxOn(taxed1, 0.15) + taxOn(taxed2, 0.02);
    return sum - (unit == 0 ? 0 : sum % unit);
}

SaleLine untaxed(double price)
{
    SaleLine l = SaleRows::textLine(QStringLiteral("Inventory"), QStringLiteral("DELIVERY"), price);
    l.tax1 = l.tax2 = QStringLiteral("N");
    return l;
}

// A trigger making one kind of statement fail, as a full disk or a lost
// server would; dropped however the test ends.
struct Fault
{
    Fault(const QString& event, const QString& table, const QString& condition)
    {
        const QString body = TestShop::isMariaDb()
            ? QStringLiteral("BEGIN IF %3 THEN SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='disk full'; END IF; END")
            : QStringLiteral("WHEN %3 BEGIN SELECT RAISE(ABORT, 'disk full'); END");
        const QString trigger = "CREATE TRIGGER posting_fault BEFORE %1 ON %2 FOR EACH ROW " + body;
        TestShop::exec(trigger.arg(event, table, condition));
    }
    ~Fault() { clear(); }
    void clear()
    {
        if (on)
            TestShop::exec(QStringLiteral("DROP TRIGGER posting_fault"));
        on = false;
    }
    bool on = true;
};

bool tempExists()
{
    return QSqlQuery().exec(QStringLiteral("SELECT COUNT(*) FROM temp"));
}

} // namespace

class TestInvoices : public QObject
{
    Q_OBJECT

private slots:
    void receiptDocument_data();
    void receiptDocument();
    void receiptPosting_data();
    void receiptPosting();
    void voids_data();
    void voids();
    void totals_data();
    void totals();
    void lineItems_data();
    void lineItems();
    void documentHead_data();
    void documentHead();
    void postedOnce_data();
    void postedOnce();
    void sequenceNumbersAndPreview();
    void dueBack_data();
    void dueBack();
    void retractAndRepost();
    void takeOutChange_data();
    void takeOutChange();
    void balancesAddUp_data();
    void balancesAddUp();
    void missingDocuments_data();
    void missingDocuments();
    void scratchTableHeldByAnotherStation_data();
    void scratchTableHeldByAnotherStation();
    void failedStatementThenRedo_data();
    void failedStatementThenRedo();
    void onPaper_data();
    void onPaper();
};

void TestInvoices::receiptDocument_data()
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

void TestInvoices::receiptDocument()
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

void TestInvoices::receiptPosting_data()
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

void TestInvoices::receiptPosting()
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

void TestInvoices::voids_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("voided");
    QTest::addColumn<bool>("archived"); // a cash-up moved the receipt's ledger rows before the void
    QTest::newRow("an empty reason is asked again")
        << "Receipt" << QStringList { "", "   ", "Wrong account" } << true << false;
    QTest::newRow("a reason like a placeholder is kept as typed")
        << "Receipt" << QStringList { "Keyed 100%3 by mistake" } << true << false;
    QTest::newRow("cancel changes nothing") << "Receipt" << QStringList { "<cancel>" } << false << false;
    QTest::newRow("an archived receipt is voided in the archive")
        << "Receipt" << QStringList { "Paid twice" } << true << true;
    QTest::newRow("an invoice, a line of it archived")
        << "Invoice" << QStringList { "Wrong table" } << true << false;
    QTest::newRow("an invoice: cancel changes nothing")
        << "Invoice" << QStringList { "<cancel>" } << false << false;
}

void TestInvoices::voids()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, answers);
    QFETCH(bool, voided);
    QFETCH(bool, archived);
    PostingShop shop;
    const bool receipt = kind == QLatin1String("Receipt");
    const double cola = PostingShop::stock("1001"), milk = PostingShop::stock("6002"),
                 gas = PostingShop::stock("6006");
    int n = 0;
    if (receipt) {
        n = SaleRows::receipt(paid(kBayside, { 100 }));
        PostingShop::owe(kBayside, 100, 500, n); // paid by this receipt
        PostingShop::owe(kBayside, 40, 501, 77); // paid by another one
        shop.expectDocument(1);
        QVERIFY(utils->processReceipt(n, true, 100, 0, 0, false));
        QCOMPARE(utils->getBalBF(kBayside, true), 40.0);
        if (archived) {
            TestShop::exec(QStringLiteral("INSERT INTO JournalArchive SELECT * FROM Journal"));
            TestShop::exec(QStringLiteral("DELETE FROM Journal"));
        }
    } else {
        SaleLine returned = SaleRows::item("6006", -1);
        returned.description = "RET: GAS CYLINDER 9KG";
        n = SaleRows::invoice(kBayside, { SaleRows::item("1001", 2), SaleRows::item("6002", 3), returned });
        shop.expectDocument(1);
        QVERIFY(utils->processInvoice(n, false));
        QCOMPARE(PostingShop::stock("1001"), cola - 2);
        // A cash-up has moved the milk line to the archive; an older copy of
        // the posting sits in the archive of a closed month.
        TestShop::exec(
            QStringLiteral("INSERT INTO InvoiceItemArchive SELECT * FROM InvoiceItem WHERE Code='6002'"));
        TestShop::exec(QStringLiteral("DELETE FROM InvoiceItem WHERE Code='6002'"));
        TestShop::exec(QStringLiteral("INSERT INTO JournalArchive SELECT * FROM Journal"));
    }
    const double owed = utils->getBalBF(kBayside, true);
    utils->setDetails(kBayside);
    utils->setWaiter(receipt ? QStringLiteral("SUE") : QStringLiteral("JOHN"));
    const int actionsBefore = int(actionRows().size());

    shop.expectReasons("Void " + kind,
        QStringLiteral("Enter the reason why you will void %1 number %2").arg(kind.toLower()).arg(n),
        "You must give a reason you are trying to void this " + kind, answers);
    QCOMPARE(receipt ? utils->voidReceipt(n) : utils->voidInvoice(n), voided);
    if (voided) {
        // A second station that still listed it cannot undo it twice.
        shop.prompts().expect(ZkPrompt::Information, "Void " + kind,
            QStringLiteral("%1 # %2 has already been voided").arg(kind).arg(n));
        QVERIFY(receipt ? !utils->voidReceipt(n) : !utils->voidInvoice(n));
    }
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Voids")), voided ? 1 : 0);
    if (voided)
        QCOMPARE(PostingShop::row("SELECT Reason, DocType, Number, Who FROM Voids"),
            QStringLiteral("%1|%2|%3|%4")
                .arg(answers.last(), kind.left(1), QString::number(n), receipt ? "SUE" : "JOHN"));
    if (!receipt) {
        // Voided where it stands: in the ledger and in the archive.
        QCOMPARE(PostingShop::ledger(n, voided ? "VI" : "I").size(), 2);
        QCOMPARE(PostingShop::ledger(n, "I,VI").size(), 2);
        QCOMPARE(utils->getBalBF(kBayside, true), voided ? 0.0 : owed);
        QCOMPARE(PostingShop::stock("1001"), voided ? cola : cola - 2);
        QCOMPARE(PostingShop::stock("6002"), voided ? milk : milk - 3);
        QCOMPARE(PostingShop::stock("6006"), gas + 1); // the line that was itself a return stays
        return;
    }
    QCOMPARE(PostingShop::ledger(n, "R,VR"), QStringList { voided ? "VR -100.00 0.00" : "R -100.00 0.00" });
    if (!archived)
        QCOMPARE(utils->getBalBF(kBayside, true), voided ? 140.0 : 40.0);
    // The invoice it paid is unpaid again; the other one is not touched.
    QCOMPARE(PostingShop::row(
                 QStringLiteral("SELECT a.CrossRef, b.CrossRef FROM %1 a, %1 b WHERE a.MyNumber=500 AND "
                                "b.MyNumber=501")
                     .arg(archived ? QStringLiteral("JournalArchive") : QStringLiteral("Journal"))),
        QStringLiteral("%1|77").arg(voided ? 0 : n));
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Receipt WHERE MyNumber=%1").arg(n)), 1);
    const QList<ActionRow> actions = actionRows();
    QCOMPARE(int(actions.size()), actionsBefore + (voided ? 1 : 0));
    if (voided) {
        QCOMPARE(
            TestShop::value("SELECT MyDate FROM Voids").toString().left(10), QStringLiteral("2026-12-05"));
        QCOMPARE(actions.last().action + '|' + actions.last().info + '|' + actions.last().status,
            QStringLiteral("VOID RECEIPT|ACC: 14|0"));
        QVERIFY(actions.last().who.startsWith(QStringLiteral("REC #: %1").arg(n)));
    }
}

void TestInvoices::totals_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("window"); // the window's answer; -1: not shown
    QTest::addColumn<QString>("taxMode");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QList<SaleLine>>("lines");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("tail");
    QTest::addColumn<QString>("ledger");
    QTest::addColumn<double>("balance");
    // 115.00 with VAT only, 38.00 with VAT and levy, 12.37 untaxed.
    const QStringList inc{"subtotal=165.37", "tax1total=19.87", "tax2total=0.65", "total=165.37", "exctotal=144.85",
                          "exc1total=145.50", "exc2total=164.72", "tax1=15.00", "tax2=2.00", "tax1name=VAT",
                          "tax2name=LEVY"};
    const QStringList exc{"subtotal=165.37", "tax1total=22.95", "tax2total=0.76", "total=189.08", "exctotal=165.37"};
    QTest::newRow("prices include tax") << 0 << 1 << "I" << 0 << kMixed << "Invoice"
                                        << inc + QStringList{"rounding=0.00", "due=165.37"} << "I 165.37 0.00"
                                        << 165.37;
    QTest::newRow("prices include tax, 5 cents") << 0 << 1 << "I" << 5 << kMixed << "Invoice"
                                                 << inc + QStringList{"rounding=0.02", "due=165.35"} << "I 165.37 0.02"
                                                 << 165.35;
    QTest::newRow("tax on top") << 0 << 1 << "E" << 0 << kMixed << "Invoiceexc"
                                << exc + QStringList{"rounding=0.00", "due=189.08"} << "I 189.08 0.00" << 189.08;
    QTest::newRow("tax on top, 10 cents") << 0 << 1 << "E" << 10 << kMixed << "Invoiceexc"
                                          << exc + QStringList{"rounding=0.08", "due=189.00"} << "I 189.08 0.08"
                                          << 189.00;
    QTest::newRow("half a cent of tax rounds up alike on paper and in the ledger")
        << 0 << 1 << "E" << 0 << QList<SaleLine>{line(10.10)} << "Invoiceexc"
        << QStringList{"subtotal=10.10", "tax1total=1.52", "total=11.62", "due=11.62"} << "I 11.62 0.00" << 11.62;
    QTest::newRow("a refund on top of tax gives the half cent back to the shop")
        << 2 << 1 << "E" << 0 << QList<SaleLine>{line(-10.10, "Y", "N", -1)} << "Returnexc"
        << QStringList{"subtotal=-10.10", "tax1total=-1.52", "total=-11.62", "due=-11.62"} << "RF -11.62 0.00"
        << -11.62;
    QTest::newRow("a refund's cash rounding is toward nothing")
        << 2 << 1 << "I" << 5 << QList<SaleLine>{line(-12.37, "Y", "N", -1)} << "Return"
        << QStringList{"total=-12.37", "rounding=-0.02", "due=-12.35"} << "RF -12.37 -0.02" << -12.35;
    QTest::newRow("a quote is posted as Q and owes nothing")
        << 1 << 1 << "E" << 5 << kMixed << "Quoteexc" << exc + QStringList{"rounding=0.03"} << "Q 189.08 0.03" << 0.0;
    QTest::newRow("a cancelled invoice stays open") << 0 << 0 << "I" << 0 << kMixed << "Invoice" << inc << "" << 0.0;
    QTest::newRow("a cancelled refund posts nothing")
        << 2 << 0 << "I" << 0 << QList<SaleLine>{line(-12.37, "Y", "N", -1)} << "Return" << QStringList{} << "" << 0.0;
    QTest::newRow("an order shows nothing and posts nothing") << 3 << -1 << "I" << 0 << kMixed << "" << QStringList{}
                                                              << "" << 0.0;
}

void TestInvoices::totals()
{
    QFETCH(int, mode);
    QFETCH(int, window);
    QFETCH(QString, taxMode);
    QFETCH(int, unit);
    QFETCH(QList<SaleLine>, lines);
    QFETCH(QStringList, tail);
    PostingShop shop;
    PostingShop::setTaxRules(taxMode, unit);
    const int n = SaleRows::invoice(kBayside, lines);
    utils->setDetails(kObrien);
    PostingShop::setMode(mode);
    const int actionsBefore = int(actionRows().size());
    DocParts shown;
    if (window >= 0)
        shop.expectDocument(window, &shown);
    double total = 0, tax1 = 0, tax2 = 0;
    QCOMPARE(utils->processInvoice(n, false, &total, &tax1, &tax2), window == 1);
    QTEST(shown.head["type"], "type");
    QCOMPARE(shown.tail.pick(tail), tail);
    QTEST(PostingShop::ledger(n, "I,Q,RF,VI").join(QString()), "ledger");
    QTEST(utils->getBalBF(kBayside, true), "balance");
    QCOMPARE(invoiceField(n, "Status").toString(), QString(window == 1 ? "C" : "P"));
    QCOMPARE(utils->getAccountNumber(), int(kObrien)); // the counter's account is left as it was
    // The caller learns the document's own figures.
    if (window >= 0)
        QCOMPARE(Utility::numStr(total, 2) + Utility::numStr(tax1, 2) + Utility::numStr(tax2, 2),
                 shown.tail["total"] + shown.tail["tax1total"] + shown.tail["tax2total"]);
    if (window == 1)
        QCOMPARE(invoiceField(n, "Email").toString(), QStringLiteral("accounts@bayside.example"));
    // An accepted refund is logged.
    const QList<ActionRow> actions = actionRows();
    QCOMPARE(int(actions.size()), actionsBefore + (mode == 2 && window == 1 ? 1 : 0));
    if (actions.size() > actionsBefore)
        QCOMPARE(actions.last().action + '|' + actions.last().info + '|' + actions.last().status,
                 QStringLiteral("REFUND|ACCOUNT NO 14, DOC NO. %1|2").arg(n));
}

void TestInvoices::lineItems_data()
{
    QTest::addColumn<SaleLine>("sold");
    QTest::addColumn<QStringList>("item"); // empty: the line does not print
    SaleLine l = line(37.00, "Y", "N", 2);
    l.code = "1001", l.description = "Coca-Cola 330ml", l.uom = "CAN", l.department = "DRINKS";
    QTest::newRow("an item line") << l << QStringList{"quantity=2.00", "iquantity=2", "uom=CAN", "department=DRINKS",
                                                      "description=COCA-COLA 330ML", "price=37.00", "unitprice=18.50",
                                                      "discount=0.00", "category=Inventory", "taxflags=*",
                                                      "itaxflags=#"};
    QTest::newRow("a Notes line never prints") << SaleRows::textLine("Notes", "Guest is the owner", 5.00)
                                               << QStringList{};
    QTest::newRow("an ordinary line of price 0 never prints") << line(0.00) << QStringList{};
    QTest::newRow("a Remarks line prints its text alone")
        << SaleRows::textLine("Remarks", "Well done, no salt")
        << QStringList{"quantity=", "iquantity=", "uom=", "department=", "description=WELL DONE, NO SALT", "price=",
                       "unitprice=", "discount=", "category=Remarks"};
    l = SaleRows::textLine("Remarks", "Crate deposit", 0, 2);
    l.returnable = "Y", l.uom = "CRATE";
    QTest::newRow("a returnable Remarks line keeps its quantity")
        << l << QStringList{"quantity=2.00", "iquantity=2", "uom=", "price=", "description=CRATE DEPOSIT"};
    l = line(389.00);
    l.description = "Gas cylinder 9kg", l.serial = "SN-0042a";
    QTest::newRow("the serial number goes under the description")
        << l << QStringList{"description=GAS CYLINDER 9KG\\nSerial No: SN-0042a"};
    QTest::newRow("half a portion") << line(29.50, "Y", "N", 0.5)
                                    << QStringList{"quantity=0.50", "iquantity=", "unitprice=59.00"};
    QTest::newRow("2.7 kg") << line(27.00, "Y", "N", 2.7)
                            << QStringList{"quantity=2.70", "iquantity=3", "unitprice=10.00"};
    l = line(72.00, "Y", "Y");
    l.description = "Salad \"house\" & <dressing> O'Neil", l.discount = 12.5;
    QTest::newRow("awkward text survives; both taxes")
        << l << QStringList{"description=SALAD \"HOUSE\" & <DRESSING> O'NEIL", "discount=12.50", "taxflags=*#",
                            "itaxflags="};
    // A GS1 scanner puts 0x1D between its fields: the document stays readable.
    QTest::newRow("a scanner's group separator in a remark")
        << SaleRows::textLine("Remarks", "Lot\x1d" "42 (17)2712")
        << QStringList{"description=LOT 42 (17)2712", "category=Remarks"};
    QTest::newRow("a blank tax flag is neither") << line(10.00, " ", " ") << QStringList{"taxflags=*#", "itaxflags=*#"};
    QTest::newRow("a returned line keeps its minus")
        << line(-18.50, "Y", "N", -1)
        << QStringList{"quantity=-1.00", "iquantity=-1", "price=-18.50", "unitprice=18.50"};
}

void TestInvoices::lineItems()
{
    QFETCH(SaleLine, sold);
    QFETCH(QStringList, item);
    PostingShop shop;
    SaleLine marker = line(1.00, "Y", "Y");
    marker.description = "MARKER";
    const int n = SaleRows::invoice(kBayside, {marker, sold});
    DocParts d = DocParts::parse(utils->buildInvoice(n, false, 0));
    QVERIFY2(d.valid, qPrintable(d.error));
    QCOMPARE(d.column("description").first(), QStringLiteral("MARKER"));
    QCOMPARE(d.items.size(), item.isEmpty() ? 1 : 2);
    if (!item.isEmpty())
        QCOMPARE(d.items.last().pick(item), item);
    // A tax without a rate when the document was made is never marked.
    TestShop::exec(QStringLiteral("UPDATE Invoice SET Tax2=0 WHERE MyNumber=%1").arg(n));
    d = DocParts::parse(utils->buildInvoice(n, false, 0));
    QCOMPARE(d.items.first()["taxflags"] + '|' + d.items.first()["itaxflags"], QStringLiteral("*|"));
}

void TestInvoices::documentHead_data()
{
    QTest::addColumn<int>("mode"); // -1: a receipt; else the invoice's document mode
    QTest::addColumn<bool>("reprint");
    QTest::addColumn<QString>("preview");
    QTest::addColumn<QStringList>("head");
    QTest::addColumn<QStringList>("tail");
    // The VAT number goes under the name, by the document's line break; a
    // reprint shows the address the document went to.
    const QString client = QStringLiteral("client=BAYSIDE CATERING\\nVAT No. 4987654321");
    QTest::newRow("receipt, previewed")
        << -1 << false << "ON" << QStringList { "auto=", "logo=", client, "email=accounts@bayside.example" }
        << QStringList { "cashier=SUE" };
    QTest::newRow("receipt printing by itself")
        << -1 << false << "OFF" << QStringList { "auto=print" } << QStringList {};
    QTest::newRow("a receipt reprint never prints by itself")
        << -1 << true << "OFF" << QStringList { "auto=", "email=stored@bayside.example" } << QStringList {};
    QTest::newRow("receipt on a logo printer")
        << -1 << false << "logo" << QStringList { "logo=<img src=PrintLogo>" } << QStringList {};
    // A new invoice adds itself to what is owed; a reprint is in it already.
    QTest::newRow("new invoice, previewed")
        << 0 << false << "ON"
        << QStringList { "auto=", "autoclose=", client, "waiter=JOHN", "email=accounts@bayside.example" }
        << QStringList { "cashier=MARY", "waiter=JOHN", "outstanding=50.00" };
    QTest::newRow("new invoice printing by itself")
        << 0 << false << "OFF" << QStringList { "auto=print" } << QStringList {};
    QTest::newRow("an invoice reprint never prints by itself")
        << 0 << true << "OFF" << QStringList { "auto=", "email=sent@elsewhere.example" }
        << QStringList { "outstanding=10.00" };
    QTest::newRow("an order closes its window itself")
        << 3 << false << "ON" << QStringList { "autoclose=true" } << QStringList {};
}

void TestInvoices::documentHead()
{
    QFETCH(int, mode);
    QFETCH(bool, reprint);
    QFETCH(QString, preview);
    QFETCH(QStringList, head);
    QFETCH(QStringList, tail);
    PostingShop shop;
    const QString role = mode < 0 ? QStringLiteral("Receipt") : QStringLiteral("Invoice");
    settings->writeEntry("/" + role + "Printer/Preview", preview == QLatin1String("OFF") ? "OFF" : "ON");
    settings->writeEntry("/" + role + "Printer/Mode", preview == QLatin1String("logo") ? "logo" : "");
    QString xml;
    if (mode < 0) {
        ReceiptRow row = paid(kBayside, { 25 });
        row.waiter = "SUE";
        row.email = "stored@bayside.example";
        xml = utils->buildReceipt(SaleRows::receipt(row), !reprint, 25, 0, 0);
    } else {
        TestShop::exec(
            QStringLiteral("UPDATE Clients SET Email='Accounts@Bayside.Example' WHERE AccountNumber=14"));
        const int n = SaleRows::invoice(kBayside, { line(40.00) }, QStringLiteral("JOHN"));
        TestShop::exec(
            QStringLiteral("UPDATE Invoice SET Email='Sent@Elsewhere.Example' WHERE MyNumber=%1").arg(n));
        PostingShop::owe(kBayside, 10);
        PostingShop::setMode(mode);
        xml = utils->buildInvoice(n, reprint, 0);
    }
    const DocParts d = DocParts::parse(xml);
    QVERIFY2(d.valid, qPrintable(d.error));
    QCOMPARE(d.head.pick(head), head);
    QCOMPARE(d.tail.pick(tail), tail);
}

void TestInvoices::postedOnce_data()
{
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<bool>("reprint");
    QTest::addColumn<QStringList>("ledger");
    QTest::newRow("accepted again as new") << "" << false << QStringList{"I 58.50 0.00"};
    QTest::newRow("accepted again as a reprint") << "" << true << QStringList{"I 58.50 0.00"};
    QTest::newRow("a cash-up archived its posting and lines") << "archive" << true << QStringList{"I 58.50 0.00"};
    QTest::newRow("it was voided") << "void" << true << QStringList{"VI 58.50 0.00"};
    QTest::newRow("its account was purged") << "purge" << true << QStringList{};
}

void TestInvoices::postedOnce()
{
    QFETCH(QString, meanwhile);
    QFETCH(bool, reprint);
    PostingShop shop;
    const int n = SaleRows::invoice(kBayside, {SaleRows::item("1001", 2), SaleRows::item("6002")});
    shop.expectDocument(1);
    QVERIFY(utils->processInvoice(n, false));
    if (meanwhile == QLatin1String("archive")) {
        for (const char* table : {"Journal", "InvoiceItem"}) {
            TestShop::exec(QStringLiteral("INSERT INTO %1Archive SELECT * FROM %1").arg(QLatin1String(table)));
            TestShop::exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
        }
    } else if (meanwhile == QLatin1String("void")) {
        shop.expectReasons(QStringLiteral("Void Invoice"), QString(), QString(), {"Wrong table"});
        QVERIFY(utils->voidInvoice(n));
    } else if (meanwhile == QLatin1String("purge")) {
        TestShop::exec(QStringLiteral("DELETE FROM Journal WHERE AccountNumber=14"));
        TestShop::exec(QStringLiteral("DELETE FROM Clients WHERE AccountNumber=14"));
    }
    DocParts shown;
    shop.expectDocument(1, &shown);
    QVERIFY(utils->processInvoice(n, reprint));
    QTEST(PostingShop::ledger(n, "I,Q,RF,VI"), "ledger");
    QCOMPARE(invoiceField(n, "Status").toString(), QStringLiteral("C"));
    QCOMPARE(shown.column("description"), (QStringList{"COCA-COLA 330ML", "FULL CREAM MILK 1L"}));
    QCOMPARE(shown.tail["total"], QStringLiteral("58.50"));
}

void TestInvoices::sequenceNumbersAndPreview()
{
    PostingShop shop;
    TestShop::exec(QStringLiteral("UPDATE SysInfo SET SequenceNo=41"));
    const int n = SaleRows::invoice(kBayside, {line(40.00)});
    // A preview is shown, not printed, even where invoices print by
    // themselves; it takes a number but posts nothing.
    settings->writeEntry(QStringLiteral("/InvoicePrinter/Preview"), QStringLiteral("OFF"));
    DocParts shown;
    bool viewOnly = false;
    shop.expectDocument(1, &shown, &viewOnly);
    utils->previewInvoice(n);
    settings->writeEntry(QStringLiteral("/InvoicePrinter/Preview"), QStringLiteral("ON"));
    QVERIFY(viewOnly && !shown.head.has("auto"));
    QCOMPARE(shown.head["sequence"] + '|' + shown.tail["sequence"] + '|' + shown.tail["total"],
             QStringLiteral("42|42|40.00"));
    QCOMPARE(QList<int>({shopSequence(), invoiceField(n, "SequenceNo").toInt()}), QList<int>({42, 42}));
    QCOMPARE(invoiceField(n, "Status").toString(), QStringLiteral("P"));
    QCOMPARE(PostingShop::ledger(n, "I"), QStringList{});

    // Building only (the receipt learning the totals) takes one as well.
    double total = 0;
    QVERIFY(!utils->processInvoice(n, false, &total, nullptr, nullptr, true));
    QCOMPARE(total, 40.0);
    QCOMPARE(invoiceField(n, "SequenceNo").toInt(), 43);
    // A reprint shows the document's own number and takes none.
    for (bool reprint : {false, true}) {
        shop.expectDocument(1, &shown);
        QVERIFY(utils->processInvoice(n, reprint));
        QCOMPARE(shown.head["sequence"], QStringLiteral("44"));
    }
    QCOMPARE(shopSequence(), 44);

    const int next = SaleRows::invoice(kObrien, {line(5.00)});
    QVERIFY(!utils->buildInvoice(next, false, 0).isEmpty());
    QCOMPARE(invoiceField(next, "SequenceNo").toInt(), 45);
    // A shop without its SysInfo row starts again at 1.
    TestShop::exec(QStringLiteral("DELETE FROM SysInfo"));
    QVERIFY(!utils->buildInvoice(next, false, 0).isEmpty());
    QCOMPARE(invoiceField(next, "SequenceNo").toInt(), 1);
}

void TestInvoices::dueBack_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<int>>("days");
    QTest::addColumn<QStringList>("due"); // "line index|code|date"
    QTest::newRow("the first line with days is recorded") << 0 << QList<int>{0, 30, 90}
                                                          << QStringList{"1|R30|2027-01-04"};
    QTest::newRow("none without days") << 0 << QList<int>{0, 0} << QStringList{};
    QTest::newRow("a quote owes nothing back") << 1 << QList<int>{30} << QStringList{};
    QTest::newRow("nor does a refund") << 2 << QList<int>{30} << QStringList{};
}

void TestInvoices::dueBack()
{
    QFETCH(int, mode);
    QFETCH(QList<int>, days);
    PostingShop shop;
    QList<SaleLine> lines;
    for (int d : days) {
        lines << line(20.00);
        lines.last().code = QStringLiteral("R%1").arg(d);
        lines.last().dtr = d;
    }
    const int n = SaleRows::newInvoice(kBayside);
    const QList<int> numbers = SaleRows::addLines(n, lines);
    PostingShop::setMode(mode);
    shop.expectDocument(1);
    QVERIFY(utils->processInvoice(n, false));
    QStringList recorded;
    QSqlQuery q;
    QVERIFY(q.exec(QStringLiteral("SELECT InvoiceItemNumber, Code, DateDue, AccountNumber FROM DTRHistory")));
    while (q.next()) {
        QCOMPARE(q.value(3).toInt(), int(kBayside));
        recorded << QStringLiteral("%1|%2|%3")
                        .arg(numbers.indexOf(q.value(0).toInt()))
                        .arg(q.value(1).toString(), q.value(2).toString().left(10));
    }
    QTEST(recorded, "due");
}

void TestInvoices::retractAndRepost()
{
    PostingShop shop;
    SaleLine renewal = line(60.00);
    renewal.code = "R30", renewal.dtr = 30;
    const int n = SaleRows::invoice(kTable1, {line(40.00), renewal}, QStringLiteral("SUE"));
    const QString dueRows = QStringLiteral("SELECT * FROM DTRHistory");
    shop.expectDocument(1);
    QVERIFY(utils->processInvoice(n, false));
    QCOMPARE(TestShop::count(dueRows), 1);
    QCOMPARE(utils->getBalBF(kTable1, true), 100.0);

    utils->setDetails(kBayside);
    utils->setWaiter(QString());
    QVERIFY(utils->retractInvoice(n));
    QCOMPARE(PostingShop::ledger(n, "I"), QStringList{});
    QCOMPARE(TestShop::count(dueRows), 0);
    QCOMPARE(invoiceField(n, "Status").toString(), QStringLiteral("P"));
    QCOMPARE(utils->getBalBF(kTable1, true), 0.0);
    // The counter is back on the bill's table and waiter.
    QCOMPARE(utils->getAccountNumber(), int(kTable1));
    QCOMPARE(utils->getWaiter(), QStringLiteral("SUE"));

    // The bill is changed and closed again: posted once, at its new total.
    SaleRows::addLines(n, {line(15.00)});
    shop.expectDocument(1);
    QVERIFY(utils->processInvoice(n, false));
    QCOMPARE(PostingShop::ledger(n, "I"), QStringList{"I 115.00 0.00"});
    QCOMPARE(TestShop::count(dueRows), 1);
    QCOMPARE(utils->getBalBF(kTable1, true), 115.0);

    // Without its ledger the bill cannot be re-opened.
    TestShop::exec(QStringLiteral("DROP TABLE Journal"));
    shop.prompts().expect(ZkPrompt::Warning, QString(), QStringLiteral("DELETE FROM Journal"));
    QVERIFY(!utils->retractInvoice(n));
    QCOMPARE(invoiceField(n, "Status").toString(), QStringLiteral("C"));
}

void TestInvoices::takeOutChange_data()
{
    QTest::addColumn<int>("account");
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("reprint");
    QTest::addColumn<QString>("tendered"); // empty: no dialog
    QTest::addColumn<QString>("due");      // shown in the dialog
    QTest::addColumn<QString>("tail");     // what the document says; empty: cancelled
    QTest::newRow("a cash sale asks for the cash") << int(kCash) << 0 << false << "200.00" << "165.37"
                                                   << "Change for 200.00|Change Amt 34.63";
    QTest::newRow("the change is worked out on the rounded amount") << int(kCash) << 5 << false << "170.00" << "165.35"
                                                                     << "Change for 170.00|Change Amt 4.65";
    QTest::newRow("nothing tendered prints no change") << int(kCash) << 0 << false << "0.00" << "165.37" << "|";
    QTest::newRow("a table's bill takes none") << int(kTable1) << 0 << false << "" << "" << "|";
    QTest::newRow("a reprint takes none") << int(kCash) << 0 << true << "" << "" << "|";
    QTest::newRow("cancelling the change writes nothing") << int(kCash) << 0 << false << "cancel" << "165.37" << "";
}

void TestInvoices::takeOutChange()
{
    QFETCH(int, account);
    QFETCH(int, unit);
    QFETCH(bool, reprint);
    QFETCH(QString, tendered);
    QFETCH(QString, tail);
    PostingShop shop;
    PostingShop::setTaxRules(QStringLiteral("I"), unit);
    settings->writeEntry(QStringLiteral("/Global/TakeOutChange"), true);
    const int n = SaleRows::invoice(account, kMixed);
    const QStringList before = TestShop::snapshot();
    QString shownDue;
    if (!tendered.isEmpty()) {
        shop.prompts().expectExec(QStringLiteral("Change"), [&](QDialog* d) {
            auto* change = static_cast<Change*>(d);
            shownDue = change->AmountLabel->text();
            if (tendered == QLatin1String("cancel")) {
                change->cancel();
                return int(QDialog::Rejected);
            }
            change->CashAmountEdit->setText(tendered);
            return int(QDialog::Accepted);
        });
    }
    DocParts shown;
    if (!tail.isEmpty())
        shop.expectDocument(1, &shown);
    QCOMPARE(utils->processInvoice(n, reprint), !tail.isEmpty());
    QTEST(shownDue, "due");
    if (!tail.isEmpty()) {
        QCOMPARE(shown.tail["takeOutTendered"] + '|' + shown.tail["takeOutChange"], tail);
        QCOMPARE(shown.tail.has("takeOutTendered"), tail != QLatin1String("|"));
        return;
    }
    QCOMPARE(TestShop::snapshot(), before);
}

void TestInvoices::balancesAddUp_data()
{
    QTest::addColumn<QString>("taxMode");
    QTest::addColumn<int>("unit");
    QTest::newRow("prices include tax") << "I" << 0;
    QTest::newRow("tax on top") << "E" << 0;
    QTest::newRow("prices include tax, cash rounded to 5 cents") << "I" << 5;
    QTest::newRow("tax on top, cash rounded to 10 cents") << "E" << 10;
}

void TestInvoices::balancesAddUp()
{
    QFETCH(QString, taxMode);
    QFETCH(int, unit);
    PostingShop shop;
    PostingShop::setTaxRules(taxMode, unit);
    auto owes = [&](const QList<SaleLine>& lines) { return owedFor(lines, taxMode == QLatin1String("E"), unit); };
    QMap<int, qint64> owed, interest; // the person's sums per account; interest kept apart
    QStringList mismatches;           // documents whose paper and ledger differ

    // Shows a document, answering @p answer; a processed document's amount
    // due must be what the person works out.
    auto post = [&](int n, int mode, int answer, qint64 expected, bool reprint = false) {
        PostingShop::setMode(mode);
        DocParts shown;
        if (mode != 3)
            shop.expectDocument(answer, &shown);
        const bool accepted = utils->processInvoice(n, reprint);
        PostingShop::setMode(0);
        if (accepted && cents(Utility::strNum(shown.tail["due"])) != expected)
            mismatches << QStringLiteral("document %1 shows %2").arg(n).arg(shown.tail["due"]);
        return accepted;
    };
    auto sale = [&](int account, const QList<SaleLine>& lines) {
        const int n = SaleRows::invoice(account, lines);
        if (!post(n, 0, 1, owes(lines)))
            mismatches << QStringLiteral("sale %1 was not posted").arg(n);
        owed[account] += owes(lines);
        return n;
    };
    auto pay = [&](int account, const ReceiptRow& row, int answer = 1) {
        const int r = SaleRows::receipt(row);
        shop.expectDocument(answer);
        const bool taken = utils->processReceipt(r, true, row.cash + row.card, 0, 0, false);
        if (taken != (answer == 1))
            mismatches << QStringLiteral("receipt %1 taken: %2").arg(r).arg(taken);
        if (taken)
            owed[account] -= cents(row.cash) + cents(row.card);
        return r;
    };

    const QList<SaleLine> lunch{SaleRows::item("6005"), SaleRows::item("1006", 2), SaleRows::item("1009", 3),
                                untaxed(12.37)};
    const QList<SaleLine> small{SaleRows::item("6004"), untaxed(4.99)};
    // Bayside Catering: a sale, part of it paid; a quote, which owes nothing.
    sale(kBayside, lunch);
    pay(kBayside, paid(kBayside, {0, 100.00}));
    QVERIFY(post(SaleRows::invoice(kBayside, small), 1, 1, owes(small)));
    // Goods brought back.
    QList<SaleLine> back{SaleRows::item("1009"), untaxed(12.37)};
    for (SaleLine& l : back)
        l.quantity = -l.quantity, l.price = -l.price, l.description = "RET: " + l.description;
    QVERIFY(post(SaleRows::invoice(kBayside, back), 2, 1, owes(back)));
    owed[kBayside] += owes(back);
    // A sale made on the wrong account and a payment keyed twice, voided.
    const int wrong = sale(kBayside, small);
    owed[kBayside] -= owes(small);
    shop.expectReasons(QStringLiteral("Void Invoice"), QString(), QString(), {"Wrong account"});
    QVERIFY(utils->voidInvoice(wrong));
    const int twice = pay(kBayside, paid(kBayside, {50.00}));
    owed[kBayside] += 5000;
    shop.expectReasons(QStringLiteral("Void Receipt"), QString(), QString(), {"Keyed twice"});
    QVERIFY(utils->voidReceipt(twice));
    // A sale cancelled at the window, then accepted, then reprinted.
    const int second = SaleRows::invoice(kBayside, small);
    QVERIFY(!post(second, 0, 0, 0));
    QVERIFY(post(second, 0, 1, owes(small)));
    owed[kBayside] += owes(small);
    QVERIFY(post(second, 0, 1, owes(small), true));
    // A payment the customer walked away from.
    pay(kBayside, paid(kBayside, {20.00}), 0);
    // Interest on the arrears, from the statement run.
    TestShop::exec(QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, Rounding, "
                                  "TipAmount, MyNumber, Status, CrossRef) VALUES (14, 'IA', "
                                  "'2026-12-05 10:30:00', 12.34, 0, 0, 0, ' ', 0)"));
    interest[kBayside] += 1234;

    // The cash account: a counter sale paid to the cent it owes.
    sale(kCash, small);
    pay(kCash, paid(kCash, {double(owes(small)) / 100}));

    // O'Brien: a bill re-opened, a line added, closed again.
    const int bill = sale(kObrien, small);
    owed[kObrien] -= owes(small);
    QVERIFY(utils->retractInvoice(bill));
    SaleRows::addLines(bill, {SaleRows::item("1004")});
    const QList<SaleLine> more = small + QList<SaleLine>{SaleRows::item("1004")};
    QVERIFY(post(bill, 0, 1, owes(more)));
    owed[kObrien] += owes(more);

    // Table 1: an order to the kitchen, more ordered, the bill printed and
    // paid in cash with a tip for the waiter.
    const QList<SaleLine> starters{SaleRows::item("2001"), SaleRows::item("2003")};
    const int table = SaleRows::invoice(kTable1, starters);
    QVERIFY(!post(table, 3, -1, 0));
    SaleRows::addLines(table, {SaleRows::item("3001", 2)});
    const QList<SaleLine> dinner = starters + QList<SaleLine>{SaleRows::item("3001", 2)};
    QVERIFY(post(table, 0, 1, owes(dinner)));
    owed[kTable1] += owes(dinner);
    ReceiptRow tipped = paid(kTable1, {double(owes(dinner)) / 100});
    tipped.tip = 30.00;
    pay(kTable1, tipped);

    QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.join(QLatin1String("; "))));
    QSqlQuery accounts;
    QVERIFY(accounts.exec(QStringLiteral("SELECT AccountNumber FROM Clients ORDER BY AccountNumber")));
    while (accounts.next()) {
        const int a = accounts.value(0).toInt();
        QCOMPARE(cents(utils->getBalBF(a, false)), owed.value(a));
        QCOMPARE(cents(utils->getBalBF(a, true)), owed.value(a) + interest.value(a));
    }
    // Every posting is in the ledger once, voided ones too.
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Journal WHERE Description IN ('I','Q','RF','VI')")), 8);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Journal WHERE Description IN ('R','VR')")), 4);
}

void TestInvoices::missingDocuments_data()
{
    QTest::addColumn<int>("call");
    QTest::addColumn<QString>("diagnostic");
    const char* receipt = "can't locate receipt # 999";
    const char* invoice = "I Can't locate Invoice # 999";
    const char* calls[] = {"receipt document", "receipt posting", "receipt reprint", "invoice document",
                           "invoice posting", "invoice preview", "kitchen docket"};
    for (int i = 0; i < 7; ++i)
        QTest::newRow(calls[i]) << i << (i < 3 ? receipt : invoice);
}

void TestInvoices::missingDocuments()
{
    QFETCH(int, call);
    QFETCH(QString, diagnostic);
    PostingShop shop;
    // Even where documents print by themselves, nothing reaches the window.
    for (const char* role : {"Receipt", "Invoice", "Label", "Kitchen"})
        settings->writeEntry(QStringLiteral("/%1Printer/Preview").arg(QLatin1String(role)), QStringLiteral("OFF"));
    const QStringList before = TestShop::snapshot();
    QTest::ignoreMessage(QtWarningMsg, qPrintable(diagnostic));
    QString document;
    bool result = false;
    switch (call) {
    case 0: document = utils->buildReceipt(999, true, 10, 0, 0); break;
    case 1: result = utils->processReceipt(999, true, 10, 0, 0, false); break;
    case 2: result = utils->processReceipt(999, false, 0, 0, 0, false); break;
    case 3: document = utils->buildInvoice(999, false, 0); break;
    case 4: result = utils->processInvoice(999, false); break;
    case 5: utils->previewInvoice(999); break;
    default: document = utils->buildKitchen(999, 2);
    }
    QVERIFY(document.isEmpty());
    QVERIFY(!result);
    QCOMPARE(TestShop::snapshot(), before);
    QVERIFY(!tempExists());
}

void TestInvoices::scratchTableHeldByAnotherStation_data()
{
    QTest::addColumn<bool>("docket");
    QTest::newRow("an invoice") << false;
    QTest::newRow("a docket") << true;
}

void TestInvoices::scratchTableHeldByAnotherStation()
{
    QFETCH(bool, docket);
    PostingShop shop;
    const int n = SaleRows::invoice(kTable1, {SaleRows::item("2001"), SaleRows::item("3001")});
    // Another station is in the middle of a build, and a crash of an old
    // version left a real table of the name: this station goes straight on.
    const QString station = shop.openSecondStation();
    QSqlQuery other(QSqlDatabase::database(station));
    QVERIFY2(other.exec(QStringLiteral("CREATE TEMPORARY TABLE temp (MyNumber INT4)")), qPrintable(other.lastError().text()));
    TestShop::exec(QStringLiteral("CREATE TABLE temp (MyNumber INT4)"));
    const QString xml = docket ? utils->buildKitchen(n, 2) : utils->buildInvoice(n, false, 0);
    QCOMPARE(shop.sleptSeconds(), 0);
    QCOMPARE(DocParts::parse(xml).column("description"), (QStringList{"GARLIC BREAD", "BEEF BURGER & CHIPS"}));
    QVERIFY(other.exec(QStringLiteral("SELECT COUNT(*) FROM temp")));
    TestShop::exec(QStringLiteral("DROP TABLE temp"));
    QVERIFY(!tempExists()); // this station's own went with the build
}

void TestInvoices::failedStatementThenRedo_data()
{
    QTest::addColumn<bool>("invoice");
    QTest::addColumn<QStringList>("fault");  // event, table, condition
    QTest::addColumn<QString>("statement"); // what the error box shows
    QTest::newRow("the invoice's ledger row") << true << QStringList{"INSERT", "Journal", "1=1"}
                                              << "INSERT INTO Journal";
    QTest::newRow("closing the invoice") << true << QStringList{"UPDATE", "Invoice", "NEW.Status='C'"}
                                         << "UPDATE Invoice SET Status";
    QTest::newRow("the invoice's sequence number") << true << QStringList{"UPDATE", "SysInfo", "1=1"}
                                                   << "UPDATE SysInfo SET SequenceNo";
    QTest::newRow("the receipt's ledger row") << false << QStringList{"INSERT", "Journal", "1=1"}
                                              << "INSERT INTO Journal";
}

void TestInvoices::failedStatementThenRedo()
{
    QFETCH(bool, invoice);
    QFETCH(QStringList, fault);
    QFETCH(QString, statement);
    PostingShop shop;
    ReceiptRow card;
    card.account = kBayside, card.card = 194.00, card.tendered = 194.00;
    const int n = invoice ? SaleRows::invoice(kBayside, {SaleRows::item("6005"), SaleRows::item("6004")})
                          : SaleRows::receipt(card);
    const QString codes = invoice ? "I" : "R";
    const QStringList posted{invoice ? "I 194.00 0.00" : "R -194.00 0.00"};
    auto post = [&](bool reprint) {
        return invoice ? utils->processInvoice(n, reprint) : utils->processReceipt(n, true, 194.00, 0, 0, false);
    };

    // The unit fails before anything prints: the error is shown once, the
    // document is not shown, and none of the unit is left.
    Fault failing(fault[0], fault[1], fault[2]);
    const QStringList before = TestShop::snapshot();
    shop.prompts().expect(ZkPrompt::Warning, QString(), statement);
    QVERIFY(!post(false));
    QVERIFY(shop.prompts().done());
    QCOMPARE(TestShop::snapshot(), before);
    // The cause is mended and the operator does the step again; and once
    // more by mistake, as a reprint.
    failing.clear();
    shop.expectDocument(1);
    QVERIFY(post(false));
    QCOMPARE(PostingShop::ledger(n, codes), posted);
    shop.expectDocument(1);
    QVERIFY(invoice ? post(true) : !utils->processReceipt(n, false, 0, 0, 0, false));
    QCOMPARE(PostingShop::ledger(n, codes), posted);
    QCOMPARE(utils->getBalBF(kBayside, true), invoice ? 194.0 : -194.0);
}

// The kinds the document references do not hold, printed through the
// installed templates as a page and as 80- and 40-column slips: what the
// posting wrote reaches all three, and no slip line runs past the paper.
void TestInvoices::onPaper_data()
{
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("refund receipt") << QStringList{"BAYSIDE CATERING", "Refund", "-45.00"};
    QTest::newRow("quote") << QStringList{"BAYSIDE CATERING", "OLIVE OIL 500ML", "650.87"};
    QTest::newRow("refund") << QStringList{"BAYSIDE CATERING", "RET: GINGER BEER", "-19.50"};
}

void TestInvoices::onPaper()
{
    QFETCH(QStringList, shown);
    if (!Paper::canReadPages())
        QSKIP("pdftotext (poppler-utils) is not installed");
    const QString kind = QString::fromLatin1(QTest::currentDataTag());
    PostingShop shop;
    TestShop::exec(QStringLiteral("UPDATE SysInfo SET SequenceNo=41"));
    utils->setWaiter(QStringLiteral("SUE"));
    Paper paper;
    shop.prompts().expectExec(QStringLiteral("DocPrint"), [&paper](QDialog* d) {
        paper = Paper::of(static_cast<DocPrint*>(d));
        return 1;
    });

    if (kind == QLatin1String("refund receipt")) {
        ReceiptRow row;
        row.account = kBayside, row.waiter = QStringLiteral("SUE"), row.cash = -45.00;
        QVERIFY(utils->processReceipt(SaleRows::receipt(row), true, 0, 0, 0, false));
    } else {
        SaleLine delivery = SaleRows::textLine("Inventory", "Delivery to the quay", 12.37);
        delivery.tax1 = delivery.tax2 = QStringLiteral("N");
        QList<SaleLine> lines{SaleRows::item("6005"), SaleRows::item("1006", 2), SaleRows::item("1009", 3), delivery,
                              SaleRows::textLine("Remarks", "Deliver before noon"), SaleRows::item("6006")};
        if (kind == QLatin1String("refund")) {
            lines = {SaleRows::item("1009", -1)};
            lines.first().description.prepend(QStringLiteral("RET: "));
        }
        PostingShop::setMode(kind == QLatin1String("quote") ? 1 : 2);
        QVERIFY(utils->processInvoice(SaleRows::invoice(kBayside, lines, QStringLiteral("JOHN")), false));
    }
    const QStringList wrong = paper.faults(shown);
    QVERIFY2(wrong.isEmpty() && !paper.page.isEmpty(), qPrintable(wrong.join('\n')));
}

BREVALON_TEST_MAIN(TestInvoices)
#include "tst_invoices.moc"
