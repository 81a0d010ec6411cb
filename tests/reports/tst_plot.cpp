// The chart: the top of its scale, what it draws for lines and for bars,
// and its printed page.

#include "reports/plot.h"
#include "tests/support/testshop.h"

#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

namespace {

/** The longest vertical run of pixels of exactly @p colour in any column. */
int tallestRun(const QImage& image, const QColor& colour)
{
    const QRgb want = colour.rgb();
    int best = 0;
    for (int x = 0; x < image.width(); ++x) {
        int run = 0;
        for (int y = 0; y < image.height(); ++y) {
            run = image.pixel(x, y) == want ? run + 1 : 0;
            best = qMax(best, run);
        }
    }
    return best;
}

int pixelsOf(const QImage& image, const QColor& colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour.rgb();
    return n;
}

QImage drawn(const Plot& plot, const QSize& size = QSize(1024, 700))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    plot.draw(&painter, QRectF(QPointF(0, 0), size));
    return image;
}

} // namespace

class TestPlot : public QObject
{
    Q_OBJECT

private slots:
    void scale_data();
    void scale();
    void linesForEverySeries();
    void barsStandForTheFirstMonth();
    void printsOnePage();
};

void TestPlot::scale_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<double>("top");
    QTest::newRow("0, 3, 7: 10") << QList<double>{0, 3, 7} << 10.0;
    QTest::newRow("180: 200") << QList<double>{180, 20} << 200.0;
    QTest::newRow("all below 1: 1") << QList<double>{0.2, 0.9, -40} << 1.0;
    QTest::newRow("nothing: 1") << QList<double>{} << 1.0;
    QTest::newRow("zeros: 1") << QList<double>{0, 0, 0, 0, 0, 0} << 1.0;
    QTest::newRow("exactly 100: 100") << QList<double>{100} << 100.0;
    QTest::newRow("exactly 1000: 1000") << QList<double>{1000} << 1000.0;
    QTest::newRow("just above 100: 200") << QList<double>{100.01} << 200.0;
    QTest::newRow("exactly 5000: 5000") << QList<double>{5000} << 5000.0;
    QTest::newRow("3 million: 5 million") << QList<double>{3e6} << 5e6;
    QTest::newRow("6 thousand: 10 thousand") << QList<double>{6000} << 10000.0;
    QTest::newRow("not finite counts as 0") << QList<double>{qInf(), qQNaN(), 3} << 5.0;
}

void TestPlot::scale()
{
    QFETCH(QList<double>, values);
    QFETCH(double, top);
    TestShop shop;
    Plot plot;
    plot.setValues(QVector<double>(values.begin(), values.end()));
    QCOMPARE(plot.top(), top);
}

void TestPlot::linesForEverySeries()
{
    TestShop shop;
    Plot plot;
    plot.setTitle(QStringLiteral("<b>Brevalon<br>Six series</b>"));
    plot.setStartDate(QDate(2026, 7, 1));
    QStringList legends;
    QVector<double> values;
    for (int s = 0; s < 7; ++s) {
        legends << QStringLiteral("SERIES %1").arg(s);
        for (int m = 0; m < Plot::kMonths; ++m)
            values << 10 * (s + 1) + 5 * m;
    }
    plot.setLegends(legends);
    plot.setValues(values);
    const QImage image = drawn(plot);
    // Six colours, the seventh series in the first one again; a line of
    // three pixels across the chart leaves far more of its colour than the
    // legend's letters do.
    for (const char* colour : {"black", "red", "green", "blue", "magenta", "cyan"})
        QVERIFY2(pixelsOf(image, QColor(QLatin1String(colour))) > 800, colour);
    QCOMPARE(Plot::seriesColour(6), QColor(Qt::black));
}

void TestPlot::barsStandForTheFirstMonth()
{
    TestShop shop;
    Plot plot;
    plot.setType(QStringLiteral("bar"));
    plot.setLegends({QStringLiteral("NONE"), QStringLiteral("FULL"), QStringLiteral("HALF")});
    // Only the first month counts: the others would raise the scale.
    plot.setValues({0, 0, 0, 0, 0, 0, 100, 900, 900, 900, 900, 900, 50, 0, 0, 0, 0, 0});
    QCOMPARE(plot.top(), 1000.0);
    const QImage image = drawn(plot);
    const int full = tallestRun(image, Qt::red);
    const int half = tallestRun(image, QColor(QLatin1String("green")));
    QVERIFY2(full > 40, qPrintable(QString::number(full)));
    QVERIFY2(qAbs(full - 2 * half) <= 2, qPrintable(QStringLiteral("%1 against %2").arg(full).arg(half)));
}

void TestPlot::printsOnePage()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    TestShop shop;
    const QString pdf = shop.home() + QLatin1String("/chart.pdf");
    Plot plot;
    plot.setTitle(QStringLiteral("<b>Brevalon<br>Takings</b>"));
    plot.setStartDate(QDate(2026, 11, 1));
    plot.setLegends({QStringLiteral("COFFEE")});
    plot.setValues({1, 2, 3, 4, 5, 6});
    shop.prompts().expectExec(QStringLiteral("PrintSetup"), [&](QDialog* d) {
        static_cast<QPrintDialog*>(d)->printer()->setOutputFileName(pdf);
        return int(QDialog::Accepted);
    });
    plot.PrintButton->click();
    QVERIFY(shop.prompts().done());
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    p.waitForFinished();
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    QCOMPARE(int(text.count(QLatin1Char('\f'))), 1);
    for (const char* word : {"Takings", "COFFEE", "Nov", "Dec", "2027", "10"})
        QVERIFY2(text.contains(QLatin1String(word)), word);
}

BREVALON_TEST_MAIN(TestPlot)
#include "tst_plot.moc"
