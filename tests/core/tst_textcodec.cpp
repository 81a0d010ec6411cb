// Text made safe for XML, and button images stored as text in the Images
// table: no byte that breaks a statement, the picture back on every backend,
// a label drawn when nothing usable is stored.

#include "core/globals.h"
#include "core/utility.h"
#include "tests/support/testshop.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainter>
#include <QSqlQuery>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

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

} // namespace

class TestTextCodec : public QObject
{
    Q_OBJECT

private slots:
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
};

BREVALON_TEST_MAIN(TestTextCodec)
#include "tst_textcodec.moc"
