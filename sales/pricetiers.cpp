// Price tiers: the base price and two tiers (staff, wholesale and the
// like), named in SysInfo; the tier combo wears a colour while a tier is on.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"

#include <QApplication>
#include <QSignalBlocker>
#include <QSqlQuery>

void Sales::checkPriceTiers()
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT BaseName, Tier1Name, Tier2Name FROM SysInfo"))) {
        Utility::showDBError(q);
        return;
    }
    QStringList names;
    if (q.next()) {
        for (int i = 0; i < 3; ++i)
            names << q.value(i).toString().trimmed();
    } else {
        names = {QString(), QString(), QString()};
    }
    if (names.constFirst().isEmpty())
        names.first() = tr("Base");
    const int tier = qMax(0, PriceComboBox->currentIndex());
    const QSignalBlocker blocker(PriceComboBox);
    PriceComboBox->clear();
    PriceComboBox->addItems(names);
    PriceComboBox->setCurrentIndex(tier);
}

void Sales::vendPriceTierChanged(int tier)
{
    if (tier == 1)
        PriceComboBox->setPalette(utils->buttonPalette(5));
    else if (tier == 2)
        PriceComboBox->setPalette(utils->buttonPalette(1));
    else
        PriceComboBox->setPalette(QApplication::palette());
    if (!m_item.validated)
        return;
    // The item on the entry line is priced again at the new tier.
    m_item.validated = false;
    m_item.printed = 0;
    ItemComboBox->setFocus();
    itemReturnPressed();
}
