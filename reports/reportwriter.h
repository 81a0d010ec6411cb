#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

/**
 * Writes a report for the report viewer: the head of type "report" with the
 * title, the columns, their headings and alignment and the viewer's
 * switches, then one item per row with its cells and row style. Every text
 * is escaped here; a line break in a cell survives as one. Every report
 * builder writes through this, so none repeats the document's layout.
 *
 * @code
 * ReportWriter report(tr("Pending Order Report"));
 * report.column(tr("Invoice No."), ReportWriter::Right).column(tr("Table"));
 * report.row({QString::number(number), table}, visual);
 * reporter->parseXml(report.finish());
 * @endcode
 *
 * A report meant for the chart has its month columns 1 to 6, headed with
 * monthHeading(), and its row names in column 0.
 */
class ReportWriter
{
public:
    enum Align { Auto, Right, Center };

    /** Row styles (the low four bits of a row's visual value; add Large
     *  for a row printed in large type). */
    enum Visual { Normal = 0, Grey = 1, Red = 2, Green = 3, Large = 16 };

    explicit ReportWriter(const QString& title);

    ReportWriter& column(const QString& heading, Align align = Auto);
    /** Sorted on column 0 in the viewer (the default), or kept in the order
     *  written. */
    ReportWriter& setSorting(bool on);
    /** The Chart button (off by default). */
    ReportWriter& setChart(bool on);
    /** The Export button (on by default). */
    ReportWriter& setExport(bool on);

    /** A row; missing cells are written empty, extra ones are dropped. */
    ReportWriter& row(const QStringList& cells, int visual = Normal);

    int columnCount() const { return int(m_headings.size()); }
    int rowCount() const { return int(m_rows.size()); }

    /** The document. */
    QString finish() const;

    /** The heading of a month column, as the chart reads it ("2026-07"). */
    static QString monthHeading(const QDate& month);
    /** Money in a cell: two decimals. */
    static QString money(double amount);
    /** A quantity in a cell: a whole number when it is one, else three
     *  decimals. */
    static QString quantity(double quantity);

private:
    struct Row
    {
        QStringList cells;
        int visual;
    };

    QString m_title;
    QStringList m_headings;
    QList<Align> m_aligns;
    QList<Row> m_rows;
    bool m_sorting = true;
    bool m_chart = false;
    bool m_export = true;
};
