#include "documents/pageprint.h"

#include "documents/docimages.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

namespace PagePrint {

int print(QPrinter* printer, const QString& html, const QFont& font, double marginInches, const QColor& textColor)
{
    printer->setFullPage(true);
    QPainter painter;
    if (!painter.begin(printer))
        return 0;

    const int m = int(marginInches * printer->logicalDpiY());
    const QRect body(m, m, printer->width() - 2 * m, printer->height() - 2 * m);

    DocTextDocument doc;
    doc.documentLayout()->setPaintDevice(printer);
    doc.setDefaultFont(font);
    doc.setDocumentMargin(0);
    doc.setHtml(html);
    // With a page size the layout moves a line that would cross the bottom
    // of the body to the next page, so no line is ever printed cut in two.
    doc.setPageSize(QSizeF(body.width(), body.height()));
    const int pages = qMax(1, doc.pageCount());

    QFont footerFont(font, printer);
    const int baseline = body.bottom() + QFontMetrics(footerFont, printer).ascent() + 5;

    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            printer->newPage();
        painter.save();
        painter.translate(body.left(), body.top() - page * body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, page * body.height(), body.width(), body.height());
        context.palette.setColor(QPalette::Text, textColor);
        painter.setClipRect(context.clip);
        doc.documentLayout()->draw(&painter, context);
        painter.restore();

        if (pages > 1) {
            painter.setFont(footerFont);
            painter.setPen(textColor);
            painter.drawText(body.left(), baseline,
                             QCoreApplication::translate("DocPrint", "Page %1").arg(page + 1));
            if (page + 1 < pages) {
                const QString more = QCoreApplication::translate("DocPrint", "Continued on page %1").arg(page + 2);
                const int width = QFontMetrics(footerFont, printer).horizontalAdvance(more);
                painter.drawText(body.right() - width, baseline, more);
            }
        }
    }
    painter.end();
    return pages;
}

} // namespace PagePrint
