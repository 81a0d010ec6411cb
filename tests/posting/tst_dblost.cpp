// The database server stopped in the middle of a till's run and started
// again, twice: each action that finds it away shows one message and
// writes nothing half, the sale stays in the till, the till connects again
// by itself, and every sale is charged exactly its own lines.
//
// The till works against a MariaDB server of this test's own, since the one
// of the test command serves the other tests meanwhile.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "main/dbsetup.h"
#include "main/demoshop.h"
#include "tests/posting/tillrun.h"
#include "tests/support/testshop.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char* const kDatabase = "brevalon_lost";

/** A MariaDB server in a folder of its own, stopped and started at will. */
class Server
{
public:
    bool install(QString* why)
    {
        const QStringList dirs{QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")};
        m_daemon = QStandardPaths::findExecutable(QStringLiteral("mariadbd"), dirs);
        const QString installer = QStandardPaths::findExecutable(QStringLiteral("mariadb-install-db"), dirs);
        if (m_daemon.isEmpty() || installer.isEmpty()) {
            *why = QStringLiteral("mariadbd or mariadb-install-db is not installed");
            return false;
        }
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        m_port = probe.serverPort();
        probe.close();
        QProcess p;
        p.start(installer, {QStringLiteral("--datadir=") + m_dir.filePath(QStringLiteral("data")),
                            QStringLiteral("--user=") + qEnvironmentVariable("USER", QStringLiteral("root")),
                            QStringLiteral("--auth-root-authentication-method=normal")});
        if (!p.waitForFinished(180000) || p.exitCode() != 0) {
            *why = QStringLiteral("mariadb-install-db failed: ") + QString::fromLocal8Bit(p.readAllStandardError());
            return false;
        }
        return true;
    }

    bool start()
    {
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        m_server.setStandardOutputFile(m_dir.filePath(QStringLiteral("server.log")), QIODevice::Append);
        m_server.start(m_daemon,
                       {QStringLiteral("--no-defaults"), QStringLiteral("--datadir=") + m_dir.filePath(QStringLiteral("data")),
                        QStringLiteral("--socket=") + m_dir.filePath(QStringLiteral("sock")),
                        QStringLiteral("--port=%1").arg(m_port), QStringLiteral("--bind-address=127.0.0.1"),
                        QStringLiteral("--user=") + qEnvironmentVariable("USER", QStringLiteral("root")),
                        QStringLiteral("--pid-file=") + m_dir.filePath(QStringLiteral("pid")),
                        QStringLiteral("--innodb-flush-log-at-trx-commit=2")});
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 30000) {
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), QStringLiteral("ping"));
                db.setHostName(QStringLiteral("127.0.0.1"));
                db.setPort(m_port);
                db.setUserName(QStringLiteral("root"));
                const bool up = db.open();
                db.close();
                if (up) {
                    db = QSqlDatabase();
                    QSqlDatabase::removeDatabase(QStringLiteral("ping"));
                    return true;
                }
            }
            QSqlDatabase::removeDatabase(QStringLiteral("ping"));
            QTest::qWait(100);
        }
        return false;
    }

    void stop()
    {
        m_server.terminate();
        if (!m_server.waitForFinished(60000))
            m_server.kill();
        m_server.waitForFinished(5000);
    }

    ~Server()
    {
        if (m_server.state() != QProcess::NotRunning)
            stop();
    }

    int port() const { return m_port; }

private:
    QTemporaryDir m_dir;
    QString m_daemon;
    QProcess m_server;
    int m_port = 0;
};

int salesSoFar(const TillRun& run)
{
    return int(run.log(0).sales.size());
}

bool waitForSales(const TillRun& run, int n, int seconds)
{
    QElapsedTimer waited;
    waited.start();
    while (salesSoFar(run) < n) {
        if (waited.elapsed() > seconds * 1000)
            return false;
        QTest::qWait(100);
    }
    return true;
}

} // namespace

class TestDatabaseLost : public QObject
{
    Q_OBJECT

private slots:
    void serverStoppedAndStarted();
};

