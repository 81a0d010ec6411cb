// What leaves the document window: slips through the spooler (a private
// CUPS started by the test command), the drawer kick, e-mail through SMTP
// (a real server and a scripted one), the MIME layout, Base64 and the
// remembered addresses.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "documents/docmail.h"
#include "documents/docprint.h"
#include "documents/smtp.h"
#include "documents/zkbase64.h"
#include "tests/documents/goldens.h"
#include "tests/support/slipout.h"
#include "tests/support/testshop.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QPrinter>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString env(const char* name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

QString fixture(const QString& name)
{
    return QString::fromUtf8(Goldens::readData(name));
}

void useSourceTemplates()
{
    settings->writeEntry(QStringLiteral("/Global/InstallDir"), env("BREVALON_SOURCE_DIR"));
}

qint64 fileSize(const QString& path)
{
    return QFileInfo(path).size();
}

// The bytes the printer received after @p from, once @p expected have come.
QByteArray arrived(const QString& path, qint64 from, qint64 expected)
{
    QElapsedTimer t;
    t.start();
    while (fileSize(path) < from + expected && t.elapsed() < 15000)
        QTest::qWait(50);
    QTest::qWait(200); // anything more would show as a wrong length
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    f.seek(from);
    return f.readAll();
}

/**
 * An SMTP server that answers from a script: the greeting, then one reply
 * per command (the message body counts as one command).
 */
class ScriptedSmtp : public QObject
{
public:
    explicit ScriptedSmtp(const QStringList& replies)
        : m_replies(replies)
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            m_socket = m_server.nextPendingConnection();
            connect(m_socket, &QTcpSocket::readyRead, this, [this] { read(); });
            next();
        });
    }
    quint16 port() const { return m_server.serverPort(); }
    /** Everything the client sent. */
    QByteArray received;

private:
    void next()
    {
        if (m_replies.isEmpty())
            return;
        const QString reply = m_replies.takeFirst();
        if (reply == QLatin1String("<close>"))
            m_socket->disconnectFromHost();
        else
            m_socket->write(reply.toLatin1());
    }
    void read()
    {
        const QByteArray bytes = m_socket->readAll();
        received += bytes;
        m_pending += bytes;
        for (;;) {
            if (m_inData) {
                const qsizetype end = m_pending.indexOf("\r\n.\r\n");
                if (end < 0)
                    return;
                m_pending.remove(0, end + 5);
                m_inData = false;
                next();
                continue;
            }
            const qsizetype eol = m_pending.indexOf("\r\n");
            if (eol < 0)
                return;
            const QByteArray line = m_pending.left(eol);
            m_pending.remove(0, eol + 2);
            if (line == "DATA" && !m_replies.isEmpty() && m_replies.first().startsWith(QLatin1Char('3')))
                m_inData = true;
            next();
        }
    }

    QTcpServer m_server;
    QTcpSocket* m_socket = nullptr;
    QStringList m_replies;
    QByteArray m_pending;
    bool m_inData = false;
};

} // namespace

class TestDocOutput : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void slipBytesReachThePrinterUnchanged();
    void copiesArrive();
    void refusedJobIsToldWithTheSpoolersWords();
    void printerKick_data();
    void printerKick();

    void documentArrivesAsAStandardMessage();
    void smtpDialogue_data();
    void smtpDialogue();
    void unreachableServer();
    void rememberedAddresses_data();
    void rememberedAddresses();
    void emailPageRemembersTheChoice();
    void mimeLayout();
    void messageLines_data();
    void messageLines();
    void base64_data();
    void base64();

private:
    QString m_user;
};

void TestDocOutput::init()
{
    m_user = QStringLiteral("output test %1").arg(QCoreApplication::applicationPid());
    Smtp::setReplyTimeout(10);
}

// ---- spooler -------------------------------------------------------------

