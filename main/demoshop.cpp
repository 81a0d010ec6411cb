#include "main/demoshop.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "main/staff.h"

#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace DemoShop {

namespace {

struct Dept
{
    const char* name;
    int printer; // 1 label, 2 kitchen, 3 both
    QColor colour;
};

const Dept kDepartments[] = {
    {"DRINKS", 0, QColor(40, 120, 200)},   {"HOT DRINKS", 1, QColor(140, 90, 50)},
    {"STARTERS", 2, QColor(220, 140, 30)}, {"MAINS", 2, QColor(200, 60, 50)},
    {"DESSERTS", 3, QColor(200, 80, 160)}, {"DELI", 0, QColor(90, 150, 60)},
    {"GROCERY", 0, QColor(110, 110, 130)},
};

struct Item
{
    const char* code;
    const char* dept;
    const char* description;
    const char* uom;
    double price;    // base price, tax included
    double quantity; // stock on hand; items with toQuantity 0 are not stocked
    double reOrder;
    double toQuantity;
    bool tax2;
    bool returnable;
};

// Tier 1 ("Staff") is 10% off the base price and tier 2 ("Wholesale") 20%.
const Item kItems[] = {
    {"1001", "DRINKS", "COCA-COLA 330ML", "CAN", 18.50, 96, 24, 144, false, false},
    {"1002", "DRINKS", "COKE ZERO 330ML", "CAN", 18.50, 72, 24, 144, false, false},
    {"1003", "DRINKS", "SPARKLING WATER 500ML", "BTL", 16.00, 48, 12, 96, false, false},
    {"1004", "DRINKS", "STILL WATER 500ML", "BTL", 14.00, 60, 12, 96, false, false},
    {"1005", "DRINKS", "ORANGE JUICE", "GLASS", 24.00, 0, 0, 0, false, false},
    {"1006", "DRINKS", "LAGER DRAUGHT 500ML", "GLASS", 38.00, 0, 0, 0, true, false},
    {"1007", "DRINKS", "HOUSE RED WINE", "GLASS", 45.00, 0, 0, 0, true, false},
    {"1008", "DRINKS", "HOUSE WHITE WINE", "GLASS", 45.00, 0, 0, 0, true, false},
    {"1009", "DRINKS", "GINGER BEER 330ML", "CAN", 19.50, 8, 12, 72, false, false},
    {"1101", "HOT DRINKS", "ESPRESSO", "CUP", 22.00, 0, 0, 0, false, false},
    {"1102", "HOT DRINKS", "CAPPUCCINO", "CUP", 32.00, 0, 0, 0, false, false},
    {"1103", "HOT DRINKS", "CAFE LATTE", "CUP", 34.00, 0, 0, 0, false, false},
    {"1104", "HOT DRINKS", "ROOIBOS TEA", "POT", 26.00, 0, 0, 0, false, false},
    {"1105", "HOT DRINKS", "HOT CHOCOLATE", "CUP", 36.00, 0, 0, 0, false, false},
    {"2001", "STARTERS", "GARLIC BREAD", "EACH", 42.00, 0, 0, 0, false, false},
    {"2002", "STARTERS", "SOUP OF THE DAY", "BOWL", 65.00, 0, 0, 0, false, false},
    {"2003", "STARTERS", "CHICKEN WINGS (6)", "PLATE", 79.00, 0, 0, 0, false, false},
    {"2004", "STARTERS", "GREEK SALAD", "PLATE", 72.00, 0, 0, 0, false, false},
    {"2005", "STARTERS", "CALAMARI STRIPS", "PLATE", 85.00, 0, 0, 0, false, false},
    {"3001", "MAINS", "BEEF BURGER & CHIPS", "PLATE", 119.00, 0, 0, 0, false, false},
    {"3002", "MAINS", "CHICKEN SCHNITZEL", "PLATE", 129.00, 0, 0, 0, false, false},
    {"3003", "MAINS", "RUMP STEAK 300G", "PLATE", 189.00, 0, 0, 0, false, false},
    {"3004", "MAINS", "FISH & CHIPS", "PLATE", 135.00, 0, 0, 0, false, false},
    {"3005", "MAINS", "VEGETABLE CURRY", "PLATE", 112.00, 0, 0, 0, false, false},
    {"3006", "MAINS", "MARGHERITA PIZZA", "EACH", 98.00, 0, 0, 0, false, false},
    {"3007", "MAINS", "FULL BREAKFAST", "PLATE", 95.00, 0, 0, 0, false, false},
    {"3008", "MAINS", "LAMB CHOPS", "PLATE", 210.00, 0, 0, 0, false, false},
    {"4001", "DESSERTS", "CHOCOLATE BROWNIE", "SLICE", 55.00, 0, 0, 0, false, false},
    {"4002", "DESSERTS", "MALVA PUDDING", "BOWL", 58.00, 0, 0, 0, false, false},
    {"4003", "DESSERTS", "CHEESECAKE", "SLICE", 62.00, 0, 0, 0, false, false},
    {"4004", "DESSERTS", "ICE CREAM (2 SCOOPS)", "BOWL", 39.00, 0, 0, 0, false, false},
    {"2000010", "DELI", "BILTONG (PRICED BY SCALE)", "KG", 0.00, 0, 0, 0, false, false},
    {"2000020", "DELI", "CHEDDAR CHEESE", "KG", 149.00, 12.5, 3, 20, false, false},
    {"5001", "DELI", "FRESH BREAD LOAF", "EACH", 24.00, 30, 10, 40, false, false},
    {"5002", "DELI", "CROISSANT", "EACH", 18.00, 24, 12, 48, false, false},
    {"6001", "GROCERY", "FREE RANGE EGGS (6)", "BOX", 39.90, 40, 10, 60, false, false},
    {"6002", "GROCERY", "FULL CREAM MILK 1L", "BTL", 21.50, 3, 6, 36, false, false},
    {"6003", "GROCERY", "FILTER COFFEE 250G", "BAG", 89.00, 18, 6, 30, false, false},
    {"6004", "GROCERY", "HONEY 500G", "JAR", 79.00, 10, 4, 20, false, false},
    {"6005", "GROCERY", "OLIVE OIL 500ML", "BTL", 115.00, 8, 4, 16, false, false},
    {"6006", "GROCERY", "GAS CYLINDER 9KG", "EACH", 389.00, 6, 2, 10, false, true},
    {"6009002000016", "GROCERY", "DARK CHOCOLATE 80G", "BAR", 32.00, 50, 12, 80, false, false},
    {"6009002000023", "GROCERY", "SEA SALT CRISPS 125G", "BAG", 27.50, 36, 12, 60, false, false},
};

bool exec(QSqlDatabase& db, const QString& sql, QString* error)
{
    QSqlQuery q(db);
    if (q.exec(sql))
        return true;
    if (error)
        *error = q.lastError().text() + QLatin1Char('\n') + sql;
    return false;
}

QString quote(const QString& text)
{
    return QLatin1Char('\'') + Utility::escapeSQL(text) + QLatin1Char('\'');
}

QString money(double value)
{
    return QString::number(value, 'f', 2);
}

// A touch tile: a rounded gradient with the department's name.
QImage departmentTile(const Dept& dept)
{
    QImage image(96, 76, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, image.height());
    fill.setColorAt(0, dept.colour.lighter(140));
    fill.setColorAt(1, dept.colour.darker(120));
    QPainterPath tile;
    tile.addRoundedRect(QRectF(2, 2, 92, 72), 12, 12);
    p.fillPath(tile, fill);
    p.setPen(QPen(dept.colour.darker(160), 2));
    p.drawPath(tile);
    QFont font(QStringLiteral("DejaVu Sans"), 10, QFont::Bold);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(4, 4, 88, 68), Qt::AlignCenter | Qt::TextWordWrap,
               QString::fromLatin1(dept.name));
    return image;
}

} // namespace