void TestDatabaseLost::serverStoppedAndStarted()
{
    if (!TestShop::isMariaDb())
        QSKIP("SQLite has no server to lose; the MariaDB run of this test stops and starts one");
    Server server;
    QString why;
    if (!server.install(&why))
        QSKIP(qPrintable(why));
    QVERIFY(server.start());

    // The shop, on the test's own server.
    QTemporaryDir home;
    settings = new ZkSettings(home.path());
    settings->writeEntry(QStringLiteral("/Global/DBDriver"), QStringLiteral("QMYSQL3"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"));
        db.setHostName(QStringLiteral("127.0.0.1"));
        db.setPort(server.port());
        db.setUserName(QStringLiteral("root"));
        QVERIFY2(db.open(), qPrintable(db.lastError().text()));
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("CREATE DATABASE %1 CHARACTER SET utf8mb4").arg(QLatin1String(kDatabase))));
        db.close();
        db.setDatabaseName(QLatin1String(kDatabase));
        QVERIFY(db.open());
        QVERIFY(q.exec(QStringLiteral("SET SESSION sql_mode = CONCAT(@@SESSION.sql_mode, ',NO_BACKSLASH_ESCAPES')")));
        QString error;
        QVERIFY2(DbSetup::createSchema(db, &error) && DemoShop::seed(db, &error), qPrintable(error));
    }
    const QMap<QString, double> stockBefore = TillRun::stock();

    TillRun run;
    run.setDatabase(QLatin1String(kDatabase));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("BREVALON_TEST_MYSQL_HOST"), QStringLiteral("127.0.0.1"));
    env.insert(QStringLiteral("BREVALON_TEST_MYSQL_PORT"), QString::number(server.port()));
    env.insert(QStringLiteral("BREVALON_TEST_MYSQL_USER"), QStringLiteral("root"));
    env.insert(QStringLiteral("BREVALON_TEST_MYSQL_PASSWORD"), QString());
    run.setEnvironment(env);
    const int sales = 36;
    run.start(QStringLiteral("MARY"), QStringLiteral("1111"),
              {QStringLiteral("--sales"), QString::number(sales), QStringLiteral("--pace"), QStringLiteral("120"),
               QStringLiteral("--tag"), QStringLiteral("l")});

    // Twice in the run the server goes away for a few seconds.
    for (int outage : {8, 20}) {
        QVERIFY2(waitForSales(run, outage, 240), "the till did not get on with its sales");
        QSqlDatabase::database().close(); // the test's own reading connection goes with it
        server.stop();
        QTest::qWait(3000);
        QVERIFY(server.start());
        QVERIFY(QSqlDatabase::database().open());
    }
    QVERIFY(run.wait(600));
    QCOMPARE(run.exitCode(0), 0);

    TillLog log = run.log(0);
    QCOMPARE(int(log.sales.size()), sales);
    // Each action that found the server away said so once; nothing else.
    QVERIFY2(!log.errors.isEmpty(), "no action noticed the server was away");
    QMap<QString, int> perAction;
    for (const QString& e : qAsConst(log.errors)) {
        const QString actionNumber = e.section(QLatin1Char(' '), 0, 0);
        ++perAction[actionNumber];
        QVERIFY2(e.contains(QLatin1String("The database cannot be reached"))
                     || e.contains(QLatin1String("was lost and has been opened again")),
                 qPrintable(e));
    }
    for (auto it = perAction.cbegin(); it != perAction.cend(); ++it)
        QVERIFY2(it.value() == 1, qPrintable(QStringLiteral("action %1 showed %2 boxes").arg(it.key()).arg(it.value())));
    log.errors.clear();
    // Nothing half-written; every sale charged its own lines and paid once.
    const QStringList wrong = TillRun::checkBooks({log}, stockBefore);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.mid(0, 12).join(QLatin1String("\n"))));
    QSqlDatabase::database().close();
    QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
    delete settings;
    settings = nullptr;
}

BREVALON_TEST_MAIN(TestDatabaseLost)
#include "tst_dblost.moc"
