#include "SplashScreen.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRegion>
#include <QScreen>

namespace tv {

SplashScreen::SplashScreen(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture(QStringLiteral(":/pictures/splash.png"))
{
    setObjectName(QStringLiteral("splashScreen"));
    setFixedSize(536, 260);
    // The window shape is the ellipse inscribed in the window.
    setMask(QRegion(rect(), QRegion::Ellipse));
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
}

void SplashScreen::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (picture.isNull())
        p.fillRect(rect(), QColor(0x1f, 0x3a, 0x68));
    else
        p.drawPixmap(rect(), picture);
}

} // namespace tv
