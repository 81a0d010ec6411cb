// What leaves the document window: slips and drawer kicks through the
// spooler (a private CUPS raw queue of the test command), e-mail through SMTP
// (the test command's server and a scripted one), Base64.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "documents/docmail.h"
#include "documents/docprint.h"
#include "documents/smtp.h"
#include "documents/zkbase64.h"
#include "tests/support/mailreader.h"
#include "tests/documents/goldens.h"
#include "tests/support/slipout.h"
#include "tests/support/testshop.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The spool files of @p user still in the temporary folder.
QStringList spoolFilesLeft(const QString& user)
{
    const QFileInfo pattern(DocPrint::spoolTemplate(user));
    return QDir(pattern.path()).entryList({pattern.fileName().replace(QLatin1String("XXXXXX"), QLatin1String("*"))},
                                          QDir::Files);
}

QString env(const char* name)
{
    return qEnvironmentVariable(name);
}

QString fixture(const QString& name, const QString& from = QString(), const QString& to = QString())
{
    QString text = QString::fromUtf8(Goldens::readData(name));
    return from.isEmpty() ? text : text.replace(from, to);
}

DocPrint* window()
{
    settings->writeEntry(QStringLiteral("/Global/InstallDir"), env("BREVALON_SOURCE_DIR"));
    utils->newDocPrint();
    return utils->docPrint();
}

void useSmtp(int port)
{
    settings->writeEntry(QStringLiteral("/Global/SmtpServer"), QStringLiteral("127.0.0.1"));
    settings->writeEntry(QStringLiteral("/Global/SmtpPort"), port);
}

// The bytes the printer received after @p from, once @p expected have come
// (and a little longer: anything more would show as a wrong length).
QByteArray arrived(qint64 from, qint64 expected)
{
    const QString path = env("BREVALON_TEST_PRINTER_OUT");
    QElapsedTimer t;
    t.start();
    while (QFileInfo(path).size() < from + expected && t.elapsed() < 15000)
        QTest::qWait(50);
    QTest::qWait(expected ? 200 : 1000);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || !f.seek(from))
        return QByteArray("cannot read ") + path.toLocal8Bit();
    return f.readAll();
}

// An SMTP server answering from a script: the greeting, then one reply per
// command (the message body counts as one); "<close>" hangs up.
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
        useSmtp(m_server.serverPort());
    }
    QByteArray received; // everything the client sent

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
            const qsizetype end = m_pending.indexOf(m_inData ? "\r\n.\r\n" : "\r\n");
            if (end < 0)
                return;
            const QByteArray line = m_pending.left(end);
            m_pending.remove(0, end + (m_inData ? 5 : 2));
            m_inData = !m_inData && line == "DATA" && !m_replies.isEmpty() && m_replies.first().startsWith('3');
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
    void spooled_data();
    void spooled();
    void refusedJobIsToldWithTheSpoolersWords();
    void documentArrivesAsAStandardMessage();
    void smtpDialogue_data();
    void smtpDialogue();
    void unreachableServerLeavesTheDocumentOpen();
    void emailRemembersTheChoice_data();
    void emailRemembersTheChoice();
    void base64();

private:
    QString m_user;
};

void TestDocOutput::init()
{
    m_user = QStringLiteral("output test %1").arg(QCoreApplication::applicationPid());
    Smtp::setReplyTimeout(10);
    const QByteArray function = QTest::currentTestFunction();
    if ((function == "spooled" || function == "refusedJobIsToldWithTheSpoolersWords")
        && env("BREVALON_TEST_PRINTER").isEmpty())
        QSKIP("needs the private CUPS queue that scripts/test.sh starts (BREVALON_TEST_PRINTER)");
}

void TestDocOutput::spooled_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("kick"); // empty: a document is printed, not a drawer kick
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("a slip with zero bytes, 0xff and escapes arrives unchanged") << "Receipt" << "slip40" << ""
                                                                                << QByteArray();
    QTest::newRow("a docket printing by itself arrives once per copy") << "Kitchen" << "slip40" << "" << QByteArray();
    QTest::newRow("drawer kick of a 40-column printer") << "Receipt" << "slip40" << "default"
                                                        << QByteArray("\x1b\x70\x30\x37\x79");
    QTest::newRow("own kick code") << "Receipt" << "slip" << "27,112,0,25,250" << QByteArray("\x1b\x70\x00\x19\xfa", 5);
    QTest::newRow("a page printer kicks nothing") << "Receipt" << "page" << "default" << QByteArray();
}

