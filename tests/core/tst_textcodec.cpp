// Text made safe for SQL and XML, and button images stored as text in the
// Images table and drawn back, on every backend.

#include "core/globals.h"
#include "core/utility.h"
#include "tests/support/testshop.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainter>
#include <QSqlQuery>
#include <QTest>
#include <QXmlStreamReader>

namespace {

QImage sampleImage(int depth)
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
    // What the stored picture is expected to hold: the image at that depth.
    switch (depth) {
    case 1:
        return image.convertToFormat(QImage::Format_Mono).convertToFormat(QImage::Format_ARGB32);
    case 8:
        return image.convertToFormat(QImage::Format_Indexed8).convertToFormat(QImage::Format_ARGB32);
    default:
        return image;
    }
}

QImage sourceImage()
{
    return sampleImage(32);
}

} // namespace

class TestTextCodec : public QObject
{
    Q_OBJECT

private slots:
    void escapeSql_data();
    void escapeSql();
    void escapeXml_data();
    void escapeXml();
    void imageRoundTrip_data();
    void imageRoundTrip();
    void encodedTextHoldsNoUnsafeByte();
    void decoderAcceptsOneOrTwoBackslashes_data();
    void decoderAcceptsOneOrTwoBackslashes();
    void labelPictureWhenNothingIsStored_data();
    void labelPictureWhenNothingIsStored();
};

void TestTextCodec::escapeSql_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("upper");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("apostrophe doubled") << "O'Brien" << false << "O''Brien";
    QTest::newRow("apostrophe doubled and upper-cased") << "O'Brien" << true << "O''BRIEN";
    QTest::newRow("backslash left alone") << "C:\\till" << false << "C:\\till";
    QTest::newRow("double quote left alone") << "a \"b\"" << false << "a \"b\"";
    QTest::newRow("upper-cases beyond ASCII") << "café" << true << "CAFÉ";
}

void TestTextCodec::escapeSql()
{
    QFETCH(QString, text);
    QFETCH(bool, upper);
    QFETCH(QString, escaped);
    TestShop shop;
    QCOMPARE(Utility::escapeSQL(text, upper), escaped);
    // A line break is written out only where SQLite would otherwise keep it raw.
    QCOMPARE(Utility::escapeSQL(text + QLatin1Char('\n'), upper),
             escaped + (TestShop::isMariaDb() ? QStringLiteral("\n") : QStringLiteral("\\n")));
}

void TestTextCodec::escapeXml_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("upper");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("ampersand escaped once") << "Fish & Chips <large>" << false << "Fish &amp; Chips &lt;large&gt;";
    QTest::newRow("an entity in the text is kept as typed") << "&amp;" << false << "&amp;amp;";
    QTest::newRow("apostrophe") << "O'Brien" << false << "O&apos;Brien";
    QTest::newRow("double quote") << "say \"hi\"" << false << "say &quot;hi&quot;";
    QTest::newRow("two lines become one") << "line one\nline two" << false << "line one\\nline two";
    QTest::newRow("CR LF is one line break") << "a\r\nb" << false << "a\\nb";
    QTest::newRow("blanks around a break become one") << "a  \n  b" << false << "a \\n b";
    QTest::newRow("runs of white space") << "a    b\t\tc" << false << "a b c";
    QTest::newRow("trimmed at both ends") << "  x  " << false << "x";
    QTest::newRow("upper-cased before escaping") << "o'brien & co" << true << "O&apos;BRIEN &amp; CO";
    QTest::newRow("empty") << "" << false << "";
}

void TestTextCodec::escapeXml()
{
    QFETCH(QString, text);
    QFETCH(bool, upper);
    QFETCH(QString, escaped);
    const QString xml = Utility::escapeXML(text, upper);
    QCOMPARE(xml, escaped);
    // Whatever the text, it sits safely in an attribute and reads back.
    QXmlStreamReader reader(QStringLiteral("<head value=\"") + xml + QStringLiteral("\">") + xml
                            + QStringLiteral("</head>"));
    QVERIFY(reader.readNextStartElement());
    const QString attribute = reader.attributes().value(QLatin1String("value")).toString();
    QCOMPARE(reader.readElementText(), attribute);
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
    QString expected = upper ? text.toUpper() : text;
    expected.replace(QLatin1String("\r\n"), QLatin1String("\\n")).replace(QLatin1Char('\n'), QLatin1String("\\n"));
    QCOMPARE(attribute, expected.simplified());
}

void TestTextCodec::imageRoundTrip_data()
{
    QTest::addColumn<int>("depth");
    QTest::newRow("32-bit colour with alpha") << 32;
    QTest::newRow("8-bit palette") << 8;
    QTest::newRow("1-bit") << 1;
}

