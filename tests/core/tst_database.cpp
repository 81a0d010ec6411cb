// The database layer: the SQL dialect following the driver setting, new row
// numbers, the scratch table of each connection, posting units, counters,
// operator text through SQL, the error box, the schema and the seeding tool.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkdb.h"
#include "core/zksettings.h"
#include "core/zktransaction.h"
#include "tests/support/testshop.h"

#include "core/zkprompt.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QProcess>
#include <QTimer>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Whether this process holds a lock on the file, as the kernel lists it.
bool holdsLock(const QString& path)
{
    struct stat info;
    if (stat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly))
        return false;
    const QString pid = QString::number(getpid());
    const QString inode = QLatin1Char(':') + QString::number(info.st_ino);
    for (const QByteArray& line : locks.readAll().split('\n')) {
        const QStringList f = QString::fromLatin1(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (f.size() > 5 && f.at(4) == pid && f.at(5).endsWith(inode))
            return true;
    }
    return false;
}

} // namespace

class TestDatabase : public QObject
{
    Q_OBJECT

private slots:
    void sessionFailureGivesItsReason()
    {
        if (TestShop::isMariaDb())
            QSKIP("the session statements fail on an unreadable SQLite file; a server's cannot be made to");
        TestShop shop;
        {
            const QString def = QLatin1String(QSqlDatabase::defaultConnection);
            QSqlDatabase::database(def, false).close();
            QSqlDatabase::removeDatabase(def);
        }
        QFile file(shop.home() + QLatin1String("/rubbish.db"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        settings->writeEntry(QStringLiteral("/Global/DBName"), file.fileName());
        // Start-up shows this text in its box: the server's words and the
        // statement, not an empty box.
        QString error;
        QCOMPARE(ZkDb::openDefault(&error), ZkDb::OpenFailed);
        QVERIFY2(error.contains(QLatin1String("file is not a database")), qPrintable(error));
        QVERIFY2(error.contains(QLatin1String("PRAGMA journal_mode")), qPrintable(error));
    }

    void dialectFollowsTheDriver_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("plugin");
        QTest::addColumn<QString>("newRow");
        QTest::addColumn<bool>("locks");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QString>("lineBreak");
        const QString id = QStringLiteral("SELECT LAST_INSERT_ID()");
        const QString rowid = QStringLiteral("SELECT LAST_INSERT_ROWID()");
        const QString seq = QStringLiteral("SELECT LAST_VALUE FROM invoiceitem_seq");
        QTest::newRow("historic mysql") << "QMYSQL3" << "QMYSQL" << id << true << " LIMIT 1" << "\n";
        // Every server takes a line break inside a quoted literal as itself.
        QTest::newRow("sqlite") << "QSQLITE" << "QSQLITE" << rowid << false << " LIMIT 1" << "\n";
        QTest::newRow("sqlite3") << "QSQLITE3" << "QSQLITE" << rowid << false << " LIMIT 1" << "\n";
        // Any other name goes to Qt as it is and speaks the sequences dialect.
        QTest::newRow("qt's own mysql name") << "QMYSQL" << "QMYSQL" << seq << false << "" << "\n";
    }

    void dialectFollowsTheDriver()
    {
        QFETCH(QString, setting);
        QFETCH(QString, plugin);
        QFETCH(QString, newRow);
        QFETCH(bool, locks);
        QFETCH(QString, limit);
        QFETCH(QString, lineBreak);
        TestShop shop;
        settings->writeEntry(QStringLiteral("/Global/DBDriver"), setting);
        QCOMPARE(ZkDb::qtDriverName(setting), plugin);
        QCOMPARE(ZkDb::newRowQuery(QStringLiteral("invoiceitem_seq")), newRow);
        QCOMPARE(ZkDb::hasTableLocks(), locks);
        QCOMPARE(ZkDb::limitOne(), limit);
        QCOMPARE(Utility::escapeSQL(QStringLiteral("a\nb")), QLatin1String("a") + lineBreak + QLatin1String("b"));
    }

    void newRowNumbersReadBack()
    {
        TestShop shop;
        // The demo holds fifteen clients.
        TestShop::exec(QStringLiteral("INSERT INTO Clients (Name) VALUES ('NEW CLIENT')"));
        QCOMPARE(ZkDb::newRowNumber(QStringLiteral("unused")), 16);
        // Invoice rows are made under the table lock where the server has one.
        for (int expected : {1, 2}) {
            QVERIFY(ZkDb::lockStatement(QStringLiteral("LOCK TABLE Invoice WRITE;")));
            TestShop::exec(QStringLiteral("INSERT INTO Invoice (MyDate, AccountNumber, Status) "
                                          "VALUES ('2026-12-05 10:00:00', 16, 'P')"));
            QCOMPARE(ZkDb::newRowNumber(QStringLiteral("invoice_mynumber_seq")), expected);
            QVERIFY(ZkDb::lockStatement(QStringLiteral("UNLOCK TABLES")));
        }
        // After the unlock every table is reachable again.
        QCOMPARE(TestShop::value(QStringLiteral("SELECT Name FROM Clients WHERE AccountNumber=16")).toString(),
                 QStringLiteral("NEW CLIENT"));
        QCOMPARE(shop.prompts().seen(), QStringList());
    }

    void scratchTableIsTheConnectionsOwn()
    {
        TestShop shop;
        // Another station holds its scratch table, and an old version's
        // crash left a real one behind: neither stands in this one's way.
        const QString other = shop.openSecondStation();
        QSqlQuery there(QSqlDatabase::database(other));
        QVERIFY(there.exec(ZkDb::createTempStatement(QStringLiteral("MyNumber INT4"))));
        QVERIFY(there.exec(QStringLiteral("INSERT INTO temp (MyNumber) VALUES (7)")));
        TestShop::exec(QStringLiteral("CREATE TABLE temp (MyDate date)"));
        QVERIFY(utils->makeTempInvoiceItemTable(QStringLiteral("WHERE InvoiceNumber=0"), true));
        QCOMPARE(TestShop::count(QStringLiteral("SELECT MyNumber FROM temp")), 0);
        QVERIFY(there.exec(QStringLiteral("SELECT MyNumber FROM temp")) && there.next());
        QCOMPARE(there.value(0).toInt(), 7);
        there.finish();
        QVERIFY(ZkDb::releaseTemp());
        QVERIFY(ZkDb::releaseTemp()); // nothing left to drop is no fault
        QCOMPARE(shop.sleptSeconds(), 0);
        QVERIFY(shop.prompts().seen().isEmpty());
        TestShop::exec(QStringLiteral("DROP TABLE temp"));
    }

    void tablesAreTransactional()
    {
        if (!TestShop::isMariaDb())
            QSKIP("SQLite has no storage engines; every table takes part in a unit");
        TestShop shop(TestShop::EmptyTables);
        const int tables = TestShop::count(QStringLiteral("SELECT TABLE_NAME FROM information_schema.TABLES WHERE "
                                                          "TABLE_SCHEMA=DATABASE()"));
        QVERIFY(tables >= 23);
        QCOMPARE(TestShop::count(QStringLiteral("SELECT TABLE_NAME FROM information_schema.TABLES WHERE "
                                                "TABLE_SCHEMA=DATABASE() AND ENGINE<>'InnoDB'")),
                 0);
    }

    void unitsCommitOnceOrNotAtAll_data()
    {
        QTest::addColumn<QString>("fault"); // what goes wrong inside
        QTest::addColumn<int>("clients");   // rows written by the end
        QTest::newRow("committed") << "" << 17;
        QTest::newRow("an inner unit gives up") << "inner" << 15;
        QTest::newRow("a statement fails") << "statement" << 15;
        QTest::newRow("left without a commit") << "return" << 15;
    }

    void unitsCommitOnceOrNotAtAll()
    {
        QFETCH(QString, fault);
        QFETCH(int, clients);
        TestShop shop;
        if (fault == QLatin1String("statement"))
            shop.prompts().expect(ZkPrompt::Warning, QString(), QStringLiteral("\nINSERT INTO NoSuchTable"));
        {
            ZkTransaction unit;
            QVERIFY(unit.isOpen() && ZkTransaction::active());
            TestShop::exec(QStringLiteral("INSERT INTO Clients (Name) VALUES ('OUTER')"));
            {
                ZkTransaction inner; // joins the outer unit
                TestShop::exec(QStringLiteral("INSERT INTO Clients (Name) VALUES ('INNER')"));
                if (fault != QLatin1String("inner"))
                    QVERIFY(inner.commit());
            }
            if (fault == QLatin1String("statement")) {
                QSqlQuery q;
                QVERIFY(!q.exec(QStringLiteral("INSERT INTO NoSuchTable VALUES (1)")));
                // Kept for after the rollback: no box while the unit is open.
                QVERIFY(Utility::showDBError(q));
                QVERIFY(shop.prompts().seen().isEmpty());
            }
            // Another station sees nothing of it yet.
            QCOMPARE(TestShop::value(QStringLiteral("SELECT COUNT(*) FROM Clients"), shop.openSecondStation()).toInt(),
                     15);
            if (fault != QLatin1String("return"))
                QCOMPARE(unit.commit(), fault.isEmpty());
        }
        QVERIFY(!ZkTransaction::active());
        QVERIFY(shop.prompts().done());
        QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Clients")), clients);
    }

    void promptInsideAUnitIsAFault()
    {
        TestShop shop;
        ZkPrompt::Request seen;
        ZkPrompt::setHandler([&seen](const ZkPrompt::Request& r) {
            seen = r;
            return ZkPrompt::Reply{};
        });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("inside|posting unit")));
        {
            ZkTransaction unit;
            ZkPrompt::information(nullptr, QStringLiteral("Brevalon"), QStringLiteral("printed"));
        }
        QVERIFY(seen.insideUnit);
        ZkPrompt::information(nullptr, QStringLiteral("Brevalon"), QStringLiteral("after the unit"));
        QVERIFY(!seen.insideUnit);
        ZkPrompt::setHandler({});
    }

    void counterTakenWithOneStatement()
    {
        TestShop shop;
        const int before = TestShop::value(QStringLiteral("SELECT SequenceNo FROM SysInfo")).toInt();
        // Two stations take numbers in turn: each gets its own.
        const QString other = shop.openSecondStation();
        QList<int> taken;
        for (int i = 0; i < 3; ++i) {
            taken << ZkDb::takeCounter(QStringLiteral("SysInfo"), QStringLiteral("SequenceNo"));
            QSqlQuery there(QSqlDatabase::database(other));
            QVERIFY(there.exec(QStringLiteral("UPDATE SysInfo SET SequenceNo=SequenceNo+1")));
        }
        QCOMPARE(taken, (QList<int>{before + 1, before + 3, before + 5}));
        // A shop without its row gets no number.
        TestShop::exec(QStringLiteral("DELETE FROM SysInfo"));
        QCOMPARE(ZkDb::takeCounter(QStringLiteral("SysInfo"), QStringLiteral("SequenceNo")), 0);
    }

    void hostileTextRoundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored"); // what comes back; null: the text itself
        QTest::newRow("apostrophes") << "O'Brien's ''" << QString();
        QTest::newRow("injection") << "x'); DELETE FROM Clients; --" << QString();
        QTest::newRow("backslashes") << "C:\\till\\data" << QString();
        QTest::newRow("trailing backslash") << "ends in \\" << QString();
        QTest::newRow("backslash quote") << "\\'" << QString();
        QTest::newRow("line breaks") << "line one\nline two\n" << QString();
        QTest::newRow("wildcards and double quotes") << "100% _off_ \"best\" %1" << QString();
        QTest::newRow("non-ascii") << "Café Zoë — 20 € · 東京" << QString();
        QTest::newRow("empty") << "" << QString();
        // Every server keeps the two characters as typed.
        QTest::newRow("backslash and n typed") << "C:\\new" << QString();
        QTest::newRow("a scanner's group separator") << "0104012345\x1d" "1012" << QString();
        QTest::newRow("controls") << QString("bell\a tab\t esc\x1b del\x7f") << QString();
        QTest::newRow("NUL") << QString::fromUtf16(u"a\0b", 3) << "ab";
        QTest::newRow("lone surrogates") << QString::fromUtf16(u"x\xd800y\xdc00z", 5) << "xyz";
        QTest::newRow("a surrogate pair") << QString::fromUtf16(u"\xd83d\xde00", 2) << QString();
    }

    void hostileTextRoundTrip()
    {
        QFETCH(QString, text);
        QFETCH(QString, stored);
        if (stored.isNull())
            stored = text;
        TestShop shop;
        const QString escaped = Utility::escapeSQL(text);
        TestShop::exec(QStringLiteral("INSERT INTO Clients (Name, Notes) VALUES ('ROUND TRIP', '%1')").arg(escaped));
        QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Clients")), 16);
        QCOMPARE(TestShop::value(QStringLiteral("SELECT Notes FROM Clients WHERE Name='ROUND TRIP'")).toString(),
                 stored);
        // It finds itself again in a WHERE clause, and as the start of a LIKE pattern.
        QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Clients WHERE Notes='%1'").arg(escaped)), 1);
        QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Clients WHERE Notes LIKE '%1%'%2")
                                     .arg(Utility::escapeLike(text), Utility::likeEscape())),
                 1);
        QCOMPARE(Utility::escapeSQL(text, true), Utility::escapeSQL(text.toUpper()));
    }

    void failedStatementShowsTheErrorBox()
    {
        TestShop shop;
        QSqlQuery q;
        QVERIFY(!q.exec(QStringLiteral("SELECT Nothing FROM NoSuchTable")));
        shop.prompts().expect(ZkPrompt::Warning, q.lastError().driverText(),
                              QStringLiteral("\nSELECT Nothing FROM NoSuchTable"));
        QVERIFY(Utility::showDBError(q));
        QVERIFY(shop.prompts().done());
        QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM Clients")));
        QVERIFY(!Utility::showDBError(q));
    }

    void schemaKeepsThePrecision()
    {
        TestShop shop(TestShop::EmptyTables);
        // Money keeps two decimals, quantities three, discounts one.
        TestShop::exec(QStringLiteral("INSERT INTO InvoiceItem (InvoiceNumber, Quantity, Price, Discount) "
                                      "VALUES (1, 1.234, 12.34, 12.5)"));
        QCOMPARE(TestShop::value(QStringLiteral("SELECT Quantity FROM InvoiceItem")).toDouble(), 1.234);
        QCOMPARE(TestShop::value(QStringLiteral("SELECT Price FROM InvoiceItem")).toDouble(), 12.34);
        QCOMPARE(TestShop::value(QStringLiteral("SELECT Discount FROM InvoiceItem")).toDouble(), 12.5);
    }

    void seedingToolRefusesASecondSeed()
    {
        TestShop shop;
        // The tool, with a home of its own, is pointed at the shop's database.
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        auto run = [&](const QStringList& args, QString* out = nullptr) {
            QProcess p;
            p.setProcessEnvironment(env);
            p.start(qEnvironmentVariable("BREVALON_BUILD_DIR") + QLatin1String("/main/brevalon-db"), args);
            p.waitForFinished(60000);
            if (out)
                *out = QString::fromLocal8Bit(p.readAllStandardError() + p.readAllStandardOutput());
            return p.exitCode();
        };
        QStringList configure{QStringLiteral("configure")};
        const char* const options[][2] = {{"driver", "DBDriver"}, {"server", "DBServer"}, {"port", "DBPport"},
                                          {"name", "DBName"},     {"user", "DBUser"},     {"password", "DBPassword"}};
        for (const auto& option : options) {
            const QString key = QLatin1String("/Global/") + QLatin1String(option[1]);
            if (settings->contains(key))
                configure << QLatin1String("--") + QLatin1String(option[0]) << settings->readEntry(key);
        }
        QCOMPARE(run(configure), 0);

        TestShop::exec(QStringLiteral("INSERT INTO Clients (Name) VALUES ('KEEP ME')"));
        QString out;
        QCOMPARE(run({QStringLiteral("setup")}, &out), 3);
        QVERIFY2(out.contains(QLatin1String("already holds tables")), qPrintable(out));
        QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Clients WHERE Name='KEEP ME'")), 1);
        // Forced, it starts again from the demo shop.
        QCOMPARE(run({QStringLiteral("setup"), QStringLiteral("--force")}, &out), 0);
        QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Clients WHERE Name='KEEP ME'")), 0);
        QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Clients WHERE Name LIKE 'TABLE %'")), 12);
        QVERIFY(TestShop::count(QStringLiteral("SELECT * FROM Inventory")) >= 40);
    }

    // A picture is picked from any folder, the database's among them: the
    // dialog must not open the database file, for closing it drops the
    // locks that keep another process from deleting the write-ahead log.
    void fileDialogKeepsTheDatabaseLocks()
    {
        if (TestShop::isMariaDb())
            QSKIP("a server's database has no file in a folder the till shows");
        TestShop shop;
        const QString db = shop.home() + QLatin1String("/shop.db");
        QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM SysInfo")), 1);
        QVERIFY(holdsLock(db));
        ZkPrompt::setHandler({});
        // Asks for every row's icon and type, as painting the list does.
        const auto look = [] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* model = dialog ? dialog->findChild<QFileSystemModel*>() : nullptr;
            if (!model)
                return;
            const QModelIndex folder = model->index(dialog->directory().absolutePath());
            for (int row = 0; row < model->rowCount(folder); ++row) {
                model->data(model->index(row, 0, folder), Qt::DecorationRole);
                model->type(model->index(row, 0, folder));
            }
        };
        QTimer::singleShot(300, look);
        QTimer::singleShot(900, look);
        QTimer::singleShot(1800, [] {
            if (QWidget* dialog = QApplication::activeModalWidget())
                dialog->close();
        });
        ZkPrompt::openFileName(nullptr, QStringLiteral("Picture"), shop.home(), QStringLiteral("All files (*)"));
        QVERIFY(holdsLock(db));
    }
};

BREVALON_TEST_MAIN(TestDatabase)
#include "tst_database.moc"
