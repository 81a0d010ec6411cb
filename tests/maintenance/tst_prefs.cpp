// The preferences dialog: what a save writes and logs (and what it refuses,
// changing nothing), the defaults an untouched dialog shows and then keeps,
// and the users: new, update, delete and unlock, login codes kept unique,
// and a cashier made here seeing only the controls of the rights given.

#include "core/zkrowstream.h"
#include "documents/docprint.h"
#include "maintenance/prefs.h"
#include "tests/sales/till.h"
#include "tests/support/actionrows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QPointer>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {

// The login code's hidden input, answered with @p code.
std::function<int(QDialog*)> enterCode(const QString& code)
{
    return [code](QDialog* d) {
        auto* input = qobject_cast<QInputDialog*>(d);
        if (!input || input->textEchoMode() != QLineEdit::Password || input->labelText() != "Enter the user Login code")
            return int(QDialog::Rejected);
        input->setTextValue(code);
        return int(QDialog::Accepted);
    };
}

template <typename T>
T* widget(Prefs& prefs, const QString& name)
{
    T* w = prefs.findChild<T*>(name);
    if (!w)
        QTest::qFail(qPrintable(name + QLatin1String(" is not on the dialog")), __FILE__, __LINE__);
    return w;
}

// Types @p text into a field, or for a check box ticks it ("on") or not.
void type(Prefs& prefs, const QString& name, const QString& text)
{
    if (auto* box = prefs.findChild<QCheckBox*>(name))
        box->setChecked(text == QLatin1String("on"));
    else if (auto* edit = widget<QLineEdit>(prefs, name))
        edit->setText(text);
}

// The SysInfo row as text, for "nothing changed".
QByteArray sysInfo()
{
    ZkRowStream rows;
    QByteArray out;
    if (rows.exec(QStringLiteral("SELECT * FROM SysInfo")) && rows.next()) {
        for (int i = 0; i < rows.columnCount(); ++i)
            out += QByteArray(rows.data(i), rows.size(i)) + '|';
    }
    return out;
}

void logActions()
{
    settings->writeEntry(QStringLiteral("/Global/LogActions"), true);
    QVERIFY(utils->initClass(true));
}

QString personel(const QString& columns, const QString& name)
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT %1 FROM Personel WHERE Name='%2'").arg(columns, name)) || !q.next())
        return QStringLiteral("-");
    QStringList values;
    for (int i = 0; i < q.record().count(); ++i)
        values << q.value(i).toString();
    return values.join(QLatin1Char('|'));
}

} // namespace

class TestPrefs : public QObject
{
    Q_OBJECT

private slots:
    void anUntouchedSaveLogsOnlyThatItSaved();
    void eachChangeIsWrittenAndLogged();
    void wrongValuesAreRefused_data();
    void wrongValuesAreRefused();
    void users();
    void loginCodesStayUnique_data();
    void loginCodesStayUnique();
    void aCashierMadeHereSeesOnlyTheirRights();
};

void TestPrefs::anUntouchedSaveLogsOnlyThatItSaved()
{
    TestShop shop;
    logActions();
    const QByteArray before = sysInfo();
    Prefs prefs;
    // Absent keys show the dialog's defaults of the catalogue.
    QVERIFY(!widget<QCheckBox>(prefs, QStringLiteral("PrintReceiptCheckBox"))->isChecked());
    QCOMPARE(widget<QComboBox>(prefs, QStringLiteral("DisplaySpeedComboBox"))->currentText(), QStringLiteral("9600"));
    QCOMPARE(widget<QLineEdit>(prefs, QStringLiteral("PreviewHeightEdit"))->text(), QStringLiteral("590"));
    QCOMPARE(widget<QLineEdit>(prefs, QStringLiteral("SlipBOLDEdit"))->text(), QStringLiteral("27,69"));
    QCOMPARE(widget<QLineEdit>(prefs, QStringLiteral("Tax1Edit"))->text(), Utility::numStr(0.15, 4));
    QVERIFY(widget<QCheckBox>(prefs, QStringLiteral("SemperNewVersionCheckBox"))->isChecked());
    QCOMPARE(widget<QLineEdit>(prefs, QStringLiteral("SemperHostEdit"))->text(), QString());
    QVERIFY(!settings->contains(QStringLiteral("/Global/PrintReceipt")));
    const QPointer<DocPrint> renderer = utils->docPrint();

    prefs.saveSettings();
    QCOMPARE(prefs.result(), int(QDialog::Accepted));
    QCOMPARE(actionLines(), QStringList{QStringLiteral("CONFIG|SETTINGS SAVED")});
    QCOMPARE(sysInfo(), before);
    // Once saved, what the dialog showed is what the program does.
    QVERIFY(settings->contains(QStringLiteral("/Global/PrintReceipt")));
    QVERIFY(!settings->readBoolEntry(QStringLiteral("/Global/PrintReceipt")));
    QCOMPARE(settings->readNumEntry(QStringLiteral("/Misc/PreviewHeight")), 590);
    QVERIFY(settings->readBoolEntry(QStringLiteral("/Global/Semper/NewVersion")));
    // The renderer was made anew, reading the printers' settings again.
    QVERIFY(renderer.isNull() && utils->docPrint());
}

