// The database backup and its restore: a seeded shop holding hostile text
// comes back row for row through brevalon-db restore (the mysql client on
// MariaDB, the program's reader on SQLite); files that are no backup are
// refused before anything changes; the till's backup command with its
// destination, media command and faults, never leaving a partial file.

#include "core/zkrowstream.h"
#include "main/dbsetup.h"
#include "maintenance/backupwriter.h"
#include "tests/sales/till.h"
#include "tests/support/actionrows.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <numeric>
#include <sys/resource.h>

namespace {

// Text that breaks naive quoting, escaping or line handling.
const QStringList kHostile = {
    QStringLiteral("O'Brien"),
    QStringLiteral("back\\slash and a trailing one\\"),
    QStringLiteral("\\N as written, not NULL"),
    QStringLiteral("\\n as written, not a line break"),
    QStringLiteral("two\nlines"),
    QStringLiteral("crlf\r\nand a tab\t"),
    QString::fromUtf16(u"nul\u0000inside", 11),
    QString::fromUtf8("\xc3\x9cml\xc3\xa4ut \xce\x91\xce\x92\xce\x93 \xe6\xbc\xa2\xe5\xad\x97 \xf0\x9f\x98\x80"),
    QStringLiteral("'); DELETE FROM Clients; --"),
    QStringLiteral("''\\''"),
};

// Every row of a table as text, NULL told apart, in a fixed order.
QList<QByteArray> rowsOf(const QString& table)
{
    QList<QByteArray> rows;
    ZkRowStream stream;
    if (!stream.exec(QStringLiteral("SELECT * FROM ") + table)) {
        QTest::qFail(qPrintable(stream.error().text()), __FILE__, __LINE__);
        return rows;
    }
    while (stream.next()) {
        QByteArray row;
        for (int i = 0; i < stream.columnCount(); ++i)
            row += (stream.isNull(i) ? QByteArray("<NULL>") : QByteArray(stream.data(i), stream.size(i)).toHex())
                + '|';
        rows << row;
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void insertBound(const QString& sql, const QVariantList& values)
{
    QSqlQuery q;
    QVERIFY2(q.prepare(sql), qPrintable(q.lastError().text()));
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values.at(i));
    QVERIFY2(q.exec(), qPrintable(q.lastError().text() + QLatin1Char('\n') + sql));
}

// brevalon-db with the shop's settings; its exit status (output in @p output).
int brevalonDb(const TestShop& shop, const QStringList& args, QString* output = nullptr)
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), shop.home());
    tool.setProcessEnvironment(env);
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(qEnvironmentVariable("BREVALON_BUILD_DIR") + QLatin1String("/main/brevalon-db"), args);
    if (!tool.waitForFinished(120000))
        return -1;
    if (output)
        *output = QString::fromLocal8Bit(tool.readAll());
    return tool.exitCode();
}

QByteArray fileText(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestBackup : public QObject
{
    Q_OBJECT

private slots:
    void valuesAreEscapedForTheMysqlClient_data();
    void valuesAreEscapedForTheMysqlClient();
    void restoreReproducesEveryTableButLogin();
    void foreignFilesAreRefused_data();
    void foreignFilesAreRefused();
    void aDatabaseWithRowsIsKept();
    void backupCommand_data();
    void backupCommand();
};

void TestBackup::valuesAreEscapedForTheMysqlClient_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("quote doubled") << QByteArray("O'Brien") << QByteArray("O''Brien");
    QTest::newRow("line break on one line") << QByteArray("a\nb") << QByteArray("a\\nb");
    // Backslash-N stays itself: folding it into backslash-n would lose it.
    QTest::newRow("backslash-N kept") << QByteArray("\\N") << QByteArray("\\\\N");
    QTest::newRow("backslash-n as written") << QByteArray("\\n") << QByteArray("\\\\n");
    QTest::newRow("NUL, which the client refuses raw") << QByteArray("a\0b", 3) << QByteArray("a\\0b");
    QTest::newRow("quote after a backslash") << QByteArray("\\'") << QByteArray("\\\\''");
    QTest::newRow("carriage return and UTF-8 untouched") << QByteArray("\r\xc3\xa9") << QByteArray("\r\xc3\xa9");
}