void TestDocOutput::slipBytesReachThePrinterUnchanged()
{
    if (env("BREVALON_TEST_PRINTER").isEmpty())
        QSKIP("needs the private CUPS queue that scripts/test.sh starts (BREVALON_TEST_PRINTER)");
    TestShop shop;
    useSourceTemplates();
    utils->setUserName(m_user);
    settings->writeEntry(QStringLiteral("/ReceiptPrinter/Mode"), QStringLiteral("slip40"));
    settings->writeEntry(QStringLiteral("/ReceiptPrinter/PrinterName"), env("BREVALON_TEST_PRINTER"));
    // The QR code brings zero bytes and 0xff, the codes bring escapes.
    settings->writeEntry(QStringLiteral("/Global/SnapScan/Enabled"), true);
    settings->writeEntry(QStringLiteral("/Global/SnapScan/MerchantId"), QStringLiteral("harbour"));
    utils->newDocPrint();
    DocPrint* dp = utils->docPrint();
    dp->parseXml(fixture(QStringLiteral("receipt.xml"))
                     .replace(QStringLiteral("tip=\"10.00\""), QStringLiteral("tip=\"10.00\" snapinfo=\"id=R1042\"")));
    const QByteArray bytes = dp->slipBytes();
    QVERIFY(bytes.contains('\0') && bytes.contains('\x1b') && bytes.contains('\xff'));

    const QString out = env("BREVALON_TEST_PRINTER_OUT");
    const qint64 before = fileSize(out);
    dp->setResult(-1);
    dp->printPage();
    QCOMPARE(dp->result(), 1);
    QVERIFY2(!QFile::exists(DocPrint::spoolFile(m_user)), "lpr -r leaves no spool file behind");
    const QByteArray printed = arrived(out, before, bytes.size());
    SlipOut::keep(printed, true);
    QCOMPARE(printed, bytes);
}

void TestDocOutput::copiesArrive()
{
    if (env("BREVALON_TEST_PRINTER").isEmpty())
        QSKIP("needs the private CUPS queue that scripts/test.sh starts (BREVALON_TEST_PRINTER)");
    TestShop shop;
    useSourceTemplates();
    utils->setUserName(m_user);
    settings->writeEntry(QStringLiteral("/KitchenPrinter/Mode"), QStringLiteral("slip40"));
    settings->writeEntry(QStringLiteral("/KitchenPrinter/PrinterName"), env("BREVALON_TEST_PRINTER"));
    settings->writeEntry(QStringLiteral("/KitchenPrinter/NumCopies"), 2);
    utils->newDocPrint();
    const QString out = env("BREVALON_TEST_PRINTER_OUT");
    const qint64 before = fileSize(out);
    DocPrint* dp = utils->docPrint();
    dp->parseXml(fixture(QStringLiteral("kitchen.xml")).replace(QStringLiteral("type=\"Kitchen\""),
                                                                 QStringLiteral("type=\"Kitchen\" auto=\"print\"")));
    // The automatic print happened while reading; the window is not shown.
    QCOMPARE(dp->exec(false), 1);
    const QByteArray bytes = dp->slipBytes();
    const QByteArray printed = arrived(out, before, 2 * bytes.size());
    SlipOut::keep(printed, true);
    QCOMPARE(printed, bytes + bytes);
}

void TestDocOutput::refusedJobIsToldWithTheSpoolersWords()
{
    if (env("BREVALON_TEST_PRINTER").isEmpty())
        QSKIP("needs the private CUPS server that scripts/test.sh starts (BREVALON_TEST_PRINTER)");
    TestShop shop;
    useSourceTemplates();
    utils->setUserName(m_user);
    settings->writeEntry(QStringLiteral("/ReceiptPrinter/Mode"), QStringLiteral("slip40"));
    settings->writeEntry(QStringLiteral("/ReceiptPrinter/PrinterName"), QStringLiteral("brevalon_no_such_queue"));
    utils->newDocPrint();
    DocPrint* dp = utils->docPrint();
    dp->parseXml(fixture(QStringLiteral("receipt.xml")));
    shop.prompts().expect(ZkPrompt::Critical, QStringLiteral("Brevalon Error"),
                          QStringLiteral("The printer or class does not exist"));
    dp->setResult(-1);
    dp->printPage();
    QCOMPARE(dp->result(), -1);
    QFile spool(DocPrint::spoolFile(m_user));
    QVERIFY(spool.open(QIODevice::ReadOnly));
    const QByteArray kept = spool.readAll();
    SlipOut::keep(kept, true);
    QCOMPARE(kept, dp->slipBytes());
    spool.remove();
}

