// The back-office dialogs of the Manage and File menus: items, departments,
// compositions, suppliers and stock receiving. Each opens under the
// operator's right and leaves the touch page showing what it changed.

#include "sales/sales.h"

#include "maintenance/comptable.h"
#include "maintenance/deptable.h"
#include "maintenance/stock.h"
#include "maintenance/supplier.h"
#include "maintenance/vendtable.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"

bool Sales::openBackOffice(Right right, const QString& action)
{
    // The menus follow the rights every second; a right taken away in
    // between still counts.
    readRights();
    if (!hasRight(right)) {
        ZkPrompt::beep();
        return false;
    }
    utils->logAction(action, tr("Manage"), QString(), '0');
    return true;
}

void Sales::editInventory()
{
    if (!openBackOffice(Inventory, tr("Inventory")))
        return;
    VendTable dialog(this);
    ZkPrompt::exec(&dialog);
    refreshPlaces();
}

void Sales::manageDepartments()
{
    if (!openBackOffice(Departments, tr("Departments")))
        return;
    DepTable dialog(this);
    ZkPrompt::exec(&dialog);
    refreshPlaces();
}

void Sales::manageCompositions()
{
    // Compositions are priced sets of items: the right to keep the items
    // keeps them too.
    if (!openBackOffice(Inventory, tr("Compositions")))
        return;
    CompTable dialog(this);
    ZkPrompt::exec(&dialog);
    refreshPlaces();
}

void Sales::manageSuppliers()
{
    if (!openBackOffice(Suppliers, tr("Suppliers")))
        return;
    Supplier dialog(this);
    ZkPrompt::exec(&dialog);
}

void Sales::receiveStock()
{
    if (!openBackOffice(ReceiveStock, tr("Receive Stock")))
        return;
    // The class, not the right of the same name.
    ::Stock dialog(hasRight(StockPriceAdjust), hasRight(StockPriceView), this);
    ZkPrompt::exec(&dialog);
}