void TestBackup::valuesAreEscapedForTheMysqlClient()
{
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, written);
    QByteArray line("x");
    BackupWriter::appendEscaped(line, value.constData(), int(value.size()));
    QCOMPARE(line, QByteArray("x") + written);
}

void TestBackup::restoreReproducesEveryTableButLogin()
{
    TestShop shop;
    for (int i = 0; i < kHostile.size(); ++i) {
        const QString text = kHostile.at(i);
        insertBound(QStringLiteral("INSERT INTO Clients (Name, PostalAddr, Notes, Created) VALUES (?, ?, ?, ?)"),
                    {QStringLiteral("HOSTILE %1").arg(i), text, text, QVariant()});
        insertBound(QStringLiteral("INSERT INTO Supply (Company, Notes) VALUES (?, ?)"),
                    {QStringLiteral("SUPPLIER %1").arg(i), text});
        insertBound(QStringLiteral("INSERT INTO Actions (MyDate, Action, Who, Info, Status) VALUES (?, ?, ?, ?, ?)"),
                    {QStringLiteral("2026-12-05 10:30:%1").arg(i, 2, 10, QLatin1Char('0')), text, QString(), text,
                     QStringLiteral("0")});
    }
    TestShop::exec(QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, Rounding) "
                                  "VALUES (14, 'I', '2026-12-01 09:00:00', 0.1, 0.3)"));
    TestShop::exec(QStringLiteral("INSERT INTO Login (Name, Host) VALUES ('MARY', 'till-2')"));
    // A station's scratch table is no part of the shop.
    TestShop::exec(QStringLiteral("CREATE TABLE temp (x INTEGER)"));

    const QStringList tables = BackupWriter::tables();
    QVERIFY(!tables.contains(QStringLiteral("Login")));
    QVERIFY(!tables.contains(QStringLiteral("temp")));
    QVERIFY(tables.contains(QStringLiteral("InvoiceItemArchive")));
    QMap<QString, QList<QByteArray>> before;
    for (const QString& table : tables)
        before[table] = rowsOf(table);

    const QString file = shop.home() + QLatin1String("/shop.zbk");
    QCOMPARE(int(BackupWriter::writeFile(file).result), int(BackupWriter::Written));
    const QByteArray text = fileText(file);
    QVERIFY(text.startsWith("REPLACE INTO "));
    QVERIFY(!text.contains("REPLACE INTO Login ") && !text.contains("REPLACE INTO temp "));
    QCOMPARE(text.count('\n'), qsizetype(std::accumulate(before.begin(), before.end(), 0,
                                                          [](int n, const QList<QByteArray>& r) { return n + int(r.size()); })));

    // Restored into a database without tables: the tool makes them.
    QSqlDatabase db = QSqlDatabase::database();
    QString error;
    TestShop::exec(QStringLiteral("DROP TABLE temp"));
    QVERIFY2(DbSetup::dropAll(db, &error), qPrintable(error));
    QString output;
    const int status = brevalonDb(shop, {QStringLiteral("restore"), file}, &output);
    QVERIFY2(status == 0, qPrintable(output));
    for (const QString& table : tables) {
        const QList<QByteArray> after = rowsOf(table);
        QByteArray lost;
        for (const QByteArray& row : before.value(table)) {
            if (!after.contains(row))
                lost += row + '\n';
        }
        QVERIFY2(after == before.value(table), qPrintable(table + QLatin1String(" differs, lost:\n") + lost));
    }
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Login")), 0);
}

