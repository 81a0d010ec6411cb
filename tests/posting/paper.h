#pragma once

#include <QString>
#include <QStringList>

class DocPrint;

/**
 * A document as it comes out of the window: the page, printed to a PDF and
 * read back by pdftotext, and the 80- and 40-column slips (kept for the
 * ESC/POS check). With BREVALON_KEEP_OUTPUT set, each is also kept in that
 * folder for a person to look at.
 */
struct Paper
{
    QString type, page, slip, slip40;

    /** Whether pdftotext is there to read a page back. */
    static bool canReadPages();
    /** Prints the window's document on the slips and, with @p page, on a
     *  page; the window is left showing its page. */
    static Paper of(DocPrint* window, bool page = true);
    /** What is wrong with it: a text of @p shown not on the page (when
     *  printed) or a slip, a slip line past the paper's edge, a negative
     *  nothing on the page. */
    QStringList faults(const QStringList& shown) const;
};
