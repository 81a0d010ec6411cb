// The item maintenance dialog: the three selling prices from the cost and
// the markups, and the reconciling of a price typed over them.

#include "maintenance/vendtable.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"

#include <cmath>

QLineEdit* VendTable::markupField(int tier) const
{
    QLineEdit* const fields[] = {MarkupEdit, Tier1MarkupEdit, Tier2MarkupEdit};
    return fields[qBound(0, tier, 2)];
}

QLineEdit* VendTable::sellField(int tier) const
{
    QLineEdit* const fields[] = {SellEdit, Tier1SellEdit, Tier2SellEdit};
    return fields[qBound(0, tier, 2)];
}

double VendTable::grossPrice(double net) const
{
    const double rounded = Utility::roundCents(net);
    if (utils->taxMode() == 0)
        return rounded;
    double gross = rounded;
    if (Tax1CheckBox->isChecked())
        gross += Utility::calcTax(rounded, utils->getTax1());
    if (Tax2CheckBox->isChecked())
        gross += Utility::calcTax(rounded, utils->getTax2());
    return gross;
}

double VendTable::netPrice(double gross) const
{
    if (utils->taxMode() == 0)
        return gross;
    return Utility::lessTax(gross, Tax1CheckBox->isChecked() ? utils->getTax1() : 0,
                            Tax2CheckBox->isChecked() ? utils->getTax2() : 0);
}

void VendTable::updateSell(const QString& text)
{
    Q_UNUSED(text)
    const double cost = Utility::strNum(CostEdit->text());
    for (int tier = 0; tier < 3; ++tier)
        sellField(tier)->setText(Utility::numStr(grossPrice(cost * Utility::strNum(markupField(tier)->text())), 2));
}

void VendTable::taxableChange()
{
    updateSell(QString());
}

void VendTable::forceSell()
{
    int tier = 0;
    while (tier < 3 && !sellField(tier)->isModified())
        ++tier;
    if (tier == 3)
        return;
    // Asked once per edit: the box takes the focus, which ends the edit again.
    for (int t = 0; t < 3; ++t)
        sellField(t)->setModified(false);

    const double cost = Utility::strNum(CostEdit->text());
    const double typed = Utility::strNum(sellField(tier)->text());
    const double calculated = grossPrice(cost * Utility::strNum(markupField(tier)->text()));
    sellField(tier)->setText(Utility::numStr(typed, 2));
    if (std::fabs(typed - calculated) < 0.005)
        return;

    const QString caption = tr("Brevalon - Stock Management");
    const int choice = ZkPrompt::question(
        this, caption,
        tr("<b>Price calculation conflict</b><br><font color=\"red\"><em>Selling at %1 : Calculated as "
           "%2</em></font>"
           "<br>Would you like to update the <b>Cost</b> or <b>Markup</b><br>You may also choose to ignore "
           "the issue")
            .arg(Utility::numStr(typed, 2), Utility::numStr(calculated, 2)),
        {tr("&Markup"), tr("&Cost"), tr("&Ignore")}, 2, 2);
    if (choice == 0) {
        if (cost <= 0) {
            ZkPrompt::warning(this, caption, tr("There is no cost to work a markup out from.\nEnter the cost first."));
            return;
        }
        for (int t = 0; t < 3; ++t) {
            const double net = netPrice(Utility::strNum(sellField(t)->text()));
            markupField(t)->setText(Utility::numStr(net / cost, 4));
        }
    } else if (choice == 1) {
        const double baseMarkup = Utility::strNum(MarkupEdit->text());
        if (baseMarkup <= 0) {
            ZkPrompt::warning(this, caption,
                              tr("There is no base markup to work the cost out from.\nEnter the markup first."));
            return;
        }
        CostEdit->setText(Utility::numStr(netPrice(Utility::strNum(SellEdit->text())) / baseMarkup, 2));
    }
}
