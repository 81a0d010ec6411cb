#include "forms/comptablegui.h"

#include "forms/touchsize.h"

#include "core/zklistitem.h"

#include <QEvent>
#include <QSize>
#include <QLineEdit>

CompTableGui::CompTableGui(QWidget* parent)
    : QDialog(parent)
{
    setupUi(this);
    TouchSize::apply(this);
    TouchSize::fitScreen(this, QSize(1000, 720));
    ItemListView->setColumnCount(ColumnCount);
    ZkListItem::prepareView(ItemListView);
    languageChange();

    connect(CompListBox, &QListWidget::currentTextChanged, this, [this](const QString& name) { compSelected(name); });
    connect(CompNewPushButton, &QPushButton::clicked, this, [this] { newComposition(); });
    connect(CompUpdatePushButton, &QPushButton::clicked, this, [this] { updateComposition(); });
    connect(CompDeletePushButton, &QPushButton::clicked, this, [this] { deleteComposition(); });
    connect(ItemListView, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item)
            itemSelected(item);
    });
    connect(ItemNewPushButton, &QPushButton::clicked, this, [this] { newItem(); });
    connect(ItemUpdatePushButton, &QPushButton::clicked, this, [this] { updateItem(); });
    connect(ItemDeletePushButton, &QPushButton::clicked, this, [this] { deleteItem(); });
    connect(ItemDepartmentComboBox, &QComboBox::textActivated, this,
            [this](const QString& department) { departmentSelected(department); });
    connect(ItemComboBox->lineEdit(), &QLineEdit::returnPressed, this, [this] { itemSearch(); });
    connect(ImagePushButton, &QToolButton::clicked, this, [this] { imageSelection(); });
    connect(TouchEdit, &QLineEdit::textChanged, this, [this](const QString& text) { touchLabelChanged(text); });
    connect(ExitPushButton, &QPushButton::clicked, this, &QDialog::accept);
}

CompTableGui::~CompTableGui() = default;

void CompTableGui::languageChange()
{
    retranslateUi(this);
    ItemListView->setHeaderLabels({tr("Quantity"), tr("Description"), tr("Discount"), tr("Disc."), tr("Code"),
                                   tr("Unit Price"), tr("Price"), tr("Tier1 Price"), tr("Tier2 Price")});
}

void CompTableGui::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}
