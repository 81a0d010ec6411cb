#pragma once

#include <QString>

class QWidget;

/** Gives @p widget its designed type, or a smaller one (down to 7 points)
 *  where @p text would not fit @p room pixels: on a small screen a caption
 *  or a total shrinks rather than lose characters. */
void fitText(QWidget* widget, const QString& text, int room);
