#pragma once

#include <QColor>
#include <QPixmap>

class QWidget;

namespace tv {

// The program's windows colour their own panels and texts; these set one
// colour of a widget's palette, the rest of its look staying the style's.
void fillBackground(QWidget *widget, const QColor &colour);
void setTextColour(QWidget *widget, const QColor &colour);
// A picture behind the widget instead of a colour, repeated as needed.
void fillBackgroundPicture(QWidget *widget, const QPixmap &picture);

// The pale yellow of the system's tooltips, which several windows wear.
inline const QColor kTooltipYellow(255, 255, 225);

} // namespace tv
