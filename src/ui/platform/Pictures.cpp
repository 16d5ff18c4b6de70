#include "Pictures.h"

#include <QImageReader>

namespace tv {

Picture readPicture(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(false);
    Picture p;
    p.image = reader.read();
    if (!p.image.isNull())
        return p;
    // The size comes from the file's header, which a reader refusing the
    // pixels has read already; four bytes a pixel as decoded for the screen.
    const QSize size = reader.size();
    const qint64 limit = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    const qint64 needed = qint64(qMax(size.width(), 0)) * qMax(size.height(), 0) * 4;
    if (size.isValid() && limit > 0 && needed > limit)
        p.reason = QStringLiteral("Obraz jest za duży, by go wyświetlić (%1 x %2 pikseli).")
                       .arg(size.width())
                       .arg(size.height());
    else
        p.reason = reader.errorString();
    return p;
}

} // namespace tv
