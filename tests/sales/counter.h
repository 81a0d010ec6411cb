#pragma once

// A till ready to ring up: MARY logged in with the cash account chosen, the
// window shown and active so that keys reach the entry line, and helpers
// that type, scan and read sale lines the way a cashier would.

#include "tests/sales/till.h"

#include "core/zkprompt.h"

#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

class Counter : public Till
{
public:
    /** @p rights: MARY's rights; the cash lock is added so an account is chosen. */
    explicit Counter(QStringList rights = {QStringLiteral("Discount"), QStringLiteral("TaxControl"),
                                           QStringLiteral("PriceOveride")},
                     bool askQuantity = false)
    {
        settings->writeEntry(QStringLiteral("/Global/QtyCheck"), askQuantity);
        settings->writeEntry(QStringLiteral("/Global/LogActions"), true);
        utils->initClass(true);
        rights << QStringLiteral("CashOnlyLock");
        setRights(QStringLiteral("MARY"), rights);
        login(QStringLiteral("MARY"));
        // The rights are read again every second; a test sets its own.
        window->findChild<QTimer*>(QStringLiteral("PermissionTimer"))->stop();
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("the till's window did not become active");
        window->F2();
    }

    Sales& w() { return *window; }
    QLineEdit* entryLine() { return window->ItemComboBox->lineEdit(); }

    /** Types @p text into the entry line (each key as the cashier's: the
     *  combo has the focus and hands the keys to its line). */
    void type(const QString& text)
    {
        window->ItemComboBox->setFocus();
        entryLine()->selectAll();
        QTest::keyClick(window->ItemComboBox, Qt::Key_Backspace);
        QTest::keyClicks(window->ItemComboBox, text);
    }
    /** Return in the entry line. */
    void enter() { QTest::keyClick(window->ItemComboBox, Qt::Key_Return); }
    /** Types @p text and presses Return: a scan. */
    void scan(const QString& text)
    {
        type(text);
        enter();
    }
    /** Replaces a field's text by typing, then leaves it focused. */
    static void retype(QLineEdit* field, const QString& text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }

    /** Does what a cashier does, step by step: "scan X" types X and presses Return, "type X" only types;
     *  "enter" is Return in the entry line; "key F X" types X into the field named F, "set F X" pastes it,
     *  "press F" is Return there; "add" clicks Add; "pick N" takes the N-th item listed; "kind K" chooses
     *  the line type ("kind none" takes them all away); "note T" writes a note; "tier N" chooses a price tier; "line N" selects a sale line;
     *  "sql S" changes the shop behind the till's back. */
    void run(const QStringList& steps)
    {
        for (const QString& step : steps) {
            const QString verb = step.section(QLatin1Char(' '), 0, 0);
            const QString arg = step.section(QLatin1Char(' '), 1);
            auto* field = window->findChild<QLineEdit*>(arg.section(QLatin1Char(' '), 0, 0));
            const QString value = arg.section(QLatin1Char(' '), 1);
            if (verb == QLatin1String("scan"))
                scan(arg);
            else if (verb == QLatin1String("type"))
                type(arg);
            else if (verb == QLatin1String("enter"))
                enter();
            else if (verb == QLatin1String("key"))
                retype(field, value);
            else if (verb == QLatin1String("set"))
                field->setText(value);
            else if (verb == QLatin1String("press"))
                QTest::keyClick(field, Qt::Key_Return);
            else if (verb == QLatin1String("add"))
                window->AddPushButton->click();
            else if (verb == QLatin1String("pick")) {
                window->ItemComboBox->setCurrentIndex(arg.toInt());
                emit window->ItemComboBox->textActivated(window->ItemComboBox->currentText());
            } else if (step == QLatin1String("kind none")) {
                window->TypeComboBox->clear();
            } else if (verb == QLatin1String("kind")) {
                window->TypeComboBox->setCurrentIndex(window->TypeComboBox->findText(arg));
                emit window->TypeComboBox->activated(window->TypeComboBox->currentIndex());
            } else if (verb == QLatin1String("note"))
                window->NotesEdit->setPlainText(arg);
            else if (verb == QLatin1String("tier")) {
                window->PriceComboBox->setCurrentIndex(arg.toInt());
                emit window->PriceComboBox->activated(arg.toInt());
            } else if (verb == QLatin1String("line"))
                window->VendListView->setCurrentItem(window->VendListView->topLevelItem(arg.toInt()));
            else if (verb == QLatin1String("sql"))
                TestShop::exec(arg);
            else
                QTest::qFail(qPrintable(QLatin1String("no such step: ") + step), __FILE__, __LINE__);
        }
    }

    /** The items the entry lists, then the code of the one loaded. */
    QStringList entry()
    {
        QStringList shown;
        for (int i = 0; i < window->ItemComboBox->count(); ++i)
            shown << window->ItemComboBox->itemText(i);
        return shown << window->codeLabel->text();
    }
    /** Every line as "quantity|description|discount|amount". */
    QStringList sale()
    {
        QStringList s;
        for (int i = 0; i < lines(); ++i)
            s << line(i).mid(0, 4).join(QLatin1Char('|'));
        return s;
    }

    int lines() { return window->VendListView->topLevelItemCount(); }
    QString cell(int line, int column) { return window->VendListView->topLevelItem(line)->text(column); }
    QStringList line(int line)
    {
        QStringList texts;
        for (int c = 0; c < Sales::SaleColumnCount; ++c)
            texts << cell(line, c);
        return texts;
    }
    /** Description and amount of every line, as "DESCRIPTION=amount". */
    QStringList summary()
    {
        QStringList s;
        for (int i = 0; i < lines(); ++i)
            s << cell(i, Sales::ColDescription) + QLatin1Char('=') + cell(i, Sales::ColAmount);
        return s;
    }
    QString total() { return window->TotalLCD->text(); }

    /** Rows written by anything the till did since the shop was made. */
    static int written()
    {
        return TestShop::count(QStringLiteral("SELECT id FROM Actions"))
            + TestShop::count(QStringLiteral("SELECT MyNumber FROM Invoice"))
            + TestShop::count(QStringLiteral("SELECT MyNumber FROM InvoiceItem"));
    }

    /** The database goes away under the till: MariaDB drops the session,
     *  SQLite finds its file no longer a database. */
    void loseDatabase()
    {
        if (TestShop::isMariaDb()) {
            const QString id = TestShop::value(QStringLiteral("SELECT CONNECTION_ID()")).toString();
            const QString station = shop.openSecondStation();
            QSqlQuery kill(QSqlDatabase::database(station));
            if (!kill.exec(QStringLiteral("KILL CONNECTION ") + id))
                QTest::qFail("could not end the till's session", __FILE__, __LINE__);
        } else {
            // The file, its write-ahead log and the log's index all turn
            // to rubbish, as on a disk that failed.
            const QString path = QSqlDatabase::database().databaseName();
            for (const QString& name : {path, path + QLatin1String("-wal"), path + QLatin1String("-shm")}) {
                QFile file(name);
                if (!file.exists())
                    continue;
                if (!file.open(QIODevice::ReadWrite))
                    QTest::qFail("could not reach the database file", __FILE__, __LINE__);
                file.write(QByteArray(qMax<qint64>(file.size(), 4096), 'x'));
                file.close();
            }
        }
    }
};