void TestDocOutput::printerKick_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("kick");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("40-column printer") << "slip40" << "" << QByteArray("\x1b\x70\x30\x37\x79");
    QTest::newRow("own kick code") << "slip" << "27,112,0,25,250" << QByteArray("\x1b\x70\x00\x19\xfa", 5);
    QTest::newRow("page printer does nothing") << "page" << "" << QByteArray();
}

void TestDocOutput::printerKick()
{
    QFETCH(QString, mode);
    QFETCH(QString, kick);
    QFETCH(QByteArray, bytes);
    if (env("BREVALON_TEST_PRINTER").isEmpty())
        QSKIP("needs the private CUPS queue that scripts/test.sh starts (BREVALON_TEST_PRINTER)");
    TestShop shop;
    utils->setUserName(m_user);
    settings->writeEntry(QStringLiteral("/Global/CashDraw"), QStringLiteral("SLIP40"));
    settings->writeEntry(QStringLiteral("/ReceiptPrinter/Mode"), mode);
    settings->writeEntry(QStringLiteral("/ReceiptPrinter/PrinterName"), env("BREVALON_TEST_PRINTER"));
    if (!kick.isEmpty())
        settings->writeEntry(QStringLiteral("/SlipCodes/KICK"), kick);
    utils->initClass(false);
    utils->newDocPrint();
    QVERIFY(utils->hasCashDraw());
    const QString out = env("BREVALON_TEST_PRINTER_OUT");
    const qint64 before = fileSize(out);
    utils->openDrawer();
    if (bytes.isEmpty()) {
        QTest::qWait(1000);
        QCOMPARE(fileSize(out), before);
    } else {
        QCOMPARE(utils->docPrint()->result(), 1);
        const QByteArray printed = arrived(out, before, bytes.size());
        SlipOut::keep(printed, mode == QLatin1String("slip40"));
        QCOMPARE(printed, bytes);
    }
    QFile::remove(DocPrint::spoolFile(m_user));
}

// ---- e-mail --------------------------------------------------------------

void TestDocOutput::documentArrivesAsAStandardMessage()
{
    const QString maildir = env("BREVALON_TEST_MAILDIR");
    if (env("BREVALON_TEST_SMTP_PORT").isEmpty() || maildir.isEmpty())
        QSKIP("needs the SMTP server that scripts/test.sh starts (BREVALON_TEST_SMTP_PORT)");
    TestShop shop;
    useSourceTemplates();
    settings->writeEntry(QStringLiteral("/Global/SmtpServer"), QStringLiteral("127.0.0.1"));
    settings->writeEntry(QStringLiteral("/Global/SmtpPort"), env("BREVALON_TEST_SMTP_PORT").toInt());
    settings->writeEntry(QStringLiteral("/Global/FromEmail"), QStringLiteral("till@harbourkitchen.example"));
    const QStringList before = QDir(maildir).entryList({QStringLiteral("*.eml")});

    DocPrint* dp = utils->docPrint();
    dp->parseXml(fixture(QStringLiteral("invoice.xml")).replace(QStringLiteral("type=\"Invoice\""),
                                                                 QStringLiteral("type=\"Invoice\" auto=\"email\"")));
    QCOMPARE(dp->exec(false), 1);

    QStringList now;
    QElapsedTimer t;
    t.start();
    do {
        now = QDir(maildir).entryList({QStringLiteral("*.eml")});
        if (now.size() > before.size())
            break;
        QTest::qWait(50);
    } while (t.elapsed() < 10000);
    QCOMPARE(now.size(), before.size() + 1);
    const QString message = maildir + QLatin1Char('/') + now.last();

    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("logo.png"));
    QProcess reader;
    reader.start(QStringLiteral("/usr/bin/python3"),
                 {env("BREVALON_SOURCE_DIR") + QStringLiteral("/tests/documents/readmail.py"), message, png});
    QVERIFY(reader.waitForFinished(20000));
    const QString said = QString::fromUtf8(reader.readAllStandardOutput());
    QVERIFY2(reader.exitCode() == 0, qPrintable(QString::fromUtf8(reader.readAllStandardError())));
    QVERIFY2(said.contains(QLatin1String("subject: Invoice - The Harbour Kitchen")), qPrintable(said));
    QVERIFY2(said.contains(QLatin1String("type: multipart/related")), qPrintable(said));
    QVERIFY2(said.contains(QLatin1String("part: image/png <Logo>")), qPrintable(said));
    QVERIFY2(said.contains(QLatin1String("part: text/html")), qPrintable(said));
    QVERIFY2(said.contains(QLatin1String("src=\"cid:Logo\"")), qPrintable(said));
    QVERIFY2(said.contains(QLatin1String("O&apos;BRIEN, PATRICK")), qPrintable(said));
    const QImage logo(png);
    QVERIFY(!logo.isNull());
    QCOMPARE(logo.size(), QImage(TestShop::installDir() + QStringLiteral("/powerlogo.png")).size());
}

