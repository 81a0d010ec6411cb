// Several tills on one database, set up word for word with the commands of
// the README's section "Several tills on one MariaDB server", run through
// the built brevalon-db: the server's database and user, two tills
// configured, the new shop and a second user; then one till logs in here as
// Admin while a second till, another process, logs in as MARY. On SQLite
// the tills share one file instead, configured by the same commands with the
// server's part swapped for the file.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "main/startup.h"
#include "sales/sales.h"
#include "tests/support/keypadinput.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/testshop.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString env(const char* name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

// The commands of a README section: the indented lines that run brevalon-db.
QList<QStringList> readmeCommands(const QString& heading)
{
    QFile file(env("BREVALON_SOURCE_DIR") + QLatin1String("/README.md"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    const int start = text.indexOf(QLatin1String("## ") + heading);
    if (start < 0)
        return {};
    const int end = text.indexOf(QLatin1String("\n## "), start + 3);
    QList<QStringList> commands;
    static const QRegularExpression word(QStringLiteral("'([^']*)'|\"([^\"]*)\"|(\\S+)"));
    for (const QString& line : text.mid(start, end < 0 ? -1 : end - start).split(QLatin1Char('\n'))) {
        if (!line.startsWith(QLatin1String("    ")))
            continue;
        QStringList words;
        for (auto it = word.globalMatch(line.trimmed()); it.hasNext();) {
            const auto m = it.next();
            words << (m.hasCaptured(1) ? m.captured(1) : m.hasCaptured(2) ? m.captured(2) : m.captured(3));
        }
        if (words.value(0) == QLatin1String("sudo"))
            words.removeFirst();
        if (words.value(0) == QLatin1String("brevalon-db"))
            commands << words.mid(1);
    }
    return commands;
}

struct Run
{
    int status = -1;
    QString out;
};

Run brevalonDb(const QString& home, const QStringList& args)
{
    QProcess p;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert(QStringLiteral("HOME"), home);
    p.setProcessEnvironment(e);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(env("BREVALON_BUILD_DIR") + QLatin1String("/main/brevalon-db"), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAll())};
}

// A till in a process of its own: this test program started with
// "--till HOME CODE" logs in with CODE and tells what it shows.
int runTill(int argc, char** argv)
{
    qputenv("HOME", argv[2]);
    QApplication app(argc, argv);
    ScriptedPrompts prompts;
    // A touch-screen user is asked for the waiter next; no waiter.
    prompts.expectExec(QStringLiteral("NumEntry"), typeCode(QString::fromLocal8Bit(argv[3])))
        .expectExec(QStringLiteral("NumEntry"), typeCode(QString(), Finish::Cancel));
    const int status = Startup::begin(app);
    QTextStream out(stdout);
    if (status == 0) {
        out << "TITLE " << shop->windowTitle() << Qt::endl;
        QSqlQuery q(QStringLiteral("SELECT Name FROM Login"));
        while (q.next())
            out << "SESSION " << q.value(0).toString() << Qt::endl;
        Startup::end();
    }
    return status;
}

} // namespace

