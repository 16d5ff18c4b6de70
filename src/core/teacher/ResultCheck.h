#pragma once

#include "results/ResultRecord.h"

#include <QString>

namespace tv::teacher {

// What a result for an assigned test must say: the title the pupil's program
// writes for it, its task count and, for a "Wszystko o..." chain, the chain
// whose grade table applies.
struct Expected {
    int code = 0;
    QString title;
    int tasks = 0; // 0: the test's files are not in the teacher's content pack
    int chain = 0; // 0: a single test
};

// The expectation for the catalogue entry with this server code; the marker
// count of a single test is read from its configuration file in contentDir.
// code 0 when no entry has the code.
Expected expectedFor(int code, const QString &contentDir);

// Empty when the reported figures hold together for the expectation, else
// why not, in the teacher's words. The title is checked by the caller (an
// empty one stands for the assigned test's).
QString figuresProblem(const ResultRecord &report, const Expected &expected);

// Empty when a login name is one the list can show, else why not.
QString loginNameProblem(const QString &name);

} // namespace tv::teacher