void TestDocOutput::smtpDialogue_data()
{
    QTest::addColumn<QStringList>("replies");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("sent");
    const QString ok = QStringLiteral("250 ok\r\n");
    QTest::newRow("whole conversation")
        << QStringList{"220 mail ready\r\n", ok, ok, ok, "354 go on\r\n", ok, "221 bye\r\n"} << 1 << QString()
        << "HELO there\r\nMAIL FROM: <till@shop.example>\r\nRCPT TO: <ann@client.example>\r\nDATA\r\n";
    QTest::newRow("two-line greeting is one reply")
        << QStringList{"220-mail.example ESMTP\r\n220 ready\r\n", ok, ok, ok, "354 go on\r\n", ok, "221 bye\r\n"} << 1
        << QString() << "HELO there\r\nMAIL FROM:";
    QTest::newRow("multi-line reply to HELO")
        << QStringList{"220 ready\r\n", "250-mail.example\r\n250-SIZE 100\r\n250 HELP\r\n", ok, ok,
                       "354 go on\r\n", ok, "221 bye\r\n"}
        << 1 << QString() << "MAIL FROM: <till@shop.example>\r\n";
    QTest::newRow("refusing greeting") << QStringList{"554 no service here\r\n"} << 2
                                       << "Error SMTP server:\n\n554 no service here\r\n" << "";
    QTest::newRow("recipient refused") << QStringList{"220 ready\r\n", ok, ok, "550 no such user\r\n"} << 2
                                       << "Error SMTP server:\n\n550 no such user\r\n" << "RCPT TO:";
    QTest::newRow("DATA not accepted") << QStringList{"220 ready\r\n", ok, ok, ok, "250 what?\r\n"} << 2
                                       << "Error SMTP server:\n\n250 what?\r\n" << "DATA\r\n";
    QTest::newRow("server hangs up") << QStringList{"220 ready\r\n", "<close>"} << 2
                                     << "Error SMTP server:\n\nThe server closed the connection." << "HELO there";
    QTest::newRow("garbled reply") << QStringList{"hello?\r\n"} << 2 << "Error SMTP server:\n\nhello?\r\n" << "";
}

void TestDocOutput::smtpDialogue()
{
    QFETCH(QStringList, replies);
    QFETCH(int, result);
    QFETCH(QString, warning);
    QFETCH(QString, sent);
    TestShop shop;
    ScriptedSmtp server(replies);
    settings->writeEntry(QStringLiteral("/Global/SmtpServer"), QStringLiteral("127.0.0.1"));
    settings->writeEntry(QStringLiteral("/Global/SmtpPort"), int(server.port()));
    if (!warning.isEmpty())
        shop.prompts().expect(ZkPrompt::Warning, QStringLiteral("Email Error"), warning);
    Smtp smtp(QStringLiteral("till@shop.example"), QStringLiteral("ann@client.example"), QStringLiteral("Receipt"),
              QStringLiteral("Hello\n.\nBye"));
    QElapsedTimer t;
    t.start();
    while (smtp.result() == Smtp::Running && t.elapsed() < 15000)
        QTest::qWait(10);
    QCOMPARE(smtp.result(), result);
    QCOMPARE(smtp.state(), 6);
    QTest::qWait(50);
    QVERIFY2(server.received.contains(sent.toLatin1()), server.received.constData());
    if (result == 1) {
        QVERIFY(server.received.contains(smtp.message() + "\r\n.\r\nQUIT\r\n"));
        QVERIFY(server.received.contains("Hello\r\n..\r\nBye"));
    }
}

