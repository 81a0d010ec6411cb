#include "sales/splitentry.h"

#include "core/globals.h"
#include "core/zksettings.h"

#include <QBrush>
#include <QColor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSqlQuery>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { ColQuantity, ColDescription, ColAmount, ColMoving };
constexpr int LineRole = Qt::UserRole;
constexpr int QuantityRole = Qt::UserRole + 1;
constexpr int AmountRole = Qt::UserRole + 2;
constexpr int MovingRole = Qt::UserRole + 3;

QPushButton* touchButton(const QString& text, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setMinimumSize(110, 58);
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

SplitEntry::SplitEntry(int invoice, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SplitEntry"));
    setWindowTitle(tr("Brevalon - Split Bill"));
    setModal(true);
    resize(760, 520);

    auto* title
        = new QLabel(tr("Bill # %1: touch a line to move one more of it to the new bill").arg(invoice), this);
    QFont big = title->font();
    big.setPointSize(13);
    big.setBold(true);
    title->setFont(big);
    title->setWordWrap(true);

    m_lines = new QTreeWidget(this);
    m_lines->setObjectName(QStringLiteral("SplitLinesView"));
    m_lines->setRootIsDecorated(false);
    m_lines->setUniformRowHeights(true);
    m_lines->setAllColumnsShowFocus(true);
    m_lines->setHeaderLabels({ tr("Qty"), tr("Description"), tr("Amount"), tr("To New Bill") });
    QFont list(settings->readEntry(QStringLiteral("/Global/ListFont")),
        qMax(12, settings->readNumEntry(QStringLiteral("/Global/ListFontSize"))));
    m_lines->setFont(list);
    m_lines->header()->setSectionResizeMode(ColDescription, QHeaderView::Stretch);
    m_lines->header()->setStretchLastSection(false);
    connect(m_lines, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { touched(item); });

    m_total = new QLabel(this);
    m_total->setFont(big);
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    QSqlQuery q;
    if (!q.exec(QStringLiteral(
            "SELECT MyNumber, Quantity, Description, Price FROM InvoiceItem WHERE InvoiceNumber=%1 "
            "AND Quantity<>0 ORDER BY MyNumber")
                    .arg(invoice)))
        Utility::showDBError(q);
    while (q.next()) {
        const double quantity = q.value(1).toDouble();
        auto* item = new QTreeWidgetItem(m_lines,
            { Utility::numStr(quantity, 3), q.value(2).toString(), Utility::numStr(q.value(3).toDouble(), 2),
                QString() });
        item->setData(0, LineRole, q.value(0).toInt());
        item->setData(0, QuantityRole, quantity);
        item->setData(0, AmountRole, q.value(3).toDouble());
        for (const int c : { ColQuantity, ColAmount, ColMoving })
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        item->setSizeHint(ColDescription, QSize(0, 44)); // a finger's height
        showMoving(item, 0);
    }
    for (const int c : { ColQuantity, ColAmount, ColMoving })
        m_lines->resizeColumnToContents(c);
    if (m_lines->topLevelItemCount() > 0)
        m_lines->setCurrentItem(m_lines->topLevelItem(0));

    QPushButton* less = touchButton(tr("One Less\n-"), this);
    QPushButton* all = touchButton(tr("All of\nLine A"), this);
    QPushButton* none = touchButton(tr("Clear"), this);
    QPushButton* cancel = touchButton(tr("Cancel\nF5"), this);
    m_split = touchButton(tr("Split\nF8"), this);
    connect(less, &QPushButton::clicked, this, [this] { step(-1); });
    connect(all, &QPushButton::clicked, this, [this] { step(1e9); });
    connect(none, &QPushButton::clicked, this, [this] {
        for (int i = 0; i < m_lines->topLevelItemCount(); ++i)
            showMoving(m_lines->topLevelItem(i), 0);
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_split, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : { less, all, none })
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(m_split);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(m_lines, 1);
    layout->addWidget(m_total);
    layout->addLayout(buttons);
    showMoving(nullptr, 0);
    m_lines->setFocus();
}

int SplitEntry::lineCount() const
{
    return m_lines->topLevelItemCount();
}

void SplitEntry::setMoving(int row, double quantity)
{
    if (QTreeWidgetItem* item = m_lines->topLevelItem(row))
        showMoving(item, quantity);
}

QList<Utility::SplitMove> SplitEntry::moves() const
{
    QList<Utility::SplitMove> chosen;
    for (int i = 0; i < m_lines->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = m_lines->topLevelItem(i);
        const double moving = item->data(0, MovingRole).toDouble();
        if (moving != 0)
            chosen.append({ item->data(0, LineRole).toInt(), moving });
    }
    return chosen;
}

void SplitEntry::touched(QTreeWidgetItem* item)
{
    m_lines->setCurrentItem(item);
    const double all = qAbs(item->data(0, QuantityRole).toDouble());
    const double moving = item->data(0, MovingRole).toDouble();
    // After all of it, a touch puts the line back.
    showMoving(item, moving >= all ? 0 : moving + 1);
}

void SplitEntry::step(double by)
{
    if (QTreeWidgetItem* item = m_lines->currentItem())
        showMoving(item, item->data(0, MovingRole).toDouble() + by);
}

void SplitEntry::showMoving(QTreeWidgetItem* item, double quantity)
{
    if (item) {
        const double all = qAbs(item->data(0, QuantityRole).toDouble());
        // Part of a unit left (half a portion) moves as it is.
        quantity = qBound(0.0, quantity, all);
        item->setData(0, MovingRole, quantity);
        item->setText(ColMoving, quantity == 0 ? QString() : Utility::numStr(quantity, 3));
        for (int c = 0; c < m_lines->columnCount(); ++c)
            item->setBackground(c, quantity == 0 ? QBrush() : QBrush(QColor(255, 236, 170)));
    }
    double moved = 0, kept = 0;
    for (int i = 0; i < m_lines->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = m_lines->topLevelItem(i);
        const double all = qAbs(row->data(0, QuantityRole).toDouble());
        const double amount = row->data(0, AmountRole).toDouble();
        const double part
            = all == 0 ? 0 : Utility::roundCents(amount * row->data(0, MovingRole).toDouble() / all);
        moved += part;
        kept += amount - part;
    }
    m_total->setText(tr("This bill %1    New bill %2")
                         .arg(Utility::numStr(Utility::roundCents(kept), 2),
                             Utility::numStr(Utility::roundCents(moved), 2)));
}

void SplitEntry::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Space:
        step(1);
        return;
    case Qt::Key_Minus:
        step(-1);
        return;
    case Qt::Key_A:
        step(1e9);
        return;
    case Qt::Key_F8:
        accept();
        return;
    case Qt::Key_F5:
        reject();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
