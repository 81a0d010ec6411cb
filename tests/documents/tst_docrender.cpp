// The document renderer as plain functions: ampersands, template lookup,
// placeholders on pages and slips byte for byte, slip codes and preview, the
// QR payment code read back by zbarimg, whole documents against references.

#include "core/globals.h"
#include "core/zksettings.h"
#include "documents/docrender.h"
#include "documents/qrpayment.h"
#include "tests/documents/goldens.h"
#include "tests/support/slipout.h"
#include "tests/support/testshop.h"

#include <QDir>
#include <QDomDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QDomElement element(const QString& attributes)
{
    static QDomDocument doc;
    doc.setContent(QStringLiteral("<item ") + attributes + QStringLiteral("/>"));
    return doc.documentElement();
}

QDomDocument parse(const QString& xml)
{
    QDomDocument doc;
    doc.setContent(DocRender::correctAmpersands(xml));
    return doc;
}

// An install folder holding empty templates of the given names.
QString installWith(const QTemporaryDir& dir, const QStringList& files)
{
    const QString folder = dir.path() + QLatin1String("/share/Brevalon/English/");
    QDir().mkpath(folder);
    for (const QString& file : files) {
        QDir().mkpath(QFileInfo(folder + file).absolutePath());
        if (!QFile(folder + file).open(QIODevice::WriteOnly))
            return QString();
    }
    return folder;
}

// What zbarimg reads from a picture, set on a quiet zone as on paper.
QString decode(const QImage& image)
{
    QTemporaryDir dir;
    QImage framed(image.width() + 64, image.height() + 64, QImage::Format_RGB32);
    framed.fill(Qt::white);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            framed.setPixel(x + 32, y + 32, image.pixel(x, y));
    framed.save(dir.filePath(QStringLiteral("qr.png")));
    QProcess p;
    p.start(QStringLiteral("zbarimg"), {"--raw", "-q", dir.filePath(QStringLiteral("qr.png"))});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// The bit-image bands (ESC * 33) of a slip as a picture, one pixel per dot.
QImage bandsToImage(const QByteArray& bytes)
{
    QList<QByteArray> bands;
    for (qsizetype at = 0; (at = bytes.indexOf(QByteArray("\x1b\x2a\x21", 3), at)) >= 0;) {
        const int columns = quint8(bytes.at(at + 3)) + 256 * quint8(bytes.at(at + 4));
        bands << bytes.mid(at + 5, columns * 3);
        at += 5 + columns * 3;
    }
    QImage image(bands.isEmpty() ? 0 : int(bands.first().size() / 3), int(bands.size()) * 24, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int b = 0; b < bands.size(); ++b)
        for (int x = 0; x < image.width(); ++x)
            for (int dot = 0; dot < 24; ++dot)
                if (quint8(bands.at(b).at(x * 3 + dot / 8)) & (0x80 >> (dot % 8)))
                    image.setPixel(x, b * 24 + dot, qRgb(0, 0, 0));
    return image;
}

} // namespace

class TestDocRender : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void ampersandCorrection_data();
    void ampersandCorrection();
    void placeholders_data();
    void placeholders();
    void slipBytes_data();
    void slipBytes();
    void codeLists_data();
    void codeLists();
    void templateLookup_data();
    void templateLookup();
    void preview_data();
    void preview();
    void longPreviewIsSplitIntoBlocks();
    void paymentCode();
    void documents_data();
    void documents();

private:
    QTemporaryDir m_home;
};

void TestDocRender::initTestCase()
{
    settings = new ZkSettings(m_home.path());
}

void TestDocRender::cleanupTestCase()
{
    delete settings;
    settings = nullptr;
}

void TestDocRender::ampersandCorrection_data()
{
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("value");
    QTest::newRow("bare ampersand between words") << "Fish & Chips" << "Fish & Chips";
    QTest::newRow("quot and apos survive as their text") << "say &quot;hi&apos;" << "say &quot;hi&apos;";
    QTest::newRow("amp is decoded once") << "R&amp;D" << "R&D";
    QTest::newRow("lt and gt are markup") << "&lt;b&gt;Bad Debt&lt;/b&gt;" << "<b>Bad Debt</b>";
    QTest::newRow("ampersand at the end") << "Salt &" << "Salt &";
    QTest::newRow("entity name that only begins like amp") << "&ampx;" << "&ampx;";
}