void TestDocOutput::unreachableServer()
{
    TestShop shop;
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close(); // nothing listens there now
    settings->writeEntry(QStringLiteral("/Global/SmtpServer"), QStringLiteral("127.0.0.1"));
    settings->writeEntry(QStringLiteral("/Global/SmtpPort"), int(port));
    shop.prompts().expect(ZkPrompt::Critical, QStringLiteral("Email Error"),
                          QStringLiteral("Could not contact SMTP server 127.0.0.1 or Port %1").arg(port));
    Smtp smtp(QStringLiteral("a@b.example"), QStringLiteral("c@d.example"), QStringLiteral("s"), QStringLiteral("b"));
    QCOMPARE(smtp.result(), int(Smtp::Failed));

    // In the window: the document stays open with Email off.
    useSourceTemplates();
    shop.prompts().expect(ZkPrompt::Critical, QStringLiteral("Email Error"), QStringLiteral("Could not contact"));
    DocPrint* dp = utils->docPrint();
    dp->parseXml(fixture(QStringLiteral("invoice.xml")).replace(QStringLiteral("type=\"Invoice\""),
                                                                 QStringLiteral("type=\"Invoice\" auto=\"email\"")));
    QVERIFY(dp->autoAction().isEmpty());
    bool emailOn = true;
    shop.prompts().expectExec(QStringLiteral("DocPrint"), [&](QDialog* d) {
        emailOn = static_cast<DocPrint*>(d)->EmailButton->isEnabled();
        return 0;
    });
    QCOMPARE(dp->exec(false), 0);
    QVERIFY(!emailOn);
}

void TestDocOutput::rememberedAddresses_data()
{
    QTest::addColumn<int>("kept");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("after");
    QStringList ten;
    for (int i = 0; i < 10; ++i)
        ten << QStringLiteral("a%1@x.example").arg(i);
    QTest::newRow("new address appended") << 3 << "new@x.example"
                                          << QStringList{"a0@x.example", "a1@x.example", "a2@x.example", "new@x.example"};
    QTest::newRow("ten kept: the first is dropped") << 10 << "new@x.example"
                                                    << (ten.mid(1) << QStringLiteral("new@x.example"));
    QTest::newRow("known address changes nothing") << 10 << "a4@x.example" << ten;
}

void TestDocOutput::rememberedAddresses()
{
    QFETCH(int, kept);
    QFETCH(QString, chosen);
    QFETCH(QStringList, after);
    QStringList list;
    for (int i = 0; i < kept; ++i)
        list << QStringLiteral("a%1@x.example").arg(i);
    QCOMPARE(DocMail::remember(list, chosen), after);
}

void TestDocOutput::emailPageRemembersTheChoice()
{
    TestShop shop;
    useSourceTemplates();
    for (int i = 0; i < 10; ++i)
        settings->writeEntry(QStringLiteral("/Global/Email%1").arg(i), QStringLiteral("a%1@x.example").arg(i));
    ScriptedSmtp server({"220 ready\r\n", "250 ok\r\n", "250 ok\r\n", "250 ok\r\n", "354 go\r\n", "250 ok\r\n"});
    settings->writeEntry(QStringLiteral("/Global/SmtpServer"), QStringLiteral("127.0.0.1"));
    settings->writeEntry(QStringLiteral("/Global/SmtpPort"), int(server.port()));
    DocPrint* dp = utils->docPrint();
    dp->parseXml(fixture(QStringLiteral("receipt.xml")));
    shop.prompts().expect(ZkPrompt::ItemInput, QStringLiteral("Brevalon Document Email"),
                          QStringLiteral("Enter the required Email address"), 0, QStringLiteral("new@x.example"));
    dp->setResult(-1);
    dp->emailPage();
    QCOMPARE(dp->result(), 1);
    QCOMPARE(dp->email(), QStringLiteral("new@x.example"));
    QCOMPARE(DocMail::remembered().first(), QStringLiteral("a1@x.example"));
    QCOMPARE(DocMail::remembered().last(), QStringLiteral("new@x.example"));
    QVERIFY(server.received.contains("RCPT TO: <new@x.example>"));
}

