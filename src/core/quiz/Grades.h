#pragma once

#include <QString>

namespace tv {

// A grade as shown in the result dialog and stored with the result.
struct Grade {
    QString label;
    QString icon; // file in the data directory; empty: no picture
};

// The grade of a single test for its marker count (1..17) and good answers.
// Outside the table the label is empty.
Grade singleTestGrade(int markers, int good);

// The grade label of a "Wszystko o..." chain for its good answers; empty
// above the chain's top value.
QString chainGrade(int chain, int good);

// "M min S sek", no leading zeros.
QString timeText(int seconds);

namespace grades {
inline const QString kCelujacy = QStringLiteral("Celujący (6)");
}

} // namespace tv
