#include "QuizFixture.h"

#include "quiz/Markers.h"
#include "quiz/TestWindow.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QTimer>

namespace tv::test {

QByteArray jpeg(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(0xf2, 0xd9, 0xa4));
    QPainter p(&image);
    p.setPen(QColor(0x2f, 0x6f, 0xd0));
    p.drawEllipse(QRect(QPoint(0, 0), size).adjusted(10, 10, -10, -10));
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 85);
    return bytes;
}

void writeMapTest(const TempDataDir &data, const QString &conf, const QString &desc, const QString &picture,
                  const std::vector<QPoint> &positions, const QStringList &description, QSize pictureSize)
{
    QStringList confLines{QString::number(positions.size()), picture};
    for (const QPoint &p : positions)
        confLines << QString::number(p.x()) << QString::number(p.y());
    data.writeLines(conf, confLines);
    data.writeLines(desc, description);
    data.write(picture, jpeg(pictureSize));
}

void dropOnMarker(TestWindow *window, int field, int marker)
{
    QMimeData mime;
    mime.setData(kNameMime, QByteArray::number(field));
    MarkerBox *target = markerBox(window, marker);
    // As Qt delivers it: the drag enters the marker, then drops on it.
    QDragEnterEvent enter(QPoint(10, 10), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(10, 10), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
}

QWidget *dropAt(TestWindow *window, int field, QPoint viewportPos)
{
    QWidget *viewport = mapViewOf(window)->viewport();
    QWidget *target = viewport->childAt(viewportPos);
    if (!target)
        return nullptr;
    QMimeData mime;
    mime.setData(kNameMime, QByteArray::number(field));
    const QPointF at = target->mapFrom(viewport, viewportPos);
    QDragEnterEvent enter(at.toPoint(), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return target;
}

MarkerBox *markerBox(const TestWindow *window, int k)
{
    return window->findChild<MarkerBox *>(QStringLiteral("marker%1").arg(k));
}

NameField *nameFieldOf(const TestWindow *window, int k)
{
    return window->findChild<NameField *>(QStringLiteral("nameField%1").arg(k));
}

QTimer *timerOf(const TestWindow *window, const char *name)
{
    return named<QTimer>(window, name);
}

MapView *mapViewOf(const TestWindow *window)
{
    return named<MapView>(window, "mapScroll");
}

QWidget *canvasOf(const TestWindow *window)
{
    return named<QWidget>(window, "mapCanvas");
}

QSize pictureSizeOf(const TestWindow *window)
{
    return mapViewOf(window)->pictureSize();
}

QString hintOf(const TestWindow *window)
{
    return named<HintPanel>(window, "hintPanel")->text();
}

int pickedField(const TestWindow *window)
{
    for (const NameField *f : window->findChildren<NameField *>())
        if (f->picked())
            return f->tag;
    return 0;
}

void writeSettings(const TempDataDir &data, int startCreator, int removePlacedNames, const QStringList &users)
{
    QStringList lines{"1", QString::number(startCreator), "", "", QString::number(removePlacedNames)};
    lines += users;
    data.writeLines(QStringLiteral("konf.dat"), lines);
}

} // namespace tv::test
