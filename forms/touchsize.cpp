#include "forms/touchsize.h"

#include "core/zklistitem.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScreen>

namespace {

/** The list cells of the program, their rows high enough to pick with a finger. */
class TouchRowDelegate : public ZkGridDelegate
{
public:
    using ZkGridDelegate::ZkGridDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QSize size = ZkGridDelegate::sizeHint(option, index);
        return {size.width(), qMax(size.height(), TouchSize::kRowHeight)};
    }
};

/** A combo box's drop-down list is a view of its own, left as it is. */
bool insideComboBox(const QWidget* widget, const QWidget* form)
{
    for (const QWidget* w = widget->parentWidget(); w && w != form; w = w->parentWidget()) {
        if (qobject_cast<const QComboBox*>(w))
            return true;
    }
    return false;
}

} // namespace

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
    for (QAbstractItemView* view : form->findChildren<QAbstractItemView*>()) {
        if (!insideComboBox(view, form))
            view->setItemDelegate(new TouchRowDelegate(view));
    }
}

void fitScreen(QWidget* form, const QSize& preferred)
{
    // Room for the window manager's frame and title bar.
    const QSize room = form->screen()->availableSize() - QSize(20, 40);
    form->resize(preferred.boundedTo(room).expandedTo(form->minimumSizeHint()));
}

} // namespace TouchSize
