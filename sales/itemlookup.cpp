#include "sales/itemlookup.h"

#include "core/utility.h"
#include "core/zkdb.h"

namespace ItemLookup {

namespace {

// SQLite compares text byte for byte unless told otherwise; its NOCASE
// indexes serve only NOCASE comparisons. MariaDB columns compare case-blind
// by their collation and take no such clause.
QString caseBlind()
{
    return ZkDb::isSqlite() ? QStringLiteral(" COLLATE NOCASE") : QString();
}

} // namespace

QString upperEquals(const QString& column, const QString& text)
{
    return QStringLiteral("(%1='%2'%3 AND UPPER(%1)='%2')").arg(column, text, caseBlind());
}

QString upperStartsWith(const QString& column, const QString& text)
{
    // LIKE is case-blind on both servers, and a prefix pattern on an
    // indexed column is a range of that index.
    return QStringLiteral("(%1 LIKE '%2%'%3 AND UPPER(%1) LIKE '%2%'%3)").arg(column, text, Utility::likeEscape());
}

QString exactSearch(const QString& table, const QString& entry)
{
    return QStringLiteral("SELECT UPPER(Description),Code FROM %1 WHERE %2 OR %3")
        .arg(table, upperEquals(QStringLiteral("Code"), entry), upperEquals(QStringLiteral("Description"), entry));
}

QString codeSearch(const QString& table, const QString& code)
{
    return QStringLiteral("SELECT UPPER(Description),Code,Price FROM %1 WHERE %2")
        .arg(table, upperEquals(QStringLiteral("Code"), code));
}

QString prefixSearch(const QString& table, const QString& entry)
{
    return QStringLiteral("SELECT UPPER(Description),Code FROM %1 WHERE %2 ORDER BY Description")
        .arg(table, upperStartsWith(QStringLiteral("Description"), entry));
}

QString substringSearch(const QString& table, const QString& entry)
{
    // A pattern that starts with a wildcard has no index to use anyway.
    return QStringLiteral("SELECT UPPER(Description),Code FROM %1 WHERE UPPER(Description) LIKE '%%2%'%3 "
                          "ORDER BY Description")
        .arg(table, entry, Utility::likeEscape());
}

QString itemLoad(const QString& table, const QString& code, int tier)
{
    const QString price = tier == 1 ? QStringLiteral("Tier1Price")
        : tier == 2                 ? QStringLiteral("Tier2Price")
                                    : QStringLiteral("Price");
    return QStringLiteral("SELECT %1,Code,UnitOfMeasure,Tax1,Tax2,Quantity,Department,Cost,ToQuantity,ReOrder,"
                          "Returnable,DTR,Description FROM %2 WHERE Code='%3'")
        .arg(price, table, code);
}

} // namespace ItemLookup
