#include "maintenance/prefspersonnel.h"

#include "core/globals.h"
#include "core/settingscatalogue.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "core/zktransaction.h"
#include "sales/sales.h"

#include <QInputDialog>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStyleFactory>

namespace {

const QString kAdmin = QStringLiteral("Admin");

QString quoted(const QString& text)
{
    return QLatin1Char('\'') + Utility::escapeSQL(text) + QLatin1Char('\'');
}

QString styleKey(const QString& user)
{
    return ZkSettings::userKey(QStringLiteral("/Personal/GUIStyle/"), user);
}

QString touchKey(const QString& user)
{
    return ZkSettings::userKey(QStringLiteral("/Personal/VendPage/"), user);
}

QString dialogDefault(const QString& key)
{
    const SettingKey* entry = SettingsCatalogue::find(key);
    return entry ? entry->dialog : QString();
}

QStringList rightColumns()
{
    QStringList columns;
    for (int r = 0; r < Sales::RightCount; ++r)
        columns << Sales::rightColumn(Sales::Right(r));
    return columns;
}

} // namespace

PrefsPersonnel::PrefsPersonnel(QWidget* parent)
    : PrefsPersonnelGui(parent)
{
    StyleComboBox->addItem(QStringLiteral("Default"));
    StyleComboBox->addItems(QStyleFactory::keys());
    CodeEdit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), CodeEdit));
    clearDetails();
}

void PrefsPersonnel::load(const QSqlRecord&)
{
    const QString keep = m_user;
    listUsers();
    if (!keep.isEmpty())
        setSelectedUser(keep);
}

bool PrefsPersonnel::collect(PrefsSave&)
{
    return true;
}

QCheckBox* PrefsPersonnel::rightBox(const QString& column) const
{
    return findChild<QCheckBox*>(column + QLatin1String("CheckBox"));
}

void PrefsPersonnel::listUsers()
{
    const QSignalBlocker quiet(UserListBox);
    UserListBox->clear();
    m_user.clear();
    clearDetails();
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT Name FROM Personel ORDER BY Name"))) {
        Utility::showDBError(q);
        return;
    }
    while (q.next())
        UserListBox->addItem(q.value(0).toString());
}

void PrefsPersonnel::clearDetails()
{
    UserNameLabel->clear();
    for (QLineEdit* edit : {SPEdit, CodeEdit, CommisionEdit, CashAccEdit})
        edit->clear();
    CashAccNameLabel->clear();
    for (const QString& column : rightColumns())
        rightBox(column)->setChecked(false);
    DetailsGroupBox->setEnabled(false);
    PermissionsGroupBox->setEnabled(false);
}

void PrefsPersonnel::setSelectedUser(const QString& name)
{
    const QList<QListWidgetItem*> found = UserListBox->findItems(name, Qt::MatchExactly);
    if (found.isEmpty()) {
        userSelected(name);
        return;
    }
    if (UserListBox->currentItem() == found.first())
        userSelected(name);
    else
        UserListBox->setCurrentItem(found.first());
}

void PrefsPersonnel::userSelected(const QString& name)
{
    clearDetails();
    m_user = name;
    if (name.isEmpty())
        return;
    const QStringList rights = rightColumns();
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT SP, Code, Commision, Gross, CashAcc, ") + rights.join(QLatin1String(", "))
                + QLatin1String(" FROM Personel WHERE Name=") + quoted(name))) {
        Utility::showDBError(q);
        return;
    }
    UserNameLabel->setText(name);
    DetailsGroupBox->setEnabled(true);
    PermissionsGroupBox->setEnabled(true);
    if (q.next()) {
        SPEdit->setText(q.value(0).toString());
        CodeEdit->setText(q.value(1).toString());
        CommisionEdit->setText(Utility::numStr(q.value(2).toDouble(), 2));
        GrossComboBox->setCurrentIndex(q.value(3).toString() == QLatin1String("Y") ? 0 : 1);
        CashAccEdit->setText(q.value(4).toString());
        for (int i = 0; i < rights.size(); ++i)
            rightBox(rights.at(i))->setChecked(q.value(5 + i).toString() == QLatin1String("Y"));
        QSqlQuery client;
        if (!client.exec(QStringLiteral("SELECT Name FROM Clients WHERE AccountNumber='%1'")
                             .arg(q.value(4).toInt())))
            Utility::showDBError(client);
        else if (client.next())
            CashAccNameLabel->setText(client.value(0).toString());
    }
    const QString style = settings->readEntry(styleKey(name), dialogDefault(styleKey(name)));
    if (StyleComboBox->findText(style) < 0)
        StyleComboBox->addItem(style);
    StyleComboBox->setCurrentText(style);
    TouchCheckBox->setChecked(
        settings->readBoolEntry(touchKey(name), dialogDefault(touchKey(name)) == QLatin1String("true")));
}

