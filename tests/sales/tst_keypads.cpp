// The touch keypads and small dialogs, driven through their own buttons.

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
#include <QDir>
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

// Presses the digit keys of a keypad for each digit of @p digits.
void pressDigits(QDialog* keypad, const QString& digits)
{
    for (const QChar c : digits) {
        const int d = c.digitValue();
        click(keypad->findChild<QPushButton*>(QStringLiteral("pushButton%1").arg(d == 0 ? 10 : d)));
    }
}

// The images the keypads show, from the install folder the test shop uses.
class InstallTree
{
public:
    QString image(const QString& name) const
    {
        return TestShop::installDir() + QLatin1String("/share/Brevalon/") + name;
    }
};

QString notePicture(const QTemporaryDir& dir, const QString& name)
{
    QImage note(140, 70, QImage::Format_ARGB32);
    note.fill(QColor(90, 160, 90));
    QPainter(&note).drawText(note.rect(), Qt::AlignCenter, name);
    const QString path = dir.filePath(name + QLatin1String(".png"));
    note.save(path);
    return path;
}

} // namespace

class TestKeypads : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Utility::setLocale(QStringLiteral("C")); }

    void integerKeypadTypesAndClears();
    void integerKeypadModes_data();
    void integerKeypadModes();
    void integerKeypadTakesTheKeyboard();
    void decimalKeypadHasOnePoint_data();
    void decimalKeypadHasOnePoint();
    void decimalKeypadCaptions_data();
    void decimalKeypadCaptions();
    void comboDialogChooses();
    void dateDialog_data();
    void dateDialog();
    void dateDialogFieldIsOptional();
    void changeNoteButtons();
    void changeFastCash();
    void changeCancelGivesMinusOne();
    void changeReturnAccepts();
    void changeF8Processes();
};

void TestKeypads::integerKeypadTypesAndClears()
{
    TestShop shop;
    NumEntry keypad;
    QCOMPARE(keypad.objectName(), QStringLiteral("NumEntry"));
    pressDigits(&keypad, QStringLiteral("1234567890"));
    QCOMPARE(keypad.getValue(), QStringLiteral("1234567890"));
    click(keypad.clearButton);
    QCOMPARE(keypad.getValue(), QString());
    pressDigits(&keypad, QStringLiteral("07"));
    QCOMPARE(keypad.getValue(), QStringLiteral("07"));
    click(keypad.okButton);
    QCOMPARE(keypad.result(), int(QDialog::Accepted));
}

void TestKeypads::integerKeypadModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<QString>("image");
    QTest::newRow("waiter code is hidden") << 0 << "Waiter Code" << true << "waiter.png";
    QTest::newRow("table number") << 1 << "Table No." << false << "table.png";
    QTest::newRow("invoice number") << 2 << "Invoice No." << false << "invoice.png";
    QTest::newRow("any other mode is an invoice number") << 7 << "Invoice No." << false << "invoice.png";
}

void TestKeypads::integerKeypadModes()
{
    QFETCH(int, mode);
    QFETCH(QString, caption);
    QFETCH(bool, hidden);
    QFETCH(QString, image);
    TestShop shop;
    InstallTree install;
    NumEntry keypad;
    // A waiter code from before must not stay hidden when the mode changes.
    keypad.setMode(0);
    keypad.setMode(mode);
    QCOMPARE(keypad.textLabel1->text(), caption);
    QCOMPARE(keypad.lineEdit1->echoMode() == QLineEdit::Password, hidden);
    pressDigits(&keypad, QStringLiteral("42"));
    QCOMPARE(keypad.getValue(), QStringLiteral("42"));
    const QImage expected = QImage(install.image(image))
                                .scaled(keypad.logoLable->minimumSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QVERIFY(!expected.isNull());
    QCOMPARE(keypad.logoLable->pixmap().toImage(), expected.convertToFormat(keypad.logoLable->pixmap().toImage().format()));
}

void TestKeypads::integerKeypadTakesTheKeyboard()
{
    TestShop shop;
    NumEntry keypad;
    keypad.show();
    QVERIFY(QTest::qWaitForWindowExposed(&keypad));
    // A scanned or typed code lands in the field, and Return accepts.
    QTest::keyClicks(keypad.lineEdit1, QStringLiteral("58"));
    pressDigits(&keypad, QStringLiteral("1"));
    QCOMPARE(keypad.getValue(), QStringLiteral("581"));
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
    QCOMPARE(keypad.objectName(), QStringLiteral("PadEntry"));
    QCOMPARE(keypad.dotButton->text(), point);
    keypad.setValue(QStringLiteral("1"));
    pressDigits(&keypad, QStringLiteral("2"));
    click(keypad.dotButton);
    pressDigits(&keypad, QStringLiteral("5"));
    click(keypad.dotButton);
    pressDigits(&keypad, QStringLiteral("0"));
    QCOMPARE(keypad.getValue(), QStringLiteral("12") + point + QStringLiteral("50"));
    QCOMPARE(Utility::strNum(keypad.getValue()), 12.5);
    click(keypad.clearButton);
    QCOMPARE(keypad.getValue(), QString());
    click(keypad.dotButton);
    click(keypad.dotButton);
    QCOMPARE(keypad.getValue(), point);
}

void TestKeypads::decimalKeypadCaptions_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("caption");
    QTest::newRow("cash") << 0 << "Cash Amount";
    QTest::newRow("card") << 1 << "C/Card Amount";
    QTest::newRow("cheque") << 2 << "Cheque Amount";
    QTest::newRow("EFT") << 3 << "Eft Amount";
    QTest::newRow("coupon") << 4 << "Coupon Amount";
    QTest::newRow("tip") << 5 << "Tip Amount";
    QTest::newRow("any other mode is a tip") << 9 << "Tip Amount";
}

