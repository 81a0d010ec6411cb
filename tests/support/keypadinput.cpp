#include "tests/support/keypadinput.h"

#include "sales/numentry.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

std::function<int(QDialog*)> typeCode(const QString& code, Finish finish)
{
    return [code, finish](QDialog* dialog) {
        auto* keypad = qobject_cast<NumEntry*>(dialog);
        if (!keypad) {
            QTest::qFail("the login did not ask on the integer keypad", __FILE__, __LINE__);
            return int(QDialog::Rejected);
        }
        for (const QChar c : code) {
            if (c.isDigit()) {
                const int digit = c.digitValue();
                const QString name = QStringLiteral("pushButton%1").arg(digit == 0 ? 10 : digit);
                QTest::mouseClick(keypad->findChild<QPushButton*>(name), Qt::LeftButton);
            } else {
                QTest::keyClicks(keypad->lineEdit1, QString(c));
            }
        }
        if (finish == Finish::Ok)
            QTest::mouseClick(keypad->okButton, Qt::LeftButton);
        else
            keypad->reject();
        return keypad->result();
    };
}
