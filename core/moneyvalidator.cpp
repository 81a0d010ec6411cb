#include "core/moneyvalidator.h"

#include "core/utility.h"
#include "core/zkprompt.h"

MoneyValidator::MoneyValidator(QObject* parent)
    : MoneyValidator(0, parent)
{
}

MoneyValidator::MoneyValidator(double top, QObject* parent)
    : QValidator(parent)
    , m_separators(localeSeparators())
    , m_top(top)
{
}

MoneyValidator::Separators MoneyValidator::separatorsOf(const QString& sample)
{
    // The samples are also accepted as some locales write them, with a blank
    // after each comma.
    struct Known
    {
        const char* text;
        char decimal;
        const char* group;
    };
    static const Known known[] = {
        {"123.456.789,12", ',', "."}, {"123.456.789, 12", ',', "."},
        {"123,456,789.12", '.', ","}, {"123, 456, 789.12", '.', ","},
        {"123 456 789.12", '.', " "}, {"123456789.12", '.', ""},
    };
    for (const Known& k : known) {
        if (sample == QLatin1String(k.text))
            return Separators{QLatin1Char(k.decimal), QLatin1String(k.group)};
    }
    return Separators{QLatin1Char('.'), QStringLiteral(",")};
}

MoneyValidator::Separators MoneyValidator::localeSeparators()
{
    return separatorsOf(Utility::numStr(123456789.12, 2));
}

QValidator::State MoneyValidator::refuse() const
{
    ZkPrompt::beep();
    return Invalid;
}

QValidator::State MoneyValidator::validate(QString& input, int& pos) const
{
    if (pos <= 0)
        return Acceptable;
    const QChar typed = input.at(qMin(pos, int(input.size())) - 1);
    const bool isGroup = !m_separators.group.isEmpty() && m_separators.group.contains(typed);
    if (!typed.isDigit() && typed != m_separators.decimal && !isGroup)
        return refuse();
    const int point = int(input.indexOf(m_separators.decimal));
    if (point >= 0) {
        if (input.indexOf(m_separators.decimal, point + 1) >= 0)
            return refuse();
        int decimals = 0;
        for (int i = point + 1; i < input.size(); ++i) {
            if (input.at(i).isDigit())
                ++decimals;
        }
        if (decimals > 2)
            return refuse();
    }
    if (input.contains(QLatin1Char('-')))
        return refuse();
    if (m_top > 0 && Utility::strNum(input) > m_top)
        return refuse();
    return Acceptable;
}

void MoneyValidator::fixup(QString& input) const
{
    if (input.startsWith(QLatin1Char('-')))
        input.remove(0, 1);
    if (input.count(m_separators.decimal) == 1)
        input = Utility::numStr(Utility::strNum(input), 2);
}
