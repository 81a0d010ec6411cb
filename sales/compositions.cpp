// Compositions: a named set of items sold together (a breakfast special),
// each with its own discount, and a remark line that names the set.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"

#include <QSignalBlocker>
#include <QSqlQuery>

namespace {

struct Content
{
    double quantity = 0;
    QString code;
    bool discountable = false;
    double discount = 0;
    QString description;
};

const QString kCompositionSuffix = QStringLiteral(".CMP");

} // namespace

bool Sales::addComposition(QString name)
{
    const double sets = Utility::strNum(QuantityEdit->text());
    if (sets < 0) {
        ZkPrompt::warning(this, tr("Sales"), tr("You can not sell negative quantities !"));
        return false;
    }

    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT Code,Remark from Compositions WHERE Description='%1'")
                    .arg(Utility::escapeSQL(name)))) {
        Utility::showDBError(q);
        return false;
    }
    bool found = q.next();
    if (!found && name.endsWith(kCompositionSuffix)) {
        if (!q.exec(QStringLiteral("SELECT Code,Remark from Compositions WHERE Code='%1'")
                        .arg(Utility::escapeSQL(name.chopped(kCompositionSuffix.size()))))) {
            Utility::showDBError(q);
            return false;
        }
        found = q.next();
    }

    if (!found) {
        QStringList names;
        for (const QString& pattern : {QStringLiteral("%1%"), QStringLiteral("%%1%")}) {
            if (!q.exec(QStringLiteral("SELECT Description,Remark from Compositions WHERE Description LIKE '%1'")
                            .arg(pattern.arg(Utility::escapeSQL(name))))) {
                Utility::showDBError(q);
                return false;
            }
            while (q.next())
                names << q.value(0).toString();
            if (!names.isEmpty())
                break;
        }
        if (!names.isEmpty()) {
            fillItemList(names, QStringList(names.size(), QString()));
            m_compositionPending = true;
        }
        return false;
    }

    const int id = q.value(0).toInt();
    const QString remark = q.value(1).toString();
    // Every item of the set must still be sold before any line goes in:
    // half a set would be charged as a whole one.
    QList<Content> contents;
    if (!q.exec(QStringLiteral("SELECT Quantity, Code, Discountable, Discount FROM CompositionContents  WHERE "
                               "CompId=%1")
                    .arg(id))) {
        Utility::showDBError(q);
        return false;
    }
    while (q.next())
        contents << Content{q.value(0).toDouble(), q.value(1).toString(), q.value(2).toString() == QLatin1String("Y"),
                            q.value(3).toDouble(), QString()};
    for (Content& c : contents) {
        if (!q.exec(QStringLiteral("SELECT Description FROM Inventory WHERE Code='%1'").arg(Utility::escapeSQL(c.code)))) {
            Utility::showDBError(q);
            return false;
        }
        if (!q.next()) {
            ZkPrompt::beep();
            ZkPrompt::warning(this, tr("Error"), tr("Inventory item not found"));
            return false;
        }
        c.description = q.value(0).toString();
    }
    q.finish();

    m_compositionPending = false;
    const double operatorDiscount = Utility::strNum(LessEdit->text());
    const int whole = int(sets);
    // Added lines move the focus; a content item without a price must not
    // stop the set waiting for a price in the quantity field.
    ItemComboBox->setFocus();
    if (!remark.trimmed().isEmpty()) {
        NotesEdit->setPlainText(whole != 1 ? QString::number(whole) + QLatin1String(" x ") + remark : remark);
        addEditorContents();
    }
    for (const Content& c : contents) {
        const double discount = c.discount + (c.discountable ? operatorDiscount : 0);
        {
            const QSignalBlocker less(LessEdit);
            const QSignalBlocker quantity(QuantityEdit);
            LessEdit->setText(Utility::locale().toString(discount, 'g', 6));
            // n sets hold n times each content.
            QuantityEdit->setText(Utility::locale().toString(c.quantity * sets, 'g', 6));
        }
        m_item = ItemState();
        fillItemList({c.description}, {c.code});
        itemSelected(c.description);
        vendAddItem();
        checkVendState();
    }
    return true;
}
