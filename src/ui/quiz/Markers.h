#pragma once

#include "quiz/MapTest.h"

#include <QLabel>
#include <QLineEdit>
#include <QMimeData>

namespace tv {

// The drag payload: the Tag of the name field the name comes from.
inline const QString kNameMime = QStringLiteral("application/x-terravia-name");

// A marker on the map (p1..p17): a 129 x 25 panel that takes a dropped name.
class TMarker : public QLabel {
    Q_OBJECT

public:
    TMarker(int k, QWidget *parent);
    int Tag = 0; // 10 + K
    void setState(MarkerState state);
    MarkerState state() const { return current; }
    QColor colour() const;
    bool lowered() const { return current == MarkerState::Placed; }

signals:
    void dropped(TMarker *marker, int sourceTag);
    void doubleClicked(TMarker *marker);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool accepts(const QMimeData *mime, QObject *source) const;
    MarkerState current = MarkerState::Blank;
};

// A name field (e1..e17): shows one name; dragging it carries the name.
class TNameField : public QLineEdit {
    Q_OBJECT

public:
    TNameField(int k, QWidget *parent);
    int Tag = 0; // K

signals:
    void chosen(TNameField *field);

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
class THintPanel : public QLabel {
    Q_OBJECT

public:
    explicit THintPanel(QWidget *parent);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPoint grab;
    bool moving = false;
};

} // namespace tv
