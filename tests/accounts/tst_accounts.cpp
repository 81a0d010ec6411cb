// The accounts: interest on arrears aged by hand on a pinned clock, the
// statement and the statement runs on paper and by e-mail (broken off and run
// again), renewals, the journal and audit trails over live and archived
// rows, the stock trace, and order forms that put stock on order once.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkclock.h"
#include "core/zksettings.h"
#include "documents/docimages.h"
#include "documents/docprint.h"
#include "documents/smtp.h"
#include "sales/datedialog.h"
#include "tests/support/mailreader.h"
#include "tests/accounts/accountsshop.h"
#include "tests/support/actionrows.h"

#include <QDir>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString env(const char* name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

// Ledger rows written from "code|date|amount[|number]".
void writeLedger(int account, const QStringList& rows)
{
    for (const QString& r : rows) {
        const QStringList p = r.split(QLatin1Char('|'));
        AccountsShop::ledgerRow(account, p[0], p[1], p[2].toDouble(), p.value(3).toInt());
    }
}

// What the window was given, and the page as a reader sees it.
struct Shown
{
    DocParts parts;
    QString text;
};

void expectShown(AccountsShop& shop, int result, QList<Shown>* shown)
{
    shop.prompts().expectExec(QStringLiteral("DocPrint"), [=](QDialog* d) {
        auto* dp = static_cast<DocPrint*>(d);
        shown->append({DocParts::fromRoot(dp->documentRoot()), dp->view->toPlainText()});
        AccountsShop::checkPaper(dp);
        return result;
    });
}

// An SMTP server that takes the first @p accept messages and refuses every
// conversation after them; it keeps the recipients it took.
class RefusingSmtp : public QObject
{
public:
    explicit RefusingSmtp(int accept)
        : m_accept(accept)
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* s = m_server.nextPendingConnection();
            if (m_accept-- <= 0) {
                s->write("554 no service here\r\n");
                return;
            }
            auto* inData = new bool(false);
            connect(s, &QObject::destroyed, this, [inData] { delete inData; });
            connect(s, &QTcpSocket::readyRead, this, [this, s, inData] {
                m_pending[s] += s->readAll();
                for (;;) {
                    QByteArray& p = m_pending[s];
                    const qsizetype end = p.indexOf(*inData ? "\r\n.\r\n" : "\r\n");
                    if (end < 0)
                        return;
                    const QByteArray line = p.left(end);
                    p.remove(0, end + (*inData ? 5 : 2));
                    if (*inData) {
                        *inData = false;
                        s->write("250 taken\r\n");
                    } else if (line == "DATA") {
                        *inData = true;
                        s->write("354 go on\r\n");
                    } else {
                        if (line.startsWith("RCPT TO:"))
                            recipients << QString::fromLatin1(line.mid(8).trimmed());
                        s->write(line == "QUIT" ? "221 bye\r\n" : "250 ok\r\n");
                    }
                }
            });
            s->write("220 ready\r\n");
        });
        settings->writeEntry(QStringLiteral("/Global/SmtpServer"), QStringLiteral("127.0.0.1"));
        settings->writeEntry(QStringLiteral("/Global/SmtpPort"), m_server.serverPort());
    }
    QStringList recipients;

private:
    QTcpServer m_server;
    int m_accept;
    QHash<QTcpSocket*, QByteArray> m_pending;
};

// "a|b|c" of the named attributes of every item.
QStringList columns(const DocParts& doc, const QStringList& names)
{
    QStringList rows;
    for (const DocElement& e : doc.items) {
        QStringList cells;
        for (const QString& n : names)
            cells << e[n];
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

void line(const QString& table, int invoice, const QString& date, const QString& description, double quantity,
          double price)
{
    static int number = 5000;
    AccountsShop::exec(QStringLiteral("INSERT INTO %1 (MyNumber, MyDate, InvoiceNumber, Quantity, Price, Description) "
                                      "VALUES (%2, '%3 10:00:00', %4, %5, %6, '%7')")
                           .arg(table)
                           .arg(++number)
                           .arg(date)
                           .arg(invoice)
                           .arg(quantity)
                           .arg(price)
                           .arg(Utility::escapeSQL(description)));
}

} // namespace

class TestAccounts : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void interest_data();
    void interest();
    void statementShowsTheAgedAccount();
    void dayLimit_data();
    void dayLimit();
    void noAccountNothingHappens();
    void runTakesOnlyDebtsAboveOne();
    void emailRunBrokenOffIsFinishedOnce();
    void statementArrivesAsAMessage();
    void renewals();
    void trailsJoinLiveAndArchivedRows();
    void stockTraceGroupsBySupplier();
    void ordersAreNotRepeatedOnceAccepted();
};