void PrefsPersonnel::cancelled(const QString& caption)
{
    ZkPrompt::information(this, caption, tr("Operation cancelled"));
}

bool PrefsPersonnel::codeAcceptable(const QString& code, const QString& user, const QString& caption)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!digits.match(code).hasMatch()) {
        ZkPrompt::warning(this, caption, tr("A login code is made of digits only, as typed on the keypad."));
        return false;
    }
    // Nothing in the database keeps two users from one code: the login
    // would take whichever it found first.
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT Name FROM Personel WHERE Code=") + quoted(code)
                + QLatin1String(" AND Name<>") + quoted(user))) {
        Utility::showDBError(q);
        return false;
    }
    if (q.next()) {
        ZkPrompt::warning(this, caption,
                          tr("%1 already logs in with this code. Every user needs a code of their own.")
                              .arg(q.value(0).toString()));
        return false;
    }
    return true;
}

void PrefsPersonnel::newUser()
{
    const QString caption = tr("New User");
    bool ok = false;
    const QString name = ZkPrompt::getText(this, caption, tr("Enter the new users name"), QString(), &ok)
                             .trimmed()
                             .toUpper();
    if (!ok || name.isEmpty())
        return cancelled(caption);
    const QString sp = ZkPrompt::getText(this, caption, tr("Enter the users SP initials"), QString(), &ok)
                           .trimmed()
                           .toUpper();
    if (!ok || sp.isEmpty())
        return cancelled(caption);
    // The code is typed unseen, as at the keypad.
    QInputDialog codeInput(this);
    codeInput.setObjectName(QStringLiteral("LoginCodeInput"));
    codeInput.setWindowTitle(caption);
    codeInput.setLabelText(tr("Enter the user Login code"));
    codeInput.setTextEchoMode(QLineEdit::Password);
    const QString code = ZkPrompt::exec(&codeInput) == QDialog::Accepted ? codeInput.textValue().trimmed() : QString();
    if (code.isEmpty())
        return cancelled(caption);

    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT Name FROM Personel WHERE UPPER(Name)=") + quoted(name))) {
        Utility::showDBError(q);
        return;
    }
    if (q.next()) {
        ZkPrompt::warning(this, caption, tr("There is already a user %1.").arg(q.value(0).toString()));
        return;
    }
    if (!codeAcceptable(code, name, caption))
        return;
    {
        ZkTransaction unit;
        if (!unit.isOpen())
            return;
        if (!q.exec(QStringLiteral("INSERT INTO Personel (Name, SP, Code) VALUES (%1, %2, %3)")
                        .arg(quoted(name), quoted(sp), quoted(code)))) {
            unit.rollback();
            Utility::showDBError(q);
            return;
        }
        utils->logAction(tr("Personel"), tr("New user %1 added to system").arg(name), QString(), '0');
        if (!unit.commit())
            return;
    }
    listUsers();
    setSelectedUser(name);
}

