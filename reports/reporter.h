#pragma once

#include "forms/reportergui.h"

#include <QString>
#include <QStringList>

class ZkListItem;
class ZkRichText;

/**
 * The report viewer. A report builder hands it a report document (see
 * ReportWriter); the viewer lists the rows, sortable or in the order
 * written, prints them page by page through the paged preview, exports
 * them as CSV and charts the rows chosen over six months.
 */
class Reporter : public ReporterGui
{
    Q_OBJECT

public:
    /** Actions of the preview window. */
    enum PreviewAction { PreviousPage = 10, NextPage = 11, PrintAllPages = 12 };

    explicit Reporter(QWidget* parent = nullptr);

    /** Loads a report into the list and shows the viewer. A document that
     *  is not a report leaves the list empty; false then. */
    bool parseXml(const QString& xml);

    /** The report's title. */
    QString title() const { return m_title; }
    int columnCount() const { return m_columns; }
    /** The rows in the list's order: each row's cells. */
    QList<QStringList> rows() const;

    /** The HTML of the preview page shown. */
    QString tableViewLoad() const;
    /** What the preview window asked for: PreviousPage, NextPage or
     *  PrintAllPages. */
    void tableViewAction(int action);
    /** The page shown, from 0, and the last page. */
    int currentPage() const { return m_page; }
    int lastPage() const { return m_lastPage; }
    ZkRichText* preview() const { return m_preview; }

    /** The rows of the list as CSV: every cell quoted, a quote inside a
     *  cell doubled, a line feed after each row. */
    QString csvText() const;

public slots:
    void printPage() override;
    void chartPage() override;
    void exportPage() override;
    void closePage() override;

private:
    /** Rows printed on one page: "/Misc/RichTextLines". */
    static int linesPerPage();
    void clearReport();
    /** Shows the page in the preview window with Prev and Next set. */
    void showPage();
    ZkListItem* row(int index) const;

    ZkRichText* m_preview;
    QString m_title;
    int m_columns = 0;
    int m_page = 0;
    int m_lastPage = 0;
};
