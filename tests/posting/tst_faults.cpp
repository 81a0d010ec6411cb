// What goes wrong at the counter: documents that do not exist, another
// station holding the scratch table, and statements failing half way,
// after which the step can be done again without posting twice.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "tests/posting/postingshop.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace {

// A trigger that makes one kind of statement fail, as a full disk or a
// lost server would; dropped again however the test ends.
class Fault
{
public:
    Fault(const QString& event, const QString& table, const QString& condition)
    {
        const QString sql = TestShop::isMariaDb()
            ? QStringLiteral("CREATE TRIGGER posting_fault BEFORE %1 ON %2 FOR EACH ROW BEGIN IF %3 THEN "
                             "SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='disk full'; END IF; END")
                  .arg(event, table, condition)
            : QStringLiteral("CREATE TRIGGER posting_fault BEFORE %1 ON %2 FOR EACH ROW WHEN %3 BEGIN "
                             "SELECT RAISE(ABORT, 'disk full'); END")
                  .arg(event, table, condition);
        TestShop::exec(sql);
    }
    ~Fault() { clear(); }
    void clear()
    {
        if (m_on)
            TestShop::exec(QStringLiteral("DROP TRIGGER posting_fault"));
        m_on = false;
    }

private:
    bool m_on = true;
};

bool tempExists()
{
    QSqlQuery q;
    return q.exec(QStringLiteral("SELECT COUNT(*) FROM temp"));
}

} // namespace

class TestFaults : public QObject
{
    Q_OBJECT

private slots:
    void missingDocuments_data();
    void missingDocuments();
    void scratchTableHeldByAnotherStation_data();
    void scratchTableHeldByAnotherStation();
    void failedStatementThenRedo_data();
    void failedStatementThenRedo();
};

void TestFaults::missingDocuments_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("diagnostic");
    QTest::newRow("receipt document") << "buildReceipt" << "can't locate receipt # 999";
    QTest::newRow("receipt posting") << "processReceipt" << "can't locate receipt # 999";
    QTest::newRow("receipt reprint") << "reprintReceipt" << "can't locate receipt # 999";
    QTest::newRow("invoice document") << "buildInvoice" << "I Can't locate Invoice # 999";
    QTest::newRow("invoice posting") << "processInvoice" << "I Can't locate Invoice # 999";
    QTest::newRow("invoice preview") << "previewInvoice" << "I Can't locate Invoice # 999";
    QTest::newRow("kitchen docket") << "buildKitchen" << "I Can't locate Invoice # 999";
}

void TestFaults::missingDocuments()
{
    QFETCH(QString, call);
    QFETCH(QString, diagnostic);
    PostingShop shop;
    // Even where documents print by themselves, nothing reaches the window.
    for (const char* role : {"Receipt", "Invoice", "Label", "Kitchen"})
        settings->writeEntry(QStringLiteral("/%1Printer/Preview").arg(QLatin1String(role)), QStringLiteral("OFF"));
    const int sequence = TestShop::value(QStringLiteral("SELECT SequenceNo FROM SysInfo")).toInt();
    QTest::ignoreMessage(QtWarningMsg, qPrintable(diagnostic));
    QString document;
    bool result = false;
    if (call == QLatin1String("buildReceipt"))
        document = utils->buildReceipt(999, true, 10, 0, 0);
    else if (call == QLatin1String("processReceipt"))
        result = utils->processReceipt(999, true, 10, 0, 0, false);
    else if (call == QLatin1String("reprintReceipt"))
        result = utils->processReceipt(999, false, 0, 0, 0, false);
    else if (call == QLatin1String("buildInvoice"))
        document = utils->buildInvoice(999, false, 0);
    else if (call == QLatin1String("processInvoice"))
        result = utils->processInvoice(999, false);
    else if (call == QLatin1String("previewInvoice"))
        utils->previewInvoice(999);
    else if (call == QLatin1String("buildKitchen"))
        document = utils->buildKitchen(999, 2);
    QVERIFY(document.isEmpty());
    QVERIFY(!result);
    for (const char* table : {"Journal", "Receipt", "Voids", "DTRHistory", "Invoice"})
        QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM %1").arg(QLatin1String(table))), 0);
    QCOMPARE(TestShop::value(QStringLiteral("SELECT SequenceNo FROM SysInfo")).toInt(), sequence);
    QVERIFY(!tempExists());
}

void TestFaults::scratchTableHeldByAnotherStation_data()
{
    QTest::addColumn<bool>("docket");
    QTest::addColumn<QList<int>>("answers"); // 0 Force, 1 Wait
    QTest::addColumn<int>("releasedAfter");  // seconds; 0: never
    QTest::addColumn<int>("slept");
    QTest::newRow("an invoice waits, then forces") << false << QList<int>{0} << 0 << 15;
    QTest::newRow("a docket waits longer, then forces") << true << QList<int>{1, 0} << 0 << 30;
    QTest::newRow("the other station finishes while we wait") << false << QList<int>{} << 3 << 3;
}

