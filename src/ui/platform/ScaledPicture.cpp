#include "ScaledPicture.h"

#include "Pictures.h"
#include "platform/Files.h"

#include <QFileInfo>
#include <QPainter>

#include <algorithm>

namespace tv {

ScaledPicture::ScaledPicture(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ScaledPicture::setPicture(const QImage &naturalPicture, const QImage &sharperPicture)
{
    natural = naturalPicture;
    sharper = !sharperPicture.isNull() && sharperPicture.size() == naturalPicture.size() * 2 ? sharperPicture : QImage();
    cached = QPixmap();
    update();
}

void ScaledPicture::clear()
{
    setPicture(QImage());
}

const QPixmap &ScaledPicture::frame(qreal dpr)
{
    const QSize target = (QSizeF(size()) * dpr).toSize();
    if (!cached.isNull() && cached.size() == target)
        return cached;
    fromSharper = !sharper.isNull() && target.width() > natural.width();
    const QImage &source = fromSharper ? sharper : natural;
    // Scaled once per size: a repaint of the same size only copies pixels.
    cached = QPixmap::fromImage(source.size() == target
                                    ? source
                                    : source.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    cached.setDevicePixelRatio(dpr);
    return cached;
}

void ScaledPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (natural.isNull() || size().isEmpty()) {
        p.fillRect(rect(), palette().window());
        return;
    }
    p.drawPixmap(0, 0, frame(devicePixelRatioF()));
}

double fitScale(QSize picture, QSize area, double most)
{
    if (picture.isEmpty() || area.isEmpty())
        return 1.0;
    const double s = std::min(area.width() / double(picture.width()), area.height() / double(picture.height()));
    return std::clamp(s, 1.0, most);
}

QString sharperName(const QString &path)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    const QString base = suffix.isEmpty() ? path : path.left(path.size() - suffix.size() - 1);
    return base + QStringLiteral("@2x") + (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
}

QImage readSharper(const QString &path, QSize natural)
{
    if (path.isEmpty() || natural.isEmpty())
        return QImage();
    const QString name = sharperName(path);
    if (!files::pathExists(name))
        return QImage();
    const Picture p = readPicture(files::resolvePath(name));
    return p.image.size() == natural * 2 ? p.image : QImage();
}

} // namespace tv
