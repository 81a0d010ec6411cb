// The preferences dialog: what a save writes and logs (and what it refuses,
// changing nothing), the defaults an untouched dialog shows and then keeps,
// and the users: new, update, delete and unlock, login codes kept unique,
// and a cashier made here seeing only the controls of the rights given.

#include "documents/docprint.h"
#include "maintenance/prefs.h"
#include "tests/sales/till.h"
#include "tests/support/actionrows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QPointer>
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

// Sets a field as the operator would: a check box ticked by "on", a list
// to the entry of that text (or "#n" to its n-th), an edit typed into.
void type(Prefs& prefs, const QString& name, const QString& text)
{
    if (auto* box = prefs.findChild<QCheckBox*>(name))
        box->setChecked(text == QLatin1String("on"));
    else if (auto* list = prefs.findChild<QComboBox*>(name))
        text.startsWith('#') ? list->setCurrentIndex(text.mid(1).toInt()) : list->setCurrentText(text);
    else if (auto* edit = widget<QLineEdit>(prefs, name))
        edit->setText(text);
}

// What fields show, as "on"/"off" for check boxes and text otherwise.
QStringList shown(Prefs& prefs, const QStringList& names)
{
    QStringList out;
    for (const QString& name : names) {
        if (auto* box = prefs.findChild<QCheckBox*>(name))
            out << (box->isChecked() ? "on" : "off");
        else if (auto* list = prefs.findChild<QComboBox*>(name))
            out << list->currentText();
        else if (auto* edit = widget<QLineEdit>(prefs, name))
            out << edit->text();
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
    const QStringList rows
        = TestShop::rows(QStringLiteral("SELECT %1 FROM Personel WHERE Name='%2'").arg(columns, name));
    return rows.isEmpty() ? QStringLiteral("-") : rows.first();
}

void newUser(TestShop& shop, const QString& name, const QString& initials, const QString& code)
{
    shop.prompts()
        .expect(ZkPrompt::TextInput, "New User", "Enter the new users name", 0, name)
        .expect(ZkPrompt::TextInput, "New User", "Enter the users SP initials", 0, initials)
        .expectExec("LoginCodeInput", enterCode(code));
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
    const QStringList before = TestShop::snapshot();
    Prefs prefs;
    // Absent keys show the dialog's defaults of the catalogue.
    QCOMPARE(shown(prefs, {"PrintReceiptCheckBox", "DisplaySpeedComboBox", "PreviewHeightEdit", "SlipBOLDEdit",
                           "Tax1Edit", "SemperNewVersionCheckBox", "SemperHostEdit"}),
             (QStringList {"off", "9600", "590", "27,69", Utility::numStr(0.15, 4), "on", ""}));
    QVERIFY(!settings->contains(QStringLiteral("/Global/PrintReceipt")));
    const QPointer<DocPrint> renderer = utils->docPrint();

    prefs.saveSettings();
    QCOMPARE(prefs.result(), int(QDialog::Accepted));
    QCOMPARE(actionLines(), QStringList {QStringLiteral("CONFIG|SETTINGS SAVED")});
    QCOMPARE(TestShop::snapshot(), before);
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
    const QString tax = Utility::numStr(0.15, 4), newTax = Utility::numStr(0.14, 4);
    // Field, value, and the line its change logs.
    const QList<QStringList> changes {
        {"ALINE1Edit", "The Harbour Kitchen & Bar",
         "CHANGED BUSINESS NAME|OLD:'THE HARBOUR KITCHEN' NEW:'THE HARBOUR KITCHEN & BAR'"},
        {"Tax1Edit", newTax, "CHANGED TAX RATE|OLD:'" + tax + "' NEW:'" + newTax + "'"},
        {"TaxModeComboBox", "#0", "CHANGED TAX MODE|OLD:'I' NEW:'E'"},
        {"ReceiptPreviewCheckBox", "on", "CHANGED RECEIPT PRINTER PREVIEW|OLD:'OFF' NEW:'ON'"},
        {"KitchenModeComboBox", "#3", "CHANGED KITCHEN PRINTER MODE|OLD:'' NEW:'OFF'"},
        {"SmtpServerEdit", "mail.example", "CHANGED SMTP SERVER|OLD:'OLD.EXAMPLE' NEW:'MAIL.EXAMPLE'"},
        {"SmtpPortEdit", "2525", "CHANGED SMTP PORT|OLD:'25' NEW:'2525'"},
        {"Slip40BOLDEdit", "27,71,1", "CHANGED SLIP40 PRINTER BOLD CODES|OLD:'27,71,33' NEW:'27,71,1'"},
        {"RoundingEdit", "5", "CHANGED ROUNDING|OLD:'0' NEW:'5'"},
        {"DisplayPoleComboBox", "COM1", "DISPLAY POLE CHANGED|OLD:'NONE' NEW:'COM1'"},
        {"CashDrawDSRCheckBox", "on", "CAS DRAWER DTR-DSR CHANGED|OLD:'NO' NEW:'YES'"},
        {"Note2ValueEdit", Utility::numStr(50, 2), "CONFIG|BANKNOTE2 CHANGED TO " + Utility::numStr(50, 2)},
        {"FullScreenCheckBox", "on", "CHANGED FULLSCREEN|OLD:'FALSE' NEW:'TRUE'"},
        {"BackupCmdEdit", "/usr/local/bin/to-usb", "CHANGED BACKUP MEDIA APP|OLD:'' NEW:'/USR/LOCAL/BIN/TO-USB'"},
        {"SnapScanEnabledCheckBox", "on", "ENABLED SNAPSCAN INTERFACE|"},
        {"SnapScanHostEdit", "pay.example", "CHANGED SNAPSCAN SERVER|OLD:'' NEW:'PAY.EXAMPLE'"},
        {"SnapScanMerchantIdEdit", "Harbour01", "CHANGED SNAPSCAN MERCHANT ID|OLD:'' NEW:'HARBOUR01'"},
        {"SemperPortEdit", "1700", "CHANGED SEMPER PORT|OLD:'1600' NEW:'1700'"},
        {"SemperNewVersionCheckBox", "off", "DISABLED NEW SEMPER VERSION|"},
    };
    QStringList logged;
    for (const QStringList& change : changes) {
        type(prefs, change.at(0), change.at(1));
        logged << change.at(2);
    }
    prefs.saveSettings();
    QCOMPARE(prefs.result(), int(QDialog::Accepted));
    QCOMPARE(actionLines(), logged << "CONFIG|SETTINGS SAVED");
    QCOMPARE(TestShop::rows(QStringLiteral("SELECT ALINE1, TaxMode FROM SysInfo")),
             QStringList {"The Harbour Kitchen & Bar|E"});
    QCOMPARE(utils->getTax1(), 0.14);
    QCOMPARE(utils->roundingUnit(), 5);
    QStringList stored;
    for (const char* key : {"/Global/SmtpPort", "/KitchenPrinter/Mode", "/ReceiptPrinter/Preview",
                            "/Global/CashDrawDSR", "/Global/SnapScan/MerchantId", "/Global/Semper/Port"})
        stored << settings->readEntry(QLatin1String(key));
    QCOMPARE(stored, (QStringList {"2525", "off", "ON", "Yes", "Harbour01", "1700"}));
    QCOMPARE(settings->readDoubleEntry(QStringLiteral("/Global/BankNote2Value")), 50.0);
    QVERIFY(settings->readBoolEntry(QStringLiteral("/Global/FullScreen")));
    QVERIFY(settings->readBoolEntry(QStringLiteral("/Global/SnapScan/Enabled")));
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
    const QStringList before = TestShop::snapshot();
    Prefs prefs;
    // A good change on another page is not written either.
    type(prefs, QStringLiteral("SmtpServerEdit"), QStringLiteral("mail.example"));
    type(prefs, QStringLiteral("ALINE2Edit"), QStringLiteral("15 Quay Street"));
    type(prefs, field, value);
    shop.prompts().expect(ZkPrompt::Warning, QStringLiteral("Brevalon Preferences"), refusal);
    prefs.saveSettings();
    QVERIFY(prefs.result() != QDialog::Accepted);
    QVERIFY(actionLines().isEmpty());
    QCOMPARE(TestShop::snapshot(), before);
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
    QCOMPARE(personel("Name", "KATE"), QStringLiteral("-"));
    newUser(shop, "kate", "kb", "5555");
    prefs.newUser();
    QCOMPARE(personel("SP, Code, Backup", "KATE"), QStringLiteral("KB|5555|N"));
    QCOMPARE(prefs.selectedUser(), QStringLiteral("KATE"));

    // Update: the rights, the details, the style and the touch layout.
    for (const auto& [name, value] : QList<QPair<QString, QString>> {{"BackupCheckBox", "on"},
                                                                     {"VoidReceiptCheckBox", "on"},
                                                                     {"CommisionEdit", Utility::numStr(3.5, 2)},
                                                                     {"GrossComboBox", "#1"},
                                                                     {"CashAccEdit", "14"},
                                                                     {"StyleComboBox", "Fusion"},
                                                                     {"TouchCheckBox", "off"}})
        type(prefs, name, value);
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

    QCOMPARE(actionLines(), (QStringList {"PERSONEL|NEW USER KATE ADDED TO SYSTEM",
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
    const QStringList before = TestShop::snapshot();
    Prefs prefs;
    if (asNew) {
        newUser(shop, "kate", "kb", code);
        shop.prompts().expect(ZkPrompt::Warning, "New User", refusal);
        prefs.newUser();
    } else {
        prefs.setSelectedUser(QStringLiteral("SUE"));
        type(prefs, QStringLiteral("CodeEdit"), code);
        shop.prompts().expect(ZkPrompt::Warning, "Update User", refusal);
        prefs.updateUser();
    }
    QCOMPARE(TestShop::snapshot(), before);
    QVERIFY(actionLines().isEmpty());
    // Keeping one's own code is no clash.
    prefs.setSelectedUser(QStringLiteral("MARY"));
    prefs.updateUser();
    QCOMPARE(actionLines(), QStringList {"PERSONEL|USER MARY UPDATED"});
}

void TestPrefs::aCashierMadeHereSeesOnlyTheirRights()
{
    Till till;
    utils->setUserName(QStringLiteral("Admin"));
    {
        Prefs prefs(till.window.get());
        newUser(till.shop, "Nadia", "np", "7777");
        prefs.newUser();
        type(prefs, QStringLiteral("CashUpCheckBox"), QStringLiteral("on"));
        type(prefs, QStringLiteral("DiscountCheckBox"), QStringLiteral("on"));
        type(prefs, QStringLiteral("TouchCheckBox"), QStringLiteral("off"));
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
