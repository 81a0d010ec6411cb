#pragma once

#include "forms/tableentrygui.h"

#include <QMap>
#include <QString>

/**
 * The table chooser of the restaurant till: the tables with open orders,
 * the free tables ("New Table"), or the tables whose bills wait for payment
 * ("Pay Table"). Accepting returns the chosen table's name (getValue); a
 * table chosen to pay ends the dialog with PayTable, the invoice button with
 * PayByInvoice.
 */
class TableEntry : public TableEntryGui
{
    Q_OBJECT

public:
    /** Results beyond accept and reject. */
    enum Result { PayTable = 87654, PayByInvoice = 98765 };

    explicit TableEntry(QWidget* parent = nullptr, const char* name = nullptr, bool modal = true,
                        Qt::WindowFlags flags = {});

    /** Lists the busy tables: those with a pending invoice, only the
     *  current waiter's when the waiter works on the touch page. */
    void init();
    /** The name of the table chosen. */
    QString getValue() const { return m_value; }
    /** The bill chosen in the Pay Table list: each bill of a split table
     *  stands apart there; 0 for a table whose bills are paid together. */
    int getInvoice() const { return m_invoice; }
    /** Whether the list shows the bills to pay. */
    bool payMode() const { return m_payMode; }

public slots:
    void newTable() override;
    void payBill() override;
    void payInvoice() override;
    void tableSelected(QListWidgetItem* item) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void languageChange() override;

private:
    /** Shows @p names (with an optional second line each) as table icons. */
    void showTables(const QString& title, const QStringList& names, const QStringList& notes, bool busy,
        const QList<int>& bills = {});
    static bool isTableName(const QString& name);
    /** "k/n": which of the bills split from @p root @p bill is; empty
     *  after a failed statement (shown). */
    static QString splitPart(int bill, int root);

    QString m_value;
    int m_invoice = 0;
    QMap<int, QString> m_splits; ///< bill -> its part of a split
    bool m_payMode = false;
    bool m_chosen = false;
    QString m_title;
};
