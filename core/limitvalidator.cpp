#include "core/limitvalidator.h"

#include "core/zkprompt.h"

LimitValidator::LimitValidator(int limit, QObject* parent)
    : QValidator(parent)
    , m_limit(limit)
{
}

QValidator::State LimitValidator::validate(QString& input, int& pos) const
{
    if (input.startsWith(QLatin1Char(' '))) {
        ZkPrompt::beep();
        const int before = int(input.size());
        while (input.startsWith(QLatin1Char(' ')))
            input.remove(0, 1);
        pos = qMax(0, pos - (before - int(input.size())));
    }
    input = input.toUpper();
    if (input.size() > m_limit) {
        ZkPrompt::beep();
        return Invalid;
    }
    return Acceptable;
}
