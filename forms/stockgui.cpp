#include "forms/stockgui.h"

#include "forms/touchsize.h"

#include "core/zklistitem.h"

#include <QEvent>
#include <QSize>
#include <QLineEdit>

StockGui::StockGui(QWidget* parent)
    : QDialog(parent)
{
    setupUi(this);
    TouchSize::apply(this);
    TouchSize::fitScreen(this, QSize(900, 640));
    StockListView->setColumnCount(ColumnCount);
    ZkListItem::prepareView(StockListView);
    languageChange();

    connect(ItemComboBox->lineEdit(), &QLineEdit::returnPressed, this, [this] { itemReturnPressed(); });
    connect(ItemComboBox, QOverload<int>::of(&QComboBox::activated), this,
            [this](int index) { itemSelected(ItemComboBox->itemText(index)); });
    connect(QuantityEdit, &QLineEdit::returnPressed, this, [this] { addItem(); });
    connect(AddPushButton, &QPushButton::clicked, this, [this] { addItem(); });
    connect(RemovePushButton, &QPushButton::clicked, this, [this] { removeItem(); });
    connect(ProcessPushButton, &QPushButton::clicked, this, [this] { ok(); });
    connect(CancelPushButton, &QPushButton::clicked, this, [this] { cancel(); });
}

StockGui::~StockGui() = default;

void StockGui::languageChange()
{
    retranslateUi(this);
    StockListView->setHeaderLabels({tr("Qty."), tr("UOM"), tr("Item"), tr("Supplier"), tr("Adjustment"), tr("Price"),
                                    tr("Markup"), tr("Cost"), tr("Code")});
}

void StockGui::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}