class TestSharedDb : public QObject
{
    Q_OBJECT

private slots:
    void refusedInput_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QStringList create{"create-database", "--server", "127.0.0.1", "--port", "1", "--admin-user", "root"};
        QTest::newRow("a quote in the database name")
            << (create + QStringList{"--name", "Bre`valon", "--user", "u", "--password", "p"}) << 1
            << "the database name must be letters, digits and _";
        QTest::newRow("the administrator as the tills' user")
            << (create + QStringList{"--name", "B", "--user", "root", "--password", "p"}) << 1
            << "the tills need a user of their own";
        QTest::newRow("no password") << (create + QStringList{"--name", "B", "--user", "u", "--password", ""}) << 1
                                     << "needs a password";
        QTest::newRow("SQL in the hosts") << (create + QStringList{"--name", "B", "--user", "u", "--password", "p",
                                                                   "--tills", "x' OR '1"})
                                          << 1 << "--tills takes a host name";
        QTest::newRow("a line break in the password")
            << (create + QStringList{"--name", "B", "--user", "u", "--password", "a\nb"})
            << 1 << "control characters";
        QTest::newRow("letters in the admin code")
            << QStringList{"new-shop", "--shop-name", "X", "--admin-code", "12ab"} << 1 << "1 to 20 digits";
        QTest::newRow("a tax rate that is no number")
            << QStringList{"new-shop", "--shop-name", "X", "--admin-code", "1", "--vat", "abc"} << 1 << "--vat PERCENT";
        QTest::newRow("no shop name") << QStringList{"new-shop", "--admin-code", "1"} << 1 << "--shop-name NAME";
        QTest::newRow("a second Admin") << QStringList{"add-user", "admin", "77"} << 4 << "administrator exists";
        QTest::newRow("a code taken") << QStringList{"add-user", "PETE", "1111"} << 4 << "already MARY's";
        QTest::newRow("a right that is not one")
            << QStringList{"add-user", "PETE", "77", "--rights", "CashUp,Everything"} << 4 << "no such right: Everything";
        QTest::newRow("an unknown command") << QStringList{"make-coffee"} << 1 << "Usage:";
    }

    void refusedInput()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        // The demo shop on this backend, whose staff the user commands meet.
        TestShop shop(TestShop::Demo, TestShop::DatabaseOnly);
        {
            ZkSettings store(shop.home());
            shop.writeConnection(store);
        }
        const Run run = brevalonDb(shop.home(), args);
        QVERIFY2(run.out.contains(message), qPrintable(run.out));
        QCOMPARE(run.status, status);
    }

    void aQuoteInANameIsKept()
    {
        TestShop shop(TestShop::Demo, TestShop::DatabaseOnly);
        {
            ZkSettings store(shop.home());
            shop.writeConnection(store);
        }
        const Run run = brevalonDb(shop.home(), {QStringLiteral("add-user"), QStringLiteral("o'brien"),
                                                 QStringLiteral("4242"), QStringLiteral("--rights"),
                                                 QStringLiteral("CashUp")});
        QVERIFY2(run.status == 0, qPrintable(run.out));
        const Run checked = brevalonDb(shop.home(), {QStringLiteral("check")});
        QVERIFY2(checked.out.contains(QLatin1String("O'BRIEN")), qPrintable(checked.out));
    }

    void twoTillsFromTheReadme()
    {
        const QList<QStringList> readme = readmeCommands(QStringLiteral("Several tills on one MariaDB server"));
        QStringList verbs;
        for (const QStringList& c : readme)
            verbs << c.value(0);
        QCOMPARE(verbs, QStringList({"create-database", "configure", "check", "new-shop", "add-user"}));

        QTemporaryDir server, till1, till2;
        const QString port = env("BREVALON_TEST_MYSQL_PORT");
        const QString sqliteFile = till1.filePath(QStringLiteral("shop.db"));
        // Where the README names the machines of a real shop, the test's own.
        auto here = [&](QStringList c) {
            if (c.first() == QLatin1String("create-database"))
                c << QStringLiteral("--server") << QStringLiteral("127.0.0.1") << QStringLiteral("--port") << port
                  << QStringLiteral("--admin-user") << env("BREVALON_TEST_MYSQL_USER")
                  << QStringLiteral("--admin-password") << env("BREVALON_TEST_MYSQL_PASSWORD")
                  << QStringLiteral("--tills") << QStringLiteral("127.0.0.1");
            if (c.first() == QLatin1String("configure")) {
                if (TestShop::isMariaDb()) {
                    c.replaceInStrings(QStringLiteral("db.example"), QStringLiteral("127.0.0.1"));
                    c << QStringLiteral("--port") << port;
                } else {
                    c = QStringList{QStringLiteral("configure"), QStringLiteral("--driver"), QStringLiteral("QSQLITE"),
                                    QStringLiteral("--name"), sqliteFile};
                }
                c << QStringLiteral("--install-dir") << TestShop::installDir();
            }
            return c;
        };

        if (TestShop::isMariaDb()) {
            // A run before this one left its database and user behind.
            QSqlDatabase admin = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), QStringLiteral("admin"));
            admin.setHostName(QStringLiteral("127.0.0.1"));
            admin.setPort(port.toInt());
            admin.setUserName(env("BREVALON_TEST_MYSQL_USER"));
            admin.setPassword(env("BREVALON_TEST_MYSQL_PASSWORD"));
            QVERIFY2(admin.open(), qPrintable(admin.lastError().text()));
            QSqlQuery q(admin);
            QVERIFY(q.exec(QStringLiteral("DROP DATABASE IF EXISTS Brevalon")));
            QVERIFY(q.exec(QStringLiteral("DROP USER IF EXISTS 'brevalon'@'127.0.0.1'")));
            const Run created = brevalonDb(server.path(), here(readme.at(0)));
            QVERIFY2(created.status == 0, qPrintable(created.out));
            QVERIFY2(created.out.contains(QLatin1String("user brevalon may use database Brevalon")),
                     qPrintable(created.out));
            // The tills' user reaches its own database and no other.
            QVERIFY(q.exec(QStringLiteral("SHOW GRANTS FOR 'brevalon'@'127.0.0.1'")));
            QStringList grants;
            while (q.next())
                grants << q.value(0).toString();
            QCOMPARE(grants.size(), 2);
            QVERIFY2(grants.last().startsWith(QLatin1String("GRANT ALL PRIVILEGES ON `Brevalon`.*")),
                     qPrintable(grants.join(QLatin1Char('\n'))));
            admin.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("admin"));

        for (const QString& home : {till1.path(), till2.path()}) {
            const Run configured = brevalonDb(home, here(readme.at(1)));
            QVERIFY2(configured.status == 0, qPrintable(configured.out));
        }
        // Before the shop exists check says so, and fails.
        Run checked = brevalonDb(till1.path(), readme.at(2));
        QCOMPARE(checked.status, 4);
        QVERIFY2(checked.out.contains(QLatin1String("no shop yet")), qPrintable(checked.out));

        const Run shopMade = brevalonDb(till1.path(), readme.at(3));
        QVERIFY2(shopMade.status == 0, qPrintable(shopMade.out));
        const Run userAdded = brevalonDb(till2.path(), readme.at(4));
        QVERIFY2(userAdded.status == 0, qPrintable(userAdded.out));
        // The same commands again change nothing.
        QCOMPARE(brevalonDb(till1.path(), readme.at(3)).status, 3);
        QCOMPARE(brevalonDb(till2.path(), readme.at(4)).status, 4);

        checked = brevalonDb(till2.path(), readme.at(2));
        QVERIFY2(checked.status == 0, qPrintable(checked.out));
        QVERIFY2(checked.out.contains(QLatin1String("shop: The Harbour Kitchen\nstaff: Admin, MARY")),
                 qPrintable(checked.out));
        if (TestShop::isMariaDb())
            QVERIFY2(checked.out.contains(QLatin1String("connected to Brevalon on 127.0.0.1 as brevalon\n")),
                     qPrintable(checked.out));

        // Till 1, here: Admin with the code that new-shop was given.
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", till1.path().toLocal8Bit());
        {
            ScriptedPrompts prompts;
            prompts.expectExec(QStringLiteral("NumEntry"), typeCode(QStringLiteral("4321")));
            QCOMPARE(Startup::begin(*qApp), 0);
            QVERIFY2(shop->windowTitle().startsWith(QLatin1String("Brevalon - Admin Logged in at ")),
                     qPrintable(shop->windowTitle()));
            QCOMPARE(utils->sysInfo().aline[0], QStringLiteral("The Harbour Kitchen"));
            if (TestShop::isMariaDb()) {
                QSqlQuery q(QStringLiteral("SELECT CURRENT_USER()"));
                QVERIFY(q.next());
                QCOMPARE(q.value(0).toString(), QStringLiteral("brevalon@127.0.0.1"));
            }

            // Till 2, meanwhile, in its own process: MARY.
            QProcess other;
            QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
            e.insert(QStringLiteral("HOME"), till2.path());
            other.setProcessEnvironment(e);
            other.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--till"), till2.path(), QStringLiteral("1111")});
            QVERIFY(other.waitForFinished(120000));
            const QString said = QString::fromUtf8(other.readAllStandardOutput());
            QVERIFY2(other.exitCode() == 0, qPrintable(said + QString::fromUtf8(other.readAllStandardError())));
            QVERIFY2(said.contains(QLatin1String("TITLE Brevalon - MARY Logged in at ")), qPrintable(said));
            // MARY's session is recorded in the shared database, for every till to see.
            QVERIFY2(said.contains(QLatin1String("SESSION MARY")), qPrintable(said));
            QSqlQuery q(QStringLiteral("SELECT Name FROM Login"));
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toString(), QStringLiteral("MARY"));
            QCOMPARE(Startup::end(), 0);
        }
        qputenv("HOME", oldHome);
    }
};

int main(int argc, char** argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--till") == 0)
        return runTill(argc, argv);
    TestSharedDb tc;
    return brevalonTestMain(argc, argv, &tc);
}

#include "tst_shareddb.moc"