void TestPrefs::eachChangeIsWrittenAndLogged()
{
    TestShop shop;
    logActions();
    settings->writeEntry(QStringLiteral("/Global/SmtpServer"), QStringLiteral("old.example"));
    Prefs prefs;
    type(prefs, QStringLiteral("ALINE1Edit"), QStringLiteral("The Harbour Kitchen & Bar"));
    type(prefs, QStringLiteral("Tax1Edit"), Utility::numStr(0.14, 4));
    widget<QComboBox>(prefs, QStringLiteral("TaxModeComboBox"))->setCurrentIndex(0);
    type(prefs, QStringLiteral("SmtpServerEdit"), QStringLiteral("mail.example"));
    type(prefs, QStringLiteral("SmtpPortEdit"), QStringLiteral("2525"));
    type(prefs, QStringLiteral("Slip40BOLDEdit"), QStringLiteral("27,71,1"));
    widget<QComboBox>(prefs, QStringLiteral("KitchenModeComboBox"))->setCurrentIndex(3);
    widget<QCheckBox>(prefs, QStringLiteral("ReceiptPreviewCheckBox"))->setChecked(true);
    type(prefs, QStringLiteral("RoundingEdit"), QStringLiteral("5"));
    widget<QComboBox>(prefs, QStringLiteral("DisplayPoleComboBox"))->setCurrentText(QStringLiteral("COM1"));
    widget<QCheckBox>(prefs, QStringLiteral("CashDrawDSRCheckBox"))->setChecked(true);
    type(prefs, QStringLiteral("Note2ValueEdit"), Utility::numStr(50, 2));
    type(prefs, QStringLiteral("BackupCmdEdit"), QStringLiteral("/usr/local/bin/to-usb"));
    widget<QCheckBox>(prefs, QStringLiteral("FullScreenCheckBox"))->setChecked(true);
    type(prefs, QStringLiteral("SnapScanEnabledCheckBox"), QStringLiteral("on"));
    type(prefs, QStringLiteral("SnapScanHostEdit"), QStringLiteral("pay.example"));
    type(prefs, QStringLiteral("SnapScanMerchantIdEdit"), QStringLiteral("Harbour01"));
    type(prefs, QStringLiteral("SemperPortEdit"), QStringLiteral("1700"));
    type(prefs, QStringLiteral("SemperNewVersionCheckBox"), QStringLiteral("off"));

    prefs.saveSettings();
    QCOMPARE(prefs.result(), int(QDialog::Accepted));
    const QString tax = Utility::numStr(0.15, 4);
    const QString newTax = Utility::numStr(0.14, 4);
    QCOMPARE(actionLines(),
             (QStringList{
                 "CHANGED BUSINESS NAME|OLD:'THE HARBOUR KITCHEN' NEW:'THE HARBOUR KITCHEN & BAR'",
                 "CHANGED TAX RATE|OLD:'" + tax + "' NEW:'" + newTax + "'",
                 "CHANGED TAX MODE|OLD:'I' NEW:'E'",
                 "CHANGED RECEIPT PRINTER PREVIEW|OLD:'OFF' NEW:'ON'",
                 "CHANGED KITCHEN PRINTER MODE|OLD:'' NEW:'OFF'",
                 "CHANGED SMTP SERVER|OLD:'OLD.EXAMPLE' NEW:'MAIL.EXAMPLE'",
                 "CHANGED SMTP PORT|OLD:'25' NEW:'2525'",
                 "CHANGED SLIP40 PRINTER BOLD CODES|OLD:'27,71,33' NEW:'27,71,1'",
                 "CHANGED ROUNDING|OLD:'0' NEW:'5'",
                 "DISPLAY POLE CHANGED|OLD:'NONE' NEW:'COM1'",
                 "CAS DRAWER DTR-DSR CHANGED|OLD:'NO' NEW:'YES'",
                 "CONFIG|BANKNOTE2 CHANGED TO " + Utility::numStr(50, 2),
                 "CHANGED FULLSCREEN|OLD:'FALSE' NEW:'TRUE'",
                 "CHANGED BACKUP MEDIA APP|OLD:'' NEW:'/USR/LOCAL/BIN/TO-USB'",
                 "ENABLED SNAPSCAN INTERFACE|",
                 "CHANGED SNAPSCAN SERVER|OLD:'' NEW:'PAY.EXAMPLE'",
                 "CHANGED SNAPSCAN MERCHANT ID|OLD:'' NEW:'HARBOUR01'",
                 "CHANGED SEMPER PORT|OLD:'1600' NEW:'1700'",
                 "DISABLED NEW SEMPER VERSION|",
                 "CONFIG|SETTINGS SAVED",
             }));
    QCOMPARE(TestShop::value(QStringLiteral("SELECT ALINE1 FROM SysInfo")).toString(),
             QStringLiteral("The Harbour Kitchen & Bar"));
    QCOMPARE(TestShop::value(QStringLiteral("SELECT TaxMode FROM SysInfo")).toString(), QStringLiteral("E"));
    QCOMPARE(utils->getTax1(), 0.14);
    QCOMPARE(utils->roundingUnit(), 5);
    QCOMPARE(settings->readNumEntry(QStringLiteral("/Global/SmtpPort")), 2525);
    QCOMPARE(settings->readEntry(QStringLiteral("/KitchenPrinter/Mode")), QStringLiteral("off"));
    QCOMPARE(settings->readEntry(QStringLiteral("/ReceiptPrinter/Preview")), QStringLiteral("ON"));
    QCOMPARE(settings->readEntry(QStringLiteral("/Global/CashDrawDSR")), QStringLiteral("Yes"));
    QCOMPARE(settings->readDoubleEntry(QStringLiteral("/Global/BankNote2Value")), 50.0);
    QVERIFY(settings->readBoolEntry(QStringLiteral("/Global/FullScreen")));
    QVERIFY(settings->readBoolEntry(QStringLiteral("/Global/SnapScan/Enabled")));
    QCOMPARE(settings->readEntry(QStringLiteral("/Global/SnapScan/MerchantId")), QStringLiteral("Harbour01"));
    QCOMPARE(settings->readNumEntry(QStringLiteral("/Global/Semper/Port")), 1700);
    QVERIFY(!settings->readBoolEntry(QStringLiteral("/Global/Semper/NewVersion")));
}

