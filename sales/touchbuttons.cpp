// The touch page: sixteen places showing the departments, then a
// department's items and compositions in pages of sixteen, or the keypad
// for the quantity; five command buttons beside them.

#include "sales/sales.h"

#include "sales/fittext.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"

#include <QEvent>
#include <QHash>
#include <QFontMetrics>
#include <QSignalBlocker>
#include <QToolButton>
#include <QSqlQuery>

namespace {

enum Command { TopLevel = 0, Delete = 1, NextPage = 2, PreviousPage = 3, QuantityKeypad = 4 };

// The keypad's keys on the places, in place order.
const char* const kKeypadImages[] = {"1.png", "2.png", "3.png", "4.png", "5.png", "6.png",
                                     "7.png", "8.png", "9.png", nullptr, "0.png", "ok.png"};
constexpr int kDecimalPlace = 9;
constexpr int kZeroPlace = 10;
constexpr int kOkPlace = 11;

// Pictures are drawn to the size of their place, but never smaller than this.
constexpr int kMinPlaceWidth = 72;
constexpr int kMinPlaceHeight = 56;

struct Entry
{
    QString code;
    QString description;
};

// The width of a label's longest word in the font that touch labels are
// drawn in.
int longestWordWidth(const QString& label)
{
    QFont font(settings->readEntry(QStringLiteral("/Global/TouchFont")),
               settings->readNumEntry(QStringLiteral("/Global/TouchFontSize")));
    font.setWeight(Utility::fontWeight(settings->readNumEntry(QStringLiteral("/Global/TouchFontWeight"))));
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& word : label.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        widest = qMax(widest, metrics.horizontalAdvance(word));
    return widest;
}

QString buttonText(const QString& label)
{
    // A single "&" would underline the next letter instead of showing.
    QString text = label;
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

void Sales::touchButton(int id)
{
    if (m_keypadOn) {
        keypadPress(id);
        return;
    }
    switch (id) {
    case TopLevel:
        touchTopLevel();
        return;
    case Delete:
        F6DeleteItem();
        return;
    case NextPage:
    case PreviousPage: {
        const int offset = m_touchOffset + (id == NextPage ? kPlaceCount : -kPlaceCount);
        if (offset < 0)
            return;
        const int before = m_touchOffset;
        m_touchOffset = offset;
        if (m_touchDepartment.isEmpty())
            showDepartments();
        else
            showDepartmentItems();
        // Past the last page there is nothing to show: stay where we were.
        if (m_placeCodes.value(0).isEmpty() && offset > 0) {
            m_touchOffset = before;
            if (m_touchDepartment.isEmpty())
                showDepartments();
            else
                showDepartmentItems();
        }
        return;
    }
    case QuantityKeypad:
        showKeypad(true);
        return;
    default:
        pressPlace(id);
    }
}

void Sales::setUpTouchPage()
{
    m_placeCodes = QStringList(kPlaceCount, QString());
    for (int i = 0; i < kPlaceCount; ++i) {
        QAbstractButton* place = touchButtonAt(kFirstPlace + i);
        // What a place shows must not widen its column: a long word would
        // shift every button under the cashier's finger.
        place->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    }
    touchButtonAt(kFirstPlace)->installEventFilter(this);
}

bool Sales::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == touchButtonAt(kFirstPlace) && !utils->loggedOut())
        refreshPlaces();
    return SalesGui::eventFilter(watched, event);
}

void Sales::refreshPlaces()
{
    if (m_keypadOn)
        showKeypad(true);
    else if (m_touchDepartment.isEmpty())
        showDepartments();
    else
        showDepartmentItems();
}

void Sales::touchTopLevel()
{
    m_keypadOn = false;
    m_touchDepartment.clear();
    m_touchOffset = 0;
    captionTouchTab();
    showDepartments();
}

void Sales::captionTouchTab()
{
    tabWidget3->setTabText(tabWidget3->indexOf(tab_3), m_touchDepartment.isEmpty()
                                                           ? tr("F11 Department Selection")
                                                           : tr("F11 %1").arg(buttonText(m_touchDepartment)));
}

