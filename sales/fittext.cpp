#include "sales/fittext.h"

#include <QFontMetrics>
#include <QVariant>
#include <QWidget>

void fitText(QWidget* widget, const QString& text, int room)
{
    // The form's own type is kept the first time, so that a wider place
    // later gets it back.
    QVariant designed = widget->property("designedFont");
    if (!designed.isValid()) {
        designed = widget->font();
        widget->setProperty("designedFont", designed);
    }
    QFont font = designed.value<QFont>();
    while (font.pointSize() > 7 && QFontMetrics(font).horizontalAdvance(text) > room)
        font.setPointSize(font.pointSize() - 1);
    widget->setFont(font);
}