void TestPrefs::wrongValuesAreRefused_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("a tax rate of letters") << "Tax1Edit" << "abc" << "Changed Tax Rate: \"abc\" is not a number.";
    QTest::newRow("a tax of 150 per cent") << "Tax2Edit" << "1.5" << "Changed Levy Rate must lie between 0 and 1.";
    QTest::newRow("a negative rounding unit") << "RoundingEdit" << "-5" << "Changed Rounding must lie between 0 and 100.";
    QTest::newRow("no shop name") << "ALINE1Edit" << "  " << "The business name may not be empty.";
    QTest::newRow("a byte past 255") << "SlipKICKEdit" << "27,112,300" << "is not a list of byte values";
    QTest::newRow("a port of words") << "SmtpPortEdit" << "twenty-five" << "is not a number";
    QTest::newRow("a markup below nothing") << "Tier2MarkupEdit" << "-1" << "must lie between 0 and 1000";
    QTest::newRow("QR payments on, no server") << "SnapScanEnabledCheckBox" << "on" << "needs its server";
    QTest::newRow("room charges on, no server") << "SemperEnabledCheckBox" << "on" << "needs its server";
    QTest::newRow("a hotel port past 65535") << "SemperPortEdit" << "70000" << "must lie between 1 and 65535";
    QTest::newRow("a terminal id that splits a field") << "SemperTermEdit" << "01,01" << "no commas";
}

