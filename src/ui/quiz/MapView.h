#pragma once

#include "quiz/MapTest.h"

#include <QPointer>
#include <QScrollArea>

#include <array>

namespace tv {

class MarkerBox;
class ScaledPicture;

// The map of a test as one page: the picture and the markers over it, shown
// at a scale. With fitting on, the page is as large as fits the view (never
// below its natural size, never above three times it) and centred; where the
// natural picture does not fit, or with fitting off, it stays natural and the
// view scrolls. Marker places are pixels of the natural picture. The view
// knows nothing of what the markers mean.
class MapView : public QScrollArea {
    Q_OBJECT

public:
    static constexpr double kMaxScale = 3.0;

    explicit MapView(QWidget *parent = nullptr);

    // The picture; `sharper` is its twice-as-large companion (ignored unless
    // exactly twice the size).
    void setPicture(const QImage &natural, const QImage &sharper = QImage());
    QSize pictureSize() const;
    ScaledPicture *picture() const { return canvasPicture; }
    // The page that holds the picture and the markers (scrolled by the view).
    QWidget *page() const { return canvas; }

    void setFitToWindow(bool on);
    bool fitsToWindow() const { return fit; }
    double scale() const { return zoom; }
    // The scale at which a picture fits an area: at least 1, at most kMaxScale.
    static double fitScale(QSize picture, QSize area);

    MarkerBox *marker(int k) const { return markers.at(k - 1); }
    // Marker k's top-left corner, in pixels of the natural picture.
    void placeMarker(int k, QPoint at);
    QPoint markerPlace(int k) const { return places.at(k - 1); }
    // The shown marker under a point of the view's visible area; null for none.
    MarkerBox *markerAt(QPoint viewportPos) const;
    // A point of the natural picture on the page, and back.
    QPoint toPage(QPoint picturePos) const;
    QPoint toPicture(QPoint pagePos) const;

    // A widget kept in the page's top right corner, `right` and `top` page
    // pixels in; it goes back there whenever the page changes size.
    void pinTopRight(QWidget *widget, int right, int top);

signals:
    void scaleChanged(double scale);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void relayout();

    QWidget *canvas = nullptr;
    ScaledPicture *canvasPicture = nullptr;
    std::array<MarkerBox *, kMaxMarkers> markers{};
    std::array<QPoint, kMaxMarkers> places{};
    QPointer<QWidget> pinned;
    int pinRight = 0;
    int pinTop = 0;
    bool fit = true;
    double zoom = 1.0;
    QSize pageSize;
};

} // namespace tv
