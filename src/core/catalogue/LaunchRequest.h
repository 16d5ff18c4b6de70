#pragma once

#include <QString>

namespace tv {

// The test the next test window opens: bare file names, joined to the data
// directory when used. Every launch fills it; the test window reads it. The
// title is the text of the main window's title strip.
struct LaunchRequest {
    QString configurationFile;
    QString descriptionFile;
    QString pictureFile;
    // Where the three files are: empty for the data directory; a teacher's
    // own tests live in a folder of their own.
    QString folder;
};

} // namespace tv