void TestDocOutput::spooled()
{
    QFETCH(QString, group);
    QFETCH(QString, mode);
    QFETCH(QString, kick);
    QFETCH(QByteArray, bytes);
    TestShop shop;
    utils->setUserName(m_user);
    const QString printer = QStringLiteral("/%1Printer/").arg(group);
    settings->writeEntry(printer + "Mode", mode);
    settings->writeEntry(printer + "PrinterName", env("BREVALON_TEST_PRINTER"));
    settings->writeEntry(printer + "NumCopies", group == QLatin1String("Kitchen") ? 2 : 1);
    // The QR code brings zero bytes and 0xff, the codes bring escapes.
    settings->writeEntry(QStringLiteral("/Global/SnapScan/Enabled"), true);
    settings->writeEntry(QStringLiteral("/Global/SnapScan/MerchantId"), QStringLiteral("harbour"));
    settings->writeEntry(QStringLiteral("/Global/CashDraw"), QStringLiteral("SLIP40"));
    if (kick != QLatin1String("default"))
        settings->writeEntry(QStringLiteral("/SlipCodes/KICK"), kick);
    utils->initClass(false);
    DocPrint* dp = window();
    const qint64 before = QFileInfo(env("BREVALON_TEST_PRINTER_OUT")).size();
    if (!kick.isEmpty()) {
        QVERIFY(utils->hasCashDraw());
        utils->openDrawer();
    } else if (group == QLatin1String("Kitchen")) {
        // The automatic print happens while reading; the window is not shown.
        dp->parseXml(fixture(QStringLiteral("kitchen.xml"), "type=\"Kitchen\"", "type=\"Kitchen\" auto=\"print\""));
        QCOMPARE(dp->exec(false), 1);
        bytes = dp->slipBytes() + dp->slipBytes();
    } else {
        dp->parseXml(fixture(QStringLiteral("receipt.xml"), "tip=\"10.00\"", "tip=\"10.00\" snapinfo=\"id=R1042\""));
        bytes = dp->slipBytes();
        QVERIFY(bytes.contains('\0') && bytes.contains('\x1b') && bytes.contains('\xff'));
        dp->setResult(-1);
        dp->printPage();
        QVERIFY2(spoolFilesLeft(m_user).isEmpty(), "no spool file is left behind");
    }
    if (!bytes.isEmpty())
        QCOMPARE(utils->docPrint()->result(), 1);
    const QByteArray printed = arrived(before, bytes.size());
    SlipOut::keep(printed, mode == QLatin1String("slip40"));
    QCOMPARE(printed, bytes);
}

void TestDocOutput::refusedJobIsToldWithTheSpoolersWords()
{
    TestShop shop;
    utils->setUserName(m_user);
    settings->writeEntry(QStringLiteral("/ReceiptPrinter/Mode"), QStringLiteral("slip40"));
    settings->writeEntry(QStringLiteral("/ReceiptPrinter/PrinterName"), QStringLiteral("brevalon_no_such_queue"));
    DocPrint* dp = window();
    dp->parseXml(fixture(QStringLiteral("receipt.xml")));
    shop.prompts().expect(ZkPrompt::Critical, QStringLiteral("Brevalon Error"),
                          QStringLiteral("The printer or class does not exist"));
    dp->setResult(-1);
    dp->printPage();
    QCOMPARE(dp->result(), -1);
    // The window keeps the slip to print again; no spool file is left.
    QVERIFY(dp->outputFailed());
    QCOMPARE(spoolFilesLeft(m_user), QStringList());
}

void TestDocOutput::documentArrivesAsAStandardMessage()
{
    const QString maildir = env("BREVALON_TEST_MAILDIR");
    if (env("BREVALON_TEST_SMTP_PORT").isEmpty() || maildir.isEmpty())
        QSKIP("needs the SMTP server that scripts/test.sh starts (BREVALON_TEST_SMTP_PORT)");
    TestShop shop;
    useSmtp(env("BREVALON_TEST_SMTP_PORT").toInt());
    settings->writeEntry(QStringLiteral("/Global/FromEmail"), QStringLiteral("till@harbourkitchen.example"));
    const QStringList before = MailReader::mails();
    DocPrint* dp = window();
    dp->parseXml(fixture(QStringLiteral("invoice.xml"), "type=\"Invoice\"", "type=\"Invoice\" auto=\"email\""));
    QCOMPARE(dp->exec(false), 1);
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("logo.png"));
    QString error;
    const QString said = MailReader::readNew(before, png, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    for (const char* part : {"subject: Invoice - The Harbour Kitchen", "type: multipart/related",
                             "part: image/png <Logo>", "part: text/html", "src=\"cid:Logo\"", "O&apos;BRIEN, PATRICK"})
        QVERIFY2(said.contains(QLatin1String(part)), qPrintable(said));
    QCOMPARE(QImage(png).size(), QImage(TestShop::installDir() + QStringLiteral("/powerlogo.png")).size());
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
    QTest::newRow("refusing greeting") << QStringList{"554 no service here\r\n"} << 2
                                       << "Error SMTP server:\n\n554 no service here\r\n" << "";
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
    if (!warning.isEmpty())
        shop.prompts().expect(ZkPrompt::Warning, QStringLiteral("Email Error"), warning);
    Smtp smtp(QStringLiteral("till@shop.example"), QStringLiteral("ann@client.example"), QStringLiteral("Receipt"),
              QStringLiteral("Hello\n.\n.\n.hidden\nBye"));
    QElapsedTimer t;
    t.start();
    while (smtp.result() == Smtp::Running && t.elapsed() < 15000)
        QTest::qWait(10);
    QCOMPARE(smtp.result(), result);
    QCOMPARE(smtp.state(), 6);
    QTest::qWait(50);
    QVERIFY2(server.received.contains(sent.toLatin1()), server.received.constData());
    if (result != 1)
        return;
    // The body as composed, every leading dot doubled, then QUIT.
    QVERIFY(server.received.contains(smtp.message() + "\r\n.\r\nQUIT\r\n"));
    QVERIFY(smtp.message().startsWith("From: till@shop.example\r\nTo: ann@client.example\r\n"
                                      "Subject: Receipt\r\n"));
    QVERIFY(smtp.message().endsWith("\r\n\r\nHello\r\n..\r\n..\r\n..hidden\r\nBye\r\n"));
}