void PrefsPersonnel::updateUser()
{
    const QString caption = tr("Update User");
    if (m_user.isEmpty()) {
        ZkPrompt::warning(this, caption, tr("You must have a user selected to perform an update"));
        return;
    }
    const QString code = CodeEdit->text().trimmed();
    if (!codeAcceptable(code, m_user, caption))
        return;
    bool ok = false;
    const double commission = Utility::strNum(CommisionEdit->text(), &ok);
    if (!ok || commission < 0 || commission > 100) {
        ZkPrompt::warning(this, caption, tr("The commission is a per cent from 0 to 100."));
        return;
    }
    const int cashAccount = CashAccEdit->text().trimmed().toInt(&ok);
    if (!ok || cashAccount < 0) {
        ZkPrompt::warning(this, caption, tr("The cash account is an account number."));
        return;
    }

    QStringList sets;
    for (const QString& column : rightColumns())
        sets << column + (rightBox(column)->isChecked() ? QLatin1String("='Y'") : QLatin1String("='N'"));
    sets << QStringLiteral("SP=") + quoted(SPEdit->text().trimmed().toUpper())
         << QStringLiteral("Code=") + quoted(code) << QStringLiteral("Commision=%1").arg(commission)
         << QStringLiteral("Gross=") + (GrossComboBox->currentIndex() == 0 ? QLatin1String("'Y'") : QLatin1String("'N'"))
         << QStringLiteral("CashAcc=%1").arg(cashAccount);

    const QString key = styleKey(m_user);
    const QString oldStyle = settings->readEntry(key, dialogDefault(key));
    const QString style = StyleComboBox->currentText();
    {
        ZkTransaction unit;
        if (!unit.isOpen())
            return;
        QSqlQuery q;
        if (!q.exec(QStringLiteral("UPDATE Personel SET ") + sets.join(QLatin1String(", "))
                    + QLatin1String(" WHERE Name=") + quoted(m_user))) {
            unit.rollback();
            Utility::showDBError(q);
            return;
        }
        if (style != oldStyle)
            utils->logAction(tr("Changed GUI Style for %1").arg(m_user),
                             QStringLiteral("Old:'%1' New:'%2'").arg(oldStyle, style), QString(), '2');
        utils->logAction(tr("Personel"), tr("User %1 updated").arg(m_user), QString(), '0');
        if (!unit.commit())
            return;
    }
    settings->writeEntry(key, style);
    settings->writeEntry(touchKey(m_user), TouchCheckBox->isChecked());
    settings->sync();
    userSelected(m_user);
}

void PrefsPersonnel::deleteUser()
{
    const QString caption = tr("Delete User");
    if (m_user.isEmpty()) {
        ZkPrompt::warning(this, caption, tr("You must have a user selected to perform a delete"));
        return;
    }
    if (m_user == kAdmin) {
        ZkPrompt::warning(this, caption, tr("You may not delete the Administrator"));
        return;
    }
    if (ZkPrompt::question(this, caption, tr("Confirm that you will remove user '%1' from the system").arg(m_user),
                           {tr("&Yes"), tr("&No")}, 1, 1)
        != 0)
        return cancelled(caption);
    {
        ZkTransaction unit;
        if (!unit.isOpen())
            return;
        QSqlQuery q;
        for (const char* table : {"Personel", "Login"}) {
            if (!q.exec(QStringLiteral("DELETE FROM %1 WHERE Name=").arg(QLatin1String(table)) + quoted(m_user))) {
                unit.rollback();
                Utility::showDBError(q);
                return;
            }
        }
        utils->logAction(tr("Personel"), tr("User %1 deleted from system").arg(m_user), QString(), '0');
        if (!unit.commit())
            return;
    }
    listUsers();
}

void PrefsPersonnel::unlockLogin()
{
    const QString caption = tr("Unlock User");
    if (m_user.isEmpty()) {
        ZkPrompt::warning(this, caption, tr("You must have a user selected to perform an unlock"));
        return;
    }
    if (ZkPrompt::question(this, caption,
                           tr("Confirm that you will unlock user '%1', this will result in their sessions terminating")
                               .arg(m_user),
                           {tr("&Yes"), tr("&No")}, 1, 1)
        != 0)
        return cancelled(caption);
    ZkTransaction unit;
    if (!unit.isOpen())
        return;
    utils->logAction(tr("Personel"), tr("Unlock user %1").arg(m_user), QString(), '0');
    // The station where the user works notices the missing row the next
    // time it checks the session, and ends.
    QSqlQuery q;
    if (!q.exec(QStringLiteral("DELETE FROM Login WHERE Name=") + quoted(m_user))) {
        unit.rollback();
        Utility::showDBError(q);
        return;
    }
    unit.commit();
}

void PrefsPersonnel::applyStyle(const QString& style)
{
    Sales::applyStyle(style);
}
