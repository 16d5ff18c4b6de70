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
};

inline const QString kResultsFile = QStringLiteral("Wyniki.tvw");

// A field made safe to store on one line.
QString oneLine(const QString &field);

// Appends the record to Wyniki.tvw in the data directory, creating the file
// when it is missing. A failure leaves the records already there intact.
Status appendResult(const QString &dataDir, const ResultRecord &record);

} // namespace tv