void TestKeypads::decimalKeypadCaptions()
{
    QFETCH(int, mode);
    QFETCH(QString, caption);
    TestShop shop;
    PadEntry keypad;
    keypad.setMode(mode);
    QCOMPARE(keypad.textLabel1->text(), caption);
    QCOMPARE(keypad.lineEdit1->echoMode(), QLineEdit::Normal);
}

void TestKeypads::comboDialogChooses()
{
    TestShop shop;
    ComboDialog dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("ComboDialog"));
    QCOMPARE(dialog.textLabel1->text(), QStringLiteral("Please select the Waiter to Cash Up"));
    QCOMPARE(dialog.buttonCancel->text(), QStringLiteral("&Cancel"));
    dialog.setup(QStringLiteral("Choose a printer"), {QStringLiteral("A"), QStringLiteral("B")});
    dialog.setup(QStringLiteral("Choose the waiter"), {QStringLiteral("JOHN"), QStringLiteral("SUE")});
    QCOMPARE(dialog.textLabel1->text(), QStringLiteral("Choose the waiter"));
    QCOMPARE(dialog.comboBox1->count(), 2);
    QCOMPARE(dialog.getValue(), QStringLiteral("JOHN"));
    dialog.comboBox1->setCurrentIndex(1);
    QCOMPARE(dialog.getValue(), QStringLiteral("SUE"));
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
    QTest::newRow("Dec. keeps the year") << QDate(2026, 1, 15) << "month 12" << QDate(2026, 12, 1);
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
    QCOMPARE(dialog.objectName(), QStringLiteral("DateDialog"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Date Selection"));
    QCOMPARE(dialog.selectedDate(), TestShop::pinnedNow().date());
    dialog.setDate(start);
    if (action.startsWith(QLatin1String("month ")))
        click(dialog.buttonGroup1->button(action.mid(6).toInt() - 1));
    else if (action == QLatin1String("year on"))
        click(dialog.toolButton2);
    else if (action == QLatin1String("year back"))
        click(dialog.toolButton1);
    else
        dialog.dateEdit1->setDate(held);
    QCOMPARE(dialog.selectedDate(), held);
    QCOMPARE(dialog.DateLabel->text(), held.toString(QStringLiteral("yyyy-MM")));
    QCOMPARE(dialog.dateEdit1->date(), held);
    QVERIFY(dialog.toolButton1->text().contains(QString::number(held.year() - 1)));
    QVERIFY(dialog.toolButton2->text().contains(QString::number(held.year() + 1)));
    // Only the held month's button wears palette 3.
    const QColor marked = utils->buttonPalette(3).color(QPalette::Button);
    QVERIFY(marked != QApplication::palette().color(QPalette::Button));
    for (int i = 0; i < 12; ++i) {
        QCOMPARE(dialog.monthButton[i]->palette().color(QPalette::Button),
                 i + 1 == held.month() ? marked : QApplication::palette().color(QPalette::Button));
    }
    const QStringList labels{"Jan.", "Feb.", "March", "April", "May", "June",
                             "July", "Aug.", "Sep.", "Oct.", "Nov.", "Dec."};
    for (int i = 0; i < 12; ++i)
        QCOMPARE(dialog.buttonGroup1->button(i)->text(), labels.at(i));
}

void TestKeypads::dateDialogFieldIsOptional()
{
    TestShop shop;
    DateDialog dialog;
    QVERIFY(!dialog.dateEdit1->isVisibleTo(&dialog));
    dialog.showDateEdit(true);
    QVERIFY(dialog.dateEdit1->isVisibleTo(&dialog));
    dialog.showDateEdit(false);
    QVERIFY(!dialog.dateEdit1->isVisibleTo(&dialog));
    click(dialog.buttonOk);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestKeypads::changeNoteButtons()
{
    TestShop shop;
    QTemporaryDir pictures;
    settings->writeEntry(QStringLiteral("/Global/BankNote1Logo"), notePicture(pictures, QStringLiteral("fifty")));
    settings->writeEntry(QStringLiteral("/Global/BankNote1Value"), 50.0);
    settings->writeEntry(QStringLiteral("/Global/BankNote3Logo"), pictures.filePath(QStringLiteral("gone.png")));
    settings->writeEntry(QStringLiteral("/Global/BankNote3Value"), 20.0);
    settings->writeEntry(QStringLiteral("/Global/BankNote6Logo"), notePicture(pictures, QStringLiteral("two hundred")));
    Change change;
    QCOMPARE(change.objectName(), QStringLiteral("Change"));
    QCOMPARE(change.windowTitle(), QStringLiteral("Brevalon"));
    QCOMPARE(change.CashAmountEdit->font().family(), QStringLiteral("Luxi Mono"));
    const QList<QPushButton*> notes{change.pushButton1, change.pushButton2, change.pushButton3,
                                    change.pushButton4, change.pushButton5, change.pushButton6};
    const QList<bool> shown{true, false, true, false, false, true};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(notes.at(i)->isVisibleTo(&change), shown.at(i));
    QVERIFY(!change.pushButton1->icon().isNull());
    // A picture that went missing leaves the value on the button.
    QVERIFY(change.pushButton3->icon().isNull());
    QCOMPARE(change.pushButton3->text(), QStringLiteral("20.00"));
    change.setAmount(123.4);
    QCOMPARE(change.textLabel1->text(), QStringLiteral("Change for"));
    QCOMPARE(change.AmountLabel->text(), QStringLiteral("123.40"));
}

void TestKeypads::changeFastCash()
{
    TestShop shop;
    settings->writeEntry(QStringLiteral("/Global/BankNote2Logo"), "note.png");
    settings->writeEntry(QStringLiteral("/Global/BankNote2Value"), 50.0);
    settings->writeEntry(QStringLiteral("/Global/BankNote4Logo"), "note.png");
    settings->writeEntry(QStringLiteral("/Global/BankNote4Value"), 0.5);
    Change change;
    change.show();
    change.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&change));
    QString afterTwoFifties;
    QWidget* focusAfterNote = nullptr;
    shop.prompts().expectExec(QStringLiteral("Change"), [&](QDialog* dialog) {
        auto* c = qobject_cast<Change*>(dialog);
        click(c->pushButton2);
        click(c->pushButton2);
        afterTwoFifties = c->CashAmountEdit->text();
        focusAfterNote = QApplication::focusWidget();
        click(c->pushButton4);
        click(c->processButton);
        return c->result();
    });
    QCOMPARE(change.getChange(), 100.5);
    QCOMPARE(afterTwoFifties, QStringLiteral("100.00"));
    // The field keeps the keyboard for the rest of the amount.
    QCOMPARE(focusAfterNote, change.CashAmountEdit);
    QCOMPARE(change.CashAmountEdit->text(), QStringLiteral("100.50"));
    QCOMPARE(shop.prompts().beeps(), 0);
}