void TestAccounts::init()
{
    Smtp::setReplyTimeout(5);
}

void TestAccounts::cleanup()
{
    ZkClock::pin(TestShop::pinnedNow());
}

void TestAccounts::interest_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<double>("rate");
    QTest::addColumn<QString>("charged"); // "D30 D60 D90 D120 total", empty: nothing written
    // On 31 December the buckets start on 30 November, 31 October, 30
    // September and 31 August.
    const QDate endOfMonth(2026, 12, 31);
    QTest::newRow("a debt 45 days old is charged one month only")
        << endOfMonth << QStringList{"I|2026-11-16|1000.00"} << 2.0 << "20.00 0.00 0.00 0.00 20.00";
    QTest::newRow("the same debt early in the month counts from the month's end")
        << QDate(2026, 12, 5) << QStringList{"I|2026-10-21|1000.00"} << 2.0 << "0.00 40.00 0.00 0.00 40.00";
    QTest::newRow("each older bucket pays on the younger buckets' interest")
        << endOfMonth
        << QStringList{"I|2026-08-15|100", "I|2026-09-15|100", "I|2026-10-15|100", "I|2026-11-15|100"} << 10.0
        << "10.00 22.00 39.60 68.64 140.24";
    QTest::newRow("payments go against the oldest debt first")
        << endOfMonth
        << QStringList{"I|2026-08-15|100", "I|2026-09-15|100", "I|2026-10-15|100", "I|2026-11-15|100",
                       "R|2026-12-01|-150"}
        << 10.0 << "10.00 22.00 24.60 0.00 56.60";
    QTest::newRow("a payment larger than all older debt: no interest")
        << endOfMonth << QStringList{"I|2026-10-01|300", "I|2026-12-20|500", "R|2026-12-21|-400"} << 2.0 << "";
    QTest::newRow("refunds, quotes and last month's interest are no debt here")
        << endOfMonth << QStringList{"RF|2026-09-01|300", "Q|2026-09-01|300", "IA|2026-11-30|300"} << 2.0 << "";
}

void TestAccounts::interest()
{
    QFETCH(QDate, today);
    QFETCH(QStringList, rows);
    QFETCH(double, rate);
    QFETCH(QString, charged);
    AccountsShop shop;
    AccountsShop::setTerms(rate, 0);
    ZkClock::pin(QDateTime(today, QTime(11, 0)));
    const int account = AccountsShop::client(QStringLiteral("ARREARS LTD"));
    writeLedger(account, rows);
    // Another client's debt is no business of this account's charge.
    AccountsShop::ledgerRow(kBayside, QStringLiteral("I"), QStringLiteral("2026-01-01"), 5000);
    utils->setDetails(account);
    const QString where = QStringLiteral(" WHERE AccountNumber=%1").arg(account);
    // Twice: the month's charge is replaced, not added to.
    for (int run = 0; run < 2; ++run) {
        QVERIFY(utils->processInterest());
        QCOMPARE(AccountsShop::count("SELECT * FROM Interest" + where), charged.isEmpty() ? 0 : 1);
        QCOMPARE(AccountsShop::count("SELECT * FROM Journal" + where + " AND Description='IA' AND MyDate>'2026-12-01'"),
                 charged.isEmpty() ? 0 : 1);
    }
    if (charged.isEmpty())
        return;
    const QString row = AccountsShop::row("SELECT D30, D60, D90, D120 FROM Interest" + where + " AND MyDate='2026-12-31'");
    const QString total = AccountsShop::row("SELECT Amount FROM Journal" + where
                                            + " AND Description='IA' AND MyDate>='2026-12-31' AND MyNumber=0 AND "
                                              "Status='C'");
    QStringList got;
    for (const QString& v : (row + '|' + total).split('|'))
        got << QString::number(v.toDouble(), 'f', 2);
    QCOMPARE(got.join(' '), charged);
}