void TestPrefs::wrongValuesAreRefused()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, refusal);
    TestShop shop;
    logActions();
    const QByteArray before = sysInfo();
    Prefs prefs;
    // A good change on another page is not written either.
    type(prefs, QStringLiteral("SmtpServerEdit"), QStringLiteral("mail.example"));
    type(prefs, QStringLiteral("ALINE2Edit"), QStringLiteral("15 Quay Street"));
    type(prefs, field, value);
    shop.prompts().expect(ZkPrompt::Warning, QStringLiteral("Brevalon Preferences"), refusal);
    prefs.saveSettings();
    QVERIFY(prefs.result() != QDialog::Accepted);
    QVERIFY(actionLines().isEmpty());
    QCOMPARE(sysInfo(), before);
    QVERIFY(!settings->contains(QStringLiteral("/Global/SmtpServer")));
}

void TestPrefs::users()
{
    TestShop shop;
    logActions();
    TestShop::exec(QStringLiteral("INSERT INTO Login (Name, Host) VALUES ('JOHN', 'till-2')"));
    Prefs prefs;
    auto& prompts = shop.prompts();

    // Nothing chosen: nothing to act on.
    prompts.expect(ZkPrompt::Warning, "Update User", "You must have a user selected to perform an update")
        .expect(ZkPrompt::Warning, "Delete User", "You must have a user selected to perform a delete")
        .expect(ZkPrompt::Warning, "Unlock User", "You must have a user selected to perform an unlock");
    prefs.updateUser();
    prefs.deleteUser();
    prefs.unlockLogin();

    // A cancel at any question adds nobody.
    prompts.expect(ZkPrompt::TextInput, "New User", "Enter the new users name", 0, "kate")
        .expect(ZkPrompt::TextInput, "New User", "Enter the users SP initials", 0, QString(), false)
        .expect(ZkPrompt::Information, "New User", "Operation cancelled");
    prefs.newUser();
    prompts.expect(ZkPrompt::TextInput, "New User", "Enter the new users name", 0, "kate")
        .expect(ZkPrompt::TextInput, "New User", "Enter the users SP initials", 0, "kb")
        .expectExec("LoginCodeInput", enterCode("5555"));
    prefs.newUser();
    QCOMPARE(personel("SP, Code, Backup", "KATE"), QStringLiteral("KB|5555|N"));
    QCOMPARE(prefs.selectedUser(), QStringLiteral("KATE"));

    // Update: the rights, the details, the style and the touch layout.
    widget<QCheckBox>(prefs, QStringLiteral("BackupCheckBox"))->setChecked(true);
    widget<QCheckBox>(prefs, QStringLiteral("VoidReceiptCheckBox"))->setChecked(true);
    type(prefs, QStringLiteral("CommisionEdit"), Utility::numStr(3.5, 2));
    widget<QComboBox>(prefs, QStringLiteral("GrossComboBox"))->setCurrentIndex(1);
    type(prefs, QStringLiteral("CashAccEdit"), QStringLiteral("14"));
    widget<QComboBox>(prefs, QStringLiteral("StyleComboBox"))->setCurrentText(QStringLiteral("Fusion"));
    widget<QCheckBox>(prefs, QStringLiteral("TouchCheckBox"))->setChecked(false);
    prefs.updateUser();
    QCOMPARE(personel("Backup, VoidReceipt, VoidInvoice, Gross, CashAcc", "KATE"), QStringLiteral("Y|Y|N|N|14"));
    QCOMPARE(personel("Commision", "KATE").toDouble(), 3.5);
    QCOMPARE(settings->readEntry(QStringLiteral("/Personal/GUIStyle/KATE")), QStringLiteral("Fusion"));
    QVERIFY(!settings->readBoolEntry(QStringLiteral("/Personal/VendPage/KATE")));
    // Choosing the user again shows what was stored.
    prefs.setSelectedUser(QStringLiteral("MARY"));
    prefs.setSelectedUser(QStringLiteral("KATE"));
    QVERIFY(widget<QCheckBox>(prefs, QStringLiteral("VoidReceiptCheckBox"))->isChecked());
    QCOMPARE(widget<QLabel>(prefs, QStringLiteral("CashAccNameLabel"))->text(), QStringLiteral("BAYSIDE CATERING"));

    // The administrator stays; a user goes with the sessions.
    prefs.setSelectedUser(QStringLiteral("Admin"));
    prompts.expect(ZkPrompt::Warning, "Delete User", "You may not delete the Administrator");
    prefs.deleteUser();
    prefs.setSelectedUser(QStringLiteral("JOHN"));
    prompts.expect(ZkPrompt::Question, "Unlock User", "Confirm that you will unlock user 'JOHN'", 1)
        .expect(ZkPrompt::Information, "Unlock User", "Operation cancelled")
        .expect(ZkPrompt::Question, "Delete User", "Confirm that you will remove user 'JOHN' from the system", 0);
    prefs.unlockLogin();
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Login WHERE Name='JOHN'")), 1);
    prefs.deleteUser();
    QCOMPARE(personel("Name", "JOHN"), QStringLiteral("-"));
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Login WHERE Name='JOHN'")), 0);
    QCOMPARE(prefs.selectedUser(), QString());

    QCOMPARE(actionLines(), (QStringList{"PERSONEL|NEW USER KATE ADDED TO SYSTEM",
                                         "CHANGED GUI STYLE FOR KATE|OLD:'DEFAULT' NEW:'FUSION'",
                                         "PERSONEL|USER KATE UPDATED", "PERSONEL|USER JOHN DELETED FROM SYSTEM"}));
}

