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
