#pragma once

#include <QString>

namespace tv {

// Outcome of a file operation: readers and writers report failures as values,
// and only the windows decide how to show them.
struct Status {
    bool ok = true;
    QString message; // ready to show to the user, in Polish

    static Status success() { return {}; }
    static Status failure(const QString &msg) { return {false, msg}; }
    explicit operator bool() const { return ok; }
};

} // namespace tv