void Sales::showDepartments()
{
    m_placeCodes = QStringList(kPlaceCount, QString());
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT Department,Image FROM Departments ORDER By Rank"))) {
        Utility::showDBError(q);
        return;
    }
    int index = -m_touchOffset;
    while (q.next() && index < kPlaceCount) {
        if (index >= 0)
            setPlace(index, q.value(0).toString(), q.value(0).toString(), q.value(1).toString().toLatin1());
        ++index;
    }
    for (index = qMax(0, index); index < kPlaceCount; ++index)
        setPlace(index, QString(), QString(), QByteArray());
}

void Sales::showDepartmentItems()
{
    m_placeCodes = QStringList(kPlaceCount, QString());
    const QString department = Utility::escapeSQL(m_touchDepartment);
    // The department's items, then its compositions (their codes marked).
    const struct
    {
        QString sql;
        QString codeSuffix;
    } sources[] = {
        {QStringLiteral("SELECT Code,Description FROM Inventory WHERE Department='%1' ORDER BY Rank, Description"),
         QString()},
        {QStringLiteral("SELECT Code,Description FROM Compositions WHERE Department='%1' ORDER BY Description"),
         QStringLiteral(".CMP")},
    };
    QList<Entry> entries;
    for (const auto& source : sources) {
        QSqlQuery q;
        if (!q.exec(source.sql.arg(department))) {
            Utility::showDBError(q);
            return;
        }
        while (q.next())
            entries << Entry{q.value(0).toString() + source.codeSuffix, q.value(1).toString()};
    }

    // The page's pictures in one statement: a press must answer at once.
    const QList<Entry> page = entries.mid(m_touchOffset, kPlaceCount);
    QStringList quoted;
    for (const Entry& e : page)
        quoted << QLatin1Char('\'') + Utility::escapeSQL(e.code) + QLatin1Char('\'');
    QHash<QString, QPair<QString, QByteArray>> pictures; // code -> label, image
    if (!page.isEmpty()) {
        QSqlQuery q;
        if (!q.exec(QStringLiteral("SELECT Code,Label,Image from Images WHERE Code IN (%1)")
                        .arg(quoted.join(QLatin1Char(','))))) {
            Utility::showDBError(q);
            return;
        }
        while (q.next())
            // MariaDB matches codes in any case; so does the look-up here.
            pictures.insert(q.value(0).toString().toUpper(), {q.value(1).toString(), q.value(2).toString().toLatin1()});
    }
    for (int index = 0; index < kPlaceCount; ++index) {
        if (index >= page.size()) {
            setPlace(index, QString(), QString(), QByteArray());
            continue;
        }
        const Entry& e = page.at(index);
        const auto picture = pictures.value(e.code.toUpper());
        setPlace(index, e.code, picture.first.trimmed().isEmpty() ? e.description : picture.first, picture.second);
    }
}