void TestFaults::scratchTableHeldByAnotherStation()
{
    QFETCH(bool, docket);
    QFETCH(QList<int>, answers);
    QFETCH(int, releasedAfter);
    QFETCH(int, slept);
    PostingShop shop;
    const int n = SaleRows::invoice(kTable1, {SaleRows::item("2001"), SaleRows::item("3001")});
    const QString station = shop.openSecondStation();
    {
        QSqlQuery other(QSqlDatabase::database(station));
        QVERIFY2(other.exec(QStringLiteral("CREATE TABLE temp (MyNumber INT4)")), qPrintable(other.lastError().text()));
    }
    if (releasedAfter > 0) {
        shop.onSleep([&](int) {
            if (shop.sleptSeconds() == releasedAfter) {
                QSqlQuery other(QSqlDatabase::database(station));
                other.exec(QStringLiteral("DROP TABLE temp"));
            }
        });
    }
    for (int answer : answers)
        shop.prompts().expect(ZkPrompt::Information, QStringLiteral("Brevalon"),
                              QStringLiteral("Brevalon has been waiting quite a long time for\na temporary system "
                                             "resource.\n\nShould I force its use or wait longer ?"),
                              answer);

    const QString xml = docket ? utils->buildKitchen(n, 2) : utils->buildInvoice(n, false, 0);
    QCOMPARE(shop.sleptSeconds(), slept);
    QCOMPARE(DocParts::parse(xml).column("description"), (QStringList{"GARLIC BREAD", "BEEF BURGER & CHIPS"}));
    // Built and released: the next station may have it.
    QVERIFY(!tempExists());
}

void TestFaults::failedStatementThenRedo_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("condition");
    QTest::addColumn<QString>("statement"); // what the error box shows
    QTest::addColumn<bool>("result");
    QTest::addColumn<bool>("reprintToRedo");
    QTest::newRow("the invoice's ledger row")
        << "invoice" << "INSERT" << "Journal" << "1=1" << "INSERT INTO Journal" << false << true;
    QTest::newRow("closing the invoice")
        << "invoice" << "UPDATE" << "Invoice" << "NEW.Status='C'" << "UPDATE Invoice SET Status" << false << false;
    // The receipt counts as taken when only its ledger row failed.
    QTest::newRow("the receipt's ledger row")
        << "receipt" << "INSERT" << "Journal" << "1=1" << "INSERT INTO Journal" << true << false;
    QTest::newRow("the receipt's e-mail address")
        << "receipt" << "UPDATE" << "Receipt" << "1=1" << "UPDATE Receipt SET Email" << false << false;
}

void TestFaults::failedStatementThenRedo()
{
    QFETCH(QString, document);
    QFETCH(QString, event);
    QFETCH(QString, table);
    QFETCH(QString, condition);
    QFETCH(QString, statement);
    QFETCH(bool, result);
    QFETCH(bool, reprintToRedo);
    PostingShop shop;
    const bool invoice = document == QLatin1String("invoice");
    const int n = invoice ? SaleRows::invoice(kBayside, {SaleRows::item("6005"), SaleRows::item("6004")})
                          : SaleRows::receipt([] {
                                ReceiptRow r;
                                r.account = kBayside;
                                r.card = 194.00;
                                r.tendered = 194.00;
                                return r;
                            }());
    const QString codes = invoice ? QStringLiteral("I") : QStringLiteral("R");
    const QString posted = invoice ? QStringLiteral("I 194.00 0.00") : QStringLiteral("R -194.00 0.00");
    auto post = [&](bool reprint) {
        return invoice ? utils->processInvoice(n, reprint) : utils->processReceipt(n, true, 194.00, 0, 0, false);
    };

    Fault fault(event, table, condition);
    shop.expectDocument(1);
    shop.prompts().expect(ZkPrompt::Warning, QString(), statement);
    QCOMPARE(post(false), result);
    QCOMPARE(PostingShop::ledger(n, codes), QStringList{});
    QCOMPARE(utils->getBalBF(kBayside, true), 0.0);

    // The cause is mended and the operator does the step again.
    fault.clear();
    shop.expectDocument(1);
    QVERIFY(post(reprintToRedo));
    QCOMPARE(PostingShop::ledger(n, codes), QStringList{posted});
    // And once more, by mistake.
    shop.expectDocument(1);
    QVERIFY(post(true));
    QCOMPARE(PostingShop::ledger(n, codes), QStringList{posted});
    QCOMPARE(utils->getBalBF(kBayside, true), invoice ? 194.0 : -194.0);
}

BREVALON_TEST_MAIN(TestFaults)
#include "tst_faults.moc"
