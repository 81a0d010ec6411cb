// The sales window's end-of-day commands: each hands over to Utility.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"

void Sales::cashUp()
{
    utils->cashUp();
}

void Sales::waiterCashUp()
{
    utils->waiterCashUp();
}

void Sales::cashDate()
{
    utils->cashDate();
}

void Sales::monthEnd()
{
    utils->monthEnd();
}

void Sales::analysis()
{
    utils->analysis();
}