void TestAccounts::statementShowsTheAgedAccount()
{
    AccountsShop shop;
    // Today is 5 December: a month back is 5 November, two months 5 October.
    const int account = AccountsShop::client(QStringLiteral("SMITH & <SONS> \"QUOTED\""), QStringLiteral("smith@sons.example"),
                                             QStringLiteral("12 Long Road\nApt <3> & Co"));
    writeLedger(account, {"I|2026-09-20|200|401", "I|2026-11-10|100|501", "R|2026-11-20|-150|77",
                          "IA|2026-11-30|5", "I|2026-12-02|80|502", "Q|2026-12-03|999|88", "VI|2026-12-03|80|502"});
    // Archived rows are the account's history as much as live ones.
    AccountsShop::ledgerRow(account, QStringLiteral("I"), QStringLiteral("2026-11-12"), 20, 503,
                            QStringLiteral("JournalArchive"));
    utils->setDetails(account);
    QList<Shown> shown;
    expectShown(shop, 1, &shown);
    QCOMPARE(utils->processStatement(0), Utility::StatementProcessed);
    QVERIFY2(shop.prompts().done(), qPrintable(shop.prompts().pending()));
    QCOMPARE(shown.size(), 1);
    const DocParts& doc = shown.first().parts;

    QCOMPARE(doc.head.pick({"number", "email"}),
             (QStringList{QStringLiteral("number=5/%1").arg(account), "email=smith@sons.example"}));
    // S(1) = S(2) = 200 (September), P = -150: 50 is two months old.
    QStringList items;
    for (const DocElement& e : doc.items)
        items << e["date"] + '|' + e["description"] + '|' + e["amount"];
    QCOMPARE(items, (QStringList{"2026-12-05|Balance B/F|50.00", "2026-11-10|Invoice  501|100.00",
                                 "2026-11-12|Invoice  503|20.00", "2026-11-20|Receipt  77|-150.00",
                                 "2026-11-30|Interest on arrears|5.00", "2026-12-02|Invoice  502|80.00"}));
    QCOMPARE(doc.tail.pick({"total", "current", "day120", "day90", "day60", "day30", "handed"}),
             (QStringList{"total=255.00", "current=205.00", "day120=0.00", "day90=0.00", "day60=50.00",
                          "day30=0.00", "handed="}));
    // The reader sees the name and the address as typed, over two lines.
    const QString& page = shown.first().text;
    QVERIFY2(page.contains(QStringLiteral("SMITH & <SONS> \"QUOTED\"")), qPrintable(page));
    QVERIFY2(page.contains(QStringLiteral("12 Long Road \nApt <3> & Co")), qPrintable(page));
    QVERIFY2(page.contains(QStringLiteral("Accounts are payable within 30 days.")), qPrintable(page));
}

void TestAccounts::dayLimit_data()
{
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("answer"); // -1: not asked; 0 "&No" (print it), 1 "&Yes" (skip it)
    QTest::addColumn<QString>("handed");
    QTest::newRow("within the limit") << 100 << -1 << "";
    QTest::newRow("past the limit, skipped") << 30 << 1 << "";
    QTest::newRow("past the limit, printed with the hand-over footer") << 30 << 0 << "Hand-over checked by: ____________";
}

void TestAccounts::dayLimit()
{
    QFETCH(int, days);
    QFETCH(int, answer);
    QFETCH(QString, handed);
    AccountsShop shop;
    AccountsShop::setTerms(0, days);
    const int account = AccountsShop::client(QStringLiteral("LATE PAYERS"));
    writeLedger(account, {"I|2026-09-20|200|401", "R|2026-11-20|-150|77", "I|2026-12-02|80|502"});
    utils->setDetails(account);
    QList<Shown> shown;
    if (answer >= 0)
        shop.prompts().expect(ZkPrompt::Question, QStringLiteral("Brevalon - Mail Statements"),
                              QStringLiteral("Account #%1 is past the %2 day limit\nThis account should have been "
                                             "handed over\nWould you like to skip the printing of its statment ?")
                                  .arg(account)
                                  .arg(days),
                              answer);
    if (answer != 1)
        expectShown(shop, 1, &shown);
    QCOMPARE(utils->processStatement(0), answer == 1 ? Utility::StatementSkipped : Utility::StatementProcessed);
    QVERIFY2(shop.prompts().done(), qPrintable(shop.prompts().pending()));
    QCOMPARE(AccountsShop::value(QStringLiteral("SELECT BadDebt FROM Clients WHERE AccountNumber=%1").arg(account))
                 .toString()
                 .trimmed(),
             answer >= 0 ? QStringLiteral("Y") : QString());
    QCOMPARE(shown.size(), answer == 1 ? 0 : 1);
    if (!shown.isEmpty())
        QCOMPARE(shown.first().parts.tail["handed"], handed);
}

