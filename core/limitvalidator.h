#pragma once

#include <QValidator>

/**
 * The validator of short code and name fields: upper case, no leading
 * blank, at most a given number of characters. A refused keystroke beeps.
 */
class LimitValidator : public QValidator
{
    Q_OBJECT

public:
    LimitValidator(int limit, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;

    int limit() const { return m_limit; }

private:
    int m_limit;
};
