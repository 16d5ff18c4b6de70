#pragma once

#include <QImage>
#include <QString>

namespace tv {

// A picture read from a file: the map of a test, the photograph of a place.
struct Picture {
    QImage image;  // null when it could not be read
    QString reason; // why not, for the message that names the file
};

// Reads the picture at path. A picture whose pixels would take more memory
// than the image reader allows is refused by Qt with a bare "Unable to read
// image data"; the reason then says in Polish that it is too large.
Picture readPicture(const QString &path);

} // namespace tv