bool seed(QSqlDatabase& db, QString* error)
{
    QStringList sql;
    sql << QStringLiteral(
        "INSERT INTO SysInfo (ALINE1, ALINE2, ALINE3, ALINE4, ALINE5, ALINE6, ALINE7, InvFooter1, "
        "InvFooter2, RecFooter, StatementFooter1, StatementFooter2, StatementFooter3, HandOverFooter, "
        "Tax1, Tax2, Tax1Name, Tax2Name, TaxMode, BaseName, Tier1Name, Tier2Name, BaseMarkup, "
        "Tier1Markup, Tier2Markup, Rounding, ArrearsInterest, MaxStatementDays, SequenceNo) VALUES ("
        "'The Harbour Kitchen', '14 Quay Street', 'Harbour Bay', 'Cape Town 8001', "
        "'Tel 021 555 0142', 'info@harbourkitchen.example', 'VAT No 4123456789', "
        "'Thank you for your business.', 'Goods remain our property until paid in full.', "
        "'Thank you - please come again!', 'Accounts are payable within 30 days.', "
        "'Interest is charged on overdue accounts.', 'Banking: First Bank 62000012345', "
        "'Hand-over checked by: ____________', "
        "0.15, 0.02, 'VAT', 'LEVY', 'I', 'Retail', 'Staff', 'Wholesale', 1.6, 1.44, 1.28, 0, 2, 60, 1)");

    const struct
    {
        Login login;
        const char* initials;
        double commission;
        QStringList rights;
    } staff[] = {
        {kAdmin, "ADM", 0, Staff::administratorRights()},
        {kCashier, "MM", 2.5,
         {QStringLiteral("CashUp"), QStringLiteral("Discount"), QStringLiteral("Refunds"),
          QStringLiteral("ModifyClient"), QStringLiteral("ViewDocuments"), QStringLiteral("ViewStatement"),
          QStringLiteral("VoidReceipt"), QStringLiteral("Reports")}},
        {kWaiter1, "JS", 5, {QStringLiteral("ViewDocuments")}},
        {kWaiter2, "SB", 5, {QStringLiteral("ViewDocuments")}},
    };

    const QString created = QStringLiteral("'2026-01-01'");
    sql << QStringLiteral("INSERT INTO Clients (AccountNumber, Name, PostalAddr, BadDebt, PriceTier, "
                          "MerchDiscount, OtherDiscount, Created, KeepCredit) VALUES "
                          "(1, 'CASH', '', ' ', 0, 0, 0, ")
               + created + QLatin1String(", ' ')");
    for (int t = 1; t <= 12; ++t) {
        sql << QStringLiteral("INSERT INTO Clients (Name, PostalAddr, BadDebt, PriceTier, MerchDiscount, "
                              "OtherDiscount, Created, KeepCredit) VALUES ('TABLE %1', '', ' ', 0, 0, 0, ")
                   .arg(t)
                + created + QLatin1String(", ' ')");
    }
    sql << QStringLiteral("INSERT INTO Clients (Name, ShippingAddr, PostalAddr, Email, Phone, Cell, VatNo, "
                          "BadDebt, PriceTier, MerchDiscount, OtherDiscount, Created, KeepCredit) VALUES "
                          "('BAYSIDE CATERING', %1, %2, 'accounts@bayside.example', '021 555 0199', "
                          "'082 555 0100', '4987654321', ' ', 2, 5, 0, %3, 'Y')")
               .arg(quote(QStringLiteral("3 Dock Road\nHarbour Bay")),
                    quote(QStringLiteral("PO Box 77\nHarbour Bay\n8001")), created)
        << QStringLiteral("INSERT INTO Clients (Name, PostalAddr, Email, Phone, BadDebt, PriceTier, "
                          "MerchDiscount, OtherDiscount, Created, KeepCredit) VALUES (%1, %2, "
                          "'pat@obrien.example', '021 555 0123', ' ', 0, 0, 0, %3, ' ')")
               .arg(quote(QStringLiteral("O'BRIEN, PATRICK")),
                    quote(QStringLiteral("21 Hill Street\nHarbour Bay")), created);

    sql << QStringLiteral("INSERT INTO Supply (Company, Contact, Email, Tel, Fax, Cell, PostalAddr, "
                          "PhysicalAddr, Notes) VALUES ('FRESH FOODS WHOLESALE', 'ANDILE NKOSI', "
                          "'orders@freshfoods.example', '021 555 0300', '021 555 0301', '083 555 0302', "
                          "%1, %2, 'Delivers Tue and Fri')")
               .arg(quote(QStringLiteral("PO Box 300\nEpping\n7460")),
                    quote(QStringLiteral("12 Market Road\nEpping")));

    for (const QString& statement : qAsConst(sql)) {
        if (!exec(db, statement, error))
            return false;
    }
    for (const auto& person : staff) {
        if (!Staff::insert(db, QLatin1String(person.login.name), QLatin1String(person.login.code),
                           QLatin1String(person.initials), person.commission, person.rights, error))
            return false;
    }

    int rank = 0;
    for (const Dept& dept : kDepartments) {
        // Built by concatenation: the picture's text may hold "%1" and the like.
        if (!exec(db,
                  QStringLiteral("INSERT INTO Departments (Department, Printer, Image, Rank) VALUES (")
                      + quote(QString::fromLatin1(dept.name)) + QLatin1String(", ")
                      + QString::number(dept.printer) + QLatin1String(", '")
                      + QString::fromLatin1(Utility::encodeImage(departmentTile(dept), 32))
                      + QLatin1String("', ") + QString::number(++rank) + QLatin1Char(')'),
                  error))
            return false;
    }

    const double markups[3] = {1.6, 1.44, 1.28};
    rank = 0;
    for (const Item& item : kItems) {
        const double cost = item.price > 0 ? item.price / 1.15 / markups[0] : 0;
        const QString values =
            QStringList{quote(QString::fromLatin1(item.code)), quote(QString::fromLatin1(item.dept)),
                        quote(QString::fromLatin1(item.description)), quote(QString::fromLatin1(item.uom)),
                        money(item.price), money(item.price * 0.9), money(item.price * 0.8),
                        QString::number(markups[0]), QString::number(markups[1]),
                        QString::number(markups[2]), money(cost), QString::number(item.quantity, 'f', 3),
                        QString::number(item.reOrder, 'f', 3), QString::number(item.toQuantity, 'f', 3),
                        QStringLiteral("0"), quote(QStringLiteral("FRESH FOODS WHOLESALE")),
                        QStringLiteral("'Y'"), item.tax2 ? QStringLiteral("'Y'") : QStringLiteral("'N'"),
                        item.returnable ? QStringLiteral("'Y'") : QStringLiteral("'N'"),
                        QString::number(++rank), QStringLiteral("0")}
                .join(QLatin1String(", "));
        if (!exec(db,
                  QStringLiteral("INSERT INTO Inventory (Code, Department, Description, UnitOfMeasure, "
                                 "Price, Tier1Price, Tier2Price, MarkUp, Tier1Markup, Tier2Markup, Cost, "
                                 "Quantity, ReOrder, ToQuantity, OnOrder, Supplier, Tax1, Tax2, "
                                 "Returnable, Rank, DTR) VALUES (")
                      + values + QLatin1Char(')'),
                  error))
            return false;
    }

    const QStringList composition = {
        QStringLiteral("INSERT INTO Compositions (Code, Description, Department, Remark) VALUES (1, "
                       "'BREAKFAST SPECIAL', 'MAINS', 'Full breakfast with coffee and juice')"),
        QStringLiteral("INSERT INTO CompositionContents (CompId, Quantity, Code, Discountable, Discount) "
                       "VALUES (1, 1, '3007', 'Y', 10)"),
        QStringLiteral("INSERT INTO CompositionContents (CompId, Quantity, Code, Discountable, Discount) "
                       "VALUES (1, 1, '1102', 'Y', 25)"),
        QStringLiteral("INSERT INTO CompositionContents (CompId, Quantity, Code, Discountable, Discount) "
                       "VALUES (1, 1, '1005', 'N', 50)"),
    };
    for (const QString& statement : composition) {
        if (!exec(db, statement, error))
            return false;
    }
    return true;
}

void writeTillSettings()
{
    const struct
    {
        double value;
        const char* picture;
    } notes[] = {{5, "coin5.png"},   {10, "note10.png"},   {20, "note20.png"},
                 {50, "note50.png"}, {100, "note100.png"}, {200, "note200.png"}};
    for (int i = 0; i < 6; ++i) {
        const QString logo = QStringLiteral("/Global/BankNote%1Logo").arg(i + 1);
        if (settings->contains(logo))
            continue;
        // A bare name is a picture installed with the program.
        settings->writeEntry(logo, QString::fromLatin1(notes[i].picture));
        settings->writeEntry(QStringLiteral("/Global/BankNote%1Value").arg(i + 1), notes[i].value);
    }
}

} // namespace DemoShop