void TestDocRender::ampersandCorrection()
{
    QFETCH(QString, attribute);
    const QDomDocument doc = parse("<zendrik><head a=\"" + attribute + "\"/></zendrik>");
    QTEST(DocRender::first(doc.documentElement(), QStringLiteral("head")).attribute(QStringLiteral("a")), "value");
}

void TestDocRender::placeholders_data()
{
    QTest::addColumn<bool>("slip");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("attributes");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("page: two fields and a repeat") << false << "<!--$a--> and <!--$b--> and <!--$a-->"
                                                   << "a=\"X\" b=\"Y\""
                                                   << QStringList{"X and Y and X"};
    QTest::newRow("page: absent attribute is empty") << false << "[<!--$missing-->]" << "a=\"X\"" << QStringList{"[]"};
    QTest::newRow("page: backslash n becomes a break") << false << "<!--$a-->" << "a=\"one\\ntwo\\Nthree\""
                                                       << QStringList{"one <BR> two <BR> three"};
    QTest::newRow("page: value holding its own placeholder ends") << false << "<!--$a-->" << "a=\"&lt;!--$a--&gt;\""
                                                                  << QStringList{"<!--$a-->"};
    QTest::newRow("page: markup in a value stays markup") << false << "<!--$a-->" << "a=\"&lt;b&gt;Bad&lt;/b&gt;\""
                                                          << QStringList{"<b>Bad</b>"};
    QTest::newRow("page: a lone less-than is text") << false << "<!--$a-->" << "a=\"under &lt; 5 &lt;= 6\""
                                                    << QStringList{"under &lt; 5 &lt;= 6"};
    QTest::newRow("page: name with a hyphen is no placeholder") << false << "<!--$a-b-->" << "a=\"X\""
                                                                << QStringList{"<!--$a-b-->"};
    QTest::newRow("left aligned pads") << true << "[-10]<!--$v-->|" << "v=\"ABCDEF\"" << QStringList{"ABCDEF    |"};
    QTest::newRow("right aligned pads") << true << "[10]<!--$v-->|" << "v=\"ABCDEF\"" << QStringList{"    ABCDEF|"};
    QTest::newRow("too long is cut") << true << "[10]<!--$v-->|" << "v=\"ABCDEFGHIJKLMN\""
                                     << QStringList{"ABCDEFGHIJ|"};
    QTest::newRow("width zero keeps the value") << true << "[0]<!--$v-->|" << "v=\"ABCDEFGHIJKLMN\""
                                                << QStringList{"ABCDEFGHIJKLMN|"};
    QTest::newRow("entity surplus widens the field") << true << "[-10]<!--$v-->|" << "v=\"ABC&amp;apos;DEF\""
                                                     << QStringList{"ABC&apos;DEF   |"};
    QTest::newRow("entity surplus of each entity") << true << "[-4]<!--$v-->|"
                                                   << "v=\"&amp;amp;&amp;quot;&amp;lt;&amp;gt;\""
                                                   << QStringList{"&amp;&quot;&lt;&gt;|"};
    QTest::newRow("comment prints nothing") << true << "# [10]<!--$v-->" << "v=\"X\"" << QStringList{};
    QTest::newRow("plain placeholder and break") << true << "A <!--$v--> B" << "v=\"x\\ny\"" << QStringList{"A x\ny B"};
    QTest::newRow("mark without placeholder is text") << true << "Table [3] <!--$v-->" << "v=\"X\""
                                                      << QStringList{"Table [3] X"};
    QTest::newRow("wrap without blanks at column 4") << true << "Ab: {10}<!--$v-->" << "v=\"ABCDEFGHIJKLMNOPQRSTUVWXY\""
                                                     << QStringList{"Ab: ABCDEFGHIJ", "    KLMNOPQRST", "    UVWXY"};
    QTest::newRow("wrap keeps words whole") << true << "{-10}<!--$v-->|" << "v=\"FISH AND CHIPS TODAY\""
                                            << QStringList{"FISH AND  |", "CHIPS     ", "TODAY"};
    QTest::newRow("wrap short value left aligned") << true << "{-8}<!--$v-->|" << "v=\"TEA\""
                                                   << QStringList{"TEA     |"};
    QTest::newRow("wrap short value right mark unpadded") << true << "{8}<!--$v-->|" << "v=\"TEA\""
                                                          << QStringList{"TEA|"};
    QTest::newRow("wrap at a line break") << true << "{-8}<!--$v-->|" << "v=\"AB \\nCD\""
                                          << QStringList{"AB      |", "CD   "};
    QTest::newRow("wrap then fixed field keeps the column") << true << "{-8}<!--$d-->[6]<!--$p-->"
                                                            << "d=\"GRILLED LINEFISH\" p=\"9.50\""
                                                            << QStringList{"GRILLED   9.50", "LINEFISH"};
    QTest::newRow("continuation under a tag counts printed columns")
        << true << "<B>[3]<!--$q--> {-6}<!--$d--></B>" << "q=\"2\" d=\"PRAWN PLATTER\""
        << QStringList{"<B>  2 PRAWN </B>", "    PLATTE", "    R"};
}

