// A till for the kitchen screens' browser test. It makes a fresh demo shop
// on the test's backend, as every test does, and then takes one command per
// line on standard input, each a JSON object, answering each with one:
//
//   {"order": ACCOUNT, "waiter": NAME, "lines": [{"code": C, "quantity": Q}
//                                   or {"category": C, "text": T}, ...]}
//       places an order on the account's bill through the till's own
//       posting code -> {"invoice": N} once it is committed; with
//       "minutesAgo": M the till's clock says it was M minutes ago
//   {"sql": STATEMENT}   -> {"rows": [[column, ...], ...]}
//   {"quit": true}
//
// Its first line tells the shop: {"driver": D, "database": NAME_OR_FILE}.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkclock.h"
#include "core/zksettings.h"
#include "tests/posting/postingshop.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTextStream>

namespace {

void answer(const QJsonObject& reply)
{
    static QTextStream out(stdout);
    out << QJsonDocument(reply).toJson(QJsonDocument::Compact) << Qt::endl;
}

QJsonObject order(const QJsonObject& command)
{
    const int account = command.value(QStringLiteral("order")).toInt();
    QList<SaleLine> lines;
    for (const QJsonValue v : command.value(QStringLiteral("lines")).toArray()) {
        const QJsonObject line = v.toObject();
        if (line.contains(QStringLiteral("code"))) {
            lines << SaleRows::item(line.value(QStringLiteral("code")).toString(),
                                    line.value(QStringLiteral("quantity")).toDouble(1));
            continue;
        }
        // A free line of the kitchen's mains: a remark, or a modifier.
        lines << SaleRows::textLine(line.value(QStringLiteral("category")).toString(),
                                    line.value(QStringLiteral("text")).toString());
        lines.last().department = QStringLiteral("MAINS");
    }
    const int pending = TestShop::value(
        QStringLiteral("SELECT MAX(MyNumber) FROM Invoice WHERE AccountNumber=%1 AND Status='P'").arg(account)).toInt();
    const QString waiter = command.value(QStringLiteral("waiter")).toString();
    int invoice = pending;
    if (invoice > 0)
        SaleRows::addLines(invoice, lines);
    else
        invoice = SaleRows::invoice(account, lines, waiter);
    utils->setWaiter(waiter);
    utils->setOrderMode(true);
    // An order placed some minutes ago, for dockets of an age.
    const int minutesAgo = command.value(QStringLiteral("minutesAgo")).toInt();
    if (minutesAgo > 0)
        ZkClock::pin(QDateTime::currentDateTime().addSecs(-60 * minutesAgo));
    utils->processInvoice(invoice, false);
    ZkClock::pin(QDateTime());
    utils->setOrderMode(false);
    return {{QStringLiteral("invoice"), invoice}};
}

QJsonObject sql(const QString& statement)
{
    QSqlQuery q;
    if (!q.exec(statement))
        return {{QStringLiteral("error"), q.lastError().text()}};
    QJsonArray rows;
    while (q.next()) {
        QJsonArray row;
        for (int i = 0; i < q.record().count(); ++i)
            row.append(q.value(i).isNull() ? QJsonValue() : QJsonValue(q.value(i).toString()));
        rows.append(row);
    }
    return {{QStringLiteral("rows"), rows}};
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PostingShop shop;
    // The screens count the dockets' ages on the real clock.
    ZkClock::pin(QDateTime());
    answer({{QStringLiteral("driver"), settings->readEntry(QStringLiteral("/Global/DBDriver"))},
            {QStringLiteral("database"), settings->readEntry(QStringLiteral("/Global/DBName"))}});
    QTextStream in(stdin);
    QString line;
    while (in.readLineInto(&line)) {
        const QJsonObject command = QJsonDocument::fromJson(line.toUtf8()).object();
        if (command.contains(QStringLiteral("order")))
            answer(order(command));
        else if (command.contains(QStringLiteral("sql")))
            answer(sql(command.value(QStringLiteral("sql")).toString()));
        else
            break;
    }
    return 0;
}
