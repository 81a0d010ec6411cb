// A till as a process of its own, for the tests (and the benchmark) that
// need several tills on one database at once, a till killed in the middle
// of a sale or of a cash-up, or a till whose database goes away. It runs the
// real sales window against an existing database, with an operator who
// answers every box, and writes what it did to a log, one line a fact,
// flushed at once so that a killed till's log is complete up to the kill:
//
//   LOGIN ok | LOGIN refused <text>
//   LINE <tag> <code> <quantity> <amount> <sale>     a line rung up
//   SALE <sale> <kind> <account> <invoice> <receipt> <total> <ms>
//   DOCKET <invoice> <lines>                          a kitchen docket printed
//   REPORT <the document, on one line>                a cash-up report shown
//   INFO <text>                                       an information box
//   ERROR <action> <kind>|<caption>|<text>            an error box
//   INSIDE <caption>|<text>                           a box inside a posting unit
//   STATEMENTS <n>                                    statements of the sale or cash-up
//   DONE
//
// brevalon_tillworker --home DIR --db NAME --user NAME --code CODE --log FILE
//     [--mode sell|crash|retry|settle|login|cashup] [--sales N] [--tables 2,3]
//     [--seed N] [--tag PREFIX] [--crash-at N] [--pace MS] [--start-at MSECS]
// The backend and the MariaDB server come from the test environment
// (BREVALON_TEST_BACKEND, BREVALON_TEST_MYSQL_*).

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "documents/docprint.h"
#include "sales/sales.h"
#include "tests/posting/docparts.h"
#include "tests/support/keypadinput.h"
#include "tests/support/testshop.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTextStream>
#include <QThread>
#include <QTreeWidget>
#include <cstdio>

