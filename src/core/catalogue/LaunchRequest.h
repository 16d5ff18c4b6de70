#pragma once

#include <QString>

namespace tv {

// The test the next test window opens: bare file names, joined to the data
// directory when used. Every launch fills it; the test window reads it.
struct LaunchRequest {
    QString configurationFile;
    QString descriptionFile;
    QString pictureFile;
    // Where the three files are: empty for the data directory; a teacher's
    // own tests live in a folder of their own.
    QString folder;
    // The test's title as the pupil sees it in the title strip and as its
    // result is stored and sent.
    QString title;
};

} // namespace tv
