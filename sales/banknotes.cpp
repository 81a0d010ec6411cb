#include "sales/banknotes.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"

#include <QAbstractButton>
#include <QIcon>
#include <QLineEdit>
#include <QPixmap>

namespace {

QString noteKey(int note, const char* entry)
{
    return QStringLiteral("/Global/BankNote%1%2").arg(note).arg(QLatin1String(entry));
}

} // namespace

namespace BankNotes {

double value(int note)
{
    return settings->readDoubleEntry(noteKey(note, "Value"));
}

QString picture(int note)
{
    const QString logo = settings->readEntry(noteKey(note, "Logo"));
    if (logo.isEmpty() || logo.contains(QLatin1Char('/')))
        return logo;
    // The shop's own pictures come with a folder; a bare name is one of
    // the pictures installed with the program.
    return Utility::shareFile(logo);
}

bool dress(QAbstractButton* button, int note)
{
    const QString file = picture(note);
    if (file.isEmpty())
        return false;
    const QPixmap image(file);
    button->setToolTip(Utility::numStr(value(note), 2));
    if (image.isNull()) {
        // A picture that went missing still leaves a usable button.
        button->setIcon(QIcon());
        button->setText(Utility::numStr(value(note), 2));
    } else {
        button->setText(QString());
        button->setIcon(QIcon(image));
    }
    return true;
}

void add(QLineEdit* cash, int note)
{
    cash->setText(Utility::numStr(Utility::roundCents(Utility::strNum(cash->text())) + value(note), 2));
    cash->setFocus();
}

} // namespace BankNotes
