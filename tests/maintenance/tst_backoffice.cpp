// The back office: the item, department, composition, supplier and stock dialogs, each saving what a user
// made and refusing what is wrong with the tables left as they were; prices from cost and markup; stock
// booked in one unit while other tills sell; the menus that open the dialogs under their rights, with what
// was made there rung up on the touch page; every dialog on a screen of 800x600; the preferences and users;
// and the backup with its restore by brevalon-db, hostile text coming back row for row and files that are no
// backup refused.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkrowstream.h"
#include "core/zksettings.h"
#include "documents/docprint.h"
#include "main/dbsetup.h"
#include "maintenance/backupwriter.h"
#include "maintenance/comptable.h"
#include "maintenance/deptable.h"
#include "maintenance/itemlistmodel.h"
#include "maintenance/prefs.h"
#include "maintenance/rankswap.h"
#include "maintenance/stock.h"
#include "maintenance/supplier.h"
#include "maintenance/vendtable.h"
#include "tests/sales/counter.h"
#include "tests/sales/till.h"
#include "tests/support/actionrows.h"
#include "tests/support/salerows.h"
#include "tests/support/testshop.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QInputDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <functional>
#include <map>
#include <memory>
#include <numeric>
#include <sys/resource.h>

namespace {

// The shop with the action log on and MARY logged in.
class BackOffice : public TestShop
{
public:
    BackOffice()
    {
        settings->writeEntry(QStringLiteral("/Global/LogActions"), true);
        utils->initClass(true);
        utils->setUserName(QStringLiteral("MARY"));
    }

    /** Expects prompts written "kind|caption|text|button", kind I, W, Q or T (a text input answered with
     *  the button field as its text; an empty one cancels). An empty caption is any caption. */
    void expect(const QStringList& list)
    {
        const QMap<QString, ZkPrompt::Kind> kinds {
            {"I", ZkPrompt::Information}, {"W", ZkPrompt::Warning}, {"Q", ZkPrompt::Question}};
        for (const QString& p : list) {
            const QString caption = p.section('|', 1, 1), text = p.section('|', 2, 2), answer = p.section('|', 3, 3);
            if (p.startsWith('T'))
                prompts().expect(ZkPrompt::TextInput, caption, text, 0, answer, !answer.isEmpty());
            else
                prompts().expect(kinds.value(p.section('|', 0, 0)), caption, text, answer.toInt());
        }
    }

    void expectPictureFile(const QString& path)
    {
        prompts().expect(ZkPrompt::OpenFile, QStringLiteral("Choose Image"), QString(), 0, path);
    }
};

#define PROMPTED(shop) QVERIFY2((shop).prompts().done(), qPrintable((shop).prompts().pending()))

QString pictureFile(const QString& home, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(QColor(200, 60, 50));
    const QString path = home + QStringLiteral("/picture%1x%2.png").arg(width).arg(height);
    image.save(path);
    return path;
}

QString fakePictureFile(const QString& home)
{
    QFile f(home + QStringLiteral("/notes.png"));
    f.open(QIODevice::WriteOnly);
    f.write("these are my notes, not a picture\n");
    return f.fileName();
}

QString text(const QString& sql)
{
    return TestShop::value(sql).toString();
}

double number(const QString& sql)
{
    return TestShop::value(sql).toDouble();
}

QString item(const QString& column, const QString& code)
{
    return text(QString("SELECT %1 FROM Inventory WHERE Code='%2'").arg(column, code));
}

QString department(const QString& column, const QString& name)
{
    return text(QString("SELECT %1 FROM Departments WHERE Department='%2'").arg(column, name));
}

/** Sets fields written "Name=text" as a user would: an item choice typed and entered, a check box ticked
 *  by "on", an edit typed (and so marked edited). */
void fill(QWidget& d, const QStringList& fields)
{
    for (const QString& f : fields) {
        const QString name = f.section('=', 0, 0), value = f.section('=', 1);
        if (auto* choice = d.findChild<QComboBox*>(name)) {
            choice->setEditText(value);
            QTest::keyClick(choice, Qt::Key_Return);
        } else if (auto* box = d.findChild<QCheckBox*>(name)) {
            box->setChecked(value == "on");
        } else {
            QLineEdit* edit = d.findChild<QLineEdit*>(name);
            QVERIFY2(edit, qPrintable(f));
            edit->setText(value);
            edit->setModified(true);
        }
    }
}

void choose(CompTable& d, const QString& code)
{
    fill(d, {"ItemComboBox=" + code});
}

QStringList totals(const CompTable& d)
{
    return {d.BaseTotalLabel->text(), d.Tier1TotalLabel->text(), d.Tier2TotalLabel->text()};
}

QStringList contents(int composition)
{
    QStringList rows;
    QSqlQuery q;
    q.exec(QString("SELECT Quantity, Code, Discountable, Discount FROM CompositionContents WHERE CompId=%1 ORDER BY id")
               .arg(composition));
    while (q.next())
        rows << QString("%1 %2 %3 %4")
                    .arg(q.value(0).toDouble())
                    .arg(q.value(1).toString(), q.value(2).toString())
                    .arg(q.value(3).toDouble());
    return rows;
}

/** Finds an item by what is typed and puts a row in the list. */
void receive(Stock& d, const QString& code, const QString& quantity, bool adjustment = false,
             const QString& price = QString())
{
    fill(d, {"ItemComboBox=" + code, "QuantityEdit=" + quantity});
    QVERIFY2(d.itemValidated(), qPrintable(code));
    d.AdjustmentCheckBox->setChecked(adjustment);
    if (!price.isNull())
        d.PriceEdit->setText(price);
    d.AddPushButton->click();
}

/** The dialog of @p kind with @p selected highlighted (empty: none); null when it cannot be. */
std::unique_ptr<QDialog> openDialog(const QString& kind, const QString& selected)
{
    const bool none = selected.isEmpty();
    if (kind == "item") {
        auto d = std::make_unique<VendTable>();
        return none || d->showItem(selected) ? std::move(d) : nullptr;
    }
    if (kind == "department") {
        auto d = std::make_unique<DepTable>();
        return none || d->selectDepartment(selected) ? std::move(d) : nullptr;
    }
    if (kind == "composition") {
        auto d = std::make_unique<CompTable>();
        if (!none && !d->selectComposition(selected))
            return nullptr;
        d->ItemListView->setCurrentItem(d->ItemListView->topLevelItem(0));
        return d;
    }
    if (kind == "supplier") {
        auto d = std::make_unique<Supplier>();
        return none || d->selectSupplier(selected) ? std::move(d) : nullptr;
    }
    return std::make_unique<Stock>(true, true);
}

QStringList placeCodes(const Sales& w)
{
    QStringList codes;
    for (int id = Sales::kFirstPlace; id < Sales::kFirstPlace + Sales::kPlaceCount; ++id)
        codes << w.placeCode(id);
    while (!codes.isEmpty() && codes.last().isEmpty())
        codes.removeLast();
    return codes;
}

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

// Text that breaks naive quoting, escaping or line handling.
const QStringList kHostile = {
    QStringLiteral("O'Brien"),
    QStringLiteral("back\\slash and a trailing one\\"),
    QStringLiteral("\\N as written, not NULL"),
    QStringLiteral("\\n as written, not a line break"),
    QStringLiteral("two\nlines"),
    QStringLiteral("crlf\r\nand a tab\t"),
    QString::fromUtf16(u"nul\u0000inside", 11),
    QString::fromUtf8("\xc3\x9cml\xc3\xa4ut \xce\x91\xce\x92\xce\x93 \xe6\xbc\xa2\xe5\xad\x97 \xf0\x9f\x98\x80"),
    QStringLiteral("'); DELETE FROM Clients; --"),
    QStringLiteral("''\\''"),
};

// Every row of a table as text, NULL told apart, in a fixed order.
QList<QByteArray> rowsOf(const QString& table)
{
    QList<QByteArray> rows;
    ZkRowStream stream;
    if (!stream.exec(QStringLiteral("SELECT * FROM ") + table)) {
        QTest::qFail(qPrintable(stream.error().text()), __FILE__, __LINE__);
        return rows;
    }
    while (stream.next()) {
        QByteArray row;
        for (int i = 0; i < stream.columnCount(); ++i)
            row += (stream.isNull(i) ? QByteArray("<NULL>") : QByteArray(stream.data(i), stream.size(i)).toHex())
                + '|';
        rows << row;
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void insertBound(const QString& sql, const QVariantList& values)
{
    QSqlQuery q;
    QVERIFY2(q.prepare(sql), qPrintable(q.lastError().text()));
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values.at(i));
    QVERIFY2(q.exec(), qPrintable(q.lastError().text() + QLatin1Char('\n') + sql));
}

// brevalon-db with the shop's settings; its exit status (output in @p output).
int brevalonDb(const TestShop& shop, const QStringList& args, QString* output = nullptr)
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), shop.home());
    tool.setProcessEnvironment(env);
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(qEnvironmentVariable("BREVALON_BUILD_DIR") + QLatin1String("/main/brevalon-db"), args);
    if (!tool.waitForFinished(120000))
        return -1;
    if (output)
        *output = QString::fromLocal8Bit(tool.readAll());
    return tool.exitCode();
}

