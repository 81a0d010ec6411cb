// The window's size and place, the splitter and the widths of the sale list
// are remembered per operator under /Personal/.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"

#include <QHeaderView>

namespace {

// The sale list's visible columns and the keys of their widths.
const char* const kWidthKeys[] = {"/Personal/QtyWidth/", "/Personal/DescriptionWidth/", "/Personal/DiscWidth/",
                                  "/Personal/AmountWidth/"};

QString key(const char* entry, const QString& user)
{
    return ZkSettings::userKey(QLatin1String(entry), user);
}

QFont listFont()
{
    QFont f(settings->readEntry(QStringLiteral("/Global/ListFont")));
    f.setPointSize(settings->readNumEntry(QStringLiteral("/Global/ListFontSize")));
    f.setWeight(Utility::fontWeight(settings->readNumEntry(QStringLiteral("/Global/ListFontWeight"))));
    return f;
}

} // namespace

void Sales::applySizes()
{
    const QString user = utils->userName();
    // Setting the widths reports each change; none of them is the operator's.
    m_applyingSizes = true;
    move(settings->readNumEntry(key("/Personal/left/", user)), settings->readNumEntry(key("/Personal/top/", user)));
    resize(settings->readNumEntry(key("/Personal/width/", user)),
           settings->readNumEntry(key("/Personal/height/", user)));
    const int split = settings->readNumEntry(key("/Personal/split/", user));
    if (split > 0) {
        const int total = qMax(splitter->width(), split + 1);
        splitter->setSizes({split, total - split});
    }
    for (int c = 0; c < 4; ++c)
        VendListView->setColumnWidth(c, settings->readNumEntry(key(kWidthKeys[c], user)));
    const QFont font = listFont();
    for (QTreeWidget* view : {VendListView, PayListView, InvoiceListView, ReceiptListView, QuoteListView,
                              RefundListView, ClientListView})
        view->setFont(font);
    m_applyingSizes = false;
}

void Sales::doSizeChanges(int, int, int)
{
    if (!m_applyingSizes)
        saveSizes(utils->userName());
}

void Sales::saveSizes(const QString& user)
{
    settings->writeEntry(key("/Personal/left/", user), x());
    settings->writeEntry(key("/Personal/top/", user), y());
    settings->writeEntry(key("/Personal/width/", user), width());
    settings->writeEntry(key("/Personal/height/", user), height());
    // Before the window was first laid out the splitter has no sizes to keep.
    const int split = splitter->sizes().value(0);
    if (split > 0)
        settings->writeEntry(key("/Personal/split/", user), split);
    for (int c = 0; c < 4; ++c)
        settings->writeEntry(key(kWidthKeys[c], user), VendListView->columnWidth(c));
}