void TestDocRender::placeholders()
{
    QFETCH(bool, slip);
    QFETCH(QString, line);
    QFETCH(QString, attributes);
    const QDomElement e = element(attributes);
    QTEST(slip ? DocRender::fillSlipLine(line, e) : QStringList{DocRender::fillPageLine(line, e)}, "expected");
}

void TestDocRender::slipBytes_data()
{
    QTest::addColumn<QString>("slip");
    QTest::addColumn<bool>("forty");
    QTest::addColumn<QString>("bold"); // the setting of BOLD, if not the default
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("line feeds become CR LF") << "a\nb\n" << true << "" << QByteArray("a\r\nb\r\n");
    QTest::newRow("bold either case") << "<b>x</B>" << false << "" << QByteArray("\x1b\x45x\x1b\x46");
    QTest::newRow("empty bold code removes the tags") << "<B>x</B>" << false << "-" << QByteArray("x\x1b\x46");
    QTest::newRow("raw byte marks side by side") << "&27&&64&" << true << "" << QByteArray("\x1b\x40");
    QTest::newRow("raw byte mark modulo 256") << "&256&&321&" << true << "" << QByteArray("\x00\x41", 2);
    QTest::newRow("cut on a 40-column printer") << "<CUT>" << true << "" << QByteArray("\x1d\x56\x42\x06");
    QTest::newRow("entities decode") << "&quot;&apos;&lt;&gt;&frasl;&rsquo;&amp;lt;" << true << ""
                                     << QByteArray("\"'<>/`&lt;");
    QTest::newRow("curly quotes as UTF-8") << "&lsquo;&ldquo;" << true << "" << QByteArray("\xe2\x80\x98\xe2\x80\x9c");
    QTest::newRow("double size and emphasis")
        << "<d><em>x</em></d>" << true << ""
        << QByteArray("\x1b\x68\x01\x0e\x1b\x45\x21x\x1b\x45\x20\x1b\x68\x30\x14");
    QTest::newRow("logo code") << "<logo>" << true << "" << QByteArray("\x1c\x70\x01\x30");
    QTest::newRow("snapscan without a code is removed") << "a<SNAPSCAN>b" << true << "" << QByteArray("ab");
}

void TestDocRender::slipBytes()
{
    QFETCH(QString, slip);
    QFETCH(bool, forty);
    QFETCH(QString, bold);
    QFETCH(QByteArray, body);
    settings->writeEntry(QStringLiteral("/SlipCodes/BOLD"), bold.isEmpty() ? "27,69" : "");
    const SlipCodes c = SlipCodes::load(forty);
    settings->writeEntry(QStringLiteral("/SlipCodes/BOLD"), QStringLiteral("27,69"));
    // Every slip begins with INIT and ends with EOP.
    const SlipBytes out = DocRender::slipBytes(slip, c, QByteArray());
    QCOMPARE(out.bytes, c.init + body + c.eop);
    QCOMPARE(out.qrOffset, -1);
}

void TestDocRender::codeLists_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("plain") << "27,112,48,55,121" << QByteArray("\x1b\x70\x30\x37\x79");
    QTest::newRow("stops at an empty entry") << "27,,64" << QByteArray("\x1b");
    QTest::newRow("blanks around values") << " 27 , 64 " << QByteArray("\x1b\x40");
    QTest::newRow("empty") << "" << QByteArray();
    QString forty;
    QByteArray first31;
    for (int i = 1; i <= 40; ++i)
        forty += QString::number(i) + QLatin1Char(','), first31 += i <= 31 ? QByteArray(1, char(i)) : QByteArray();
    QTest::newRow("cut to 31 values") << forty << first31;
}

