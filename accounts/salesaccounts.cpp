// The sales window's menu entries for statements, renewals, trails and
// stock orders: each runs for the account the window works on.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"

void Sales::mailStatements()
{
    utils->mailStatements();
}

void Sales::emailRun()
{
    utils->emailStatements();
}

void Sales::renewals()
{
    utils->mailRenewals();
}

void Sales::viewStatement()
{
    utils->processStatement(0);
}

void Sales::journalTrail()
{
    utils->processJournalTrail();
}

void Sales::auditTrail()
{
    utils->processAuditTrail();
}

void Sales::stockTraceAudit()
{
    utils->stockTraceAudit();
}

void Sales::manageStockOrders()
{
    utils->manageStockOrders();
}