QByteArray fileText(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestBackOffice : public QObject
{
    Q_OBJECT

private slots:
    void pricesFromCostAndMarkup_data()
    {
        QTest::addColumn<QString>("taxMode");
        QTest::addColumn<bool>("tax2");
        QTest::addColumn<QStringList>("prices");
        // Markups 1.5, 1.2 and 1.1 on a cost of 10.00; tax 1 is 15%, tax 2 is 2%.
        QTest::newRow("tax included") << "I" << false << QStringList {"17.25", "13.80", "12.65"};
        QTest::newRow("both taxes included") << "I" << true << QStringList {"17.55", "14.04", "12.87"};
        QTest::newRow("tax added on top") << "E" << true << QStringList {"15.00", "12.00", "11.00"};
    }

    void pricesFromCostAndMarkup()
    {
        QFETCH(QString, taxMode);
        QFETCH(bool, tax2);
        QFETCH(QStringList, prices);
        BackOffice shop;
        TestShop::exec("UPDATE SysInfo SET TaxMode='" + taxMode + "'");
        utils->initClass(true);
        VendTable d;
        d.Tax1CheckBox->setChecked(true);
        d.Tax2CheckBox->setChecked(tax2);
        fill(d, {"MarkupEdit=1.5", "Tier1MarkupEdit=1.2", "Tier2MarkupEdit=1.1"});
        QTest::keyClicks(d.CostEdit, "10.00");
        QCOMPARE((QStringList {d.SellEdit->text(), d.Tier1SellEdit->text(), d.Tier2SellEdit->text()}), prices);
        // Ticking a tax box off works the prices out again.
        d.Tax2CheckBox->click();
        d.Tax1CheckBox->click();
        QCOMPARE(d.SellEdit->text(), taxMode == "E" ? "15.00" : tax2 ? "15.00" : "15.30");
    }

    void typedPriceConflict_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("fields"); // cost, base markup, base price after the answer
        // 20.00 with 15% tax is 17.39 before tax: against a cost of 10.00 and a markup of 1.5.
        QTest::newRow("markup") << 0 << QStringList {"10.00", "1.7390", "20.00"};
        QTest::newRow("cost") << 1 << QStringList {"11.59", "1.5", "20.00"};
        QTest::newRow("ignore") << 2 << QStringList {"10.00", "1.5", "20.00"};
    }

    void typedPriceConflict()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, fields);
        BackOffice shop;
        VendTable d;
        d.Tax1CheckBox->setChecked(true);
        fill(d, {"MarkupEdit=1.5", "Tier1MarkupEdit=1.5", "Tier2MarkupEdit=1.5"});
        QTest::keyClicks(d.CostEdit, "10.00");
        d.SellEdit->setText("20.00");
        d.SellEdit->setModified(true);
        shop.expect({"Q||Selling at 20.00 : Calculated as 17.25|" + QString::number(answer)});
        emit d.SellEdit->editingFinished();
        PROMPTED(shop);
        QCOMPARE((QStringList {d.CostEdit->text(), d.MarkupEdit->text(), d.SellEdit->text()}), fields);
        // The same price again asks nothing.
        emit d.SellEdit->editingFinished();
    }

    void newItemWithPicture()
    {
        BackOffice shop;
        VendTable d;
        // A file that only calls itself a picture is refused.
        shop.expectPictureFile(fakePictureFile(shop.home()));
        shop.expect({"W|Choose Image|notes.png is not a picture that Brevalon can read"});
        d.ImagePushButton->click();
        QVERIFY(d.picture().isNull());
        d.DepartmentComboBox->setCurrentText("DELI");
        d.SupplierComboBox->setCurrentText("FRESH FOODS WHOLESALE");
        fill(d,
             {"CodeEdit=9001", "DescriptionEdit=Rye Bread", "UomEdit=each", "CostEdit=12.00", "MarkupEdit=1.5",
              "SellEdit=20.70", "Tier1MarkupEdit=1.2", "Tier1SellEdit=16.56", "Tier2MarkupEdit=1.1", "Tier2SellEdit=15.18",
              "StockLevelEdit=24", "ReOrderEdit=6", "ToQuantityEdit=30", "DTREdit=0", "TouchEdit=Rye"});
        shop.expectPictureFile(pictureFile(shop.home(), 120, 90));
        d.ImagePushButton->click();
        QCOMPARE(d.picture().size(), QSize(56, 42));
        d.NewPushButton->click();
        PROMPTED(shop);

        QCOMPARE(TestShop::count("SELECT Code FROM Inventory WHERE Code='9001' AND Department='DELI' AND "
                                 "Description='RYE BREAD' AND UnitOfMeasure='EACH' AND Price=20.70 AND Cost=12 AND "
                                 "Quantity=24 AND ReOrder=6 AND ToQuantity=30 AND Tax1='Y' AND Tax2<>'Y' AND "
                                 "Supplier='FRESH FOODS WHOLESALE'"),
                 1);
        QCOMPARE(item("Rank", "9001"), "44");
        QCOMPARE(text("SELECT Label FROM Images WHERE Code='9001'"), "RYE");
        const QImage stored = Utility::decodeImage(
            text("SELECT Image FROM Images WHERE Code='9001'").toLatin1(), 1 << 20, QString(), 56, 76);
        QCOMPARE(stored.size(), QSize(56, 42));
        QCOMPARE(stored.pixelColor(28, 20), QColor(200, 60, 50));
        QCOMPARE(text("SELECT t.Notes FROM StockTrace t JOIN StockTraceItem i ON i.TraceNumber=t.MyNumber "
                                  "WHERE i.Code='9001' AND i.Quantity=24 AND t.SP='MM'"),
                 "INITIAL STOCK QUANITY ON HAND");
        QCOMPARE(actionLines(), QStringList {"INVENTORY|ADDED RYE BREAD STOCK LEVEL 24.000"});
        // The list shows it, highlighted and loaded.
        QCOMPARE(d.loadedCode(), "9001");
        QCOMPARE(d.model()->code(d.ListView->currentIndex().row()), "9001");

        // Deleted, it takes its picture along.
        shop.expect({"Q|Delete Entry|RYE BREAD, Code 9001|0"});
        d.DeletePushButton->click();
        PROMPTED(shop);
        QCOMPARE(TestShop::count("SELECT Code FROM Inventory WHERE Code='9001'"), 0);
        QCOMPARE(TestShop::count("SELECT Code FROM Images WHERE Code='9001'"), 0);
        QCOMPARE(actionLines().last(), "INVENTORY|DELETED RYE BREAD");
        QCOMPARE(d.loadedCode(), QString());
        QCOMPARE(d.model()->rowOf("9001"), -1);
    }

    void updateKeepsOtherTillsSales()
    {
        BackOffice shop;
        const QString till2 = shop.openSecondStation();
        VendTable d;
        QVERIFY(d.showItem("1001"));
        QCOMPARE(d.StockLevelEdit->text(), "96.000");
        // Another till sells three while the item is open here.
        QSqlQuery(QSqlDatabase::database(till2)).exec("UPDATE Inventory SET Quantity=Quantity-3 WHERE Code='1001'");
        fill(d, {"SellEdit=20.00", "ReOrderEdit=30"});
        d.Tax2CheckBox->setChecked(true);
        shop.expect({"Q|Modify Entry|Confirm that you will update the highlighted entry\nCOCA-COLA 330ML, Code "
                     "1001|0"});
        d.UpdatePushButton->click();
        PROMPTED(shop);
        QCOMPARE(item("Quantity", "1001").toDouble(), 93.0);
        QCOMPARE(item("Price", "1001").toDouble(), 20.0);
        QCOMPARE(item("ReOrder", "1001").toDouble(), 30.0);
        QCOMPARE(d.StockLevelEdit->text(), "93.000");

        // A level typed here moves the stock by the difference, traced as a correction.
        QSqlQuery(QSqlDatabase::database(till2)).exec("UPDATE Inventory SET Quantity=Quantity-1 WHERE Code='1001'");
        fill(d, {"StockLevelEdit=100"});
        shop.expect({"Q|Modify Entry||0"});
        d.UpdatePushButton->click();
        PROMPTED(shop);
        QCOMPARE(item("Quantity", "1001").toDouble(), 99.0);
        QCOMPARE(number("SELECT Quantity FROM StockTraceItem WHERE Code='1001' AND Adjustment='Y'"), 7.0);
        QCOMPARE(actionLines(),
                 (QStringList {"INVENTORY|UPDATE COCA-COLA 330ML : PRICE WAS 18.50 NOW 20.00",
                               "INVENTORY|UPDATE COCA-COLA 330ML : TAX2 ENABLED",
                               "INVENTORY|UPDATE COCA-COLA 330ML : STOCK LEVEL WAS 93.000 NOW 100.000"}));
    }

    void lastSaveWins()
    {
        BackOffice shop;
        VendTable first;
        VendTable second;
        QVERIFY(first.showItem("1003"));
        QVERIFY(second.showItem("1003"));
        fill(first, {"DescriptionEdit=SPARKLING WATER 1L", "SellEdit=25.00"});
        fill(second, {"UomEdit=CASE", "SellEdit=180.00"});
        shop.expect({"Q|Modify Entry||0", "Q|Modify Entry||0"});
        first.UpdatePushButton->click();
        second.UpdatePushButton->click();
        PROMPTED(shop);
        // One whole row, as the second till saved it.
        QCOMPARE(TestShop::count("SELECT Code FROM Inventory WHERE Code='1003'"), 1);
        QCOMPARE(item("Description", "1003"), "SPARKLING WATER 500ML");
        QCOMPARE(item("UnitOfMeasure", "1003"), "CASE");
        QCOMPARE(item("Price", "1003").toDouble(), 180.0);
        QCOMPARE(item("Quantity", "1003").toDouble(), 48.0);
    }

    void searches_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("found");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("code") << 0 << "6009002000016" << "6009002000016" << "";
        QTest::newRow("code in small letters") << 0 << "b" << "" << "No entry with code <b>B</b> located";
        QTest::newRow("exact description") << 1 << "full cream milk 1l" << "6002" << "";
        QTest::newRow("closest description")
            << 1 << "COKE" << "1002"
            << "The exact match of <b>COKE</b> was not found.<p>The closest match <b>COKE ZERO 330ML</b>";
        QTest::newRow("description nowhere") << 1 << "ZEBRA" << "" << "No entry matching <b>ZEBRA</b> found";
        QTest::newRow("department by its start") << 2 << "hot" << "1101" << "";
        QTest::newRow("department without items") << 2 << "SPECIALS" << "" << "No entry with Department <b>SPECIALS</b>";
    }

    void searches()
    {
        QFETCH(int, mode);
        QFETCH(QString, text);
        QFETCH(QString, found);
        QFETCH(QString, prompt);
        BackOffice shop;
        VendTable d;
        d.SearchComboBox->setCurrentIndex(mode);
        if (!prompt.isEmpty())
            shop.expect({"I|Brevalon - Stock Management|" + prompt});
        QTest::keyClicks(d.SearchEdit, text);
        QTest::keyClick(d.SearchEdit, Qt::Key_Return);
        PROMPTED(shop);
        QCOMPARE(d.loadedCode(), found);
        if (!found.isEmpty())
            QCOMPARE(d.model()->code(d.ListView->currentIndex().row()), found);
        if (mode == 2 && !found.isEmpty())
            QCOMPARE(d.model()->department(), "HOT DRINKS");
    }

    void stockLevelRebuild()
    {
        BackOffice shop;
        TestShop::exec("INSERT INTO StockTraceItem (TraceNumber, Quantity, Description, Code) VALUES "
                       "(1, 40, 'HONEY 500G', '6004'), (2, 10, 'HONEY 500G', '6004'), (3, 99, 'OLIVE OIL 500ML', '6005')");
        // Posted, refunded, archived and posted: they count; a quote and an open bill do not.
        const int sold = SaleRows::invoice(1, {SaleRows::item("6004", 2)});
        const int refunded = SaleRows::invoice(1, {SaleRows::item("6004", -1)});
        const int quoted = SaleRows::invoice(1, {SaleRows::item("6004", 5)});
        SaleRows::invoice(3, {SaleRows::item("6004", 7)});
        TestShop::exec(QString("INSERT INTO Journal (AccountNumber, Description, MyNumber, Amount) VALUES "
                               "(1, 'I', %1, 158), (1, 'RF', %2, -79), (1, 'Q', %3, 395)")
                           .arg(sold)
                           .arg(refunded)
                           .arg(quoted));
        TestShop::exec("INSERT INTO InvoiceItemArchive (MyNumber, InvoiceNumber, Quantity, Category, Code, Description) "
                       "VALUES (900, 77, 3, 'Inventory', '6004', 'HONEY 500G')");
        TestShop::exec(
            "INSERT INTO JournalArchive (AccountNumber, Description, MyNumber, Amount) VALUES (1, 'I', 77, 237)");
        VendTable d;
        QVERIFY(d.showItem("6004"));
        shop.expect({"Q|Brevalon|Confirm that you wish to update the stock levels|0"});
        d.StockFixPushButton->click();
        PROMPTED(shop);
        QCOMPARE(item("Quantity", "6004").toDouble(), 50.0 - (2 - 1 + 3));
        QCOMPARE(d.StockLevelEdit->text(), "46.000");
    }

    void listPagesThroughTheCatalogue()
    {
        BackOffice shop;
        QStringList rows;
        for (int i = 0; i < 450; ++i)
            rows << QString("('P%1', 'BULK', 'BULK ITEM %1', %2)").arg(i, 4, 10, QLatin1Char('0')).arg(100 + i);
        TestShop::exec("INSERT INTO Inventory (Code, Department, Description, Rank) VALUES " + rows.join(','));
        VendTable d;
        ItemListModel* m = d.model();
        // It opens on a page, not on the whole table.
        QVERIFY(m->rowCount() >= ItemListModel::kPage && m->rowCount() < 43 + 450);
        while (m->canFetchMore(QModelIndex()))
            m->fetchMore(QModelIndex());
        QCOMPARE(m->rowCount(), 43 + 450);

        // Found in the middle: a window around it, in button order both ways.
        QVERIFY(d.showItem("P0300"));
        QVERIFY(m->rowCount() < 43 + 450);
        QCOMPARE(m->code(d.ListView->currentIndex().row()), "P0300");
        const int above = m->fetchBefore();
        QVERIFY(above > 0);
        QCOMPARE(m->code(m->rowOf("P0300") - 1), "P0299");
        QCOMPARE(m->code(0), QString("P%1").arg(300 - ItemListModel::kPage / 2 - above, 4, 10, QLatin1Char('0')));
        QCOMPARE(d.loadedCode(), "P0300");
    }

    void newDepartment_data()
    {
        QTest::addColumn<bool>("labels");
        QTest::addColumn<bool>("kitchen");
        QTest::addColumn<int>("printer");
        QTest::addColumn<QString>("route"); // the choice shown; stored as its first letter
        QTest::newRow("label printer") << true << false << 1 << "Both";
        QTest::newRow("kitchen screen") << false << true << 2 << "Screen";
    }

    void newDepartment()
    {
        QFETCH(bool, labels);
        QFETCH(bool, kitchen);
        QFETCH(int, printer);
        QFETCH(QString, route);
        BackOffice shop;
        DepTable d;
        QTest::keyClicks(d.DepartmentEdit, "Specials");
        d.checkBox1->setChecked(labels);
        d.checkBox2->setChecked(kitchen);
        d.RouteComboBox->setCurrentText(route);
        shop.expectPictureFile(pictureFile(shop.home(), 56, 56));
        d.ImagePushButton->click();
        d.NewPushButton->click();
        PROMPTED(shop);
        QCOMPARE(TestShop::rows("SELECT Printer, Route, Rank FROM Departments WHERE Department='SPECIALS'"),
                 QStringList {QString("%1|%2|8").arg(printer).arg(route.left(1))});
        QCOMPARE(Utility::decodeImage(department("Image", "SPECIALS").toLatin1(), 1 << 20, QString(), 56, 76).size(),
                 QSize(56, 56));
        QCOMPARE(actionLines(), QStringList {"DEPARTMENTS|ADDED SPECIALS"});
        QCOMPARE(d.selected(), "SPECIALS");
        QCOMPARE(d.DepListView->currentItem()->text(DepTable::ColPrinter).toInt(), printer);
        QCOMPARE(d.DepListView->currentItem()->text(DepTable::ColRoute), route);
    }

    void renameFollowsIntoItems()
    {
        BackOffice shop;
        // A route the dialog does not offer (a row older than the screens) shows as the printer it means.
        TestShop::exec("UPDATE Departments SET Route=NULL WHERE Department='MAINS'");
        TestShop::exec("UPDATE Departments SET Route='S' WHERE Department='DESSERTS'");
        DepTable d;
        QVERIFY(d.selectDepartment("DESSERTS"));
        QCOMPARE(d.RouteComboBox->currentText(), "Screen");
        QVERIFY(d.selectDepartment("MAINS"));
        QVERIFY(d.checkBox2->isChecked());
        QCOMPARE(d.RouteComboBox->currentText(), "Printer");
        d.DepartmentEdit->setText("MAIN COURSES");
        d.checkBox1->setChecked(true);
        d.RouteComboBox->setCurrentText("Both");
        shop.expect({"Q|Modify Entry|Confirm that you will update the highlighted entry\nMAINS\nwith the values "
                     "shown ?|0"});
        d.UpdatePushButton->click();
        PROMPTED(shop);
        QCOMPARE(TestShop::rows("SELECT Department, Printer, Route, Rank FROM Departments "
                                "WHERE Department IN ('MAINS', 'MAIN COURSES')"),
                 QStringList {"MAIN COURSES|3|B|4"});
        QCOMPARE(TestShop::count("SELECT Code FROM Inventory WHERE Department='MAIN COURSES'"), 8);
        QCOMPARE(TestShop::count("SELECT Code FROM Inventory WHERE Department='MAINS'"), 0);
        QCOMPARE(text("SELECT Department FROM Compositions WHERE Description='BREAKFAST SPECIAL'"),
                 "MAIN COURSES");
        // The picture stays with the department.
        QVERIFY(department("Image", "MAIN COURSES").size() > 100);
        QCOMPARE(actionLines(), QStringList {"DEPARTMENTS|UPDATE MAIN COURSES"});
    }

    void aFailedRenameKeepsNoneOfIt()
    {
        BackOffice shop;
        DepTable d;
        QVERIFY(d.selectDepartment("MAINS"));
        d.DepartmentEdit->setText("MAIN COURSES");
        // The compositions cannot follow: the department and its items stay too.
        TestShop::exec("DROP TABLE Compositions");
        const QStringList before = TestShop::snapshot();
        shop.expect({"Q|Modify Entry||0", "W||UPDATE Compositions SET Department='MAIN COURSES'"});
        d.UpdatePushButton->click();
        PROMPTED(shop);
        QCOMPARE(TestShop::snapshot(), before);
        QCOMPARE(TestShop::count("SELECT Code FROM Inventory WHERE Department='MAINS'"), 8);
        QCOMPARE(actionLines(), QStringList());
    }

    void deleteAnEmptyDepartment()
    {
        BackOffice shop;
        TestShop::exec("INSERT INTO Departments (Department, Printer, Image, Rank) VALUES ('SPECIALS', 0, '', 8)");
        DepTable d;
        QVERIFY(d.selectDepartment("SPECIALS"));
        shop.expect({"Q|Delete Entry|Confirm that you will delete the highlighted entry\nSPECIALS\nfrom the "
                     "system?|0"});
        d.DeletePushButton->click();
        PROMPTED(shop);
        QCOMPARE(TestShop::count("SELECT Department FROM Departments"), 7);
        QCOMPARE(d.DepListView->topLevelItemCount(), 7);
        QCOMPARE(d.selected(), QString());
        QCOMPARE(actionLines(), QStringList {"DEPARTMENTS|DELETED SPECIALS"});
    }

    void rankSwap()
    {
        BackOffice shop;
        DepTable d;
        QVERIFY(d.selectDepartment("HOT DRINKS"));
        d.RankUpPushButton->click();
        QCOMPARE(department("Rank", "HOT DRINKS"), "1");
        QCOMPARE(department("Rank", "DRINKS"), "2");
        QCOMPARE(TestShop::count(QString("SELECT Department FROM Departments WHERE Rank=%1").arg(RankSwap::kParkedRank)),
                 0);
        QCOMPARE(d.DepListView->topLevelItem(0)->text(DepTable::ColDepartment), "HOT DRINKS");
        QCOMPARE(d.selected(), "HOT DRINKS");
        d.RankDownPushButton->click();
        QCOMPARE(department("Rank", "HOT DRINKS"), "2");
        QCOMPARE(actionLines(),
                 (QStringList {"DEPARTMENT RANKING|UPDATE HOT DRINKS", "DEPARTMENT RANKING|UPDATE HOT DRINKS"}));
    }

    void newCompositionAndItsTotals()
    {
        BackOffice shop;
        TestShop::exec("INSERT INTO Inventory (Code, Department, Description, Price, Tier1Price, Tier2Price) VALUES "
                       "('7001', 'DELI', 'PLATTER', 10, 9, 8)");
        CompTable d;
        d.DepartmentComboBox->setCurrentText("DELI");
        d.RemarkEdit->setText("Deli platter for two");
        shop.expect({"T|New Composition|Enter the new Composition name|deli special"});
        d.CompNewPushButton->click();
        QCOMPARE(d.NameEdit->text(), "DELI SPECIAL");
        QVERIFY(d.compositionCode() > 0);

        choose(d, "7001");
        d.QuantityEdit->setText("2");
        d.DiscountEdit->setText("10");
        d.DiscountableCheckBox->setChecked(true);
        shop.expect({"Q|New Composition Item|Confirm that you wish to add the Composition Item 'PLATTER'|0"});
        d.ItemNewPushButton->click();
        PROMPTED(shop);
        QCOMPARE(d.ItemListView->topLevelItemCount(), 1);
        const QTreeWidgetItem* row = d.ItemListView->topLevelItem(0);
        QCOMPARE(row->text(CompTable::ColPrice), "18.00");
        QCOMPARE(row->text(CompTable::ColUnitPrice), "10.00");
        QCOMPARE(totals(d), (QStringList {"18.00", "16.20", "14.40"}));

        choose(d, "cheddar");
        d.QuantityEdit->setText("0.5");
        d.DiscountEdit->setText("0");
        d.DiscountableCheckBox->setChecked(false);
        shop.expect({"Q|New Composition Item|CHEDDAR CHEESE|0"});
        d.ItemNewPushButton->click();
        PROMPTED(shop);
        // 149.00, 134.10 and 119.20 a kilogram, half a kilogram.
        QCOMPARE(totals(d), (QStringList {"92.50", "83.25", "74.00"}));
        QCOMPARE(contents(d.compositionCode()), (QStringList {"2 7001 Y 10", "0.5 2000020 N 0"}));
        QCOMPARE(text(QString("SELECT Department FROM Compositions WHERE Code=%1").arg(d.compositionCode())),
                 "DELI");
    }

    void onlyTheFirstIdenticalRowChanges()
    {
        BackOffice shop;
        TestShop::exec("INSERT INTO CompositionContents (CompId, Quantity, Code, Discountable, Discount) VALUES "
                       "(1, 1, '3007', 'Y', 10)");
        CompTable d;
        QVERIFY(d.selectComposition("BREAKFAST SPECIAL"));
        QCOMPARE(d.ItemListView->topLevelItemCount(), 4);
        // The second of the two identical rows is highlighted.
        d.ItemListView->setCurrentItem(d.ItemListView->topLevelItem(3));
        QCOMPARE(d.ItemComboBox->currentText(), "FULL BREAKFAST");
        d.QuantityEdit->setText("3");
        shop.expect({"Q|Update Composition Item|Confirm that you wish to update the Composition Item 'FULL "
                     "BREAKFAST'|0"});
        d.ItemUpdatePushButton->click();
        PROMPTED(shop);
        QCOMPARE(contents(1), (QStringList {"3 3007 Y 10", "1 1102 Y 25", "1 1005 N 50", "1 3007 Y 10"}));

        d.ItemListView->setCurrentItem(d.ItemListView->topLevelItem(1));
        shop.expect({"Q|Delete Composition Item|'CAPPUCCINO' from the Composition|0"});
        d.ItemDeletePushButton->click();
        PROMPTED(shop);
        QCOMPARE(contents(1), (QStringList {"3 3007 Y 10", "1 1005 N 50", "1 3007 Y 10"}));
        QCOMPARE(d.ItemListView->topLevelItemCount(), 3);
    }

    void renameKeepsContentsAndPicture()
    {
        BackOffice shop;
        CompTable d;
        QVERIFY(d.selectComposition("BREAKFAST SPECIAL"));
        const QStringList before = contents(1);
        shop.expectPictureFile(pictureFile(shop.home(), 80, 80));
        d.ImagePushButton->click();
        d.NameEdit->setText("BIG BREAKFAST");
        d.TouchEdit->setText("Big Brekkie");
        shop.expect({"Q|Update Composition|Confirm that you wish to rename the Composition 'BREAKFAST SPECIAL' to "
                     "'BIG BREAKFAST'|0"});
        d.CompUpdatePushButton->click();
        PROMPTED(shop);
        QCOMPARE(text("SELECT Description FROM Compositions WHERE Code=1"), "BIG BREAKFAST");
        QCOMPARE(contents(1), before);
        QCOMPARE(text("SELECT Label FROM Images WHERE Code='1.CMP'"), "BIG BREKKIE");
        QCOMPARE(d.CompListBox->currentItem()->text(), "BIG BREAKFAST");
        QCOMPARE(d.picture().size(), QSize(56, 56));

        shop.expect({"Q|Delete Composition|Confirm that you wish to delete the Ciomposition  'BIG BREAKFAST'|0"});
        d.CompDeletePushButton->click();
        PROMPTED(shop);
        QCOMPARE(TestShop::count("SELECT Code FROM Compositions"), 0);
        QCOMPARE(TestShop::count("SELECT id FROM CompositionContents"), 0);
        QCOMPARE(TestShop::count("SELECT Code FROM Images WHERE Code='1.CMP'"), 0);
        QCOMPARE(d.CompListBox->count(), 0);
    }

    void addRenameDelete()
    {
        BackOffice shop;
        Supplier d;
        QCOMPARE(d.SupplierListView->topLevelItemCount(), 1);
        QTest::keyClicks(d.CompanyEdit, "o'reilly dairy");
        QTest::keyClicks(d.ContactEdit, "Pat");
        d.PostalText->setPlainText("PO Box 12\nHarbour Bay\n8001");
        d.NotesText->setPlainText("Milk on Mondays");
        shop.expect({"Q|Add Supplier|Confirm that you will add O'REILLY DAIRY\nto the list of suppliers|0"});
        d.NewPushButton->click();
        PROMPTED(shop);
        QCOMPARE(text("SELECT PostalAddr FROM Supply WHERE Company='O''REILLY DAIRY'"),
                 "PO BOX 12\nHARBOUR BAY\n8001");
        QCOMPARE(d.selected(), "O'REILLY DAIRY");

        // Shown again as stored: the lines whole in the field, on one line in the list.
        Supplier again;
        QVERIFY(again.selectSupplier("O'REILLY DAIRY"));
        QCOMPARE(again.PostalText->toPlainText(), "PO BOX 12\nHARBOUR BAY\n8001");
        QCOMPARE(again.SupplierListView->currentItem()->text(SupplierGui::ColPostal), "PO BOX 12 / HARBOUR BAY / 8001");

        QVERIFY(again.selectSupplier("FRESH FOODS WHOLESALE"));
        again.CompanyEdit->setText("FRESH FOODS LTD");
        shop.expect({"Q|Update Supplier|Confirm that you will update FRESH FOODS WHOLESALE\n in the list|0"});
        again.UpdatePushButton->click();
        PROMPTED(shop);
        QCOMPARE(TestShop::count("SELECT Code FROM Inventory WHERE Supplier='FRESH FOODS LTD'"), 43);
        QCOMPARE(text("SELECT Contact FROM Supply WHERE Company='FRESH FOODS LTD'"), "ANDILE NKOSI");

        shop.expect({"Q|Delete Supplier|Confirm that you will delete O'REILLY DAIRY\nfrom the list of suppliers.|0"});
        QVERIFY(again.selectSupplier("O'REILLY DAIRY"));
        again.DeletePushButton->click();
        PROMPTED(shop);
        QCOMPARE(TestShop::count("SELECT Company FROM Supply"), 1);
        QCOMPARE(actionLines(),
                 (QStringList {"SUPPLIERS|ADDED O'REILLY DAIRY", "SUPPLIERS|UPDATED FRESH FOODS LTD",
                               "SUPPLIERS|DELETED O'REILLY DAIRY"}));
    }

    void deliveryWhileAnotherTillSells()
    {
        BackOffice shop;
        TestShop::exec("UPDATE Inventory SET OnOrder=3 WHERE Code='1001'");
        TestShop::exec("UPDATE Inventory SET OnOrder=10 WHERE Code='1002'");
        const QString till2 = shop.openSecondStation();
        Stock d(true, true);
        receive(d, "1001", "5");
        QCOMPARE(d.StockListView->topLevelItemCount(), 1);
        receive(d, "coke zero", "-2", true);
        receive(d, "sparkling", "12", false, "17.00");
        QCOMPARE(d.StockListView->topLevelItem(2)->text(StockGui::ColItem), "SPARKLING WATER 500ML");
        QCOMPARE(d.StockListView->topLevelItem(1)->text(StockGui::ColAdjustment), "Y");
        // The other till sells four while the list is made.
        QSqlQuery(QSqlDatabase::database(till2)).exec("UPDATE Inventory SET Quantity=Quantity-4 WHERE Code='1001'");
        d.NotesEdit->setText("Delivery note 4471");
        d.ProcessPushButton->click();
        PROMPTED(shop);
        QCOMPARE(d.result(), int(QDialog::Accepted));

        QCOMPARE(item("Quantity", "1001").toDouble(), 96.0 - 4 + 5);
        QCOMPARE(item("OnOrder", "1001").toDouble(), 0.0);
        // A correction is no delivery: the quantity on order stays.
        QCOMPARE(item("Quantity", "1002").toDouble(), 70.0);
        QCOMPARE(item("OnOrder", "1002").toDouble(), 10.0);
        QCOMPARE(item("Quantity", "1003").toDouble(), 60.0);
        QCOMPARE(item("Price", "1003").toDouble(), 17.0);
        QCOMPARE(TestShop::count("SELECT MyNumber FROM StockTrace WHERE Notes='DELIVERY NOTE 4471' AND SP='MM' AND "
                                 "MyDate LIKE '2026-12-05%'"),
                 1);
        QCOMPARE(TestShop::count("SELECT id FROM StockTraceItem i JOIN StockTrace t ON t.MyNumber=i.TraceNumber WHERE "
                                 "t.Notes='DELIVERY NOTE 4471'"),
                 3);
        QCOMPARE(text("SELECT Adjustment FROM StockTraceItem WHERE Code='1002'"), "Y");
        const QStringList log = actionLines();
        QCOMPARE(log.size(), 2);
        QVERIFY2(log.at(0).startsWith("STOCK RECEIEVED|TRACE "), qPrintable(log.at(0)));
        QCOMPARE(log.at(1),
                 "STOCK PRICE ADJUSTMENT|SPARKLING WATER 500ML - CODE 1003, PRICE 16.00 -> 17.00, "
                 "MARKUP 1.6000 -> 1.6000, COST 8.70 -> 8.70");
    }

    void withoutThePriceRights()
    {
        BackOffice shop;
        Stock d(false, false);
        QVERIFY(d.PriceGroupBox->isHidden());
        QVERIFY(d.StockListView->isColumnHidden(StockGui::ColCost));
        receive(d, "1004", "6", false, "1.00");
        d.ProcessPushButton->click();
        QCOMPARE(item("Quantity", "1004").toDouble(), 66.0);
        QCOMPARE(item("Price", "1004").toDouble(), 14.0);
        QCOMPARE(actionLines().size(), 1);
    }

    void cancelAsksFirst()
    {
        BackOffice shop;
        const QStringList before = TestShop::snapshot();
        Stock d(true, true);
        receive(d, "1001", "5");
        const QString question = "You have not processed this stock\nDo you want to abandon recieving stock ?";
        shop.expect({"Q|Brevalon - Receive Stock|" + question + "|1"});
        d.CancelPushButton->click();
        PROMPTED(shop);
        QCOMPARE(d.StockListView->topLevelItemCount(), 1);
        shop.expect({"Q|Brevalon - Receive Stock|" + question + "|0"});
        QTest::keyClick(&d, Qt::Key_Escape);
        PROMPTED(shop);
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(TestShop::snapshot(), before);
    }

    void aFailureKeepsNoneOfIt()
    {
        BackOffice shop;
        TestShop::exec("UPDATE Inventory SET OnOrder=3 WHERE Code='1001'");
        Stock d(true, true);
        receive(d, "1001", "5");
        receive(d, "1003", "12", false, "17.00");
        // The trace cannot be written: the quantities and prices already
        // changed in the unit go back with it.
        TestShop::exec("DROP TABLE StockTraceItem");
        const QStringList before = TestShop::snapshot();
        shop.expect({"W||INSERT INTO StockTraceItem"});
        d.ProcessPushButton->click();
        PROMPTED(shop);
        QCOMPARE(TestShop::snapshot(), before);
        QCOMPARE(item("OnOrder", "1001").toDouble(), 3.0);
        QCOMPARE(TestShop::count("SELECT MyNumber FROM StockTrace"), 0);
        QCOMPARE(actionLines(), QStringList());
        QCOMPARE(d.StockListView->topLevelItemCount(), 2);
    }

    void menusFollowTheRights_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("logged");
        QTest::newRow("items") << "editInventoryAction" << "editInventory" << "Inventory" << "VendTable"
                               << "INVENTORY|MANAGE";
        QTest::newRow("departments") << "editManageGroupDepartmentsAction" << "manageDepartments" << "Departments"
                                     << "DepTable" << "DEPARTMENTS|MANAGE";
        QTest::newRow("compositions") << "editManageGroupCompositionsAction" << "manageCompositions" << "Inventory"
                                      << "CompTable" << "COMPOSITIONS|MANAGE";
        QTest::newRow("suppliers") << "editManageGroupSuppliersAction" << "manageSuppliers" << "Suppliers"
                                   << "Supplier" << "SUPPLIERS|MANAGE";
        QTest::newRow("receiving") << "fileReceiveStockAction" << "receiveStock" << "ReceiveStock" << "Stock"
                                   << "RECEIVE STOCK|MANAGE";
    }

    void menusFollowTheRights()
    {
        QFETCH(QString, action);
        QFETCH(QString, slot);
        QFETCH(QString, right);
        QFETCH(QString, dialog);
        QFETCH(QString, logged);
        Counter till({right, "StockPriceView"});
        QAction* menu = till.window->findChild<QAction*>(action);
        QVERIFY(menu->isEnabled());
        bool pricesShown = false;
        till.shop.prompts().expectExec(dialog, [&](QDialog* d) {
            if (auto* stock = qobject_cast<Stock*>(d))
                pricesShown = !stock->PriceGroupBox->isHidden() && stock->PriceEdit->isReadOnly();
            return int(QDialog::Accepted);
        });
        menu->trigger();
        QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending()));
        QCOMPARE(actionLines().last(), logged);
        QCOMPARE(pricesShown, dialog == "Stock");

        // Without the right the menu is off, and the command opens nothing.
        Till::setRights("MARY", {});
        till.window->updateGuiControls(false);
        QVERIFY(!menu->isEnabled());
        const int beeps = till.shop.prompts().beeps();
        QVERIFY(QMetaObject::invokeMethod(till.window.get(), qPrintable(slot)));
        QCOMPARE(till.shop.prompts().beeps(), beeps + 1);
    }

    void madeHereRungUpThere()
    {
        Counter till({"Inventory", "Departments", "ReceiveStock", "StockPriceView", "StockPriceAdjust"});
        ScriptedPrompts& prompts = till.shop.prompts();
        Sales& w = till.w();

        prompts.expectExec("DepTable", [](QDialog* d) {
            auto* dep = static_cast<DepTable*>(d);
            dep->DepartmentEdit->setText("BAKERY");
            dep->NewPushButton->click();
            return int(QDialog::Accepted);
        });
        w.editManageGroupDepartmentsAction->trigger();

        prompts.expectExec("VendTable", [](QDialog* d) {
            auto* items = static_cast<VendTable*>(d);
            items->DepartmentComboBox->setCurrentText("BAKERY");
            items->CodeEdit->setText("9001");
            items->DescriptionEdit->setText("RYE BREAD");
            items->SellEdit->setText("24.00");
            items->ToQuantityEdit->setText("20");
            items->ImagePushButton->click();
            items->NewPushButton->click();
            return int(QDialog::Accepted);
        });
        prompts.expect(ZkPrompt::OpenFile, "Choose Image", QString(), 0, pictureFile(till.shop.home(), 64, 64));
        w.editInventoryAction->trigger();

        prompts.expectExec("CompTable", [](QDialog* d) {
            auto* sets = static_cast<CompTable*>(d);
            sets->DepartmentComboBox->setCurrentText("BAKERY");
            sets->CompNewPushButton->click();
            sets->ItemComboBox->setEditText("9001");
            QTest::keyClick(sets->ItemComboBox, Qt::Key_Return);
            sets->QuantityEdit->setText("2");
            sets->DiscountEdit->setText("50");
            sets->ItemNewPushButton->click();
            return int(QDialog::Accepted);
        });
        prompts.expect(ZkPrompt::TextInput, "New Composition", QString(), 0, "TWO LOAVES");
        prompts.expect(ZkPrompt::Question, "New Composition Item", "RYE BREAD", 0);
        w.editManageGroupCompositionsAction->trigger();
        QVERIFY2(prompts.done(), qPrintable(prompts.pending()));

        // The touch page shows what was made: the department last, then its
        // item with its picture and the composition.
        w.F11();
        QCOMPARE(placeCodes(w).last(), "BAKERY");
        w.touchButtonAt(Sales::kFirstPlace + 7)->click();
        const QStringList codes = placeCodes(w);
        QCOMPARE(codes.size(), 2);
        QCOMPARE(codes.at(0), "9001");
        QVERIFY(codes.at(1).endsWith(".CMP"));
        QVERIFY(!w.touchButtonAt(Sales::kFirstPlace)->icon().isNull());
        w.touchButtonAt(Sales::kFirstPlace)->click();
        w.touchButtonAt(Sales::kFirstPlace + 1)->click();
        // The set's two loaves at half price come to one loaf's price.
        QCOMPARE(till.summary(), (QStringList {"RYE BREAD=24.00", "RYE BREAD=24.00"}));
        QCOMPARE(till.cell(1, Sales::ColQuantity).toDouble(), 2.0);

        prompts.expectExec("Stock", [](QDialog* d) {
            auto* stock = static_cast<Stock*>(d);
            stock->ItemComboBox->setEditText("RYE");
            QTest::keyClick(stock->ItemComboBox, Qt::Key_Return);
            stock->QuantityEdit->setText("30");
            stock->AddPushButton->click();
            stock->ProcessPushButton->click();
            return stock->result();
        });
        w.fileReceiveStockAction->trigger();
        QVERIFY2(prompts.done(), qPrintable(prompts.pending()));
        QCOMPARE(number("SELECT Quantity FROM Inventory WHERE Code='9001'"), 30.0);
    }

    // A till's screen is often 800x600: every dialog and each of its buttons must fit it, a finger high.
    void dialogsFitSmallScreens_data()
    {
        QTest::addColumn<QString>("dialog");
        for (const char* name : {"VendTable", "DepTable", "CompTable", "Supplier", "Stock"})
            QTest::newRow(name) << name;
    }

    void dialogsFitSmallScreens()
    {
        QFETCH(QString, dialog);
        BackOffice shop;
        const std::map<QString, std::function<QDialog*()>> make {
            {"VendTable", [] { return new VendTable; }}, {"DepTable", [] { return new DepTable; }},
            {"CompTable", [] { return new CompTable; }}, {"Supplier", [] { return new Supplier; }},
            {"Stock", [] { return new Stock(true, true); }},
        };
        std::unique_ptr<QDialog> d(make.at(dialog)());
        // 800x600 less a title bar; and the size it opens at fits 1024x768.
        const QSize small(800, 570);
        QVERIFY2(d->minimumSizeHint().width() <= small.width() && d->minimumSizeHint().height() <= small.height(),
                 qPrintable(QString("%1x%2").arg(d->minimumSizeHint().width()).arg(d->minimumSizeHint().height())));
        QVERIFY(d->width() <= 1024 && d->height() <= 738);
        for (const QSize& size : {small, QSize(1024, 738)}) {
            d->resize(size);
            d->show();
            QVERIFY(QTest::qWaitForWindowExposed(d.get()));
            QCOMPARE(d->size(), size);
            for (QAbstractButton* button : d->findChildren<QAbstractButton*>()) {
                if (!button->isVisibleTo(d.get()))
                    continue;
                const QRect place(button->mapTo(d.get(), QPoint(0, 0)), button->size());
                QVERIFY2(d->rect().contains(place), qPrintable(button->objectName()));
                QVERIFY2(button->height() >= 40, qPrintable(button->objectName()));
            }
        }
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("selected"); // empty: none
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("prompts");
        const QStringList newItem {"CodeEdit=9002", "DescriptionEdit=OAT MILK", "CostEdit=10", "SellEdit=17.25"};
        const QStringList entry {"QuantityEdit=1", "DiscountEdit=0"};
        const QString nothing = "You must higlight an entry to ", top = "Selected item is already at top of ranking";
        const auto row = [](const char* name, const QString& dialog, const QString& selected, const QStringList& fields,
                            const QString& button, const QStringList& prompts) {
            QTest::newRow(name) << dialog << selected << fields << button << prompts;
        };
        row("item: no description", "item", "", newItem + QStringList {"DescriptionEdit="}, "NewPushButton",
            {"W|New Entry|You must specify the Description"});
        row("item: no code", "item", "", newItem + QStringList {"CodeEdit= "}, "NewPushButton",
            {"W|New Entry|You must specify the Code and Description"});
        row("item: code taken", "item", "", newItem + QStringList {"CodeEdit=1001"}, "NewPushButton",
            {"W|New Entry|The code 1001 is already allocated to COCA-COLA 330ML"});
        row("item: description taken, any case", "item", "", newItem + QStringList {"DescriptionEdit=espresso"},
            "NewPushButton", {"W|New Entry|The product ESPRESSO is already allocated Code 1101"});
        row("item: a price beyond the column", "item", "", newItem + QStringList {"Tier2SellEdit=123456789"},
            "NewPushButton", {"W|New Entry|The tier 2 price must be"});
        row("item: a cost that is no number", "item", "", newItem + QStringList {"CostEdit=ten"}, "NewPushButton",
            {"W|New Entry|The cost must be a number"});
        row("item: a negative markup", "item", "", newItem + QStringList {"Tier1MarkupEdit=-1.2"}, "NewPushButton",
            {"W|New Entry|The tier 1 markup of -1.2 gives a negative price"});
        row("item: update with nothing highlighted", "item", "", {}, "UpdatePushButton",
            {"W|Modify Entry|" + nothing + "modify"});
        row("item: delete with nothing highlighted", "item", "", {}, "DeletePushButton",
            {"W|Delete Entry|" + nothing + "delete"});
        row("item: update to a code taken", "item", "1001", {"CodeEdit=1002"}, "UpdatePushButton",
            {"W|Modify Entry|The code 1002 is already allocated to COKE ZERO"});
        row("item: update emptied", "item", "1001", {"DescriptionEdit="}, "UpdatePushButton",
            {"W|Modify Entry|You must specify the Code and Description"});
        row("item: update declined", "item", "1001", {"SellEdit=1.00"}, "UpdatePushButton",
            {"Q|Modify Entry||1", "I|Modify Entry|Operation cancelled"});
        row("item: delete declined", "item", "1001", {}, "DeletePushButton",
            {"Q|Delete Entry|from the system?|1", "I|Delete Entry|Operation cancelled"});
        row("item: delete of a part of a composition", "item", "1102", {}, "DeletePushButton",
            {"W|Delete Entry|CAPPUCCINO is part of the composition BREAKFAST SPECIAL"});
        row("item: delete of an item on an open bill", "item", "2001", {}, "DeletePushButton",
            {"W|Delete Entry|GARLIC BREAD is on the open bill or order"});
        row("item: top moved up", "item", "1001", {}, "RankUpPushButton", {"W|Modify Entry|" + top});
        row("item: stock rebuild declined", "item", "1001", {}, "StockFixPushButton",
            {"Q|Brevalon|stock receieved and dispensed ?|1", "I|Brevalon|Operation cancelled"});
        row("department: new without a name", "department", "", {}, "NewPushButton",
            {"W|New Entry|You must specify the Department"});
        row("department: new that exists, any case", "department", "", {"DepartmentEdit=deli"}, "NewPushButton",
            {"W|New Entry|The department DELI already exists"});
        row("department: update with nothing highlighted", "department", "", {"DepartmentEdit=X"},
            "UpdatePushButton", {"W|Modify Entry|" + nothing + "modify"});
        row("department: rename onto another", "department", "DELI", {"DepartmentEdit=GROCERY"}, "UpdatePushButton",
            {"W|Modify Entry|The department GROCERY already exists"});
        row("department: update declined", "department", "DELI", {"DepartmentEdit=FINE FOODS"}, "UpdatePushButton",
            {"Q|Modify Entry||1", "I|Modify Entry|Operation cancelled"});
        row("department: delete with nothing highlighted", "department", "", {}, "DeletePushButton",
            {"W|Delete Entry|" + nothing + "delete"});
        row("department: delete of one with items", "department", "DESSERTS", {}, "DeletePushButton",
            {"W|Delete Entry|The department DESSERTS still holds 4 items."});
        row("department: first moved up", "department", "DRINKS", {}, "RankUpPushButton", {"W|Modify Entry|" + top});
        row("department: last moved down", "department", "GROCERY", {}, "RankDownPushButton",
            {"W|Modify Entry|Selected item is already at bottom of ranking"});
        row("composition: new cancelled", "composition", "", {}, "CompNewPushButton",
            {"T|New Composition||", "I|New Composition|Operation cancelled"});
        row("composition: new that exists", "composition", "", {}, "CompNewPushButton",
            {"T|New Composition||Breakfast Special",
             "W|New Composition|The Composition BREAKFAST SPECIAL already exists"});
        row("composition: update declined", "composition", "BREAKFAST SPECIAL", {}, "CompUpdatePushButton",
            {"Q|Update Composition||1", "I|Update Composition|Operation cancelled"});
        row("composition: delete declined", "composition", "BREAKFAST SPECIAL", {}, "CompDeletePushButton",
            {"Q|Delete Composition||1", "I|Delete Composition|Operation cancelled"});
        row("composition: item without a composition", "composition", "", entry + QStringList {"ItemComboBox=1001"},
            "ItemNewPushButton", {"W|New Composition Item|You must highlight a Composition first"});
        row("composition: item that is none", "composition", "BREAKFAST SPECIAL", entry + QStringList {"ItemComboBox=ZZZ"},
            "ItemNewPushButton", {"W||No item matches ZZZ", "W|New Composition Item|ZZZ names no single item"});
        row("composition: no quantity", "composition", "BREAKFAST SPECIAL", entry + QStringList {"ItemComboBox=1001", "QuantityEdit=0"},
            "ItemNewPushButton", {"W|New Composition Item|The quantity must be a number from 0.001"});
        row("composition: discount over 100", "composition", "BREAKFAST SPECIAL", {"DiscountEdit=150"},
            "ItemUpdatePushButton",
            {"W|Update Composition Item|The discount must be a number from 0.0 to 100.0"});
        row("composition: item update declined", "composition", "BREAKFAST SPECIAL", {}, "ItemUpdatePushButton",
            {"Q|Update Composition Item||1", "I|Update Composition Item|Operation cancelled"});
        const QString noSupplier = "You have not selected a valid supplier. Try again.";
        row("supplier: new without a company", "supplier", "", {}, "NewPushButton",
            {"W|Add Supplier|You must specify the Company"});
        row("supplier: new that exists", "supplier", "", {"CompanyEdit=fresh foods wholesale"}, "NewPushButton",
            {"W|Add Supplier|The supplier FRESH FOODS WHOLESALE is already on file"});
        row("supplier: new declined", "supplier", "", {"CompanyEdit=NEW CO"}, "NewPushButton",
            {"Q|Add Supplier||1", "I|Add Supplier|Operation cancelled"});
        row("supplier: update with none chosen", "supplier", "", {"CompanyEdit=X"}, "UpdatePushButton",
            {"W|Update Supplier|" + noSupplier});
        row("supplier: delete with none chosen", "supplier", "", {}, "DeletePushButton",
            {"W|Delete Supplier|" + noSupplier});
        row("supplier: delete declined", "supplier", "FRESH FOODS WHOLESALE", {}, "DeletePushButton",
            {"Q|Delete Supplier||1", "I|Delete Supplier|Operation cancelled"});
        const QString receiving = "W|Brevalon - Receive Stock|", empty = "The recieved stock list is empty";
        row("stock: unknown item", "stock", "", {"QuantityEdit=5"}, "AddPushButton",
            {receiving + "You have not validated this item\nYou can not receive unknown stock"});
        row("stock: nothing received", "stock", "", {"ItemComboBox=1001", "QuantityEdit=0"}, "AddPushButton",
            {receiving + "Check your quantity, zero or negative values are not accpted."});
        row("stock: an absurd quantity", "stock", "", {"ItemComboBox=1001", "QuantityEdit=123456789"},
            "AddPushButton", {receiving + "The quantity must be a number from"});
        row("stock: process nothing", "stock", "", {}, "ProcessPushButton", {"W|Receive Stock|" + empty});
        row("stock: remove from nothing", "stock", "", {}, "RemovePushButton", {receiving + empty});
    }

    void refusals()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, selected);
        QFETCH(QStringList, fields);
        QFETCH(QString, button);
        QFETCH(QStringList, prompts);
        BackOffice shop;
        SaleRows::invoice(2, {SaleRows::item("2001")}); // garlic bread on a table's open bill
        const QStringList before = TestShop::snapshot();
        std::unique_ptr<QDialog> d = openDialog(dialog, selected);
        QVERIFY(d);
        shop.expect(prompts);
        fill(*d, fields);
        d->findChild<QAbstractButton*>(button)->click();
        PROMPTED(shop);
        QCOMPARE(TestShop::snapshot(), before);
        QCOMPARE(actionLines(), QStringList());
        if (auto* stock = qobject_cast<Stock*>(d.get()))
            QCOMPARE(stock->StockListView->topLevelItemCount(), 0);
    }

    void anUntouchedSaveLogsOnlyThatItSaved()
    {
        TestShop shop;
        logActions();
        const QStringList before = TestShop::snapshot();
        Prefs prefs;
        QVERIFY(!settings->contains(QStringLiteral("/Global/PrintReceipt")));
        const QPointer<DocPrint> renderer = utils->docPrint();

        prefs.saveSettings();
        QCOMPARE(prefs.result(), int(QDialog::Accepted));
        QCOMPARE(actionLines(), QStringList {QStringLiteral("CONFIG|SETTINGS SAVED")});
        QCOMPARE(TestShop::snapshot(), before);
        // Once saved, the dialog's defaults for absent keys are what the program does.
        QVERIFY(settings->contains(QStringLiteral("/Global/PrintReceipt")));
        QVERIFY(!settings->readBoolEntry(QStringLiteral("/Global/PrintReceipt")));
        QCOMPARE(settings->readNumEntry(QStringLiteral("/Misc/PreviewHeight")), 590);
        QVERIFY(settings->readBoolEntry(QStringLiteral("/Global/Semper/NewVersion")));
        // The renderer was made anew, reading the printers' settings again.
        QVERIFY(renderer.isNull() && utils->docPrint());
    }

    void eachChangeIsWrittenAndLogged()
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
            {"CashDrawDSRCheckBox", "on", "CAS DRAWER DTR-DSR CHANGED|OLD:'NO' NEW:'YES'"},
            {"Note2ValueEdit", Utility::numStr(50, 2), "CONFIG|BANKNOTE2 CHANGED TO " + Utility::numStr(50, 2)},
            {"FullScreenCheckBox", "on", "CHANGED FULLSCREEN|OLD:'FALSE' NEW:'TRUE'"},
            {"SnapScanEnabledCheckBox", "on", "ENABLED SNAPSCAN INTERFACE|"},
            {"SnapScanHostEdit", "pay.example", "CHANGED SNAPSCAN SERVER|OLD:'' NEW:'PAY.EXAMPLE'"},
        {"SnapScanMerchantIdEdit", "Harbour01", "CHANGED SNAPSCAN MERCHANT ID|OLD:'' NEW:'HARBOUR01'"},
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
        for (const char* key : {"/Global/SmtpPort", "/KitchenPrinter/Mode", "/ReceiptPrinter/Preview", "/Global/CashDrawDSR"})
            stored << settings->readEntry(QLatin1String(key));
        QCOMPARE(stored, (QStringList {"2525", "off", "ON", "Yes"}));
        QCOMPARE(settings->readDoubleEntry(QStringLiteral("/Global/BankNote2Value")), 50.0);
        QVERIFY(settings->readBoolEntry(QStringLiteral("/Global/FullScreen")));
        QVERIFY(settings->readBoolEntry(QStringLiteral("/Global/SnapScan/Enabled")));
        QVERIFY(!settings->readBoolEntry(QStringLiteral("/Global/Semper/NewVersion")));
    }

    void wrongValuesAreRefused_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("a tax rate of letters") << "Tax1Edit" << "abc" << "Changed Tax Rate: \"abc\" is not a number.";
        QTest::newRow("a tax of 150 per cent") << "Tax2Edit" << "1.5" << "Changed Levy Rate must lie between 0 and 1.";
        QTest::newRow("a negative rounding unit") << "RoundingEdit" << "-5" << "Changed Rounding must lie between 0 and 100.";
        QTest::newRow("no shop name") << "ALINE1Edit" << "  " << "The business name may not be empty.";
        QTest::newRow("a byte past 255") << "SlipKICKEdit" << "27,112,300" << "is not a list of byte values";
        QTest::newRow("QR payments on, no server") << "SnapScanEnabledCheckBox" << "on" << "needs its server";
        QTest::newRow("room charges on, no server") << "SemperEnabledCheckBox" << "on" << "needs its server";
        QTest::newRow("a terminal id that splits a field") << "SemperTermEdit" << "01,01" << "no commas";
    }

    void wrongValuesAreRefused()
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

    void users()
    {
        TestShop shop;
        logActions();
        TestShop::exec(QStringLiteral("INSERT INTO Login (Name, Host) VALUES ('JOHN', 'till-2')"));
        Prefs prefs;
        auto& prompts = shop.prompts();

        // Nothing chosen: nothing to act on.
        prompts.expect(ZkPrompt::Warning, "Update User", "You must have a user selected to perform an update")
            .expect(ZkPrompt::Warning, "Delete User", "You must have a user selected to perform a delete");
        prefs.updateUser();
        prefs.deleteUser();

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
        prompts.expect(ZkPrompt::Question, "Delete User", "Confirm that you will remove user 'JOHN' from the system", 0);
        prefs.deleteUser();
        QCOMPARE(personel("Name", "JOHN"), QStringLiteral("-"));
        QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Login WHERE Name='JOHN'")), 0);
        QCOMPARE(prefs.selectedUser(), QString());

        QCOMPARE(actionLines(), (QStringList {"PERSONEL|NEW USER KATE ADDED TO SYSTEM",
                                              "CHANGED GUI STYLE FOR KATE|OLD:'DEFAULT' NEW:'FUSION'",
                                              "PERSONEL|USER KATE UPDATED", "PERSONEL|USER JOHN DELETED FROM SYSTEM"}));
    }

    void loginCodesStayUnique_data()
    {
        QTest::addColumn<bool>("asNew");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("a new user with Mary's code") << true << "1111" << "MARY already logs in with this code";
        QTest::newRow("a new user with letters") << true << "12a4" << "digits only";
        QTest::newRow("Sue given John's code") << false << "2222" << "JOHN already logs in with this code";
        QTest::newRow("Sue without a code") << false << "" << "digits only";
    }

    void loginCodesStayUnique()
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

    void aCashierMadeHereSeesOnlyTheirRights()
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

    void valuesAreEscapedForTheMysqlClient_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("quote doubled") << QByteArray("O'Brien") << QByteArray("O''Brien");
        QTest::newRow("line break on one line") << QByteArray("a\nb") << QByteArray("a\\nb");
        // Backslash-N stays itself: folding it into backslash-n would lose it.
        QTest::newRow("backslash-N kept") << QByteArray("\\N") << QByteArray("\\\\N");
        QTest::newRow("NUL, which the client refuses raw") << QByteArray("a\0b", 3) << QByteArray("a\\0b");
        QTest::newRow("carriage return and UTF-8 untouched") << QByteArray("\r\xc3\xa9") << QByteArray("\r\xc3\xa9");
    }

    void valuesAreEscapedForTheMysqlClient()
    {
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, written);
        QByteArray line("x");
        BackupWriter::appendEscaped(line, value.constData(), int(value.size()));
        QCOMPARE(line, QByteArray("x") + written);
    }

    void restoreReproducesEveryTableButLogin()
    {
        TestShop shop;
        for (int i = 0; i < kHostile.size(); ++i) {
            const QString text = kHostile.at(i);
            insertBound(QStringLiteral("INSERT INTO Clients (Name, PostalAddr, Notes, Created) VALUES (?, ?, ?, ?)"),
                        {QStringLiteral("HOSTILE %1").arg(i), text, text, QVariant()});
            insertBound(QStringLiteral("INSERT INTO Supply (Company, Notes) VALUES (?, ?)"),
                        {QStringLiteral("SUPPLIER %1").arg(i), text});
            insertBound(QStringLiteral("INSERT INTO Actions (MyDate, Action, Who, Info, Status) VALUES (?, ?, ?, ?, ?)"),
                        {QStringLiteral("2026-12-05 10:30:%1").arg(i, 2, 10, QLatin1Char('0')), text, QString(), text,
                         QStringLiteral("0")});
        }
        TestShop::exec(QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, Rounding) "
                                      "VALUES (14, 'I', '2026-12-01 09:00:00', 0.1, 0.3)"));
        TestShop::exec(QStringLiteral("INSERT INTO Login (Name, Host) VALUES ('MARY', 'till-2')"));
        // A station's scratch table is no part of the shop.
        TestShop::exec(QStringLiteral("CREATE TABLE temp (x INTEGER)"));

        const QStringList tables = BackupWriter::tables();
        QVERIFY(!tables.contains(QStringLiteral("Login")));
        QVERIFY(!tables.contains(QStringLiteral("temp")));
        QVERIFY(tables.contains(QStringLiteral("InvoiceItemArchive")));
        QMap<QString, QList<QByteArray>> before;
        for (const QString& table : tables)
            before[table] = rowsOf(table);

        const QString file = shop.home() + QLatin1String("/shop.zbk");
        QCOMPARE(int(BackupWriter::writeFile(file).result), int(BackupWriter::Written));
        const QByteArray text = fileText(file);
        QVERIFY(text.startsWith("REPLACE INTO "));
        QVERIFY(!text.contains("REPLACE INTO Login ") && !text.contains("REPLACE INTO temp "));
        QCOMPARE(text.count('\n'), qsizetype(std::accumulate(before.begin(), before.end(), 0,
                                                              [](int n, const QList<QByteArray>& r) { return n + int(r.size()); })));

        // Restored into a database without tables: the tool makes them.
        QSqlDatabase db = QSqlDatabase::database();
        QString error;
        TestShop::exec(QStringLiteral("DROP TABLE temp"));
        QVERIFY2(DbSetup::dropAll(db, &error), qPrintable(error));
        QString output;
        const int status = brevalonDb(shop, {QStringLiteral("restore"), file}, &output);
        QVERIFY2(status == 0, qPrintable(output));
        for (const QString& table : tables) {
            const QList<QByteArray> after = rowsOf(table);
            QByteArray lost;
            for (const QByteArray& row : before.value(table)) {
                if (!after.contains(row))
                    lost += row + '\n';
            }
            QVERIFY2(after == before.value(table), qPrintable(table + QLatin1String(" differs, lost:\n") + lost));
        }
        QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Login")), 0);
    }

    void foreignFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("why");
        const QByteArray good = "REPLACE INTO Supply (Company,Notes) VALUES ('ACME','x')\n";
        QTest::newRow("empty") << QByteArray() << "holds no rows";
        QTest::newRow("a picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << "line 1";
        QTest::newRow("cut short") << good + "REPLACE INTO Supply (Company,Notes) VALUES ('AC" << "line 2";
        QTest::newRow("a table Brevalon has not") << good + "REPLACE INTO Accounts (Id) VALUES ('1')\n"
                                                 << "line 2: no table Accounts";
        QTest::newRow("the sessions") << "REPLACE INTO Login (Id,Name,Host) VALUES ('1','MARY','till-2')\n" + good
                                      << "no table Login";
        QTest::newRow("more values than columns") << QByteArray("REPLACE INTO Supply (Company) VALUES ('A','B')\n")
                                                  << "2 values for 1 columns";
        QTest::newRow("an open quote") << QByteArray("REPLACE INTO Supply (Company) VALUES ('A)\n")
                                       << "does not end";
        QTest::newRow("a statement after the values") << good.chopped(1) + "; DROP TABLE Clients\n"
                                                      << "closing bracket";
    }

    void foreignFilesAreRefused()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, why);
        TestShop shop;
        const QString file = shop.home() + QLatin1String("/foreign.zbk");
        writeFile(file, content);
        const QList<QByteArray> clients = rowsOf(QStringLiteral("Clients"));
        QString output;
        // Even with leave to drop the tables, nothing is touched.
        QCOMPARE(brevalonDb(shop, {QStringLiteral("restore"), QStringLiteral("--force"), file}, &output), 5);
        QVERIFY2(output.contains(QLatin1String("is not a Brevalon backup")) && output.contains(why), qPrintable(output));
        QCOMPARE(rowsOf(QStringLiteral("Clients")), clients);
    }

    void aDatabaseWithRowsIsKept()
    {
        TestShop shop;
        const QString file = shop.home() + QLatin1String("/shop.zbk");
        TestShop::exec(QStringLiteral("INSERT INTO Supply (Company) VALUES ('ONLY IN THE BACKUP')"));
        QCOMPARE(int(BackupWriter::writeFile(file).result), int(BackupWriter::Written));
        TestShop::exec(QStringLiteral("DELETE FROM Supply"));
        QString output;
        QCOMPARE(brevalonDb(shop, {QStringLiteral("restore"), file}, &output), 3);
        QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Supply")), 0);
        QCOMPARE(brevalonDb(shop, {QStringLiteral("restore"), QStringLiteral("--force"), file}, &output), 0);
        QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Supply WHERE Company='ONLY IN THE BACKUP'")), 1);
    }

    void backupCommand_data()
    {
        QTest::addColumn<QString>("answer");   // the destination given; "-": cancelled
        QTest::addColumn<QString>("written");  // the file expected; empty: none
        QTest::addColumn<int>("mediaExit");    // -1: no media command
        QTest::addColumn<qint64>("fileLimit"); // bytes a file may grow to; 0: no limit
        QTest::addColumn<QString>("status");
        QTest::addColumn<QStringList>("log");
        const QString start = QStringLiteral("BACKUP||0");
        QTest::newRow("no destination") << "-" << "" << -1 << qint64(0) << "Backup aborted, no destination choosen"
                                        << QStringList{start, "BACKUP|BACKUP ABORTED, NO DESTINATION CHOOSEN|0"};
        QTest::newRow("night becomes night.zbk, no media")
            << "night" << "night.zbk" << -1 << qint64(0) << "Backup complete"
            << QStringList{start, "BACKUP|NO BACKUP MEDIA APP|2"};
        QTest::newRow("night.zbk.old is already a backup's name")
            << "night.zbk.old" << "night.zbk.old" << 0 << qint64(0) << "Backup complete"
            << QStringList{start, "BACKUP|WRITING BACKUP TO MEDIA ...|0", "BACKUP|WRITING BACKUP TO MEDIA ...|3"};
        QTest::newRow("the media command fails")
            << "night" << "night.zbk" << 3 << qint64(0) << "Backup created, but writing to media failed. (exit status 3)"
            << QStringList{start, "BACKUP|WRITING BACKUP TO MEDIA ...|0", "BACKUP|WRITING BACKUP TO MEDIA ...|2"};
        QTest::newRow("a folder that cannot be") << "file/night" << "" << 0 << qint64(0)
                                                 << "Backup aborted, can't create %1/file/night.zbk"
                                                 << QStringList{start, "BACKUP|BACKUP ABORTED, CAN'T CREATE %1/FILE/NIGHT.ZBK|0"};
        QTest::newRow("the disk fills up") << "night" << "" << 0 << qint64(131072) << "Backup aborted, "
                                           << QStringList{start, "BACKUP|BACKUP ABORTED, "};
    }

    void backupCommand()
    {
        QFETCH(QString, answer);
        QFETCH(QString, written);
        QFETCH(int, mediaExit);
        QFETCH(qint64, fileLimit);
        QFETCH(QString, status);
        QFETCH(QStringList, log);
        Till till;
        settings->writeEntry(QStringLiteral("/Global/LogActions"), true);
        QVERIFY(utils->initClass(true));
        till.login(QStringLiteral("Admin"));
        QTemporaryDir dir;
        const QString folder = dir.path();
        status.replace(QLatin1String("%1"), folder);
        for (QString& line : log)
            line.replace(QLatin1String("%1"), folder.toUpper());
        writeFile(folder + QLatin1String("/file"), "a file where a folder should be");
        // The media command notes what it was given.
        const QString media = folder + QLatin1String("/media.sh");
        writeFile(media, QStringLiteral("#!/bin/sh\necho \"$@\" > '%1/media.args'\nexit %2\n")
                             .arg(folder)
                             .arg(qMax(0, mediaExit))
                             .toUtf8());
        QFile::setPermissions(media, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        settings->writeEntry(QStringLiteral("/Global/BackupCmd"),
                             mediaExit < 0 ? QString() : media + QLatin1String(" --to  /media/usb"));

        till.shop.prompts().expect(ZkPrompt::SaveFile, QStringLiteral("Choose a destination backup"), QString(), 0,
                                   answer == QLatin1String("-") ? QString() : folder + QLatin1Char('/') + answer,
                                   answer != QLatin1String("-"));
        if (fileLimit > 0)
            till.shop.prompts().expect(ZkPrompt::Warning, QStringLiteral("Brevalon Backup"), QStringLiteral("Backup aborted, "));
        struct rlimit old;
        getrlimit(RLIMIT_FSIZE, &old);
        if (fileLimit > 0) {
            // A backup well past the limit, and SQLite's write-ahead log emptied
            // so that the shop's own few writes stay below it.
            for (int i = 0; i < 3 * fileLimit / 60000 + 1; ++i)
                insertBound(QStringLiteral("INSERT INTO Supply (Company, Notes) VALUES (?, ?)"),
                            {QStringLiteral("BIG %1").arg(i), QString(60000, QLatin1Char('x'))});
            QSqlQuery checkpoint;
            if (!TestShop::isMariaDb())
                QVERIFY(checkpoint.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")));
            // A file past the limit fails to grow, as on a full disk.
            std::signal(SIGXFSZ, SIG_IGN);
            struct rlimit limit = old;
            limit.rlim_cur = rlim_t(fileLimit);
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        till.window->backup();
        setrlimit(RLIMIT_FSIZE, &old);

        QVERIFY2(till.window->status().startsWith(status), qPrintable(till.window->status()));
        QStringList lines;
        for (const ActionRow& row : actionRows()) {
            if (row.action == QLatin1String("BACKUP"))
                lines << row.action + QLatin1Char('|') + row.info + QLatin1Char('|') + row.status;
        }
        QCOMPARE(lines.size(), log.size());
        for (int i = 0; i < log.size(); ++i)
            QVERIFY2(lines.at(i).startsWith(log.at(i)), qPrintable(lines.join(QLatin1Char('\n'))));

        // Only the finished file, under its name; no temporary file is left.
        QStringList expected{QStringLiteral("file"), QStringLiteral("media.sh")};
        if (!written.isEmpty())
            expected << written;
        if (!written.isEmpty() && mediaExit >= 0)
            expected << QStringLiteral("media.args");
        std::sort(expected.begin(), expected.end());
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
        if (written.isEmpty())
            return;
        const QString file = folder + QLatin1Char('/') + written;
        QVERIFY(fileText(file).contains("REPLACE INTO Personel (Name,"));
        if (mediaExit >= 0)
            QCOMPARE(fileText(folder + QLatin1String("/media.args")), "--to /media/usb " + file.toUtf8() + "\n");
    }
};

BREVALON_TEST_MAIN(TestBackOffice)
#include "tst_backoffice.moc"
