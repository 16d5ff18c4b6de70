#pragma once

#include "Status.h"

#include <QByteArray>
#include <QStringList>

class QIODevice;

// Line-oriented data files: Windows-1250, one value per line. Files are written
// with CR LF after every line; reading accepts CR LF or a bare LF.
namespace tv::lines {

// Splits decoded bytes into lines. One CR right before LF is dropped; the text
// after the last line end, when not empty, is one more line, and a CR at its
// very end is dropped too: the appender takes it for a CR LF cut short and
// adds only the LF, so the line must read the same before and after.
QStringList split(const QByteArray &bytes);

// A text stored as one line must hold neither CR nor LF: an LF would split
// it in two, and a CR shows as a line break in the editors a teacher opens
// the file with.
bool hasLineBreak(const QString &text);
// The text with every CR and LF made a blank.
QString withoutLineBreaks(const QString &text);

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

// Where lines appended to a file begin. A file may end in the middle of a
// line (edited by hand, or cut short by a crash) or, for files of groups of
// lines such as the results file, in the middle of a group. Glued onto such
// an end, new lines would merge with the old last line and shift every group
// after it; so the last line is ended first and the last group padded with
// empty lines, which read as the empty text they stood for before.
class AppendPoint {
public:
    // The file's bytes so far, in pieces of any size.
    void feed(const char *data, qsizetype size);
    void feed(const QByteArray &bytes) { feed(bytes.constData(), bytes.size()); }

    // Lines as split() counts them.
    qint64 lineCount() const { return lineFeeds + (bytes > 0 && last != '\n' ? 1 : 0); }
    // The bytes that end the last line (only its LF when it stopped between
    // CR and LF) and then, when group > 1, complete its group.
    QByteArray completion(int group) const;

private:
    qint64 lineFeeds = 0;
    qint64 bytes = 0;
    char last = 0;
};

// Appends the lines to the file, creating it when missing, after the
// completion of its end (see AppendPoint; group 7 for result records). Only
// the results file is appended to; a failure leaves what the file held
// before in place.
Status appendFile(const QString &path, const QStringList &lines, int group = 1);

// A line quoted in a message about it: at most its first 60 characters,
// followed by "…" when there is more. A line of a damaged file may be
// megabytes long, and a message box sized to it would freeze the program.
QString excerpt(const QString &line);

// The user-facing texts of failed reads and writes.
QString readError(const QString &path, const QString &reason);
QString writeError(const QString &path, const QString &reason);

} // namespace tv::lines
