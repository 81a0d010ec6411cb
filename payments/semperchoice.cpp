#include "payments/semperchoice.h"

#include <QLabel>
#include <QListWidget>

namespace {

/** Marks an entry of the account list. */
constexpr int kAccountRole = Qt::UserRole;

} // namespace

SemperChoice::SemperChoice(QWidget* parent)
    : SemperGui(parent)
{
    setObjectName(QStringLiteral("SemperGui"));
}

void SemperChoice::populate(const QString& reply)
{
    RoomListBox->clear();
    RoomListBox->addItem(cashSale());
    for (const SemperEntry& entry : SemperMessages::entries(reply)) {
        auto* item = new QListWidgetItem(entry.text, RoomListBox);
        item->setData(kAccountRole, entry.account);
    }
    RoomListBox->setCurrentRow(0);
}

QString SemperChoice::getSelection() const
{
    const QListWidgetItem* item = RoomListBox->currentItem();
    return result() == QDialog::Accepted && item ? item->text() : QString();
}

SemperEntry SemperChoice::charge() const
{
    const QListWidgetItem* item = RoomListBox->currentItem();
    if (getSelection().isEmpty() || RoomListBox->currentRow() == 0)
        return {};
    return {item->text(), item->data(kAccountRole).toBool()};
}

void SemperChoice::selUp()
{
    if (RoomListBox->currentRow() > 0)
        RoomListBox->setCurrentRow(RoomListBox->currentRow() - 1);
}

void SemperChoice::selDown()
{
    if (RoomListBox->currentRow() + 1 < RoomListBox->count())
        RoomListBox->setCurrentRow(RoomListBox->currentRow() + 1);
}

void SemperChoice::selectionChanged()
{
    const QListWidgetItem* item = RoomListBox->currentItem();
    SelectionLabel->setText(item ? item->text() : QString());
}

void SemperChoice::languageChange()
{
    SemperGui::languageChange();
    if (RoomListBox->count() > 0)
        RoomListBox->item(0)->setText(cashSale());
    selectionChanged();
}
