#include "reports/reporter.h"

#include "core/globals.h"
#include "core/zklistitem.h"
#include "core/zksettings.h"
#include "documents/zkrichtext.h"

#include <QDebug>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeWidget>
#include <QXmlStreamReader>

namespace {

/** More columns than any report has: a document asking for more is broken. */
constexpr int kMaxColumns = 64;

/** Bare ampersands made "&amp;", so that a careless writer's "A & B" does
 *  not lose the whole report; entities stay what they are. */
QString correctAmpersands(const QString& xml)
{
    static const QRegularExpression bare(
        QStringLiteral("&(?!(amp|lt|gt|quot|apos|#[0-9]+|#x[0-9A-Fa-f]+);)"));
    QString text = xml;
    return text.replace(bare, QStringLiteral("&amp;"));
}

Qt::Alignment alignmentOf(const QString& align)
{
    if (align == QLatin1String("right"))
        return Qt::AlignRight | Qt::AlignVCenter;
    if (align == QLatin1String("center"))
        return Qt::AlignCenter;
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace

Reporter::Reporter(QWidget* parent)
    : ReporterGui(parent)
    , m_preview(new ZkRichText(this))
{
    setObjectName(QStringLiteral("Reporter"));
    ZkListItem::prepareView(ReportListView);
    ChartButton->setEnabled(false);
    ExportButton->setEnabled(false);
    connect(m_preview, &ZkRichText::prevPage, this, [this] { tableViewAction(PreviousPage); });
    connect(m_preview, &ZkRichText::nextPage, this, [this] { tableViewAction(NextPage); });
    connect(m_preview, &ZkRichText::printAllPages, this, [this] { tableViewAction(PrintAllPages); });
}

void Reporter::clearReport()
{
    ReportListView->setSortingEnabled(false);
    ReportListView->clear();
    ReportListView->setColumnCount(0);
    ReportListView->setHeaderLabels({});
    TitleLabel->clear();
    m_title.clear();
    m_columns = 0;
    m_page = 0;
    m_lastPage = 0;
}

bool Reporter::parseXml(const QString& xml)
{
    m_preview->readSettings();
    if (settings->readEntry(QStringLiteral("/Pell/Debug")) == QLatin1String("ON")) {
        QFile copy(QStringLiteral("/tmp/zendrik.xml"));
        if (!copy.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            qDebug("document parsing failed...");
            return false;
        }
        copy.write(xml.toUtf8());
    }

    clearReport();

    // Read as a stream: a report of tens of thousands of rows would spend
    // seconds building a document tree. Nothing is listed unless the whole
    // text parses.
    QXmlStreamReader reader(correctAmpersands(xml));
    QXmlStreamAttributes head;
    bool headSeen = false;
    QList<QXmlStreamAttributes> items;
    if (reader.readNextStartElement() && reader.name() == QLatin1String("zendrik")) {
        while (!reader.atEnd()) {
            if (reader.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (reader.name() == QLatin1String("item"))
                items << reader.attributes();
            else if (!headSeen && reader.name() == QLatin1String("head")) {
                head = reader.attributes();
                headSeen = true;
            }
        }
    } else {
        reader.raiseError();
    }
    if (reader.hasError()) {
        qDebug("Not a valid zendrik document");
        return false;
    }
    auto attribute = [](const QXmlStreamAttributes& a, const QString& name) { return a.value(name).toString(); };
    ReportListView->setSortingEnabled(false);
    const bool sorting = attribute(head, QStringLiteral("sorting")) != QLatin1String("false");
    ChartButton->setEnabled(attribute(head, QStringLiteral("chart")) == QLatin1String("enabled"));
    ExportButton->setEnabled(attribute(head, QStringLiteral("export")) == QLatin1String("enabled"));
    bool columnsOk = false;
    const int columns = attribute(head, QStringLiteral("columns")).trimmed().toInt(&columnsOk);
    if (attribute(head, QStringLiteral("type")).toLower() != QLatin1String("report") || !columnsOk
        || columns < 1 || columns > kMaxColumns) {
        qDebug("Not a valid report specification");
        return false;
    }

    m_title = attribute(head, QStringLiteral("title"));
    TitleLabel->setText(m_title);
    m_columns = columns;
    QStringList headings;
    QList<Qt::Alignment> aligns;
    for (int c = 0; c < columns; ++c) {
        headings << attribute(head, QStringLiteral("col%1").arg(c));
        aligns << alignmentOf(attribute(head, QStringLiteral("col%1align").arg(c)));
    }
    ReportListView->setColumnCount(columns);
    ReportListView->setHeaderLabels(headings);
    for (int c = 0; c < columns; ++c)
        ReportListView->headerItem()->setTextAlignment(c, aligns.at(c));

    // The rows are made apart from the list and handed over at once: one
    // insertion instead of one (and a search for the row before) a row.
    int shortRows = 0;
    QList<QTreeWidgetItem*> rows;
    QStringList names;
    for (int c = 0; c < columns; ++c)
        names << QStringLiteral("col%1").arg(c);
    rows.reserve(items.size());
    for (const QXmlStreamAttributes& item : std::as_const(items)) {
        auto* row = new ZkListItem(nullptr, attribute(item, QStringLiteral("visual")).toInt());
        bool complete = true;
        for (int c = 0; c < columns; ++c) {
            const QString& name = names.at(c);
            complete = complete && item.hasAttribute(name);
            row->setText(c, attribute(item, name).replace(QLatin1String("\\n"), QLatin1String("\n")));
            row->setTextAlignment(c, aligns.at(c));
        }
        if (!complete)
            ++shortRows;
        rows << row;
    }
    ReportListView->addTopLevelItems(rows);
    if (shortRows > 0)
        qDebug("Report \"%s\": %d rows with fewer cells than its %d columns", qPrintable(m_title), shortRows,
               columns);

    if (sorting) {
        ReportListView->setSortingEnabled(true);
        ReportListView->sortByColumn(0, Qt::AscendingOrder);
    }
    for (int c = 0; c < columns; ++c)
        ReportListView->resizeColumnToContents(c);
    show();
    raise();
    activateWindow();
    return true;
}

ZkListItem* Reporter::row(int index) const
{
    return static_cast<ZkListItem*>(ReportListView->topLevelItem(index));
}

QList<QStringList> Reporter::rows() const
{
    QList<QStringList> all;
    for (int i = 0; i < ReportListView->topLevelItemCount(); ++i) {
        QStringList cells;
        for (int c = 0; c < m_columns; ++c)
            cells << row(i)->text(c);
        all << cells;
    }
    return all;
}

void Reporter::closePage()
{
    done(0);
}