void TestDocRender::codeLists()
{
    QFETCH(QString, list);
    QTEST(SlipCodes::parse(list), "bytes");
}

void TestDocRender::templateLookup_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<double>("tax1");
    QTest::addColumn<double>("tax2");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("found");
    QTest::newRow("tax 2 and alt fall back to the plain set")
        << QStringList{"ReceiptHead.html"} << 0.15 << 0.02 << "alt/Receipt" << "Head.html" << "Receipt";
    QTest::newRow("tax 2 set used") << QStringList{"ReceiptHead.html", "TAX2/ReceiptHead.html"} << 0.15 << 0.02
                                    << "Receipt" << "Head.html" << "TAX2/Receipt";
    QTest::newRow("alternate language inside the tax set")
        << QStringList{"TAX2/ReceiptHead.html", "TAX2/alt/ReceiptHead.html"} << 0.0 << 0.02 << "alt/Receipt"
        << "Head.html" << "TAX2/alt/Receipt";
    QTest::newRow("alt falls back before the tax set does")
        << QStringList{"TAX1/ReceiptHead.html", "alt/ReceiptHead.html"} << 0.15 << 0.0 << "alt/Receipt" << "Head.html"
        << "TAX1/Receipt";
    QTest::newRow("no taxes ignore the tax sets") << QStringList{"TAX1/ReceiptHead.html", "ReceiptHead.html"} << 0.0
                                                  << 0.0 << "Receipt" << "Head.html" << "Receipt";
    QTest::newRow("40-column head decides") << QStringList{"TAX2/ReceiptHead.slip", "ReceiptHead.slip40"} << 0.1 << 0.1
                                            << "Receipt" << "Head.slip40" << "Receipt";
}

void TestDocRender::templateLookup()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, type);
    QFETCH(QString, head);
    QTemporaryDir dir;
    const QString folder = installWith(dir, installed);
    RenderSettings s;
    s.installDir = dir.path();
    QFETCH(double, tax1);
    QFETCH(double, tax2);
    s.tax1 = tax1, s.tax2 = tax2;
    QFETCH(QString, found);
    QCOMPARE(DocRender::templatePrefix(s, type, head), folder + found);
}

void TestDocRender::preview_data()
{
    QTest::addColumn<QString>("slip");
    QTest::addColumn<bool>("qr");
    QTest::addColumn<QString>("expected");
    QTest::newRow("raw marks removed") << "a&27&&64&b\n" << false << "<pre>ab\n</pre>";
    QTest::newRow("double size shown larger") << "<d>BIG</d>" << false << "<pre><font size=\"+3\">BIG</font></pre>";
    QTest::newRow("other tags stay") << "<B>x</B><CUT>" << false << "<pre><B>x</B><CUT></pre>";
    QTest::newRow("qr shown when made") << "<SNAPSCAN>" << true
                                        << "<pre><center><img src=SnapScanQR><br>SnapScan</center></pre>";
    QTest::newRow("qr dropped when not made") << "<SNAPSCAN>" << false << "<pre></pre>";
}

void TestDocRender::preview()
{
    QFETCH(QString, slip);
    QFETCH(bool, qr);
    QTEST(DocRender::slipPreview(slip, qr), "expected");
}

void TestDocRender::longPreviewIsSplitIntoBlocks()
{
    const QString slip = (QString(99, QLatin1Char('x')) + QLatin1Char('\n')).repeated(1200);
    const QString p = DocRender::slipPreview(slip, false);
    // Each block ends at the first line end at least 49152 characters on.
    const QStringList blocks = p.split(QStringLiteral("</pre><pre>"));
    QCOMPARE(blocks.size(), 3);
    QCOMPARE(blocks.at(0).size(), 5 + 49200);
    QCOMPARE(blocks.at(1).size(), 49200);
    QCOMPARE(QString(p).remove(QStringLiteral("</pre><pre>")), "<pre>" + slip + "</pre>");
}