namespace {

struct Options
{
    QString home, db, user, code, log, mode = QStringLiteral("sell"), tag = QStringLiteral("t");
    int sales = 1, seed = 1, crashAt = 0, pace = 0;
    qint64 startAt = 0;
    QList<int> tables;
};

QFile logFile;
int action = 0;       // the operator's actions, numbered
int nextInteger = 0;  // what the operator types when asked for a number

void note(const QString& line)
{
    logFile.write(line.toUtf8() + '\n');
    logFile.flush();
}

QString oneLine(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

ZkPrompt::Reply answer(const ZkPrompt::Request& r, const Options& o)
{
    ZkPrompt::Reply reply;
    reply.ok = true;
    if (r.insideUnit)
        note(QStringLiteral("INSIDE %1|%2").arg(r.caption, oneLine(r.text)));
    switch (r.kind) {
    case ZkPrompt::Exec:
        if (auto* dp = qobject_cast<DocPrint*>(r.dialog)) {
            const DocParts parts = DocParts::fromRoot(dp->documentRoot());
            if (o.mode == QLatin1String("cashup")) {
                QString xml;
                QTextStream out(&xml);
                dp->documentRoot().save(out, -1);
                note(QStringLiteral("REPORT ") + oneLine(xml));
            } else if (parts.head["printer"] == QLatin1String("Kitchen")) {
                int lines = 0;
                for (const DocElement& item : parts.items)
                    lines += item["description"].isEmpty() ? 0 : 1;
                note(QStringLiteral("DOCKET %1 %2").arg(parts.head["number"]).arg(lines));
            }
            reply.button = 1; // processed
        } else if (r.text == QLatin1String("NumEntry")) {
            reply.button = typeCode(o.code)(r.dialog);
        } else {
            reply.button = QDialog::Accepted;
        }
        return reply;
    case ZkPrompt::Question:
        // A session of this till left by a kill: recover it. A cash-up goes
        // on past open orders and processes.
        reply.button = o.mode == QLatin1String("cashup")
                || r.text.contains(QLatin1String("currently shown as running on this terminal"))
            ? 0
            : r.defaultButton;
        return reply;
    case ZkPrompt::Information:
        note(QStringLiteral("INFO ") + oneLine(r.text));
        return reply;
    case ZkPrompt::IntegerInput:
    case ZkPrompt::TextInput:
        reply.value = QString::number(nextInteger);
        return reply;
    case ZkPrompt::Warning:
    case ZkPrompt::Critical:
        if (r.text.contains(QLatin1String("currently running on to"))) {
            note(QStringLiteral("LOGIN refused %1").arg(oneLine(r.text)));
            return reply;
        }
        note(QStringLiteral("ERROR %1 %2|%3|%4")
                 .arg(action)
                 .arg(r.kind == ZkPrompt::Warning ? QStringLiteral("warning") : QStringLiteral("critical"),
                      oneLine(r.caption), oneLine(r.text)));
        return reply;
    default:
        reply.value = r.value;
        return reply;
    }
}

Options parse(const QStringList& args)
{
    QMap<QString, QString> given;
    for (int i = 1; i + 1 < args.size(); i += 2)
        given.insert(args.at(i), args.at(i + 1));
    auto arg = [&given](const char* name, const QString& fallback = QString()) {
        return given.value(QLatin1String(name), fallback);
    };
    Options o;
    o.home = arg("--home");
    o.db = arg("--db");
    o.user = arg("--user");
    o.code = arg("--code");
    o.log = arg("--log");
    o.mode = arg("--mode", o.mode);
    o.tag = arg("--tag", o.tag);
    o.sales = arg("--sales", QStringLiteral("1")).toInt();
    o.seed = arg("--seed", QStringLiteral("1")).toInt();
    o.crashAt = arg("--crash-at").toInt();
    o.pace = arg("--pace").toInt();
    o.startAt = arg("--start-at").toLongLong();
    for (const QString& t : arg("--tables").split(QLatin1Char(','), Qt::SkipEmptyParts))
        o.tables << t.toInt();
    return o;
}

void configure(const Options& o)
{
    const auto env = [](const char* name, const char* fallback) {
        const QByteArray v = qgetenv(name);
        return QString::fromLocal8Bit(v.isEmpty() ? QByteArray(fallback) : v);
    };
    settings->writeEntry(QStringLiteral("/Global/DBDriver"), TestShop::driverSetting());
    settings->writeEntry(QStringLiteral("/Global/DBName"), o.db);
    if (TestShop::isMariaDb()) {
        settings->writeEntry(QStringLiteral("/Global/DBServer"), env("BREVALON_TEST_MYSQL_HOST", "127.0.0.1"));
        settings->writeEntry(QStringLiteral("/Global/DBPport"), env("BREVALON_TEST_MYSQL_PORT", "3306").toInt());
        settings->writeEntry(QStringLiteral("/Global/DBUser"), env("BREVALON_TEST_MYSQL_USER", "root"));
        settings->writeEntry(QStringLiteral("/Global/DBPassword"), env("BREVALON_TEST_MYSQL_PASSWORD", ""));
    }
    settings->writeEntry(QStringLiteral("/Global/InstallDir"), TestShop::installDir());
    // Every document reaches the operator, who takes it as printed.
    for (const char* role : {"Receipt", "Invoice", "Label", "Kitchen", "Mail"})
        settings->writeEntry(QStringLiteral("/%1Printer/Preview").arg(QLatin1String(role)), QStringLiteral("ON"));
    settings->writeEntry(QStringLiteral("/LabelPrinter/Mode"), QStringLiteral("off"));
    settings->writeEntry(QStringLiteral("/Global/QtyCheck"), false);
    settings->writeEntry(QStringLiteral("/Global/LogActions"), true);
    // The keyboard layout: the sale does not stop for a waiter's keypad.
    settings->writeEntry(ZkSettings::userKey(QStringLiteral("/Personal/VendPage/"), o.user), false);
}

class Worker
{
public:
    explicit Worker(const Options& o)
        : m_o(o)
        , m_random(quint32(o.seed))
    {
    }

    bool login()
    {
        ++action;
        if (!utils->validateLoginId())
            return false;
        note(QStringLiteral("LOGIN ok"));
        m_w.reset(new Sales(nullptr, "sales"));
        utils->setMainWindow(m_w.get());
        Sales::setExitHook([](int) {
            note(QStringLiteral("ERROR %1 exit|the session was taken away|").arg(action));
            std::exit(3);
        });
        m_w->startSession();
        return true;
    }

    void logout()
    {
        m_w->endSession();
    }

    /** A cash customer: rung up, billed (F8) and paid in cash. */
    void cashSale(int sale)
    {
        m_w->clear();
        const int account = utils->getCashAccountNumber();
        m_w->fillInDetails(QString::number(account), false);
        const double total = ring(sale, 1 + int(m_random.bounded(4)));
        armCrash();
        QElapsedTimer timer;
        timer.start();
        bill();
        const int invoice = m_w->PayListView->selectedItems().isEmpty()
            ? 0
            : m_w->PayListView->selectedItems().first()->text(0).toInt();
        const int receipt = pay(total);
        report(sale, QStringLiteral("cash"), account, invoice, receipt, total, timer.elapsed());
    }

    /** A table's order: rung up by its waiter and ordered (F7), or ordered
     *  and billed at once (F8) and then paid by its invoice number. */
    void tableSale(int sale)
    {
        const int table = m_o.tables.at(int(m_random.bounded(m_o.tables.size())));
        m_w->clear();
        serveTable(table);
        const bool billNow = m_random.bounded(2) == 0;
        const double total = ring(sale, 1 + int(m_random.bounded(3)));
        QElapsedTimer timer;
        timer.start();
        if (!billNow) {
            retry([this] { m_w->orderInvoice(); }, [this] { return m_w->VendListView->topLevelItemCount() == 0; });
            report(sale, QStringLiteral("order"), table, 0, 0, total, timer.elapsed());
            return;
        }
        bill();
        // The bill holds this order (and whatever the other till ordered on
        // the table meanwhile); it is paid by its number.
        const int invoice = invoiceOf(m_lastTag);
        const double due = payByNumber(table, invoice);
        report(sale, QStringLiteral("bill"), table, invoice, m_lastReceipt, due, timer.elapsed());
    }

    /** Bills and pays whatever is still open on the tables. */
    void settle()
    {
        for (int table : m_o.tables) {
            m_w->clear();
            if (utils->pendingInvoice(table) <= 0)
                continue;
            serveTable(table);
            bill();
            QSqlQuery q;
            q.exec(QStringLiteral("SELECT MAX(MyNumber) FROM Journal WHERE AccountNumber=%1 AND Description='I' "
                                  "AND CrossRef=0")
                       .arg(table));
            const int invoice = q.next() ? q.value(0).toInt() : 0;
            q.finish();
            const double due = payByNumber(table, invoice);
            report(0, QStringLiteral("settle"), table, invoice, m_lastReceipt, due, 0);
        }
    }

    /** After a kill: the sale of this tag is posted at most once. An invoice
     *  already in is paid by its number; otherwise the sale is rung again. */
    void finishSale(int sale)
    {
        const int invoice = invoiceOf(QStringLiteral("%1-%2-0").arg(m_o.tag).arg(sale));
        if (invoice <= 0) {
            cashSale(sale);
            return;
        }
        QSqlQuery q;
        q.exec(QStringLiteral("SELECT CrossRef, Amount FROM Journal WHERE MyNumber=%1 AND Description='I'").arg(invoice));
        const bool paid = q.next() && q.value(0).toInt() != 0;
        const double amount = q.value(1).toDouble();
        q.finish();
        m_w->clear();
        // The dockets a kill kept from the kitchen go now.
        utils->printDockets(invoice);
        if (!paid)
            payByNumber(utils->getCashAccountNumber(), invoice);
        report(sale, QStringLiteral("finish"), utils->getCashAccountNumber(), invoice, m_lastReceipt, amount, 0);
    }

private:
    void armCrash()
    {
        if (m_o.mode == QLatin1String("crash"))
            ZkDb::abortAtStatement(m_o.crashAt);
    }

    void serveTable(int table)
    {
        m_w->WaiterEdit->setText(m_o.code);
        m_w->waiterSelected();
        m_w->fillInDetails(QString::number(table), false);
    }

    /** Rings up @p count lines, each tagged in its serial number. */
    double ring(int sale, int count)
    {
        static const char* const items[] = {"1001", "1003", "1009", "2001", "2003", "3001",
                                            "3004", "4001", "5001", "6003", "6006"};
        double total = 0;
        for (int i = 0; i < count; ++i) {
            const QString code = QLatin1String(items[m_random.bounded(int(std::size(items)))]);
            const QString quantity = QString::number(1 + m_random.bounded(2));
            const QString tag = QStringLiteral("%1-%2-%3").arg(m_o.tag).arg(sale).arg(i);
            const int before = m_w->VendListView->topLevelItemCount();
            do {
                ++action;
                // The item first: typing in the item field sets the quantity
                // back to one, as it does for the operator.
                m_w->ItemComboBox->setEditText(code);
                m_w->QuantityEdit->setText(quantity);
                m_w->itemReturnPressed();
                if (m_w->VendListView->topLevelItemCount() == before)
                    pause();
            } while (m_w->VendListView->topLevelItemCount() == before);
            QTreeWidgetItem* row = m_w->VendListView->currentItem();
            row->setText(Sales::ColSerial, tag);
            const double amount = Utility::strNum(row->text(Sales::ColAmount));
            total += amount;
            m_lastTag = tag;
            note(QStringLiteral("LINE %1 %2 %3 %4 %5").arg(tag, code, quantity, QString::number(amount, 'f', 2)).arg(sale));
        }
        return Utility::roundCents(total);
    }

    /** F8 until the sale has gone into its bill. */
    void bill()
    {
        retry([this] { m_w->processInvoice(); }, [this] { return m_w->VendListView->topLevelItemCount() == 0; });
    }

    /** Pays the amount due on the receipt tab in cash; the receipt's number. */
    int pay(double expected)
    {
        m_lastReceipt = 0;
        const QString due = m_w->CurBalEdit->text();
        if (Utility::roundCents(Utility::strNum(due) - expected) != 0)
            note(QStringLiteral("ERROR %1 charged|%2 for a sale of %3|").arg(action).arg(due).arg(expected, 0, 'f', 2));
        retry(
            [this, due] {
                m_w->CashAmountEdit->setText(due);
                m_w->amountTenderedChanged();
                m_w->processReceipt();
            },
            [this] { return m_w->TabWidget2->currentWidget() != m_w->tab_4 || m_w->CashAmountEdit->text().isEmpty(); });
        QSqlQuery q;
        q.exec(QStringLiteral("SELECT MAX(MyNumber) FROM Receipt WHERE Waiter='%1'").arg(Utility::escapeSQL(m_o.user)));
        m_lastReceipt = q.next() ? q.value(0).toInt() : 0;
        return m_lastReceipt;
    }

    /** Finds the invoice by its number and pays it in cash; the amount due. */
    double payByNumber(int account, int invoice)
    {
        m_w->clear();
        m_w->fillInDetails(QString::number(account), false);
        nextInteger = invoice;
        ++action;
        m_w->findInvoice();
        const double due = Utility::strNum(m_w->CurBalEdit->text());
        pay(due);
        m_w->clear();
        return due;
    }

    int invoiceOf(const QString& tag)
    {
        QSqlQuery q;
        q.exec(QStringLiteral("SELECT InvoiceNumber FROM InvoiceItem WHERE SerialNo='%1'").arg(tag));
        return q.next() ? q.value(0).toInt() : 0;
    }

    /** Does an action until it took effect, as an operator would while the
     *  database is away. */
    void retry(const std::function<void()>& act, const std::function<bool()>& done)
    {
        for (int attempt = 0; attempt < 600; ++attempt) {
            ++action;
            act();
            if (done())
                return;
            pause();
        }
        note(QStringLiteral("ERROR %1 gave up|the action never took effect|").arg(action));
    }

    void pause()
    {
        QThread::msleep(std::max(m_o.pace, 100));
        QApplication::processEvents();
    }

    void report(int sale, const QString& kind, int account, int invoice, int receipt, double total, qint64 ms)
    {
        if (m_o.mode == QLatin1String("crash"))
            note(QStringLiteral("STATEMENTS %1").arg(ZkDb::statementsRun()));
        note(QStringLiteral("SALE %1 %2 %3 %4 %5 %6 %7")
                 .arg(sale)
                 .arg(kind)
                 .arg(account)
                 .arg(invoice)
                 .arg(receipt)
                 .arg(QString::number(total, 'f', 2))
                 .arg(ms));
        if (m_o.pace > 0)
            QThread::msleep(m_o.pace);
        QApplication::processEvents();
    }

    Options m_o;
    QRandomGenerator m_random;
    std::unique_ptr<Sales> m_w;
    QString m_lastTag;
    int m_lastReceipt = 0;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const Options o = parse(QCoreApplication::arguments());
    logFile.setFileName(o.log);
    if (!logFile.open(QIODevice::Append | QIODevice::Unbuffered))
        return 2;
    qputenv("HOME", o.home.toLocal8Bit());
    QDir(o.home).mkpath(QStringLiteral(".Zendrik/Brevalon"));
    settings = new ZkSettings(o.home);
    configure(o);
    QString error;
    if (ZkDb::openDefault(&error) != ZkDb::Opened) {
        note(QStringLiteral("ERROR 0 open|%1|").arg(oneLine(error)));
        return 2;
    }
    utils = new Utility;
    if (!utils->initClass(true))
        return 2;
    ZkPrompt::setHandler([&o](const ZkPrompt::Request& r) { return answer(r, o); });

    if (o.mode == QLatin1String("cashup")) {
        utils->setUserName(o.user);
        ZkDb::abortAtStatement(o.crashAt);
        utils->cashUp();
        note(QStringLiteral("STATEMENTS %1").arg(ZkDb::statementsRun()));
        note(QStringLiteral("DONE"));
        ZkPrompt::setHandler({});
        return 0;
    }
    // Tills started together log in together.
    if (o.startAt > 0) {
        while (QDateTime::currentMSecsSinceEpoch() < o.startAt)
            QThread::usleep(200);
    }
    Worker till(o);
    if (!till.login()) {
        note(QStringLiteral("LOGIN failed"));
        return 1;
    }
    if (o.mode == QLatin1String("login")) {
        // Holds the session while the other tills try, then gives it up.
        QThread::msleep(1500);
    } else if (o.mode == QLatin1String("settle")) {
        till.settle();
    } else if (o.mode == QLatin1String("crash") || o.mode == QLatin1String("retry")) {
        if (o.mode == QLatin1String("crash"))
            till.cashSale(o.seed);
        else
            till.finishSale(o.seed);
    } else {
        QRandomGenerator kinds(quint32(o.seed) * 7919u);
        for (int sale = 1; sale <= o.sales; ++sale) {
            if (!o.tables.isEmpty() && kinds.bounded(10) < 3)
                till.tableSale(sale);
            else
                till.cashSale(sale);
        }
    }
    till.logout();
    note(QStringLiteral("DONE"));
    ZkPrompt::setHandler({});
    return 0;
}
