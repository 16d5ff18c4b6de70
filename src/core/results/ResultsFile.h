#pragma once

#include "results/ResultRecord.h"
#include "platform/Status.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
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

// The file as a reader saw it, to tell later whether another copy of the
// program has written it since.
struct Fingerprint {
    bool exists = false;
    qint64 size = 0;
    size_t hash = 0;
    bool operator==(const Fingerprint &o) const { return exists == o.exists && size == o.size && hash == o.hash; }
    bool operator!=(const Fingerprint &o) const { return !(*this == o); }
};
Fingerprint fingerprintOf(const QByteArray &bytes);

struct ReadRecords {
    Status status;
    bool missing = false; // the file does not exist (status is then a failure)
    Records records;
    Fingerprint fingerprint;
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

// The browser's rewrite of Wyniki.tvw after "Usuń zaznaczony wynik": the
// records shown, without the chosen row (none when the answer was No), in
// the order shown. Done under the file's lock. When the file is no longer
// what the browser read (another copy saved or deleted meanwhile), the
// shown table is stale: the file is read again, the chosen record is
// removed by its content and every other record stays as it is now.
struct Removal {
    enum class Outcome {
        Written,    // the file was as read: rewritten from the table
        Merged,     // it had changed: the record was removed from it as it is now
        Unchanged,  // it had changed and there was nothing to remove: left alone
        RecordGone, // it had changed and no longer holds the record: left alone
        Failed,     // reading or writing failed: left alone
    };
    Outcome outcome = Outcome::Failed;
    Status status;
    Records records;         // what the file holds afterwards (Failed: the shown ones)
    Fingerprint fingerprint; // of the file afterwards
};
Removal removeRecord(const QString &path, const Records &shown, std::optional<size_t> row,
                     const Fingerprint &readAs);

// "Usuń wyniki testów": deletes the file under its lock. A file already
// gone counts as deleted.
Status deleteResultsFile(const QString &path);

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
