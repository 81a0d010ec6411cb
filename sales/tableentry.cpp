#include "sales/tableentry.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkdb.h"
#include "core/zksettings.h"

#include <QFont>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QRegularExpression>
#include <QSqlQuery>

namespace {

// A table as a touch tile: green while free, amber while it has an order.
QIcon tableIcon(bool busy)
{
    QPixmap tile(72, 56);
    tile.fill(Qt::transparent);
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor top = busy ? QColor(240, 170, 40) : QColor(80, 170, 90);
    p.setBrush(top);
    p.setPen(QPen(top.darker(150), 2));
    p.drawRoundedRect(QRectF(6, 10, 60, 22), 6, 6);
    p.drawRect(QRectF(14, 32, 6, 20));
    p.drawRect(QRectF(52, 32, 6, 20));
    return QIcon(tile);
}

// Compares names with their numbers taken as numbers.
bool naturalLess(const QString& a, const QString& b)
{
    static const QRegularExpression number(QStringLiteral("(\\d+)"));
    int i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a.at(i).isDigit() && b.at(j).isDigit()) {
            const QString na = number.match(a, i).captured(1);
            const QString nb = number.match(b, j).captured(1);
            if (na.toULongLong() != nb.toULongLong())
                return na.toULongLong() < nb.toULongLong();
            i += na.size();
            j += nb.size();
            continue;
        }
        if (a.at(i) != b.at(j))
            return a.at(i) < b.at(j);
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

} // namespace

TableEntry::TableEntry(QWidget* parent, const char* name, bool modal, Qt::WindowFlags flags)
    : TableEntryGui(parent, flags)
{
    Q_UNUSED(name)
    setObjectName(QStringLiteral("TableEntry"));
    setModal(modal);
    resize(settings->readNumEntry(QStringLiteral("/Global/TableSelectWidth")),
           settings->readNumEntry(QStringLiteral("/Global/TableSelectHeight")));
    QFont font(settings->readEntry(QStringLiteral("/Global/ListFont")),
               settings->readNumEntry(QStringLiteral("/Global/ListFontSize")));
    font.setWeight(Utility::fontWeight(settings->readNumEntry(QStringLiteral("/Global/ListFontWeight"))));
    iconView1->setFont(font);
    iconView1->setIconSize(QSize(72, 56));
    iconView1->setGridSize(QSize(120, 110));
    init();
}

bool TableEntry::isTableName(const QString& name)
{
    return name.contains(tr("TABLE")) || name.contains(tr("ROOM"));
}

void TableEntry::showTables(const QString& title, const QStringList& names, const QStringList& notes,
    bool busy, const QList<int>& bills)
{
    m_title = title;
    titleLabel->setText(title);
    iconView1->clear();
    // "TABLE 2" before "TABLE 10", as the tables stand in the room.
    QVector<int> order(names.size());
    for (int i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return naturalLess(names.at(a), names.at(b)); });
    const QIcon icon = tableIcon(busy);
    for (const int i : order) {
        const QString note = notes.value(i);
        const int bill = bills.value(i);
        // A bill of a split stands apart: "TABLE 4 · 1/2".
        const QString label = bill > 0 && !m_splits.value(bill).isEmpty()
            ? names.at(i) + QStringLiteral(" \u00b7 ") + m_splits.value(bill)
            : names.at(i);
        auto* item = new QListWidgetItem(icon, note.isEmpty() ? label : label + QLatin1Char('\n') + note);
        item->setData(Qt::UserRole, names.at(i));
        item->setData(Qt::UserRole + 1, bill);
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
        iconView1->addItem(item);
    }
    if (iconView1->count() > 0)
        iconView1->setCurrentRow(0);
    m_chosen = false;
}

void TableEntry::init()
{
    m_payMode = false;
    QString sql = QStringLiteral("SELECT AccountNumber,MyDate FROM Invoice WHERE Status='P'");
    const QString waiter = utils->getWaiter();
    if (settings->readBoolEntry(ZkSettings::userKey(QStringLiteral("/Personal/VendPage/"), waiter)))
        sql += QStringLiteral(" AND Waiter='%1'").arg(Utility::escapeSQL(waiter));
    QSqlQuery q;
    if (!q.exec(sql)) {
        Utility::showDBError(q);
        return;
    }
    QStringList names, notes;
    while (q.next()) {
        QSqlQuery c;
        if (!c.exec(QStringLiteral("SELECT Name FROM Clients WHERE AccountNumber='%1'").arg(q.value(0).toInt()))) {
            Utility::showDBError(c);
            return;
        }
        const QString name = c.next() ? c.value(0).toString() : QString();
        if (!isTableName(name) || names.contains(name))
            continue;
        names << name;
        notes << ZkDb::dateTime(q.value(1)).toString(QStringLiteral("hh:mm"));
    }
    showTables(tr("Tables with open orders"), names, notes, true);
}