void TestDocOutput::mimeLayout()
{
    const QString body = DocMail::body(QStringLiteral("QUJD"), QStringLiteral("<p>Hi</p>"));
    QCOMPARE(body, QStringLiteral("This is a multi-part message in MIME format.\n"
                                  "--------------090904000900050707080002\n"
                                  "Content-Type: image/png;\n name=\"logo.png\"\n"
                                  "Content-Transfer-Encoding: base64\n"
                                  "Content-ID: <Logo>\n"
                                  "Content-Disposition: inline;\n filename=\"logo.png\"\n\n"
                                  "QUJD"
                                  "\n\n--------------090904000900050707080002\n"
                                  "Content-Type: text/html; charset=us-ascii\n"
                                  "<html><head>\n"
                                  "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=iso-8859-1\">\n"
                                  "</head>\n<body><p>Hi</p>\n</body>\n</html>\n\n"
                                  "\n\n--------------090904000900050707080002--\n"));
    QCOMPARE(DocMail::mailHtml(QStringLiteral("<img src=PrintLogo> Caf\u00e9")),
             QStringLiteral("<img src=\"cid:Logo\"> Caf&#233;"));
}

void TestDocOutput::messageLines_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QByteArray>("wire");
    QTest::newRow("line feeds become CR LF") << "a\nb" << QByteArray("\r\n\r\na\r\nb\r\n");
    QTest::newRow("a lone dot is doubled") << "a\n.\nb" << QByteArray("\r\n\r\na\r\n..\r\nb\r\n");
    QTest::newRow("two lone dots in a row") << ".\n.\n" << QByteArray("\r\n\r\n..\r\n..\r\n\r\n");
    QTest::newRow("a leading dot is kept") << ".hidden" << QByteArray("\r\n\r\n..hidden\r\n");
}

void TestDocOutput::messageLines()
{
    QFETCH(QString, body);
    QFETCH(QByteArray, wire);
    const QByteArray m = Smtp::compose(QStringLiteral("f@x"), QStringLiteral("t@y"), QStringLiteral("S"), body);
    QVERIFY(m.startsWith("From: f@x\r\nTo: t@y\r\nSubject: S\r\nMIME-Version: 1.0\r\nContent-Type: multipart/related;"
                         "\r\n boundary=\"------------090904000900050707080002\"\r\nContent-Transfer-Encoding: 7bit"
                         "\r\nX-Mailer: Zendrik"));
    QCOMPARE(m.mid(m.indexOf("X-Mailer: Zendrik") + 17), wire);
}

void TestDocOutput::base64_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("one byte over: two pads") << QByteArray("abcd");
    QTest::newRow("two bytes over: one pad") << QByteArray("abcde");
    QTest::newRow("whole groups") << QByteArray("abcdef");
    QTest::newRow("high and zero bytes") << QByteArray("\xff\x00\xfe\x80", 4);
    QTest::newRow("exactly one line") << QByteArray(57, 'x');
    QTest::newRow("several lines") << QByteArray(500, '\xa5');
}

void TestDocOutput::base64()
{
    QFETCH(QByteArray, bytes);
    const QString text = ZkBase64::encode(bytes);
    const QByteArray plain = bytes.toBase64();
    QString expected;
    for (qsizetype i = 0; i < plain.size(); i += 76) {
        expected += QString::fromLatin1(plain.mid(i, 76));
        if (i + 76 <= plain.size())
            expected += QLatin1Char('\n');
    }
    QCOMPARE(text, expected);
    QCOMPARE(text.endsWith(QLatin1String("==")), bytes.size() % 3 == 1);
}

BREVALON_TEST_MAIN(TestDocOutput)
#include "tst_docoutput.moc"