void TestAccounts::noAccountNothingHappens()
{
    AccountsShop shop;
    AccountsShop::setTerms(2, 30);
    AccountsShop::ledgerRow(kBayside, QStringLiteral("I"), QStringLiteral("2026-01-01"), 500);
    utils->setDetails(-1);
    const QString warning = QStringLiteral("You have not selected a valid client.");
    for (int i = 0; i < 3; ++i)
        shop.prompts().expect(ZkPrompt::Warning, QStringLiteral("Brevalon Error"), warning);
    QCOMPARE(utils->processStatement(1), Utility::StatementFailed);
    utils->processJournalTrail();
    utils->processAuditTrail();
    QVERIFY2(shop.prompts().done(), qPrintable(shop.prompts().pending()));
    QCOMPARE(AccountsShop::count("SELECT * FROM Interest"), 0);
    QCOMPARE(AccountsShop::count("SELECT * FROM Journal WHERE Description='IA'"), 0);
    QCOMPARE(AccountsShop::count("SELECT * FROM Clients WHERE BadDebt='Y'"), 0);
}

void TestAccounts::runTakesOnlyDebtsAboveOne()
{
    AccountsShop shop;
    // Balances of 1.00 exactly (made of cents that SQLite sums inexactly),
    // 1.01 and 250; a credit and a settled account owe nothing.
    const int exact = AccountsShop::client(QStringLiteral("AAA EXACTLY ONE"));
    writeLedger(exact, {"I|2026-11-01|0.10", "I|2026-11-01|0.20", "I|2026-11-01|0.70"});
    const int cent = AccountsShop::client(QStringLiteral("BBB ONE AND A CENT"));
    writeLedger(cent, {"I|2026-11-01|1.01"});
    const int most = AccountsShop::client(QStringLiteral("ABC OWES MOST"));
    writeLedger(most, {"I|2026-11-01|300", "R|2026-11-02|-50", "Q|2026-11-03|1000"});
    const int settled = AccountsShop::client(QStringLiteral("CCC SETTLED"));
    writeLedger(settled, {"I|2026-11-01|80", "R|2026-11-02|-80"});
    utils->setDetails(kObrien);

    shop.prompts().expect(ZkPrompt::Question, QStringLiteral("Mail Statements"),
                          QStringLiteral("Confirm that you wish to print statements for mailing\nThis may take a few "
                                         "minutes"),
                          0);
    shop.prompts().expect(ZkPrompt::Question, QStringLiteral("Brevalon - Mail Statements"),
                          QStringLiteral("Please select the mode for statements"), 0);
    QList<Shown> shown;
    expectShown(shop, 1, &shown);
    expectShown(shop, 1, &shown);
    shop.prompts().expect(ZkPrompt::Information, QStringLiteral("Brevalon - Mail Statements"),
                          QStringLiteral("Operation completed"));
    utils->mailStatements();
    QVERIFY2(shop.prompts().done(), qPrintable(shop.prompts().pending()));
    QStringList accounts;
    for (const Shown& s : shown)
        accounts << s.parts.head["acc"] + ' ' + s.parts.head["auto"] + ' ' + s.parts.tail["total"];
    QCOMPARE(accounts, (QStringList{QStringLiteral("%1 no 250.00").arg(most), QStringLiteral("%1 no 1.01").arg(cent)}));
    QVERIFY(actionLines().contains(QStringLiteral("MAIL STATEMENTS|PREVIEW"), Qt::CaseInsensitive));
    QCOMPARE(utils->getAccountNumber(), int(kObrien));
}