void TableEntry::newTable()
{
    m_payMode = false;
    QSqlQuery busy;
    if (!busy.exec(QStringLiteral("SELECT AccountNumber FROM Invoice WHERE Status='P'"))) {
        Utility::showDBError(busy);
        return;
    }
    QSet<int> taken;
    while (busy.next())
        taken.insert(busy.value(0).toInt());
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT Name,AccountNumber FROM Clients WHERE Name LIKE '%1 %' OR Name LIKE '%2 %' "
                               "ORDER BY Name")
                    .arg(Utility::escapeSQL(tr("TABLE")), Utility::escapeSQL(tr("ROOM"))))) {
        Utility::showDBError(q);
        return;
    }
    QStringList names;
    while (q.next()) {
        if (!taken.contains(q.value(1).toInt()))
            names << q.value(0).toString();
    }
    showTables(tr("Free tables"), names, QStringList(), false);
}

void TableEntry::payBill()
{
    // Only bills still unpaid wait here: a paid table is free again. A
    // table whose bill was split shows each of its bills apart.
    QSqlQuery q;
    if (!q.exec(QStringLiteral(
            "SELECT Clients.Name,Invoice.Waiter,Invoice.AccountNumber,Invoice.MyNumber,"
            "Invoice.SplitOf FROM Journal,Clients,Invoice WHERE "
            "Journal.AccountNumber=Clients.AccountNumber AND Journal.MyNumber=Invoice.MyNumber AND "
            "Journal.Description='I' AND Journal.CrossRef=0 ORDER BY Invoice.MyNumber"))) {
        Utility::showDBError(q);
        return;
    }
    QStringList names, notes;
    QList<int> bills;
    m_splits.clear();
    while (q.next()) {
        const QString name = q.value(0).toString();
        const int bill = q.value(3).toInt();
        const int root = q.value(4).toInt();
        if (!isTableName(name))
            continue;
        if (root > 0) {
            const QString part = splitPart(bill, root);
            if (part.isEmpty())
                return;
            m_splits.insert(bill, part);
        } else if (names.contains(name)) {
            continue;
        }
        names << name;
        notes << q.value(1).toString();
        bills << (root > 0 ? bill : 0);
    }
    showTables(tr("Bills to pay"), names, notes, true, bills);
    m_payMode = true;
}

QString TableEntry::splitPart(int bill, int root)
{
    QSqlQuery q;
    if (!q.exec(
            QStringLiteral("SELECT MyNumber FROM Invoice WHERE SplitOf=%1 ORDER BY MyNumber").arg(root))) {
        Utility::showDBError(q);
        return QString();
    }
    QList<int> all;
    while (q.next())
        all << q.value(0).toInt();
    return QStringLiteral("%1/%2").arg(all.indexOf(bill) + 1).arg(all.size());
}

void TableEntry::payInvoice()
{
    done(PayByInvoice);
}

void TableEntry::tableSelected(QListWidgetItem* item)
{
    // A click and the activation that follows it choose only once.
    if (!item || m_chosen)
        return;
    m_chosen = true;
    m_value = item->data(Qt::UserRole).toString();
    m_invoice = item->data(Qt::UserRole + 1).toInt();
    if (m_payMode) {
        m_payMode = false;
        done(PayTable);
    } else {
        accept();
    }
}

void TableEntry::resizeEvent(QResizeEvent* event)
{
    TableEntryGui::resizeEvent(event);
    if (isVisible()) {
        settings->writeEntry(QStringLiteral("/Global/TableSelectWidth"), width());
        settings->writeEntry(QStringLiteral("/Global/TableSelectHeight"), height());
    }
}

void TableEntry::languageChange()
{
    TableEntryGui::languageChange();
    if (!m_title.isEmpty())
        titleLabel->setText(m_title);
}