void TestDocRender::paymentCode()
{
    const QString text = QrPayment::paymentText(QStringLiteral("pos.snapscan.io"), QStringLiteral("harbour"),
                                                QStringLiteral("id=INV2315&amount=68100"));
    QCOMPARE(text, QStringLiteral("https://pos.snapscan.io/qr/harbour?id=INV2315&amount=68100"));
    const QrSymbol symbol = QrPayment::encode(text);
    QCOMPARE(symbol.width, 33); // version 4 is the smallest that holds it at level L
    QCOMPARE(QrPayment::image(symbol).size(), QSize(132, 132));
    // Two line feeds, then bands of three module rows, each: indent, ESC * 33
    // nL nH, 24 bytes per module column, ESC J 3; then the caption.
    const QByteArray image = QrPayment::bitImage(symbol);
    const int w = symbol.width, indent = int(((64 - w) * 8) / 25.4);
    QCOMPARE(image.size(), 2 + (w / 3 + 1) * (indent + 5 + w * 24 + 3) + 1 + 16 + 9);
    QCOMPARE(image.left(2 + indent + 5), "\n\n" + QByteArray(indent, ' ') + QByteArray("\x1b\x2a\x21", 3)
                                             + char((8 * w) % 256) + char((8 * w) / 256));
    QVERIFY(image.endsWith(QByteArray(16, ' ') + "SnapScan\n"));

    SlipCodes c = SlipCodes::load(true);
    const SlipBytes out = DocRender::slipBytes(QStringLiteral("Pay here:\n<snapscan>\n<CUT>"), c, image);
    SlipOut::keep(out.bytes, true);
    QCOMPARE(out.bytes.mid(out.qrOffset, out.qrLength), image);
    QCOMPARE(out.bytes, c.init + QByteArray("Pay here:\r\n") + image + "\r\n" + c.cut + c.eop);
    // Any other bit-image form prints no code.
    c.bitImage = QStringLiteral("GS v 0");
    QCOMPARE(DocRender::slipBytes(QStringLiteral("<SNAPSCAN>"), c, image).bytes, c.init + c.eop);

    if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty())
        QSKIP("zbarimg is not installed");
    QCOMPARE(decode(QrPayment::image(symbol)), text);
    QCOMPARE(decode(bandsToImage(out.bytes)), text);
}

void TestDocRender::documents_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<double>("tax1");
    QTest::addColumn<double>("tax2");
    const struct { const char* xml; double tax1, tax2; const char* name; } docs[] = {
        {"receipt.xml", 0.15, 0.02, "receipt"},        {"invoice.xml", 0.15, 0.02, "invoice-tax2"},
        {"invoice.xml", 0.15, 0.0, "invoice-tax1"},    {"invoice.xml", 0.0, 0.0, "invoice-untaxed"},
        {"invoiceexc.xml", 0.15, 0.02, "invoiceexc-tax2"}, {"kitchen.xml", 0.15, 0.02, "kitchen"},
    };
    for (const auto& d : docs)
        for (const char* format : {"html", "slip", "slip40"})
            QTest::addRow("%s.%s", d.name, format) << QString::fromLatin1(d.xml) << d.tax1 << d.tax2;
}

void TestDocRender::documents()
{
    QFETCH(QString, xml);
    QFETCH(double, tax1);
    QFETCH(double, tax2);
    const QString golden = QString::fromLatin1(QTest::currentDataTag());
    const QDomDocument doc = parse(QString::fromUtf8(Goldens::readData(xml)));
    const QDomElement root = doc.documentElement();
    QVERIFY2(!root.isNull(), qPrintable(xml));
    RenderSettings s;
    s.installDir = TestShop::installDir(), s.tax1 = tax1, s.tax2 = tax2;
    const QString head = DocRender::first(root, QStringLiteral("head")).attribute(QStringLiteral("type"));
    const QString type = DocRender::templateType(head, false);
    const bool forty = golden.endsWith(QLatin1String("slip40"));
    const Rendered r = golden.endsWith(QLatin1String("html")) ? DocRender::page(s, type, root)
                                                               : DocRender::slip(s, type, root, forty);
    QVERIFY2(r.missingHead.isEmpty(), qPrintable(r.missingHead));
    QByteArray out = r.text.toUtf8();
    if (!golden.endsWith(QLatin1String("html"))) {
        out = DocRender::slipBytes(r.text, SlipCodes::load(forty), QByteArray()).bytes;
        SlipOut::keep(out, forty);
    }
    const QString diff = Goldens::compare(golden, out);
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
}

BREVALON_TEST_MAIN(TestDocRender)
#include "tst_docrender.moc"