void TestAccounts::emailRunBrokenOffIsFinishedOnce()
{
    AccountsShop shop;
    settings->writeEntry(QStringLiteral("/Global/FromEmail"), QStringLiteral("accounts@harbourkitchen.example"));
    const int a = AccountsShop::client(QStringLiteral("ANNE"), QStringLiteral("anne@one.example"));
    const int b = AccountsShop::client(QStringLiteral("BEN"), QStringLiteral("ben@two.example"));
    const int c = AccountsShop::client(QStringLiteral("CARL"), QStringLiteral("carl@three.example"));
    const int none = AccountsShop::client(QStringLiteral("DORA"));
    for (int account : {a, b, c, none})
        writeLedger(account, {"I|2026-11-01|40"});
    const QString confirm = QStringLiteral("Confirm that you wish to e-mail statements");
    const QString caption = QStringLiteral("Brevalon - Mail Statements");

    {
        // The server takes Anne's statement and then refuses.
        RefusingSmtp server(1);
        shop.prompts().expect(ZkPrompt::Question, QStringLiteral("Email Statements"), confirm, 0);
        shop.prompts().expect(ZkPrompt::Warning, QStringLiteral("Email Error"), QStringLiteral("554 no service here"));
        QList<Shown> shown;
        expectShown(shop, 0, &shown); // Ben's statement stays on screen: closed
        shop.prompts().expect(ZkPrompt::Question, caption,
                              QStringLiteral("The statement of #%1 BEN could not be e-mailed.").arg(b), 1);
        shop.prompts().expect(ZkPrompt::Warning, caption,
                              QStringLiteral("Statements e-mailed: 1\n\nNot e-mailed:\n#%1 BEN\n\nRun the statements by "
                                             "e-mail again")
                                  .arg(b));
        shop.prompts().expect(ZkPrompt::Information, caption, QStringLiteral("Operation cancelled"));
        utils->emailStatements();
        QVERIFY2(shop.prompts().done(), qPrintable(shop.prompts().pending()));
        QCOMPARE(server.recipients, QStringList{"<anne@one.example>"});
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().parts.head["acc"], QString::number(b));
    }
    {
        // Run again: Anne is not sent twice; Dora has no address.
        RefusingSmtp server(10);
        shop.prompts().expect(ZkPrompt::Question, QStringLiteral("Email Statements"), confirm, 0);
        shop.prompts().expect(ZkPrompt::Warning, caption,
                              QStringLiteral("Statements e-mailed: 2\nAlready e-mailed this month, not sent again: "
                                             "1\n\nNo e-mail address:\n#%1 DORA")
                                  .arg(none));
        shop.prompts().expect(ZkPrompt::Information, caption, QStringLiteral("Operation completed"));
        utils->emailStatements();
        QVERIFY2(shop.prompts().done(), qPrintable(shop.prompts().pending()));
        QCOMPARE(server.recipients, (QStringList{"<ben@two.example>", "<carl@three.example>"}));
    }
    QCOMPARE(AccountsShop::count("SELECT * FROM StatementMail"), 3);
    // Next month's run sends them all again.
    ZkClock::pin(QDateTime(QDate(2027, 1, 5), QTime(9, 0)));
    RefusingSmtp server(10);
    shop.prompts().expect(ZkPrompt::Question, QStringLiteral("Email Statements"), confirm, 0);
    shop.prompts().expect(ZkPrompt::Warning, caption, QStringLiteral("Statements e-mailed: 3\n\nNo e-mail address"));
    shop.prompts().expect(ZkPrompt::Information, caption, QStringLiteral("Operation completed"));
    utils->emailStatements();
    QVERIFY2(shop.prompts().done(), qPrintable(shop.prompts().pending()));
    QCOMPARE(server.recipients.size(), 3);
}

