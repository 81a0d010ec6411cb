#include "payments/sempermessages.h"

#include "core/utility.h"

#include <QRegularExpression>

namespace {

/** Fields of a list: the records' fields one after the other. */
QStringList fieldsOf(const QString& section, int tagLength)
{
    QStringList fields = section.mid(tagLength).split(QLatin1Char(','));
    for (QString& f : fields)
        f = f.trimmed();
    return fields;
}

/** An amount as the link writes numbers: cents at most, no trailing zeros. */
QString amountText(double amount)
{
    return QString::number(Utility::roundCents(amount) + 0.0, 'g', QLocale::FloatingPointShortest);
}

} // namespace

QList<SemperEntry> SemperMessages::entries(const QString& reply)
{
    const QString guestTag = QStringLiteral("<GST>");
    const QString accountTag = QStringLiteral("<ACC>");
    QList<SemperEntry> found;
    for (const QString& section : reply.split(QStringLiteral("<EOF>"))) {
        if (section.isEmpty())
            break;
        if (section.startsWith(guestTag)) {
            // Six fields a guest: room, folio, name, state and the stay.
            const QStringList f = fieldsOf(section, guestTag.size());
            for (int i = 0; i + 3 < f.size() && !f.at(i).isEmpty(); i += 6) {
                if (f.at(i + 3) == QLatin1String("In House"))
                    found.append({QStringList(f.mid(i, 3)).join(QLatin1Char(',')), false});
            }
        } else if (section.startsWith(accountTag)) {
            // Four fields an account: code, name and two of the system's own.
            const QStringList f = fieldsOf(section, accountTag.size());
            for (int i = 0; i + 1 < f.size() && !f.at(i).isEmpty(); i += 4)
                found.append({f.at(i) + QLatin1Char(',') + f.at(i + 1), true});
        }
    }
    return found;
}

QString SemperMessages::batch(const SemperCharge& charge, bool newVersion, const QString& terminal)
{
    const QString field0 = charge.entry.text.section(QLatin1Char(','), 0, 0);
    const QString field1 = charge.entry.text.section(QLatin1Char(','), 1, 1);
    const QString body = field1 + QLatin1Char(',') + charge.when.toString(QStringLiteral("dd/MM/yyyy, hh:mm:ss,"))
        + QString::number(charge.receipt) + QLatin1Char(',') + amountText(charge.amount) + QLatin1Char(',')
        + amountText(charge.tax) + QLatin1Char(',') + field0 + QLatin1String(", 0,");
    QString term = terminal.trimmed();
    if (term.isEmpty())
        term = QStringLiteral("0101");
    if (!newVersion) {
        if (term.endsWith(QLatin1Char(',')))
            term.chop(1);
        const QString tag = charge.entry.account ? QStringLiteral("ACCTRN") : QStringLiteral("GSTTRN");
        return QLatin1Char('<') + tag + QLatin1Char('>') + body + term + QLatin1String(", 0<EOF>");
    }
    // The newer form runs the terminal code into the user's name: the code
    // ends in its comma, whether or not the setting carries it.
    if (!term.endsWith(QLatin1Char(',')))
        term += QLatin1Char(',');
    // A comma or a tag in a name would shift the fields the system reads.
    QString user = charge.user;
    user.replace(QRegularExpression(QStringLiteral("[,<>]")), QStringLiteral(" "));
    const QString sale = charge.entry.account ? QStringLiteral("ACCSALE") : QStringLiteral("GSTSALE");
    return QLatin1String("<BATCH><") + sale + QLatin1Char('>') + body + term + user + QLatin1String(",All,Meals<")
        + sale + QLatin1String("EOF><BATCHEOF>");
}