void TestDocOutput::unreachableServerLeavesTheDocumentOpen()
{
    TestShop shop;
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close(); // nothing listens there now
    useSmtp(port);
    shop.prompts().expect(ZkPrompt::Critical, QStringLiteral("Email Error"),
                          QStringLiteral("Could not contact SMTP server 127.0.0.1 or Port %1").arg(port));
    DocPrint* dp = window();
    dp->parseXml(fixture(QStringLiteral("invoice.xml"), "type=\"Invoice\"", "type=\"Invoice\" auto=\"email\""));
    QVERIFY(dp->autoAction().isEmpty());
    bool emailOn = true;
    shop.prompts().expectExec(QStringLiteral("DocPrint"), [&](QDialog* d) {
        emailOn = static_cast<DocPrint*>(d)->EmailButton->isEnabled();
        return 0;
    });
    QCOMPARE(dp->exec(false), 0);
    QVERIFY(!emailOn);
}

void TestDocOutput::emailRemembersTheChoice_data()
{
    QTest::addColumn<int>("kept");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("after"); // first .. last, count
    QTest::newRow("a new address is appended") << 3 << "new@x.example" << "a0@x.example .. new@x.example, 4";
    QTest::newRow("ten kept: the oldest is dropped") << 10 << "new@x.example" << "a1@x.example .. new@x.example, 10";
    QTest::newRow("a known address changes nothing") << 10 << "a4@x.example" << "a0@x.example .. a9@x.example, 10";
}

void TestDocOutput::emailRemembersTheChoice()
{
    QFETCH(int, kept);
    QFETCH(QString, chosen);
    TestShop shop;
    for (int i = 0; i < kept; ++i)
        settings->writeEntry(QStringLiteral("/Global/Email%1").arg(i), QStringLiteral("a%1@x.example").arg(i));
    ScriptedSmtp server({"220 ready\r\n", "250 ok\r\n", "250 ok\r\n", "250 ok\r\n", "354 go\r\n", "250 ok\r\n"});
    DocPrint* dp = window();
    dp->parseXml(fixture(QStringLiteral("receipt.xml")));
    shop.prompts().expect(ZkPrompt::ItemInput, QStringLiteral("Brevalon Document Email"),
                          QStringLiteral("Enter the required Email address"), 0, chosen);
    dp->setResult(-1);
    dp->emailPage();
    QCOMPARE(dp->result(), 1);
    QCOMPARE(dp->email(), chosen);
    const QStringList list = DocMail::remembered();
    QTEST(QStringLiteral("%1 .. %2, %3").arg(list.first(), list.last()).arg(list.size()), "after");
    QVERIFY(server.received.contains("RCPT TO: <" + chosen.toLatin1() + ">"));
}

void TestDocOutput::base64()
{
    // Against Qt's encoder, broken after every 76 characters: every
    // remainder of three, zero and high bytes, one line and more.
    for (int n : {0, 1, 2, 3, 4, 56, 57, 58, 114, 200}) {
        QByteArray bytes, expected;
        for (int i = 0; i < n; ++i)
            bytes += char((i * 67 + 255) % 256);
        const QByteArray plain = bytes.toBase64();
        for (int at = 0; at < plain.size(); at += 76)
            expected += plain.mid(at, 76) + (at + 76 <= plain.size() ? "\n" : "");
        QCOMPARE(ZkBase64::encode(bytes), QString::fromLatin1(expected));
    }
    // The page's logo is the attached part; other letters go as entities.
    QCOMPARE(DocMail::mailHtml(QStringLiteral("<img src=PrintLogo> Caf\u00e9")),
             QStringLiteral("<img src=\"cid:Logo\"> Caf&#233;"));
}

BREVALON_TEST_MAIN(TestDocOutput)
#include "tst_docoutput.moc"
