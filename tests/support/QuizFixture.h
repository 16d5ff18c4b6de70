#pragma once

#include "Scripted.h"

#include <QPoint>
#include <QSize>
#include <QStringList>

#include <vector>

class QTimer;
class QWidget;

namespace tv {
class MapView;
class MarkerBox;
class NameField;
class TestWindow;
}

namespace tv::test {

// Writes a map test into the data directory: the configuration file, the
// description file and a JPEG picture of the given size.
void writeMapTest(const TempDataDir &data, const QString &conf, const QString &desc, const QString &picture,
                  const std::vector<QPoint> &positions, const QStringList &description,
                  QSize pictureSize = QSize(400, 300));

// A JPEG picture of the given size, as bytes.
QByteArray jpeg(QSize size);

// Drops the name of field `field` on marker `marker` the way Qt delivers a
// drop: a QDropEvent sent to the marker.
void dropOnMarker(TestWindow *window, int field, int marker);

// Drops the name of field `field` at a point of the map's visible area, the
// way Qt delivers a drop there: to the widget under the point, in its own
// coordinates. Returns that widget.
QWidget *dropAt(TestWindow *window, int field, QPoint viewportPos);

// Writes konf.dat with the given options (no sounds, no users).
void writeSettings(const TempDataDir &data, int startCreator, int removePlacedNames,
                   const QStringList &users = {});

// The test window's parts, found by their object names as a user finds them
// by what they show.
MarkerBox *markerBox(const TestWindow *window, int k);
NameField *nameFieldOf(const TestWindow *window, int k);
QTimer *timerOf(const TestWindow *window, const char *name); // startDelay, clock, numberPause, edgeScroll
MapView *mapViewOf(const TestWindow *window);
QWidget *canvasOf(const TestWindow *window);
QSize pictureSizeOf(const TestWindow *window);
QString hintOf(const TestWindow *window);
// The name field picked up by the keyboard, 0 when none is.
int pickedField(const TestWindow *window);

} // namespace tv::test
