// The keypads and small dialogs through their own buttons: a key typing the wrong digit, a mode with
// the wrong caption or shown digits, a second decimal point, a date that does not exist, note
// buttons shown without a note, and a cancel taken for an amount.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "sales/change.h"
#include "sales/combodialog.h"
#include "sales/datedialog.h"
#include "sales/numentry.h"
#include "sales/padentry.h"
#include "tests/support/testshop.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

void click(QAbstractButton* button)
{
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

void pressDigits(QDialog* keypad, const QString& digits)
{
    for (const QChar c : digits) {
        const int d = c.digitValue();
        click(keypad->findChild<QPushButton*>(QString("pushButton%1").arg(d == 0 ? 10 : d)));
    }
}

QString notePicture(const QTemporaryDir& dir, const QString& name)
{
    QImage note(140, 70, QImage::Format_ARGB32);
    note.fill(QColor(90, 160, 90));
    QPainter(&note).drawText(note.rect(), Qt::AlignCenter, name);
    const QString path = dir.filePath(name + ".png");
    note.save(path);
    return path;
}

} // namespace

class TestKeypads : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Utility::setLocale("C"); }

    void integerKeypadModes_data();
    void integerKeypadModes();
    void decimalKeypadHasOnePoint_data();
    void decimalKeypadHasOnePoint();
    void comboDialogChooses();
    void dateDialog_data();
    void dateDialog();
    void changeNoteButtons();
    void changeFinishes_data();
    void changeFinishes();
};

void TestKeypads::integerKeypadModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("waiter code is hidden") << 0 << true;
    QTest::newRow("table number") << 1 << false;
}

void TestKeypads::integerKeypadModes()
{
    QFETCH(int, mode);
    QFETCH(bool, hidden);
    TestShop shop;
    NumEntry keypad;
    // A waiter code from before must not stay hidden when the mode changes.
    keypad.setMode(0);
    keypad.setMode(mode);
    QCOMPARE(keypad.lineEdit1->echoMode() == QLineEdit::Password, hidden);

    // Every digit key types its digit; clear empties the field.
    pressDigits(&keypad, "1234567890");
    QCOMPARE(keypad.getValue(), "1234567890");
    click(keypad.clearButton);
    QCOMPARE(keypad.getValue(), QString());
    // A scanned or typed code lands in the field beside the keys; Return accepts.
    keypad.show();
    QVERIFY(QTest::qWaitForWindowExposed(&keypad));
    QTest::keyClicks(keypad.lineEdit1, "58");
    pressDigits(&keypad, "0");
    QCOMPARE(keypad.getValue(), "580");
    QTest::keyClick(keypad.lineEdit1, Qt::Key_Return);
    QCOMPARE(keypad.result(), int(QDialog::Accepted));
}

void TestKeypads::decimalKeypadHasOnePoint_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("point");
    QTest::newRow("point") << "C" << ".";
    QTest::newRow("German comma") << "de_DE" << ",";
}

void TestKeypads::decimalKeypadHasOnePoint()
{
    QFETCH(QString, locale);
    QFETCH(QString, point);
    TestShop shop;
    Utility::setLocale(locale);
    PadEntry keypad;
    QCOMPARE(keypad.dotButton->text(), point);
    keypad.setValue("1");
    pressDigits(&keypad, "2");
    click(keypad.dotButton);
    pressDigits(&keypad, "5");
    click(keypad.dotButton);
    pressDigits(&keypad, "0");
    QCOMPARE(keypad.getValue(), "12" + point + "50");
    QCOMPARE(Utility::strNum(keypad.getValue()), 12.5);
    click(keypad.clearButton);
    click(keypad.dotButton);
    click(keypad.dotButton);
    QCOMPARE(keypad.getValue(), point);
}

void TestKeypads::comboDialogChooses()
{
    TestShop shop;
    ComboDialog dialog;
    // A second setup replaces the first list, not adds to it.
    dialog.setup("Choose a printer", {"A", "B"});
    dialog.setup("Choose the waiter", {"JOHN", "SUE"});
    QCOMPARE(dialog.comboBox1->count(), 2);
    QCOMPARE(dialog.getValue(), "JOHN");
    dialog.comboBox1->setCurrentIndex(1);
    QCOMPARE(dialog.getValue(), "SUE");
    click(dialog.buttonCancel);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    click(dialog.buttonOk);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestKeypads::dateDialog_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QDate>("held");
    QTest::newRow("Feb. on 31 January") << QDate(2026, 1, 31) << "month 2" << QDate(2026, 2, 1);
    QTest::newRow("a year on keeps the day") << QDate(2026, 12, 5) << "year on" << QDate(2027, 12, 5);
    QTest::newRow("a year back from 29 February") << QDate(2028, 2, 29) << "year back" << QDate(2027, 2, 28);
    QTest::newRow("a typed date is held") << QDate(2026, 12, 5) << "typed" << QDate(2025, 3, 15);
}

