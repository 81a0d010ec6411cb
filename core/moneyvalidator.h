#pragma once

#include <QString>
#include <QValidator>

/**
 * The validator of every money field: digits and the locale's separators
 * only, one decimal separator, at most two decimals, never negative. A
 * refused keystroke beeps.
 */
class MoneyValidator : public QValidator
{
    Q_OBJECT

public:
    /** The separators of money as the locale writes them. */
    struct Separators
    {
        QChar decimal;
        QString group; ///< empty when the locale writes no group separator
    };

    explicit MoneyValidator(QObject* parent = nullptr);
    /** A field whose value may not exceed @p top (0: no limit). */
    MoneyValidator(double top, QObject* parent);

    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

    const Separators& separators() const { return m_separators; }

    /** The separators shown by the text of 123456789.12 to two decimals. */
    static Separators separatorsOf(const QString& sample);
    /** The separators of the current money locale (Utility::setLocale). */
    static Separators localeSeparators();

private:
    State refuse() const;

    Separators m_separators;
    double m_top = 0;
};