void TestTextCodec::imageRoundTrip()
{
    QFETCH(int, depth);
    TestShop shop;
    const QByteArray encoded = Utility::encodeImage(sourceImage(), depth);
    // Stored twice under one code: the second replaces the first.
    for (int i = 0; i < 2; ++i) {
        TestShop::exec(QStringLiteral("REPLACE INTO Images (Code, Label, Image) VALUES ('1001', '%1', '")
                           .arg(Utility::escapeSQL(QStringLiteral("COKE"))) + QString::fromLatin1(encoded)
                       + QLatin1String("')"));
    }
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Images WHERE Code='1001'")), 1);
    QSqlQuery q;
    QVERIFY(q.exec(QStringLiteral("SELECT Label, Image FROM Images WHERE Code='1001'")));
    QVERIFY(q.next());
    const QByteArray stored = q.value(1).toString().toLatin1();
    // The statement's doubled backslash leaves one or two in the column,
    // depending on the server; the picture must come back either way.
    const QImage back = Utility::decodeImage(stored, int(stored.size()), q.value(0).toString(), 64, 68);
    QCOMPARE(back.size(), QSize(64, 48));
    QCOMPARE(back.convertToFormat(QImage::Format_ARGB32), sampleImage(depth));
}

void TestTextCodec::encodedTextHoldsNoUnsafeByte()
{
    TestShop shop;
    const QImage image = sourceImage();
    const QByteArray encoded = Utility::encodeImage(image, 32);
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG", 80);
    }
    // The sample's PNG holds every byte that needs an escape.
    for (char c : {'\0', '\n', '\r', '\\', '\'', '"', 'x'})
        QVERIFY2(png.contains(c), qPrintable(QStringLiteral("sample lacks byte %1").arg(int(c))));
    QVERIFY(encoded.size() <= png.size() * 3 + 1);
    for (int i = 0; i < encoded.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(encoded.at(i));
        // Other control bytes may stay: quotes and line ends are what
        // break a statement or a line of the backup file.
        QVERIFY2(c != 0 && c != '\n' && c != '\r' && c < 0x80 && c != '\'' && c != '"',
                 qPrintable(QString::number(i)));
        if (c == 'x') {
            QVERIFY(i + 2 < encoded.size());
            QVERIFY(QByteArray("0123456789abcdef").contains(encoded.at(i + 1)));
            QVERIFY(QByteArray("0123456789abcdef").contains(encoded.at(i + 2)));
            i += 2;
        } else if (c == '\\') {
            QCOMPARE(encoded.at(i + 1), '\\');
            QVERIFY(encoded.at(i + 2) >= '0' && encoded.at(i + 2) <= '6');
            i += 2;
        }
    }
    QCOMPARE(Utility::decodeImageBytes(encoded), png);
}

void TestTextCodec::decoderAcceptsOneOrTwoBackslashes_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray plain("A\0B\nC\rD\\E'F\"GxH", 15);
    QTest::newRow("two backslashes")
        << QByteArray("A\\\\0B\\\\1C\\\\2D\\\\3E\\\\4F\\\\5G\\\\6H") << plain;
    QTest::newRow("one backslash") << QByteArray("A\\0B\\1C\\2D\\3E\\4F\\5G\\6H") << plain;
    QTest::newRow("high bytes in hex") << QByteArray("x80xffxA0") << QByteArray("\x80\xff\xa0");
    QTest::newRow("backslash before other text stays") << QByteArray("a\\zb") << QByteArray("a\\zb");
}

void TestTextCodec::decoderAcceptsOneOrTwoBackslashes()
{
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Utility::decodeImageBytes(stored), bytes);
}

void TestTextCodec::labelPictureWhenNothingIsStored_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("picture");
    QTest::newRow("nothing stored, a label") << QByteArray() << "COCA COLA" << true;
    QTest::newRow("three bytes count as nothing") << QByteArray("abc") << "COCA COLA" << true;
    QTest::newRow("unreadable picture, a label") << QByteArray("not a picture at all") << "COCA COLA" << true;
    QTest::newRow("nothing stored, no label") << QByteArray() << "" << false;
    QTest::newRow("unreadable picture, no label") << QByteArray("not a picture at all") << "" << false;
}

void TestTextCodec::labelPictureWhenNothingIsStored()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, label);
    QFETCH(bool, picture);
    TestShop shop;
    const QImage image = Utility::decodeImage(stored, int(stored.size()), label, 96, 76);
    QCOMPARE(!image.isNull(), picture);
    if (!picture)
        return;
    QCOMPARE(image.size(), QSize(96, 76));
    // The background is masked out and only the label's letters remain.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(95, 75)), 0);
    int ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0)
                ++ink;
        }
    }
    QVERIFY2(ink > 50 && ink < 96 * 76 / 2, qPrintable(QString::number(ink)));
}

BREVALON_TEST_MAIN(TestTextCodec)
#include "tst_textcodec.moc"
