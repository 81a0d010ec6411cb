#include "sales/combodialog.h"

#include <QComboBox>
#include <QLabel>

ComboDialog::ComboDialog(QWidget* parent, const char* name, bool modal, Qt::WindowFlags flags)
    : ComboDialogGui(parent, flags)
{
    Q_UNUSED(name)
    setObjectName(QStringLiteral("ComboDialog"));
    setModal(modal);
}

void ComboDialog::setup(const QString& label, const QStringList& items)
{
    m_label = label;
    textLabel1->setText(label);
    comboBox1->clear();
    comboBox1->addItems(items);
}

QString ComboDialog::getValue() const
{
    return comboBox1->currentText();
}

void ComboDialog::languageChange()
{
    ComboDialogGui::languageChange();
    if (!m_label.isEmpty())
        textLabel1->setText(m_label);
}
