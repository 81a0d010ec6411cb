#pragma once

#include <QString>

class QSqlDatabase;

/**
 * A small restaurant-and-deli shop to try Brevalon with: company details,
 * staff, cash and table accounts, departments with touch pictures, items in
 * every price tier, a composition and a supplier. Tests use it as well, so
 * the figures below are relied upon; change them with care.
 */
namespace DemoShop {

struct Login
{
    const char* name;
    const char* code;
};

/** Staff and their login codes. */
inline constexpr Login kAdmin{"Admin", "9999"};
inline constexpr Login kCashier{"MARY", "1111"};
inline constexpr Login kWaiter1{"JOHN", "2222"};
inline constexpr Login kWaiter2{"SUE", "3333"};

/** The weighed item whose bar codes carry the price ("2000010" + price in
 *  cents in five digits + check digit). */
inline constexpr const char* kScaleItem = "2000010";

/** Fills an empty schema; stops at the first failure. */
bool seed(QSqlDatabase& db, QString* error);

/** The demo till's cash handling in the settings store: six bank notes
 *  (5 to 200) with the pictures installed with the program. Notes the
 *  store already holds are left as they are. */
void writeTillSettings();

} // namespace DemoShop
