#include "forms/touchsize.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>

namespace TouchSize {

void apply(QWidget* form)
{
    for (QAbstractButton* button : form->findChildren<QAbstractButton*>())
        button->setMinimumHeight(qMax(button->minimumHeight(), kButtonHeight));
    for (QWidget* field : form->findChildren<QLineEdit*>()) {
        // A combo box's own line edit follows its box.
        if (!qobject_cast<QComboBox*>(field->parentWidget()))
            field->setMinimumHeight(qMax(field->minimumHeight(), kFieldHeight));
    }
    for (QWidget* choice : form->findChildren<QComboBox*>())
        choice->setMinimumHeight(qMax(choice->minimumHeight(), kFieldHeight));
    for (QWidget* spin : form->findChildren<QAbstractSpinBox*>())
        spin->setMinimumHeight(qMax(spin->minimumHeight(), kFieldHeight));
}

} // namespace TouchSize
