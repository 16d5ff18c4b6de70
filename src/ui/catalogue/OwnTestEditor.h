#pragma once

#include "catalogue/OwnTests.h"

#include <QByteArray>
#include <QImage>
#include <QLabel>
#include <QList>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollArea;

namespace tv {

// One marker of the test being made: the 129 × 25 box as the test shows it,
// with its number; dragged to adjust.
class EditorMarker : public QLabel {
    Q_OBJECT

public:
    EditorMarker(int index, QWidget *parent);
    void setNumber(int number);
    void setSelected(bool selected);
    int index = 0;

signals:
    void pressed(int index);
    void dragged(int index, QPoint topLeft);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int number = 1;
    bool selected = false;
    bool dragging = false;
    QPoint grab;
};

// The map at its natural size; a click on it places a marker.
class EditorCanvas : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;
    void setPicture(const QImage &image);
    const QImage &picture() const { return image; }

signals:
    void clicked(QPoint at);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QImage image;
};

// The editor of a teacher's own test: a picture, a title and up to 17 named
// markers, saved as the three files of a test in the folder of own tests.
// The rules (codes, checks, the files) are the core's; this window only
// shows the test being made and asks the desktop service for the rest.
class OwnTestEditor : public QWidget {
    Q_OBJECT

public:
    explicit OwnTestEditor(QWidget *parent = nullptr);

    // An empty test, to be saved into the folder of own tests.
    void startNew();
    // A saved test as it was saved; false (reported) when its files do
    // not read, and then nothing is shown or written.
    bool openExisting(const QString &folder, const QString &code);

    // The file chooser, then loadPicture.
    bool choosePicture();
    // JPEG, or PNG converted to JPEG when saved; refused above the largest
    // size (reported). Markers already placed stay.
    bool loadPicture(const QString &path);

    // A new marker centred on the point (picture pixels), kept inside the
    // picture; its index, or -1 when there are 17 already.
    int addMarkerAt(QPoint centre);
    void moveMarker(int index, QPoint topLeft);
    void removeMarker(int index);
    // Swaps the marker with the one before (up) or after it.
    void moveMarkerUp(int index);
    void moveMarkerDown(int index);
    void setMarkerName(int index, const QString &name);
    void selectMarker(int index);
    int selectedMarker() const { return selected; }

    // The checks, then the three files; false when a check fails (all of
    // them said in one message) or a write fails.
    bool save();

    const owntests::OwnTest &test() const { return current; }
    QSize pictureSize() const { return canvas->picture().size(); }
    QString folder() const { return targetFolder; }
    EditorCanvas *mapCanvas() const { return canvas; }
    EditorMarker *marker(int index) const { return markers.value(index); }
    QLineEdit *titleField() const { return titleEdit; }
    QLineEdit *nameField() const { return nameEdit; }
    QListWidget *markerList() const { return list; }

    // The width of a name in the marker font.
    static int nameWidth(const QString &name);

signals:
    void saved(const QString &code);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void rebuild();
    void showMarker(int index);
    QPoint insidePicture(QPoint topLeft) const;
    void updateCaption();

    owntests::OwnTest current;
    QString targetFolder;
    QByteArray jpeg;      // the picture as saved
    bool pictureIsJpeg = false;
    int selected = -1;
    QList<EditorMarker *> markers;

    QLineEdit *titleEdit = nullptr;
    QLineEdit *nameEdit = nullptr;
    QListWidget *list = nullptr;
    QScrollArea *scroll = nullptr;
    EditorCanvas *canvas = nullptr;
    QLabel *countLabel = nullptr;
    QPushButton *upButton = nullptr;
    QPushButton *downButton = nullptr;
    QPushButton *deleteButton = nullptr;
};

} // namespace tv