void TestAccounts::statementArrivesAsAMessage()
{
    const QString maildir = env("BREVALON_TEST_MAILDIR");
    if (env("BREVALON_TEST_SMTP_PORT").isEmpty() || maildir.isEmpty())
        QSKIP("needs the SMTP server that scripts/test.sh starts (BREVALON_TEST_SMTP_PORT)");
    AccountsShop shop;
    settings->writeEntry(QStringLiteral("/Global/SmtpServer"), QStringLiteral("127.0.0.1"));
    settings->writeEntry(QStringLiteral("/Global/SmtpPort"), env("BREVALON_TEST_SMTP_PORT").toInt());
    settings->writeEntry(QStringLiteral("/Global/FromEmail"), QStringLiteral("accounts@harbourkitchen.example"));
    const int account = AccountsShop::client(QStringLiteral("SMITH & <SONS> \"QUOTED\""),
                                             QStringLiteral("smith@sons.example"), QStringLiteral("12 Long Road\nApt 3"));
    writeLedger(account, {"I|2026-09-20|200|401", "I|2026-12-02|80.50|502"});
    const QStringList before = MailReader::mails();
    utils->setDetails(account);
    QCOMPARE(utils->processStatement(2), Utility::StatementProcessed);
    QVERIFY(utils->docPrint()->emailSent());
    QTemporaryDir dir;
    QString error;
    const QString said = MailReader::readNew(before, dir.filePath("logo.png"), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    // The mail program shows the name as typed: escaped once for HTML.
    for (const char* part : {"subject: statement - The Harbour Kitchen", "part: image/png <Logo>", "part: text/html",
                             "SMITH &amp; &lt;SONS&gt; &quot;QUOTED&quot;", "12 Long Road <BR> Apt 3", "280.50",
                             "BALANCE DUE"})
        QVERIFY2(said.contains(QLatin1String(part)), qPrintable(said));
}

void TestAccounts::renewals()
{
    AccountsShop shop;
    AccountsShop::exec(QStringLiteral("UPDATE Inventory SET Description='GAS CYLINDER 9KG & VALVE' WHERE Code='%1'")
                           .arg(AccountsShop::value("SELECT MIN(Code) FROM Inventory").toString()));
    const QString code = AccountsShop::value("SELECT MIN(Code) FROM Inventory").toString();
    // Today is 5 December.
    const struct
    {
        const char* due;
        const char* sent;
    } rows[] = {{"2026-12-05", "N"}, {"2026-12-25", "N"}, {"2026-12-26", "N"}, {"2026-12-04", "N"}, {"2026-12-06", "Y"}};
    for (const auto& r : rows)
        AccountsShop::exec(QStringLiteral("INSERT INTO DTRHistory (DateDue, InvoiceItemNumber, Code, AccountNumber, "
                                          "Sent) VALUES ('%1', 1, '%2', %3, '%4')")
                               .arg(QLatin1String(r.due), code)
                               .arg(int(kObrien))
                               .arg(QLatin1String(r.sent)));
    shop.prompts().expect(ZkPrompt::Question, QStringLiteral("Mail Renewals"),
                          QStringLiteral("Confirm that you wish to print renewals for mailing"), 0);
    shop.prompts().expect(ZkPrompt::Question, QStringLiteral("Brevalon - Mail Renewals"),
                          QStringLiteral("Please select the mode for renewals"), 0);
    QList<Shown> shown;
    expectShown(shop, 1, &shown); // due today: printed
    expectShown(shop, 0, &shown); // due in 20 days: closed, so not sent
    shop.prompts().expect(ZkPrompt::Information, QStringLiteral("Brevalon - Renewals"),
                          QStringLiteral("Operation completed"));
    utils->mailRenewals();
    QVERIFY2(shop.prompts().done(), qPrintable(shop.prompts().pending()));
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.at(0).parts.head.pick({"acc", "description"}),
             (QStringList{QStringLiteral("acc=%1").arg(int(kObrien)), "description=GAS CYLINDER 9KG &amp; VALVE"}));
    QVERIFY2(shown.at(0).text.contains(QStringLiteral("GAS CYLINDER 9KG & VALVE")), qPrintable(shown.at(0).text));
    QVERIFY2(shown.at(0).text.contains(QStringLiteral("O'BRIEN, PATRICK")), qPrintable(shown.at(0).text));
    QCOMPARE(AccountsShop::row("SELECT DateDue, Sent FROM DTRHistory WHERE Sent='Y' ORDER BY DateDue").left(10),
             QStringLiteral("2026-12-05"));
    QCOMPARE(AccountsShop::count("SELECT * FROM DTRHistory WHERE Sent='Y'"), 2);
}