void TestKeypads::changeCancelGivesMinusOne()
{
    TestShop shop;
    Change change;
    shop.prompts().expectExec(QStringLiteral("Change"), [](QDialog* dialog) {
        auto* c = qobject_cast<Change*>(dialog);
        QTest::keyClicks(c->CashAmountEdit, QStringLiteral("50"));
        click(c->cancelButton);
        return c->result();
    });
    QCOMPARE(change.getChange(), -1.0);
    QCOMPARE(change.CashAmountEdit->text(), QStringLiteral("-1"));
    QCOMPARE(shop.prompts().beeps(), 0);
}

void TestKeypads::changeReturnAccepts()
{
    TestShop shop;
    Change change;
    change.show();
    QVERIFY(QTest::qWaitForWindowExposed(&change));
    shop.prompts().expectExec(QStringLiteral("Change"), [](QDialog* dialog) {
        auto* c = qobject_cast<Change*>(dialog);
        // The money validator refuses the third decimal with a beep.
        QTest::keyClicks(c->CashAmountEdit, QStringLiteral("25.505"));
        QTest::keyClick(c->CashAmountEdit, Qt::Key_Return);
        return c->result();
    });
    QCOMPARE(change.getChange(), 25.5);
    QCOMPARE(change.CashAmountEdit->text(), QStringLiteral("25.50"));
    QCOMPARE(shop.prompts().beeps(), 1);
}

void TestKeypads::changeF8Processes()
{
    TestShop shop;
    Change change;
    change.show();
    change.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&change));
    QCOMPARE(change.processButton->text(), QStringLiteral("F8 Process"));
    QTest::keyClicks(change.CashAmountEdit, QStringLiteral("10"));
    // Sent as the window system would, so that shortcuts see it.
    QTest::keyClick(change.windowHandle(), Qt::Key_F8);
    // A shortcut shows the button pressed for a moment before it clicks.
    QTRY_COMPARE(change.result(), int(QDialog::Accepted));
    QCOMPARE(Utility::strNum(change.CashAmountEdit->text()), 10.0);
}

BREVALON_TEST_MAIN(TestKeypads)
#include "tst_keypads.moc"
