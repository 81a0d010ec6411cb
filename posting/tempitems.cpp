#include "core/utility.h"

#include "core/zkdb.h"
#include "core/zkprompt.h"

#include <QSqlQuery>

namespace {

const char* const kColumns = "MyNumber, MyDate, InvoiceNumber, Quantity, Category, Department, Code, "
                             "UnitOfMeasure, Price, Discount, Tax1, Tax2, SerialNo, Description, "
                             "Returnable, DTR, Printed";

} // namespace

bool Utility::makeTempInvoiceItemTable(const QString& where, bool archive)
{
    ZkPrompt::setWaitCursor(true);
    // The table is this connection's own; one left by a build that failed
    // half way goes first.
    if (!ZkDb::releaseTemp()) {
        ZkPrompt::setWaitCursor(false);
        return false;
    }
    QSqlQuery q;
    if (!q.exec(ZkDb::createTempStatement(QStringLiteral(
            "MyNumber INT4,MyDate DATETIME, InvoiceNumber INT4, Quantity DECIMAL(10, 3), "
            "Category TEXT, Department TEXT, Code varchar (13), UnitOfMeasure TEXT,Price DECIMAL(10, 2), "
            "Discount DECIMAL (4, 1), Tax1 char (1), Tax2 char (1), SerialNo TEXT, Description TEXT,"
            "Returnable char (1), DTR INTEGER, Printed INTEGER")))) {
        showDBError(q);
        ZkPrompt::setWaitCursor(false);
        return false;
    }
    QStringList sources{QStringLiteral("InvoiceItem")};
    if (archive)
        sources << QStringLiteral("InvoiceItemArchive");
    for (const QString& table : sources) {
        const QString columns = QLatin1String(kColumns);
        if (!q.exec(QStringLiteral("INSERT INTO temp (") + columns + QLatin1String(") SELECT ") + columns
                    + QLatin1String(" FROM ") + table + QLatin1Char(' ') + where)) {
            showDBError(q);
            ZkDb::releaseTemp();
            ZkPrompt::setWaitCursor(false);
            return false;
        }
    }
    ZkPrompt::setWaitCursor(false);
    return true;
}