void TestPrefs::loginCodesStayUnique_data()
{
    QTest::addColumn<bool>("asNew");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("a new user with Mary's code") << true << "1111" << "MARY already logs in with this code";
    QTest::newRow("a new user with letters") << true << "12a4" << "digits only";
    QTest::newRow("Sue given John's code") << false << "2222" << "JOHN already logs in with this code";
    QTest::newRow("Sue without a code") << false << "" << "digits only";
}

void TestPrefs::loginCodesStayUnique()
{
    QFETCH(bool, asNew);
    QFETCH(QString, code);
    QFETCH(QString, refusal);
    TestShop shop;
    logActions();
    Prefs prefs;
    if (asNew) {
        shop.prompts()
            .expect(ZkPrompt::TextInput, "New User", "Enter the new users name", 0, "kate")
            .expect(ZkPrompt::TextInput, "New User", "Enter the users SP initials", 0, "kb")
            .expectExec("LoginCodeInput", enterCode(code))
            .expect(ZkPrompt::Warning, "New User", refusal);
        prefs.newUser();
        QCOMPARE(personel("Name", "KATE"), QStringLiteral("-"));
    } else {
        prefs.setSelectedUser(QStringLiteral("SUE"));
        type(prefs, QStringLiteral("CodeEdit"), code);
        shop.prompts().expect(ZkPrompt::Warning, "Update User", refusal);
        prefs.updateUser();
        QCOMPARE(personel("Code", "SUE"), QStringLiteral("3333"));
    }
    QVERIFY(actionLines().isEmpty());
    // Keeping one's own code is no clash.
    prefs.setSelectedUser(QStringLiteral("MARY"));
    prefs.updateUser();
    QCOMPARE(personel("Code", "MARY"), QStringLiteral("1111"));
}

void TestPrefs::aCashierMadeHereSeesOnlyTheirRights()
{
    Till till;
    utils->setUserName(QStringLiteral("Admin"));
    {
        Prefs prefs(till.window.get());
        till.shop.prompts()
            .expect(ZkPrompt::TextInput, "New User", "Enter the new users name", 0, "Nadia")
            .expect(ZkPrompt::TextInput, "New User", "Enter the users SP initials", 0, "np")
            .expectExec("LoginCodeInput", enterCode("7777"));
        prefs.newUser();
        widget<QCheckBox>(prefs, QStringLiteral("CashUpCheckBox"))->setChecked(true);
        widget<QCheckBox>(prefs, QStringLiteral("DiscountCheckBox"))->setChecked(true);
        widget<QCheckBox>(prefs, QStringLiteral("TouchCheckBox"))->setChecked(false);
        prefs.updateUser();
    }
    utils->setUserName(QStringLiteral("noone"));
    till.login(QStringLiteral("NADIA"));
    Sales& w = *till.window;
    QVERIFY(w.fileCashUpAction->isEnabled());
    // Switched on by the rights, whatever their parents say.
    QVERIFY(!w.LessEdit->testAttribute(Qt::WA_ForceDisabled));
    QVERIFY(!w.SetDiscountAEdit->testAttribute(Qt::WA_ForceDisabled));
    for (QAction* refused : {w.fileBackupAction, w.editPreferencesAction, w.fileMonthEndAction, w.viewAuditAction})
        QVERIFY2(!refused->isEnabled(), qPrintable(refused->objectName()));
    QVERIFY(w.PriceEdit->testAttribute(Qt::WA_ForceDisabled));
    QVERIFY(!w.TabWidget2->isTabEnabled(w.TabWidget2->indexOf(w.tab_6)));
    QVERIFY(till.exits.isEmpty());
}

BREVALON_TEST_MAIN(TestPrefs)
#include "tst_prefs.moc"
