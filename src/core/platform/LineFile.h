#pragma once

#include "Status.h"

#include <QByteArray>
#include <QStringList>

class QIODevice;

// Line-oriented data files: Windows-1250, one value per line. Files are written
// with CR LF after every line; reading accepts CR LF or a bare LF.
namespace tv::lines {

// Splits decoded bytes into lines. One CR right before LF is dropped; the text
// after the last line end, when not empty, is one more line.
QStringList split(const QByteArray &bytes);

// Every line followed by CR LF, in Windows-1250.
QByteArray join(const QStringList &lines);

struct ReadResult {
    Status status;
    bool missing = false; // the file does not exist (status is then a failure)
    QStringList lines;
};

ReadResult read(QIODevice &device);
ReadResult readFile(const QString &path);

// Replaces the file as a whole through a temporary file renamed over it, so a
// failure half way leaves the old file as it was.
Status writeFile(const QString &path, const QStringList &lines);
Status writeBytes(const QString &path, const QByteArray &bytes);

// Appends the lines to the file, creating it when missing. Only the results
// file is appended to; a failure leaves what the file held before in place.
Status appendFile(const QString &path, const QStringList &lines);

// The user-facing texts of failed reads and writes.
QString readError(const QString &path, const QString &reason);
QString writeError(const QString &path, const QString &reason);

} // namespace tv::lines