void Sales::setPlace(int index, const QString& code, const QString& label, const QByteArray& image)
{
    QAbstractButton* button = touchButtonAt(kFirstPlace + index);
    m_placeCodes[index] = code;
    button->setEnabled(!code.isEmpty());
    if (code.isEmpty()) {
        button->setText(QString());
        button->setIcon(QIcon());
        button->setToolTip(QString());
        return;
    }
    const int width = qMax(kMinPlaceWidth, button->width() - 10);
    const int height = qMax(kMinPlaceHeight, button->height() - 10);
    QImage picture = Utility::decodeImage(image, int(image.size()), label, width, height);
    // A stored picture leaves room for its label under it; without one the
    // label itself is drawn as the picture.
    const bool stored = image.size() > 3 && !picture.isNull() && picture.height() <= height - 20;
    if (!stored) {
        // A word wider than the place is drawn on a wider canvas, which the
        // button then shows shrunk to fit, rather than cut off.
        const int wanted = longestWordWidth(label) + 8;
        if (wanted > width)
            picture = Utility::decodeImage(image, int(image.size()), label, wanted, height * wanted / width);
    }
    button->setIcon(QIcon(QPixmap::fromImage(picture)));
    button->setIconSize(stored ? picture.size() : QSize(width, height));
    button->setText(stored ? buttonText(label) : QString());
    // A caption shrinks rather than lose its middle on a narrow place.
    fitText(button, QString(button->text()).replace(QLatin1String("&&"), QLatin1String("&")), button->width() - 8);
    button->setToolTip(label);
    if (auto* tool = qobject_cast<QToolButton*>(button))
        tool->setToolButtonStyle(stored ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
}

void Sales::pressPlace(int id)
{
    const QString code = m_placeCodes.value(id - kFirstPlace);
    if (code.isEmpty())
        return;
    if (m_touchDepartment.isEmpty()) {
        m_touchDepartment = code;
        m_touchOffset = 0;
        captionTouchTab();
        showDepartmentItems();
        return;
    }
    for (int i = 0; i < TypeComboBox->count(); ++i) {
        if (lineType(TypeComboBox->itemText(i)) == QLatin1String("Inventory")) {
            TypeComboBox->setCurrentIndex(i);
            break;
        }
    }
    {
        // The quantity from the keypad stays for this item.
        const QSignalBlocker blocker(ItemComboBox);
        ItemComboBox->setEditText(code);
    }
    m_item.validated = false;
    m_touchPress = true;
    itemReturnPressed();
    m_touchPress = false;
}

void Sales::showKeypad(bool on)
{
    const bool opening = on && !m_keypadOn;
    m_keypadOn = on;
    if (!on) {
        refreshPlaces();
        return;
    }
    const QChar point = Utility::locale().decimalPoint().at(0);
    m_placeCodes = QStringList(kPlaceCount, QString());
    for (int index = 0; index < kPlaceCount; ++index) {
        QAbstractButton* button = touchButtonAt(kFirstPlace + index);
        const char* file = index == kDecimalPlace ? (point == QLatin1Char(',') ? "comma.png" : "dot.png")
            : index < int(sizeof(kKeypadImages) / sizeof(kKeypadImages[0])) ? kKeypadImages[index]
                                                                             : nullptr;
        button->setText(QString());
        button->setToolTip(QString());
        if (!file) {
            button->setIcon(QIcon());
            button->setEnabled(false);
            continue;
        }
        if (auto* tool = qobject_cast<QToolButton*>(button))
            tool->setToolButtonStyle(Qt::ToolButtonIconOnly);
        const QPixmap key(Utility::shareFile(QLatin1String(file)));
        const int side = qMax(32, qMin(button->width(), button->height()) - 8);
        button->setIcon(QIcon(key));
        button->setIconSize(QSize(side, side));
        button->setEnabled(true);
        m_placeCodes[index] = QLatin1String(file);
    }
    if (opening) {
        // The keypad writes a new quantity.
        QuantityEdit->clear();
        QtyLabel->clear();
    }
}

void Sales::keypadPress(int id)
{
    const int place = id - kFirstPlace;
    QString quantity = QuantityEdit->text();
    if (id == Delete) {
        quantity.remove(0, 1);
    } else if (place >= 0 && place < kDecimalPlace) {
        quantity += QString::number(place + 1);
    } else if (place == kDecimalPlace) {
        if (!quantity.contains(Utility::locale().decimalPoint()))
            quantity += Utility::locale().decimalPoint();
    } else if (place == kZeroPlace) {
        quantity += QLatin1Char('0');
    } else if (place == kOkPlace || id == QuantityKeypad || id == TopLevel) {
        if (Utility::strNum(quantity) <= 0)
            quantity = QStringLiteral("1");
        QuantityEdit->setText(quantity);
        QtyLabel->setText(quantity);
        setStatus(QString());
        if (id == TopLevel)
            touchTopLevel();
        else
            showKeypad(false);
        return;
    } else {
        return;
    }
    QuantityEdit->setText(quantity);
    QtyLabel->setText(quantity);
    // The quantity field is on the other page: the status bar shows it here.
    setStatus(tr("Quantity: %1").arg(quantity));
}
