#include "forms/suppliergui.h"

#include "forms/touchsize.h"

#include "core/zklistitem.h"

#include <QEvent>
#include <QSize>

SupplierGui::SupplierGui(QWidget* parent)
    : QDialog(parent)
{
    setupUi(this);
    TouchSize::apply(this);
    TouchSize::fitScreen(this, QSize(900, 640));
    SupplierListView->setColumnCount(ColumnCount);
    ZkListItem::prepareView(SupplierListView);
    languageChange();

    connect(SupplierListView, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item)
            supplierSelected(item);
    });
    connect(NewPushButton, &QPushButton::clicked, this, [this] { newSupplier(); });
    connect(UpdatePushButton, &QPushButton::clicked, this, [this] { updateSupplier(); });
    connect(DeletePushButton, &QPushButton::clicked, this, [this] { deleteSupplier(); });
    connect(ClearPushButton, &QPushButton::clicked, this, [this] { clearSupplier(); });
    connect(ExitPushButton, &QPushButton::clicked, this, &QDialog::accept);
}

SupplierGui::~SupplierGui() = default;

void SupplierGui::languageChange()
{
    retranslateUi(this);
    SupplierListView->setHeaderLabels({tr("Company"), tr("Contact"), tr("Email"), tr("Tel"), tr("Fax"), tr("Cell"),
                                       tr("Notes"), tr("Postal Address"), tr("Physical Address")});
}

void SupplierGui::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}
