#include "forms/vendtablegui.h"

#include "forms/touchsize.h"

#include <QEvent>
#include <QSize>

VendTableGui::VendTableGui(QWidget* parent)
    : QDialog(parent)
{
    setupUi(this);
    TouchSize::apply(this);
    TouchSize::fitScreen(this, QSize(1000, 720));
    SearchComboBox->addItems({QString(), QString(), QString()});
    languageChange();

    connect(SearchEdit, &QLineEdit::returnPressed, this, [this] { searchEntry(); });
    connect(SearchPushButton, &QPushButton::clicked, this, [this] { searchEntry(); });
    connect(FilterComboBox, &QComboBox::textActivated, this, [this](const QString& d) { filterChange(d); });
    connect(CodeEdit, &QLineEdit::returnPressed, this, [this] { barcodeScanned(); });
    for (QLineEdit* field : {CostEdit, MarkupEdit, Tier1MarkupEdit, Tier2MarkupEdit})
        connect(field, &QLineEdit::textEdited, this, [this](const QString& t) { updateSell(t); });
    for (QLineEdit* field : {SellEdit, Tier1SellEdit, Tier2SellEdit})
        connect(field, &QLineEdit::editingFinished, this, [this] { forceSell(); });
    for (QCheckBox* box : {Tax1CheckBox, Tax2CheckBox})
        connect(box, &QCheckBox::clicked, this, [this] { taxableChange(); });
    connect(ImagePushButton, &QToolButton::clicked, this, [this] { imageSelection(); });
    connect(StockFixPushButton, &QPushButton::clicked, this, [this] { stockLevelFix(); });
    connect(NewPushButton, &QPushButton::clicked, this, [this] { newEntry(); });
    connect(UpdatePushButton, &QPushButton::clicked, this, [this] { updateEntry(); });
    connect(DeletePushButton, &QPushButton::clicked, this, [this] { deleteEntry(); });
    connect(ClearPushButton, &QPushButton::clicked, this, [this] { clear(); });
    connect(RankUpPushButton, &QPushButton::clicked, this, [this] { rankUp(); });
    connect(RankDownPushButton, &QPushButton::clicked, this, [this] { rankDown(); });
    connect(ExitPushButton, &QPushButton::clicked, this, &QDialog::accept);
}

VendTableGui::~VendTableGui() = default;

void VendTableGui::languageChange()
{
    retranslateUi(this);
    SearchComboBox->setItemText(0, tr("Search By Code"));
    SearchComboBox->setItemText(1, tr("Search By Description"));
    SearchComboBox->setItemText(2, tr("Search By Department"));
}

void VendTableGui::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}