void TestBackup::foreignFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("why");
    const QByteArray good = "REPLACE INTO Supply (Company,Notes) VALUES ('ACME','x')\n";
    QTest::newRow("empty") << QByteArray() << "holds no rows";
    QTest::newRow("a picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << "line 1";
    QTest::newRow("a dump with its own tables") << QByteArray("CREATE TABLE Supply (Company TEXT);\n" + good)
                                               << "line 1: it does not begin with REPLACE INTO";
    QTest::newRow("cut short") << good + "REPLACE INTO Supply (Company,Notes) VALUES ('AC" << "line 2";
    QTest::newRow("a table Brevalon has not") << good + "REPLACE INTO Accounts (Id) VALUES ('1')\n"
                                             << "line 2: no table Accounts";
    QTest::newRow("the sessions") << "REPLACE INTO Login (Id,Name,Host) VALUES ('1','MARY','till-2')\n" + good
                                  << "no table Login";
    QTest::newRow("more values than columns") << QByteArray("REPLACE INTO Supply (Company) VALUES ('A','B')\n")
                                              << "2 values for 1 columns";
    QTest::newRow("an open quote") << QByteArray("REPLACE INTO Supply (Company) VALUES ('A)\n")
                                   << "does not end";
    QTest::newRow("a statement after the values") << good.chopped(1) + "; DROP TABLE Clients\n"
                                                  << "closing bracket";
}

void TestBackup::foreignFilesAreRefused()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, why);
    TestShop shop;
    const QString file = shop.home() + QLatin1String("/foreign.zbk");
    writeFile(file, content);
    const QList<QByteArray> clients = rowsOf(QStringLiteral("Clients"));
    QString output;
    // Even with leave to drop the tables, nothing is touched.
    QCOMPARE(brevalonDb(shop, {QStringLiteral("restore"), QStringLiteral("--force"), file}, &output), 5);
    QVERIFY2(output.contains(QLatin1String("is not a Brevalon backup")) && output.contains(why), qPrintable(output));
    QCOMPARE(rowsOf(QStringLiteral("Clients")), clients);
}

void TestBackup::aDatabaseWithRowsIsKept()
{
    TestShop shop;
    const QString file = shop.home() + QLatin1String("/shop.zbk");
    TestShop::exec(QStringLiteral("INSERT INTO Supply (Company) VALUES ('ONLY IN THE BACKUP')"));
    QCOMPARE(int(BackupWriter::writeFile(file).result), int(BackupWriter::Written));
    TestShop::exec(QStringLiteral("DELETE FROM Supply"));
    QString output;
    QCOMPARE(brevalonDb(shop, {QStringLiteral("restore"), file}, &output), 3);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Supply")), 0);
    QCOMPARE(brevalonDb(shop, {QStringLiteral("restore"), QStringLiteral("--force"), file}, &output), 0);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Supply WHERE Company='ONLY IN THE BACKUP'")), 1);
}

void TestBackup::backupCommand_data()
{
    QTest::addColumn<QString>("answer");   // the destination given; "-": cancelled
    QTest::addColumn<QString>("written");  // the file expected; empty: none
    QTest::addColumn<int>("mediaExit");    // -1: no media command
    QTest::addColumn<qint64>("fileLimit"); // bytes a file may grow to; 0: no limit
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("log");
    const QString start = QStringLiteral("BACKUP||0");
    QTest::newRow("no destination") << "-" << "" << -1 << qint64(0) << "Backup aborted, no destination choosen"
                                    << QStringList{start, "BACKUP|BACKUP ABORTED, NO DESTINATION CHOOSEN|0"};
    QTest::newRow("night becomes night.zbk, no media")
        << "night" << "night.zbk" << -1 << qint64(0) << "Backup complete"
        << QStringList{start, "BACKUP|NO BACKUP MEDIA APP|2"};
    QTest::newRow("night.zbk.old is already a backup's name")
        << "night.zbk.old" << "night.zbk.old" << 0 << qint64(0) << "Backup complete"
        << QStringList{start, "BACKUP|WRITING BACKUP TO MEDIA ...|0", "BACKUP|WRITING BACKUP TO MEDIA ...|3"};
    QTest::newRow("the media command fails")
        << "night" << "night.zbk" << 3 << qint64(0) << "Backup created, but writing to media failed. (exit status 3)"
        << QStringList{start, "BACKUP|WRITING BACKUP TO MEDIA ...|0", "BACKUP|WRITING BACKUP TO MEDIA ...|2"};
    QTest::newRow("a folder that cannot be") << "file/night" << "" << 0 << qint64(0)
                                             << "Backup aborted, can't create %1/file/night.zbk"
                                             << QStringList{start, "BACKUP|BACKUP ABORTED, CAN'T CREATE %1/FILE/NIGHT.ZBK|0"};
    QTest::newRow("the disk fills up") << "night" << "" << 0 << qint64(131072) << "Backup aborted, "
                                       << QStringList{start, "BACKUP|BACKUP ABORTED, "};
}

