#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace tv {

// A picture drawn to fill the widget, whatever its size: the map of a test,
// the photograph of a place. A sharper twice-as-large companion, when there
// is one, is the source whenever the screen shows more pixels than the
// natural picture has; otherwise the natural picture is scaled smoothly. At
// the natural size on a plain screen the picture is drawn as it is.
class ScaledPicture : public QWidget {
public:
    explicit ScaledPicture(QWidget *parent = nullptr);

    // `sharper` is used only when it is exactly twice `natural` each way.
    void setPicture(const QImage &natural, const QImage &sharper = QImage());
    void clear();
    bool isNull() const { return natural.isNull(); }
    QSize naturalSize() const { return natural.size(); }
    // Whether the last paint drew from the sharper picture (for tests).
    bool drewSharper() const { return fromSharper; }
    bool hasSharper() const { return !sharper.isNull(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QPixmap &frame(qreal dpr);

    QImage natural;
    QImage sharper;
    QPixmap cached; // the picture at the widget's size in device pixels
    bool fromSharper = false;
};

// The largest scale at which `picture` fits `area`, between 1 and `most`;
// 1 as well where the picture does not fit at its natural size.
double fitScale(QSize picture, QSize area, double most = 3.0);

// The name of a picture's sharper companion: "Name.jpg" -> "Name@2x.jpg".
QString sharperName(const QString &path);
// Reads the companion of the picture at `path` whose natural size is
// `natural`; a null image when there is none or its size is not exactly
// twice the natural one.
QImage readSharper(const QString &path, QSize natural);

} // namespace tv
