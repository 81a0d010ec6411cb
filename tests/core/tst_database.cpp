// The database layer and what rides on it: the SQL dialect of the driver, new row numbers, the scratch table
// of each connection, posting units, counters, operator text through SQL and XML, pictures stored as text,
// live and archived rows read as one, the error box, the schema, the seeding tool, a lost connection and
// the file locks; and logging in on the keypad with its sessions, action log and faults.

#include "core/archivedrows.h"
#include "core/globals.h"
#include "core/utility.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "core/zktransaction.h"
#include "maintenance/prefs.h"
#include "sales/numentry.h"
#include "tests/support/actionrows.h"
#include "tests/support/keypadinput.h"
#include "tests/support/testshop.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>
#include <algorithm>
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

// A picture whose PNG holds every byte that needs an escape, as stored at @p depth.
QImage sampleImage(int depth = 32)
{
    QImage image(64, 48, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 64, 48);
    g.setColorAt(0, QColor(200, 30, 40));
    g.setColorAt(1, QColor(20, 90, 220));
    p.setBrush(g);
    p.setPen(QPen(Qt::black, 2));
    p.drawRoundedRect(QRectF(2, 2, 60, 44), 8, 8);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 64, 48), Qt::AlignCenter, QStringLiteral("x'\"\\"));
    p.end();
    if (depth == 32)
        return image;
    const auto format = depth == 1 ? QImage::Format_Mono : QImage::Format_Indexed8;
    return image.convertToFormat(format).convertToFormat(QImage::Format_ARGB32);
}

/** The rows of a query, their first @p columns cells joined by "|". Sums of
 *  decimals come back as "4.000" from one server and 4 from the other. */
