#pragma once

#include "quiz/MapTest.h"

#include <QLabel>
#include <QLineEdit>
#include <QMimeData>

namespace tv {

// The bundled bold sans in which markers, names and the hint panel are
// written: the content pack fits every name to it at 11 pixels.
QFont mapFont(int pixelSize);

// The drag payload: the tag of the name field the name comes from.
inline const QString kNameMime = QStringLiteral("application/x-terravia-name");

// The colour a marker wears in each state; the legend shows the same.
QColor markerColour(MarkerState state);

// A marker on the map: a 129 x 25 panel that takes a dropped name.
class MarkerBox : public QLabel {
    Q_OBJECT

public:
    MarkerBox(int k, QWidget *parent);
    int tag = 0; // 10 + K, what the answer numbers of the description are compared with
    void setState(MarkerState state);
    MarkerState state() const { return current; }
    QColor colour() const;
    bool lowered() const { return current == MarkerState::Placed; }

signals:
    void dropped(MarkerBox *marker, int sourceTag);
    void doubleClicked(MarkerBox *marker);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool accepts(const QMimeData *mime, QObject *source) const;
    MarkerState current = MarkerState::Blank;
};

// A name field: shows one name; dragging it carries the name.
class NameField : public QLineEdit {
    Q_OBJECT

public:
    NameField(int k, QWidget *parent);
    int tag = 0; // K, the field's number

signals:
    void chosen(NameField *field);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QPoint pressAt;
    bool pressed = false;
};

// The floating hint panel over the map: shows the chosen name; the pupil can
// move it out of the way with the mouse.
class HintPanel : public QLabel {
    Q_OBJECT

public:
    explicit HintPanel(QWidget *parent);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPoint grab;
    bool moving = false;
};

} // namespace tv