void TestBackup::backupCommand()
{
    QFETCH(QString, answer);
    QFETCH(QString, written);
    QFETCH(int, mediaExit);
    QFETCH(qint64, fileLimit);
    QFETCH(QString, status);
    QFETCH(QStringList, log);
    Till till;
    settings->writeEntry(QStringLiteral("/Global/LogActions"), true);
    QVERIFY(utils->initClass(true));
    till.login(QStringLiteral("Admin"));
    QTemporaryDir dir;
    const QString folder = dir.path();
    status.replace(QLatin1String("%1"), folder);
    for (QString& line : log)
        line.replace(QLatin1String("%1"), folder.toUpper());
    writeFile(folder + QLatin1String("/file"), "a file where a folder should be");
    // The media command notes what it was given.
    const QString media = folder + QLatin1String("/media.sh");
    writeFile(media, QStringLiteral("#!/bin/sh\necho \"$@\" > '%1/media.args'\nexit %2\n")
                         .arg(folder)
                         .arg(qMax(0, mediaExit))
                         .toUtf8());
    QFile::setPermissions(media, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    settings->writeEntry(QStringLiteral("/Global/BackupCmd"),
                         mediaExit < 0 ? QString() : media + QLatin1String(" --to  /media/usb"));

    till.shop.prompts().expect(ZkPrompt::SaveFile, QStringLiteral("Choose a destination backup"), QString(), 0,
                               answer == QLatin1String("-") ? QString() : folder + QLatin1Char('/') + answer,
                               answer != QLatin1String("-"));
    if (fileLimit > 0)
        till.shop.prompts().expect(ZkPrompt::Warning, QStringLiteral("Brevalon Backup"), QStringLiteral("Backup aborted, "));
    struct rlimit old;
    getrlimit(RLIMIT_FSIZE, &old);
    if (fileLimit > 0) {
        // A backup well past the limit, and SQLite's write-ahead log emptied
        // so that the shop's own few writes stay below it.
        for (int i = 0; i < 3 * fileLimit / 60000 + 1; ++i)
            insertBound(QStringLiteral("INSERT INTO Supply (Company, Notes) VALUES (?, ?)"),
                        {QStringLiteral("BIG %1").arg(i), QString(60000, QLatin1Char('x'))});
        QSqlQuery checkpoint;
        if (!TestShop::isMariaDb())
            QVERIFY(checkpoint.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")));
        // A file past the limit fails to grow, as on a full disk.
        std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit = old;
        limit.rlim_cur = rlim_t(fileLimit);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    till.window->backup();
    setrlimit(RLIMIT_FSIZE, &old);

    QVERIFY2(till.window->status().startsWith(status), qPrintable(till.window->status()));
    QStringList lines;
    for (const ActionRow& row : actionRows()) {
        if (row.action == QLatin1String("BACKUP"))
            lines << row.action + QLatin1Char('|') + row.info + QLatin1Char('|') + row.status;
    }
    QCOMPARE(lines.size(), log.size());
    for (int i = 0; i < log.size(); ++i)
        QVERIFY2(lines.at(i).startsWith(log.at(i)), qPrintable(lines.join(QLatin1Char('\n'))));

    // Only the finished file, under its name; no temporary file is left.
    QStringList expected{QStringLiteral("file"), QStringLiteral("media.sh")};
    if (!written.isEmpty())
        expected << written;
    if (!written.isEmpty() && mediaExit >= 0)
        expected << QStringLiteral("media.args");
    std::sort(expected.begin(), expected.end());
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    if (written.isEmpty())
        return;
    const QString file = folder + QLatin1Char('/') + written;
    QVERIFY(fileText(file).contains("REPLACE INTO Personel (Name,"));
    if (mediaExit >= 0)
        QCOMPARE(fileText(folder + QLatin1String("/media.args")), "--to /media/usb " + file.toUtf8() + "\n");
}

BREVALON_TEST_MAIN(TestBackup)
#include "tst_backup.moc"