QStringList rowsOf(const QString& sql, int columns)
{
    QSqlQuery q;
    if (!q.exec(sql))
        QTest::qFail(qPrintable(sql), __FILE__, __LINE__);
    QStringList rows;
    while (q.next()) {
        QStringList cells;
        for (int c = 0; c < columns; ++c) {
            bool number = false;
            const double value = q.value(c).toString().toDouble(&number);
            cells << (number ? QString::number(value) : q.value(c).toString());
        }
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

// The action log as "ACTION|INFO|WHO|STATUS" lines. This station's name is
// taken off the who; another one would show.
QStringList logged()
{
    QStringList lines;
    const QString here = QLatin1String(" : ") + utils->hostName().toUpper();
    for (ActionRow row : actionRows()) {
        if (row.who.endsWith(here))
            row.who.chop(here.size());
        lines << QStringList{row.action, row.info.trimmed(), row.who, row.status}.join(QLatin1Char('|'));
    }
    return lines;
}

void logActions(bool on)
{
    settings->writeEntry(QStringLiteral("/Global/LogActions"), on);
    QVERIFY(utils->initClass(true));
}

// A setting as written at login; "-" when it was not written.
QString written(const QString& key)
{
    return settings->contains(key) ? settings->readEntry(key) : QStringLiteral("-");
}

int sessions(const QString& where)
{
    return TestShop::count(QStringLiteral("SELECT * FROM Login WHERE ") + where);
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
        QTest::newRow("backslash quote") << "\\'" << QString();
        QTest::newRow("line breaks") << "line one\nline two\n" << QString();
        QTest::newRow("wildcards and double quotes") << "100% _off_ \"best\" %1" << QString();
        QTest::newRow("non-ascii") << "Café Zoë — 20 € · 東京" << QString();
        QTest::newRow("empty") << "" << QString();
        // Every server keeps the two characters as typed.
        QTest::newRow("backslash and n typed") << "C:\\new" << QString();
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

    void escapeXml_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("upper");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("ampersand escaped once") << "Fish & Chips <large>" << false << "Fish &amp; Chips &lt;large&gt;";
        QTest::newRow("an entity in the text is kept as typed") << "&amp;" << false << "&amp;amp;";
        QTest::newRow("quotes") << "O'Brien \"x\"" << false << "O&apos;Brien &quot;x&quot;";
        QTest::newRow("CR LF is one line break") << "a\r\nb" << false << "a\\nb";
        QTest::newRow("blanks around a break become one") << "a  \n  b" << false << "a \\n b";
        QTest::newRow("runs of white space, trimmed") << "  a    b\t\tc " << false << "a b c";
        QTest::newRow("upper-cased before escaping") << "o'brien & co" << true << "O&apos;BRIEN &amp; CO";
        // What XML 1.0 cannot carry never reaches a document.
        QTest::newRow("a GS1 scanner's group separator") << "(01)0401\x1d(10)12" << false << "(01)0401 (10)12";
        QTest::newRow("other controls") << QString("bell\a esc\x1b nul") + QChar(0) + "end" << false
                                        << "bell esc nul end";
        QTest::newRow("lone surrogates") << QString::fromUtf16(u"a\xd800" u"b\xdc00" u"c", 5) << false << "abc";
        QTest::newRow("non-characters") << QString::fromUtf16(u"x\xfffey\xffff", 4) << false << "xy";
        QTest::newRow("a surrogate pair stays") << QString::fromUtf16(u"tea \xd83c\xdf75", 6) << false
                                                << QString::fromUtf16(u"tea \xd83c\xdf75", 6);
    }

    void escapeXml()
    {
        QFETCH(QString, text);
        QFETCH(bool, upper);
        QFETCH(QString, escaped);
        const QString xml = Utility::escapeXML(text, upper);
        QCOMPARE(xml, escaped);
        // It sits safely in an attribute and an element, and reads back.
        QXmlStreamReader reader(QStringLiteral("<head value=\"%1\">%1</head>").arg(xml));
        QVERIFY(reader.readNextStartElement());
        const QString attribute = reader.attributes().value(QLatin1String("value")).toString();
        QCOMPARE(reader.readElementText(), attribute);
        QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
        QXmlStreamReader back(QStringLiteral("<v>%1</v>").arg(escaped));
        QVERIFY(back.readNextStartElement());
        QCOMPARE(attribute, back.readElementText());
    }

    void imageRoundTrip_data()
    {
        QTest::addColumn<int>("depth");
        QTest::newRow("32-bit colour with alpha") << 32;
        QTest::newRow("8-bit palette") << 8;
        QTest::newRow("1-bit") << 1;
    }

    void imageRoundTrip()
    {
        QFETCH(int, depth);
        TestShop shop;
        const QByteArray encoded = Utility::encodeImage(sampleImage(), depth);
        // Stored twice under one code: the second replaces the first.
        for (int i = 0; i < 2; ++i)
            TestShop::exec(QStringLiteral("REPLACE INTO Images (Code, Label, Image) VALUES ('1001', 'COKE', '%1')")
                               .arg(QString::fromLatin1(encoded)));
        QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Images WHERE Code='1001'")), 1);
        QSqlQuery q;
        QVERIFY(q.exec(QStringLiteral("SELECT Label, Image FROM Images WHERE Code='1001'")) && q.next());
        // The statement's doubled backslash leaves one or two in the column,
        // depending on the server; the picture must come back either way.
        const QByteArray stored = q.value(1).toString().toLatin1();
        const QImage back = Utility::decodeImage(stored, int(stored.size()), q.value(0).toString(), 64, 68);
        QCOMPARE(back.convertToFormat(QImage::Format_ARGB32), sampleImage(depth));
    }

    void encodedTextHoldsNoUnsafeByte()
    {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        sampleImage().save(&buffer, "PNG", 80);
        for (char c : {'\0', '\n', '\r', '\\', '\'', '"', 'x'})
            QVERIFY2(png.contains(c), qPrintable(QStringLiteral("the sample lacks byte %1").arg(int(c))));
        const QByteArray encoded = Utility::encodeImage(sampleImage(), 32);
        // Quotes and line ends would break the statement or a line of the backup file.
        for (char c : {'\0', '\n', '\r', '\'', '"'})
            QVERIFY2(!encoded.contains(c), qPrintable(QString::number(int(c))));
        QVERIFY(std::all_of(encoded.begin(), encoded.end(), [](char c) { return uchar(c) < 0x80; }));
        QCOMPARE(Utility::decodeImageBytes(encoded), png);
        // A server that takes backslashes as escapes keeps one of each pair.
        QCOMPARE(Utility::decodeImageBytes(QByteArray(encoded).replace("\\\\", "\\")), png);
    }

    void labelPictureWhenNothingIsStored_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("label");
        QTest::newRow("three bytes count as nothing") << QByteArray("abc") << "COCA COLA";
        QTest::newRow("unreadable picture, a label") << QByteArray("not a picture at all") << "COCA COLA";
        QTest::newRow("unreadable picture, no label") << QByteArray("not a picture at all") << "";
    }

    void labelPictureWhenNothingIsStored()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, label);
        TestShop shop;
        const QImage image = Utility::decodeImage(stored, int(stored.size()), label, 96, 76);
        QCOMPARE(image.isNull(), label.isEmpty());
        if (label.isEmpty())
            return;
        QCOMPARE(image.size(), QSize(96, 76));
        // The background is masked out and only the label's letters remain.
        int ink = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                ink += qAlpha(image.pixel(x, y)) != 0;
        }
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QVERIFY2(ink > 50 && ink < 96 * 76 / 2, qPrintable(QString::number(ink)));
    }

    void liveAndArchivedAsOne()
    {
        TestShop shop(TestShop::EmptyTables);
        // Invoices 1 and 2 were cashed up (lines archived); the ledger of
        // account 7 was settled and archived but for invoice 3 and quote 4; one
        // line of invoice 3 was archived already.
        const QString journal = QStringLiteral("(AccountNumber, Description, MyDate, Amount, MyNumber) VALUES ");
        TestShop::exec("INSERT INTO JournalArchive " + journal
            + "(7, 'I', '2026-11-02 10:00:00', 30, 1), (7, 'I', '2026-11-03 09:00:00', 12, 2), "
              "(9, 'I', '2026-11-01 08:00:00', 99, 5)");
        TestShop::exec("INSERT INTO Journal " + journal
            + "(7, 'I', '2026-12-01 12:00:00', 25, 3), (7, 'Q', '2026-11-30 12:00:00', 40, 4)");
        const QString lines
            = QStringLiteral("(MyNumber, MyDate, InvoiceNumber, Description, Quantity, Price) VALUES ");
        TestShop::exec("INSERT INTO InvoiceItemArchive " + lines
            + "(1, '2026-11-02 10:00:00', 1, 'BEER', 2, 20), (2, '2026-11-02 10:00:00', 1, 'BREAD', 1, 10), "
              "(3, '2026-11-03 09:00:00', 2, 'BEER', 1, 12), (7, '2026-12-01 12:00:00', 3, 'BREAD', 2, 5)");
        TestShop::exec("INSERT INTO InvoiceItem " + lines
            + "(4, '2026-12-01 12:00:00', 3, 'BEER', 1, 25), (5, '2026-11-30 12:00:00', 4, 'WINE', 1, 40), "
              "(6, '2026-11-01 08:00:00', 5, 'O''NEIL SPECIAL', 3, 99)");

        // An account's ledger over both tables, oldest first.
        QCOMPARE(
            rowsOf(ArchivedRows::ordered("MyNumber,Description,MyDate", {"Journal"}, "AccountNumber=7", "MyDate"),
                2),
            (QStringList{"1|I", "2|I", "4|Q", "3|I"}));
        // The lines of invoices joined to their ledger rows in all four
        // pairings of live and archived.
        QCOMPARE(rowsOf("SELECT Line FROM "
                         + ArchivedRows::from("InvoiceItem.MyNumber AS Line", {"InvoiceItem", "Journal"},
                             "InvoiceItem.InvoiceNumber=Journal.MyNumber AND Journal.Description='I'", "Sold")
                         + " ORDER BY Line",
                     1),
            (QStringList{"1", "2", "3", "4", "6", "7"}));
        // A sum per item over both tables; a condition naming the table.
        QCOMPARE(rowsOf("SELECT Description, SUM(Quantity) FROM "
                         + ArchivedRows::from(
                             "Description,Quantity", {"InvoiceItem"}, "InvoiceItem.Price < 50", "Sold")
                         + " GROUP BY Description ORDER BY Description",
                     2),
            (QStringList{"BEER|4", "BREAD|3", "WINE|1"}));
    }

    void login_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("user");    // "noone": refused
        QTest::addColumn<QString>("details"); // cash account, initials written, its client's name written
        QTest::addColumn<QString>("log");
        QTest::newRow("cashier") << "1111" << false << "MARY" << "14|MM|BAYSIDE CATERING" << "LOGIN||MARY|0";
        QTest::newRow("cash account without a client") << "3333" << false << "SUE" << "99|SB|-" << "LOGIN||SUE|0";
        QTest::newRow("administrator, working elsewhere too")
            << "9999" << false << "Admin" << "1|-|-" << "LOGIN||ADMIN|0";
        const QString refused = QStringLiteral("LOGIN|%1|FAILED|2");
        QTest::newRow("keypad closed") << "1111" << true << "noone" << "1|-|-" << refused.arg("CANCEL OR BLANK ID");
        QTest::newRow("blank code") << "" << false << "noone" << "1|-|-" << refused.arg("CANCEL OR BLANK ID");
        // The code typed is never written to the log, only its length.
        QTest::newRow("unknown code") << "4242" << false << "noone" << "1|-|-" << refused.arg("TRIED LOGIN ****");
        QTest::newRow("code that would end the quote")
            << "1111' OR '1'='1" << false << "noone" << "1|-|-" << refused.arg("TRIED LOGIN ***************");
        // A server that pads with blanks would take it for 1111.
        QTest::newRow("a trailing blank") << "1111 " << false << "noone" << "1|-|-" << refused.arg("TRIED LOGIN *****");
    }

    void login()
    {
        QFETCH(QString, code);
        QFETCH(bool, cancel);
        QFETCH(QString, user);
        QFETCH(QString, details);
        QFETCH(QString, log);
        TestShop shop;
        logActions(true);
        TestShop::exec(QStringLiteral("UPDATE Personel SET CashAcc=14 WHERE Name='MARY'"));
        TestShop::exec(QStringLiteral("UPDATE Personel SET CashAcc=99 WHERE Name='SUE'"));
        TestShop::exec(QStringLiteral("INSERT INTO Login (Name, Host) VALUES ('Admin', 'till-9')"));
        // The last sale's waiter must not be taken for the one who logs in.
        utils->setWaiter(QStringLiteral("JOHN"));
        QLineEdit::EchoMode echo = QLineEdit::Normal;
        shop.prompts().expectExec(QStringLiteral("NumEntry"), [&](QDialog* dialog) {
            echo = qobject_cast<NumEntry*>(dialog)->lineEdit1->echoMode();
            return typeCode(code, cancel ? Finish::Cancel : Finish::Ok)(dialog);
        });
        const bool in = user != QLatin1String("noone");
        QCOMPARE(utils->validateLoginId(), in);
        // The code is typed in front of the customers: it is not shown.
        QCOMPARE(echo, QLineEdit::Password);
        QCOMPARE(utils->userName(), user);
        QCOMPARE(QStringList({QString::number(utils->userCashAccount()), written(QStringLiteral("/Volatile/Initials")),
                              written(QStringLiteral("/Personal/CashAcc/") + user)})
                     .join(QLatin1Char('|')),
                 details);
        // The administrator may work at several stations and holds no session.
        QCOMPARE(TestShop::rows(QStringLiteral("SELECT Name FROM Login WHERE Host='%1'").arg(utils->hostName())),
                 in && user != QLatin1String("Admin") ? QStringList {user} : QStringList());
        QCOMPARE(sessions(QStringLiteral("Host='till-9'")), 1);
        QCOMPARE(logged(), QStringList {log});
    }

    void wrongCodesMakeTheNextTryWait()
    {
        TestShop shop;
        logActions(true);
        // Seconds waited before each try: three slips are free, then the
        // wait doubles up to a minute; a login starts the count again.
        const QList<int> waits{0, 0, 0, 5, 10, 20, 40, 60, 60, 0, 0};
        const QStringList codes{"1", "2", "3", "4", "5", "6", "7", "8", "1111", "9", "9"};
        for (int i = 0; i < codes.size(); ++i) {
            const int before = shop.sleptSeconds();
            shop.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(codes.at(i)));
            QCOMPARE(utils->validateLoginId(), codes.at(i) == QLatin1String("1111"));
            QCOMPARE(shop.sleptSeconds() - before, waits.at(i));
            if (utils->userName() != QLatin1String("noone"))
                TestShop::exec(QStringLiteral("DELETE FROM Login"));
        }
        QCOMPARE(logged().filter(QStringLiteral("TRIED LOGIN")).size(), 10);
        QVERIFY(logged().filter(QRegularExpression(QStringLiteral("TRIED LOGIN [^|]*\\d"))).isEmpty());
    }

    void settingsAreReadAgainAtLogin()
    {
        TestShop shop;
        // Changed at another station while this one was logged out.
        TestShop::exec(QStringLiteral("UPDATE SysInfo SET Tax1=0.2, RecFooter='Come again', Rounding=5"));
        settings->writeEntry(QStringLiteral("/Global/LogActions"), true);
        shop.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(QStringLiteral("1111")));
        QVERIFY(utils->validateLoginId());
        QCOMPARE(utils->getTax1(), 0.2);
        QCOMPARE(utils->sysInfo().recFooter, QStringLiteral("Come again"));
        QCOMPARE(utils->roundingUnit(), 5);
        QVERIFY(utils->logActions());
    }

    void sessionElsewhereEndsByAnUnlock_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<bool>("sameHostName");
        QTest::newRow("unlock confirmed") << "JOHN" << "2222" << true << false;
        QTest::newRow("unlock refused") << "JOHN" << "2222" << false << false;
        QTest::newRow("name with an apostrophe") << "O'NEIL" << "4444" << true << false;
        // Tills are told apart by more than their host names.
        QTest::newRow("another till of this host name") << "JOHN" << "2222" << false << true;
    }

    void sessionElsewhereEndsByAnUnlock()
    {
        QFETCH(QString, user);
        QFETCH(QString, code);
        QFETCH(bool, confirm);
        QFETCH(bool, sameHostName);
        TestShop shop;
        logActions(true);
        const QString otherHost = sameHostName ? utils->hostName() : QStringLiteral("till-2");
        TestShop::exec(QStringLiteral("INSERT INTO Personel (Name, Code, SP) VALUES ('O''NEIL', '4444', 'ON')"));
        TestShop::exec(QStringLiteral("INSERT INTO Login (Name, Host) VALUES ('MARY', 'till-3')"));
        // The user works at till-2, which watches its session on its own connection.
        const QString name = Utility::escapeSQL(user);
        QSqlQuery there(QSqlDatabase::database(shop.openSecondStation()));
        QVERIFY(there.exec(QStringLiteral("INSERT INTO Login (Name, Host, Station) VALUES ('%1', '%2', 'other-till')")
                               .arg(name, otherHost)));
        const QString refusal = QStringLiteral("%1 currently running on to %2").arg(user, otherHost);
        shop.prompts()
            .expectExec(QStringLiteral("NumEntry"), typeCode(code))
            .expect(ZkPrompt::Warning, QStringLiteral("Brevalon Error"), refusal);
        QVERIFY(!utils->validateLoginId());
        QCOMPARE(utils->userName(), QStringLiteral("noone"));

        // The administrator unlocks here; with nobody chosen there is nothing to unlock.
        utils->setUserName(QStringLiteral("Admin"));
        Prefs prefs;
        shop.prompts().expect(ZkPrompt::Warning, QStringLiteral("Unlock User"),
                              QStringLiteral("You must have a user selected to perform an unlock"));
        prefs.unlockLogin();
        prefs.setSelectedUser(user);
        shop.prompts().expect(ZkPrompt::Question, QStringLiteral("Unlock User"),
                              QStringLiteral("Confirm that you will unlock user '%1', this will result in their "
                                             "sessions terminating").arg(user),
                              confirm ? 0 : 1);
        if (!confirm)
            shop.prompts().expect(ZkPrompt::Information, QStringLiteral("Unlock User"),
                                  QStringLiteral("Operation cancelled"));
        prefs.unlockLogin();
        QVERIFY(there.exec(QStringLiteral("SELECT Host FROM Login WHERE Name='%1'").arg(name)));
        QCOMPARE(there.next(), !confirm);
        QCOMPARE(sessions(QStringLiteral("Name='MARY'")), 1);

        // Here the user now gets in, or is refused again.
        shop.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(code));
        if (!confirm)
            shop.prompts().expect(ZkPrompt::Warning, QStringLiteral("Brevalon Error"), refusal);
        QCOMPARE(utils->validateLoginId(), confirm);
        const QString refused = QLatin1String("LOGIN|") + refusal.toUpper() + QLatin1String("|FAILED|2");
        const QStringList unlocked{refused, QLatin1String("PERSONEL|UNLOCK USER ") + user + QLatin1String("|ADMIN|0"),
                                   QLatin1String("LOGIN||") + user + QLatin1String("|0")};
        QCOMPARE(logged(), confirm ? unlocked : QStringList({refused, refused}));
    }

    void crashRecovery_data()
    {
        QTest::addColumn<bool>("recover");
        QTest::newRow("recover the session") << true;
        QTest::newRow("leave it") << false;
    }

    void crashRecovery()
    {
        QFETCH(bool, recover);
        TestShop shop;
        logActions(true);
        for (const char* user : {"JOHN", "SUE"})
            TestShop::exec(QStringLiteral("INSERT INTO Login (Name, Host, Station) VALUES ('%1', '%2', '%3')")
                               .arg(QLatin1String(user), utils->hostName(), utils->stationId()));
        // Changed while the station was down: a recovery reloads it.
        TestShop::exec(QStringLiteral("UPDATE SysInfo SET ALINE1='The Harbour Kitchen & Bar'"));
        // The question's buttons and default matter: this test answers itself.
        QList<ZkPrompt::Request> asked;
        ZkPrompt::setHandler([&](const ZkPrompt::Request& r) {
            asked << r;
            ZkPrompt::Reply reply;
            if (r.kind == ZkPrompt::Exec)
                reply.button = typeCode(QStringLiteral("2222"))(r.dialog);
            else if (r.kind == ZkPrompt::Question)
                reply.button = recover ? 0 : 1;
            return reply;
        });
        const bool loggedIn = utils->validateLoginId();
        ZkPrompt::setHandler({});

        QCOMPARE(loggedIn, recover);
        QCOMPARE(asked.size(), recover ? 3 : 2);
        const ZkPrompt::Request question = asked.at(1);
        QCOMPARE(question.kind, ZkPrompt::Question);
        QVERIFY(question.text.contains(QLatin1String("JOHN is currently shown as running on this terminal.")));
        QCOMPARE(question.buttons, (QStringList{QStringLiteral("&Yes"), QStringLiteral("&No")}));
        QCOMPARE(question.defaultButton, 1);
        QCOMPARE(question.escapeButton, 1);
        if (recover)
            QCOMPARE(asked.at(2).text, QStringLiteral("Old session for JOHN cleared"));
        // The old row gives way to the new one; another user's is not touched.
        QCOMPARE(sessions(QStringLiteral("Name='JOHN'")), 1);
        QCOMPARE(sessions(QStringLiteral("Name='SUE'")), 1);
        QCOMPARE(utils->userName(), recover ? QStringLiteral("JOHN") : QStringLiteral("noone"));
        QCOMPARE(utils->sysInfo().aline[0],
                 recover ? QStringLiteral("The Harbour Kitchen & Bar") : QStringLiteral("The Harbour Kitchen"));
        QCOMPARE(logged(), recover ? QStringList{QStringLiteral("LOGIN||JOHN|0")} : QStringList());
    }

    void faultsLeaveNobodyLoggedIn_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("failing");
        QTest::newRow("users unreadable") << "DROP TABLE Personel" << "SELECT Code, Name FROM Personel";
        QTest::newRow("sessions unreadable") << "DROP TABLE Login" << "INSERT INTO Login";
        QTest::newRow("cash account unreadable") << "DROP TABLE Clients" << "SELECT Name from Clients";
        QTest::newRow("session cannot be written") << "trigger" << "INSERT INTO Login";
        QTest::newRow("database lost while the code is typed")
            << "lost" << "\nSELECT Code, Name FROM Personel WHERE Code='1111'";
    }

    void faultsLeaveNobodyLoggedIn()
    {
        QFETCH(QString, fault);
        QFETCH(QString, failing);
        TestShop shop;
        if (fault == QLatin1String("trigger") && TestShop::isMariaDb())
            TestShop::exec(QStringLiteral("CREATE TRIGGER NoSessions BEFORE INSERT ON Login FOR EACH ROW "
                                          "SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='sessions are read-only'"));
        else if (fault == QLatin1String("trigger"))
            TestShop::exec(QStringLiteral("CREATE TRIGGER NoSessions BEFORE INSERT ON Login BEGIN "
                                          "SELECT RAISE(ABORT, 'sessions are read-only'); END"));
        else if (fault != QLatin1String("lost"))
            TestShop::exec(fault);
        const auto loseDatabase = [&shop] {
            if (TestShop::isMariaDb()) {
                const QString id = TestShop::value(QStringLiteral("SELECT CONNECTION_ID()")).toString();
                QSqlQuery kill(QSqlDatabase::database(shop.openSecondStation()));
                QVERIFY(kill.exec(QStringLiteral("KILL ") + id));
            } else {
                QFile file(shop.home() + QLatin1String("/shop.db"));
                QVERIFY(file.resize(0));
            }
        };
        shop.prompts()
            .expectExec(QStringLiteral("NumEntry"),
                        [&](QDialog* dialog) {
                            if (fault == QLatin1String("lost"))
                                loseDatabase();
                            return typeCode(QStringLiteral("1111"))(dialog);
                        })
            .expect(ZkPrompt::Warning, QString(), failing);
        QVERIFY(!utils->validateLoginId());
        QCOMPARE(utils->userName(), QStringLiteral("noone"));
        if (fault == QLatin1String("trigger")) {
            TestShop::exec(QStringLiteral("DROP TRIGGER NoSessions"));
            QCOMPARE(sessions(QStringLiteral("Name='MARY'")), 0);
        }
    }

    void logNamesTheSalesWaiterElseTheUser()
    {
        TestShop shop;
        logActions(true);
        utils->setUserName(QStringLiteral("mary"));
        utils->logAction(QStringLiteral("x'); DELETE FROM Actions; --"), QStringLiteral("O'Brien a\\b"), QString(), '1');
        utils->setWaiter(QStringLiteral("JOHN"));
        utils->logAction(QStringLiteral("Add Item"), QString(), QString(), '0');
        QCOMPARE(logged(), (QStringList{QStringLiteral("X'); DELETE FROM ACTIONS; --|O'BRIEN A\\B|MARY|1"),
                                        QStringLiteral("ADD ITEM||JOHN|0")}));
        QCOMPARE(actionRows().first().date, QStringLiteral("2026-12-05 10:30:00"));
    }

    void brokenTablesAreShown()
    {
        TestShop shop;
        TestShop::exec(QStringLiteral("DROP TABLE Actions"));
        TestShop::exec(QStringLiteral("DROP TABLE Login"));
        // The unlock logs too, but with the log off not even its broken table is noticed.
        Prefs prefs;
        prefs.setSelectedUser(QStringLiteral("JOHN"));
        shop.prompts()
            .expect(ZkPrompt::Question, QStringLiteral("Unlock User"), QStringLiteral("'JOHN'"), 0)
            .expect(ZkPrompt::Warning, QString(), QStringLiteral("\nDELETE FROM Login WHERE Name='JOHN'"));
        prefs.unlockLogin();
        QVERIFY(shop.prompts().done());
        logActions(true);
        shop.prompts().expect(ZkPrompt::Warning, QString(), QStringLiteral("INSERT INTO Actions"));
        utils->logAction(QStringLiteral("Cash Up"), QString(), QString(), '0');
    }
};

BREVALON_TEST_MAIN(TestDatabase)
#include "tst_database.moc"
