#pragma once

#include "results/ResultRecord.h"
#include "platform/Status.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

class QIODevice;

// The results file as a whole: read in groups of seven lines, rewritten in
// the order the browser shows, sorted, and turned into the printed report.
namespace tv::results {

using Records = std::vector<ResultRecord>;

// The filtered copy of Wyniki.tvw; while it exists the browser shows it.
inline const QString kTempFile = QStringLiteral("tmp.tvw");

// --- reading and writing -----------------------------------------------------

// Groups the lines of a results file into records. The end is looked for
// only before the first line of a record, so a record cut short at the end
// still counts, its missing lines empty.
Records parseRecords(const QByteArray &bytes);

struct ReadRecords {
    Status status;
    bool missing = false; // the file does not exist (status is then a failure)
    Records records;
};

ReadRecords readRecords(QIODevice &device);
ReadRecords readRecordsFile(const QString &path);

// The records as the file holds them: seven lines each, every line ended by
// CR LF, fields written as they are (they came from a file, so none holds a
// line break).
QByteArray recordBytes(const Records &records);

// Replaces the file through a temporary file renamed over it: a crash or a
// full disk half way leaves the old file whole.
Status writeRecordsFile(const QString &path, const Records &records);

// --- columns -----------------------------------------------------------------

enum Column { ColumnUser, ColumnTitle, ColumnTime, ColumnTasks, ColumnGood, ColumnBad, ColumnGrade, ColumnCount };

const QString &field(const ResultRecord &record, int column);

// --- sorting -----------------------------------------------------------------

// The key under which a text sorts: its Windows-1250 bytes with a..z folded
// to A..Z. Byte order is the order of the code page, so letters with
// diacritics keep their case and sort by their codes, and numbers compare as
// text ("10" before "9").
std::string sortKey(const QString &text);
int compareText(const QString &a, const QString &b);

// The rows in ascending order of the column: entry i is the index of the
// record that goes to row i. Equal texts keep their present order.
std::vector<int> sortOrder(const Records &records, int column);

// --- what the browser shows --------------------------------------------------

// The grade picture for a grade text, by its first three letters; -1 for
// none. The user picture is kUserPicture.
int gradePicture(const QString &grade);
inline constexpr int kUserPicture = 4;

// The printed report: three header lines, then eight lines per record.
QStringList reportHeader();
void appendReport(QStringList &report, const ResultRecord &record);
QStringList report(const Records &records);

} // namespace tv::results
