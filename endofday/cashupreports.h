#pragma once

#include <QCoreApplication>
#include <QStringList>

class CashUpScope;

/**
 * The five cash-up reports of a scope: "cashup1" accounts, "cashup2"
 * invoices, "cashup3" receipts, "cashup4" tenders and "cashup5" items sold.
 * They read the database and change nothing.
 */
class CashUpReports
{
    Q_DECLARE_TR_FUNCTIONS(CashUpReports)

public:
    /** The five documents in the order they are shown; empty after a
     *  failed statement (shown). */
    static QStringList build(const CashUpScope& scope);
};
