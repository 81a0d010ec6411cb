#pragma once

// A till that takes money and makes documents: MARY at the counter of the
// demo shop on the cash account, the window shown, every printer role
// previewing so that each document reaches the scripted document window.
// There a page is printed to PDF (its text read back with pdftotext) and a
// slip is printed: through the private CUPS queue of the test command when
// it runs (the bytes are then read back from the printer's end, and the
// drawer opens through the receipt printer), otherwise to a file.

#include "tests/posting/docparts.h"
#include "tests/sales/counter.h"
#include "tests/support/actionrows.h"
#include "tests/support/printqueue.h"

#include "documents/docprint.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

/** What the document window was given and what it printed. */
struct Printed
{
    DocParts parts;
    bool viewOnly = false;
    QString text;     ///< the page's text (pdftotext), or the slip's text
    QByteArray bytes; ///< the slip's bytes as the printer received them
};

class TenderTill : public Counter
{
public:
    /** The drawer kick of a 40-column receipt printer. */
    static QByteArray kick() { return QByteArray("\x1b\x70\x30\x37\x79"); }

    explicit TenderTill(QStringList rights = {QStringLiteral("Discount"), QStringLiteral("TaxControl"),
                                              QStringLiteral("PriceOveride"), QStringLiteral("Refunds"),
                                              QStringLiteral("VoidReceipt"), QStringLiteral("VoidInvoice"),
                                              QStringLiteral("ViewDocuments")})
        : Counter(rights, true)
    {
        window->probeClientSearch = false;
        window->probeDocuments = false;
        for (const char* role : {"Receipt", "Invoice", "Label", "Kitchen", "Mail"})
            settings->writeEntry(QStringLiteral("/%1Printer/Preview").arg(QLatin1String(role)), QStringLiteral("ON"));
        settings->writeEntry(QStringLiteral("/LabelPrinter/Mode"), QStringLiteral("off"));
        settings->writeEntry(QStringLiteral("/KitchenPrinter/Mode"), QStringLiteral("off"));
        settings->writeEntry(QStringLiteral("/ReceiptPrinter/Mode"), QStringLiteral("slip40"));
        if (spooling()) {
            settings->writeEntry(QStringLiteral("/ReceiptPrinter/PrinterName"), printer.name);
            settings->writeEntry(QStringLiteral("/Global/CashDraw"), QStringLiteral("SLIP40"));
        }
        utils->initClass(true);
        utils->newDocPrint();
        m_hasPdfText = !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
    }

    /** True when slips go through the test command's CUPS queue. */
    bool spooling() const { return printer.available(); }

    /** Expects a page document: answered @p result; printed to PDF when
     *  accepted. */
    void expectPage(Printed* shown, int result = 1)
    {
        shop.prompts().expectExec(QStringLiteral("DocPrint"), [=](QDialog* d) {
            auto* dp = static_cast<DocPrint*>(d);
            record(dp, shown);
            if (result != 1)
                return result;
            const QString pdf = m_files.filePath(QStringLiteral("page%1.pdf").arg(++m_printed));
            dp->currentPrinter()->setOutputFileName(pdf);
            dp->printPage();
            if (shown && m_hasPdfText) {
                QProcess p;
                p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
                p.waitForFinished();
                shown->text = QString::fromUtf8(p.readAllStandardOutput());
            }
            keep(pdf);
            return dp->result();
        });
    }

    /** Expects a slip document (a receipt): answered @p result; printed
     *  when accepted. */
    void expectSlip(Printed* shown, int result = 1)
    {
        shop.prompts().expectExec(QStringLiteral("DocPrint"), [=](QDialog* d) {
            auto* dp = static_cast<DocPrint*>(d);
            record(dp, shown);
            if (shown)
                shown->text = dp->slipText();
            if (result != 1)
                return result;
            const QByteArray bytes = dp->slipBytes();
            if (spooling()) {
                printer.mark();
                dp->printPage();
                // Waited for even when unread: the spooler delivers late, and
                // a slip arriving during the next check would be taken there.
                const QByteArray delivered = printer.take(bytes.size());
                if (shown)
                    shown->bytes = delivered;
            } else {
                const QString file = m_files.filePath(QStringLiteral("slip%1.bin").arg(++m_printed));
                dp->currentPrinter()->setOutputFileName(file);
                dp->printPage();
                QFile f(file);
                if (shown && f.open(QIODevice::ReadOnly))
                    shown->bytes = f.readAll();
            }
            return dp->result();
        });
    }

    /** Rings up an item by its code with a quantity (the till asks for it)
     *  and, when given, a discount in percent. */
    void ring(const QString& code, const QString& quantity = QStringLiteral("1"), const QString& discount = QString())
    {
        scan(code);
        if (!window->itemValidated())
            QTest::qFail(qPrintable(QStringLiteral("item %1 did not load").arg(code)), __FILE__, __LINE__);
        if (!discount.isEmpty())
            retype(window->LessEdit, discount);
        retype(window->QuantityEdit, quantity);
        QTest::keyClick(window->QuantityEdit, Qt::Key_Return);
    }

    /** 3 x COCA-COLA, STILL WATER and SPARKLING WATER: 85.50. */
    void ringLunch()
    {
        ring(QStringLiteral("1001"), QStringLiteral("3"));
        ring(QStringLiteral("1004"));
        ring(QStringLiteral("1003"));
    }

    /** Chooses an account as the cashier does on the client page. */
    void choose(int account) { window->fillInDetails(QString::number(account), true); }

    static QString text(const QString& sql) { return TestShop::value(sql).toString(); }
    /** The infos of the log rows of @p action. */
    static QStringList actions(const QString& action)
    {
        QStringList infos;
        for (const ActionRow& r : actionRows()) {
            if (r.action == action)
                infos << r.info;
        }
        return infos;
    }
    /** A ledger row as posting writes it. */
    static void journal(int account, const char* code, double amount, int number, int crossRef = 0,
                        const char* date = "2026-12-01 12:00:00", const char* table = "Journal")
    {
        TestShop::exec(QStringLiteral("INSERT INTO %1 (AccountNumber, Description, MyDate, Amount, MyNumber, CrossRef) "
                                      "VALUES (%2, '%3', '%4', %5, %6, %7)")
                           .arg(QLatin1String(table))
                           .arg(account)
                           .arg(QLatin1String(code), QLatin1String(date))
                           .arg(amount, 0, 'f', 2)
                           .arg(number)
                           .arg(crossRef));
    }
    static double money(const QString& sql) { return Utility::roundCents(TestShop::value(sql).toDouble()); }

private:
    static void record(DocPrint* dp, Printed* shown)
    {
        if (!shown)
            return;
        shown->parts = DocParts::fromRoot(dp->documentRoot());
        shown->viewOnly = !dp->ProcessButton->isEnabled();
    }

    /** With BREVALON_KEEP_OUTPUT set, pages are kept there to look at. */
    void keep(const QString& path) const
    {
        const QString dir = QString::fromLocal8Bit(qgetenv("BREVALON_KEEP_OUTPUT"));
        if (dir.isEmpty())
            return;
        const QString name = QString::fromLatin1(QTest::currentTestFunction()) + QLatin1Char('-')
            + QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_'))
            + QLatin1Char('-') + QFileInfo(path).fileName();
        QFile::remove(dir + QLatin1Char('/') + name);
        QFile::copy(path, dir + QLatin1Char('/') + name);
    }

public:
    /** The receipt printer's queue, when the test command runs it. */
    PrintQueue printer;

private:
    bool m_hasPdfText = false;
    QTemporaryDir m_files;
    int m_printed = 0;
};
