// The window's size and place, the splitter and the widths of the sale list
// are remembered per operator under /Personal/.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>

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
    fitScreen();
    const int split = settings->readNumEntry(key("/Personal/split/", user));
    if (split > 0) {
        const int total = qMax(splitter->width(), split + 1);
        splitter->setSizes({split, total - split});
    }
    for (int c = 0; c < 4; ++c)
        VendListView->setColumnWidth(c, settings->readNumEntry(key(kWidthKeys[c], user)));
    // The amounts must show: on a narrow list the description gives way.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const int over = VendListView->header()->sectionPosition(3) + VendListView->columnWidth(3)
        - VendListView->viewport()->width();
    if (over > 0 && VendListView->isVisible())
        VendListView->setColumnWidth(1, qMax(VendListView->columnWidth(1) - over, 60));
    const QFont font = listFont();
    for (QTreeWidget* view : {VendListView, PayListView, InvoiceListView, ReceiptListView, QuoteListView,
                              RefundListView, ClientListView})
        view->setFont(font);
    m_applyingSizes = false;
}

void Sales::fitScreen()
{
    const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!where)
        return;
    // The window manager's frame, once the window has one, must fit too;
    // move() places the frame, resize() sizes what is inside it.
    const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize();
    const QRect room = where->availableGeometry();
    narrowSaleButtons(room.width());
    // The window's own least size follows its pages' only once they are told.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QSize inner = size().boundedTo(room.size() - frame);
    const QSize outer = inner + frame;
    move(qBound(room.left(), x(), room.x() + room.width() - outer.width()),
         qBound(room.top(), y(), room.y() + room.height() - outer.height()));
    resize(inner);
}

void Sales::narrowSaleButtons(int roomWidth)
{
    QList<QPushButton*> buttons;
    for (int i = 0; i < salesButtonLayout->count(); ++i) {
        if (auto* b = qobject_cast<QPushButton*>(salesButtonLayout->itemAt(i)->widget()))
            buttons << b;
    }
    // Buttons hidden now (an open bill's Edit) may show later: count them.
    const auto needed = [&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        int hidden = 0;
        for (const QPushButton* b : buttons) {
            if (b->isHidden())
                hidden += b->sizeHint().width() + salesButtonLayout->spacing();
        }
        return minimumSizeHint().width() + hidden;
    };
    // A smaller type keeps the buttons on one row at their full touch height.
    for (int points = buttons.value(0)->font().pointSize() - 1; points >= 8 && needed() > roomWidth; --points) {
        for (QPushButton* b : buttons) {
            QFont f = b->font();
            f.setPointSize(points);
            b->setFont(f);
        }
    }
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
