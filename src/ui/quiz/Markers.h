#pragma once

#include "quiz/MapNavigation.h"
#include "quiz/MarkerRules.h"
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

// A marker on the map: a 129 x 25 panel that takes a dropped name, larger
// by the map's scale.
class MarkerBox : public QLabel {
    Q_OBJECT

public:
    MarkerBox(int k, QWidget *parent);
    int tag = 0; // markers::answerNumber(K), what the answer numbers of the description are compared with
    void setState(MarkerState state);
    MarkerState state() const { return current; }
    QColor colour() const;
    bool lowered() const { return current == MarkerState::Placed; }
    int number() const { return tag - 10; }
    // What a judged marker shows besides its colour: "✓" or "✗" (empty
    // before judging), so the result does not rest on red and green alone.
    QString judgementMark() const;
    // The right name of a marker judged wrong, shown under the pupil's
    // answer once the corrections are asked for; empty shows none.
    void setCorrection(const QString &name);
    QString correction() const { return rightAnswer; }
    // The map's scale: the box and all it draws grow by it.
    void setScale(double s);
    double scale() const { return zoom; }

signals:
    void dropped(MarkerBox *marker, int sourceTag);
    void doubleClicked(MarkerBox *marker);
    // Enter or Space on the focused marker: drop the picked name here.
    void dropRequested(MarkerBox *marker);
    // An arrow key on the focused marker.
    void moveRequested(MarkerBox *marker, navigation::Direction direction);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool accepts(const QMimeData *mime, QObject *source) const;
    void describe();
    MarkerState current = MarkerState::Blank;
    double zoom = 1.0;
    QString rightAnswer;
};

// A name field: shows one name; dragging it carries the name.
class NameField : public QLineEdit {
    Q_OBJECT

public:
    NameField(int k, QWidget *parent);
    int tag = 0; // K, the field's number
    // The name picked up by the keyboard, waiting for a marker.
    void setPicked(bool on);
    bool picked() const { return isPicked; }

signals:
    void chosen(NameField *field);
    // Enter or Space: the name is picked up, as a click chooses it.
    void pickRequested(NameField *field);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void describe();
    QPoint pressAt;
    bool pressed = false;
    bool isPicked = false;
};

// The floating hint panel over the map: shows the chosen name; the pupil can
// move it out of the way with the mouse.
class HintPanel : public QLabel {
    Q_OBJECT

public:
    explicit HintPanel(QWidget *parent);
    // Sets the caption and tells assistive technology that it changed.
    void announce(const QString &text);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPoint grab;
    bool moving = false;
};

} // namespace tv
