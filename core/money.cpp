#include "core/utility.h"

#include "core/globals.h"
#include "core/zksettings.h"

#include <QLocale>

#include <cmath>

namespace {

QLocale& moneyLocale()
{
    static QLocale locale;
    return locale;
}

enum class Halves { AwayFromZero, Down };

// Amounts arrive as doubles that are a hair off the decimal they stand for
// (12.345 is held as 12.34499...), so the value is first taken to four more
// places than wanted; only then is the half added and the rest cut off.
double roundTo(double value, int decimals, Halves halves)
{
    const double scale = std::pow(10.0, decimals);
    double units = value * scale;
    if (std::fabs(units) < 1e11)
        units = std::round(units * 1e4) / 1e4;
    const double half = (halves == Halves::AwayFromZero && value > 0) ? 0.5 : -0.5;
    // Adding 0.0 turns a negative zero into zero.
    return std::trunc(units + half) / scale + 0.0;
}

} // namespace

void Utility::setLocale(const QString& name)
{
    moneyLocale() = QLocale(name);
    QLocale::setDefault(moneyLocale());
}

void Utility::useLocaleSetting()
{
    const QString name = settings ? settings->readEntry(QStringLiteral("/Global/Locale")) : QString();
    setLocale(name.isEmpty() ? QLocale::system().name() : name);
}

QLocale Utility::locale()
{
    return moneyLocale();
}

QString Utility::numStr(double value, int decimals)
{
    // Shown figures round as the amounts do, and a zero shows no sign.
    return moneyLocale().toString(roundTo(value, qMax(decimals, 0), Halves::AwayFromZero), 'f', decimals);
}

double Utility::strNum(const QString& text, bool* ok)
{
    // Only what the till itself writes is a number: ASCII digits, the
    // locale's separators and a leading sign. The locale's parser alone
    // would also take "nan", "inf", exponents and other scripts' digits,
    // and a NaN or an overflow would pass every later comparison.
    const QString s = text.trimmed();
    const QLocale& l = moneyLocale();
    bool plain = !s.isEmpty();
    for (int i = 0; plain && i < s.size(); ++i) {
        const QChar c = s.at(i);
        const bool sign = i == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+'));
        plain = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || sign || l.decimalPoint().contains(c)
            || l.groupSeparator().contains(c);
    }
    bool parsed = false;
    const double value = plain ? l.toDouble(s, &parsed) : 0.0;
    parsed = parsed && std::isfinite(value);
    if (ok)
        *ok = parsed;
    return parsed ? value : 0.0;
}

double Utility::roundCents(double value)
{
    return roundTo(value, 2, Halves::AwayFromZero);
}

double Utility::calcTax(double amount, double rate)
{
    return roundCents(amount * rate);
}

double Utility::lessTax(double amount, double rate1, double rate2)
{
    return roundCents(amount / (1.0 + rate1 + rate2));
}

double Utility::getRounding(double* amount) const
{
    // A refund gives back the half cent in the shop's favour.
    *amount = roundTo(*amount, 2, m_documentMode == 2 ? Halves::Down : Halves::AwayFromZero);
    const int unit = m_info.rounding;
    if (unit == 0)
        return 0.0;
    const long long cents = std::llround(*amount * 100.0);
    return double(cents - (cents / unit) * unit) / 100.0;
}

QString Utility::getMarkupValue(int index) const
{
    return moneyLocale().toString(m_info.markup[qBound(0, index, 2)], 'g', 6);
}
