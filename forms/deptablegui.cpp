#include "forms/deptablegui.h"

#include "forms/touchsize.h"

#include "core/zklistitem.h"

#include <QEvent>
#include <QSize>

DepTableGui::DepTableGui(QWidget* parent)
    : QDialog(parent)
{
    setupUi(this);
    TouchSize::apply(this);
    TouchSize::fitScreen(this, QSize(720, 540));
    DepListView->setColumnCount(4);
    ZkListItem::prepareView(DepListView);
    languageChange();

    connect(DepListView, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item)
            itemSelected(item);
    });
    connect(ImagePushButton, &QToolButton::clicked, this, [this] { imageSelection(); });
    connect(NewPushButton, &QPushButton::clicked, this, [this] { newEntry(); });
    connect(UpdatePushButton, &QPushButton::clicked, this, [this] { updateEntry(); });
    connect(DeletePushButton, &QPushButton::clicked, this, [this] { deleteEntry(); });
    connect(ClearPushButton, &QPushButton::clicked, this, [this] { clear(); });
    connect(RankUpPushButton, &QPushButton::clicked, this, [this] { rankUp(); });
    connect(RankDownPushButton, &QPushButton::clicked, this, [this] { rankDown(); });
    connect(ExitPushButton, &QPushButton::clicked, this, &QDialog::accept);
}

DepTableGui::~DepTableGui() = default;

void DepTableGui::languageChange()
{
    retranslateUi(this);
    DepListView->setHeaderLabels({tr("Department"), tr("Rank"), tr("Printer"), tr("Dockets to")});
}

void DepTableGui::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}
