#include "Look.h"

#include <QWidget>

namespace tv {

void fillBackground(QWidget *widget, const QColor &colour)
{
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
}

void fillBackgroundPicture(QWidget *widget, const QPixmap &picture)
{
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setBrush(QPalette::Window, QBrush(picture));
    widget->setPalette(pal);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, colour);
    widget->setPalette(pal);
}

} // namespace tv
