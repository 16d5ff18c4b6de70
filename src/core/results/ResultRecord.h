#pragma once

#include "platform/Status.h"

#include <QString>
#include <QStringList>

namespace tv {

// One stored result: always seven lines in Wyniki.tvw.
struct ResultRecord {
    QString user;
    QString title;
    QString time;
    QString tasks;
    QString good;
    QString bad;
    QString grade;

    // The seven lines as written. A line break or other control character in
    // a field (a pasted name, say) becomes a blank, so a record can never
    // spill into the next one.
    QStringList lines() const;
    static ResultRecord fromLines(const QStringList &seven);

    bool operator==(const ResultRecord &o) const
    {
        return user == o.user && title == o.title && time == o.time && tasks == o.tasks && good == o.good
            && bad == o.bad && grade == o.grade;
    }
    bool operator!=(const ResultRecord &o) const { return !(*this == o); }
};

// What a judged test (or a whole chain) hands to the result dialog: what it
// shows, and what becomes the stored or sent record with the pupil's name.
struct ResultFigures {
    QString title;
    QString time;
    int tasks = 0;
    int good = 0;
    int bad = 0;
    QString grade;
    QString gradeIcon; // an icon file of the data directory; empty for none
};

// The one way a result becomes a record: the same for the results file and
// the teacher's server.
ResultRecord recordOf(const QString &user, const ResultFigures &figures);

inline const QString kResultsFile = QStringLiteral("Wyniki.tvw");

// A field made safe to store on one line.
QString oneLine(const QString &field);

// Appends the record to Wyniki.tvw in the data directory, creating the file
// when it is missing: the one way every result is stored. It holds the
// file's lock meanwhile, and first completes a last record that was cut
// short, so the new one starts on a record boundary. A failure leaves the
// records already there intact.
Status appendResult(const QString &dataDir, const ResultRecord &record);

} // namespace tv
