#include "documents/zkrichtext.h"

#include "core/globals.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "documents/docimages.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

ZkRichText::ZkRichText(QWidget* parent)
    : ZkRichTextGui(parent)
{
    setObjectName(QStringLiteral("ZkRichText"));
    TextView->setReadOnly(true);
}

ZkRichText::~ZkRichText()
{
    endPrint();
}

void ZkRichText::setText(const QString& text)
{
    m_text = text;
    TextView->setHtml(text);
}

void ZkRichText::readSettings()
{
    QFont font(settings->readEntry(QStringLiteral("/Misc/RichTextFont")));
    const int size = settings->readNumEntry(QStringLiteral("/Misc/RichTextFontSize"));
    const int zoom = settings->readNumEntry(QStringLiteral("/Misc/RichTextZoom"));
    if (size > 0)
        font.setPointSize(size);
    TextView->setFont(font);
    if (zoom > 0 && size / zoom > 0) {
        QFont zoomed = font;
        zoomed.setPointSize(size / zoom);
        TextView->document()->setDefaultFont(zoomed);
    }
    resize(settings->readNumEntry(QStringLiteral("/Misc/RichTextWidth")),
           settings->readNumEntry(QStringLiteral("/Misc/RichTextHeight")));
}

void ZkRichText::fitDocument()
{
    QTextDocument* doc = TextView->document();
    doc->adjustSize();
    const QSize contents = doc->size().toSize();
    resize(contents.width() + 60, contents.height() + 60 + PrintButton->sizeHint().height());
}

void ZkRichText::setNavState(bool prevOn, bool nextOn)
{
    PrevButton->setEnabled(prevOn);
    NextButton->setEnabled(nextOn);
}

void ZkRichText::prev()
{
    emit prevPage(this);
}

void ZkRichText::next()
{
    emit nextPage(this);
}

void ZkRichText::printAll()
{
    emit printAllPages(this);
}

bool ZkRichText::setNumPagesToPrint(int pages)
{
    endPrint();
    m_printer = new QPrinter(QPrinter::HighResolution);
    m_printer->setFromTo(1, pages);
    QPrintDialog setup(m_printer, this);
    setup.setObjectName(QStringLiteral("PrintSetup"));
    setup.setMinMax(1, pages);
    setup.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (ZkPrompt::exec(&setup) != QDialog::Accepted) {
        endPrint();
        return false;
    }
    m_lastPage = m_printer->toPage() > 0 ? m_printer->toPage() : pages;
    m_painter = new QPainter;
    if (!m_painter->begin(m_printer)) {
        endPrint();
        return false;
    }
    return true;
}

void ZkRichText::draw(const QString& text)
{
    DocTextDocument doc;
    doc.documentLayout()->setPaintDevice(m_printer);
    doc.setDefaultFont(TextView->document()->defaultFont());
    doc.setHtml(text);
    doc.setTextWidth(m_printer->width());
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, 0, m_printer->width(), m_printer->height());
    const QColor colour(settings->readEntry(QStringLiteral("/Global/TextColor")));
    context.palette.setColor(QPalette::Text, colour.isValid() ? colour : QColor(Qt::black));
    doc.documentLayout()->draw(m_painter, context);
}

void ZkRichText::printPage(int page, const QString& text)
{
    if (!m_printer || !m_painter)
        return;
    const int from = m_printer->fromPage() > 0 ? m_printer->fromPage() : 1;
    if (page < from || page > m_lastPage)
        return;
    draw(text);
    if (page >= m_lastPage)
        endPrint();
    else
        m_printer->newPage();
}

void ZkRichText::print()
{
    if (!setNumPagesToPrint(1))
        return;
    printPage(1, m_text);
}

void ZkRichText::endPrint()
{
    if (m_painter) {
        if (m_painter->isActive())
            m_painter->end();
        delete m_painter;
        m_painter = nullptr;
    }
    delete m_printer;
    m_printer = nullptr;
}
