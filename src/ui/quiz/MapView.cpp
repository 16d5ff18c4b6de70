#include "MapView.h"

#include "Markers.h"
#include "platform/ScaledPicture.h"

#include <QResizeEvent>

#include <cmath>

namespace tv {

MapView::MapView(QWidget *parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("mapScroll"));
    setWidgetResizable(false);
    setFrameShape(QFrame::NoFrame);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    canvas = new QWidget;
    canvas->setObjectName(QStringLiteral("mapCanvas"));
    canvasPicture = new ScaledPicture(canvas);
    canvasPicture->setObjectName(QStringLiteral("mapPicture"));
    canvasPicture->move(0, 0);
    canvasPicture->setAccessibleName(QStringLiteral("Mapa testu"));
    for (int k = 1; k <= kMaxMarkers; ++k)
        markers[k - 1] = new MarkerBox(k, canvas);
    setWidget(canvas);
    relayout();
}

void MapView::setPicture(const QImage &natural, const QImage &sharper)
{
    canvasPicture->setPicture(natural, sharper);
    pageSize = QSize(); // the pinned widget goes back to its corner
    relayout();
}

QSize MapView::pictureSize() const
{
    return canvasPicture->naturalSize();
}

void MapView::setFitToWindow(bool on)
{
    if (fit == on)
        return;
    fit = on;
    relayout();
}

double MapView::fitScale(QSize picture, QSize area)
{
    return tv::fitScale(picture, area, kMaxScale);
}

void MapView::placeMarker(int k, QPoint at)
{
    places[k - 1] = at;
    markers[k - 1]->move(toPage(at));
}

QPoint MapView::toPage(QPoint picturePos) const
{
    return QPoint(qRound(picturePos.x() * zoom), qRound(picturePos.y() * zoom));
}

QPoint MapView::toPicture(QPoint pagePos) const
{
    return QPoint(qFloor(pagePos.x() / zoom), qFloor(pagePos.y() / zoom));
}

MarkerBox *MapView::markerAt(QPoint viewportPos) const
{
    const QPoint at = canvas->mapFrom(viewport(), viewportPos);
    // The later marker lies on top where two overlap, as Qt stacks siblings.
    for (int k = kMaxMarkers; k >= 1; --k) {
        MarkerBox *m = markers[k - 1];
        if (m->isVisibleTo(canvas) && m->geometry().contains(at))
            return m;
    }
    return nullptr;
}

void MapView::pinTopRight(QWidget *widget, int right, int top)
{
    pinned = widget;
    pinRight = right;
    pinTop = top;
    pageSize = QSize();
    relayout();
}

void MapView::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    relayout();
}

void MapView::relayout()
{
    const QSize natural = pictureSize();
    // The area without scroll bars: a page that fits needs none.
    const QSize area = maximumViewportSize();
    const bool fitsNaturally =
        !natural.isEmpty() && natural.width() <= area.width() && natural.height() <= area.height();
    const double s = fit && fitsNaturally ? fitScale(natural, area) : 1.0;
    // Where the natural picture does not fit, the view is as it always was:
    // the map from the top left corner, with scroll bars.
    setAlignment(fit && fitsNaturally ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignTop));
    const QSize page = natural.isEmpty() ? QSize(1, 1)
                                         : QSize(int(std::floor(natural.width() * s + 1e-6)),
                                                 int(std::floor(natural.height() * s + 1e-6)));
    const bool scaled = s != zoom;
    zoom = s;
    canvasPicture->resize(natural.isEmpty() ? QSize(0, 0) : page);
    canvas->resize(page);
    for (int k = 1; k <= kMaxMarkers; ++k) {
        markers[k - 1]->setScale(s);
        markers[k - 1]->move(toPage(places[k - 1]));
    }
    if (pinned && page != pageSize) {
        pinned->move(qMax(0, page.width() - pinned->width() - pinRight), pinTop);
        pinned->raise();
    }
    pageSize = page;
    if (scaled)
        emit scaleChanged(s);
}

} // namespace tv