void TestAccounts::trailsJoinLiveAndArchivedRows()
{
    AccountsShop shop;
    const int account = AccountsShop::client(QStringLiteral("TRAIL & CO"));
    // October was settled and archived; November is live.
    AccountsShop::ledgerRow(account, "I", "2026-10-01", 50, 600, "JournalArchive", 12);
    AccountsShop::ledgerRow(account, "R", "2026-10-02", -50, 12, "JournalArchive");
    AccountsShop::ledgerRow(account, "I", "2026-11-03", 30, 601);
    AccountsShop::ledgerRow(account, "Q", "2026-11-04", 99, 602);
    AccountsShop::ledgerRow(account, "VI", "2026-11-05", 30, 603);
    AccountsShop::ledgerRow(account, "I", "2026-09-15", 7, 599);
    line("InvoiceItemArchive", 600, "2026-10-01", "CAKE <LARGE> & CANDLES", 1, 50);
    line("InvoiceItem", 601, "2026-11-03", "COFFEE", 2, 15);
    line("InvoiceItem", 602, "2026-11-04", "QUOTED ONLY", 1, 99);
    line("InvoiceItemArchive", 599, "2026-09-15", "TEA", 0.5, 7);
    line("InvoiceItem", 700, "2026-11-03", "SOMEONE ELSE'S", 1, 1);
    AccountsShop::ledgerRow(kBayside, "I", "2026-11-03", 1, 700);
    utils->setDetails(account);

    QList<Shown> shown;
    expectShown(shop, 1, &shown);
    utils->processJournalTrail();
    expectShown(shop, 1, &shown);
    utils->processAuditTrail();
    QVERIFY2(shop.prompts().done(), qPrintable(shop.prompts().pending()));
    QCOMPARE(shown.size(), 2);

    QCOMPARE(shown[0].parts.head["acc"], QString::number(account));
    QCOMPARE(columns(shown[0].parts, {"date", "ref", "description", "amount", "crossref", "bgcolor"}),
             (QStringList{"2026-09-15|599|Invoice|7.00||#98bff0", "2026-10-01|600|Invoice|50.00|12|#e0e8f8",
                          "2026-10-02|12|Receipt|-50.00||#98bff0", "2026-11-03|601|Invoice|30.00||#e0e8f8"}));
    QCOMPARE(columns(shown[1].parts, {"date", "description", "quantity", "amount"}),
             (QStringList{"2026-09-15|TEA|0.500|7.00", "2026-10-01|CAKE &lt;LARGE&gt; &amp; CANDLES|1|50.00",
                          "2026-11-03|COFFEE|2|15.00"}));

    // An account that bought nothing.
    utils->setDetails(kObrien);
    shop.prompts().expect(ZkPrompt::Information, QStringLiteral("Audit Trail"),
                          QStringLiteral("No transactions found for this account"));
    utils->processAuditTrail();
    QVERIFY2(shop.prompts().done(), qPrintable(shop.prompts().pending()));
    // The scratch table is given back after each trail.
    QSqlQuery probe;
    QVERIFY(!probe.exec(QStringLiteral("SELECT COUNT(*) FROM temp")));
}