void TestKeypads::dateDialog()
{
    QFETCH(QDate, start);
    QFETCH(QString, action);
    QFETCH(QDate, held);
    TestShop shop;
    DateDialog dialog;
    QCOMPARE(dialog.selectedDate(), TestShop::pinnedNow().date());
    // The typed field is offered only when asked for.
    QVERIFY(!dialog.dateEdit1->isVisibleTo(&dialog));
    dialog.showDateEdit(action == "typed");
    QCOMPARE(dialog.dateEdit1->isVisibleTo(&dialog), action == "typed");
    dialog.setDate(start);
    if (action.startsWith("month "))
        click(dialog.buttonGroup1->button(action.mid(6).toInt() - 1));
    else if (action == "year on")
        click(dialog.toolButton2);
    else if (action == "year back")
        click(dialog.toolButton1);
    else
        dialog.dateEdit1->setDate(held);
    QCOMPARE(dialog.selectedDate(), held);
    QCOMPARE(dialog.dateEdit1->date(), held);
    // Only the held month's button wears palette 3.
    const QColor marked = utils->buttonPalette(3).color(QPalette::Button);
    const QColor plain = QApplication::palette().color(QPalette::Button);
    QVERIFY(marked != plain);
    for (int i = 0; i < 12; ++i)
        QCOMPARE(dialog.monthButton[i]->palette().color(QPalette::Button),
                 i + 1 == held.month() ? marked : plain);
    click(dialog.buttonOk);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestKeypads::changeNoteButtons()
{
    TestShop shop;
    QTemporaryDir pictures;
    settings->writeEntry("/Global/BankNote1Logo", notePicture(pictures, "fifty"));
    settings->writeEntry("/Global/BankNote1Value", 50.0);
    settings->writeEntry("/Global/BankNote3Logo", pictures.filePath("gone.png"));
    settings->writeEntry("/Global/BankNote3Value", 20.0);
    settings->writeEntry("/Global/BankNote6Logo", notePicture(pictures, "two hundred"));
    Change change;
    // Only the notes set up are shown.
    const QList<QPushButton*> notes{change.pushButton1, change.pushButton2, change.pushButton3,
                                    change.pushButton4, change.pushButton5, change.pushButton6};
    const QList<bool> shown{true, false, true, false, false, true};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(notes.at(i)->isVisibleTo(&change), shown.at(i));
    QVERIFY(!change.pushButton1->icon().isNull());
    // A picture that went missing leaves the value on the button.
    QVERIFY(change.pushButton3->icon().isNull());
    QCOMPARE(change.pushButton3->text(), "20.00");
    change.setAmount(123.4);
    QCOMPARE(change.AmountLabel->text(), "123.40");

    // Each press adds its note; the field keeps the keyboard for the rest.
    QWidget* focusAfterNote = nullptr;
    shop.prompts().expectExec("Change", [&](QDialog* dialog) {
        auto* c = qobject_cast<Change*>(dialog);
        c->show();
        c->activateWindow();
        if (!QTest::qWaitForWindowActive(c))
            return -2;
        click(c->pushButton1);
        click(c->pushButton1);
        focusAfterNote = QApplication::focusWidget();
        click(c->pushButton3);
        click(c->processButton);
        return c->result();
    });
    QCOMPARE(change.getChange(), 120.0);
    QCOMPARE(focusAfterNote, change.CashAmountEdit);
    QCOMPARE(change.CashAmountEdit->text(), "120.00");
}

void TestKeypads::changeFinishes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("finish");
    QTest::addColumn<double>("change");
    QTest::addColumn<int>("beeps");
    QTest::newRow("cancel gives -1, not the amount typed") << "50" << "cancel" << -1.0 << 0;
    QTest::newRow("Return accepts; a third decimal is refused") << "25.505" << "return" << 25.5 << 1;
    QTest::newRow("F8 processes") << "10" << "F8" << 10.0 << 0;
}

void TestKeypads::changeFinishes()
{
    QFETCH(QString, typed);
    QFETCH(QString, finish);
    QFETCH(double, change);
    QFETCH(int, beeps);
    TestShop shop;
    Change dialog;
    shop.prompts().expectExec("Change", [&](QDialog* d) {
        auto* c = qobject_cast<Change*>(d);
        c->show();
        c->activateWindow();
        if (!QTest::qWaitForWindowActive(c))
            return -2;
        QTest::keyClicks(c->CashAmountEdit, typed);
        if (finish == "cancel") {
            click(c->cancelButton);
        } else if (finish == "return") {
            QTest::keyClick(c->CashAmountEdit, Qt::Key_Return);
        } else {
            // Sent as the window system would, so that shortcuts see it; the
            // button shows pressed for a moment before it clicks.
            QTest::keyClick(c->windowHandle(), Qt::Key_F8);
            if (!QTest::qWaitFor([c] { return c->result() == QDialog::Accepted; }))
                return -3;
        }
        return c->result();
    });
    QCOMPARE(dialog.getChange(), change);
    if (finish == "cancel")
        QCOMPARE(dialog.CashAmountEdit->text(), "-1");
    QCOMPARE(shop.prompts().beeps(), beeps);
}

BREVALON_TEST_MAIN(TestKeypads)
#include "tst_keypads.moc"
