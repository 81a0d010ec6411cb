#pragma once

#include "forms/zkrichtextgui.h"

#include <QString>

class QPainter;
class QPrinter;

/**
 * The paged rich-text window of the report viewer: one page of text at a
 * time, with Prev and Next, Print (the page shown) and Print All. The owner
 * supplies the pages: it answers the signals with setText, setNavState and
 * the print calls.
 */
class ZkRichText : public ZkRichTextGui
{
    Q_OBJECT

public:
    explicit ZkRichText(QWidget* parent = nullptr);
    ~ZkRichText() override;

    void setText(const QString& text);
    QString text() const { return m_text; }
    /** Font, size, zoom and window size from the "/Misc/RichText..." settings. */
    void readSettings();
    /** Resizes the window to the contents plus 60 pixels each way. */
    void fitDocument();
    /** Enables Prev and Next. */
    void setNavState(bool prevOn, bool nextOn);
    /** Starts a print of @p pages pages: asks for the printer and range;
     *  false when the operator cancelled. */
    bool setNumPagesToPrint(int pages);
    /** Prints page @p page (from 1) of a print started by setNumPagesToPrint;
     *  pages outside the chosen range are skipped. */
    void printPage(int page, const QString& text);
    /** True while a multi-page print is running. */
    bool isPrinting() const { return m_printer != nullptr; }

public slots:
    void print() override;
    void printAll() override;
    void prev() override;
    void next() override;

signals:
    void prevPage(ZkRichText* window);
    void nextPage(ZkRichText* window);
    void printAllPages(ZkRichText* window);

private:
    void draw(const QString& text);
    void endPrint();

    QString m_text;
    QPrinter* m_printer = nullptr;
    QPainter* m_painter = nullptr;
    int m_lastPage = 0;
};