void TestAccounts::stockTraceGroupsBySupplier()
{
    AccountsShop shop;
    auto trace = [](const QString& date, const QString& notes) {
        AccountsShop::exec(QStringLiteral("INSERT INTO StockTrace (MyDate, SP, Notes) VALUES ('%1 08:00:00', 'MM', '%2')")
                               .arg(date, Utility::escapeSQL(notes)));
        return AccountsShop::value("SELECT MAX(MyNumber) FROM StockTrace").toInt();
    };
    auto item = [](int traceNo, const char* supplier, const char* description, double qty, const char* adjustment) {
        AccountsShop::exec(QStringLiteral("INSERT INTO StockTraceItem (TraceNumber, Quantity, UnitOfMeasure, "
                                          "Description, Supplier, Adjustment) VALUES (%1, %2, 'KG', '%3', '%4', '%5')")
                               .arg(traceNo)
                               .arg(qty)
                               .arg(QLatin1String(description), QLatin1String(supplier), QLatin1String(adjustment)));
    };
    const int nov = trace("2026-11-10", "Back door & <ramp>");
    item(nov, "FRESH FOODS", "TOMATOES", 10, " ");
    item(nov, "FRESH FOODS", "ONIONS", 2.5, "Y");
    item(nov, "DAIRY & CO", "MILK", 12, " ");
    item(trace("2026-10-31", "October"), "FRESH FOODS", "LEEKS", 1, " ");

    auto pickMonth = [&shop](const QDate& month) {
        shop.prompts().expectExec(QStringLiteral("DateDialog"), [month](QDialog* d) {
            static_cast<DateDialog*>(d)->setDate(month);
            return int(QDialog::Accepted);
        });
    };
    pickMonth(QDate(2026, 11, 1));
    QList<Shown> shown;
    expectShown(shop, 1, &shown);
    utils->stockTraceAudit();
    QVERIFY2(shop.prompts().done(), qPrintable(shop.prompts().pending()));
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].parts.head.pick({"shortdate", "notes"}),
             (QStringList{"shortdate=2026-11-10", "notes=Back door &amp; &lt;ramp&gt;"}));
    QCOMPARE(columns(shown[0].parts, {"quantity", "uom", "description"}),
             (QStringList{"||<b>FRESH FOODS</b>", "10|KG|TOMATOES", "2.500|KG|** Level Adjustment ** ONIONS",
                          "||<b>DAIRY &amp; CO</b>", "12|KG|MILK"}));

    pickMonth(QDate(2026, 12, 1));
    shop.prompts().expect(ZkPrompt::Information, QStringLiteral("Brevalon - Stock Trace Report"),
                          QStringLiteral("No Stock Received for the specified period."));
    utils->stockTraceAudit();
    QVERIFY2(shop.prompts().done(), qPrintable(shop.prompts().pending()));
}

void TestAccounts::ordersAreNotRepeatedOnceAccepted()
{
    AccountsShop shop;
    AccountsShop::exec("UPDATE Inventory SET ToQuantity=0");
    const QString supplier = AccountsShop::value("SELECT MIN(Company) FROM Supply").toString();
    const QString short1 = AccountsShop::value("SELECT MIN(Code) FROM Inventory").toString();
    const QString covered = AccountsShop::value("SELECT MAX(Code) FROM Inventory").toString();
    auto stock = [&](const QString& code, double qty, double onOrder, double reOrder, double toQty) {
        AccountsShop::exec(QStringLiteral("UPDATE Inventory SET Supplier='%1', Quantity=%2, OnOrder=%3, ReOrder=%4, "
                                          "ToQuantity=%5 WHERE Code='%6'")
                               .arg(Utility::escapeSQL(supplier))
                               .arg(qty)
                               .arg(onOrder)
                               .arg(reOrder)
                               .arg(toQty)
                               .arg(code));
    };
    stock(short1, 2, 0, 5, 10);
    stock(covered, 1, 5, 5.5, 4); // already on order: 6 on hand and coming
    auto onOrder = [](const QString& code) {
        return AccountsShop::value(QStringLiteral("SELECT OnOrder FROM Inventory WHERE Code='%1'").arg(code)).toDouble();
    };
    auto run = [&](int result, QList<Shown>* shown) {
        shop.prompts().expect(ZkPrompt::Question, QStringLiteral("Order Management"),
                              QStringLiteral("Confirm that you wish to print order forms"), 0);
        if (shown)
            expectShown(shop, result, shown);
        utils->manageStockOrders();
        QVERIFY2(shop.prompts().done(), qPrintable(shop.prompts().pending()));
    };

    QList<Shown> shown;
    run(0, &shown); // closed: nothing ordered
    QCOMPARE(onOrder(short1), 0.0);
    run(1, &shown); // accepted
    QCOMPARE(onOrder(short1), 10.0);
    QCOMPARE(onOrder(covered), 5.0);
    run(1, nullptr); // the shortage is on order now: no form
    QCOMPARE(onOrder(short1), 10.0);

    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[1].parts.head["company"], supplier.toHtmlEscaped());
    QCOMPARE(shown[1].parts.head["email"],
             AccountsShop::value(QStringLiteral("SELECT Email FROM Supply WHERE Company='%1'")
                                     .arg(Utility::escapeSQL(supplier)))
                 .toString());
    QCOMPARE(columns(shown[1].parts, {"quantity"}), QStringList{"10"});
}

BREVALON_TEST_MAIN(TestAccounts)
#include "tst_accounts.moc"
